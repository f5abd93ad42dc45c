#pragma once

#include <cstdint>
#include <string>

namespace dvk {

// Longest player name in bytes (the stored field holds 63 bytes and a terminator).
inline constexpr std::size_t max_name_bytes = 63;

// How one game is to be played: the source a game record is filled from, either the current
// options or one entry of a schedule.
struct GameOptions {
    std::int32_t start_score = 501;
    std::int32_t round_limit = 0;
    std::int32_t round = 15;
    std::int32_t leg_limit = 0;
    std::int32_t max_leg = 3;
    std::int32_t best_of = 1;
    std::string p1_name = "Player 1";
    std::string p2_name = "Player 2";
    std::int32_t p1_start_score = 0;
    std::int32_t p2_start_score = 0;
    std::int32_t p1_com = 0;
    std::int32_t p2_com = 0;
    std::int32_t p1_com_level = 0;
    std::int32_t p2_com_level = 0;
    std::int32_t schedule_entry = 0;
    std::int32_t change_first = 0;

    const std::string& name(int player) const { return player == 0 ? p1_name : p2_name; }
    std::int32_t player_start_score(int player) const {
        return player == 0 ? p1_start_score : p2_start_score;
    }
    std::int32_t com(int player) const { return player == 0 ? p1_com : p2_com; }
    std::int32_t com_level(int player) const { return player == 0 ? p1_com_level : p2_com_level; }

    bool operator==(const GameOptions&) const = default;
};

} // namespace dvk
