#include "model/text_cut.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

struct Cut {
    const char* name;
    std::string text;
    std::size_t limit;
    std::string expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const Cut& row, std::ostream* out) {
    *out << row.name;
}

class TextCut : public testing::TestWithParam<Cut> {};

TEST_P(TextCut, keepsTheLongestWholePrefix) {
    EXPECT_EQ(cut_to_bytes(GetParam().text, GetParam().limit), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextCut,
    testing::Values(Cut{"shortTextIsKept", "abc", 5, "abc"},
                    Cut{"asciiIsCutAtTheLimit", "abcdef", 4, "abcd"},
                    Cut{"twoByteCharacterIsNotSplit", "a\xC3\xA9", 2, "a"},
                    Cut{"fourByteCharacterIsNotSplit", "ab\xF0\x9F\x8E\xAF", 5, "ab"},
                    Cut{"characterEndingAtTheLimitIsKept", "a\xC3\xA9z", 3, "a\xC3\xA9"},
                    Cut{"invalidBytesAreCutByCount", "\x80\x80\x80\x80\x80\x80", 4,
                        "\x80\x80\x80\x80"},
                    Cut{"zeroLimit", "\xC3\xA9", 0, ""}),
    [](const testing::TestParamInfo<Cut>& info) { return std::string(info.param.name); });

} // namespace
} // namespace dvk
