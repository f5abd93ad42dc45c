#include "gallery_career.h"
#include "gallery_check_out.h"
#include "gallery_dialogs.h"
#include "gallery_main_window.h"
#include "gallery_options.h"
#include "gallery_player.h"
#include "gallery_plugins.h"
#include "gallery_records.h"
#include "gallery_side.h"

#include "platform/translations.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

// Renders every window and dialog in sample states to PNG files for review:
// dvk_gallery [folder [language]] (default: "gallery" in the current folder, in the system's
// language; the user's guide asks for "en" and "ja").
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() > 2) {
        QLocale::setDefault(QLocale(args.at(2)));
    }
    dvk::install_translations(app);
    const QString folder =
        args.size() > 1 ? args.at(1) : QDir::current().filePath(QStringLiteral("gallery"));
    QDir().mkpath(folder);
    dvk::render_main_window_gallery(folder);
    dvk::render_dialog_gallery(folder);
    dvk::render_player_gallery(folder);
    dvk::render_side_gallery(folder);
    dvk::render_records_gallery(folder);
    dvk::render_career_gallery(folder);
    dvk::render_check_out_gallery(folder);
    dvk::render_option_gallery(folder);
    dvk::render_plugin_gallery(folder);
    return 0;
}
