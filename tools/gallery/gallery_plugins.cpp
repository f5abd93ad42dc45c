#include "gallery_plugins.h"

#include "gallery_capture.h"

#include "dialogs/key_page.h"
#include "dialogs/option_sheet.h"
#include "dialogs/player_page.h"
#include "dialogs/plugin_page.h"
#include "dialogs/select_plugin_dialog.h"
#include "dialogs/view_page.h"
#include "platform/dialog_script.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "shell/plugin_commands.h"
#include "shell/program.h"

#ifdef DVK_GALLERY_CALLER
#include "caller_settings_dialog.h"
#include "caller_voice.h"
#endif

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace dvk {
namespace {

// The minimal plug-in with Ctrl+Shift+S and, where it is built, the caller with Ctrl+K.
QString plugin_settings() {
    const QString plugins = QStringLiteral(DVK_PLUGIN_DIR);
    QString text =
        QStringLiteral("[game]\r\np1_name=\"Ann Example\"\r\np2_name=\"Bo Sample\"\r\n"
                       "[plugin]\r\ncount=2\r\n"
                       "title_0=\"Show Scores\"\r\nlib_file_path_0=\"%1/minimal.dvk\"\r\n"
                       "func_name_0=\"show_scores\"\r\nctrl_0=12\r\nkey_0=83\r\n")
            .arg(plugins);
    text +=
        QStringLiteral("title_1=\"Caller\"\r\nlib_file_path_1=\"%1/caller.dvk\"\r\n"
                       "func_name_1=\"caller\"\r\ncmd_line_1=\"%2\"\r\nctrl_1=8\r\nkey_1=75\r\n")
            .arg(plugins, QDir::temp().filePath(QStringLiteral("dvk_gallery_caller.ini")));
    return text;
}

// The plug-ins load from the build folder; the Plug-in page shows them where an installed
// dvk has them, so that no path of the machine that built the guide appears in it.
AppOptions installed_paths(const AppOptions& options) {
    AppOptions shown = options;
    for (PluginConfig& plugin : shown.plugins) {
        plugin.lib_file_path = std::string(DVK_INSTALLED_PLUGIN_DIR) + "/" +
                               std::filesystem::path(plugin.lib_file_path).filename().string();
    }
    return shown;
}

void render_tools_menu(const QString& folder) {
    QTemporaryDir home;
    QFile settings(QDir(home.path()).filePath(QStringLiteral("dvk.ini")));
    if (!settings.open(QIODevice::WriteOnly)) {
        return;
    }
    settings.write(plugin_settings().toUtf8());
    settings.close();
    DialogScript script;
    Program program(home.path().toStdString());
    MainWindow& window = program.window();
    window.setCloseWithoutAsking(true);
    window.resize(800, 600);
    window.show();
    settle();
    script.push_answer(QStringLiteral("GameOptionDialog"), true);
    window.runCommand(command::new_game);
    save_picture(window, folder, QStringLiteral("plugins_main_window"));
    QMenu* tools = window.plugins()->toolsMenu();
    if (tools == nullptr) {
        return;
    }
    tools->popup(window.mapToGlobal(QPoint(200, window.menuBar()->height())));
    save_picture(*tools, folder, QStringLiteral("plugins_tools_menu"));
    tools->close();

    OptionSheet sheet(QStringLiteral("Option"), &window);
    sheet.addPage(new ViewPage(program.options(), *window.context().checkout_table, &sheet));
    sheet.addPage(new PlayerPage(program.options(), &sheet));
    sheet.addPage(new KeyPage(program.options(), &MainMenu::commandText, &sheet));
    sheet.addPage(
        new PluginPage(installed_paths(program.options()), window.plugins()->host(), &sheet));
    sheet.tabs()->setCurrentIndex(3);
    save_picture(sheet, folder, QStringLiteral("option_plugin"));
}

// A library offering three functions, the second left out by the user.
void render_select_plugin(const QString& folder) {
    SelectPluginDialog dialog({{"Show Scores", "show_scores", ""},
                               {"Match Timer", "match_timer", ""},
                               {"Score Caller", "score_caller", ""}});
    dialog.list()->item(1)->setSelected(false);
    save_picture(dialog, folder, QStringLiteral("select_plugin"));
}

void render_caller_settings([[maybe_unused]] const QString& folder) {
#ifdef DVK_GALLERY_CALLER
    caller::CallerVoice voice;
    caller::CallerSettings settings;
    settings.choices.results = false;
    settings.rate = 0.3;
    caller::CallerSettingsDialog dialog(settings, voice);
    save_picture(dialog, folder, QStringLiteral("caller_settings"));
    // Where no speech engine is installed.
    caller::CallerVoice silent(QStringLiteral("none"));
    caller::CallerSettingsDialog without_voice(settings, silent);
    save_picture(without_voice, folder, QStringLiteral("caller_settings_no_voice"));
#endif
}

} // namespace

void render_plugin_gallery(const QString& folder) {
    render_tools_menu(folder);
    render_select_plugin(folder);
    render_caller_settings(folder);
}

} // namespace dvk
