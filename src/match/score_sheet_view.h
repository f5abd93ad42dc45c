#pragma once

#include <string>

namespace dvk {

// What the score sheet needs from the score list window and its edit control. Rows are screen
// rows: 0 is the first row under the header.
class ScoreSheetView {
public:
    virtual ~ScoreSheetView() = default;

    // The edit control of the input cell.
    virtual std::string input_text() const = 0;
    virtual bool input_modified() const = 0;
    // Replaces the text (not modified); `select_all` selects it for overtyping.
    virtual void set_input_text(const std::string& text, bool select_all) = 0;
    virtual void set_input_modified(bool modified) = 0;

    // Shows the input cell over the Scored cell of `player` at `screen_row`, or hides it.
    virtual void show_input_cell(int player, int screen_row, bool read_only) = 0;
    virtual void hide_input_cell() = 0;

    // Repaints from `screen_row` down to the open round; 0 repaints the whole list.
    virtual void repaint(int screen_row) = 0;
    // The list scrolled from `old_top` to `new_top` (display rows).
    virtual void scrolled(int old_top, int new_top) = 0;
    virtual void scroll_range_changed() = 0;
};

} // namespace dvk
