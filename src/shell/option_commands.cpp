#include "shell/option_commands.h"

#include "dialogs/key_page.h"
#include "dialogs/option_sheet.h"
#include "dialogs/player_page.h"
#include "dialogs/plugin_page.h"
#include "dialogs/schedule_dialog.h"
#include "dialogs/view_page.h"
#include "match/schedule_modify.h"
#include "platform/message_boxes.h"
#include "settings/key_table.h"
#include "settings/options_save.h"
#include "shell/command_ids.h"
#include "shell/file_notices.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/plugin_commands.h"

namespace dvk {

void OptionCommands::option() {
    AppOptions& options = m_window.options();
    const QString caption = QString::fromStdString(
        menu_text_to_label(MainMenu::commandText(command::option).toStdString()));
    OptionSheet sheet(caption, &m_window);
    sheet.addPage(new ViewPage(options, *m_window.context().checkout_table, &sheet));
    sheet.addPage(new PlayerPage(options, &sheet));
    sheet.addPage(new KeyPage(options, &MainMenu::commandText, &sheet));
    sheet.addPage(new PluginPage(options, m_window.plugins()->host(), &sheet));
    if (!sheet.run(options)) {
        return;
    }
    const std::string& path = m_window.context().settings_path;
    const ProfileSaveResult saved = save_options(path, options);
    m_window.optionsConfirmed();
    if (!saved) {
        MessageBoxes::error(&m_window,
                            FileNotices::settings_not_saved(QString::fromStdString(path),
                                                            QString::fromStdString(saved.error)));
    }
}

void OptionCommands::newSchedule() {
    AppOptions& options = m_window.options();
    if (!ScheduleDialog::edit(&m_window, options, m_window.context().settings_path,
                              ScheduleDialogSetup{})) {
        return;
    }
    m_window.match().start_new_game(true);
    m_window.updateTitle();
}

void OptionCommands::modifySchedule() {
    // A key bound to the command does nothing while its menu item is greyed.
    Match& match = m_window.match();
    const GameRecord& game = match.game();
    if (game.schedule_mode != 1 ||
        !m_window.mainMenu()->action(command::modify_schedule)->isEnabled()) {
        return;
    }
    AppOptions& options = m_window.options();
    const ScheduleModifyPlan plan = plan_schedule_modify(game);
    const std::optional<GameOptions> replaced =
        plan.restart_entry && *plan.restart_entry < options.schedule.size()
            ? std::optional<GameOptions>(options.schedule[*plan.restart_entry])
            : std::nullopt;
    const ScheduleDialogSetup setup{true, plan.locked_rows, plan.restart_entry};
    if (!ScheduleDialog::edit(&m_window, options, m_window.context().settings_path, setup)) {
        return;
    }
    if (replaced) {
        match.restart_schedule_entry(*replaced);
    }
    // The recovery file keeps the schedule: a crash from here on must bring back the new one.
    m_window.writeRecovery(match.game(), RecoveryWrite::Complete, 0, 0);
    m_window.updateTitle();
}

} // namespace dvk
