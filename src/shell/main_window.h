#pragma once

#include "archive/archive_location.h"
#include "com/arrange_table.h"
#include "com/com_table.h"
#include "match/match.h"
#include "settings/app_options.h"
#include "storage/recovery_writer.h"
#include "storage/write_failure_notices.h"

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <optional>

namespace dvk {

class ArchiveRecorder;
class BroadcastRoom;
class FileNotices;
class FullScreen;
class KeyDispatcher;
class MainMenu;
class PluginCommands;
class QtMatchPorts;
class RecordsCommands;
class ScoreGuideWnd;
class ScoreLeftWnd;
class ScoreListWnd;
class ScoreNameWnd;
class ScorePlayerWnd;

// What the main window is given at start-up and keeps for the program's life.
struct ShellContext {
    AppOptions* options = nullptr;
    std::filesystem::path program_folder;
    std::string settings_path;
    std::filesystem::path recovery_file;
    std::filesystem::path data_folder; // auto save's folder unless the settings name one
    // The match archive's folder (its SQLite file and pending legs); empty: no archive.
    std::filesystem::path archive_folder;
    const ArrangeTable* checkout_table = nullptr;
    const ComTable* com_table = nullptr;
};

// The main window "dvk_wnd": the menu bar, the match screen's child windows and their layout,
// every menu command, the window title, and the match in progress with its history.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Continues `recovered` when given, else starts a new match and opens the game option
    // dialog once the window is shown.
    MainWindow(const ShellContext& context, std::optional<GameRecord> recovered);
    ~MainWindow() override;

    Match& match() { return *m_match; }
    const Match& match() const { return *m_match; }
    ScoreListWnd* scoreList() const { return m_list; }
    ScoreNameWnd* nameWindow() const { return m_name; }
    ScoreLeftWnd* leftWindow(int player) const { return m_left[player]; }
    ScorePlayerWnd* playerWindow(int player) const { return m_player[player]; }
    ScoreGuideWnd* guideWindow() const { return m_guide; }
    MainMenu* mainMenu() const { return m_menu; }
    KeyDispatcher* keyDispatcher() const { return m_keys; }
    FullScreen* fullScreen() const { return m_full_screen; }
    PluginCommands* plugins() const { return m_plugins; }
    BroadcastRoom* broadcast() const { return m_broadcast; }
    AppOptions& options() { return *m_context.options; }
    const ShellContext& context() const { return m_context; }
    // Decides when a failing write of the recovery file, the settings or auto save is told.
    WriteFailureNotices& writeNotices() { return m_write_notices; }
    // Tells the user about the program's own files once the window is painted.
    FileNotices* fileNotices() const { return m_notices; }
    // Where this run's match archive is; nothing when the program keeps none.
    std::optional<ArchiveLocation> archiveLocation() const;
    // Keeps the match archive up to date during play; null without an archive.
    ArchiveRecorder* archive() const { return m_archive.get(); }

    void runCommand(int command);

    // Notifications of the match and the score list.
    void refreshPlayer(int player, bool with_title);
    void firstThrowerChanged(bool refresh);
    void playerToThrow(int player);
    void enablePreviousLeg(bool enabled);
    bool nextGame();
    void startComputerTurn();
    void writeRecovery(const GameRecord& game, RecoveryWrite mode, int player, int round);
    void autoSave(const GameRecord& game);
    // The user's date and time formats for the CSV files.
    int notifyPlugins(int event, int parameter);
    void updateTitle();
    void legLimitChanged();
    void layoutChildren();
    // The Option dialog changed the options: every window takes its colours, fonts, items and
    // keys again, and new plug-ins are loaded into the Tools menu and the plug-in keys.
    void optionsConfirmed();

    // True when the user's close request is to be honoured without asking (tests, log-off).
    void setCloseWithoutAsking(bool value) { m_close_without_asking = value; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void runScoreCommand(int command);
    void runComputerVisit(int player);
    void createSideWindows();
    void applyVisibility();
    void rebuildKeys();
    void runViewCommand(int command);
    void newGame();
    void toggleAutoSave();
    void toggleCheckOutMode();
    void applyScreenStyle();
    void showAbout();
    void storeWindowRect();
    void tellWrite(WriteTarget target, const std::string& path, const FileStatus& status);
    void finish(bool tell_failures = false);
    void openArchive();

    ShellContext m_context;
    std::unique_ptr<QtMatchPorts> m_ports;
    std::unique_ptr<RecordsCommands> m_records;
    std::unique_ptr<ArchiveRecorder> m_archive;
    std::unique_ptr<Match> m_match;
    RecoveryWriter m_recovery;
    WriteFailureNotices m_write_notices;
    FileNotices* m_notices = nullptr;
    QWidget* m_screen = nullptr;
    ScoreListWnd* m_list = nullptr;
    ScoreNameWnd* m_name = nullptr;
    ScoreLeftWnd* m_left[2] = {nullptr, nullptr};
    ScorePlayerWnd* m_player[2] = {nullptr, nullptr};
    ScoreGuideWnd* m_guide = nullptr;
    MainMenu* m_menu = nullptr;
    KeyDispatcher* m_keys = nullptr;
    FullScreen* m_full_screen = nullptr;
    PluginCommands* m_plugins = nullptr;
    BroadcastRoom* m_broadcast = nullptr;
    bool m_fresh_start = false;
    bool m_shown_once = false;
    bool m_close_without_asking = false;
    bool m_finished = false;
};

} // namespace dvk
