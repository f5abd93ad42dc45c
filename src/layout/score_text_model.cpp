#include "layout/score_text_model.h"

#include <limits>
#include <utility>

namespace dvk {
namespace {

bool is_digit(char32_t character) {
    return character >= U'0' && character <= U'9';
}

// A saved position that no undo or redo can reach any more.
constexpr std::size_t unreachable = std::numeric_limits<std::size_t>::max();

} // namespace

std::u32string ScoreTextModel::selected_text() const {
    return m_text.substr(selection_start(), selection_end() - selection_start());
}

void ScoreTextModel::set_text(std::u32string text) {
    m_text = std::move(text);
    m_run = RunKind::None;
    m_run_length = 0;
    m_run_text.clear();
    m_steps.clear();
    m_undo_position = 0;
    m_saved_position = 0;
    m_modified = false;
    m_caret = 0;
    m_anchor = 0;
}

EditOutcome ScoreTextModel::toggle_insert_mode() {
    m_insert_mode = !m_insert_mode;
    return EditOutcome::Changed;
}

void ScoreTextModel::set_modified(bool modified) {
    if (!modified) {
        // Undo and redo compare against the text as it is now, so the pending run must already
        // be a step of its own.
        commit();
        m_saved_position = m_undo_position;
    }
    m_modified = modified;
}

EditOutcome ScoreTextModel::type(char32_t character) {
    if (m_read_only || !is_digit(character)) {
        return EditOutcome::Refused;
    }
    return insert_text(std::u32string(1, character), !m_insert_mode);
}

EditOutcome ScoreTextModel::paste(const std::u32string& text) {
    if (m_read_only) {
        return EditOutcome::Refused;
    }
    if (text.empty()) {
        return EditOutcome::Nothing;
    }
    if (!std::all_of(text.begin(), text.end(), is_digit)) {
        return EditOutcome::Refused;
    }
    return insert_text(text, false);
}

bool ScoreTextModel::fits_limit(std::size_t added, bool overwriting) const {
    if (m_limit == 0) {
        return true;
    }
    const std::size_t selected = selection_end() - selection_start();
    // Once the selection is gone the caret sits at its start; it is at the end of the text
    // exactly when the selection reaches the end.
    const bool caret_at_end = selection_end() == m_text.size();
    if (!overwriting && m_text.size() + added - selected > m_limit) {
        return false;
    }
    if (overwriting && !caret_at_end && m_text.size() >= m_limit + added) {
        return false;
    }
    return !(caret_at_end && m_text.size() - selected >= m_limit);
}

EditOutcome ScoreTextModel::insert_text(const std::u32string& text, bool overwrite) {
    if (!fits_limit(text.size(), overwrite)) {
        return EditOutcome::Refused;
    }
    const bool replaced_selection = has_selection();
    if (replaced_selection) {
        delete_range(selection_start(), selection_end() - selection_start());
    }
    const bool continues_run =
        m_run == RunKind::Insertion && m_caret == m_run_position + m_run_length;
    if (m_run != RunKind::None && !continues_run) {
        commit();
    }
    if (m_run == RunKind::None) {
        m_run = RunKind::Insertion;
        m_run_position = m_caret;
        m_run_length = 0;
        m_run_text.clear();
    }
    m_text.insert(m_caret, text);
    m_run_length += text.size();
    m_caret += text.size();
    if (overwrite && !replaced_selection) {
        const std::size_t replaced = std::min(text.size(), m_text.size() - m_caret);
        m_run_text += m_text.substr(m_caret, replaced);
        m_text.erase(m_caret, replaced);
    }
    m_anchor = m_caret;
    mark_modified();
    return EditOutcome::Changed;
}

EditOutcome ScoreTextModel::delete_range(std::size_t start, std::size_t length) {
    if (length == 0 || start >= m_text.size() || length > m_text.size() - start) {
        return EditOutcome::Nothing;
    }
    const std::size_t end = start + length;
    const bool joins_run =
        m_run == RunKind::Deletion && (start == m_run_position || end == m_run_position);
    if (m_run != RunKind::None && !joins_run) {
        commit();
    }
    std::u32string removed = m_text.substr(start, length);
    if (m_run == RunKind::None) {
        m_run = RunKind::Deletion;
        m_run_text = std::move(removed);
    } else if (start == m_run_position) {
        m_run_text += removed; // Delete pressed again at the same place
    } else {
        m_run_text.insert(0, removed); // Backspace moving left
    }
    m_run_position = start;
    m_text.erase(start, length);
    m_caret = start;
    m_anchor = start;
    mark_modified();
    return EditOutcome::Changed;
}

EditOutcome ScoreTextModel::backspace() {
    if (m_read_only) {
        return EditOutcome::Refused;
    }
    if (has_selection()) {
        return clear();
    }
    if (m_caret == 0) {
        return EditOutcome::Nothing;
    }
    return delete_range(m_caret - 1, 1);
}

EditOutcome ScoreTextModel::delete_forward() {
    if (m_read_only) {
        return EditOutcome::Refused;
    }
    if (has_selection()) {
        return clear();
    }
    return delete_range(m_caret, 1);
}

EditOutcome ScoreTextModel::clear() {
    if (m_read_only) {
        return EditOutcome::Refused;
    }
    return delete_range(selection_start(), selection_end() - selection_start());
}

std::u32string ScoreTextModel::copy() {
    commit();
    return selected_text();
}

CutResult ScoreTextModel::cut() {
    if (m_read_only) {
        return {EditOutcome::Refused, {}};
    }
    std::u32string text = copy();
    if (text.empty()) {
        return {};
    }
    return {clear(), std::move(text)};
}

EditOutcome ScoreTextModel::set_caret_and_anchor(std::size_t caret, std::size_t anchor) {
    if (caret == m_caret && anchor == m_anchor) {
        return EditOutcome::Nothing;
    }
    m_caret = caret;
    m_anchor = anchor;
    return EditOutcome::Changed;
}

EditOutcome ScoreTextModel::move_home(bool extend) {
    commit();
    return set_caret_and_anchor(0, extend ? m_anchor : 0);
}

EditOutcome ScoreTextModel::move_end(bool extend) {
    commit();
    const std::size_t end = m_text.size();
    return set_caret_and_anchor(end, extend ? m_anchor : end);
}

EditOutcome ScoreTextModel::move_left(bool extend) {
    commit();
    if (extend) {
        return set_caret_and_anchor(m_caret > 0 ? m_caret - 1 : 0, m_anchor);
    }
    if (has_selection()) {
        return set_caret_and_anchor(selection_start(), selection_start());
    }
    if (m_caret == 0) {
        return EditOutcome::LeftEdge;
    }
    return set_caret_and_anchor(m_caret - 1, m_caret - 1);
}

EditOutcome ScoreTextModel::move_right(bool extend) {
    commit();
    const std::size_t end = m_text.size();
    if (extend) {
        return set_caret_and_anchor(std::min(m_caret + 1, end), m_anchor);
    }
    if (has_selection()) {
        return set_caret_and_anchor(selection_end(), selection_end());
    }
    if (m_caret == end) {
        return EditOutcome::RightEdge;
    }
    return set_caret_and_anchor(m_caret + 1, m_caret + 1);
}

EditOutcome ScoreTextModel::select_all() {
    commit();
    return set_caret_and_anchor(m_text.size(), 0);
}

EditOutcome ScoreTextModel::place_caret(std::size_t position, bool extend) {
    commit();
    position = std::min(position, m_text.size());
    return set_caret_and_anchor(position, extend ? m_anchor : position);
}

EditOutcome ScoreTextModel::drag_caret(std::size_t position) {
    return set_caret_and_anchor(std::min(position, m_text.size()), m_anchor);
}

EditOutcome ScoreTextModel::point_at(std::size_t position) {
    commit();
    position = std::min(position, m_text.size());
    if (position >= selection_start() && position <= selection_end()) {
        return EditOutcome::Nothing;
    }
    return set_caret_and_anchor(position, position);
}

bool ScoreTextModel::can_undo() const {
    return m_undo_position > 0 || m_run != RunKind::None;
}

bool ScoreTextModel::can_redo() const {
    // A pending run discards the redo history as soon as it is committed.
    return m_run == RunKind::None && m_undo_position < m_steps.size();
}

EditOutcome ScoreTextModel::undo() {
    if (m_read_only) {
        return EditOutcome::Refused;
    }
    commit();
    if (m_undo_position == 0) {
        return EditOutcome::Nothing;
    }
    --m_undo_position;
    return apply_step(m_steps[m_undo_position], false);
}

EditOutcome ScoreTextModel::redo() {
    if (m_read_only) {
        return EditOutcome::Refused;
    }
    commit();
    if (m_undo_position >= m_steps.size()) {
        return EditOutcome::Nothing;
    }
    ++m_undo_position;
    return apply_step(m_steps[m_undo_position - 1], true);
}

EditOutcome ScoreTextModel::apply_step(const UndoStep& step, bool forward) {
    m_caret = step.position;
    m_anchor = step.position;
    if ((step.kind == StepKind::Insertion) == forward) {
        m_text.insert(step.position, step.text);
    } else {
        m_text.erase(step.position, step.text.size());
    }
    m_modified = m_undo_position != m_saved_position;
    return EditOutcome::Changed;
}

void ScoreTextModel::commit() {
    if (m_run == RunKind::Insertion) {
        if (!m_run_text.empty()) {
            record(StepKind::Deletion, m_run_position, m_run_text);
        }
        record(StepKind::Insertion, m_run_position, m_text.substr(m_run_position, m_run_length));
    } else if (m_run == RunKind::Deletion) {
        record(StepKind::Deletion, m_run_position, m_run_text);
    }
    m_run = RunKind::None;
    m_run_length = 0;
    m_run_text.clear();
}

void ScoreTextModel::record(StepKind kind, std::size_t position, std::u32string text) {
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_undo_position), m_steps.end());
    if (m_saved_position > m_undo_position) {
        m_saved_position = unreachable;
    }
    m_steps.push_back({kind, position, std::move(text)});
    ++m_undo_position;
}

void ScoreTextModel::mark_modified() {
    if (!m_modified) {
        m_saved_position = m_undo_position;
        m_modified = true;
    }
}

} // namespace dvk
