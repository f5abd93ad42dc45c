#include "platform/desktop_shortcut.h"
#include "platform/program_folders.h"
#include "platform/system_services.h"
#include "platform/translations.h"
#include "platform/user_guide.h"
#include "shell/command_line.h"
#include "shell/program.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

namespace {

// The icon drawn for dvk, rendered at the usual sizes and built into the program.
QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/dvk_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QStringList arguments_of(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// Prints the usage or the version. No window system is needed for that, so it works where
// there is no display, as in a terminal logged in from afar.
int print_information(int argc, char** argv, dvk::InfoRequest request) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dvk"));
    dvk::install_translations(app);
    const QString text =
        request == dvk::InfoRequest::Help
            ? dvk::CommandLine::help_text(dvk::user_guide_file(dvk::program_folder()))
            : dvk::CommandLine::version_text(QStringLiteral(DVK_VERSION));
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const dvk::InfoRequest request = dvk::info_request(arguments_of(argc, argv));
    if (request != dvk::InfoRequest::None) {
        return print_information(argc, argv, request);
    }
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
