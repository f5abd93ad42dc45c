#pragma once

#include "match/match_ports.h"
#include "model/game_options.h"
#include "model/game_record.h"
#include "storage/file_helpers.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dvk {

// What the recovery file keeps: the current game options (not the schedule entry being
// played), the schedule, and the game in progress.
struct RecoveryContent {
    const GameOptions& options;
    const std::vector<GameOptions>& schedule;
    const GameRecord& game;
};

// Keeps the recovery file up to date while a game is played. It remembers where the current
// leg's block starts and with which capacity its arrays were written, so that a visit only
// rewrites its own cell. Every other change replaces the file atomically; after any failure
// the next write is a complete rewrite.
class RecoveryWriter {
public:
    explicit RecoveryWriter(std::filesystem::path path) : m_path(std::move(path)) {}

    // Does nothing and succeeds when `enabled` is false. `player` and `round` name the changed
    // cell of the current leg for RecoveryWrite::Cell.
    FileStatus write(bool enabled, RecoveryWrite mode, const RecoveryContent& content,
                     int player = 0, int round = 0);

    const std::filesystem::path& path() const { return m_path; }
    // Offset of the current leg's record in the file; -1 until a complete write succeeded.
    std::int64_t leg_offset() const { return m_leg_offset; }
    // Capacity with which the current leg's arrays were last written whole.
    std::int32_t written_capacity() const { return m_capacity; }

private:
    FileStatus write_complete(const RecoveryContent& content);
    FileStatus write_cell(const RecoveryContent& content, int player, int round);
    FileStatus write_new_leg(const RecoveryContent& content);
    // std::nullopt when the file is not there to be patched and must be written whole.
    std::optional<FileStatus> update_cell_in_place(const GameRecord& game, int player, int round);
    // The file as last written by this writer, or an empty string when it is missing or does
    // not hold the current leg's block where it is expected.
    std::string read_written_file() const;
    FileStatus replace_file(const std::string& bytes, std::int64_t leg_offset,
                            std::int32_t capacity);
    FileStatus failed(FileStatus status);

    std::filesystem::path m_path;
    std::int64_t m_leg_offset = -1;
    std::int32_t m_capacity = 0;
};

} // namespace dvk
