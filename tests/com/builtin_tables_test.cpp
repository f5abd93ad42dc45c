#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_table.h"
#include "com/segment.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace dvk {
namespace {

// The preferred (first) way of every score of the check-out table.
constexpr const char* preferred_ways = R"(
2 D1; 3 S1-D1; 4 D2; 5 S1-D2; 6 D3; 7 S3-D2; 8 D4; 9 S1-D4; 10 D5; 11 S3-D4; 12 D6; 13 S5-D4;
14 D7; 15 S7-D4; 16 D8; 17 S1-D8; 18 D9; 19 S3-D8; 20 D10; 21 S5-D8; 22 D11; 23 S7-D8; 24 D12;
25 S17-D4; 26 D13; 27 S19-D4; 28 D14; 29 S13-D8; 30 D15; 31 S15-D8; 32 D16; 33 S1-D16; 34 D17;
35 S3-D16; 36 D18; 37 S5-D16; 38 D19; 39 S7-D16; 40 D20; 41 S9-D16; 42 S10-D16; 43 S3-D20;
44 S12-D16; 45 S13-D16; 46 S6-D20; 47 S7-D20; 48 S16-D16; 49 S17-D16; 50 D25; 51 S19-D16;
52 S12-D20; 53 S13-D20; 54 S14-D20; 55 S15-D20; 56 S16-D20; 57 S17-D20; 58 S18-D20; 59 S19-D20;
60 S20-D20; 61 T15-D8; 62 T10-D16; 63 T17-D6; 64 T16-D8; 65 T19-D4; 66 T10-D18; 67 T17-D8;
68 T20-D4; 69 T19-D6; 70 T18-D8; 71 T13-D16; 72 T12-D18; 73 T19-D8; 74 T14-D16; 75 T17-D12;
76 T20-D8; 77 T19-D10; 78 T18-D12; 79 T13-D20; 80 T20-D10; 81 T15-D18; 82 D25-D16; 83 T17-D16;
84 T20-D12; 85 T15-D20; 86 T18-D16; 87 T17-D18; 88 T20-D14; 89 T19-D16; 90 T18-D18; 91 T17-D20;
92 T20-D16; 93 T19-D18; 94 T18-D20; 95 T19-D19; 96 T20-D18; 97 T19-D20; 98 T20-D19;
99 T19-S10-D16; 100 T20-D20; 101 T17-D25; 102 T20-S10-D16; 103 T20-S3-D20; 104 T18-D25;
105 T19-S16-D16; 106 T20-S6-D20; 107 T19-D25; 108 T20-S16-D16; 109 T20-S17-D16; 110 T20-D25;
111 T20-S19-D16; 112 T20-S12-D20; 113 T20-S13-D20; 114 T20-S14-D20; 115 T19-S18-D20;
116 T20-S16-D20; 117 T20-S17-D20; 118 T18-S14-D25; 119 S19-T20-D20; 120 T20-S20-D20;
121 T20-S11-D25; 122 T18-S18-D25; 123 T19-S16-D25; 124 T20-S14-D25; 125 T18-T13-D16;
126 T19-S19-D25; 127 T20-S17-D25; 128 S18-T20-D25; 129 T19-T12-D18; 130 T20-S20-D25;
131 T20-T13-D16; 132 T20-T12-D18; 133 T20-T19-D8; 134 T20-T14-D16; 135 S25-T20-D25;
136 T20-T20-D8; 137 T20-T19-D10; 138 T20-T18-D12; 139 T20-T13-D20; 140 T20-T20-D10;
141 T20-T15-D18; 142 T20-T14-D20; 143 T20-T17-D16; 144 T20-T20-D12; 145 T20-T15-D20;
146 T20-T18-D16; 147 T20-T17-D18; 148 T20-T20-D14; 149 T20-T19-D16; 150 T20-T18-D18;
151 T20-T17-D20; 152 T20-T20-D16; 153 T20-T19-D18; 154 T20-T18-D20; 155 T20-T19-D19;
156 T20-T20-D18; 157 T20-T19-D20; 158 T20-T20-D19; 160 T20-T20-D20; 161 T20-T17-D25;
164 T20-T18-D25; 167 T20-T19-D25; 170 T20-T20-D25
)";

std::map<std::int32_t, std::string> parse_preferred_ways() {
    std::map<std::int32_t, std::string> ways;
    std::string text = preferred_ways;
    for (char& c : text) {
        c = c == ';' ? '\n' : c;
    }
    std::istringstream lines(text);
    std::int32_t score = 0;
    std::string way;
    while (lines >> score >> way) {
        ways[score] = way;
    }
    return ways;
}

std::map<std::int32_t, std::vector<const ArrangeEntry*>> by_score(const ArrangeTable& table) {
    std::map<std::int32_t, std::vector<const ArrangeEntry*>> scores;
    for (const ArrangeEntry& entry : table.entries) {
        scores[entry.score].push_back(&entry);
    }
    return scores;
}

