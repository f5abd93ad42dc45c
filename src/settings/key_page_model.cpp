#include "settings/key_page_model.h"

#include "settings/options_load.h"

#include <utility>

namespace dvk {

KeyPageModel::KeyPageModel(std::vector<KeyBinding> keys, const NamedFunction& named)
    : m_keys(std::move(keys)) {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const std::int32_t action = m_keys[i].action;
        if (is_template_action(action) || named(action)) {
            m_rows.push_back(i);
        }
    }
}

bool KeyPageModel::can_add() const {
    return m_keys.size() < max_key_bindings;
}

bool KeyPageModel::add(const KeyBinding& binding) {
    if (!can_add()) {
        return false;
    }
    m_keys.push_back(binding);
    m_rows.push_back(m_keys.size() - 1);
    m_changed = true;
    return true;
}

void KeyPageModel::replace(std::size_t row, const KeyBinding& binding) {
    m_keys.at(m_rows.at(row)) = binding;
    m_changed = true;
}

void KeyPageModel::remove(std::size_t row) {
    const std::size_t position = m_rows.at(row);
    m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(position));
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    for (std::size_t& later : m_rows) {
        if (later > position) {
            --later;
        }
    }
    m_changed = true;
}

// Hidden entries between the two rows stay where they are: only the two bindings change places.
void KeyPageModel::swap_rows(std::size_t a, std::size_t b) {
    std::swap(m_keys.at(m_rows.at(a)), m_keys.at(m_rows.at(b)));
    m_changed = true;
}

std::optional<std::size_t> KeyPageModel::move_up(std::size_t row) {
    if (row == 0 || row >= m_rows.size()) {
        return std::nullopt;
    }
    swap_rows(row - 1, row);
    return row - 1;
}

std::optional<std::size_t> KeyPageModel::move_down(std::size_t row) {
    if (row + 1 >= m_rows.size()) {
        return std::nullopt;
    }
    swap_rows(row, row + 1);
    return row + 1;
}

void KeyPageModel::apply_to(AppOptions& options) const {
    if (!m_changed) {
        return;
    }
    options.keys = m_keys;
    options.keys_customised = 1;
}

} // namespace dvk
