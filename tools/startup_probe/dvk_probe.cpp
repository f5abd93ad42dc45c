#include "first_paint.h"
#include "platform/translations.h"
#include "shell/program.h"

#include <QDir>
#include <QIcon>
#include <QPixmap>

namespace {

// The program's icon as dvk sets it.
QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/dvk_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

// Saves the main window as first shown, then at a few sizes, to `folder` (first.png,
// WIDTHxHEIGHT.png), so that two builds can be compared picture by picture. Only posted
// events are delivered, no timers: a fresh start's Game Option dialog never opens.
int grab_pictures(dvk::MainWindow& window, const QString& folder) {
    QDir().mkpath(folder);
    QApplication::sendPostedEvents();
    window.grab().save(QDir(folder).filePath(QStringLiteral("first.png")));
    for (const QSize size : {QSize(320, 240), QSize(640, 480), QSize(1024, 720), QSize(1280, 1024),
                             QSize(1917, 1051), QSize(700, 1000)}) {
        window.resize(size);
        QApplication::sendPostedEvents();
        window.grab().save(QDir(folder).filePath(
            QStringLiteral("%1x%2.png").arg(size.width()).arg(size.height())));
    }
    return 0;
}

} // namespace

// dvk's start-up as the program runs it (translations, icon, settings, tables, main window,
// plug-ins), timed to the first paint of the main window. With DVK_PROBE_STEPS set it also
// prints on stderr the process age at the end of each step. With DVK_PROBE_GRAB naming a
// folder it saves pictures of the window there instead (see grab_pictures).
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
    const QString grab_folder = qEnvironmentVariable("DVK_PROBE_GRAB");
    if (!grab_folder.isEmpty()) {
        program.show();
        return grab_pictures(program.window(), grab_folder);
    }
    FirstPaint probe(&program.window());
    program.show();
    FirstPaint::mark("show");
    return QApplication::exec();
}
