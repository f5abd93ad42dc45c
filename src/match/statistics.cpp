#include "match/statistics.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace dvk {

namespace {

bool valid_leg(const GameRecord& game, int leg_index) {
    return leg_index >= 0 && static_cast<std::size_t>(leg_index) < game.legs.size();
}

std::size_t idx(int player) {
    return static_cast<std::size_t>(player);
}

// The number of score entries a leg can hold, so that no count reads past its arrays.
int entries_in(const LegRecord& leg, int player) {
    return static_cast<int>(leg.scores[idx(player)].size());
}

void count_ton(int points, std::int32_t& tons, std::int32_t& c100, std::int32_t& c140,
               std::int32_t& c180) {
    if (points >= 100) {
        count_one(tons);
    }
    if (points >= 100 && points <= 139) {
        count_one(c100);
    } else if (points >= 140 && points <= 179) {
        count_one(c140);
    } else if (points == 180) {
        count_one(c180);
    }
}

void recompute_leg_part(GameRecord& game, LegRecord& leg, int p, int n) {
    const auto i = idx(p);
    for (PlayerPair* pair : {&leg.leg_tons, &leg.leg_100, &leg.leg_140, &leg.leg_180,
                             &leg.leg_first9_score, &leg.leg_first9_darts, &leg.leg_double_darts,
                             &leg.leg_fail_2_80, &leg.leg_fail_81_130, &leg.leg_fail_131}) {
        (*pair)[i] = 0;
    }
    const int start = game.players[i].start_score;
    std::int64_t rest = start;
    for (int v = 0; v < n; ++v) {
        const int s = leg.score(p, v);
        count_ton(s, leg.leg_tons[i], leg.leg_100[i], leg.leg_140[i], leg.leg_180[i]);
        if (v < 3 && start == 501) {
            add_to(leg.leg_first9_score[i], s < 0 ? leg.check_out : s);
            add_to(leg.leg_first9_darts[i], 3);
        }
        const int doubles = game.double_darts(p, v);
        add_to(leg.leg_double_darts[i], doubles);
        if (doubles > 0 && s >= 0) {
            if (rest >= 2 && rest <= 80) {
                count_one(leg.leg_fail_2_80[i]);
            } else if (rest >= 81 && rest <= 130) {
                count_one(leg.leg_fail_81_130[i]);
            } else if (rest >= 131) {
                count_one(leg.leg_fail_131[i]);
            }
        }
        rest -= s;
    }
}

void recompute_game_part(GameRecord& game, int p, int last_leg) {
    const auto i = idx(p);
    PlayerBlock& player = game.players[i];
    StatisticsCounters& t = player.game;
    t.tons = t.count_100 = t.count_140 = t.count_180 = 0;
    t.total_score = t.total_darts = t.won_darts = t.won_legs = 0;
    t.first9_score = t.first9_darts = t.double_darts = 0;
    t.failure_2_80 = t.failure_81_130 = t.failure_131 = 0;
    for (int l = 0; l <= last_leg; ++l) {
        const LegRecord& leg = game.legs[static_cast<std::size_t>(l)];
        add_to(t.tons, leg.leg_tons[i]);
        add_to(t.count_100, leg.leg_100[i]);
        add_to(t.count_140, leg.leg_140[i]);
        add_to(t.count_180, leg.leg_180[i]);
        const bool won = leg.finished != 0 && leg.winner == p;
        if (won) {
            count_ton(leg.check_out, t.tons, t.count_100, t.count_140, t.count_180);
        }
        add_to(t.total_score, std::int64_t{player.start_score} - leg.leg_remaining[i]);
        add_to(t.total_darts, leg.leg_darts[i]);
        if (won && leg.winning_darts != 0) {
            add_to(t.won_darts, leg.winning_darts);
            count_one(t.won_legs);
        }
        add_to(t.first9_score, leg.leg_first9_score[i]);
        add_to(t.first9_darts, leg.leg_first9_darts[i]);
        add_to(t.double_darts, leg.leg_double_darts[i]);
        add_to(t.failure_2_80, leg.leg_fail_2_80[i]);
        add_to(t.failure_81_130, leg.leg_fail_81_130[i]);
        add_to(t.failure_131, leg.leg_fail_131[i]);
    }
}

} // namespace

void count_keep_or_break(PlayerBlock& winner, PlayerBlock& loser, bool winner_threw_first) {
    if (winner_threw_first) {
        count_one(winner.game.keep_all);
        count_one(winner.game.keep_won);
        count_one(loser.game.break_all);
    } else {
        count_one(winner.game.break_all);
        count_one(winner.game.break_won);
        count_one(loser.game.keep_all);
    }
}

int visits_in_leg(const LegRecord& leg, int player) {
    if (leg.next_player == leg.first_player || leg.next_player == player) {
        return leg.round;
    }
    return saturated(std::int64_t{leg.round} + 1);
}

int remaining_score(const GameRecord& game, int leg_index, int player, int n) {
    if (!is_player(player)) {
        return 0;
    }
    const int start = game.players[idx(player)].start_score;
    if (!valid_leg(game, leg_index)) {
        return start;
    }
    const LegRecord& leg = game.legs[static_cast<std::size_t>(leg_index)];
    if (n < 0) {
        n = visits_in_leg(leg, player);
    }
    n = std::min(n, entries_in(leg, player));
    std::int64_t rest = start;
    for (int v = 0; v < n; ++v) {
        rest -= leg.score(player, v);
    }
    return saturated(rest);
}

