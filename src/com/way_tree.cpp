#include "com/way_tree.h"

#include "com/segment.h"

namespace dvk {

namespace {

int build_level(WayTree& tree, const ArrangeTable& table, int parent, std::int32_t score,
                std::int32_t excluded, int depth) {
    if (score == 0) {
        return -1;
    }
    int first = -1;
    for (std::size_t i = 0; i < table.entries.size() && !tree.full(); ++i) {
        const ArrangeEntry& entry = table.entries[i];
        if (entry.score != score) {
            continue;
        }
        const std::int32_t value = segment_value(entry.field(0));
        if (value == excluded || find_way_sibling(tree, parent, value) >= 0) {
            continue;
        }
        const int id = tree.add_item(
            parent, {i, entry.score, value, way_text(entry), parent == WayTree::root, parent, {}});
        if (id < 0) {
            break;
        }
        if (first < 0) {
            first = id;
        }
        const std::int64_t rest = std::int64_t{score} - value;
        if (value != 0 && rest > 0 && !entry.field(2).empty() && depth + 1 < WayTree::max_depth) {
            build_level(tree, table, id, static_cast<std::int32_t>(rest),
                        segment_value(entry.field(1)), depth + 1);
        }
    }
    return first;
}

int depth_of(const WayTree& tree, int id) {
    int depth = 0;
    for (int at = id; at != WayTree::root && tree.contains(at); at = tree.item(at).parent) {
        ++depth;
    }
    return depth;
}

} // namespace

WayTree::WayTree() {
    clear();
}

void WayTree::clear() {
    m_items.clear();
    m_items.push_back({});
}

int WayTree::add_item(int parent, WayItem item) {
    if (full() || !contains(parent)) {
        return -1;
    }
    const int id = static_cast<int>(m_items.size());
    item.parent = parent;
    item.children.clear();
    m_items.push_back(std::move(item));
    m_items[static_cast<std::size_t>(parent)].children.push_back(id);
    return id;
}

int build_way_tree(WayTree& tree, const ArrangeTable& table, int parent, std::int32_t score,
                   std::int32_t excluded) {
    if (!tree.contains(parent)) {
        return -1;
    }
    return build_level(tree, table, parent, score, excluded, depth_of(tree, parent));
}

int find_way_sibling(const WayTree& tree, int parent, std::int32_t value) {
    if (!tree.contains(parent)) {
        return -1;
    }
    for (const int child : tree.children(parent)) {
        if (tree.item(child).first_value == value) {
            return child;
        }
    }
    return -1;
}

} // namespace dvk
