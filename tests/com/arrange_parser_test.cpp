#include "com/arrange_parser.h"
#include "com/segment.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace dvk {
namespace {

struct ExpectedEntry {
    std::int32_t score;
    std::vector<std::string> fields;
};

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<ExpectedEntry> entries;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class ParseArrangeText : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseArrangeText, givesTheExpectedEntries) {
    const ParseCase& c = GetParam();
    const ArrangeTable table = parse_arrange_text(c.text);
    ASSERT_EQ(table.count(), c.entries.size());
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
        const ArrangeEntry& entry = table.entries[i];
        EXPECT_EQ(entry.score, c.entries[i].score) << "entry " << i;
        for (std::size_t f = 0; f < ArrangeEntry::field_count; ++f) {
            const std::string expected =
                f < c.entries[i].fields.size() ? c.entries[i].fields[f] : std::string();
            EXPECT_EQ(entry.field(f), expected) << "entry " << i << " field " << f;
        }
    }
}

const std::string max_score = std::to_string(std::numeric_limits<std::int32_t>::max());

INSTANTIATE_TEST_SUITE_P(
    OddLines, ParseArrangeText,
    testing::Values(
        ParseCase{
            "blanksAroundCommas", "  170 , T20 , T20 , D25\r\n", {{170, {"T20", "T20", "D25"}}}},
        ParseCase{"tabsAfterCommas", "\t40,\tD20,\t D20\n", {{40, {"D20", "D20"}}}},
        ParseCase{"longFieldKeepsTenCharacters",
                  "60,ABCDEFGHIJKLMN,D20\r\n",
                  {{60, {"ABCDEFGHIJ", "D20"}}}},
        ParseCase{"sixthFieldIsDropped", "1,a,b,c,d,e,f\r\n", {{1, {"a", "b", "c", "d", "e"}}}},
        ParseCase{"textAfterBlankInFieldIsDropped", "50,S25 x y,D25\n", {{50, {"S25", "D25"}}}},
        ParseCase{"emptyFieldStaysEmpty", "40,,D20\n", {{40, {"", "D20"}}}},
        ParseCase{"commentLineMakesNoEntry", "# ways\r\n  # indented\r\n2,D1\r\n", {{2, {"D1"}}}},
        ParseCase{"hashInsideLineIsText", "40,D#0 # note\n", {{40, {"D#0"}}}},
        ParseCase{"letterFirstGivesScoreZero", "abc,D20\n", {{0, {"D20"}}}},
        ParseCase{"signIsNotAccepted", "-5,D1\n+7,S7\n", {{0, {"D1"}}, {0, {"S7"}}}},
        ParseCase{"junkAfterScoreIsSkipped", "40x y,D20\n", {{40, {"D20"}}}},
        ParseCase{"scoreWithoutFields", "99\n", {{99, {}}}},
        ParseCase{"lastLineWithoutLineEnd", "2,D1\r\n3,S1,D1", {{2, {"D1"}}, {3, {"S1", "D1"}}}},
        ParseCase{
            "loneCarriageReturnEndsLine", "2,D1\r3,S1,D1\r", {{2, {"D1"}}, {3, {"S1", "D1"}}}},
        ParseCase{"blankLinesBetweenEntries", "\r\n\r\n  \t\r\n4,D2\n\n", {{4, {"D2"}}}},
        ParseCase{"hugeScoreIsHeld",
                  "99999999999999999999999,D1\n",
                  {{std::numeric_limits<std::int32_t>::max(), {"D1"}}}},
        ParseCase{"zeroByteEndsText",
                  std::string("2,D1\n\0"
                              "3,S1,D1\n",
                              14),
                  {{2, {"D1"}}}},
        ParseCase{"onlyCommentsAndBlanks", "# a\r\n\r\n   \r\n# b", {}},
        ParseCase{"emptyText", "", {}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(ParseArrangeTextLimits, longGarbageLineIsOneEntryWithCutFields) {
    std::string line(200000, 'x');
    line[100] = ',';
    line[5000] = ',';
    const ArrangeTable table = parse_arrange_text(line + "\n7,S7");
    ASSERT_EQ(table.count(), 2u);
    EXPECT_EQ(table.entries[0].score, 0);
    EXPECT_EQ(table.entries[0].field(0), "xxxxxxxxxx");
    EXPECT_EQ(table.entries[0].field(1), "xxxxxxxxxx");
    EXPECT_EQ(table.entries[1].score, 7);
}

TEST(ParseArrangeTextLimits, binaryGarbageNeverGivesMoreEntriesThanLines) {
    std::string garbage;
    std::uint32_t state = 12345;
    for (int i = 0; i < 300000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>(state >> 24));
    }
    std::size_t lines = 1;
    for (const char c : garbage.substr(0, garbage.find('\0'))) {
        lines += (c == '\n' || c == '\r') ? 1 : 0;
    }
    const ArrangeTable table = parse_arrange_text(garbage);
    EXPECT_LE(table.count(), lines);
    for (const ArrangeEntry& entry : table.entries) {
        EXPECT_GE(entry.score, 0);
        for (std::size_t f = 0; f < ArrangeEntry::field_count; ++f) {
            EXPECT_LE(entry.field(f).size(), ArrangeEntry::field_capacity);
        }
    }
}

struct SegmentCase {
    const char* name;
    const char* text;
    std::int32_t number;
    std::int32_t multiplier;
    std::int32_t value;
};

void PrintTo(const SegmentCase& c, std::ostream* os) {
    *os << c.name;
}

class SegmentNames : public testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentNames, giveNumberMultiplierAndPoints) {
    const SegmentCase& c = GetParam();
    EXPECT_EQ(parse_segment(c.text), (Segment{c.number, c.multiplier}));
    EXPECT_EQ(segment_value(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Notation, SegmentNames,
    testing::Values(SegmentCase{"treble", "T20", 20, 3, 60},
                    SegmentCase{"bullsEye", "D25", 25, 2, 50},
                    SegmentCase{"outerBull", "S25", 25, 1, 25},
                    SegmentCase{"bareNumberIsSingle", "25", 25, 1, 25},
                    SegmentCase{"otherLetterIsSingle", "X7", 7, 1, 7},
                    SegmentCase{"lowerCaseIsNotAMultiplier", "t20", 20, 1, 20},
                    SegmentCase{"digitsStartAnywhere", "Dxy8", 8, 2, 16},
                    SegmentCase{"digitsStopAtNonDigit", "S1x2", 1, 1, 1},
                    SegmentCase{"noDigits", "D", 0, 2, 0}, SegmentCase{"empty", "", 0, 1, 0},
                    SegmentCase{"hugeNumberIsHeld", "T9999999999", 2147483647, 3, 2147483647}),
    [](const testing::TestParamInfo<SegmentCase>& info) { return info.param.name; });

TEST(SuggestionText, joinsDartsLeavingOutEmptyFields) {
    const ArrangeTable table = parse_arrange_text("170,T20,T20,D25\n40,,D20\n82,D25,D16,,9,1\n");
    EXPECT_EQ(suggestion_text(table.entries[0]), "T20-T20-D25");
    EXPECT_EQ(suggestion_text(table.entries[1]), "D20");
    EXPECT_EQ(suggestion_text(table.entries[2]), "D25-D16");
}

TEST(WayText, padsEachDartToThreeCharacters) {
    const ArrangeTable table = parse_arrange_text("170,T20,T20,D25\n24,S8,D8\n2,D1\n");
    EXPECT_EQ(way_text(table.entries[0]), "T20 - T20 - D25");
    EXPECT_EQ(way_text(table.entries[1]), "S8  - D8 ");
    EXPECT_EQ(way_text(table.entries[2]), "D1 ");
}

TEST(SuggestionLines, listEveryEntryOfTheScoreInTableOrder) {
    const ArrangeTable table = parse_arrange_text("50,D25\n40,D20\n50,S18,D16\n50,S10,D20\n");
    EXPECT_EQ(suggestion_lines(table, 50), (std::vector<std::string>{"D25", "S18-D16", "S10-D20"}));
    EXPECT_EQ(entries_for_score(table, 40), (std::vector<std::size_t>{1}));
    EXPECT_TRUE(suggestion_lines(table, 41).empty());
}

} // namespace
} // namespace dvk
