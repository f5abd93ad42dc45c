#pragma once

#include "com/arrange_loader.h"
#include "com/arrange_table.h"
#include "com/com_table.h"
#include "platform/program_folders.h"
#include "settings/app_options.h"
#include "shell/main_window.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dvk {

// Everything the program loads at start-up and keeps until it ends: the options, the two
// tables and the main window with the match.
class Program {
public:
    // Loads the settings, the tables and the recovery file from `folders` and creates the main
    // window (not shown yet).
    explicit Program(const ProgramFolders& folders);
    // A portable program with every file in `program_folder`.
    explicit Program(const std::filesystem::path& program_folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    MainWindow& window() { return *m_window; }
    AppOptions& options() { return m_options; }
    // Shows the window with its stored rectangle and show state.
    void show();

private:
    // A table file that cannot be used gives the built-in table; the user learns why.
    ArrangeTable load_table(const std::filesystem::path& folder, BuiltinTable table);
    // Tells of the settings or table files that exist but could not be read.
    void tell_unread_files();
    std::optional<GameRecord> recover();
    // A refused recovery file is kept under a new name; the user learns where once the window
    // is shown.
    void tell_refused_recovery();

    ProgramFolders m_folders;
    AppOptions m_options;
    ArrangeTable m_checkout;
    std::unique_ptr<ComTable> m_com;
    std::unique_ptr<MainWindow> m_window;
    std::optional<std::filesystem::path> m_kept_recovery; // where a refused saved game went
    std::optional<std::string> m_unkept_reason;           // why a refused one could not be kept
    std::string m_settings_problem;                       // why the settings file could not be read
    std::vector<std::filesystem::path> m_unknown_com_levels; // files naming an unknown level
    std::vector<std::pair<std::filesystem::path, std::string>> m_table_problems;
};

} // namespace dvk
