#include "gallery_dialogs.h"
#include "gallery_main_window.h"
#include "gallery_player.h"
#include "gallery_plugins.h"
#include "gallery_side.h"

#include <QApplication>
#include <QDir>

// Renders every window and dialog in sample states to PNG files for review:
// dvk_gallery [folder] (default: "gallery" in the current folder).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString folder =
        args.size() > 1 ? args.at(1) : QDir::current().filePath(QStringLiteral("gallery"));
    QDir().mkpath(folder);
    dvk::render_main_window_gallery(folder);
    dvk::render_dialog_gallery(folder);
    dvk::render_player_gallery(folder);
    dvk::render_side_gallery(folder);
    dvk::render_plugin_gallery(folder);
    return 0;
}
