#pragma once

#include "com/arrange_table.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dvk {

// One line of the way tree: a check-out table entry and the lines under it.
struct WayItem {
    std::size_t entry = 0;        // index into the check-out table
    std::int32_t score = 0;       // the entry's score
    std::int32_t first_value = 0; // points of the entry's first dart
    std::string text;             // "T20 - T20 - D25"
    bool expanded = false;
    int parent = -1;
    std::vector<int> children;
};

// The tree of ways to finish a score, as the dart-out-shots view shows it. Items are kept by
// id; id 0 is the invisible root. An edited table could make the tree grow without end
// (every three-dart way opens the ways of the score after its first dart), so the tree holds
// at most `max_items` items and `max_depth` levels.
class WayTree {
public:
    static constexpr int root = 0;
    static constexpr std::size_t max_items = 10000;
    static constexpr int max_depth = 32;

    WayTree();

    // Removes every item but the root.
    void clear();

    // Adds `item` as the last child of `parent`; its id, or -1 when the tree is full or
    // `parent` is not an item.
    int add_item(int parent, WayItem item);

    bool contains(int id) const { return id >= 0 && static_cast<std::size_t>(id) < m_items.size(); }
    const WayItem& item(int id) const { return m_items.at(static_cast<std::size_t>(id)); }
    const std::vector<int>& children(int id) const { return item(id).children; }

    // Items without the root.
    std::size_t size() const { return m_items.size() - 1; }
    bool full() const { return size() >= max_items; }

private:
    std::vector<WayItem> m_items;
};

// Adds under `parent` the ways to finish `score` from the check-out table, in table order:
// one line per distinct first-dart value, leaving out ways whose first dart is worth
// `excluded`. A three-dart way gets the ways for the score after its first dart as children
// (excluding its own second dart's value). Lines directly under the root are expanded.
// Returns the first item added, or -1 when none was.
int build_way_tree(WayTree& tree, const ArrangeTable& table, int parent, std::int32_t score,
                   std::int32_t excluded);

// The first child of `parent` whose first dart is worth `value` (points, so T5 and S15 are
// equal), or -1.
int find_way_sibling(const WayTree& tree, int parent, std::int32_t value);

} // namespace dvk
