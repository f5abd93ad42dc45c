#include "com/throw_model.h"

#include "com/segment.h"

#include <algorithm>
#include <array>

namespace dvk {

namespace {

constexpr std::array<ThrowRates, perfect_level + 1> level_rates = {{
    {20, 10, 1},
    {30, 15, 5},
    {40, 20, 10},
    {55, 23, 13},
    {60, 25, 15},
    {70, 27, 17},
    {80, 30, 20},
    {85, 35, 25},
    {90, 40, 30},
    {90, 50, 40},
    {90, 60, 50},
    {95, 70, 70},
    {100, 100, 100},
}};

constexpr std::array<std::int32_t, 20> board_order = {20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                      3,  19, 7,  16, 8,  11, 14, 9,  12, 5};

using NeighbourTable = std::array<std::array<std::int32_t, 21>, 2>;

constexpr NeighbourTable make_neighbours() {
    NeighbourTable table{};
    const std::size_t n = board_order.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto number = static_cast<std::size_t>(board_order[i]);
        table[0][number] = board_order[(i + n - 1) % n];
        table[1][number] = board_order[(i + 1) % n];
    }
    return table;
}

constexpr NeighbourTable neighbours = make_neighbours();

ComDart land_in_bull(std::int32_t multiplier, const ThrowRates& rates, ComRandom& random) {
    if (multiplier == 1) {
        return {bull_number, random.roll(rates.double_ring) ? 1 : 2};
    }
    if (multiplier == 2) {
        return {bull_number, random.roll(rates.treble) ? 2 : 1};
    }
    return {bull_number, 1};
}

ComDart throw_at_bull(std::int32_t multiplier, const ThrowRates& rates, ComRandom& random) {
    if (random.roll(rates.double_ring)) {
        return land_in_bull(multiplier, rates, random);
    }
    const std::int32_t j = random.next() % 21;
    if (j == 0) {
        return land_in_bull(multiplier, rates, random);
    }
    return {j, 1};
}

ComDart throw_at_number(std::int32_t number, std::int32_t multiplier, const ThrowRates& rates,
                        ComRandom& random) {
    const std::int32_t side = random.next() % 2;
    for (;;) {
        if (multiplier == 2) {
            if (random.roll(rates.double_ring)) {
                return {number, 2};
            }
            if (random.roll(rates.single)) {
                return random.next() % 100 + 1 <= 50 ? ComDart{number, 1} : ComDart{0, 1};
            }
        } else if (multiplier == 3) {
            if (random.roll(rates.treble)) {
                return {number, 3};
            }
            if (random.roll(rates.single)) {
                return {number, 1};
            }
        } else {
            if (random.roll(rates.single)) {
                return {number, 1};
            }
            if (!random.roll(rates.single)) {
                if (random.roll(rates.treble)) {
                    return {number, 3};
                }
                if (random.roll(rates.double_ring)) {
                    return {number, 2};
                }
            }
        }
        number = board_neighbour(number, side);
    }
}

} // namespace

ThrowRates throw_rates(std::int32_t level) {
    return level_rates[static_cast<std::size_t>(std::clamp(level, 0, perfect_level))];
}

std::int32_t board_neighbour(std::int32_t number, std::int32_t side) {
    if (number < 1 || number > 20) {
        return 0;
    }
    return neighbours[side == 0 ? 0 : 1][static_cast<std::size_t>(number)];
}

ComDart simulate_dart(std::int32_t level, std::int32_t number, std::int32_t multiplier,
                      ComRandom& random) {
    const ThrowRates rates = throw_rates(level);
    if (number == bull_number) {
        return throw_at_bull(multiplier, rates, random);
    }
    if (number < 1 || number > 20) {
        return {0, 1};
    }
    return throw_at_number(number, multiplier, rates, random);
}

} // namespace dvk
