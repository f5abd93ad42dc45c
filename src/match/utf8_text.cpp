#include "match/utf8_text.h"

namespace dvk {

namespace {

constexpr bool is_continuation_byte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// A UTF-8 character is at most four bytes, so the cut never moves back further than three
// bytes; malformed text then loses at most those three bytes instead of everything.
constexpr std::size_t max_back_off = 3;

} // namespace

std::string_view utf8_prefix(std::string_view text, std::size_t max_bytes) {
    if (text.size() <= max_bytes) {
        return text;
    }
    std::size_t cut = max_bytes;
    for (std::size_t step = 0; step < max_back_off && cut > 0 && is_continuation_byte(text[cut]);
         ++step) {
        --cut;
    }
    if (is_continuation_byte(text[cut])) {
        cut = max_bytes;
    }
    return text.substr(0, cut);
}

} // namespace dvk
