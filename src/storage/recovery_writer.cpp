#include "storage/recovery_writer.h"

#include "storage/byte_writer.h"
#include "storage/recovery_file.h"
#include "storage/recovery_layout.h"

#include <algorithm>

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

// Where the score and the darts-at-double entry of a cell lie in the current leg's arrays.
struct CellOffsets {
    std::uint64_t score = 0;
    std::uint64_t darts = 0;
};

CellOffsets cell_offsets(std::int64_t leg_offset, std::int32_t capacity, int player, int round) {
    const std::uint64_t arrays = static_cast<std::uint64_t>(leg_offset) + layout::leg_record_size;
    const std::uint64_t block =
        arrays + static_cast<std::uint64_t>(player) * layout::player_arrays_size(capacity);
    const auto r = static_cast<std::uint64_t>(round);
    return {block + 2 * r, block + 2 * (static_cast<std::uint64_t>(capacity) + 1) + r};
}

std::string score_bytes(const GameRecord& game, int player, int round) {
    ByteWriter out;
    out.i16(game.current_leg().score(player, round));
    return out.take();
}

std::string darts_bytes(const GameRecord& game, int player, int round) {
    ByteWriter out;
    out.i8(game.double_darts(player, round));
    return out.take();
}

// The byte ranges in which `target` differs from `file`; ranges closer than a few bytes are
// joined, since a write of a few unchanged bytes costs less than another write.
std::vector<FilePatch> differences(const std::string& file, const std::string& target) {
    constexpr std::size_t join_gap = 16;
    std::vector<FilePatch> patches;
    std::size_t i = 0;
    while (i < target.size()) {
        if (file[i] == target[i]) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        std::size_t same = 0;
        while (end < target.size() && same < join_gap) {
            same = file[end] == target[end] ? same + 1 : 0;
            ++end;
        }
        end -= same;
        patches.push_back({i, target.substr(i, end - i)});
        i = end;
    }
    return patches;
}

// The patches cut at page boundaries: a kill can end a write between two pages, never inside
// one.
std::vector<FilePatch> page_pieces(const std::vector<FilePatch>& patches) {
    constexpr std::uint64_t page = 4096;
    std::vector<FilePatch> pieces;
    for (const FilePatch& patch : patches) {
        std::uint64_t at = patch.offset;
        std::string_view rest = patch.bytes;
        while (!rest.empty()) {
            const auto length =
                static_cast<std::size_t>(std::min<std::uint64_t>(page - at % page, rest.size()));
            pieces.push_back({at, std::string(rest.substr(0, length))});
            at += length;
            rest.remove_prefix(length);
        }
    }
    return pieces;
}

// The game a file gives when it is loaded, laid out anew with the entries of visits not
// entered cleared, so that files a restart cannot tell apart compare equal; empty when it does
// not load.
std::string loaded_game(std::string_view file) {
    RecoveryLoad load = parse_recovery(file);
    if (!load.loaded()) {
        return {};
    }
    GameRecord& game = load.game;
    LegRecord& leg = game.current_leg();
    for (int p = 0; p < 2; ++p) {
        const auto player = static_cast<std::size_t>(p);
        for (std::size_t r = 0; r < leg.scores[player].size(); ++r) {
            if (!visit_entered(leg, p, static_cast<std::int32_t>(r))) {
                leg.scores[player][r] = 0;
                if (r < game.darts_at_double[player].size()) {
                    game.darts_at_double[player][r] = 0;
                }
            }
        }
    }
    const std::vector<GameOptions> no_schedule;
    return recovery_bytes({load.options, load.schedule ? *load.schedule : no_schedule, game});
}

