#pragma once

#include "com/com_dart.h"
#include "com/com_thrower.h"
#include "model/game_record.h"

#include <cstdint>

namespace dvk {

// What one tick of the COM visit did: threw a dart (shown in box `dart_index`), or ended the
// visit with `result`.
struct ComStep {
    enum class Kind { DartThrown, Finished };

    Kind kind = Kind::Finished;
    int dart_index = 0;
    ComDart dart;
    std::int16_t result = 0;
};

// The computer's visit as the COM dialog runs it, one timer tick at a time, without the
// window or the timer: the dialog stops its timer, calls `tick`, shows the dart and restarts
// the timer, or closes when the visit has finished. The result goes to the thrower's
// `com_result` when the visit ends: -n for a check-out with n darts, 0 for a bust or a visit
// without points, else the points; -5 when the user stopped the game.
class ComVisit {
public:
    static constexpr std::int16_t stopped = -5;

    // `player` must be 0 or 1 (std::invalid_argument otherwise).
    ComVisit(GameRecord& game, int player, ComThrower& thrower);

    ComStep tick();
    // Ends the visit with the result -5, whatever was thrown; nothing once it has ended.
    void stop();

    bool finished() const { return m_finished; }
    std::int16_t result() const { return m_result; }
    int player() const { return m_player; }
    int darts_thrown() const { return m_thrown; }
    const ComDarts& darts() const { return m_darts; }

private:
    ComStep finish(std::int16_t result);

    GameRecord& m_game;
    ComThrower& m_thrower;
    int m_player;
    int m_thrown = 0;
    ComDarts m_darts{};
    bool m_finished = false;
    std::int16_t m_result = 0;
};

} // namespace dvk
