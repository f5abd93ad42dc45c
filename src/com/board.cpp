#include "com/board.h"

#include <array>
#include <cmath>
#include <numbers>

namespace dvk {

namespace {

constexpr std::array<std::int32_t, 20> clockwise_numbers = {20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                            3,  19, 7,  16, 8,  11, 14, 9,  12, 5};
constexpr double sector_degrees = 18.0;

double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

std::int32_t sector_index(std::int32_t number) {
    for (std::size_t i = 0; i < clockwise_numbers.size(); ++i) {
        if (clockwise_numbers[i] == number) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

constexpr double squared(double r) {
    return r * r;
}

std::int32_t ring_multiplier(double r2) {
    if (r2 > squared(board_mm::treble_inner) && r2 <= squared(board_mm::treble_outer)) {
        return 3;
    }
    if (r2 > squared(board_mm::double_inner)) {
        return 2;
    }
    return 1;
}

} // namespace

std::int32_t sector_at(double angle_degrees) {
    const double turned = std::fmod(angle_degrees + sector_degrees / 2, 360.0);
    const double positive = turned < 0 ? turned + 360.0 : turned;
    const auto index =
        static_cast<std::size_t>(positive / sector_degrees) % clockwise_numbers.size();
    return clockwise_numbers[index];
}

ComDart dart_at(BoardPoint p) {
    // Squared distances: the simulator scores millions of darts a second.
    const double r2 = p.x * p.x + p.y * p.y;
    if (r2 <= squared(board_mm::bull)) {
        return {bull_number, 2};
    }
    if (r2 <= squared(board_mm::outer_bull)) {
        return {bull_number, 1};
    }
    if (r2 > squared(board_mm::double_outer)) {
        return {0, 1};
    }
    // atan2(x, y) measures clockwise from straight up, from -180 to 180 degrees.
    const double turned = degrees(std::atan2(p.x, p.y)) + 360.0 + sector_degrees / 2;
    const auto index = static_cast<std::size_t>(turned / sector_degrees) % clockwise_numbers.size();
    return {clockwise_numbers[index], ring_multiplier(r2)};
}

BoardPoint aim_point(Segment target) {
    const std::int32_t index = sector_index(target.number);
    if (index < 0) {
        return {};
    }
    double r = (board_mm::outer_bull + board_mm::treble_inner) / 2;
    if (target.multiplier == 3) {
        r = (board_mm::treble_inner + board_mm::treble_outer) / 2;
    } else if (target.multiplier == 2) {
        r = (board_mm::double_inner + board_mm::double_outer) / 2;
    }
    const double angle = radians(index * sector_degrees);
    return {r * std::sin(angle), r * std::cos(angle)};
}

} // namespace dvk
