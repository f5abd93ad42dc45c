#pragma once

#include "settings/key_binding.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace dvk {

// The item "Template" of the function list: its action plus the number is the binding's action.
inline constexpr std::int32_t template_function = template_action_base;
// Stands for a separator line in the function list.
inline constexpr std::int32_t function_separator = 0;

// The function list of the "Select key" dialog in its groups: the template, the Game menu, the
// View menu, the Score menu, the moves between cells, the arrow keys.
const std::vector<std::int32_t>& select_key_functions();

// What the "Select key" dialog shows, as plain values.
struct SelectKeyForm {
    std::optional<std::int32_t> function; // the chosen item's action; none when nothing is chosen
    bool number_enabled = false;          // only for "Template"
    std::int32_t number = 0;              // the number box; 0 when it is empty
    std::int32_t modifiers = 0;           // of the recorded key: 4 Shift, 8 Ctrl, 16 Alt
    std::int32_t key = 0;                 // virtual key of the recorded key; 0 for none

    bool operator==(const SelectKeyForm&) const = default;
};

// The dialog as it opens on a binding, or on none for a new one.
SelectKeyForm open_select_key_form(const std::optional<KeyBinding>& binding);

enum class SelectKeyProblem {
    None,
    TemplateOutOfRange, // "The range of a template is 0 to 180."; the number box takes the focus
    NoFunction,         // nothing chosen; the function list takes the focus
};

struct SelectKeyResult {
    SelectKeyProblem problem = SelectKeyProblem::None;
    KeyBinding binding; // when there is no problem
};

// The binding the dialog's "OK" makes of its controls.
SelectKeyResult read_select_key_form(const SelectKeyForm& form);

// Whether a binding takes a key that score entry needs: a digit, Backspace, Enter or Escape,
// pressed alone. Bound to a command, such a key no longer reaches the input cell.
bool takes_score_entry_key(const KeyBinding& binding);

} // namespace dvk
