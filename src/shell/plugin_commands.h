#pragma once

#include "platform/plugin_call_marker.h"
#include "plugins/plugin_window.h"

#include <QObject>

class QMenu;

namespace dvk {

class MainWindow;
class PluginHost;

// The main window's side of the plug-ins: the host working on the window's records, the
// Tools menu, the plug-in shortcut keys, and the window's own events.
class PluginCommands : public QObject, public PluginWindow {
    Q_OBJECT
public:
    explicit PluginCommands(MainWindow& window);
    ~PluginCommands() override;

    PluginHost& host() { return *m_host; }
    QMenu* toolsMenu() const { return m_tools; }

    // Loads the plug-ins, builds the Tools menu and the shortcut keys, and tells the plug-ins
    // that the window exists.
    void start();
    // After the plug-in list changed: loads the new entries, rebuilds menu and keys.
    void listChanged();
    // A Tools item or plug-in shortcut: calls its function with the menu event.
    void runTool(int command);
    // The user closes the program, or the session ends: true when the plug-ins keep it open.
    bool vetoClose(int reason);
    int notify(int event, int parameter);
    void unload();

    // PluginWindow
    PluginRecordSources plugin_sources() const override;
    QWidget* message_owner() override;
    void rewrite_input_entry(std::int16_t entry) override;
    std::string game_csv(const GameRecord& game) const override;
    bool enter_value(int value, bool display_only) override;
    bool move_input_cell(bool commit, std::uint32_t cell) override;
    void refresh_screen() override;

    // The file, in the settings folder, that names a plug-in function that ended the program.
    static constexpr const char* plugin_call_marker_name = "dvk-plugin-call.txt";

private:
    void tellTurnedOff(const PluginCallName& ended);
    void rebuildToolsMenu();
    void rebuildKeys();

    MainWindow& m_window;
    PluginHost* m_host = nullptr;
    QMenu* m_tools = nullptr;
};

} // namespace dvk
