#include "match/score_sheet.h"
#include "match/statistics.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace dvk {

void ScoreSheet::reset_current_leg() {
    LegRecord& l = leg();
    const int first = is_player(l.first_player) ? l.first_player : 0;
    auto scores = std::move(l.scores);
    l = LegRecord{};
    l.scores = std::move(scores);
    l.first_player = first;
    l.next_player = first;
    l.round = 0;
    l.capacity = initial_leg_capacity(m_game->round_limit, m_game->round);
    l.rows = initial_leg_rows(m_game->round_limit, m_game->round);
    const auto entries = static_cast<std::size_t>(l.capacity) + 1;
    for (auto& s : l.scores) {
        s.resize(entries, 0);
        s[0] = 0;
    }
    for (auto& d : m_game->darts_at_double) {
        d.resize(entries, 0);
    }
    for (int p = 0; p < 2; ++p) {
        l.leg_remaining[static_cast<std::size_t>(p)] = player(p).start_score;
        player(p).remaining = player(p).start_score;
    }
    m_cell = InputCell{first, 0};
    m_top = 0;
}

void ScoreSheet::write_leg_start_recovery() {
    m_ports.write_recovery(
        *m_game, m_game->leg_index > 0 ? RecoveryWrite::NewLeg : RecoveryWrite::Complete, 0, 0);
}

void ScoreSheet::announce_leg() {
    update_scroll_range();
    m_view.repaint(0);
    m_ports.first_thrower_changed(false);
    m_ports.refresh_player(0, true);
    m_ports.refresh_player(1, false);
    const LegRecord& l = leg();
    m_ports.player_to_throw(l.next_player);
    if (m_game->leg_index == 0) {
        m_ports.notify_plugins(plugin_event_game_start, m_game->game_index);
    }
    m_ports.notify_plugins(plugin_event_leg_start, m_game->leg_index);
    place_input_cell(true, true);
    if (l.finished == 0 && player(l.next_player).com != 0) {
        m_ports.start_computer_turn();
    }
}

void ScoreSheet::start_leg(bool fresh, bool new_match) {
    if (set_up_leg(fresh, new_match)) {
        announce_leg();
    }
}

bool ScoreSheet::set_up_leg(bool fresh, bool new_match) {
    if (!m_game->has_current_leg()) {
        return false;
    }
    m_shown_leg = m_game->leg_index;
    if (new_match) {
        m_previous.reset();
        m_forward.reset();
        m_ports.enable_previous_leg(false);
    }
    if (m_forward.has_value() && !fresh) {
        restore_forward();
    } else {
        reset_current_leg();
        write_leg_start_recovery();
    }
    return true;
}

void ScoreSheet::restore_forward() {
    SavedGame forward = std::move(*m_forward);
    m_forward.reset();
    const auto saved_leg = static_cast<std::size_t>(forward.shown_leg);
    if (saved_leg < forward.game.legs.size()) {
        leg() = std::move(forward.game.legs[saved_leg]);
    }
    m_game->darts_at_double = std::move(forward.game.darts_at_double);
    for (int p = 0; p < 2; ++p) {
        player(p).remaining = forward.game.players[static_cast<std::size_t>(p)].remaining;
    }
    m_cell = forward.cell;
    m_ports.write_recovery(*m_game, RecoveryWrite::Complete, 0, 0);
    recompute_both();
    m_top = 0;
}

bool ScoreSheet::next_leg() {
    GameRecord& g = *m_game;
    const LegRecord& previous = g.legs.back();
    ++g.leg_index;
    m_ports.leg_finished(g);
    if (m_settings.auto_save == 1) {
        m_ports.auto_save(g);
    }
    try {
        LegRecord fresh = LegRecord::with_capacity(initial_leg_capacity(g.round_limit, g.round),
                                                   initial_leg_rows(g.round_limit, g.round));
        fresh.first_player = other_player(previous.first_player);
        fresh.next_player = fresh.first_player;
        g.legs.push_back(std::move(fresh));
        for (auto& d : g.darts_at_double) {
            d.assign(static_cast<std::size_t>(g.legs.back().capacity) + 1, 0);
        }
    } catch (const std::bad_alloc&) {
        m_ports.show_error(std::strerror(ENOMEM));
        --g.leg_index;
        return false;
    }
    // Told once the next leg exists, so that every leg a plug-in can index is there.
    m_ports.notify_plugins(plugin_event_leg_end, g.leg_index - 1);
    const bool limited = g.leg_limit == 1 && g.max_leg > 0;
    const auto decided = [&](const PlayerBlock& p) { return p.legs_won >= g.max_leg / 2 + 1; };
    const bool over =
        limited && (g.leg_index >= g.max_leg ||
                    (g.best_of == 1 && (decided(g.players[0]) || decided(g.players[1]))));
    if (!over) {
        return true;
    }
    if (g.players[0].legs_won != g.players[1].legs_won) {
        count_one(g.players[g.players[0].legs_won > g.players[1].legs_won ? 0 : 1].sets_won);
    }
    m_ports.notify_plugins(plugin_event_game_end, g.game_index);
    m_ports.game_over();
    return false;
}

void ScoreSheet::draw_at_round_limit() {
    LegRecord& l = leg();
    l.finished = 1;
    l.rows = std::max(l.rows - 1, 1);
    m_view.hide_input_cell();
    m_view.repaint(0);
    m_ports.show_leg_drawn();
    m_previous.reset();
    m_ports.enable_previous_leg(false);
    advance_to_next_leg();
}

void ScoreSheet::advance_to_next_leg() {
    if (next_leg()) {
        start_leg(false, false);
    }
}

