#include "layout/player_info_rows.h"

#include "match/statistics.h"

#include <algorithm>

namespace dvk {

namespace {

struct Item {
    PlayerInfoText label;
    bool shown;
    std::string value;
};

bool on(std::int32_t item) {
    return item != 0;
}

PlayerInfoRow title_row(PlayerInfoText label) {
    return {PlayerInfoRowKind::title, label, {}, false};
}

PlayerInfoRow figure_row(PlayerInfoText label, std::string value) {
    return {PlayerInfoRowKind::figure, label, std::move(value), false};
}

PlayerInfoRow counts_row(int numerator, int denominator) {
    return {PlayerInfoRowKind::counts, PlayerInfoText::first, format_counts(numerator, denominator),
            false};
}

// A section title followed by the rows that are shown; nothing when none is.
void add_section(std::vector<PlayerInfoRow>& rows, PlayerInfoText title,
                 const std::vector<Item>& items) {
    bool any = false;
    for (const Item& item : items) {
        any = any || item.shown;
    }
    if (!any) {
        return;
    }
    rows.push_back(title_row(title));
    for (const Item& item : items) {
        if (item.shown) {
            rows.push_back(figure_row(item.label, item.value));
        }
    }
}

void add_totals(std::vector<PlayerInfoRow>& rows, const PlayerInfoOptions& items,
                const PlayerInfoMode& mode, const PlayerBlock& player,
                const StatisticsCounters& t) {
    const bool all = mode.show_all;
    const auto shown = [all](std::int32_t item) { return all || on(item); };
    using T = PlayerInfoText;
    add_section(
        rows, T::totals,
        {
            {T::sets, mode.sets_shown && shown(items.total_sets), std::to_string(player.sets_won)},
            {T::legs, shown(items.total_legs), std::to_string(player.legs_won)},
            {T::tons, shown(items.total_tons), std::to_string(t.tons)},
            {T::count_100, shown(items.total_100), std::to_string(t.count_100)},
            {T::count_140, shown(items.total_140), std::to_string(t.count_140)},
            {T::count_180, shown(items.total_180s), std::to_string(t.count_180)},
            {T::high_out, shown(items.total_high_off), std::to_string(t.high_out)},
            {T::best, shown(items.total_short), std::to_string(t.best_leg)},
            {T::worst, shown(items.total_long), std::to_string(t.worst_leg)},
        });
}

// A percentage row and, under it, its counts when they are asked for.
void add_percentage(std::vector<PlayerInfoRow>& rows, PlayerInfoText label, bool shown,
                    bool counts_shown, int numerator, int denominator) {
    if (!shown) {
        return;
    }
    rows.push_back(figure_row(label, format_window_figure(numerator, denominator, 100)));
    if (counts_shown) {
        rows.push_back(counts_row(numerator, denominator));
    }
}

void add_averages(std::vector<PlayerInfoRow>& rows, const PlayerInfoOptions& items,
                  const PlayerInfoMode& mode, const StatisticsCounters& t) {
    const bool all = mode.show_all;
    const bool any = on(items.avg_darts) || on(items.avg_score) || on(items.avg_first9) ||
                     on(items.avg_check_out) || on(items.avg_keep) || on(items.avg_break);
    if (!all && !any) {
        return;
    }
    using T = PlayerInfoText;
    const auto shown = [all](std::int32_t item) { return all || on(item); };
    const int factor = on(items.avg_per_round) ? 3 : 1;
    rows.push_back(title_row(T::averages));
    if (shown(items.avg_darts)) {
        rows.push_back(figure_row(T::darts, format_window_figure(t.won_darts, t.won_legs, 1)));
    }
    if (shown(items.avg_score)) {
        rows.push_back(
            figure_row(T::score, format_window_figure(t.total_score, t.total_darts, factor)));
    }
    if (shown(items.avg_first9)) {
        rows.push_back(
            figure_row(T::first9, format_window_figure(t.first9_score, t.first9_darts, factor)));
    }
    const T check = (on(items.large_font) || mode.long_label) ? T::check_out : T::check;
    add_percentage(rows, check, shown(items.avg_check_out),
                   shown(items.avg_check_out) && shown(items.avg_check_out_count), t.check_outs,
                   t.double_darts);
    add_percentage(rows, T::keep, shown(items.avg_keep),
                   shown(items.avg_keep) && shown(items.avg_keep_count), t.keep_won, t.keep_all);
    add_percentage(rows, T::break_of_throw, shown(items.avg_break),
                   shown(items.avg_break) && shown(items.avg_break_count), t.break_won,
                   t.break_all);
}

std::vector<PlayerInfoRow> build_rows(const PlayerInfoOptions& items, const PlayerInfoMode& mode,
                                      const PlayerBlock& player,
                                      const std::vector<std::string>& suggestions) {
    std::vector<PlayerInfoRow> rows;
    if (on(items.first) && !mode.show_all) {
        rows.push_back({PlayerInfoRowKind::first, PlayerInfoText::first, {}, mode.throws_first});
    }
    const StatisticsCounters totals = mode.game_only ? player.game : combined_totals(player);
    add_totals(rows, items, mode, player, totals);
    add_averages(rows, items, mode, totals);
    if (on(items.arrange) && !mode.show_all) {
        rows.push_back(title_row(PlayerInfoText::dart_out_shots));
        for (const std::string& line : suggestions) {
            rows.push_back({PlayerInfoRowKind::suggestion, PlayerInfoText::first, line, false});
        }
    }
    return rows;
}

} // namespace

bool player_info_large_form(const PlayerInfoOptions& items, const PlayerInfoMode& mode) {
    return on(items.large_font) && !mode.show_all;
}

std::vector<PlayerInfoRow> player_info_rows(const PlayerInfoOptions& items,
                                            const PlayerInfoMode& mode, const PlayerBlock* player,
                                            const ArrangeTable& table) {
    if (player == nullptr) {
        return {};
    }
    return build_rows(items, mode, *player, suggestion_lines(table, player->remaining));
}

std::vector<PlayerInfoRow> player_info_skeleton(const PlayerInfoOptions& items,
                                                const PlayerInfoMode& mode) {
    const std::vector<std::string> reserve(
        static_cast<std::size_t>(std::max(0, mode.suggestion_reserve)));
    std::vector<PlayerInfoRow> rows = build_rows(items, mode, PlayerBlock{}, reserve);
    for (PlayerInfoRow& row : rows) {
        row.value.clear();
    }
    return rows;
}

} // namespace dvk
