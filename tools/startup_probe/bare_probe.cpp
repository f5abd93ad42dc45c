#include "first_paint.h"

#include <QMainWindow>
#include <QMenuBar>

// The least a Qt Widgets program does to show a main window with a menu bar.
int main(int argc, char** argv) {
    FirstPaint::mark("main");
    QApplication app(argc, argv);
    FirstPaint::mark("QApplication");
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.resize(1024, 720);
    FirstPaint probe(&window);
    window.show();
    return QApplication::exec();
}
