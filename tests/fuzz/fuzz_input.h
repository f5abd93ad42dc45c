#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace dvk::fuzz {

// Reads the fuzzer's bytes as a stream of small decisions; once the bytes run out every
// decision is 0, so any input is a complete script.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return m_position >= m_bytes.size(); }

    std::uint8_t byte() { return empty() ? 0 : static_cast<std::uint8_t>(m_bytes[m_position++]); }

    // A number in [low, high], from as many bytes as the range needs.
    std::int32_t number(std::int32_t low, std::int32_t high) {
        const auto span = static_cast<std::uint32_t>(static_cast<std::int64_t>(high) - low) + 1;
        std::uint32_t value = byte();
        if (span > 256) {
            value = (value << 8U) | byte();
        }
        return static_cast<std::int32_t>(low + static_cast<std::int64_t>(value % span));
    }

    bool flag() { return (byte() & 1U) != 0; }

    // Up to `max` of the next bytes.
    std::string_view take(std::size_t max) {
        const std::string_view taken = m_bytes.substr(std::min(m_position, m_bytes.size()), max);
        m_position += taken.size();
        return taken;
    }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

// A property every input must keep; a broken one ends the run, so the fuzzer keeps the input.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace dvk::fuzz
