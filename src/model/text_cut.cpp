#include "model/text_cut.h"

namespace dvk {
namespace {

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}
bool is_lead(unsigned char byte) {
    return (byte & 0xC0u) == 0xC0u;
}

} // namespace

std::string cut_to_bytes(std::string_view text, std::size_t max_bytes) {
    return std::string(utf8_prefix(text, max_bytes));
}

std::string_view utf8_prefix(std::string_view text, std::size_t max_bytes) {
    if (text.size() <= max_bytes) {
        return text;
    }
    std::size_t cut = max_bytes;
    if (is_continuation(static_cast<unsigned char>(text[cut]))) {
        // A UTF-8 character has at most three continuation bytes; look no further back, so
        // that text in another encoding is still cut near the limit.
        for (std::size_t back = 1; back <= 3 && back <= cut; ++back) {
            const auto byte = static_cast<unsigned char>(text[cut - back]);
            if (is_lead(byte)) {
                cut -= back;
                break;
            }
            if (!is_continuation(byte)) {
                break;
            }
        }
    }
    return text.substr(0, cut);
}

} // namespace dvk
