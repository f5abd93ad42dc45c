#include "com/arrange_entry.h"

#include <algorithm>

namespace dvk {

std::string_view ArrangeEntry::field(std::size_t index) const {
    if (index >= field_count) {
        return {};
    }
    const Field& f = m_fields[index];
    return {f.chars.data(), f.length};
}

void ArrangeEntry::set_field(std::size_t index, std::string_view text) {
    if (index >= field_count) {
        return;
    }
    Field& f = m_fields[index];
    const std::size_t length = std::min(text.size(), field_capacity);
    f.chars = {};
    std::copy_n(text.begin(), length, f.chars.begin());
    f.length = static_cast<std::uint8_t>(length);
}

} // namespace dvk
