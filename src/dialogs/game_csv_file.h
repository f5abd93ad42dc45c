#pragma once

#include "model/game_record.h"
#include "storage/auto_save.h"
#include "storage/csv_export.h"
#include "storage/file_helpers.h"

#include <filesystem>
#include <vector>

class QWidget;

namespace dvk {

// A game written as a CSV file from the window layer: labels in the user interface's language,
// dates and times in the locale's formats, the wait cursor while the file is composed and
// written, and "Save As" with the system's save-file dialog.
class GameCsvFile {
public:
    static CsvLocale user_locale();
    // The labels of the program's CSV files in every language it writes them (English and
    // Japanese), for reading files back into the archive.
    static std::vector<CsvLabels> import_languages();

    // Writes `game` to `path` under the wait cursor.
    static FileStatus write(const GameRecord& game, const std::filesystem::path& path);

    // Writes `game` into the auto-save folder under the wait cursor.
    static AutoSaveOutcome auto_save(const GameRecord& game, const std::string& auto_save_path,
                                     const std::filesystem::path& data_folder,
                                     AutoSaveFiles& files);

    // Asks for a file, proposing the game's own name ("501_20261207_101500.csv") in `folder`
    // (the documents when it is not given or does not exist), and writes the game there; a
    // failure is told in an error box with the system's reason. False for Cancel and for a
    // failure.
    static bool save_as(QWidget* owner, const GameRecord& game,
                        const std::filesystem::path& folder = {});
};

} // namespace dvk
