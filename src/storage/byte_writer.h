#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dvk {

// Appends little-endian integers and fixed-size text fields to a byte string, whatever the
// byte order of the machine.
class ByteWriter {
public:
    void u8(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void i8(std::int8_t value) { u8(static_cast<std::uint8_t>(value)); }
    void u16(std::uint16_t value);
    void i16(std::int16_t value) { u16(static_cast<std::uint16_t>(value)); }
    void i32(std::int32_t value);
    void zeros(std::size_t count) { m_bytes.append(count, '\0'); }
    // `text` cut to `size` - 1 bytes at a character boundary, padded with zeros to `size`.
    void text_field(std::string_view text, std::size_t size);

    std::size_t size() const { return m_bytes.size(); }
    const std::string& bytes() const { return m_bytes; }
    std::string take() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};

} // namespace dvk
