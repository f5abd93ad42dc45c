#pragma once

#include "com/arrange_table.h"
#include "com/segment.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace dvk {

// When a COM table entry may be chosen, from its condition column.
enum class ComCondition {
    Always,            // empty or 0
    OpponentCanFinish, // 1: the opponent has 170 or less left
    OpponentAbove170,  // 2: the opponent has more than 170 left
    Never,             // any other value
};

// The COM table with its columns read once: the computer looks an entry up for every dart,
// so the weights, conditions and targets are kept parsed and the entries grouped by score
// (in table order within a score).
class ComTable {
public:
    struct Candidate {
        std::int32_t score = 0;
        std::int32_t entry = 0;
        std::int32_t weight = 1;
        ComCondition condition = ComCondition::Always;
        std::array<Segment, 3> targets{};
    };

    explicit ComTable(ArrangeTable table);

    const ArrangeTable& table() const { return m_table; }

    // The entries for `score` in table order.
    std::span<const Candidate> candidates_for(std::int32_t score) const;

private:
    ArrangeTable m_table;
    std::vector<Candidate> m_candidates;
};

// The weight column: a decimal integer; empty, 0, 1 or negative all mean 1.
std::int32_t com_weight(std::string_view column);

// The condition column: empty or 0 always, 1 and 2 as above, anything else never.
ComCondition com_condition(std::string_view column);

} // namespace dvk
