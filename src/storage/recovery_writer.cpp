#include "storage/recovery_writer.h"

#include "storage/byte_writer.h"
#include "storage/recovery_layout.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dvk {

namespace layout = recovery_layout;

namespace {

// Writes `bytes` at `offset`, growing `file` with zeros like a positioned write would.
void overlay(std::string& file, std::size_t offset, std::string_view bytes) {
    if (file.size() < offset + bytes.size()) {
        file.resize(offset + bytes.size(), '\0');
    }
    file.replace(offset, bytes.size(), bytes);
}

std::string leg_record_bytes(const LegRecord& leg) {
    ByteWriter out;
    layout::write_leg_record(out, leg);
    return out.take();
}

std::string current_leg_arrays(const GameRecord& game) {
    ByteWriter out;
    layout::write_current_leg_arrays(out, game, game.current_leg());
    return out.take();
}

} // namespace

FileStatus RecoveryWriter::write(bool enabled, RecoveryWrite mode, const RecoveryContent& content,
                                 int player, int round) {
    if (!enabled) {
        return FileStatus::success();
    }
    if (const std::string reason = layout::unwritable_reason(content.game); !reason.empty()) {
        return failed(FileStatus::failure(reason));
    }
    switch (mode) {
    case RecoveryWrite::Cell:
        return write_cell(content, player, round);
    case RecoveryWrite::NewLeg:
        return write_new_leg(content);
    case RecoveryWrite::Complete:
        break;
    }
    return write_complete(content);
}

FileStatus RecoveryWriter::write_complete(const RecoveryContent& content) {
    m_leg_offset = -1;
    m_capacity = 0;
    const GameRecord& game = content.game;
    ByteWriter out;
    out.u8(layout::file_marker);
    layout::write_options(out, content.options);
    layout::write_game_record(out, game);
    if (game.schedule_mode == 1) {
        out.i32(static_cast<std::int32_t>(content.schedule.size()));
        for (const GameOptions& entry : content.schedule) {
            layout::write_options(out, entry);
        }
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(game.leg_index); ++i) {
        layout::write_finished_leg(out, game.legs[i]);
    }
    const auto leg_offset = static_cast<std::int64_t>(out.size());
    layout::write_leg_record(out, game.current_leg());
    layout::write_current_leg_arrays(out, game, game.current_leg());
    return replace_file(out.bytes(), leg_offset, game.current_leg().capacity);
}

FileStatus RecoveryWriter::write_cell(const RecoveryContent& content, int player, int round) {
    if (m_leg_offset < 0) {
        return write_complete(content);
    }
    const GameRecord& game = content.game;
    const LegRecord& leg = game.current_leg();
    if (leg.capacity == m_capacity) {
        if (is_player(player) && round >= 0 && round <= leg.capacity) {
            if (auto status = update_cell_in_place(game, player, round)) {
                return *status;
            }
        }
        return write_complete(content);
    }
    // A grown leg needs its arrays written whole at the new size: the same bytes a patch of
    // the header and the arrays gives, but written as a new file so a failure cannot leave
    // half-written arrays behind.
    std::string file = read_written_file();
    if (file.empty()) {
        return write_complete(content);
    }
    const auto offset = static_cast<std::size_t>(m_leg_offset);
    const std::string header = leg_record_bytes(leg);
    overlay(file, offset,
            std::string_view(header).substr(0, layout::leg_turn_state_with_capacity_size));
    overlay(file, offset + layout::leg_record_size, current_leg_arrays(game));
    return replace_file(file, m_leg_offset, leg.capacity);
}

std::optional<FileStatus> RecoveryWriter::update_cell_in_place(const GameRecord& game, int player,
                                                               int round) {
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    const auto leg_offset = static_cast<off_t>(m_leg_offset);
    const auto arrays_offset = leg_offset + static_cast<off_t>(layout::leg_record_size);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size <
            arrays_offset + static_cast<off_t>(layout::current_leg_arrays_size(m_capacity))) {
        ::close(fd);
        return std::nullopt;
    }
    const LegRecord& leg = game.current_leg();
    const std::string header = leg_record_bytes(leg);
    ByteWriter score;
    score.i16(leg.score(player, round));
    ByteWriter darts;
    darts.i8(game.double_darts(player, round));
    const off_t player_offset =
        arrays_offset +
        static_cast<off_t>(player) * static_cast<off_t>(layout::player_arrays_size(m_capacity));
    const off_t score_offset = player_offset + 2 * static_cast<off_t>(round);
    const off_t darts_offset = player_offset + 2 * (static_cast<off_t>(m_capacity) + 1) + round;
    const bool written =
        write_fully(fd, std::string_view(header).substr(0, layout::leg_turn_state_size),
                    leg_offset) &&
        write_fully(fd, score.bytes(), score_offset) &&
        write_fully(fd, darts.bytes(), darts_offset);
    const int error_number = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        return failed(FileStatus::failure(system_error_text(written ? errno : error_number)));
    }
    return FileStatus::success();
}

FileStatus RecoveryWriter::write_new_leg(const RecoveryContent& content) {
    const GameRecord& game = content.game;
    if (m_leg_offset < 0 || game.leg_index <= 0) {
        return write_complete(content);
    }
    std::string file = read_written_file();
    if (file.empty()) {
        return write_complete(content);
    }
    ByteWriter record;
    layout::write_game_record(record, game);
    overlay(file, layout::game_record_offset, record.bytes());
    // The finished leg takes the place of the old current-leg block; the new current leg
    // follows it.
    ByteWriter previous;
    layout::write_finished_leg(previous, game.legs[static_cast<std::size_t>(game.leg_index) - 1]);
    const auto offset = static_cast<std::size_t>(m_leg_offset);
    overlay(file, offset, previous.bytes());
    const std::size_t leg_offset = offset + previous.size();
    ByteWriter current;
    layout::write_leg_record(current, game.current_leg());
    layout::write_current_leg_arrays(current, game, game.current_leg());
    overlay(file, leg_offset, current.bytes());
    return replace_file(file, static_cast<std::int64_t>(leg_offset), game.current_leg().capacity);
}

std::string RecoveryWriter::read_written_file() const {
    const std::size_t expected_end = static_cast<std::size_t>(m_leg_offset) +
                                     layout::leg_record_size +
                                     layout::current_leg_arrays_size(m_capacity);
    FileContents contents = read_whole_file(m_path);
    if (!contents.ok || contents.bytes.size() < expected_end ||
        static_cast<std::uint8_t>(contents.bytes.front()) != layout::file_marker) {
        return {};
    }
    return std::move(contents.bytes);
}

FileStatus RecoveryWriter::replace_file(const std::string& bytes, std::int64_t leg_offset,
                                        std::int32_t capacity) {
    FileStatus status = write_whole_file(m_path, bytes);
    if (!status) {
        return failed(std::move(status));
    }
    m_leg_offset = leg_offset;
    m_capacity = capacity;
    return status;
}

FileStatus RecoveryWriter::failed(FileStatus status) {
    m_leg_offset = -1;
    m_capacity = 0;
    return status;
}

} // namespace dvk
