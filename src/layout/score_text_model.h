#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace dvk {

// What an edit operation did, so that the window only has to translate it: repaint, beep or
// tell its parent that the caret tried to leave the text.
enum class EditOutcome {
    Nothing,   // no visible change
    Changed,   // text, caret, selection or mode changed: repaint
    Refused,   // the input was not allowed: beep, nothing changed
    LeftEdge,  // Left was pressed at the start of the text
    RightEdge, // Right was pressed at the end of the text
};

struct CutResult {
    EditOutcome outcome = EditOutcome::Nothing;
    std::u32string text; // for the clipboard; empty when nothing was cut
};

// The text of the score input cell: digits only, an optional length limit, insert and overwrite
// modes, a caret with a selection, and undo and redo.
//
// Consecutive typing forms one pending insertion run, and consecutive Delete or Backspace presses
// at one place form one pending deletion run. A pending run becomes undo steps only when it is
// committed (by a caret move, an edit of the other kind, undo, redo, copy, select all), so a
// single undo takes back a whole run. Positions are character indexes into the text as shown.
class ScoreTextModel {
public:
    const std::u32string& text() const { return m_text; }
    std::size_t caret() const { return m_caret; }
    std::size_t anchor() const { return m_anchor; }
    std::size_t selection_start() const { return std::min(m_caret, m_anchor); }
    std::size_t selection_end() const { return std::max(m_caret, m_anchor); }
    bool has_selection() const { return m_caret != m_anchor; }
    std::u32string selected_text() const;

    // Replaces the text (any characters, the limit is not applied) and forgets the undo history,
    // the pending run and the modified flag; caret and selection go to the start.
    void set_text(std::u32string text);

    // 0 means no limit.
    void set_limit(std::size_t limit) { m_limit = limit; }
    std::size_t limit() const { return m_limit; }

    bool read_only() const { return m_read_only; }
    void set_read_only(bool read_only) { m_read_only = read_only; }

    bool insert_mode() const { return m_insert_mode; }
    EditOutcome toggle_insert_mode();

    bool is_modified() const { return m_modified; }
    void set_modified(bool modified);

    // Typing rules: one typed character (insert or overwrite mode) or a pasted text (always
    // inserted). Anything but the digits 0 to 9, or a text that would pass the limit, is refused.
    EditOutcome type(char32_t character);
    EditOutcome paste(const std::u32string& text);

    EditOutcome backspace();
    EditOutcome delete_forward();
    // Deletes the selection, if any.
    EditOutcome clear();
    // The selected text, for the clipboard; empty without a selection.
    std::u32string copy();
    CutResult cut();

    // Caret keys. Without `extend` the selection collapses; with it the anchor stays.
    EditOutcome move_home(bool extend);
    EditOutcome move_end(bool extend);
    EditOutcome move_left(bool extend);
    EditOutcome move_right(bool extend);
    EditOutcome select_all();

    // Mouse: a left click (extending the selection with Shift), a drag with the button held,
    // and a right click, which keeps a selection that contains the position.
    EditOutcome place_caret(std::size_t position, bool extend);
    EditOutcome drag_caret(std::size_t position);
    EditOutcome point_at(std::size_t position);

    bool can_undo() const;
    bool can_redo() const;
    EditOutcome undo();
    EditOutcome redo();

    // Turns the pending run into undo steps.
    void commit();

private:
    enum class StepKind { Insertion, Deletion };
    struct UndoStep {
        StepKind kind;
        std::size_t position;
        std::u32string text; // the inserted or deleted characters
    };
    enum class RunKind { None, Insertion, Deletion };

    bool fits_limit(std::size_t added, bool overwriting) const;
    EditOutcome insert_text(const std::u32string& text, bool overwrite);
    EditOutcome delete_range(std::size_t start, std::size_t length);
    EditOutcome set_caret_and_anchor(std::size_t caret, std::size_t anchor);
    EditOutcome apply_step(const UndoStep& step, bool forward);
    void record(StepKind kind, std::size_t position, std::u32string text);
    void mark_modified();

    std::u32string m_text;
    std::size_t m_limit = 0;
    std::size_t m_caret = 0;
    std::size_t m_anchor = 0;
    bool m_read_only = false;
    bool m_insert_mode = true;
    bool m_modified = false;

    // The pending run. An insertion run's characters are m_text[m_run_position, + m_run_length)
    // and m_run_text holds what it overwrote; a deletion run's characters are in m_run_text.
    RunKind m_run = RunKind::None;
    std::size_t m_run_position = 0;
    std::size_t m_run_length = 0;
    std::u32string m_run_text;

    std::vector<UndoStep> m_steps;
    std::size_t m_undo_position = 0;  // steps below are done; steps at and above can be redone
    std::size_t m_saved_position = 0; // undo position at which the text was last unmodified
};

} // namespace dvk
