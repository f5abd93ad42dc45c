#include "com/arrange_table.h"

namespace dvk {

namespace {

constexpr std::size_t way_darts = 3;
constexpr std::size_t way_name_width = 3;

std::string join_darts(const ArrangeEntry& entry, std::string_view separator, std::size_t width) {
    std::string text;
    for (std::size_t i = 0; i < way_darts; ++i) {
        const std::string_view name = entry.field(i);
        if (name.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += separator;
        }
        text += name;
        if (name.size() < width) {
            text.append(width - name.size(), ' ');
        }
    }
    return text;
}

} // namespace

std::vector<std::size_t> entries_for_score(const ArrangeTable& table, std::int32_t score) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        if (table.entries[i].score == score) {
            found.push_back(i);
        }
    }
    return found;
}

std::string suggestion_text(const ArrangeEntry& entry) {
    return join_darts(entry, "-", 0);
}

std::string way_text(const ArrangeEntry& entry) {
    return join_darts(entry, " - ", way_name_width);
}

std::vector<std::string> suggestion_lines(const ArrangeTable& table, std::int32_t score) {
    std::vector<std::string> lines;
    for (const std::size_t i : entries_for_score(table, score)) {
        lines.push_back(suggestion_text(table.entries[i]));
    }
    return lines;
}

} // namespace dvk
