#include "gallery_dialogs.h"

#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_table.h"
#include "dialogs/com_throw_dialog.h"
#include "dialogs/game_option_dialog.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "settings/app_options.h"
#include "shell/file_notices.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>

namespace dvk {
namespace {

void save(QWidget& widget, const QString& folder, const QString& name) {
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

AppOptions sample_options() {
    OptionsEnvironment environment;
    environment.font_name = "Liberation Sans";
    return default_options(environment);
}

void render_game_options(const QString& folder) {
    const QString unused_settings = QDir(folder).filePath(QStringLiteral("gallery.ini"));
    AppOptions app = sample_options();
    {
        GameOptionDialog dialog(app.game, app, unused_settings.toStdString());
        save(dialog, folder, QStringLiteral("game_option_defaults"));
    }

    GameOptions entry = app.game;
    entry.schedule_entry = 1;
    entry.start_score = 1001;
    entry.round_limit = 1;
    entry.round = 30;
    entry.max_leg = 5;
    entry.p1_name.clear();
    entry.p2_com = 1;
    entry.p2_com_level = 4;
    {
        GameOptionDialog dialog(entry, app, unused_settings.toStdString());
        save(dialog, folder, QStringLiteral("game_option_schedule_entry"));
    }

    GameOptions long_names = app.game;
    long_names.start_score = 12345;
    long_names.leg_limit = 1;
    long_names.change_first = 1;
    long_names.p1_name = std::string(62, 'W');
    long_names.p2_name = "Maximiliane Adalberta von Rosenquist-Eichenhain die Dritte";
    long_names.p1_start_score = 99999;
    app.name_list = {long_names.p1_name, long_names.p2_name, "Nora Castell"};
    {
        GameOptionDialog dialog(long_names, app, unused_settings.toStdString());
        save(dialog, folder, QStringLiteral("game_option_long_names"));
    }
}

void render_com_throw(const QString& folder) {
    const ComTable table(parse_arrange_text(builtin_arrange_text(BuiltinTable::Com)));
    GameRecord game;
    game.players[0].remaining = 501;
    game.players[1].remaining = 301;
    game.players[1].com_level = 9;
    game.legs.push_back(LegRecord::with_capacity(10, 1));
    for (auto& darts : game.darts_at_double) {
        darts.assign(11, 0);
    }
    ComThrowDialog dialog(game, 1, table, sample_options(), 7);
    dialog.throw_next();
    dialog.throw_next();
    save(dialog, folder, QStringLiteral("com_throw_two_darts"));
}

// The boxes that tell about the program's own files, as the user sees them.
void render_file_notices(const QString& folder) {
    DialogScript script;
    QWidget owner;
    FileNotices notices(&owner);
    notices.tell_kept_recovery("/home/ines/dvk/dvk.tmp.bad-2");
    notices.tell_write({WriteNotice::Kind::Failed, WriteTarget::Recovery, "/home/ines/dvk/dvk.tmp",
                        "No space left on device"});
    notices.tell_write(
        {WriteNotice::Kind::Succeeded, WriteTarget::Recovery, "/home/ines/dvk/dvk.tmp", ""});
    notices.tell_write({WriteNotice::Kind::Failed, WriteTarget::Settings, "/home/ines/dvk/dvk.ini",
                        "Read-only file system"});
    notices.show_pending();
    const QStringList names = {
        QStringLiteral("notice_recovery_kept"), QStringLiteral("notice_recovery_failed"),
        QStringLiteral("notice_recovery_saved_again"), QStringLiteral("notice_settings_failed")};
    const QList<MessageBoxes::Shown> shown = MessageBoxes::shown(script);
    for (qsizetype i = 0; i < shown.size() && i < names.size(); ++i) {
        const bool warning = shown[i].icon == MessageBoxes::Icon::Warning;
        QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information, shown[i].caption,
                        shown[i].text, QMessageBox::Ok);
        // A message box lays its text out when it is shown.
        box.show();
        QApplication::processEvents();
        save(box, folder, names[i]);
    }
}

} // namespace

void render_dialog_gallery(const QString& folder) {
    QDir().mkpath(folder);
    render_game_options(folder);
    render_com_throw(folder);
    render_file_notices(folder);
}

} // namespace dvk
