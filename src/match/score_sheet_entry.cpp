#include "match/score_sheet.h"
#include "match/statistics.h"
#include "model/playable_values.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>
#include <string>

namespace dvk {

namespace {

bool is_one_dart_finish(int score) {
    return score == 50 || (score >= 2 && score <= 40 && score % 2 == 0);
}

bool is_two_dart_finish(int score) {
    return (score >= 51 && score <= 98) || score == 100 || score == 101 || score == 104 ||
           score == 107 || score == 110;
}

int double_darts_of_finish(int before, int darts) {
    if (is_one_dart_finish(before)) {
        return darts;
    }
    if (before <= 50 || is_two_dart_finish(before)) {
        return darts == 1 ? 1 : darts - 1;
    }
    return 1;
}

} // namespace

int max_double_darts(int after, int before, int finishing_darts) {
    if (after == 0) {
        return double_darts_of_finish(before, finishing_darts);
    }
    const bool nothing_scored = after == before;
    const bool near = nothing_scored || after <= 40;
    if (!nothing_scored && after > 50) {
        return 0;
    }
    if (before <= 50) {
        if (is_one_dart_finish(before)) {
            return near ? 3 : 1;
        }
        return near ? 2 : 0;
    }
    if (is_two_dart_finish(before)) {
        return near ? 2 : 1;
    }
    if (before >= 99 && before <= 158) {
        return 1;
    }
    switch (before) {
    case 160:
    case 161:
    case 164:
    case 167:
    case 170:
        return 1;
    default:
        return 0;
    }
}

ScoreSheet::ScoreSheet(GameRecord& game, const AppOptions& settings, MatchPorts& ports,
                       ScoreSheetView& view)
    : m_game(&game), m_settings(settings), m_ports(ports), m_view(view) {}

std::int16_t& ScoreSheet::score_entry(int p, int round) {
    return leg().scores[static_cast<std::size_t>(p)].at(static_cast<std::size_t>(round));
}

std::int8_t& ScoreSheet::double_darts_entry(int p, int round) {
    auto& entries = m_game->darts_at_double[static_cast<std::size_t>(p)];
    const auto needed = static_cast<std::size_t>(leg().capacity) + 1;
    if (entries.size() < needed) {
        entries.resize(needed, 0);
    }
    return entries.at(static_cast<std::size_t>(round));
}

bool ScoreSheet::cell_in_leg(InputCell cell) const {
    if (!m_game->has_current_leg() || m_shown_leg != m_game->leg_index) {
        return false;
    }
    const LegRecord& l = leg();
    return is_player(cell.player) && cell.round >= 0 && cell.round <= l.round &&
           cell.round <= l.capacity && static_cast<std::size_t>(cell.round) < l.scores[0].size() &&
           static_cast<std::size_t>(cell.round) < l.scores[1].size();
}

bool ScoreSheet::shown_leg_finished() const {
    return !has_shown_leg() || leg().finished != 0;
}

bool ScoreSheet::is_open_cell(InputCell cell) const {
    const LegRecord& l = leg();
    if (cell.round != l.round) {
        return false;
    }
    return cell.player == l.next_player ||
           (l.next_player == l.first_player && cell.player != l.first_player);
}

int ScoreSheet::remaining_at(InputCell cell) const {
    return remaining_score(*m_game, m_shown_leg, cell.player, std::max(cell.round, 0));
}

int ScoreSheet::ask_double_darts(int after, int before, int finishing_darts, int preset) {
    const int most = max_double_darts(after, before, finishing_darts);
    if (most == 0) {
        return 0;
    }
    if (after == 0 && most == 1) {
        return 1;
    }
    const int shown = preset >= 0 ? preset : most;
    const int answer = m_ports.ask_double_darts(shown, after == 0 ? 1 : 0, 3);
    if (answer == 255) {
        return 255;
    }
    return std::clamp(answer, after == 0 ? 1 : 0, 3);
}

bool ScoreSheet::commit_visit(InputCell cell, int value) {
    cell.round = std::max(cell.round, 0);
    if (!cell_in_leg(cell) || value < 0 || is_impossible_visit(value)) {
        m_ports.beep();
        return false;
    }
    const int p = cell.player;
    const int r = cell.round;
    const int rem = remaining_at(cell);
    if (value == rem) {
        const int darts = m_ports.ask_checkout_darts(rem);
        if (darts > 0) {
            game_shot(cell, darts, false);
        } else {
            place_input_cell(true, false);
        }
        return false;
    }
    const bool open = is_open_cell(cell);
    if (value > rem) {
        if (!open && value == score_entry(p, r)) {
            return true;
        }
        m_ports.beep();
        return false;
    }
    const std::int16_t old_entry = score_entry(p, r);
    const std::int32_t old_remaining = player(p).remaining;
    const std::int8_t old_doubles = double_darts_entry(p, r);
    if (player(p).ask_double == 1) {
        const int preset = (value == old_entry && !open) ? old_doubles : -1;
        const int k = ask_double_darts(rem - value, rem, 0, preset);
        if (k == 255) {
            return false;
        }
        double_darts_entry(p, r) = static_cast<std::int8_t>(k);
    }
    score_entry(p, r) = static_cast<std::int16_t>(value);
    const bool open_round = r == leg().round;
    const auto recount = [&] {
        player(p).remaining =
            remaining_score(*m_game, m_shown_leg, p, open_round ? r + 1 : visits_in_leg(leg(), p));
    };
    recount();

    const int answer = m_ports.notify_plugins(plugin_event_visit, value);
    const int changed = score_entry(p, r);
    const bool bad_change = (answer & plugin_answer_reread) != 0 &&
                            (changed < -3 || (changed >= 0 && is_impossible_visit(changed)));
    if ((answer & plugin_answer_refuse) != 0 || bad_change) {
        score_entry(p, r) = old_entry;
        player(p).remaining = old_remaining;
        double_darts_entry(p, r) = old_doubles;
        if (bad_change) {
            m_ports.beep();
        }
        return false;
    }
    if ((answer & plugin_answer_reread) != 0) {
        if (changed < 0) {
            score_entry(p, r) = old_entry;
            player(p).remaining = old_remaining;
            game_shot(cell, -changed, player(p).com_locked != 0);
            return false;
        }
        recount();
    }

    after_visit_statistics(p, r);
    if (open_round) {
        bool leg_decided = false;
        pass_turn(p, r, leg_decided);
        if (leg_decided) {
            return false;
        }
    }
    m_view.set_input_modified(false);
    m_ports.player_to_throw(leg().next_player);
    m_view.repaint(std::max(input_screen_row(), 1));
    m_ports.write_recovery(*m_game, RecoveryWrite::Cell, p, r);
    return true;
}

void ScoreSheet::after_visit_statistics(int p, int r) {
    LegRecord& l = leg();
    const auto i = static_cast<std::size_t>(p);
    const bool open_round = r == l.round;
    l.leg_remaining[i] = player(p).remaining;
    const bool thrown_in_open_round = l.next_player != l.first_player && l.next_player != p;
    l.leg_darts[i] =
        saturated(3 * (std::int64_t{l.round} + ((open_round || thrown_in_open_round) ? 1 : 0)));
    recompute_leg_statistics(*m_game, m_shown_leg, p,
                             open_round ? l.round + 1 : visits_in_leg(l, p));
    m_ports.refresh_player(p, false);
}

bool ScoreSheet::grow_leg(LegRecord& l) {
    const std::int32_t capacity = l.capacity + 10;
    if (capacity > max_leg_capacity) {
        m_ports.beep();
        return false;
    }
    const auto entries = static_cast<std::size_t>(capacity) + 1;
    try {
        for (auto& s : l.scores) {
            s.resize(entries, 0);
        }
        for (auto& d : m_game->darts_at_double) {
            d.resize(entries, 0);
        }
    } catch (const std::bad_alloc&) {
        m_ports.show_error(std::strerror(ENOMEM));
        return false;
    }
    l.capacity = capacity;
    return true;
}

bool ScoreSheet::computer_in_game() const {
    return m_game->players[0].com != 0 || m_game->players[1].com != 0;
}

void ScoreSheet::pass_turn(int p, int r, bool& leg_decided) {
    LegRecord& l = leg();
    if (p != l.next_player && p != l.first_player) {
        l.first_player = p;
        m_view.repaint(0);
        m_ports.first_thrower_changed(true);
    }
    bool round_complete = false;
    bool rows_grew = false;
    if (p == l.first_player) {
        l.next_player = other_player(p);
    } else {
        round_complete = true;
        l.next_player = l.first_player;
        ++l.round;
        if (l.round >= l.rows) {
            ++l.rows;
            rows_grew = true;
            if (l.capacity < l.rows && !grow_leg(l)) {
                --l.rows;
            }
        }
    }
    if (round_complete && rows_grew && m_game->round_limit == 1) {
        if (computer_in_game()) {
            draw_at_round_limit();
            leg_decided = true;
            return;
        }
        if (l.round == m_game->round) {
            m_view.repaint(std::max(screen_row_of(r), 1));
            if (middle_for_diddle()) {
                leg_decided = true;
                return;
            }
        }
    }
    if (rows_grew) {
        update_scroll_range();
    }
    if (player(leg().next_player).com != 0) {
        m_ports.start_computer_turn();
    }
}

bool ScoreSheet::game_shot(InputCell cell, int darts, bool computer_caption) {
    cell.round = std::max(cell.round, 0);
    if (!cell_in_leg(cell) || darts < 1 || darts > 3) {
        m_ports.beep();
        return false;
    }
    const int p = cell.player;
    const int r = cell.round;
    SavedGame candidate{*m_game, m_shown_leg, m_cell};
    const int check_out = remaining_at(cell);
    if (check_out < 1 || is_impossible_visit(check_out) || check_out > darts * 60) {
        m_ports.beep();
        return false;
    }
    const auto cancel = [&] { *m_game = candidate.game; };
    if (player(p).ask_double == 1) {
        const int k = ask_double_darts(0, check_out, darts, -1);
        if (k == 255) {
            return false;
        }
        double_darts_entry(p, r) = static_cast<std::int8_t>(k);
    }
    LegRecord& l = leg();
    if (r == l.round && p != l.next_player && p != l.first_player) {
        l.first_player = p;
        m_ports.first_thrower_changed(true);
    }
    score_entry(p, r) = static_cast<std::int16_t>(-darts);
    player(p).remaining = 0;
    if (p == l.first_player) {
        l.next_player = other_player(p);
        l.round = r;
    } else {
        l.next_player = l.first_player;
        l.round = r + 1;
    }
    if (m_game->round_limit == 0) {
        l.rows = r + 1;
    } else if (l.rows > m_game->round) {
        l.rows = r >= m_game->round ? r + 1 : m_game->round;
    }
    const int answer = m_ports.notify_plugins(plugin_event_leg_won, -darts);
    if ((answer & plugin_answer_refuse) != 0) {
        cancel();
        return false;
    }
    if ((answer & plugin_answer_reread) != 0) {
        const int changed = -score_entry(p, r);
        if (changed < 1 || changed > 3) {
            cancel();
            m_ports.beep();
            return false;
        }
        darts = changed;
    }
    leg().finished = 1;
    m_view.hide_input_cell();
    m_view.repaint(0);
    record_game_shot_statistics(*m_game, m_shown_leg, p, darts, check_out);
    refresh_both();
    const bool confirmed =
        m_ports.confirm_game_shot(darts, leg().winning_darts, computer_caption, player(p).name);
    if (!confirmed) {
        cancel();
        place_input_cell(true, true);
        m_view.repaint(0);
        m_ports.first_thrower_changed(true);
        recompute_both();
        refresh_both();
        return false;
    }
    take_previous_copy(std::move(candidate));
    advance_to_next_leg();
    return true;
}

void ScoreSheet::take_previous_copy(std::optional<SavedGame> candidate) {
    m_previous = std::move(candidate);
    m_ports.enable_previous_leg(m_previous.has_value() && !computer_in_game());
}

void ScoreSheet::finish_with_darts(int darts) {
    if (shown_leg_finished()) {
        return;
    }
    const InputCell cell{m_cell.player, std::max(m_cell.round, 0)};
    if (player(cell.player).com_locked != 0 || remaining_at(cell) > 60 * darts) {
        m_ports.beep();
        return;
    }
    place_input_cell(false, true);
    game_shot(cell, darts, false);
}

bool ScoreSheet::typed_value(int& value) const {
    const std::string text = m_view.input_text();
    if (text.empty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    value = std::stoi(text);
    return true;
}

void ScoreSheet::input_left_score() {
    if (shown_leg_finished()) {
        return;
    }
    int typed = 0;
    if (player(m_cell.player).com_locked != 0 || !typed_value(typed)) {
        m_ports.beep();
        return;
    }
    const int value = remaining_at(m_cell) - typed;
    if (value < 0 || value > 180) {
        m_ports.beep();
        return;
    }
    m_view.set_input_text(std::to_string(value), false);
    m_view.set_input_modified(true);
    next_cell();
}

void ScoreSheet::enter_value(int value, bool display_only) {
    if (player(m_cell.player).com_locked != 0) {
        m_ports.beep();
        return;
    }
    plugin_enter_value(value, display_only);
}

bool ScoreSheet::plugin_enter_value(int value, bool display_only) {
    if (shown_leg_finished()) {
        return false;
    }
    if (value < 0) {
        return game_shot(m_cell, -value, player(m_cell.player).com_locked != 0);
    }
    if (value > 999) {
        m_ports.beep();
        return false;
    }
    m_view.set_input_text(std::to_string(value), false);
    m_view.set_input_modified(true);
    return display_only || next_cell();
}

void ScoreSheet::rewrite_input_entry(std::int16_t entry) {
    const InputCell cell{m_cell.player, std::max(m_cell.round, 0)};
    if (cell_in_leg(cell)) {
        score_entry(cell.player, cell.round) = entry;
    }
}

void ScoreSheet::exchange_scores() {
    if (player(0).com_locked != 0 || player(1).com_locked != 0) {
        m_ports.beep();
        return;
    }
    if (shown_leg_finished()) {
        return;
    }
    // The visits change hands, the start scores do not: with a handicap each player is left
    // with his own start score less the visits he now has. Visits worth more than a player's
    // start score cannot become his.
    const std::array<std::int64_t, 2> left = {
        std::int64_t{player(0).start_score} - points_scored(1),
        std::int64_t{player(1).start_score} - points_scored(0)};
    if (left[0] < 1 || left[1] < 1) {
        m_ports.beep();
        return;
    }
    if (!m_ports.ask_yes_no(Question::ExchangeScores)) {
        return;
    }
    LegRecord& l = leg();
    l.first_player = other_player(l.first_player);
    l.next_player = other_player(l.next_player);
    m_cell.player = other_player(m_cell.player);
    std::swap(l.scores[0], l.scores[1]);
    std::swap(m_game->darts_at_double[0], m_game->darts_at_double[1]);
    for (int p = 0; p < 2; ++p) {
        player(p).remaining = saturated(left[static_cast<std::size_t>(p)]);
        l.leg_remaining[static_cast<std::size_t>(p)] = player(p).remaining;
    }
    std::swap(l.leg_darts[0], l.leg_darts[1]);
    recompute_both();
    m_ports.first_thrower_changed(true);
    refresh_both();
    m_ports.player_to_throw(l.next_player);
    m_view.repaint(0);
    place_input_cell(true, true);
    m_ports.write_recovery(*m_game, RecoveryWrite::Complete, 0, 0);
}

std::int64_t ScoreSheet::points_scored(int p) const {
    return std::int64_t{m_game->players[static_cast<std::size_t>(p)].start_score} -
           remaining_score(*m_game, m_shown_leg, p, -1);
}

void ScoreSheet::clear_scores() {
    if (player(0).com_locked != 0 || player(1).com_locked != 0) {
        m_ports.beep();
        return;
    }
    // The last game of a schedule has ended: a new game or schedule follows it, not a leg.
    if (is_finished_last_game(*m_game)) {
        m_ports.beep();
        return;
    }
    if (!m_game->has_current_leg() || !m_ports.ask_yes_no(Question::ClearScores)) {
        return;
    }
    m_shown_leg = m_game->leg_index;
    reset_current_leg();
    for (auto& s : leg().scores) {
        std::fill(s.begin(), s.end(), 0);
    }
    for (auto& d : m_game->darts_at_double) {
        std::fill(d.begin(), d.end(), 0);
    }
    write_leg_start_recovery();
    announce_leg();
    recompute_both();
    refresh_both();
}

void ScoreSheet::apply_computer_result() {
    if (shown_leg_finished()) {
        return;
    }
    const int p = leg().next_player;
    const int result = player(p).com_result;
    if (result == -5) {
        leg().finished = 1;
        m_view.hide_input_cell();
        m_view.set_input_text("", false);
        // A stopped leg stays finished, after a restart as well.
        m_ports.write_recovery(*m_game, RecoveryWrite::Complete, 0, 0);
        return;
    }
    m_cell = InputCell{p, leg().round};
    if (result < 0) {
        game_shot(m_cell, -result, true);
        return;
    }
    m_view.set_input_text(std::to_string(std::min(result, 180)), false);
    m_view.set_input_modified(true);
    next_cell();
    player(p).com_result = 0;
}

void ScoreSheet::recompute_both() {
    for (int p = 0; p < 2; ++p) {
        recompute_leg_statistics(*m_game, m_game->leg_index, p, -1);
    }
}

void ScoreSheet::refresh_both() {
    m_ports.refresh_player(0, false);
    m_ports.refresh_player(1, false);
}

} // namespace dvk