// Every field written the way the table's own notation writes it: a letter, then a number
// without leading zeros.
bool is_canonical(std::string_view name) {
    const Segment s = parse_segment(name);
    return !name.empty() && std::string(1, name.front()) + std::to_string(s.number) == name;
}

std::string row_text(const ArrangeEntry& entry) {
    std::string text = std::to_string(entry.score);
    std::size_t used = ArrangeEntry::field_count;
    while (used > 0 && entry.field(used - 1).empty()) {
        --used;
    }
    for (std::size_t i = 0; i < used; ++i) {
        text += ",";
        text += entry.field(i);
    }
    return text;
}

std::vector<std::string> rows_for(const ArrangeTable& table, std::int32_t score) {
    std::vector<std::string> rows;
    for (const std::size_t i : entries_for_score(table, score)) {
        rows.push_back(row_text(table.entries[i]));
    }
    return rows;
}

TEST(BuiltinTables, useCrLfLineEndsOnly) {
    for (const BuiltinTable id : {BuiltinTable::Checkout, BuiltinTable::Com}) {
        const std::string_view text = builtin_arrange_text(id);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
            }
            if (text[i] == '\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
            }
        }
    }
}

class BuiltinCheckoutTable : public testing::Test {
protected:
    const ArrangeTable m_table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
};

TEST_F(BuiltinCheckoutTable, coversEveryFinishableScoreExceptTheBogeys) {
    std::set<std::int32_t> expected;
    for (std::int32_t s = 2; s <= 170; ++s) {
        expected.insert(s);
    }
    for (const std::int32_t bogey : {159, 162, 163, 165, 166, 168, 169}) {
        expected.erase(bogey);
    }
    std::set<std::int32_t> scores;
    for (const auto& [score, entries] : by_score(m_table)) {
        scores.insert(score);
    }
    EXPECT_EQ(m_table.count(), 417u);
    EXPECT_EQ(scores, expected);
}

TEST_F(BuiltinCheckoutTable, listsThePreferredWayFirst) {
    const auto scores = by_score(m_table);
    for (const auto& [score, way] : parse_preferred_ways()) {
        ASSERT_TRUE(scores.contains(score)) << score;
        EXPECT_EQ(suggestion_text(*scores.at(score).front()), way) << score;
    }
    EXPECT_EQ(parse_preferred_ways().size(), scores.size());
}

TEST_F(BuiltinCheckoutTable, hasOneToEightWaysPerScoreAndEightFor108) {
    for (const auto& [score, entries] : by_score(m_table)) {
        EXPECT_GE(entries.size(), 1u) << score;
        EXPECT_LE(entries.size(), 8u) << score;
    }
    EXPECT_EQ(entries_for_score(m_table, 108).size(), 8u);
    EXPECT_EQ(suggestion_lines(m_table, 50),
              (std::vector<std::string>{"D25", "S25-S17-D4", "S25-S3-D11", "S18-D16", "S10-D20"}));
    EXPECT_EQ(suggestion_lines(m_table, 170), std::vector<std::string>{"T20-T20-D25"});
}

TEST_F(BuiltinCheckoutTable, everyWayAddsUpAndEndsOnADouble) {
    for (const ArrangeEntry& entry : m_table.entries) {
        std::size_t darts = 0;
        while (darts < 3 && !entry.field(darts).empty()) {
            ++darts;
        }
        ASSERT_GE(darts, 1u) << row_text(entry);
        EXPECT_TRUE(entry.field(darts).empty() && entry.field(3).empty() && entry.field(4).empty())
            << row_text(entry);
        std::int32_t sum = 0;
        for (std::size_t i = 0; i < darts; ++i) {
            sum += segment_value(entry.field(i));
        }
        const Segment last = parse_segment(entry.field(darts - 1));
        EXPECT_EQ(sum, entry.score) << row_text(entry);
        EXPECT_EQ(last.multiplier, 2) << row_text(entry);
        EXPECT_TRUE(is_board_number(last.number)) << row_text(entry);
    }
}

TEST_F(BuiltinCheckoutTable, usesExactlyTheNamedSegments) {
    std::set<std::string> allowed;
    for (int n = 1; n <= 20; ++n) {
        allowed.insert("S" + std::to_string(n));
        allowed.insert("D" + std::to_string(n));
    }
    allowed.insert({"S25", "D25", "T8", "T10"});
    for (int n = 12; n <= 20; ++n) {
        allowed.insert("T" + std::to_string(n));
    }
    std::set<std::string> used;
    for (const ArrangeEntry& entry : m_table.entries) {
        for (std::size_t i = 0; i < 3 && !entry.field(i).empty(); ++i) {
            used.insert(std::string(entry.field(i)));
        }
    }
    EXPECT_EQ(used, allowed);
}

TEST_F(BuiltinCheckoutTable, waysOfAScoreAreDistinct) {
    for (const auto& [score, entries] : by_score(m_table)) {
        std::set<std::string> ways;
        for (const ArrangeEntry* entry : entries) {
            EXPECT_TRUE(ways.insert(suggestion_text(*entry)).second) << score;
        }
    }
}

class BuiltinComTable : public testing::Test {
protected:
    const ArrangeTable m_table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Com));
};

