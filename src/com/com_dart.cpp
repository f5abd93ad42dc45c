#include "com/com_dart.h"

#include <algorithm>

namespace dvk {

std::string ComDart::text() const {
    if (number == 0) {
        return "0";
    }
    const char* prefix = multiplier == 2 ? "D" : multiplier == 3 ? "T" : "S";
    return prefix + std::to_string(number);
}

std::int32_t darts_sum(const ComDarts& darts, int thrown) {
    const int count = std::clamp(thrown, 0, static_cast<int>(darts.size()));
    std::int32_t sum = 0;
    for (int i = 0; i < count; ++i) {
        sum += darts[static_cast<std::size_t>(i)].points();
    }
    return sum;
}

} // namespace dvk
