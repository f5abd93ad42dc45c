#include "plugins/records/game_record_copy.h"

#include "plugins/records/text_fields.h"

#include <algorithm>
#include <cstring>

namespace dvk {
namespace {

std::size_t entries_for(std::int32_t capacity) {
    return static_cast<std::size_t>(std::max(capacity, 0)) + 1;
}

void fill_statistics(dvk_statistics& out, const StatisticsCounters& in) {
    const auto values = in.to_array();
    static_assert(sizeof(dvk_statistics) == sizeof(values));
    std::memcpy(&out, values.data(), sizeof(out));
}

void fill_player(dvk_player_block& out, const PlayerBlock& in) {
    write_text_field(out.name, in.name);
    out.start_score = in.start_score;
    out.remaining = in.remaining;
    out.sets_won = in.sets_won;
    out.legs_won = in.legs_won;
    fill_statistics(out.game, in.game);
    fill_statistics(out.match, in.match);
    out.com_locked = in.com_locked;
    out.ask_double = in.ask_double;
    out.com = in.com;
    out.com_level = in.com_level;
    out.com_result = in.com_result;
    out.reserved = 0;
}

void fill_leg(dvk_leg_record& out, const LegRecord& in) {
    out.first_player = in.first_player;
    out.round = in.round;
    out.next_player = in.next_player;
    out.rows = in.rows;
    out.capacity = std::max(in.capacity, 0);
    out.finished = in.finished;
    out.winner = in.winner;
    out.winning_darts = in.winning_darts;
    out.check_out = in.check_out;
    out.reserved = 0;
    const auto pairs = in.statistics_to_array();
    std::int32_t(*targets[])[2] = {
        &out.leg_tons,         &out.leg_100,          &out.leg_reserved,  &out.leg_140,
        &out.leg_180,          &out.leg_remaining,    &out.leg_darts,     &out.leg_first9_score,
        &out.leg_first9_darts, &out.leg_double_darts, &out.leg_fail_2_80, &out.leg_fail_81_130,
        &out.leg_fail_131};
    static_assert(std::size(targets) == LegRecord::statistics_pairs);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        (*targets[i])[0] = pairs[i][0];
        (*targets[i])[1] = pairs[i][1];
    }
}

template <typename T> std::vector<T> padded(const std::vector<T>& values, std::size_t size) {
    std::vector<T> result(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(
                                                               std::min(size, values.size())));
    result.resize(size, T{});
    return result;
}

} // namespace

GameRecordCopy::GameRecordCopy(const GameRecord& source) : m_source(source) {
    const std::size_t leg_count = std::max(
        m_source.legs.size(), static_cast<std::size_t>(std::max(m_source.leg_index, 0)) + 1);
    m_legs.assign(leg_count, dvk_leg_record{});
    m_scores.resize(leg_count);
    for (std::size_t i = 0; i < leg_count; ++i) {
        const LegRecord leg = i < m_source.legs.size() ? m_source.legs[i] : LegRecord{};
        fill_leg(m_legs[i], leg);
        for (std::size_t p = 0; p < 2; ++p) {
            m_scores[i][p] = padded(leg.scores[p], entries_for(leg.capacity));
            m_legs[i].scores[p] = m_scores[i][p].data();
        }
    }
    const bool has_darts =
        !m_source.darts_at_double[0].empty() || !m_source.darts_at_double[1].empty();
    if (has_darts) {
        const std::size_t current = static_cast<std::size_t>(std::max(m_source.leg_index, 0));
        const std::size_t size = entries_for(m_legs[current].capacity);
        for (std::size_t p = 0; p < 2; ++p) {
            m_darts_at_double[p] = padded(m_source.darts_at_double[p], size);
        }
    }
}

void GameRecordCopy::fill(dvk_game_record& out) {
    out = dvk_game_record{};
    const GameRecord& g = m_source;
    out.schedule_mode = g.schedule_mode;
    out.stored = g.stored;
    out.start_score = g.start_score;
    out.game_index = g.game_index;
    out.leg_index = g.leg_index;
    out.leg_limit = g.leg_limit;
    out.max_leg = g.max_leg;
    out.best_of = g.best_of;
    out.round_limit = g.round_limit;
    out.round = g.round;
    out.started = {g.started.year, g.started.month,  g.started.day_of_week, g.started.day,
                   g.started.hour, g.started.minute, g.started.second,      g.started.milliseconds};
    fill_player(out.players[0], g.players[0]);
    fill_player(out.players[1], g.players[1]);
    out.legs = m_legs.data();
    for (std::size_t p = 0; p < 2; ++p) {
        out.darts_at_double[p] =
            m_darts_at_double[p].empty() ? nullptr : m_darts_at_double[p].data();
    }
}

std::optional<std::int16_t> GameRecordCopy::score_entry(std::size_t leg, int player,
                                                        std::size_t round) const {
    if (leg >= m_scores.size() || !is_player(player)) {
        return std::nullopt;
    }
    const auto& scores = m_scores[leg][static_cast<std::size_t>(player)];
    if (round >= scores.size()) {
        return std::nullopt;
    }
    return scores[round];
}

void fill_game_options(dvk_game_options& out, const GameOptions& options) {
    out = dvk_game_options{};
    out.start_score = options.start_score;
    out.round_limit = options.round_limit;
    out.round = options.round;
    out.leg_limit = options.leg_limit;
    out.max_leg = options.max_leg;
    out.best_of = options.best_of;
    write_text_field(out.p1_name, options.p1_name);
    write_text_field(out.p2_name, options.p2_name);
    out.p1_start_score = options.p1_start_score;
    out.p2_start_score = options.p2_start_score;
    out.p1_com = options.p1_com;
    out.p2_com = options.p2_com;
    out.p1_com_level = options.p1_com_level;
    out.p2_com_level = options.p2_com_level;
    out.schedule_entry = options.schedule_entry;
    out.change_first = options.change_first;
}

} // namespace dvk
