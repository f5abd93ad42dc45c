#include "storage/auto_save.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace dvk {

namespace {

bool ends_with_separator(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    const char last = folder.back();
    return last == '/' || (std::filesystem::path::preferred_separator == '\\' && last == '\\');
}

} // namespace

std::string csv_file_name(const GameRecord& game) {
    const SystemTime& t = game.started;
    std::array<char, 96> buffer{};
    const int length =
        std::snprintf(buffer.data(), buffer.size(), "%d_%04u%02u%02u_%02u%02u%02u.csv",
                      game.start_score, unsigned{t.year}, unsigned{t.month}, unsigned{t.day},
                      unsigned{t.hour}, unsigned{t.minute}, unsigned{t.second});
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

std::filesystem::path auto_save_folder(const std::string& auto_save_path,
                                       const std::filesystem::path& default_folder) {
    if (!auto_save_path.empty()) {
        return std::filesystem::path(auto_save_path);
    }
    return default_folder;
}

std::filesystem::path auto_save_file(const GameRecord& game, const std::string& auto_save_path,
                                     const std::filesystem::path& default_folder) {
    const std::string name = csv_file_name(game);
    if (auto_save_path.empty()) {
        return default_folder / name;
    }
    if (ends_with_separator(auto_save_path)) {
        return std::filesystem::path(auto_save_path + name);
    }
    return std::filesystem::path(auto_save_path + "/" + name);
}

AutoSaveOutcome auto_save_game(const GameRecord& game, const std::string& auto_save_path,
                               const std::filesystem::path& default_folder, const CsvLocale& locale,
                               AutoSaveFiles& files) {
    create_folder_path(auto_save_folder(auto_save_path, default_folder));
    const std::filesystem::path file =
        files.file_for(game, auto_save_file(game, auto_save_path, default_folder));
    return {file, write_game_csv(game, file, locale)};
}

} // namespace dvk
