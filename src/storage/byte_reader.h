#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dvk {

// Reads little-endian integers and fixed-size text fields from a byte string. Every read
// checks the bytes left first: a read past the end returns false and consumes nothing.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    bool u8(std::uint8_t& value);
    bool i8(std::int8_t& value);
    bool u16(std::uint16_t& value);
    bool i16(std::int16_t& value);
    bool i32(std::int32_t& value);
    bool skip(std::size_t count);
    // A zero-terminated text in a field of `size` bytes; stops at the field's end when the
    // terminator is missing and keeps at most `size` - 1 bytes, cut at a character boundary.
    bool text_field(std::string& text, std::size_t size);

    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return m_bytes.size() - m_position; }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

} // namespace dvk
