#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace dvk {

// The value of the run of digits '0'-'9' that starts at `pos` (0 for an empty run), held at
// the largest 32-bit value so that a long run of digits cannot overflow. `pos` ends after the
// run.
inline std::int32_t read_decimal_run(std::string_view text, std::size_t& pos) {
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        if (value > limit) {
            value = limit;
        }
        ++pos;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace dvk
