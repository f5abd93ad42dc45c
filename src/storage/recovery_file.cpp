#include "storage/recovery_file.h"

#include "model/com_levels.h"
#include "model/playable_values.h"
#include "storage/byte_reader.h"
#include "storage/file_helpers.h"
#include "storage/recovery_layout.h"
#include "storage/stale_files.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

namespace dvk {

namespace layout = recovery_layout;

namespace {

// A real recovery file is a few kilobytes; anything near this size is not one.
constexpr std::size_t max_recovery_file_size = std::size_t{16} << 20U;

// Fewest bytes a finished leg and the current leg occupy: the record and one score per
// player, or the record and one score and one darts entry per player.
constexpr std::size_t min_finished_leg_size = layout::leg_record_size + 4;
constexpr std::size_t min_current_leg_size = layout::leg_record_size + 6;

RecoveryLoad not_loadable(std::string reason) {
    RecoveryLoad result;
    result.status = RecoveryLoadStatus::NotLoadable;
    result.reason = std::move(reason);
    return result;
}

// Reads the schedule that follows a schedule game's record.
std::optional<std::vector<GameOptions>> read_schedule(ByteReader& in, std::string& reason) {
    std::int32_t count = 0;
    if (!in.i32(count)) {
        reason = "the schedule count is missing";
        return std::nullopt;
    }
    if (count < 0 || static_cast<std::uint64_t>(count) * layout::options_size > in.remaining()) {
        reason = "the schedule count does not match the file";
        return std::nullopt;
    }
    std::vector<GameOptions> schedule(static_cast<std::size_t>(count));
    for (GameOptions& entry : schedule) {
        layout::read_options(in, entry);
    }
    return schedule;
}

// Checks a leg record's counts; `entries` accumulates the score entries allocated so far.
std::string leg_problem(const LegRecord& leg, bool current, std::size_t& entries) {
    if (std::string problem = layout::leg_problem(leg, current); !problem.empty()) {
        return problem;
    }
    entries += static_cast<std::size_t>(leg.capacity) + 1;
    if (entries > layout::max_score_entries) {
        return "the legs hold more scores than a game can have";
    }
    return {};
}

std::string read_finished_leg(ByteReader& in, LegRecord& leg, std::size_t& entries) {
    if (!layout::read_leg_record(in, leg)) {
        return "a finished leg is cut short";
    }
    if (leg.round < 0) {
        return "a leg has an impossible round, rows or capacity";
    }
    if ((static_cast<std::uint64_t>(leg.round) + 1) * 4 > in.remaining()) {
        return "a finished leg's scores are cut short";
    }
    layout::fit_finished_leg(leg);
    if (std::string problem = leg_problem(leg, false, entries); !problem.empty()) {
        return problem;
    }
    for (auto& scores : leg.scores) {
        scores.assign(static_cast<std::size_t>(leg.capacity) + 1, 0);
        for (std::int32_t i = 0; i <= leg.round; ++i) {
            in.i16(scores[static_cast<std::size_t>(i)]);
        }
    }
    return {};
}

std::string read_current_leg(ByteReader& in, GameRecord& game, LegRecord& leg,
                             std::size_t& entries) {
    if (!layout::read_leg_record(in, leg)) {
        return "the current leg is cut short";
    }
    if (leg.capacity < 0) {
        return "a leg has an impossible round, rows or capacity";
    }
    if (layout::current_leg_arrays_size(leg.capacity) > in.remaining()) {
        return "the current leg's scores are cut short";
    }
    if (std::string problem = leg_problem(leg, true, entries); !problem.empty()) {
        return problem;
    }
    if (leg.finished == 0) {
        // An open leg has no result yet: one in the file would count in the statistics as
        // soon as the leg ends, but only after a restart.
        leg.winner = 0;
        leg.winning_darts = 0;
        leg.check_out = 0;
    }
    const auto size = static_cast<std::size_t>(leg.capacity) + 1;
    for (std::size_t player = 0; player < 2; ++player) {
        leg.scores[player].assign(size, 0);
        for (std::int16_t& score : leg.scores[player]) {
            in.i16(score);
        }
        game.darts_at_double[player].assign(size, 0);
        for (std::int8_t& darts : game.darts_at_double[player]) {
            in.i8(darts);
        }
    }
    return {};
}

std::string read_legs(ByteReader& in, GameRecord& game) {
    if (game.leg_index < 0) {
        return "the leg index is negative";
    }
    const auto finished = static_cast<std::uint64_t>(game.leg_index);
    if (finished * min_finished_leg_size + min_current_leg_size > in.remaining()) {
        return "the file holds fewer legs than the game names";
    }
    game.legs.resize(static_cast<std::size_t>(finished) + 1);
    std::size_t entries = 0;
    for (std::size_t i = 0; i < finished; ++i) {
        if (std::string problem = read_finished_leg(in, game.legs[i], entries); !problem.empty()) {
            return problem;
        }
    }
    return read_current_leg(in, game, game.legs.back(), entries);
}

// Every number the game will be played with, from the options, the schedule and the record.
std::string bound_loaded_values(RecoveryLoad& load) {
    const auto unknown = [](const GameOptions& o) {
        return is_unknown_com_level(o.p1_com_level) || is_unknown_com_level(o.p2_com_level);
    };
    load.unknown_com_level =
        unknown(load.options) ||
        std::any_of(load.game.players.begin(), load.game.players.end(),
                    [](const PlayerBlock& p) { return is_unknown_com_level(p.com_level); }) ||
        (load.schedule && std::any_of(load.schedule->begin(), load.schedule->end(), unknown));
    bound_game_options(load.options);
    std::size_t entries = 0;
    if (load.schedule) {
        for (GameOptions& entry : *load.schedule) {
            bound_game_options(entry);
        }
        entries = load.schedule->size();
    }
    return bound_game_record(load.game, entries);
}

} // namespace

std::filesystem::path recovery_path(const std::filesystem::path& program_folder) {
    return program_folder / recovery_file_name;
}

std::filesystem::path recovery_spare_path(const std::filesystem::path& recovery) {
    std::filesystem::path spare = recovery;
    spare += ".spare";
    return spare;
}

RecoveryLoad parse_recovery(std::string_view bytes) {
    ByteReader in(bytes);
    std::uint8_t marker = 0;
    if (!in.u8(marker) || marker != layout::file_marker) {
        return not_loadable("the file is not a recovery file");
    }
    RecoveryLoad result;
    if (!layout::read_options(in, result.options)) {
        return not_loadable("the game options are cut short");
    }
    if (!layout::read_game_record(in, result.game)) {
        return not_loadable("the game record is cut short");
    }
    if (result.game.schedule_mode == 1) {
        std::string reason;
        result.schedule = read_schedule(in, reason);
        if (!result.schedule) {
            return not_loadable(std::move(reason));
        }
    }
    if (std::string problem = read_legs(in, result.game); !problem.empty()) {
        return not_loadable(std::move(problem));
    }
    if (std::string problem = bound_loaded_values(result); !problem.empty()) {
        return not_loadable(std::move(problem));
    }
    result.status = RecoveryLoadStatus::Loaded;
    return result;
}

RecoveryLoad load_recovery(const std::filesystem::path& path, bool enabled) {
    RecoveryLoad result;
    if (!enabled) {
        result.status = RecoveryLoadStatus::Disabled;
        return result;
    }
    FileContents contents = read_whole_file(path, max_recovery_file_size);
    if (!contents.ok) {
        if (contents.missing) {
            result.status = RecoveryLoadStatus::Missing;
            return result;
        }
        if (contents.refused) {
            return not_loadable(contents.reason);
        }
        result.status = RecoveryLoadStatus::Unreadable;
        result.reason = contents.reason;
        return result;
    }
    return parse_recovery(contents.bytes);
}

bool delete_recovery(const std::filesystem::path& path, bool recovery_delete) {
    if (!recovery_delete) {
        return true;
    }
    std::error_code spare_error;
    std::filesystem::remove(recovery_spare_path(path), spare_error);
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error;
}

std::optional<std::filesystem::path> keep_unloadable_recovery(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) == 0 || error) {
        return std::nullopt;
    }
    return keep_under_new_name(path);
}

} // namespace dvk
