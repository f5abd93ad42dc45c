#include "first_paint.h"
#include "platform/translations.h"
#include "shell/program.h"

#include <QDir>
#include <QIcon>

namespace {

// The program's icon as dvk sets it.
QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/dvk_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

// dvk's start-up as the program runs it (translations, icon, settings, tables, main window,
// plug-ins), timed to the first paint of the main window. With DVK_PROBE_STEPS set it also
// prints on stderr the process age at the end of each step.
int main(int argc, char** argv) {
    FirstPaint::mark("main");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dvk"));
    FirstPaint::mark("QApplication");
    dvk::install_translations(app);
    FirstPaint::mark("translations");
    QApplication::setWindowIcon(program_icon());
    FirstPaint::mark("icon");
    dvk::Program program(QDir::currentPath().toStdString());
    FirstPaint::mark("program (settings, tables, main window, plug-ins)");
    program.window().setCloseWithoutAsking(true);
    FirstPaint probe(&program.window());
    program.show();
    FirstPaint::mark("show");
    return QApplication::exec();
}
