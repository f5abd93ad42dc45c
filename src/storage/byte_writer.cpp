#include "storage/byte_writer.h"

#include "model/text_cut.h"

namespace dvk {

void ByteWriter::u16(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value & 0xFFU));
    u8(static_cast<std::uint8_t>(value >> 8U));
}

void ByteWriter::i32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (unsigned shift = 0; shift < 32; shift += 8) {
        u8(static_cast<std::uint8_t>((bits >> shift) & 0xFFU));
    }
}

void ByteWriter::text_field(std::string_view text, std::size_t size) {
    if (size == 0) {
        return;
    }
    const std::string_view kept = utf8_prefix(text, size - 1);
    m_bytes.append(kept);
    zeros(size - kept.size());
}

} // namespace dvk