void recompute_leg_statistics(GameRecord& game, int leg_index, int player, int n) {
    if (!is_player(player) || !valid_leg(game, leg_index)) {
        return;
    }
    LegRecord& leg = game.legs[static_cast<std::size_t>(leg_index)];
    if (n < 0) {
        n = visits_in_leg(leg, player);
    }
    n = std::clamp(n, 0, entries_in(leg, player));
    recompute_leg_part(game, leg, player, n);
    recompute_game_part(game, player, leg_index);
}

void record_game_shot_statistics(GameRecord& game, int leg_index, int winner, int darts,
                                 int check_out) {
    if (!is_player(winner) || !valid_leg(game, leg_index)) {
        return;
    }
    LegRecord& leg = game.legs[static_cast<std::size_t>(leg_index)];
    const int loser = other_player(winner);
    PlayerBlock& w = game.players[idx(winner)];
    PlayerBlock& l = game.players[idx(loser)];
    StatisticsCounters& t = w.game;

    count_one(w.legs_won);
    t.high_out = std::max<std::int32_t>(static_cast<std::int16_t>(t.high_out),
                                        static_cast<std::int16_t>(check_out));
    const int earlier_visits = std::max(visits_in_leg(leg, winner) - 1, 0);
    const int leg_darts = saturated(3 * std::int64_t{earlier_visits} + darts);
    if (t.best_leg == 0 || leg_darts < t.best_leg) {
        t.best_leg = leg_darts;
    }
    t.worst_leg = std::max(t.worst_leg, leg_darts);

    leg.winner = winner;
    leg.winning_darts = leg_darts;
    leg.check_out = static_cast<std::int16_t>(check_out);
    leg.leg_remaining[idx(winner)] = 0;
    leg.leg_darts[idx(winner)] = leg_darts;
    leg.finished = 1;

    if (w.ask_double == 1 || w.com == 1) {
        count_one(t.check_outs);
        if (check_out >= 2 && check_out <= 80) {
            count_one(t.success_2_80);
        } else if (check_out >= 81 && check_out <= 130) {
            count_one(t.success_81_130);
        } else if (check_out >= 131) {
            count_one(t.success_131);
        }
    }
    count_keep_or_break(w, l, winner == leg.first_player);
    l.remaining = remaining_score(game, leg_index, loser, -1);
    leg.leg_remaining[idx(loser)] = l.remaining;
    leg.leg_darts[idx(loser)] = saturated(3 * std::int64_t{leg.round});

    recompute_leg_statistics(game, leg_index, 0, -1);
    recompute_leg_statistics(game, leg_index, 1, -1);
}

void accumulate_match_totals(PlayerBlock& player, bool comparable) {
    StatisticsCounters& m = player.match;
    const StatisticsCounters& g = player.game;
    add_to(m.tons, g.tons);
    add_to(m.count_100, g.count_100);
    add_to(m.count_140, g.count_140);
    add_to(m.count_180, g.count_180);
    add_to(m.total_score, g.total_score);
    add_to(m.total_darts, g.total_darts);
    auto match_values = m.to_array();
    const auto game_values = g.to_array();
    for (std::size_t c = 12; c < StatisticsCounters::count; ++c) {
        add_to(match_values[c], game_values[c]);
    }
    const auto high = std::max(m.high_out, g.high_out);
    const auto best = m.best_leg, worst = m.worst_leg, won_darts = m.won_darts,
               won_legs = m.won_legs;
    m = StatisticsCounters::from_array(match_values);
    m.high_out = high;
    if (comparable) {
        m.best_leg = (g.best_leg > 0 && (best == 0 || g.best_leg < best)) ? g.best_leg : best;
        m.worst_leg = std::max(worst, g.worst_leg);
        m.won_darts = saturated(std::int64_t{won_darts} + g.won_darts);
        m.won_legs = saturated(std::int64_t{won_legs} + g.won_legs);
    } else {
        m.best_leg = m.worst_leg = m.won_darts = m.won_legs = 0;
    }
    player.game = StatisticsCounters{};
    player.legs_won = 0;
}

StatisticsCounters combined_totals(const PlayerBlock& player) {
    const auto m = player.match.to_array();
    const auto g = player.game.to_array();
    std::array<std::int32_t, StatisticsCounters::count> sum{};
    for (std::size_t c = 0; c < sum.size(); ++c) {
        sum[c] = saturated(std::int64_t{m[c]} + g[c]);
    }
    StatisticsCounters total = StatisticsCounters::from_array(sum);
    total.high_out = std::max(player.match.high_out, player.game.high_out);
    const auto mb = player.match.best_leg, gb = player.game.best_leg;
    total.best_leg = (mb == 0) ? gb : (gb == 0 ? mb : std::min(mb, gb));
    total.worst_leg = std::max(player.match.worst_leg, player.game.worst_leg);
    return total;
}

std::string format_window_figure(int numerator, int denominator, int factor) {
    if (denominator < 1) {
        return "0.00";
    }
    const float value = static_cast<float>(numerator) / static_cast<float>(denominator) *
                        static_cast<float>(factor);
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.2f", static_cast<double>(value));
    return text.data();
}

std::string format_counts(int numerator, int denominator) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "(%d / %d)", numerator, denominator);
    return text.data();
}

bool is_impossible_visit(int points) {
    static constexpr std::array<int, 9> impossible = {163, 166, 169, 172, 173, 175, 176, 178, 179};
    return points > 180 ||
           std::find(impossible.begin(), impossible.end(), points) != impossible.end();
}

} // namespace dvk
