#include "caller_announcer.h"

#include "caller_phrases.h"

#include <cstring>

namespace dvk::caller {
namespace {

std::string name_of(const dvk_game_record& game, int player) {
    const char* name = game.players[player].name;
    return std::string(name, strnlen(name, sizeof(game.players[player].name)));
}

void announce_visit(std::vector<std::string>& said, std::int32_t points,
                    const dvk_game_record& game, int thrower, const CallerChoices& choices) {
    if (choices.visits) {
        said.push_back(visit_phrase(points));
    }
    // The opponent steps up next; the caller tells him what he needs when he can finish.
    const int next = thrower == 0 ? 1 : 0;
    const std::int32_t left = game.players[next].remaining;
    if (choices.finishes && is_finish(left)) {
        said.push_back(finish_phrase(name_of(game, next), left));
    }
}

void announce_result(std::vector<std::string>& said, const dvk_game_record& game) {
    const dvk_player_block& first = game.players[0];
    const dvk_player_block& second = game.players[1];
    if (first.legs_won == second.legs_won) {
        said.push_back(drawn_set_phrase(first.legs_won));
    } else {
        const int winner = first.legs_won > second.legs_won ? 0 : 1;
        const dvk_player_block& loser = game.players[1 - winner];
        said.push_back(set_result_phrase(name_of(game, winner), game.players[winner].legs_won,
                                         loser.legs_won));
    }
    said.push_back(
        sets_phrase(name_of(game, 0), first.sets_won, name_of(game, 1), second.sets_won));
}

} // namespace

std::vector<std::string> announcements(std::int32_t event, std::int32_t parameter,
                                       const dvk_game_record& game, int thrower,
                                       const CallerChoices& choices) {
    std::vector<std::string> said;
    switch (event) {
    case DVK_EVENT_VISIT:
        if (thrower == 0 || thrower == 1) {
            announce_visit(said, parameter, game, thrower, choices);
        }
        break;
    case DVK_EVENT_LEG_WON:
        if (choices.legs) {
            said.push_back(leg_phrase());
        }
        break;
    case DVK_EVENT_GAME_END:
        if (choices.results) {
            announce_result(said, game);
        }
        break;
    default:
        break;
    }
    return said;
}

} // namespace dvk::caller
