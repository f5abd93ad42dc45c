#include "com/com_thrower.h"

#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/spread_levels.h"
#include "com/throw_model.h"

#include <algorithm>
#include <limits>

namespace dvk {

namespace {

constexpr std::int32_t finish_limit = 170;

bool is_eligible(ComCondition condition, ComCondition situation) {
    return condition == ComCondition::Always || condition == situation;
}

bool counts_as_dart_at_double(std::int32_t left) {
    return left == 50 || (left <= 40 && left % 2 == 0);
}

void add_dart_at_double(GameRecord& game, int player) {
    if (!game.has_current_leg()) {
        return;
    }
    const std::int32_t round = game.current_leg().round;
    auto& darts = game.darts_at_double[static_cast<std::size_t>(player)];
    if (round < 0 || static_cast<std::size_t>(round) >= darts.size()) {
        return;
    }
    auto& entry = darts[static_cast<std::size_t>(round)];
    if (entry < std::numeric_limits<std::int8_t>::max()) {
        ++entry;
    }
}

// Points the player still needs before dart `thrown` + 1 of the visit; held within 32 bits
// for a record with a nonsensical remaining score.
std::int32_t com_score_left(const GameRecord& game, int player, int thrown, const ComDarts& darts) {
    const std::int64_t left =
        std::int64_t{game.players[static_cast<std::size_t>(player)].remaining} -
        darts_sum(darts, thrown);
    return static_cast<std::int32_t>(
        std::max<std::int64_t>(left, std::numeric_limits<std::int32_t>::min()));
}

const ArrangeTable& builtin_check_out_table() {
    static const ArrangeTable table =
        parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    return table;
}

} // namespace

ComThrower::ComThrower(const ComTable& table, Segment target, std::uint32_t seed,
                       const ArrangeTable* check_out)
    : m_table(table), m_default_target(default_target(target.number, target.multiplier)),
      m_random(seed), m_check_out(check_out != nullptr ? *check_out : builtin_check_out_table()),
      m_normal(seed) {}

const ComTable::Candidate* ComThrower::draw_candidate(const GameRecord& game, int player,
                                                      int thrown, const ComDarts& darts) {
    const std::int32_t left = com_score_left(game, player, thrown, darts);
    const std::int32_t opponent =
        game.players[static_cast<std::size_t>(other_player(player))].remaining;
    const ComCondition situation =
        opponent <= finish_limit ? ComCondition::OpponentCanFinish : ComCondition::OpponentAbove170;
    const auto candidates = m_table.candidates_for(left);
    // Each eligible entry takes as many places as its weight, until the list is full.
    std::int32_t places = 0;
    for (const auto& c : candidates) {
        if (places >= max_candidate_places) {
            break;
        }
        if (is_eligible(c.condition, situation)) {
            places += std::min(c.weight, max_candidate_places - places);
        }
    }
    if (places == 0) {
        return nullptr;
    }
    std::int32_t place = m_random.next() % places;
    for (const auto& c : candidates) {
        if (!is_eligible(c.condition, situation)) {
            continue;
        }
        if (place < c.weight) {
            return &c;
        }
        place -= c.weight;
    }
    return nullptr;
}

std::int32_t ComThrower::choose_com_entry(const GameRecord& game, int player, int thrown,
                                          const ComDarts& darts) {
    if (!is_player(player)) {
        return -1;
    }
    const ComTable::Candidate* chosen = draw_candidate(game, player, thrown, darts);
    return chosen != nullptr ? chosen->entry : -1;
}

std::int32_t ComThrower::throw_com_dart(GameRecord& game, int player, int thrown, ComDarts& darts) {
    if (!is_player(player) || thrown < 0 || thrown >= static_cast<int>(darts.size())) {
        return 0;
    }
    const std::int32_t level = game.players[static_cast<std::size_t>(player)].com_level;
    if (level >= average_level_base) {
        if (const SpreadPlayer* spread = spread_player(level)) {
            return throw_spread_dart(game, player, thrown, darts, *spread);
        }
    }
    Segment target = m_default_target;
    const ComTable::Candidate* chosen = draw_candidate(game, player, thrown, darts);
    if (chosen != nullptr &&
        is_board_number(chosen->targets[static_cast<std::size_t>(thrown)].number)) {
        target = chosen->targets[static_cast<std::size_t>(thrown)];
        if (target.multiplier == 2 &&
            counts_as_dart_at_double(com_score_left(game, player, thrown, darts))) {
            add_dart_at_double(game, player);
        }
    }
    ComDart& dart = darts[static_cast<std::size_t>(thrown)];
    dart = simulate_dart(level, target.number, target.multiplier, m_random);
    return dart.points();
}

const SpreadPlayer* ComThrower::spread_player(std::int32_t level) {
    for (const auto& [known, player] : m_spread_players) {
        if (known == level) {
            return player.get();
        }
    }
    const auto spread = spread_for_level(level);
    if (!spread) {
        return nullptr;
    }
    m_spread_players.emplace_back(level, std::make_unique<SpreadPlayer>(*spread, m_check_out));
    return m_spread_players.back().second.get();
}

std::int32_t ComThrower::throw_spread_dart(GameRecord& game, int player, int thrown,
                                           ComDarts& darts, const SpreadPlayer& thrower) {
    const std::int32_t left = com_score_left(game, player, thrown, darts);
    const SpreadAim aim = thrower.aim(left, static_cast<int>(darts.size()) - thrown);
    if (aim.at_double() && counts_as_dart_at_double(left)) {
        add_dart_at_double(game, player);
    }
    ComDart& dart = darts[static_cast<std::size_t>(thrown)];
    dart = thrower.throw_at(aim, m_normal);
    return dart.points();
}

} // namespace dvk