TEST_F(BuiltinComTable, coversTwoTo195AndTheNamedHigherScores) {
    std::set<std::int32_t> expected;
    for (std::int32_t s = 2; s <= 195; ++s) {
        expected.insert(s);
    }
    expected.insert({211, 213, 214, 217, 220, 227, 233, 236, 239, 242,
                     245, 246, 284, 299, 302, 303, 305, 306, 308, 309});
    std::set<std::int32_t> scores;
    for (const auto& [score, entries] : by_score(m_table)) {
        scores.insert(score);
    }
    EXPECT_EQ(m_table.count(), 395u);
    EXPECT_EQ(scores, expected);
}

struct ComRows {
    std::int32_t score;
    std::vector<std::string> rows;
};

TEST_F(BuiltinComTable, hasTheTellingRows) {
    const std::vector<ComRows> telling = {
        {10, {"10,D5,D5,D5,70,1", "10,S2,D5,D5,30,1", "10,D5,D5,D5,80,2", "10,S2,S2,S2,20,2"}},
        {32, {"32,D16,D16,D16"}},
        {40, {"40,D20,D20,D20"}},
        {50, {"50,S18,S18,D25", "50,S10,S10,D25"}},
        {60, {"60,S20,S20,S20"}},
        {63, {"63,T17,S13,T17,40", "63,T13,T13,T13,60"}},
        {81,
         {"81,T15,T15,T15,30,2", "81,T19,T19,T19,30,2", "81,D25,T19,T19,10,2",
          "81,D25,T19,D25,10,2", "81,D25,T15,T15,10,2", "81,D25,T15,D25,10,2",
          "81,D25,T19,T19,25,1", "81,D25,T19,D25,25,1", "81,D25,T15,T15,25,1",
          "81,D25,T15,D25,25,1"}},
        {100, {"100,T20,T20,T20"}},
        {101,
         {"101,T20,T17,T20,30,0", "101,T20,T17,T17,20,0", "101,T20,T17,D25,20,0",
          "101,D25,T17,D25,20,0", "101,T17,T17,T17,5,0", "101,T17,T17,D25,5,0"}},
        {119, {"119,T19,T19,T19,100,1", "119,T19,T19,T19,90,2", "119,T20,T20,T20,10,2"}},
        {132,
         {"132,T20,T20,T20,20,1", "132,D25,D25,D25,80,1", "132,T20,T20,T20,80,2",
          "132,D25,D25,D25,20,2"}},
        {170, {"170,T20,T20,T20"}},
        {180, {"180,T20,T20,T20"}},
    };
    for (const ComRows& expected : telling) {
        EXPECT_EQ(rows_for(m_table, expected.score), expected.rows) << expected.score;
    }
    const std::vector<std::string> rows34 = rows_for(m_table, 34);
    ASSERT_EQ(rows34.size(), 2u);
    EXPECT_EQ(parse_segment(m_table.entries[entries_for_score(m_table, 34)[0]].field(0)),
              (Segment{17, 2}));
    EXPECT_EQ(parse_segment(m_table.entries[entries_for_score(m_table, 34)[1]].field(0)),
              (Segment{2, 1}));
}

TEST_F(BuiltinComTable, fortyThreeScoresAreWeightedTheOthersAimOnceAtOneTarget) {
    int weighted = 0;
    for (const auto& [score, entries] : by_score(m_table)) {
        if (entries.size() > 1) {
            ++weighted;
            continue;
        }
        const ArrangeEntry& entry = *entries.front();
        EXPECT_FALSE(entry.field(0).empty()) << score;
        EXPECT_EQ(entry.field(1), entry.field(0)) << score;
        EXPECT_EQ(entry.field(2), entry.field(0)) << score;
        EXPECT_TRUE(entry.field(3).empty() && entry.field(4).empty()) << score;
    }
    EXPECT_EQ(weighted, 43);
}

TEST_F(BuiltinComTable, everyTargetIsOnTheBoardAndEveryScoreHasAChoiceInBothSituations) {
    const ComTable com(m_table);
    for (const auto& [score, entries] : by_score(m_table)) {
        bool opponent_can_finish = false;
        bool opponent_above = false;
        for (const ComTable::Candidate& c : com.candidates_for(score)) {
            const ArrangeEntry& entry = m_table.entries[static_cast<std::size_t>(c.entry)];
            for (std::size_t i = 0; i < 3; ++i) {
                EXPECT_TRUE(is_canonical(entry.field(i))) << row_text(entry);
                EXPECT_TRUE(is_board_number(c.targets[i].number)) << row_text(entry);
                EXPECT_FALSE(c.targets[i].number == bull_number && c.targets[i].multiplier == 3)
                    << row_text(entry);
            }
            EXPECT_NE(c.condition, ComCondition::Never) << row_text(entry);
            opponent_can_finish |= c.condition != ComCondition::OpponentAbove170;
            opponent_above |= c.condition != ComCondition::OpponentCanFinish;
        }
        EXPECT_TRUE(opponent_can_finish && opponent_above) << score;
    }
}

} // namespace
} // namespace dvk
