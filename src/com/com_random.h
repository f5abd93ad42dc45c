#pragma once

#include <cstdint>

namespace dvk {

// The classic 15-bit linear congruential generator (values 0 to 32767). The COM dialog seeds
// it with a millisecond tick; tests and the simulator give a fixed seed so that every throw
// can be replayed.
class ComRandom {
public:
    static constexpr std::int32_t max_value = 32767;

    explicit ComRandom(std::uint32_t seed = 1) : m_state(seed) {}

    void seed(std::uint32_t seed) { m_state = seed; }

    std::int32_t next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<std::int32_t>((m_state >> 16) & 0x7fffu);
    }

    // Draws r = (next() mod 100) + 1; true when r <= percent.
    bool roll(std::int32_t percent) { return next() % 100 + 1 <= percent; }

private:
    std::uint32_t m_state;
};

} // namespace dvk
