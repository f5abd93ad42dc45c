#include "gallery_options.h"

#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "dialogs/key_page.h"
#include "dialogs/option_sheet.h"
#include "dialogs/player_page.h"
#include "dialogs/plugin_page.h"
#include "dialogs/schedule_dialog.h"
#include "dialogs/select_key_dialog.h"
#include "dialogs/view_page.h"
#include "platform/dialog_script.h"
#include "settings/app_options.h"
#include "shell/main_menu.h"
#include "shell/plugin_commands.h"
#include "shell/program.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <iterator>

namespace dvk {
namespace {

void save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

AppOptions sample_options() {
    OptionsEnvironment environment;
    environment.font_name = "Liberation Sans";
    return default_options(environment);
}

void render_sheet(const QString& folder, const AppOptions& options, const ArrangeTable& table,
                  const QString& suffix) {
    // The sheet has its four pages, as in the program; the Plug-in page needs the plug-in host
    // of a program, which has no plug-ins here (the plug-in gallery shows that page).
    QTemporaryDir home;
    const DialogScript script;
    Program program(home.path().toStdString());
    program.window().setCloseWithoutAsking(true);
    OptionSheet sheet(QStringLiteral("Option"), nullptr);
    sheet.addPage(new ViewPage(options, table, &sheet));
    sheet.addPage(new PlayerPage(options, &sheet));
    sheet.addPage(new KeyPage(options, &MainMenu::commandText, &sheet));
    sheet.addPage(new PluginPage(options, program.window().plugins()->host(), &sheet));
    const char* names[] = {"option_view", "option_player", "option_key"};
    for (int i = 0; i < static_cast<int>(std::size(names)); ++i) {
        sheet.tabs()->setCurrentIndex(i);
        save(sheet, folder, QString::fromLatin1(names[i]) + suffix);
    }
}

// Colours a user might choose: dark rows, a green input cell and a wide red separation.
AppOptions dark_options() {
    AppOptions options = sample_options();
    options.set_color(ColorItem::background, rgb(30, 30, 40));
    options.set_color(ColorItem::odd_background, rgb(45, 45, 60));
    options.set_color(ColorItem::scored_text, rgb(240, 240, 240));
    options.set_color(ColorItem::text, rgb(255, 220, 120));
    options.set_color(ColorItem::input_background, rgb(120, 220, 120));
    options.set_color(ColorItem::view_separate, rgb(200, 0, 0));
    options.set_color(ColorItem::player_background, rgb(60, 60, 80));
    options.set_color(ColorItem::player_text, rgb(230, 230, 230));
    options.font_name = "Liberation Serif";
    return options;
}

void render_select_key(const QString& folder) {
    SelectKeyDialog added(std::nullopt, &MainMenu::commandText);
    save(added, folder, QStringLiteral("select_key_new"));
    SelectKeyDialog edited(KeyBinding{51140, modifier_ctrl, 0x74}, &MainMenu::commandText);
    save(edited, folder, QStringLiteral("select_key_template_140"));
    SelectKeyDialog command(KeyBinding{40016, modifier_ctrl | modifier_shift, 'N'},
                            &MainMenu::commandText);
    save(command, folder, QStringLiteral("select_key_command"));
}

void render_schedules(const QString& folder) {
    const QString unused_settings = QDir(folder).filePath(QStringLiteral("gallery.ini"));
    AppOptions options = sample_options();
    options.schedule[1].p1_name = "Ann Example";
    options.schedule[1].p2_com = 1;
    options.schedule[1].p2_com_level = 4;
    options.schedule[2].best_of = 0;
    options.schedule[3].round_limit = 1;
    {
        ScheduleDialog dialog(options, unused_settings.toStdString(), ScheduleDialogSetup{});
        save(dialog, folder, QStringLiteral("schedule_new"));
    }
    {
        ScheduleDialog dialog(options, unused_settings.toStdString(),
                              ScheduleDialogSetup{true, 3, std::nullopt});
        save(dialog, folder, QStringLiteral("schedule_modify_third_game"));
    }
    options.schedule.clear();
    {
        ScheduleDialog dialog(options, unused_settings.toStdString(), ScheduleDialogSetup{});
        save(dialog, folder, QStringLiteral("schedule_empty"));
    }
}

} // namespace

void render_option_gallery(const QString& folder) {
    QDir().mkpath(folder);
    const ArrangeTable table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    render_sheet(folder, sample_options(), table, QString());
    {
        const AppOptions dark = dark_options();
        OptionSheet sheet(QStringLiteral("Option"), nullptr);
        sheet.addPage(new ViewPage(dark, table, &sheet));
        save(sheet, folder, QStringLiteral("option_view_dark"));
    }
    render_select_key(folder);
    render_schedules(folder);
}

} // namespace dvk
