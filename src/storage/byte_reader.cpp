#include "storage/byte_reader.h"

#include "model/text_cut.h"

namespace dvk {

bool ByteReader::u8(std::uint8_t& value) {
    if (remaining() < 1) {
        return false;
    }
    value = static_cast<std::uint8_t>(m_bytes[m_position]);
    ++m_position;
    return true;
}

bool ByteReader::i8(std::int8_t& value) {
    std::uint8_t bits = 0;
    if (!u8(bits)) {
        return false;
    }
    value = static_cast<std::int8_t>(bits);
    return true;
}

bool ByteReader::u16(std::uint16_t& value) {
    if (remaining() < 2) {
        return false;
    }
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    u8(low);
    u8(high);
    value = static_cast<std::uint16_t>(low | (high << 8U));
    return true;
}

bool ByteReader::i16(std::int16_t& value) {
    std::uint16_t bits = 0;
    if (!u16(bits)) {
        return false;
    }
    value = static_cast<std::int16_t>(bits);
    return true;
}

bool ByteReader::i32(std::int32_t& value) {
    if (remaining() < 4) {
        return false;
    }
    std::uint32_t bits = 0;
    for (unsigned shift = 0; shift < 32; shift += 8) {
        std::uint8_t byte = 0;
        u8(byte);
        bits |= static_cast<std::uint32_t>(byte) << shift;
    }
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool ByteReader::skip(std::size_t count) {
    if (remaining() < count) {
        return false;
    }
    m_position += count;
    return true;
}

bool ByteReader::text_field(std::string& text, std::size_t size) {
    if (remaining() < size || size == 0) {
        return false;
    }
    const std::string_view field = m_bytes.substr(m_position, size);
    const std::size_t end = field.find('\0');
    const std::string_view stored = field.substr(0, end == std::string_view::npos ? size : end);
    text.assign(utf8_prefix(stored, size - 1));
    m_position += size;
    return true;
}

} // namespace dvk
