#pragma once

#include "settings/app_options.h"
#include "settings/key_binding.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace dvk {

// The key table as the key page edits it: the page's rows, moved, added, changed and deleted,
// and written back into the options only when the user confirms.
//
// A row is a binding the page can name: a score template, or a command with a name. The
// other entries (a command of another version of the program, a template above 180) are not
// shown, keep their places among the rows and are written back as they were.
class KeyPageModel {
public:
    // Whether a command that is no score template has a name to show.
    using NamedFunction = std::function<bool(std::int32_t action)>;

    KeyPageModel(std::vector<KeyBinding> keys, const NamedFunction& named);

    std::size_t row_count() const { return m_rows.size(); }
    const KeyBinding& row(std::size_t row) const { return m_keys.at(m_rows.at(row)); }
    // The table the settings can load: a new binding is refused beyond it.
    bool can_add() const;

    // Appends a row; false when the table is full.
    bool add(const KeyBinding& binding);
    void replace(std::size_t row, const KeyBinding& binding);
    void remove(std::size_t row);
    // The row's new place, or none when it cannot move that way.
    std::optional<std::size_t> move_up(std::size_t row);
    std::optional<std::size_t> move_down(std::size_t row);

    bool changed() const { return m_changed; }
    // Every entry, shown or not, in table order.
    const std::vector<KeyBinding>& table() const { return m_keys; }
    // A changed table replaces the options' key table and is written to the settings from now
    // on; an unchanged one leaves the options as they are.
    void apply_to(AppOptions& options) const;

private:
    void swap_rows(std::size_t a, std::size_t b);

    std::vector<KeyBinding> m_keys;
    std::vector<std::size_t> m_rows; // positions in m_keys of the shown entries, in order
    bool m_changed = false;
};

} // namespace dvk
