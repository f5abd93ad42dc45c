#include "first_paint.h"
#include "shell/program.h"

#include <QDir>

// dvk's start-up as the program runs it, timed to the first paint of the main window.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    dvk::Program program(QDir::currentPath().toStdString());
    program.window().setCloseWithoutAsking(true);
    FirstPaint probe(&program.window());
    program.show();
    return QApplication::exec();
}
