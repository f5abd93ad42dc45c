#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <string>

namespace dvk {
namespace {

struct RoundTrip {
    const char* name;
    std::string file;
    std::string saved;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const RoundTrip& row, std::ostream* out) {
    *out << row.name;
}

class ProfileRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(ProfileRoundTrip, savesTheLoadedFileAsExpected) {
    EXPECT_EQ(ProfileDocument::parse(GetParam().file).serialise(), GetParam().saved);
}

TEST_P(ProfileRoundTrip, aSavedFileIsSavedAgainByteForByte) {
    EXPECT_EQ(ProfileDocument::parse(GetParam().saved).serialise(), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileRoundTrip,
    testing::Values(
        RoundTrip{"emptyFile", "", ""},
        RoundTrip{"keysBeforeFirstHeaderHaveNoHeader", "a=1\n[game]\nb=2\n",
                  "a=1\r\n\r\n[game]\r\nb=2\r\n\r\n"},
        RoundTrip{"blanksAroundEqualsKeepTheValueBlank", "[s]\nkey = value\n",
                  "[s]\r\nkey= value\r\n\r\n"},
        RoundTrip{"commentKeepsItsPlace", "[s]\na=1\n# note = here\nb=2\n",
                  "[s]\r\na=1\r\n# note = here\r\nb=2\r\n\r\n"},
        RoundTrip{"indentedHashIsAKey", "[s]\n  # not a comment\n",
                  "[s]\r\n # not a comment=\r\n\r\n"},
        RoundTrip{"unclosedHeaderIsDroppedAndItsKeysJoinThePreviousSection",
                  "[a]\nx=1\n[broken\ny=2\n", "[a]\r\nx=1\r\ny=2\r\n\r\n"},
        RoundTrip{"indentedHeaderIsAKeyAndTheKeysBelowStayInTheSection", "[a]\n\t[b]=1]\nx=1\n",
                  "[a]\r\n [b]=1]\r\nx=1\r\n\r\n"},
        RoundTrip{"emptyHeaderIsIgnored", "[a]\nx=1\n[ ]\ny=2\n", "[a]\r\nx=1\r\ny=2\r\n\r\n"},
        RoundTrip{"sectionWithoutKeysVanishes", "[a]\n[b]\nx=1\n", "[b]\r\nx=1\r\n\r\n"},
        RoundTrip{"duplicateSectionsAndKeysAreKept", "[g]\nk=1\nk=2\n[g]\nk=3\n",
                  "[g]\r\nk=1\r\nk=2\r\n\r\n[g]\r\nk=3\r\n\r\n"},
        RoundTrip{"mixedLineEndsAndEmptyLines", "[a]\r\rx=1\r\n\r\ny=2\n\n\nz=3",
                  "[a]\r\nx=1\r\ny=2\r\nz=3\r\n\r\n"},
        RoundTrip{"lineStartingWithEqualsIsDropped", "[a]\n=orphan\nx=1\n", "[a]\r\nx=1\r\n\r\n"},
        RoundTrip{"dataEndsAtNulByte", std::string("[a]\nx=1\n\0y=2\n", 13), "[a]\r\nx=1\r\n\r\n"},
        RoundTrip{"valueKeepsEverythingAfterTheFirstEquals", "[a]\nx=1=2 \"q\" \n",
                  "[a]\r\nx=1=2 \"q\" \r\n\r\n"}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

struct Lookup {
    const char* name;
    std::string stored;
    std::string text;
    std::int32_t number;
};

void PrintTo(const Lookup& row, std::ostream* out) {
    *out << row.name;
}

class ProfileLookup : public testing::TestWithParam<Lookup> {};

TEST_P(ProfileLookup, readsTextAndNumber) {
    const auto doc = ProfileDocument::parse("[s]\nk=" + GetParam().stored + "\n");
    EXPECT_EQ(doc.get_string("s", "k", "default", 255), GetParam().text);
    EXPECT_EQ(doc.get_int("s", "k", 77), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileLookup,
    testing::Values(Lookup{"plain", "42", "42", 42}, Lookup{"quoted", "\"-17\"", "-17", -17},
                    Lookup{"onlyLeadingQuote", "\"Player 1", "Player 1", 0},
                    Lookup{"onlyTrailingQuote", "12\"", "12", 12},
                    Lookup{"blanksAroundTheQuotes", "  \" a b \"  ", " a b ", 0},
                    Lookup{"emptyValueIsNotMissing", "", "", 0},
                    Lookup{"digitsStopAtTheFirstOtherByte", " +15abc", "+15abc", 15},
                    Lookup{"notANumber", "abc", "abc", 0},
                    Lookup{"hugeNumberSaturates", "99999999999", "99999999999", 2147483647},
                    Lookup{"hugeNegativeSaturates", "-99999999999", "-99999999999",
                           -2147483647 - 1}),
    [](const testing::TestParamInfo<Lookup>& info) { return std::string(info.param.name); });

TEST(ProfileDocument, missingSectionOrKeyGivesTheDefault) {
    const auto doc = ProfileDocument::parse("[s]\nk=1\n");
    EXPECT_EQ(doc.get_int("other", "k", 5), 5);
    EXPECT_EQ(doc.get_int("s", "other", 6), 6);
    EXPECT_EQ(doc.get_string("s", "", "d", 255), "d");
}

TEST(ProfileDocument, namesMatchWithoutCaseAndKeepTheirStoredSpelling) {
    auto doc = ProfileDocument::parse("[Game]\nStart_Score=301\n");
    EXPECT_EQ(doc.get_int("game", "start_score", 0), 301);
    ASSERT_TRUE(doc.write_int("GAME", "START_SCORE", 501));
    EXPECT_EQ(doc.serialise(), "[Game]\r\nStart_Score=501\r\n\r\n");
}

TEST(ProfileDocument, firstOfDuplicateSectionsAndKeysIsReadAndWritten) {
    auto doc = ProfileDocument::parse("[g]\nk=1\nk=2\n[g]\nk=3\nonly_second=4\n");
    EXPECT_EQ(doc.get_int("g", "k", 0), 1);
    EXPECT_EQ(doc.get_int("g", "only_second", 0), 0);
    doc.write_int("g", "k", 9);
    EXPECT_EQ(doc.serialise(), "[g]\r\nk=9\r\nk=2\r\n\r\n[g]\r\nk=3\r\nonly_second=4\r\n\r\n");
}

TEST(ProfileDocument, commentTextIsNeverFoundAsAKey) {
    const auto doc = ProfileDocument::parse("[s]\n#k=1\n");
    EXPECT_EQ(doc.get_int("s", "#k", 5), 5);
}

TEST(ProfileDocument, writingAppendsMissingSectionAndKeyAtTheEnd) {
    auto doc = ProfileDocument::parse("[a]\nx=1\n");
    doc.write_string("b", "name", "Player 1");
    doc.write_int("a", "y", -20);
    doc.write_string("b", "empty", "");
    EXPECT_EQ(doc.serialise(),
              "[a]\r\nx=1\r\ny=-20\r\n\r\n[b]\r\nname=\"Player 1\"\r\nempty=\r\n\r\n");
    EXPECT_EQ(doc.get_string("b", "name", "", 255), "Player 1");
    EXPECT_EQ(doc.get_string("b", "empty", "d", 255), "");
    EXPECT_EQ(doc.get_int("b", "empty", 3), 0);
}

TEST(ProfileDocument, removedKeyIsNeitherFoundNorWritten) {
    auto doc = ProfileDocument::parse("[a]\nx=1\ny=2\n");
    EXPECT_TRUE(doc.remove_key("a", "x"));
    EXPECT_FALSE(doc.remove_key("a", "missing"));
    EXPECT_EQ(doc.get_int("a", "x", 7), 7);
    EXPECT_EQ(doc.serialise(), "[a]\r\ny=2\r\n\r\n");
}

TEST(ProfileDocument, removingTheFirstOfDuplicateKeysUncoversTheNext) {
    auto doc = ProfileDocument::parse("[a]\nK=1\n#k=c\nk=2\nk=3\n");
    EXPECT_TRUE(doc.remove_key("a", "k"));
    EXPECT_EQ(doc.get_int("a", "k", 0), 2);
    EXPECT_TRUE(doc.remove_key("a", "k"));
    EXPECT_TRUE(doc.remove_key("a", "k"));
    EXPECT_FALSE(doc.remove_key("a", "k"));
    doc.write_int("a", "k", 4);
    EXPECT_EQ(doc.serialise(), "[a]\r\n#k=c\r\nk=4\r\n\r\n");
}

TEST(ProfileDocument, clearedSectionDisappearsUntilWrittenAgain) {
    auto doc = ProfileDocument::parse("[a]\nx=1\n[b]\ny=2\n");
    EXPECT_TRUE(doc.clear_section("a"));
    EXPECT_EQ(doc.serialise(), "[b]\r\ny=2\r\n\r\n");
    doc.write_int("a", "z", 3);
    EXPECT_EQ(doc.serialise(), "[a]\r\nz=3\r\n\r\n[b]\r\ny=2\r\n\r\n");
}

TEST(ProfileDocument, textWithLineBreaksStaysOnOneLine) {
    ProfileDocument doc;
    doc.write_string("game", "p1_name", "Eve\r\n[game]\r\nstart_score=1");
    EXPECT_FALSE(doc.write_raw("game", "start_score", "1\n[x]"));
    const auto reread = ProfileDocument::parse(doc.serialise());
    EXPECT_EQ(reread.get_string("game", "p1_name", "", 255), "Eve  [game]  start_score=1");
    EXPECT_EQ(reread.get_int("game", "start_score", 501), 501);
}

TEST(ProfileDocument, blankNamesAreRefused) {
    ProfileDocument doc;
    EXPECT_FALSE(doc.write_int("  ", "k", 1));
    EXPECT_FALSE(doc.write_int("s", " \t", 1));
    EXPECT_EQ(doc.serialise(), "");
}

TEST(ProfileDocument, longNamesAreCutTo255BytesWithoutSplittingACharacter) {
    const std::string section(300, 's');
    const std::string key = std::string(254, 'k') + "\xC3\xA9" + "tail";
    const auto doc = ProfileDocument::parse("[" + section + "]\n" + key + "=1\n");
    EXPECT_EQ(doc.get_int(section.substr(0, 255), std::string(254, 'k'), 0), 1);
}

TEST(ProfileDocument, longCommentsAreKeptWhole) {
    const std::string comment = "#" + std::string(400, 'c');
    EXPECT_EQ(ProfileDocument::parse(comment).serialise(), comment + "\r\n\r\n");
}

} // namespace
} // namespace dvk
