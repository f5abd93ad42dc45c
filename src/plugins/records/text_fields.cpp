#include "plugins/records/text_fields.h"

#include "model/text_cut.h"

#include <algorithm>
#include <cstring>

namespace dvk {

void write_text_field(char* field, std::size_t size, std::string_view text) {
    if (size == 0) {
        return;
    }
    const std::string_view kept = utf8_prefix(text, size - 1);
    if (!kept.empty()) {
        std::memcpy(field, kept.data(), kept.size());
    }
    std::memset(field + kept.size(), 0, size - kept.size());
}

std::string read_text_field(const char* field, std::size_t size) {
    if (size == 0) {
        return {};
    }
    const char* end = std::find(field, field + size - 1, '\0');
    return std::string(field, end);
}

} // namespace dvk
