#pragma once

#include <cstddef>
#include <string_view>

namespace dvk {

// The longest prefix of `text` that fits in `max_bytes` without splitting a UTF-8 character.
// Fixed-size name fields and byte-limited settings texts are cut with it.
std::string_view utf8_prefix(std::string_view text, std::size_t max_bytes);

} // namespace dvk
