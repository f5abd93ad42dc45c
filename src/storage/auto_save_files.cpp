#include "storage/auto_save_files.h"

#include <string>

namespace dvk {

AutoSaveIdentity auto_save_identity(const GameRecord& game) {
    return {game.start_score, game.started, game.game_index, game.schedule_mode};
}

std::filesystem::path numbered_file(const std::filesystem::path& file, int number) {
    std::filesystem::path numbered = file;
    numbered.replace_filename(file.stem().string() + "_" + std::to_string(number) +
                              file.extension().string());
    return numbered;
}

std::filesystem::path AutoSaveFiles::file_for(const GameRecord& game,
                                              const std::filesystem::path& file) {
    const AutoSaveIdentity identity = auto_save_identity(game);
    m_last = identity;
    m_any = true;
    // Every step passes a file remembered for another game, so this ends.
    for (int number = 1;; ++number) {
        const std::filesystem::path candidate = number == 1 ? file : numbered_file(file, number);
        const auto [owner, added] = m_owners.try_emplace(candidate, identity);
        if (added || owner->second == identity) {
            return candidate;
        }
    }
}

bool AutoSaveFiles::is_new_game(const GameRecord& game) const {
    return !m_any || !(auto_save_identity(game) == m_last);
}

} // namespace dvk
