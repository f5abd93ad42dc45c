#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/segment.h"
#include "com/way_tree.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace dvk {
namespace {

std::vector<std::string> child_texts(const WayTree& tree, int parent) {
    std::vector<std::string> texts;
    for (const int id : tree.children(parent)) {
        texts.push_back(tree.item(id).text);
    }
    return texts;
}

int depth_of(const WayTree& tree, int id) {
    int depth = 0;
    for (; id != WayTree::root; id = tree.item(id).parent) {
        ++depth;
    }
    return depth;
}

class BuiltinWayTree : public testing::Test {
protected:
    const ArrangeTable m_table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    WayTree m_tree;
};

TEST_F(BuiltinWayTree, oneSeventyOpensTheWaysFor110WithoutTreble20) {
    const int first = build_way_tree(m_tree, m_table, WayTree::root, 170, 0);
    ASSERT_EQ(m_tree.children(WayTree::root), std::vector<int>{first});
    const WayItem& top = m_tree.item(first);
    EXPECT_EQ(top.text, "T20 - T20 - D25");
    EXPECT_EQ(top.score, 170);
    EXPECT_TRUE(top.expanded);
    std::vector<std::string> expected;
    std::set<std::int32_t> first_values;
    for (const std::size_t i : entries_for_score(m_table, 110)) {
        const std::int32_t value = segment_value(m_table.entries[i].field(0));
        if (value != 60 && first_values.insert(value).second) {
            expected.push_back(way_text(m_table.entries[i]));
        }
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(child_texts(m_tree, first), expected);
    for (const int child : top.children) {
        EXPECT_FALSE(m_tree.item(child).expanded);
        EXPECT_EQ(m_tree.item(child).score, 110);
    }
}

TEST_F(BuiltinWayTree, fiftyShowsOneLinePerFirstDartValue) {
    build_way_tree(m_tree, m_table, WayTree::root, 50, 0);
    EXPECT_EQ(child_texts(m_tree, WayTree::root),
              (std::vector<std::string>{"D25", "S25 - S17 - D4 ", "S18 - D16", "S10 - D20"}));
    const int s18 = m_tree.children(WayTree::root)[2];
    EXPECT_TRUE(m_tree.children(s18).empty());
    const int s25 = m_tree.children(WayTree::root)[1];
    for (const int child : m_tree.children(s25)) {
        EXPECT_EQ(m_tree.item(child).score, 25);
        EXPECT_NE(m_tree.item(child).first_value, 17);
    }
}

TEST_F(BuiltinWayTree, scoreWithoutWaysGivesAnEmptyTree) {
    EXPECT_EQ(build_way_tree(m_tree, m_table, WayTree::root, 159, 0), -1);
    EXPECT_EQ(build_way_tree(m_tree, m_table, WayTree::root, 0, 0), -1);
    EXPECT_EQ(m_tree.size(), 0u);
}

TEST_F(BuiltinWayTree, everyScoreBuildsWellWithinTheTreeLimits) {
    for (std::int32_t score = 1; score <= 180; ++score) {
        WayTree tree;
        build_way_tree(tree, m_table, WayTree::root, score, 0);
        EXPECT_LT(tree.size(), WayTree::max_items / 10) << score;
        for (int id = 1; id <= static_cast<int>(tree.size()); ++id) {
            EXPECT_LT(depth_of(tree, id), 8) << score;
        }
    }
}

TEST(WayTreeSiblings, firstDartsAreComparedByPoints) {
    const ArrangeTable table = parse_arrange_text("35,T5,D10\n35,S15,D10\n35,S3,D16\n");
    WayTree tree;
    build_way_tree(tree, table, WayTree::root, 35, 0);
    EXPECT_EQ(child_texts(tree, WayTree::root),
              (std::vector<std::string>{"T5  - D10", "S3  - D16"}));
    EXPECT_EQ(find_way_sibling(tree, WayTree::root, 15), tree.children(WayTree::root)[0]);
    EXPECT_EQ(find_way_sibling(tree, WayTree::root, 7), -1);
    EXPECT_EQ(find_way_sibling(tree, 99, 15), -1);
}

TEST(WayTreeSiblings, excludedFirstDartValueIsLeftOut) {
    const ArrangeTable table = parse_arrange_text("35,T5,D10\n35,S3,D16\n");
    WayTree tree;
    build_way_tree(tree, table, WayTree::root, 35, 15);
    EXPECT_EQ(child_texts(tree, WayTree::root), std::vector<std::string>{"S3  - D16"});
}

TEST(WayTreeLimits, editedTableThatBranchesWithoutEndStopsAtTheItemLimit) {
    std::string text;
    for (int score = 1; score <= 3000; ++score) {
        const std::string s = std::to_string(score);
        text += s + ",S1,S7,D1\n" + s + ",S2,S7,D1\n";
    }
    const ArrangeTable table = parse_arrange_text(text);
    WayTree tree;
    build_way_tree(tree, table, WayTree::root, 3000, 0);
    EXPECT_EQ(tree.size(), WayTree::max_items);
    EXPECT_EQ(build_way_tree(tree, table, WayTree::root, 10, 0), -1);
}

TEST(WayTreeLimits, longChainStopsAtTheDepthLimit) {
    std::string text;
    for (int score = 1; score <= 5000; ++score) {
        text += std::to_string(score) + ",S1,S7,D1\n";
    }
    const ArrangeTable table = parse_arrange_text(text);
    WayTree tree;
    build_way_tree(tree, table, WayTree::root, 5000, 0);
    EXPECT_EQ(tree.size(), static_cast<std::size_t>(WayTree::max_depth));
}

} // namespace
} // namespace dvk
