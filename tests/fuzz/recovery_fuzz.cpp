// The recovery loader on any file, followed by what the program does with a loaded game: it
// continues the game and plays on with visits, corrections, check-outs, the middle for diddle,
// previous leg, exchanged and cleared scores and new games, answering every dialog from the
// fuzzer's bytes. After every write the recovery file must load as the game in memory.
//
// Input: the file, then a script of up to 255 bytes, then one byte giving the script's length.

#include "fuzz_ports.h"
#include "settings/app_options.h"
#include "storage/recovery_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace dvk;

namespace {

void play_step(Match& match, fuzz::FuzzPorts& ports, fuzz::FuzzInput& in) {
    ScoreSheet& sheet = match.sheet();
    const auto type = [&](int points) {
        ports.text = std::to_string(points);
        ports.modified = true;
    };
    switch (in.byte() % 20) {
    case 0:
        type(in.number(0, 200));
        sheet.next_cell();
        break;
    case 1:
        type(in.number(0, 60) * 3);
        sheet.next_cell();
        break;
    case 2:
        type(in.number(0, 180));
        sheet.previous_cell();
        break;
    case 3:
        sheet.move_up();
        break;
    case 4:
        sheet.move_down();
        break;
    case 5:
        sheet.page_up();
        break;
    case 6:
        sheet.page_down();
        break;
    case 7:
        sheet.home();
        break;
    case 8:
        sheet.end();
        break;
    case 9:
        sheet.escape();
        break;
    case 10:
        sheet.finish_with_darts(in.number(1, 3));
        break;
    case 11:
        type(in.number(0, 200));
        sheet.input_left_score();
        break;
    case 12:
        sheet.middle_for_diddle_command();
        break;
    case 13:
        sheet.previous_leg();
        break;
    case 14:
        sheet.exchange_scores();
        break;
    case 15:
        sheet.clear_scores();
        break;
    case 16:
        match.start_new_game(in.flag());
        break;
    case 17:
        sheet.click(in.number(-1, 2), in.number(-1, 20));
        break;
    case 18:
        sheet.enter_value(in.number(-3, 200), in.flag());
        break;
    default:
        sheet.apply_computer_result();
        break;
    }
}

// The file must give back the turn state and every visit that counts in memory.
void require_file_holds(fuzz::MemoryDisk& disk, const GameRecord& game) {
    const RecoveryLoad load = parse_recovery(disk.read("dvk.tmp").bytes);
    fuzz::require(load.loaded(), "a written recovery file loads");
    const GameRecord& saved = load.game;
    fuzz::require(saved.leg_index == game.leg_index, "the file holds the current leg");
    for (std::size_t l = 0; l < game.legs.size(); ++l) {
        const LegRecord& a = game.legs[l];
        const LegRecord& b = saved.legs[l];
        fuzz::require(a.first_player == b.first_player && a.round == b.round &&
                          a.next_player == b.next_player,
                      "the file holds each leg's turn state");
        for (int p = 0; p < 2; ++p) {
            for (std::int32_t r = 0; r <= a.round; ++r) {
                if (visit_entered(a, p, r)) {
                    fuzz::require(a.score(p, r) == b.score(p, r), "the file holds every visit");
                }
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t script_size = std::min<std::size_t>(data[size - 1], size - 1);
    const std::size_t file_size = size - 1 - script_size;
    const std::string_view file(reinterpret_cast<const char*>(data), file_size);
    RecoveryLoad load = parse_recovery(file);
    if (!load.loaded()) {
        return 0;
    }
    fuzz::FuzzInput in(data + file_size, script_size);
    AppOptions settings = default_options({});
    settings.game = load.options;
    if (load.schedule) {
        settings.schedule = *load.schedule;
    }
    settings.check_out_mode = in.flag() ? 1 : 0;
    fuzz::FuzzPorts ports(in, settings);
    Match match(settings, ports, ports, ports);
    ports.match = &match;
    match.sheet().set_rows_per_page(12);
    match.continue_game(std::move(load.game));
    for (int step = 0; step < 64 && !in.empty(); ++step) {
        ports.written = false;
        play_step(match, ports, in);
        if (ports.written) {
            require_file_holds(ports.disk, match.game());
        }
    }
    return 0;
}
