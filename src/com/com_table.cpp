#include "com/com_table.h"

#include "com/decimal_run.h"

#include <algorithm>

namespace dvk {

namespace {

// A leading sign and a run of digits, as the standard text-to-number conversion reads it;
// text without a number reads as 0.
std::int32_t read_integer(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        pos = 1;
    }
    const std::int32_t magnitude = read_decimal_run(text, pos);
    return negative ? -magnitude : magnitude;
}

} // namespace

std::int32_t com_weight(std::string_view column) {
    return std::max(read_integer(column), 1);
}

ComCondition com_condition(std::string_view column) {
    switch (read_integer(column)) {
    case 0:
        return ComCondition::Always;
    case 1:
        return ComCondition::OpponentCanFinish;
    case 2:
        return ComCondition::OpponentAbove170;
    default:
        return ComCondition::Never;
    }
}

ComTable::ComTable(ArrangeTable table) : m_table(std::move(table)) {
    m_candidates.reserve(m_table.entries.size());
    for (std::size_t i = 0; i < m_table.entries.size(); ++i) {
        const ArrangeEntry& entry = m_table.entries[i];
        Candidate c;
        c.score = entry.score;
        c.entry = static_cast<std::int32_t>(i);
        c.weight = com_weight(entry.field(3));
        c.condition = com_condition(entry.field(4));
        for (std::size_t dart = 0; dart < c.targets.size(); ++dart) {
            c.targets[dart] = parse_segment(entry.field(dart));
        }
        m_candidates.push_back(c);
    }
    std::stable_sort(m_candidates.begin(), m_candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
}

std::span<const ComTable::Candidate> ComTable::candidates_for(std::int32_t score) const {
    struct ScoreLess {
        bool operator()(const Candidate& c, std::int32_t s) const { return c.score < s; }
        bool operator()(std::int32_t s, const Candidate& c) const { return s < c.score; }
    };
    const auto [first, last] =
        std::equal_range(m_candidates.begin(), m_candidates.end(), score, ScoreLess{});
    return {first, last};
}

} // namespace dvk
