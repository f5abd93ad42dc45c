#pragma once

#include <chrono>

namespace dvk::test {

// Limits of tests that guard against slow (quadratic) code. The sanitizers make the program
// several times slower, so their builds allow proportionally more.
#ifdef DVK_SANITIZED_BUILD
inline constexpr int time_limit_factor = 10;
#else
inline constexpr int time_limit_factor = 1;
#endif

template <typename Duration> constexpr auto time_limit(Duration limit) {
    return limit * time_limit_factor;
}

} // namespace dvk::test
