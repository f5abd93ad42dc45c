#pragma once

#include "com/com_dart.h"
#include "com/com_random.h"
#include "com/com_table.h"
#include "com/normal_source.h"
#include "com/segment.h"
#include "com/spread_player.h"
#include "model/game_record.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace dvk {

// Chooses the computer's target for each dart from the COM table and throws it. For every
// dart the entry is drawn afresh for the score left at that moment; only the column of the
// dart's position in the visit is used.
class ComThrower {
public:
    // The candidate list of one draw holds at most this many places.
    static constexpr std::int32_t max_candidate_places = 1000;

    // `default_target` is aimed at when the table offers no usable target; it is corrected
    // like the settings' default number and segment (see `default_target`). Players of a
    // spread level (see spread_levels.h) finish by the ways of `check_out`, the built-in
    // check-out table when none is given; the thrower keeps a reference to it.
    ComThrower(const ComTable& table, Segment default_target, std::uint32_t seed,
               const ArrangeTable* check_out = nullptr);

    // Restarts the random sources, as the COM dialog does each time it opens.
    void reseed(std::uint32_t seed) {
        m_random.seed(seed);
        m_normal.reseed(seed);
    }

    // The index of the COM table entry drawn for `player` with `thrown` darts of the visit
    // already thrown, or -1 when no entry is eligible.
    std::int32_t choose_com_entry(const GameRecord& game, int player, int thrown,
                                  const ComDarts& darts);

    // Throws dart `thrown` + 1 of the visit, stores it in `darts` and returns its points. A
    // double aimed at with 50 left, or with an even score of 40 or less, counts as a dart at
    // a double in the open round of the current leg. Nothing is thrown (result 0) for a
    // player index other than 0 or 1 or when three darts are already thrown. A player of a
    // spread level aims like a person instead (see `SpreadPlayer`) and counts its darts at a
    // double by the same rule.
    std::int32_t throw_com_dart(GameRecord& game, int player, int thrown, ComDarts& darts);

private:
    // The modelled thrower of a spread level, made at its first dart; null for other levels.
    const SpreadPlayer* spread_player(std::int32_t level);
    std::int32_t throw_spread_dart(GameRecord& game, int player, int thrown, ComDarts& darts,
                                   const SpreadPlayer& thrower);

    const ComTable::Candidate* draw_candidate(const GameRecord& game, int player, int thrown,
                                              const ComDarts& darts);

    const ComTable& m_table;
    Segment m_default_target;
    ComRandom m_random;
    const ArrangeTable& m_check_out;
    NormalSource m_normal;
    // A match has two players at most, so a short list is the quickest lookup.
    std::vector<std::pair<std::int32_t, std::unique_ptr<SpreadPlayer>>> m_spread_players;
};

} // namespace dvk
