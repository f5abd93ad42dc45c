#include "com/com_visit.h"

#include <stdexcept>

namespace dvk {

ComVisit::ComVisit(GameRecord& game, int player, ComThrower& thrower)
    : m_game(game), m_thrower(thrower), m_player(player) {
    if (!is_player(player)) {
        throw std::invalid_argument("COM visit for a player other than 0 or 1");
    }
}

ComStep ComVisit::tick() {
    if (m_finished) {
        return {ComStep::Kind::Finished, m_thrown, {}, m_result};
    }
    const std::int32_t sum = darts_sum(m_darts, m_thrown);
    const std::int64_t before = m_game.players[static_cast<std::size_t>(m_player)].remaining;
    if (m_thrown > 0 && sum == before &&
        m_darts[static_cast<std::size_t>(m_thrown - 1)].is_double()) {
        return finish(static_cast<std::int16_t>(-m_thrown));
    }
    if (before - sum <= 1) {
        return finish(0);
    }
    if (m_thrown == static_cast<int>(m_darts.size())) {
        return finish(static_cast<std::int16_t>(sum));
    }
    m_thrower.throw_com_dart(m_game, m_player, m_thrown, m_darts);
    const int index = m_thrown++;
    return {ComStep::Kind::DartThrown, index, m_darts[static_cast<std::size_t>(index)], 0};
}

void ComVisit::stop() {
    if (!m_finished) {
        finish(stopped);
    }
}

ComStep ComVisit::finish(std::int16_t result) {
    m_finished = true;
    m_result = result;
    m_game.players[static_cast<std::size_t>(m_player)].com_result = result;
    return {ComStep::Kind::Finished, m_thrown, {}, result};
}

} // namespace dvk
