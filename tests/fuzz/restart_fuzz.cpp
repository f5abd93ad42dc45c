// A restart brings back the game that was on the screen. A match is continued from a recovery
// file, or started from options the fuzzer chooses, and played with scripted actions: visits,
// check-outs, corrections, cursor moves, the middle for diddle, Previous Leg, exchanged and
// cleared scores, computer visits and stops, plug-ins that refuse or rewrite entries, new games
// and schedules, on a disk that is now and then full. After every step a second match is
// started from the file on disk, as the program starts after a kill; it must hold the live
// game in every field the file stores, and show the same leg.
//
// Input: the file, then a script of up to 255 bytes, then one byte giving the script's length.
// When the file does not load, the script's first bytes choose the options.

#include "fuzz_ports.h"
#include "model/playable_values.h"
#include "settings/app_options.h"
#include "storage/recovery_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

using namespace dvk;

namespace {

GameOptions chosen_options(fuzz::FuzzInput& in) {
    GameOptions o;
    o.p1_name = "Ann";
    o.p2_name = "Bob";
    o.start_score = in.flag() ? 501 : in.number(2, 701);
    o.p1_start_score = in.number(0, 3) == 0 ? in.number(2, 701) : 0;
    o.p2_start_score = in.number(0, 3) == 0 ? in.number(2, 701) : 0;
    o.round_limit = in.flag() ? 1 : 0;
    o.round = in.number(1, 12);
    o.leg_limit = in.flag() ? 1 : 0;
    o.max_leg = in.number(1, 4);
    o.best_of = in.flag() ? 1 : 0;
    o.p1_com = in.number(0, 7) == 0 ? 1 : 0;
    o.p2_com = in.number(0, 7) == 0 ? 1 : 0;
    o.p1_com_level = in.number(0, 11);
    o.p2_com_level = in.number(0, 11);
    o.change_first = in.flag() ? 1 : 0;
    o.schedule_entry = 1;
    bound_game_options(o);
    return o;
}

// Sets up the match from the input's file, or from chosen options when it does not load.
void start(Match& match, AppOptions& settings, fuzz::FuzzPorts& ports, fuzz::FuzzInput& in,
           std::string_view file) {
    RecoveryLoad load = parse_recovery(file);
    if (load.loaded()) {
        settings.game = load.options;
        if (load.schedule) {
            settings.schedule = *load.schedule;
        }
        ports.disk.replace("dvk.tmp", file);
        ports.in_sync = true;
        match.continue_game(std::move(load.game));
        return;
    }
    settings.game = chosen_options(in);
    const bool schedule = in.flag();
    if (schedule) {
        const int entries = in.number(1, 3);
        for (int i = 0; i < entries; ++i) {
            settings.schedule.push_back(chosen_options(in));
        }
    }
    match.start_new_game(schedule);
}

void computer_visit(Match& match, fuzz::FuzzInput& in) {
    GameRecord& game = match.game();
    if (!game.has_current_leg()) {
        return;
    }
    const int p = game.current_leg().next_player;
    PlayerBlock& player = game.players[static_cast<std::size_t>(is_player(p) ? p : 0)];
    switch (in.number(0, 3)) {
    case 0:
        player.com_result = static_cast<std::int16_t>(-in.number(1, 3));
        break;
    case 1:
        player.com_result = -5;
        break;
    default:
        player.com_result = static_cast<std::int16_t>(in.number(0, 180));
        break;
    }
    match.sheet().apply_computer_result();
}

void play_step(Match& match, fuzz::FuzzPorts& ports, fuzz::FuzzInput& in) {
    ScoreSheet& sheet = match.sheet();
    const auto type = [&](int points) {
        ports.text = std::to_string(points);
        ports.modified = true;
    };
    switch (in.byte() % 18) {
    case 0:
    case 1:
        type(in.number(0, 60) * 3);
        sheet.next_cell();
        break;
    case 2:
        type(in.number(0, 181));
        sheet.next_cell();
        break;
    case 3: // the check-out of what the cell's player has left
        type(sheet.remaining_at(sheet.input_cell()));
        sheet.next_cell();
        break;
    case 4:
        sheet.move_up();
        break;
    case 5:
        type(in.number(0, 180));
        sheet.previous_cell();
        break;
    case 6:
        sheet.escape();
        break;
    case 7:
        in.flag() ? sheet.left_edge() : sheet.right_edge();
        break;
    case 8:
        sheet.finish_with_darts(in.number(1, 3));
        break;
    case 9:
        type(in.number(0, 200));
        sheet.input_left_score();
        break;
    case 10:
        sheet.middle_for_diddle_command();
        break;
    case 11:
        sheet.previous_leg();
        break;
    case 12:
        sheet.exchange_scores();
        break;
    case 13:
        sheet.clear_scores();
        break;
    case 14:
        computer_visit(match, in);
        break;
    case 15:
        ports.plugin_answers = !ports.plugin_answers;
        break;
    case 16:
        match.start_new_game(in.flag() && !match.game().legs.empty());
        break;
    default:
        sheet.enter_value(in.number(-3, 200), in.flag());
        break;
    }
}

std::string stored(const AppOptions& settings, const GameRecord& game) {
    return recovery_bytes({settings.game, settings.schedule, game});
}

// Starts the program again on the file and compares it with the live match.
void require_restart_equals(fuzz::MemoryDisk& disk, const AppOptions& live_settings,
                            const Match& live) {
    RecoveryLoad load = parse_recovery(disk.read("dvk.tmp").bytes);
    fuzz::require(load.loaded(), "the file on disk loads");
    AppOptions settings = live_settings;
    settings.game = load.options;
    settings.schedule = load.schedule ? *load.schedule : std::vector<GameOptions>{};
    fuzz::require(settings.game == live_settings.game, "the file holds the game options");
    if (load.game.schedule_mode == 1) {
        fuzz::require(settings.schedule == live_settings.schedule, "the file holds the schedule");
    }
    AutomaticPorts ports;
    Match again(settings, ports, ports, ports);
    again.sheet().set_rows_per_page(12);
    again.continue_game(std::move(load.game));
    // Counters driven past the loader's bound come back at the bound; that difference is one
    // of the counters' own, not of the restart, so both games are compared within it. The
    // computer's visit result only hands a visit from its dialog to the sheet; the file keeps
    // it from the last whole write, and nothing reads it after a restart.
    const auto bounded = [](GameRecord game, const AppOptions& options) {
        bound_game_record(game, options.schedule.size());
        for (PlayerBlock& player : game.players) {
            player.com_result = 0;
        }
        return stored(options, game);
    };
    const std::string restarted = bounded(again.game(), settings);
    const std::string live_game = bounded(live.game(), live_settings);
    if (restarted != live_game) {
        const auto at =
            std::mismatch(restarted.begin(), restarted.end(), live_game.begin(), live_game.end());
        std::fprintf(stderr, "first difference at byte %td of %zu (live %zu)\n",
                     at.first - restarted.begin(), restarted.size(), live_game.size());
    }
    fuzz::require(restarted == live_game,
                  "the restarted game equals the live one in every stored field");
    fuzz::require(again.sheet().shown_leg() == live.sheet().shown_leg(),
                  "the restarted program shows the live leg");
    fuzz::require(again.sheet().shown_leg_finished() == live.sheet().shown_leg_finished(),
                  "the shown leg is open or finished as it was");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t script_size = std::min<std::size_t>(data[size - 1], size - 1);
    const std::size_t file_size = size - 1 - script_size;
    const std::string_view file(reinterpret_cast<const char*>(data), file_size);
    fuzz::FuzzInput in(data + file_size, script_size);
    AppOptions settings = default_options({});
    settings.schedule.clear();
    settings.check_out_mode = in.flag() ? 1 : 0;
    fuzz::FuzzPorts ports(in, settings);
    Match match(settings, ports, ports, ports);
    ports.match = &match;
    match.sheet().set_rows_per_page(12);
    start(match, settings, ports, in, file);
    for (int step = 0; step < 64 && !in.empty(); ++step) {
        if (ports.in_sync && match.game().has_current_leg()) {
            require_restart_equals(ports.disk, settings, match);
        }
        play_step(match, ports, in);
    }
    if (ports.in_sync && match.game().has_current_leg()) {
        require_restart_equals(ports.disk, settings, match);
    }
    return 0;
}
