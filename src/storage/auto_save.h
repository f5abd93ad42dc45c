#pragma once

#include "model/game_record.h"
#include "storage/auto_save_files.h"
#include "storage/csv_export.h"
#include "storage/file_helpers.h"

#include <filesystem>
#include <string>

namespace dvk {

// Name of a game's CSV file: "%d_%s_%s.csv" with the start score and the start date and time
// as yyyyMMdd and HHmmss, e.g. "501_20261207_101500.csv". Saving a game after each leg thus
// always rewrites the same file.
std::string csv_file_name(const GameRecord& game);

// The folder auto save writes into: `auto_save_path` when it is set, else `default_folder`
// (the "data" folder beside a portable program, a "dvk" folder in the documents of an
// installed one). It is also the folder named to the user when auto save is switched on.
std::filesystem::path auto_save_folder(const std::string& auto_save_path,
                                       const std::filesystem::path& default_folder);

// The file auto save writes `game` to. A configured folder that already ends in a separator
// is joined to the name without a second one.
std::filesystem::path auto_save_file(const GameRecord& game, const std::string& auto_save_path,
                                     const std::filesystem::path& default_folder);

// The file an auto save wrote, or tried to write, and how it went.
struct AutoSaveOutcome {
    std::filesystem::path file;
    FileStatus status;
};

// Writes `game` into the auto-save folder without asking; the folder is created with all its
// missing parents (a fresh home may not have its documents folder yet). `files` picks the file,
// so that another game started in the same second never replaces this game's file.
AutoSaveOutcome auto_save_game(const GameRecord& game, const std::string& auto_save_path,
                               const std::filesystem::path& default_folder, const CsvLocale& locale,
                               AutoSaveFiles& files);

} // namespace dvk
