#pragma once

#include "model/game_options.h"
#include "model/game_record.h"

#include <dvk/plugin.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dvk {

// A game record as a plug-in sees it: a deep copy of one of the program's records, with the
// arrays it points to, in the C layout. The plug-in may scribble over all of it; the program
// never follows a pointer the plug-in could have changed, only its own arrays.
//
// Whatever the source, the copy keeps the record's promises: `legs` holds `leg_index` + 1
// legs and every score array `capacity` + 1 entries.
class GameRecordCopy {
public:
    explicit GameRecordCopy(const GameRecord& source);
    GameRecordCopy(const GameRecordCopy&) = delete;
    GameRecordCopy& operator=(const GameRecordCopy&) = delete;

    // The copy of the program's record the C record was made from.
    const GameRecord& source() const { return m_source; }

    // Fills `out` with the record's fields and pointers to this copy's arrays.
    void fill(dvk_game_record& out);

    // Entry `round` of a player's scores in leg `leg` of this copy's arrays, as the plug-in
    // left it; nothing outside the arrays.
    std::optional<std::int16_t> score_entry(std::size_t leg, int player, std::size_t round) const;

private:
    GameRecord m_source;
    std::vector<dvk_leg_record> m_legs;
    std::vector<std::array<std::vector<std::int16_t>, 2>> m_scores;
    std::array<std::vector<std::int8_t>, 2> m_darts_at_double;
};

// The options of one game in the C layout.
void fill_game_options(dvk_game_options& out, const GameOptions& options);

} // namespace dvk
