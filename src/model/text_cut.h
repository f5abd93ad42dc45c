#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dvk {

// The longest prefix of `text` that fits in `max_bytes` and does not end inside a UTF-8
// character. Bytes that are not valid UTF-8 are cut by count alone, so any text is accepted.
std::string cut_to_bytes(std::string_view text, std::size_t max_bytes);

// The same prefix as a view into `text`.
std::string_view utf8_prefix(std::string_view text, std::size_t max_bytes);

} // namespace dvk
