#pragma once

#include "model/game_options.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace dvk {

// The schedule as the schedule dialog edits it: its rows in order, of which the first
// `locked_rows` are games already played (or being played) that cannot be moved, edited or
// deleted, and that no other row can pass.
class ScheduleListModel {
public:
    // `kept_entry` names a row the caller goes on to play after the dialog (the untouched
    // current game of a running schedule): the list cannot be confirmed without it.
    ScheduleListModel(std::vector<GameOptions> entries, std::size_t locked_rows,
                      std::optional<std::size_t> kept_entry = std::nullopt);

    std::size_t row_count() const { return m_entries.size(); }
    const GameOptions& row(std::size_t row) const { return m_entries.at(row); }
    const std::vector<GameOptions>& entries() const { return m_entries; }
    std::size_t locked_rows() const { return m_locked; }

    bool is_locked(std::size_t row) const { return row < m_locked; }
    // Editing and deleting: an existing row that is not locked.
    bool can_change(std::size_t row) const;
    bool can_move_up(std::size_t row) const;
    bool can_move_down(std::size_t row) const;
    // The settings load at most this many games.
    bool can_add() const;
    // "Game On" / "OK".
    bool can_confirm() const;

    // Each returns false (or none) and changes nothing when the row cannot be changed that way.
    bool add(const GameOptions& entry);
    bool replace(std::size_t row, const GameOptions& entry);
    bool remove(std::size_t row);
    std::optional<std::size_t> move_up(std::size_t row);
    std::optional<std::size_t> move_down(std::size_t row);

private:
    std::vector<GameOptions> m_entries;
    std::size_t m_locked;
    std::optional<std::size_t> m_kept;
};

// A new schedule entry: the current game options, as an entry, with the number of legs limited.
GameOptions new_schedule_entry(const GameOptions& current);

} // namespace dvk
