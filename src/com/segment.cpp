#include "com/segment.h"

#include "com/decimal_run.h"

#include <algorithm>
#include <limits>

namespace dvk {

Segment parse_segment(std::string_view name) {
    Segment segment;
    if (!name.empty()) {
        segment.multiplier = name.front() == 'D' ? 2 : name.front() == 'T' ? 3 : 1;
    }
    std::size_t pos = name.find_first_of("0123456789");
    if (pos != std::string_view::npos) {
        segment.number = read_decimal_run(name, pos);
    }
    return segment;
}

std::int32_t segment_value(std::string_view name) {
    const Segment segment = parse_segment(name);
    const std::int64_t points = std::int64_t{segment.number} * segment.multiplier;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(points, std::numeric_limits<std::int32_t>::max()));
}

bool is_board_number(std::int32_t number) {
    return (number >= 1 && number <= 20) || number == bull_number;
}

Segment default_target(std::int32_t number, std::int32_t multiplier) {
    Segment target{number, multiplier};
    if (!is_board_number(target.number)) {
        target.number = 20;
    }
    const std::int32_t top = target.number == bull_number ? 2 : 3;
    if (target.multiplier < 1 || target.multiplier > top) {
        target.multiplier = top;
    }
    return target;
}

} // namespace dvk
