#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

namespace dvk {

// Runs a call into a plug-in so that nothing it throws crosses into the program: the answer,
// or nothing when the plug-in let an exception escape, with its text in `failure` (empty
// when the exception carries none).
template <typename Call>
std::optional<std::int32_t> guarded_plugin_call(Call&& call, std::string& failure) {
    try {
        return call();
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure.clear();
    }
    return std::nullopt;
}

} // namespace dvk
