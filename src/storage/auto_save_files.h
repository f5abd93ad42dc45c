#pragma once

#include "model/game_record.h"

#include <cstdint>
#include <filesystem>
#include <map>

namespace dvk {

// What tells one game from another for auto save: every leg of a game rewrites its file, but a
// different game must never replace it, even one started in the same second.
struct AutoSaveIdentity {
    std::int32_t start_score = 0;
    SystemTime started;
    std::int32_t game_index = 0;
    std::int32_t schedule_mode = 0;

    bool operator==(const AutoSaveIdentity&) const = default;
};

AutoSaveIdentity auto_save_identity(const GameRecord& game);

// `file` with "_<number>" before its extension: 501_20261207_101500_2.csv.
std::filesystem::path numbered_file(const std::filesystem::path& file, int number);

// The files the games of this run have been auto-saved to.
class AutoSaveFiles {
public:
    // The file `game` is to be written to when its name is `file`: `file` itself unless another
    // game of this run wrote it, else the first numbered file ("_2", "_3", ...) that no other
    // game wrote. The answer is remembered, so each leg of a game goes to the same file.
    std::filesystem::path file_for(const GameRecord& game, const std::filesystem::path& file);

    // True when `game` is another game than the one last given to file_for().
    bool is_new_game(const GameRecord& game) const;

private:
    std::map<std::filesystem::path, AutoSaveIdentity> m_owners;
    AutoSaveIdentity m_last;
    bool m_any = false;
};

} // namespace dvk
