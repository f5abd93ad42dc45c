// dvk-inspect: prints a recovery file as JSON, for tests that drive the real program and check
// what it saved, and for looking into a dvk.tmp by hand.
//
//   dvk-inspect recovery PATH

#include "storage/recovery_file.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void print_scores(std::ostream& out, const dvk::LegRecord& leg, int player) {
    out << "[";
    // Entries up to the round being played; later ones are unused room.
    const int last = std::min(leg.round, leg.capacity);
    for (int i = 0; i <= last; ++i) {
        out << (i > 0 ? "," : "") << leg.score(player, i);
    }
    out << "]";
}

void print_leg(std::ostream& out, const dvk::LegRecord& leg) {
    out << "{\"first_player\":" << leg.first_player << ",\"round\":" << leg.round
        << ",\"next_player\":" << leg.next_player << ",\"finished\":" << leg.finished
        << ",\"winner\":" << leg.winner << ",\"winning_darts\":" << leg.winning_darts
        << ",\"check_out\":" << leg.check_out << ",\"scores\":[";
    print_scores(out, leg, 0);
    out << ",";
    print_scores(out, leg, 1);
    out << "]}";
}

void print_player(std::ostream& out, const dvk::PlayerBlock& p) {
    out << "{\"name\":" << quoted(p.name) << ",\"start_score\":" << p.start_score
        << ",\"remaining\":" << p.remaining << ",\"sets_won\":" << p.sets_won
        << ",\"legs_won\":" << p.legs_won << ",\"com\":" << p.com
        << ",\"com_level\":" << p.com_level << ",\"total_score\":" << p.game.total_score
        << ",\"total_darts\":" << p.game.total_darts << "}";
}

void print_game(std::ostream& out, const dvk::GameRecord& g) {
    out << "{\"schedule_mode\":" << g.schedule_mode << ",\"stored\":" << g.stored
        << ",\"start_score\":" << g.start_score << ",\"game_index\":" << g.game_index
        << ",\"leg_index\":" << g.leg_index << ",\"leg_limit\":" << g.leg_limit
        << ",\"max_leg\":" << g.max_leg << ",\"best_of\":" << g.best_of
        << ",\"round_limit\":" << g.round_limit << ",\"round\":" << g.round << ",\"players\":[";
    print_player(out, g.players[0]);
    out << ",";
    print_player(out, g.players[1]);
    out << "],\"legs\":[";
    for (std::size_t i = 0; i < g.legs.size(); ++i) {
        out << (i > 0 ? "," : "");
        print_leg(out, g.legs[i]);
    }
    out << "]}";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "recovery") {
        std::cerr << "usage: dvk-inspect recovery PATH\n";
        return 2;
    }
    const dvk::RecoveryLoad load = dvk::load_recovery(argv[2], true);
    std::ostringstream out;
    if (!load.loaded()) {
        out << "{\"loaded\":false,\"reason\":" << quoted(load.reason) << "}";
    } else {
        out << "{\"loaded\":true,\"schedule_entries\":"
            << (load.schedule.has_value() ? static_cast<long>(load.schedule->size()) : -1L)
            << ",\"game\":";
        print_game(out, load.game);
        out << "}";
    }
    std::cout << out.str() << "\n";
    return load.loaded() ? 0 : 1;
}
