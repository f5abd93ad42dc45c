#include "shell/plugin_commands.h"

#include "dialogs/game_csv_file.h"
#include "platform/key_codes.h"
#include "plugins/plugin_host.h"
#include "screen/score_guide_wnd.h"
#include "screen/score_left_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_name_wnd.h"
#include "screen/score_player_wnd.h"
#include "settings/plugin_list.h"
#include "shell/file_notices.h"
#include "shell/key_dispatcher.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "storage/csv_export.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace dvk {
namespace {

// The Tools menu stands between the Score and the Help menus.
constexpr int tools_menu_position = 3;

dvk_window handle_of(QWidget* widget) {
    return reinterpret_cast<dvk_window>(widget);
}

std::string key_name(std::int32_t modifiers, std::int32_t key) {
    return format_key_name(modifiers, key).toStdString();
}

} // namespace

PluginCommands::PluginCommands(MainWindow& window)
    : QObject(&window), m_window(window),
      m_host(new PluginHost(window.options(), *this, handle_of(&window), this)) {}

PluginCommands::~PluginCommands() = default;

void PluginCommands::start() {
    const std::string& settings = m_window.context().settings_path;
    if (!settings.empty()) {
        const std::filesystem::path folder = std::filesystem::path(settings).parent_path();
        m_host->set_settings_folder(folder);
        if (const std::optional<PluginCallName> ended =
                m_host->watch_calls(folder / plugin_call_marker_name)) {
            tellTurnedOff(*ended);
        }
    }
    m_host->load_plugins();
    rebuildToolsMenu();
    rebuildKeys();
    m_host->call_plugins(plugin_event_window_created, 0);
}

void PluginCommands::tellTurnedOff(const PluginCallName& ended) {
    m_window.fileNotices()->tell_text(
        true,
        tr("The plug-in function %1 ended the program the last time it ran:\n%2\n\nThe "
           "plug-in has been turned off. You can turn it on again on the Plug-in page of the "
           "Option dialog.")
            .arg(QString::fromStdString(ended.call), QString::fromStdString(ended.lib_file_path)));
}

void PluginCommands::listChanged() {
    m_host->load_plugins();
    rebuildToolsMenu();
    rebuildKeys();
}

void PluginCommands::runTool(int command) {
    const int index = command - plugin_command_base;
    if (index >= 0) {
        m_host->call_plugin(static_cast<std::size_t>(index), plugin_event_menu, 0);
    }
}

bool PluginCommands::vetoClose(int reason) {
    return m_host->call_plugins(plugin_event_close, reason) == DVK_ANSWER_CANCEL;
}

int PluginCommands::notify(int event, int parameter) {
    return m_host->call_plugins(event, parameter);
}

void PluginCommands::unload() {
    m_host->unload_plugins();
}

void PluginCommands::rebuildToolsMenu() {
    QMenuBar* bar = m_window.mainMenu()->bar();
    if (m_tools != nullptr) {
        bar->removeAction(m_tools->menuAction());
        m_tools->deleteLater();
        m_tools = nullptr;
    }
    const auto items =
        tools_menu_items(m_window.options().plugins, m_host->event_masks(), key_name);
    if (items.empty()) {
        return;
    }
    m_tools = new QMenu(tr("&Tools"), bar);
    m_tools->setObjectName(QStringLiteral("tools_menu"));
    for (const ToolsMenuItem& item : items) {
        QAction* action = m_tools->addAction(QString::fromStdString(item.text));
        action->setData(item.command);
        const int command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { runTool(command); });
    }
    bar->insertMenu(bar->actions().value(tools_menu_position), m_tools);
}

void PluginCommands::rebuildKeys() {
    std::vector<Accelerator> table;
    for (const KeyAccelerator& a :
         build_plugin_accelerators(m_window.options().plugins, m_host->event_masks())) {
        const QKeyCombination combination = qt_key_combination(a.flags & modifier_mask, a.key);
        table.push_back({combination.keyboardModifiers(), combination.key(), a.command});
    }
    m_window.keyDispatcher()->setPluginKeys(std::move(table));
}

PluginRecordSources PluginCommands::plugin_sources() const {
    PluginRecordSources s;
    const Match& match = m_window.match();
    s.game = &match.game();
    s.options = &m_window.options();
    s.history = &match.history();
    s.sheet = &match.sheet();
    const ScoreListWnd* list = m_window.scoreList();
    s.list.columns = list->columns();
    s.list.header_height = list->headerHeight();
    s.list.row_height = list->rowHeight();
    s.list.template_height = list->headerHeight() + 2 * list->rowHeight();
    s.list.template_first_player = list->templateFirstPlayer();
    s.checkout_table = m_window.context().checkout_table;
    s.com_table =
        m_window.context().com_table != nullptr ? &m_window.context().com_table->table() : nullptr;
    s.windows = {handle_of(&m_window),
                 handle_of(m_window.scoreList()),
                 handle_of(m_window.leftWindow(0)),
                 handle_of(m_window.leftWindow(1)),
                 handle_of(m_window.playerWindow(0)),
                 handle_of(m_window.playerWindow(1)),
                 handle_of(m_window.guideWindow()),
                 handle_of(m_window.nameWindow())};
    return s;
}

QWidget* PluginCommands::message_owner() {
    return &m_window;
}

void PluginCommands::rewrite_input_entry(std::int16_t entry) {
    m_window.match().sheet().rewrite_input_entry(entry);
}

std::string PluginCommands::game_csv(const GameRecord& game) const {
    return compose_game_csv(game, GameCsvFile::user_locale());
}

bool PluginCommands::enter_value(int value, bool display_only) {
    return m_window.match().sheet().plugin_enter_value(value, display_only);
}

bool PluginCommands::move_input_cell(bool commit, std::uint32_t cell) {
    return m_window.match().sheet().plugin_move(commit, cell);
}

void PluginCommands::refresh_screen() {
    ScoreSheet& sheet = m_window.match().sheet();
    sheet.update_scroll_range();
    m_window.scoreList()->repaint(0);
    m_window.refreshPlayer(0, true);
    m_window.refreshPlayer(1, false);
}

} // namespace dvk