bool ScoreSheet::middle_for_diddle() {
    if (shown_leg_finished()) {
        return false;
    }
    SavedGame candidate{*m_game, m_shown_leg, m_cell};
    const auto cancel = [&] {
        *m_game = candidate.game;
        place_input_cell(true, true);
    };
    leg().finished = 1;
    m_view.hide_input_cell();
    const auto caption = [&](int p) {
        return player(p).com != 0 ? std::string("COM") : player(p).name;
    };
    const int chosen = m_ports.choose_diddle_winner(caption(0), caption(1));
    if (!is_player(chosen) ||
        (m_ports.notify_plugins(plugin_event_leg_won, 0) & plugin_answer_refuse) != 0) {
        cancel();
        return false;
    }
    LegRecord& l = leg();
    l.winner = chosen;
    const int rounds = m_game->round_limit == 1 ? std::max(m_game->round, l.round) : l.round;
    if (l.first_player == l.next_player && (m_game->round_limit == 0 || m_game->round < l.rows)) {
        l.rows = std::max(l.rows - 1, 1);
        m_view.repaint(0);
    }
    PlayerBlock& w = player(chosen);
    count_one(w.legs_won);
    const int darts = saturated(3 * std::int64_t{rounds} + 1);
    if (w.game.best_leg == 0 || darts < w.game.best_leg) {
        w.game.best_leg = darts;
    }
    w.game.worst_leg = std::max(w.game.worst_leg, darts);
    l.winning_darts = darts;
    count_keep_or_break(w, player(other_player(chosen)), chosen == l.first_player);
    recompute_leg_statistics(*m_game, m_shown_leg, chosen, -1);
    m_ports.refresh_player(chosen, false);
    if (!m_ports.confirm_check_in(darts, caption(chosen))) {
        cancel();
        m_view.repaint(0);
        recompute_both();
        refresh_both();
        return false;
    }
    take_previous_copy(std::move(candidate));
    advance_to_next_leg();
    return true;
}

void ScoreSheet::middle_for_diddle_command() {
    if (shown_leg_finished()) {
        return;
    }
    place_input_cell(false, true);
    int value = 0;
    if (m_view.input_modified() && typed_value(value) && !commit_visit(m_cell, value)) {
        return;
    }
    middle_for_diddle();
}

void ScoreSheet::previous_leg() {
    const bool refused =
        !m_previous.has_value() || m_previous->game.players[0].com != 0 ||
        m_previous->game.players[1].com != 0 ||
        (m_ports.notify_plugins(plugin_event_previous_leg, 0) & plugin_answer_refuse) != 0;
    if (refused) {
        m_ports.beep();
        return;
    }
    if (!m_ports.ask_yes_no(Question::PreviousLeg)) {
        return;
    }
    m_forward = SavedGame{*m_game, m_shown_leg, m_cell};
    // The game being left is in the history when it is a new game's first leg, or when it is
    // the finished last game of a schedule; the restored copy will be stored again when its
    // leg is won again.
    if (m_game->leg_index == 0 || m_game->stored != 0) {
        m_ports.drop_last_stored_game();
    }
    SavedGame previous = std::move(*m_previous);
    m_previous.reset();
    *m_game = std::move(previous.game);
    m_shown_leg = std::clamp(previous.shown_leg, 0, std::max(m_game->leg_index, 0));
    m_cell = previous.cell;
    m_ports.enable_previous_leg(false);
    m_ports.write_recovery(*m_game, RecoveryWrite::Complete, 0, 0);
    m_ports.legs_reopened(*m_game);
    m_top = 0;
    update_scroll_range();
    place_input_cell(true, true);
    m_view.repaint(0);
    m_ports.first_thrower_changed(false);
    recompute_both();
    m_ports.refresh_player(0, true);
    m_ports.refresh_player(1, false);
}

bool is_finished_last_game(const GameRecord& game) {
    return game.stored != 0 && game.leg_index > 0 && game.has_current_leg();
}

void ScoreSheet::show_finished_game() {
    if (!is_finished_last_game(*m_game)) {
        return;
    }
    m_shown_leg = m_game->leg_index - 1;
    const LegRecord& l = leg();
    m_cell = InputCell{is_player(l.winner) ? l.winner : 0, std::max(l.rows - 1, 0)};
    m_top = 0;
    m_view.set_input_text("", false);
    update_scroll_range();
    m_view.repaint(0);
    // The leg after the last one was added but never started: it names who would throw first.
    m_ports.first_thrower_changed(false);
    m_ports.refresh_player(0, true);
    m_ports.refresh_player(1, false);
    m_ports.player_to_throw(m_game->current_leg().next_player);
    place_input_cell(false, true);
}

bool ScoreSheet::take_recovered_game() {
    if (!m_game->has_current_leg()) {
        return false;
    }
    if (is_finished_last_game(*m_game)) {
        const LegRecord& l = m_game->legs[static_cast<std::size_t>(m_game->leg_index) - 1];
        // A finished leg keeps what each player had left when it ended.
        for (int p = 0; p < 2; ++p) {
            player(p).remaining = l.leg_remaining[static_cast<std::size_t>(p)];
        }
        return false;
    }
    m_shown_leg = m_game->leg_index;
    LegRecord& l = leg();
    m_cell = InputCell{is_player(l.next_player) ? l.next_player : 0, l.round};
    for (int p = 0; p < 2; ++p) {
        const auto i = static_cast<std::size_t>(p);
        player(p).remaining = remaining_score(*m_game, m_shown_leg, p, -1);
        l.leg_remaining[i] = player(p).remaining;
        l.leg_darts[i] = saturated(3 * std::int64_t{l.round});
    }
    if (l.first_player != l.next_player && is_player(l.first_player)) {
        add_to(l.leg_darts[static_cast<std::size_t>(l.first_player)], 3);
    }
    recompute_both();
    return true;
}

} // namespace dvk
