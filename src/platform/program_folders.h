#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>
#include <vector>

namespace dvk {

// Portable: everything beside the executable, as a copy carried on a stick or run from its
// build folder. Installed: the user's own folders, because the program's folder is shared by
// every user and usually read-only.
enum class FolderMode { Portable, Installed };

// What decides the mode.
struct FolderFacts {
    std::optional<FolderMode> command_line; // --portable
    std::optional<FolderMode> environment;  // the variable named by folders_variable
    bool files_beside_program = false;      // dvk.ini or dvk.tmp in the program folder
    bool build_folder = false;              // the program runs where it was built
    bool program_folder_writable = true;
};

// The command line wins over the environment; without either, settings or a recovery file
// beside the program, or a build folder, keep the program portable as long as it can write
// there. A read-only folder would lose every change, so its files are adopted instead.
FolderMode choose_folder_mode(const FolderFacts& facts);

// The user's standard folders (configuration, application data, documents); empty when the
// system names none.
struct StandardFolders {
    std::filesystem::path config;
    std::filesystem::path app_data;
    std::filesystem::path documents;
};

// Where the program keeps each of its files.
struct ProgramFolders {
    FolderMode mode = FolderMode::Portable;
    std::filesystem::path program_folder;  // the executable's folder
    std::filesystem::path settings_folder; // dvk.ini, arrange.txt, arrange_com.txt
    std::filesystem::path recovery_folder; // dvk.tmp
    std::filesystem::path data_folder;     // auto-saved CSV files unless the settings name one

    std::filesystem::path settings_file() const { return settings_folder / "dvk.ini"; }
    std::filesystem::path recovery_file() const { return recovery_folder / "dvk.tmp"; }

    // Everything in `folder`, with the CSV files in its "data" folder.
    static ProgramFolders portable(const std::filesystem::path& folder);
};

// The folders of `mode`. An installed program whose system names no standard folder keeps
// that file beside the executable rather than nowhere.
ProgramFolders program_folders(FolderMode mode, const std::filesystem::path& program_folder,
                               const StandardFolders& standard);

// The environment variable that chooses the mode: "portable" or "installed" (tests, scripts).
inline constexpr const char* folders_variable = "DVK_FOLDERS";

// True when the command line (program first) asks for the portable mode.
bool has_portable_option(const QStringList& arguments);

// The mode named by a value of folders_variable; nothing for any other text.
std::optional<FolderMode> folder_mode_named(const QString& value);

// Copies the settings, the tables and the recovery file found beside the program into the
// installed folders when they have none yet, so that a portable copy's settings and game are
// never left behind silently. Nothing is overwritten or removed. Returns the files written.
std::vector<std::filesystem::path> adopt_portable_files(const ProgramFolders& folders);

// Decides the folders for this run from the command line, the environment, the program
// folder and the system's standard folders, creates the installed folders and adopts
// portable files.
ProgramFolders find_program_folders(const QStringList& arguments);

} // namespace dvk
