#pragma once

#include "match/match_ports.h"
#include "model/game_options.h"
#include "model/game_record.h"
#include "storage/file_helpers.h"
#include "storage/recovery_disk.h"

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

// The whole recovery file for `content`, which must have a current leg; `leg_offset`, when
// given, receives where the current leg's record starts.
std::string recovery_bytes(const RecoveryContent& content, std::int64_t* leg_offset = nullptr);

// Keeps the recovery file up to date while a game is played. It remembers where the current
// leg's block starts, with which capacity its arrays were written and the turn state last
// written, so that a visit only rewrites its own cell.
//
// A kill at any moment leaves a file that loads as the game before or after the change:
//  - a visit in the open round writes its score and darts entries, where nothing counts yet,
//    and then the turn state that makes them count;
//  - every other change (a corrected visit, a grown leg, a new leg, a new game) replaces the
//    file atomically.
// When a replace fails (a full disk, a folder without write permission) the changed bytes are
// written in place, in an order checked to leave after each write a file that loads as the game
// before or after the change; when no such order is found they go into a spare file reserved
// beside the recovery file while there was room, which then replaces it. Without a spare the
// write fails and the file keeps the game before the change.
class RecoveryWriter {
public:
    explicit RecoveryWriter(std::filesystem::path path) : m_path(std::move(path)) {}
    // Writes through `disk`, which must outlive the writer.
    RecoveryWriter(std::filesystem::path path, RecoveryDisk& disk)
        : m_path(std::move(path)), m_disk(&disk) {}
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

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
    FileStatus write_visit_in_place(const RecoveryContent& content, int player, int round);
    // The file as last written by this writer, or an empty string when it is missing or does
    // not hold the current leg's block where it is expected.
    std::string read_written_file();
    FileStatus store_whole(const std::string& bytes, std::int64_t leg_offset,
                           const GameRecord& game);
    bool store_without_room(const std::string& bytes);
    // Makes sure the spare file can take a file of `file_size` bytes and some growth.
    void keep_spare(std::size_t file_size);
    void remember(std::int64_t leg_offset, const GameRecord& game);
    FileStatus failed(FileStatus status);

    // Room the spare file keeps beyond the recovery file's size, for legs that grow.
    static constexpr std::uint64_t spare_room = std::uint64_t{64} << 10U;

    std::filesystem::path m_path;
    FileRecoveryDisk m_files;
    RecoveryDisk* m_disk = &m_files;
    std::int64_t m_leg_offset = -1;
    std::int32_t m_capacity = 0;
    std::int32_t m_leg_index = 0; // the leg whose block starts at m_leg_offset
    LegRecord m_written_turn;     // the turn state of the current leg as the file holds it
};

} // namespace dvk
