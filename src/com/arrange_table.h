#pragma once

#include "com/arrange_entry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dvk {

// A check-out or COM table: its entries in file order, which is the order of preference
// within a score.
struct ArrangeTable {
    std::vector<ArrangeEntry> entries;

    std::size_t count() const { return entries.size(); }
    bool operator==(const ArrangeTable&) const = default;
};

// Indices of the entries for `score`, in table order.
std::vector<std::size_t> entries_for_score(const ArrangeTable& table, std::int32_t score);

// The suggestion line of an entry: darts 1 to 3 joined by "-", empty ones left out
// ("T20-T20-D25").
std::string suggestion_text(const ArrangeEntry& entry);

// The line of an entry in the way tree: each dart padded to three characters and joined by
// " - " ("T20 - D8 ").
std::string way_text(const ArrangeEntry& entry);

// Every suggestion line for a remaining score, preferred way first; empty when none exists.
std::vector<std::string> suggestion_lines(const ArrangeTable& table, std::int32_t score);

} // namespace dvk
