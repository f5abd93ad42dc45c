#include "storage/csv_export.h"

#include "com/com_player_name.h"
#include "match/statistics.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <utility>

namespace dvk {

namespace {

using Counter = std::int32_t StatisticsCounters::*;

// Composes the file line by line into one growing text.
class CsvText {
public:
    void field(std::string_view text) { m_text.append(text); }
    void number(std::int64_t value) { m_text.append(std::to_string(value)); }
    void fixed2(float value) {
        std::array<char, 64> buffer{};
        const int length =
            std::snprintf(buffer.data(), buffer.size(), "%.2f", static_cast<double>(value));
        m_text.append(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
    }
    void comma() { m_text.push_back(','); }
    void end_line() { m_text.append("\r\n"); }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

std::string player_name(const PlayerBlock& player, const CsvLabels& labels) {
    if (player.com == 0) {
        return csv_quote(player.name);
    }
    return csv_quote(
        com_player_name(player.com_level, player.name,
                        {labels.com_name, labels.com_average_name, labels.com_fitted_name}));
}

void header_line(CsvText& out, const GameRecord& game, const CsvLocale& locale) {
    // Date and time are one field: quoting each on its own would give a field such as
    // "Mon, 7 Dec 2026" 10:15:00, which no CSV reader takes as one.
    const std::string date = locale.date ? locale.date(game.started) : std::string();
    const std::string time = locale.time ? locale.time(game.started) : std::string();
    out.field(csv_quote(date + " " + time));
    out.comma();
    out.field(player_name(game.players[0], locale.labels));
    out.comma();
    out.comma();
    out.field(player_name(game.players[1], locale.labels));
    out.comma();
    out.end_line();
}

const PlayerBlock& player_of(const GameRecord& game, int player) {
    return game.players[static_cast<std::size_t>(player)];
}

// One line of a block of counts: block title or nothing, then label and value per player.
// An absent value leaves its field empty.
template <typename Value>
void pair_line(CsvText& out, std::string_view title, std::string_view label, const Value& value) {
    out.field(title);
    for (int player = 0; player < 2; ++player) {
        out.comma();
        out.field(label);
        out.comma();
        if (const std::optional<std::int32_t> v = value(player)) {
            out.number(*v);
        }
    }
    out.end_line();
}

void counter_block(CsvText& out, const GameRecord& game, std::string_view title,
                   std::initializer_list<std::pair<const std::string*, Counter>> rows) {
    bool first = true;
    for (const auto& [label, counter] : rows) {
        // The binding is captured through a copy: clang before 16 cannot capture it directly.
        pair_line(out, first ? title : std::string_view(), *label,
                  [&, member = counter](int p) -> std::optional<std::int32_t> {
                      return player_of(game, p).game.*member;
                  });
        first = false;
    }
}

void totals_block(CsvText& out, const GameRecord& game, const CsvLabels& labels) {
    pair_line(out, labels.totals, labels.sets, [&](int p) -> std::optional<std::int32_t> {
        return player_of(game, p).legs_won > player_of(game, other_player(p)).legs_won ? 1 : 0;
    });
    pair_line(out, {}, labels.legs,
              [&](int p) -> std::optional<std::int32_t> { return player_of(game, p).legs_won; });
    counter_block(out, game, {},
                  {{&labels.tons, &StatisticsCounters::tons},
                   {&labels.count_100, &StatisticsCounters::count_100},
                   {&labels.count_140, &StatisticsCounters::count_140},
                   {&labels.count_180, &StatisticsCounters::count_180}});
    // No check-out or won leg yet: the field stays empty rather than showing 0.
    for (const auto& [label, counter] :
         {std::pair{&labels.high_out, &StatisticsCounters::high_out},
          std::pair{&labels.best, &StatisticsCounters::best_leg},
          std::pair{&labels.worst, &StatisticsCounters::worst_leg}}) {
        pair_line(out, {}, *label, [&, member = counter](int p) -> std::optional<std::int32_t> {
            const std::int32_t value = player_of(game, p).game.*member;
            return value > 0 ? std::optional<std::int32_t>(value) : std::nullopt;
        });
    }
}

void averages_block(CsvText& out, const GameRecord& game, const CsvLabels& labels) {
    struct Row {
        const std::string* label;
        Counter numerator;
        Counter denominator;
        float factor;
    };
    const std::array<Row, 6> rows = {{
        {&labels.average_darts, &StatisticsCounters::won_darts, &StatisticsCounters::won_legs,
         1.0F},
        {&labels.average_score, &StatisticsCounters::total_score, &StatisticsCounters::total_darts,
         1.0F},
        {&labels.average_first9, &StatisticsCounters::first9_score,
         &StatisticsCounters::first9_darts, 1.0F},
        {&labels.check_out_rate, &StatisticsCounters::check_outs, &StatisticsCounters::double_darts,
         100.0F},
        {&labels.keep_rate, &StatisticsCounters::keep_won, &StatisticsCounters::keep_all, 100.0F},
        {&labels.break_rate, &StatisticsCounters::break_won, &StatisticsCounters::break_all,
         100.0F},
    }};
    bool first = true;
    for (const Row& row : rows) {
        out.field(first ? std::string_view(labels.averages) : std::string_view());
        for (const PlayerBlock& player : game.players) {
            out.comma();
            out.field(*row.label);
            out.comma();
            out.fixed2(
                csv_quotient(player.game.*row.numerator, player.game.*row.denominator, row.factor));
        }
        out.end_line();
        first = false;
    }
}

void counts_block(CsvText& out, const GameRecord& game, const CsvLabels& labels) {
    pair_line(out, labels.counts, labels.legs_played,
              [&](int) -> std::optional<std::int32_t> { return game.leg_index; });
    counter_block(out, game, {},
                  {{&labels.darts_won, &StatisticsCounters::won_darts},
                   {&labels.total_score, &StatisticsCounters::total_score},
                   {&labels.total_darts, &StatisticsCounters::total_darts},
                   {&labels.first9_score, &StatisticsCounters::first9_score},
                   {&labels.first9_darts, &StatisticsCounters::first9_darts},
                   {&labels.check_outs, &StatisticsCounters::check_outs},
                   {&labels.double_darts, &StatisticsCounters::double_darts},
                   {&labels.keep_won, &StatisticsCounters::keep_won},
                   {&labels.keep_all, &StatisticsCounters::keep_all},
                   {&labels.break_won, &StatisticsCounters::break_won},
                   {&labels.break_all, &StatisticsCounters::break_all}});
}

bool has_thrown(const LegRecord& leg, int player, std::int32_t round_number) {
    return round_number <= leg.round || (round_number == leg.round + 1 &&
                                         player == leg.first_player && player != leg.next_player);
}

void leg_table(CsvText& out, const GameRecord& game, const LegRecord& leg,
               const CsvLabels& labels) {
    out.end_line();
    out.field(labels.round);
    for (int player = 0; player < 2; ++player) {
        out.comma();
        out.field(labels.scored);
        out.comma();
        out.field(labels.to_go);
    }
    out.end_line();
    for (int player = 0; player < 2; ++player) {
        out.comma();
        out.field(player == leg.first_player ? "*" : "");
        out.comma();
        out.number(game.players[static_cast<std::size_t>(player)].start_score);
    }
    out.end_line();
    std::array<std::int64_t, 2> to_go = {game.players[0].start_score, game.players[1].start_score};
    for (std::int32_t r = 1; r <= leg.rows; ++r) {
        out.number(r);
        for (int player = 0; player < 2; ++player) {
            out.comma();
            if (!has_thrown(leg, player, r)) {
                out.comma();
                continue;
            }
            const std::int16_t visit = leg.score(player, r - 1);
            out.number(visit);
            out.comma();
            if (visit >= 0) {
                to_go[static_cast<std::size_t>(player)] -= visit;
                out.number(to_go[static_cast<std::size_t>(player)]);
            }
        }
        out.end_line();
    }
    out.field(labels.leg_darts);
    out.field(leg.winner == 1 ? ",,," : ",");
    out.number(leg.winning_darts);
    out.field(leg.winner == 1 ? "," : ",,,");
    out.end_line();
}

} // namespace

std::string csv_quote(std::string_view text) {
    if (text.find_first_of(",\"") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted.push_back('"');
        }
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

float csv_quotient(std::int32_t numerator, std::int32_t denominator, float factor) {
    if (denominator == 0) {
        return 0.0F;
    }
    return static_cast<float>(numerator) / static_cast<float>(denominator) * factor;
}

GameRecord completed_legs_game(const GameRecord& game) {
    GameRecord copy = game;
    if (game.leg_index < 0 || static_cast<std::size_t>(game.leg_index) >= game.legs.size()) {
        return copy;
    }
    LegRecord& open = copy.legs[static_cast<std::size_t>(game.leg_index)];
    if (open.finished != 0 || (open.round == 0 && open.next_player == open.first_player)) {
        return copy;
    }
    // The open leg counts as not yet begun: no darts, nothing scored, and no visit in the
    // per-leg counts that the game totals add up.
    for (int p = 0; p < 2; ++p) {
        const auto i = static_cast<std::size_t>(p);
        open.leg_remaining[i] = copy.players[i].start_score;
        open.leg_darts[i] = 0;
        recompute_leg_statistics(copy, game.leg_index, p, 0);
    }
    return copy;
}

std::string compose_game_csv(const GameRecord& game, const CsvLocale& locale) {
    const CsvLabels& labels = locale.labels;
    CsvText out;
    header_line(out, game, locale);
    totals_block(out, game, labels);
    averages_block(out, game, labels);
    counter_block(out, game, labels.finish_stats,
                  {{&labels.success_2_80, &StatisticsCounters::success_2_80},
                   {&labels.failure_2_80, &StatisticsCounters::failure_2_80},
                   {&labels.success_81_130, &StatisticsCounters::success_81_130},
                   {&labels.failure_81_130, &StatisticsCounters::failure_81_130},
                   {&labels.success_131, &StatisticsCounters::success_131},
                   {&labels.failure_131, &StatisticsCounters::failure_131}});
    counts_block(out, game, labels);
    const auto completed = static_cast<std::size_t>(std::max(game.leg_index, 0));
    for (std::size_t i = 0; i < completed && i < game.legs.size(); ++i) {
        leg_table(out, game, game.legs[i], labels);
    }
    return out.take();
}

FileStatus write_game_csv(const GameRecord& game, const std::filesystem::path& path,
                          const CsvLocale& locale) {
    return write_whole_file(path, compose_game_csv(game, locale));
}

} // namespace dvk
