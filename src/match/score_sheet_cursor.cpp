#include "match/score_sheet.h"

#include <algorithm>
#include <string>

namespace dvk {

int ScoreSheet::input_screen_row() const {
    return screen_row_of(std::max(m_cell.round, 0));
}

void ScoreSheet::set_top(int top) {
    top = std::clamp(top, 0, std::max(m_largest_top, 0));
    if (top == m_top) {
        return;
    }
    const int old = m_top;
    m_top = top;
    m_view.scrolled(old, m_top);
}

void ScoreSheet::set_rows_per_page(int rows) {
    m_rows_per_page = std::max(rows, 0);
    update_scroll_range();
}

void ScoreSheet::update_scroll_range() {
    const int rows = has_shown_leg() ? leg().rows : 0;
    if (m_rows_per_page < rows + 1) {
        m_largest_top = rows - m_rows_per_page + 1;
        m_top = std::min(m_top, m_largest_top);
    } else {
        m_largest_top = 0;
        m_top = 0;
    }
    m_view.scroll_range_changed();
}

void ScoreSheet::place_input_cell(bool reload, bool bring_into_view) {
    if (!has_shown_leg()) {
        m_view.hide_input_cell();
        return;
    }
    const bool finished = shown_leg_finished();
    if (bring_into_view && !finished) {
        const int row = screen_row_of(m_cell.round);
        if (row < 0) {
            set_top(m_cell.round + 1);
        } else if (m_rows_per_page > 0 && row >= m_rows_per_page) {
            set_top(std::min(m_cell.round + 2 - m_rows_per_page, m_largest_top));
        }
    }
    m_cell.round = std::max(m_cell.round, 0);
    if (reload && !finished) {
        const std::int16_t entry = leg().score(m_cell.player, m_cell.round);
        const bool empty = is_open_cell(m_cell) || entry < 0;
        m_view.set_input_text(empty ? std::string() : std::to_string(entry), !empty);
    }
    const int row = input_screen_row();
    if (row < 0 || (m_rows_per_page > 0 && row > m_rows_per_page) || finished) {
        m_view.hide_input_cell();
        if (finished) {
            m_view.set_input_text("", false);
        }
        return;
    }
    m_view.show_input_cell(m_cell.player, row, player(m_cell.player).com_locked != 0);
    if (reload) {
        m_ports.notify_plugins(plugin_event_input_cell, 0);
    }
}

bool ScoreSheet::move_to(InputCell cell) {
    if (!has_shown_leg() || !is_player(cell.player) || cell.round < -1 ||
        cell.round >= leg().rows || cell.round > leg().round || cell == m_cell) {
        return false;
    }
    m_cell = cell;
    return true;
}

bool ScoreSheet::plugin_move(bool commit, std::uint32_t cell) {
    if (!has_shown_leg() || shown_leg_finished()) {
        return false;
    }
    if (commit && !leave_cell()) {
        place_input_cell(false, true);
        return false;
    }
    InputCell target = m_cell;
    const std::uint32_t column = cell & 0xFFFFU;
    if (column != 0xFFFFU) {
        target.player = static_cast<int>(column);
    }
    if (cell < 0xFFFF0000U) {
        target.round = static_cast<int>(cell >> 16U);
    }
    if (!move_to(target)) {
        return false;
    }
    place_input_cell(true, true);
    return true;
}

bool ScoreSheet::leave_cell() {
    int value = 0;
    const std::string text = m_view.input_text();
    if (!text.empty() && m_view.input_modified()) {
        if (!typed_value(value)) {
            m_ports.beep();
            return false;
        }
        return commit_visit(m_cell, value);
    }
    return !(text.empty() && m_cell.round != leg().round);
}

bool ScoreSheet::next_cell() {
    if (shown_leg_finished()) {
        return false;
    }
    if (!leave_cell()) {
        if (!shown_leg_finished()) {
            place_input_cell(false, true);
        }
        return false;
    }
    if (m_view.input_text().empty()) {
        return true;
    }
    const LegRecord& l = leg();
    const int round = m_cell.player == l.first_player ? m_cell.round : m_cell.round + 1;
    move_to(InputCell{other_player(m_cell.player), round});
    place_input_cell(true, true);
    return true;
}

void ScoreSheet::previous_cell() {
    if (shown_leg_finished() || !leave_cell()) {
        return;
    }
    const LegRecord& l = leg();
    const int round = m_cell.player == l.first_player ? m_cell.round - 1 : m_cell.round;
    if (round < 0) {
        return;
    }
    move_to(InputCell{other_player(m_cell.player), round});
    place_input_cell(true, true);
}

void ScoreSheet::move_up() {
    move_rounds(-1);
}

void ScoreSheet::move_down() {
    move_rounds(1);
}

void ScoreSheet::move_rounds(int rounds) {
    if (shown_leg_finished()) {
        scroll(rounds < 0 ? ScrollCommand::LineUp : ScrollCommand::LineDown);
        return;
    }
    place_input_cell(false, true);
    if (leave_cell() && move_to(InputCell{m_cell.player, m_cell.round + rounds})) {
        place_input_cell(true, true);
    }
}

void ScoreSheet::page_up() {
    move_page(-1);
}

void ScoreSheet::page_down() {
    move_page(1);
}

void ScoreSheet::move_page(int direction) {
    const ScrollCommand command = direction < 0 ? ScrollCommand::PageUp : ScrollCommand::PageDown;
    const bool open_round_above =
        !shown_leg_finished() && m_cell.round == leg().round && screen_row_of(leg().round) < 0;
    if (shown_leg_finished() || open_round_above) {
        scroll(command);
        return;
    }
    place_input_cell(false, true);
    if (!leave_cell()) {
        return;
    }
    scroll(command);
    const int step = m_rows_per_page - 1;
    const int round = direction < 0 ? std::max(m_cell.round - step, -1)
                                    : std::min(m_cell.round + step, leg().round);
    move_to(InputCell{m_cell.player, round});
    place_input_cell(true, false);
}

void ScoreSheet::home() {
    if (shown_leg_finished()) {
        scroll(ScrollCommand::Top);
        return;
    }
    if (leave_cell()) {
        move_to(InputCell{leg().first_player, -1});
        place_input_cell(true, true);
    }
}

void ScoreSheet::end() {
    if (shown_leg_finished()) {
        scroll(ScrollCommand::Bottom);
        return;
    }
    if (leave_cell()) {
        move_to(InputCell{leg().next_player, leg().round});
        place_input_cell(true, true);
    }
}

void ScoreSheet::escape() {
    if (shown_leg_finished()) {
        return;
    }
    const LegRecord& l = leg();
    if (l.round < l.rows) {
        m_cell = InputCell{l.next_player, l.round};
        place_input_cell(true, true);
    }
}

void ScoreSheet::left_edge() {
    if (shown_leg_finished() || m_cell.player == 0) {
        return;
    }
    if (leave_cell() && move_to(InputCell{0, m_cell.round})) {
        place_input_cell(true, true);
    }
}

void ScoreSheet::right_edge() {
    if (shown_leg_finished() || m_cell.player == 1) {
        return;
    }
    if (leave_cell() && move_to(InputCell{1, m_cell.round})) {
        place_input_cell(true, true);
    }
}

void ScoreSheet::click(int column_player, int screen_row) {
    if (m_input_disabled || shown_leg_finished() || !leave_cell()) {
        return;
    }
    if (!is_player(column_player) || screen_row < 0) {
        return;
    }
    const int round = std::min(screen_row + m_top - 1, leg().round);
    if (round >= leg().rows) {
        return;
    }
    if (move_to(InputCell{column_player, round})) {
        place_input_cell(true, true);
    }
}

void ScoreSheet::scroll(ScrollCommand command) {
    // A view-only sheet takes no input but still scrolls: the leg it shows may be longer than
    // the window.
    if (m_input_disabled && !m_view_only) {
        return;
    }
    const int page = m_rows_per_page;
    int top = m_top;
    switch (command) {
    case ScrollCommand::LineUp:
        top = std::max(m_top - 1, 0);
        break;
    case ScrollCommand::LineDown:
        top = std::min(m_top + 1, m_largest_top);
        break;
    case ScrollCommand::PageUp:
        top = m_top < page ? 0 : m_top - page + 1;
        break;
    case ScrollCommand::PageDown:
        top = std::min(m_top + page - 1, m_largest_top);
        break;
    case ScrollCommand::Top:
        top = 0;
        break;
    case ScrollCommand::Bottom:
        top = m_largest_top;
        break;
    }
    scroll_to(top);
}

void ScoreSheet::scroll_to(int top) {
    set_top(top);
    place_input_cell(false, false);
}

void ScoreSheet::set_view_only(bool view_only) {
    m_view_only = view_only;
    update_scroll_range();
    m_view.repaint(0);
    place_input_cell(false, true);
}

void ScoreSheet::set_input_disabled(bool disabled) {
    m_input_disabled = disabled;
}

void ScoreSheet::show_leg(int leg_index) {
    if (leg_index < 0 || static_cast<std::size_t>(leg_index) >= m_game->legs.size()) {
        return;
    }
    m_shown_leg = leg_index;
    m_top = 0;
    update_scroll_range();
    m_view.repaint(0);
    place_input_cell(true, true);
}

} // namespace dvk
