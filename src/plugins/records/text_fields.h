#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dvk {

// Writes `text` into a zero-terminated C text field of `size` bytes: cut where no UTF-8
// character is split so that the terminator fits; the rest of the field is zero.
void write_text_field(char* field, std::size_t size, std::string_view text);

template <std::size_t N> void write_text_field(char (&field)[N], std::string_view text) {
    write_text_field(field, N, text);
}

// The text of a C field a plug-in filled: up to its first zero, and never more than
// `size` − 1 bytes even when the plug-in left no terminator.
std::string read_text_field(const char* field, std::size_t size);

template <std::size_t N> std::string read_text_field(const char (&field)[N]) {
    return read_text_field(field, N);
}

} // namespace dvk