// Whether a kill after any of `patches`, written in their order into `file`, leaves a file that
// loads as the game `file` holds or as the one `target` holds.
bool each_step_loads_as_either(std::string file, const std::vector<FilePatch>& patches,
                               const std::string& target) {
    const std::string before = loaded_game(file);
    const std::string after = loaded_game(target);
    for (std::size_t i = 0; i + 1 < patches.size(); ++i) {
        overlay(file, patches[i].offset, patches[i].bytes);
        const std::string now = loaded_game(file);
        if (now.empty() || (now != before && now != after)) {
            return false;
        }
    }
    return true;
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

std::string recovery_bytes(const RecoveryContent& content, std::int64_t* leg_offset) {
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
    if (leg_offset != nullptr) {
        *leg_offset = static_cast<std::int64_t>(out.size());
    }
    layout::write_leg_record(out, game.current_leg());
    layout::write_current_leg_arrays(out, game, game.current_leg());
    return out.take();
}

FileStatus RecoveryWriter::write_complete(const RecoveryContent& content) {
    std::int64_t leg_offset = 0;
    const std::string bytes = recovery_bytes(content, &leg_offset);
    return store_whole(bytes, leg_offset, content.game);
}

FileStatus RecoveryWriter::write_cell(const RecoveryContent& content, int player, int round) {
    if (m_leg_offset < 0) {
        return write_complete(content);
    }
    const GameRecord& game = content.game;
    const LegRecord& leg = game.current_leg();
    const bool in_arrays = is_player(player) && round >= 0 && round <= leg.capacity;
    if (leg.capacity == m_capacity && in_arrays && !visit_entered(m_written_turn, player, round)) {
        return write_visit_in_place(content, player, round);
    }
    if (!in_arrays) {
        return write_complete(content);
    }
    // A corrected visit changes two entries that count at once, and a grown leg needs its
    // arrays written whole at the new size: both replace the file, so that a kill cannot leave
    // half of the change behind.
    std::string file = read_written_file();
    if (file.empty()) {
        return write_complete(content);
    }
    const auto offset = static_cast<std::size_t>(m_leg_offset);
    const std::string header = leg_record_bytes(leg);
    overlay(file, offset,
            std::string_view(header).substr(0, layout::leg_turn_state_with_capacity_size));
    overlay(file, offset + layout::leg_record_size, current_leg_arrays(game));
    return store_whole(file, m_leg_offset, game);
}

FileStatus RecoveryWriter::write_visit_in_place(const RecoveryContent& content, int player,
                                                int round) {
    const GameRecord& game = content.game;
    const LegRecord& leg = game.current_leg();
    const std::optional<std::uint64_t> size = m_disk->size(m_path);
    const std::uint64_t arrays_end = static_cast<std::uint64_t>(m_leg_offset) +
                                     layout::leg_record_size +
                                     layout::current_leg_arrays_size(m_capacity);
    if (!size || *size < arrays_end) {
        return write_complete(content);
    }
    // The entries first, where they do not count yet; the turn state that makes them count
    // last. A kill between the writes leaves the visit not entered, never a different one.
    const CellOffsets cell = cell_offsets(m_leg_offset, m_capacity, player, round);
    const std::string header = leg_record_bytes(leg);
    const FilePatch patches[] = {
        {cell.score, score_bytes(game, player, round)},
        {cell.darts, darts_bytes(game, player, round)},
        {static_cast<std::uint64_t>(m_leg_offset), header.substr(0, layout::leg_turn_state_size)},
    };
    FileStatus status = m_disk->patch(m_path, patches);
    if (!status) {
        return failed(std::move(status));
    }
    remember(m_leg_offset, game);
    return status;
}

FileStatus RecoveryWriter::write_new_leg(const RecoveryContent& content) {
    const GameRecord& game = content.game;
    // Only the leg that follows the one whose block the file ends with can take that block's
    // place; Clear Scores in a later leg, say, rewrites the file whole.
    if (m_leg_offset < 0 || game.leg_index <= 0 || m_leg_index != game.leg_index - 1) {
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
    return store_whole(file, static_cast<std::int64_t>(leg_offset), game);
}

std::string RecoveryWriter::read_written_file() {
    const std::size_t expected_end = static_cast<std::size_t>(m_leg_offset) +
                                     layout::leg_record_size +
                                     layout::current_leg_arrays_size(m_capacity);
    FileContents contents = m_disk->read(m_path);
    if (!contents.ok || contents.bytes.size() < expected_end ||
        static_cast<std::uint8_t>(contents.bytes.front()) != layout::file_marker) {
        return {};
    }
    return std::move(contents.bytes);
}

FileStatus RecoveryWriter::store_whole(const std::string& bytes, std::int64_t leg_offset,
                                       const GameRecord& game) {
    // Whatever the loader would refuse is not written: the file keeps the last game it could
    // bring back.
    if (const RecoveryLoad check = parse_recovery(bytes); !check.loaded()) {
        return failed(FileStatus::failure(check.reason));
    }
    FileStatus status = m_disk->replace(m_path, bytes);
    if (status) {
        keep_spare(bytes.size());
    }
    if (status || store_without_room(bytes)) {
        remember(leg_offset, game);
        return FileStatus::success();
    }
    return failed(std::move(status));
}

bool RecoveryWriter::store_without_room(const std::string& bytes) {
    const FileContents file = m_disk->read(m_path);
    if (file.ok && file.bytes.size() >= bytes.size()) {
        std::vector<FilePatch> patches = page_pieces(differences(file.bytes, bytes));
        if (!each_step_loads_as_either(file.bytes, patches, bytes)) {
            std::reverse(patches.begin(), patches.end());
        }
        if (patches.empty() || each_step_loads_as_either(file.bytes, patches, bytes)) {
            return patches.empty() || m_disk->patch(m_path, patches).ok;
        }
    }
    // Otherwise the new bytes go into the spare file taken while there was room, which then
    // takes the recovery file's place in one step: a kill leaves either file whole.
    const std::filesystem::path spare = recovery_spare_path(m_path);
    const std::optional<std::uint64_t> spare_size = m_disk->size(spare);
    if (!spare_size || *spare_size < bytes.size()) {
        return false;
    }
    const FilePatch whole{0, bytes};
    if (!m_disk->patch(spare, {&whole, 1}).ok || !m_disk->rename(spare, m_path).ok) {
        return false;
    }
    // The old file's space came free with the rename.
    keep_spare(bytes.size());
    return true;
}

void RecoveryWriter::keep_spare(std::size_t file_size) {
    const std::filesystem::path spare = recovery_spare_path(m_path);
    const std::uint64_t wanted = file_size + spare_room;
    const std::optional<std::uint64_t> size = m_disk->size(spare);
    if (!size || *size < file_size + spare_room / 4) {
        m_disk->reserve(spare, wanted);
    }
}

void RecoveryWriter::remember(std::int64_t leg_offset, const GameRecord& game) {
    const LegRecord& current_leg = game.current_leg();
    m_leg_offset = leg_offset;
    m_leg_index = game.leg_index;
    m_capacity = current_leg.capacity;
    m_written_turn = LegRecord{};
    m_written_turn.first_player = current_leg.first_player;
    m_written_turn.round = current_leg.round;
    m_written_turn.next_player = current_leg.next_player;
    m_written_turn.rows = current_leg.rows;
    m_written_turn.capacity = current_leg.capacity;
}

FileStatus RecoveryWriter::failed(FileStatus status) {
    m_leg_offset = -1;
    m_capacity = 0;
    return status;
}

} // namespace dvk
