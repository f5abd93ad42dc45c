#include "platform/desktop_shortcut.h"
#include "platform/program_folders.h"
#include "platform/translations.h"
#include "shell/program.h"

#include <QApplication>
#include <QIcon>

namespace {

// The icon drawn for dvk, rendered at the usual sizes and built into the program.
QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/dvk_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dvk"));
    // Lets the desktop match the windows with the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DVK_APP_ID));
    if (dvk::is_shortcut_command(QApplication::arguments())) {
        dvk::create_desktop_shortcut();
        return 0;
    }
    dvk::install_translations(app);
    QApplication::setWindowIcon(program_icon());
    dvk::Program program(dvk::find_program_folders(QApplication::arguments()));
    program.show();
    return QApplication::exec();
}
