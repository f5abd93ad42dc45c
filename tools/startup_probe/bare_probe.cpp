#include "first_paint.h"

#include <QMainWindow>
#include <QMenuBar>

// The least a Qt Widgets program does to show a main window with a menu bar.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.resize(1024, 720);
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}
