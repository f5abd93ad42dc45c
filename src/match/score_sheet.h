#pragma once

#include "match/match_ports.h"
#include "match/score_sheet_view.h"
#include "model/game_record.h"
#include "settings/app_options.h"

#include <optional>
#include <vector>

namespace dvk {

// A cell of the shown leg: player column and round index (-1 shows the start-score row).
struct InputCell {
    int player = 0;
    int round = 0;
    bool operator==(const InputCell&) const = default;
};

// A deep copy of a game with the leg and input cell shown when it was taken.
struct SavedGame {
    GameRecord game;
    int shown_leg = 0;
    InputCell cell;
};

// Scroll commands of the list, as the scroll bar sends them.
enum class ScrollCommand { LineUp, LineDown, PageUp, PageDown, Top, Bottom };

// The state the score list keeps for the leg it shows and every rule of entering scores,
// moving the input cell and moving the match forward from leg to leg. It works on a game
// record it does not own and reaches the world through its ports.
class ScoreSheet {
public:
    ScoreSheet(GameRecord& game, const AppOptions& settings, MatchPorts& ports,
               ScoreSheetView& view);

    const GameRecord& game() const { return *m_game; }
    int shown_leg() const { return m_shown_leg; }
    InputCell input_cell() const { return m_cell; }
    int top() const { return m_top; }
    int largest_top() const { return m_largest_top; }
    int rows_per_page() const { return m_rows_per_page; }
    bool has_previous_leg() const { return m_previous.has_value(); }
    bool forward_restore_pending() const { return m_forward.has_value(); }
    // The copies "Previous Leg" restores and leaving the previous leg brings back.
    const std::optional<SavedGame>& previous_copy() const { return m_previous; }
    const std::optional<SavedGame>& forward_copy() const { return m_forward; }
    bool input_disabled() const { return m_input_disabled; }
    bool view_only() const { return m_view_only; }

    // Score entry.
    bool commit_visit(InputCell cell, int value);
    bool game_shot(InputCell cell, int darts, bool computer_caption);
    void finish_with_darts(int darts);
    void input_left_score();
    void enter_value(int value, bool display_only);
    // True when the value was carried out: shown, or entered and accepted.
    bool plugin_enter_value(int value, bool display_only);
    // A plug-in rewrote the entry of the input cell while told of a visit or a win; the
    // commit that told it checks the new entry.
    void rewrite_input_entry(std::int16_t entry);
    void exchange_scores();
    void clear_scores();
    void apply_computer_result();

    // Progression.
    void start_leg(bool fresh, bool new_match);
    // start_leg() in two steps: the leg is set up (false when the game has no current leg),
    // then shown, which tells the plug-ins of the game, the leg and the input cell.
    bool set_up_leg(bool fresh, bool new_match);
    void announce_leg();
    bool next_leg();
    void previous_leg();
    bool middle_for_diddle();
    void middle_for_diddle_command();
    // Takes the game read from the recovery file without showing it: true when its current leg
    // is to be shown (announce_leg), false when the game has no current leg or is the finished
    // last game of a schedule, which show_finished_game() shows.
    bool take_recovered_game();
    // Shows the last game of a schedule, which has ended, with its last leg finished.
    void show_finished_game();

    // Cursor commands and scrolling. next_cell() answers whether the cell was left.
    bool next_cell();
    void previous_cell();
    void move_up();
    void move_down();
    void page_up();
    void page_down();
    void home();
    void end();
    void escape();
    void left_edge();
    void right_edge();
    void click(int column_player, int screen_row);
    void scroll(ScrollCommand command);
    void scroll_to(int top);
    bool move_to(InputCell cell);
    // A plug-in moves the input cell: `cell` holds the player in its low 16 bits (0xFFFF
    // keeps it) and the round in its high 16 bits (a value of 0xFFFF0000 or more keeps it);
    // `commit` leaves the cell first. True when the cell moved.
    bool plugin_move(bool commit, std::uint32_t cell);
    void place_input_cell(bool reload, bool bring_into_view);

    // Layout: whole rows that fit under the header.
    void set_rows_per_page(int rows);
    void update_scroll_range();
    void set_view_only(bool view_only);
    void set_input_disabled(bool disabled);
    void show_leg(int leg_index);

    // Remaining score before the visit of a cell.
    int remaining_at(InputCell cell) const;
    bool is_open_cell(InputCell cell) const;
    bool shown_leg_finished() const;

private:
    LegRecord& leg() { return m_game->legs.at(static_cast<std::size_t>(m_shown_leg)); }
    const LegRecord& leg() const { return m_game->legs.at(static_cast<std::size_t>(m_shown_leg)); }
    PlayerBlock& player(int p) { return m_game->players[static_cast<std::size_t>(p)]; }
    std::int8_t& double_darts_entry(int p, int round);
    std::int16_t& score_entry(int p, int round);
    bool cell_in_leg(InputCell cell) const;
    // Points the player's visits in the shown leg add up to.
    std::int64_t points_scored(int p) const;
    bool has_shown_leg() const {
        return m_shown_leg >= 0 && static_cast<std::size_t>(m_shown_leg) < m_game->legs.size();
    }

    int ask_double_darts(int after, int before, int finishing_darts, int preset);
    void pass_turn(int p, int r, bool& leg_decided);
    bool grow_leg(LegRecord& leg);
    void after_visit_statistics(int p, int r);
    bool computer_in_game() const;
    void draw_at_round_limit();
    void advance_to_next_leg();
    void restore_forward();
    void reset_current_leg();
    void write_leg_start_recovery();
    void recompute_both();
    void refresh_both();
    void take_previous_copy(std::optional<SavedGame> candidate);

    bool leave_cell();
    void move_rounds(int rounds);
    void move_page(int direction);
    bool typed_value(int& value) const;
    int screen_row_of(int round) const { return round - m_top + 1; }
    int input_screen_row() const;
    void set_top(int top);

    GameRecord* m_game;
    const AppOptions& m_settings;
    MatchPorts& m_ports;
    ScoreSheetView& m_view;

    int m_shown_leg = 0;
    InputCell m_cell;
    int m_top = 0;
    int m_largest_top = 0;
    int m_rows_per_page = 0;
    bool m_view_only = false;
    bool m_input_disabled = false;
    std::optional<SavedGame> m_previous;
    std::optional<SavedGame> m_forward;
};

// The last game of a schedule that has ended: it was stored and stays on the screen with its
// last leg finished, while the leg after it was added but never started.
bool is_finished_last_game(const GameRecord& game);

// Darts a visit can have thrown at a double, from the remaining scores after and before it and
// the darts of a finishing visit.
int max_double_darts(int after, int before, int finishing_darts);

} // namespace dvk
