#pragma once

#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_host.h"
#include "storage/csv_export.h"
#include "support/match_harness.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

namespace dvk::testing {

// A test plug-in library built with the tests; `name` without its suffix.
inline std::string test_plugin(const std::string& name) {
    return std::string(DVK_TEST_PLUGIN_DIR) + "/" + name + (name == "trio" ? ".so" : ".dvk");
}

// The match's plug-in events go to the host, as the main window sends them.
class HostPorts : public ScriptedPorts {
public:
    PluginHost* host = nullptr;

    int notify_plugins(int event, int argument) override {
        ScriptedPorts::notify_plugins(event, argument);
        return host != nullptr ? host->call_plugins(event, argument) : 0;
    }
};

// A plug-in host on a scripted match, with a folder for the plug-ins' logs. Message boxes are
// answered by a script.
class HostRig : public PluginWindow {
public:
    AppOptions options;
    HostPorts ports;
    Match match{options, ports, ports, ports};
    QWidget window;
    DialogScript script;
    QTemporaryDir folder;
    std::unique_ptr<PluginHost> host;
    int refreshes = 0;
    // Where calls are marked, when the host is to watch them; what the last run left there.
    std::filesystem::path marker;
    std::optional<PluginCallName> ended;

    HostRig() { ports.match = &match; }

    dvk_window handle() { return reinterpret_cast<dvk_window>(&window); }
    std::string log_path() const {
        return folder.filePath(QStringLiteral("log.txt")).toStdString();
    }

    // The options and the host, before the start.
    void prepare(std::vector<PluginConfig> plugins, const GameOptions& game = two_humans(301)) {
        options.plugins = std::move(plugins);
        options.game = game;
        host = std::make_unique<PluginHost>(options, *this, handle());
        ports.host = host.get();
        match.sheet().set_rows_per_page(12);
    }

    // Starts a game of `game` with `plugins` as the program does: the game is set up, the
    // plug-ins are loaded and told of the start, and the game is shown.
    void start(std::vector<PluginConfig> plugins, const GameOptions& game = two_humans(301)) {
        prepare(std::move(plugins), game);
        start_with(std::nullopt);
    }

    // The same with the game read from a recovery file, or a new match when there is none.
    void start_with(std::optional<GameRecord> recovered) {
        match.set_up_first_game(std::move(recovered));
        if (!marker.empty()) {
            ended = host->watch_calls(marker);
        }
        host->load_plugins();
        host->call_plugins(plugin_event_window_created, 0);
        match.show_first_game();
    }

    void visits(std::initializer_list<int> points) {
        for (int p : points) {
            enter_visit(ports, match.sheet(), std::to_string(p));
        }
    }

    GameRecord& game() { return match.game(); }

    // The lines the plug-ins logged.
    std::vector<std::string> log() const {
        QFile file(QString::fromStdString(log_path()));
        std::vector<std::string> lines;
        if (!file.open(QIODevice::ReadOnly)) {
            return lines;
        }
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                lines.push_back(line.toStdString());
            }
        }
        return lines;
    }

    QList<MessageBoxes::Shown> boxes() const { return MessageBoxes::shown(script); }

    // PluginWindow
    PluginRecordSources plugin_sources() const override {
        PluginRecordSources s;
        s.game = &match.game();
        s.options = &options;
        s.history = &match.history();
        s.sheet = &match.sheet();
        s.windows[0] = reinterpret_cast<dvk_window>(const_cast<QWidget*>(&window));
        return s;
    }
    QWidget* message_owner() override { return &window; }
    void rewrite_input_entry(std::int16_t entry) override {
        match.sheet().rewrite_input_entry(entry);
    }
    std::string game_csv(const GameRecord& game) const override {
        CsvLocale locale;
        locale.date = [](const SystemTime&) { return std::string("2026-12-01"); };
        locale.time = [](const SystemTime&) { return std::string("10:15"); };
        return compose_game_csv(game, locale);
    }
    bool enter_value(int value, bool display_only) override {
        return match.sheet().plugin_enter_value(value, display_only);
    }
    bool move_input_cell(bool commit, std::uint32_t cell) override {
        return match.sheet().plugin_move(commit, cell);
    }
    void refresh_screen() override { ++refreshes; }
};

} // namespace dvk::testing
