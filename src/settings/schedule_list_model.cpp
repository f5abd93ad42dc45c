#include "settings/schedule_list_model.h"

#include "settings/options_load.h"

#include <algorithm>
#include <utility>

namespace dvk {

ScheduleListModel::ScheduleListModel(std::vector<GameOptions> entries, std::size_t locked_rows,
                                     std::optional<std::size_t> kept_entry)
    : m_entries(std::move(entries)), m_locked(std::min(locked_rows, m_entries.size())),
      m_kept(kept_entry) {}

bool ScheduleListModel::can_change(std::size_t row) const {
    return row < m_entries.size() && !is_locked(row);
}

bool ScheduleListModel::can_move_up(std::size_t row) const {
    return can_change(row) && row > m_locked;
}

bool ScheduleListModel::can_move_down(std::size_t row) const {
    return can_change(row) && row + 1 < m_entries.size();
}

bool ScheduleListModel::can_add() const {
    return m_entries.size() < max_schedule_entries;
}

bool ScheduleListModel::can_confirm() const {
    if (m_entries.empty()) {
        return false;
    }
    return !m_kept || *m_kept < m_entries.size();
}

bool ScheduleListModel::add(const GameOptions& entry) {
    if (!can_add()) {
        return false;
    }
    m_entries.push_back(entry);
    return true;
}

bool ScheduleListModel::replace(std::size_t row, const GameOptions& entry) {
    if (!can_change(row)) {
        return false;
    }
    m_entries[row] = entry;
    return true;
}

bool ScheduleListModel::remove(std::size_t row) {
    if (!can_change(row)) {
        return false;
    }
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(row));
    return true;
}

std::optional<std::size_t> ScheduleListModel::move_up(std::size_t row) {
    if (!can_move_up(row)) {
        return std::nullopt;
    }
    std::swap(m_entries[row - 1], m_entries[row]);
    return row - 1;
}

std::optional<std::size_t> ScheduleListModel::move_down(std::size_t row) {
    if (!can_move_down(row)) {
        return std::nullopt;
    }
    std::swap(m_entries[row], m_entries[row + 1]);
    return row + 1;
}

GameOptions new_schedule_entry(const GameOptions& current) {
    GameOptions entry = current;
    entry.schedule_entry = 1;
    entry.leg_limit = 1;
    return entry;
}

} // namespace dvk
