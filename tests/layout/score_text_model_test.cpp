#include "layout/score_text_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>

namespace dvk {
namespace {

using enum EditOutcome;

std::u32string wide(std::string_view text) {
    return {text.begin(), text.end()};
}

std::string narrow(const std::u32string& text) {
    return {text.begin(), text.end()};
}

// Drives the model with a key script and returns the outcome of the last key. H/E Home/End,
// [ ] Shift+Home/End, < > Left/Right, { } Shift+Left/Right, B Backspace, D Delete, I Insert
// (toggles overwrite), A select all, U undo, R redo; anything else is typed.
EditOutcome run(ScoreTextModel& model, std::string_view script) {
    using Key = std::function<EditOutcome(ScoreTextModel&)>;
    static const std::map<char, Key> keys{
        {'H', [](auto& m) { return m.move_home(false); }},
        {'E', [](auto& m) { return m.move_end(false); }},
        {'[', [](auto& m) { return m.move_home(true); }},
        {']', [](auto& m) { return m.move_end(true); }},
        {'<', [](auto& m) { return m.move_left(false); }},
        {'>', [](auto& m) { return m.move_right(false); }},
        {'{', [](auto& m) { return m.move_left(true); }},
        {'}', [](auto& m) { return m.move_right(true); }},
        {'B', [](auto& m) { return m.backspace(); }},
        {'D', [](auto& m) { return m.delete_forward(); }},
        {'I', [](auto& m) { return m.toggle_insert_mode(); }},
        {'A', [](auto& m) { return m.select_all(); }},
        {'U', [](auto& m) { return m.undo(); }},
        {'R', [](auto& m) { return m.redo(); }},
    };
    EditOutcome outcome = Nothing;
    for (const char key : script) {
        const auto found = keys.find(key);
        outcome = found != keys.end() ? found->second(model) : model.type(char32_t(key));
    }
    return outcome;
}

ScoreTextModel model_with(std::string_view text, std::size_t limit = 3) {
    ScoreTextModel model;
    model.set_text(wide(text));
    model.set_limit(limit);
    return model;
}

struct ScriptCase {
    const char* name;
    const char* start;
    std::size_t limit;
    const char* script;
    const char* text;
    std::size_t caret;
    std::size_t anchor;
    EditOutcome last; // outcome of the script's last key
};

// Names the row in test output instead of dumping its bytes.
void PrintTo(const ScriptCase& c, std::ostream* os) {
    *os << c.name;
}

class ScoreTextScript : public testing::TestWithParam<ScriptCase> {};

TEST_P(ScoreTextScript, leavesTextCaretAndAnchor) {
    const ScriptCase& c = GetParam();
    ScoreTextModel model = model_with(c.start, c.limit);
    EXPECT_EQ(run(model, c.script), c.last);
    EXPECT_EQ(narrow(model.text()), c.text);
    EXPECT_EQ(model.caret(), c.caret);
    EXPECT_EQ(model.anchor(), c.anchor);
}

// clang-format off
const ScriptCase script_cases[] = {
    // Limit
    {"fullTextRefusesAnotherDigit",      "180", 3, "E5",     "180",   3, 3, Refused},
    {"fullTextRefusesDigitInTheMiddle",  "180", 3, "9",      "180",   0, 0, Refused},
    {"selectAllThenTypeReplacesText",    "180", 3, "A5",     "5",     1, 1, Changed},
    {"selectedLastDigitCanBeReplaced",   "180", 3, "E{5",    "185",   3, 3, Changed},
    {"limitZeroMeansNoLimit",            "",    0, "12345",  "12345", 5, 5, Changed},
    {"overwriteAtEndOfFullTextRefused",  "140", 3, "IE5",    "140",   3, 3, Refused},
    {"overwriteAtEndAppendsBelowLimit",  "14",  3, "IE5",    "145",   3, 3, Changed},
    {"overwriteRunsOnPastTheEnd",        "14",  3, "I987",   "987",   3, 3, Changed},
    // Typing rules
    {"letterIsRefused",                  "12",  3, "Ea",     "12",    2, 2, Refused},
    {"overwriteReplacesNextDigit",       "140", 3, "I9",     "940",   1, 1, Changed},
    {"overwriteWithSelectionInserts",    "140", 0, "I}}5",   "50",    1, 1, Changed},
    {"overwriteGoesOnAfterSelection",    "140", 0, "I}}56",  "56",    2, 2, Changed},
    {"insertModeInsertsAtCaret",         "40",  3, "1",      "140",   1, 1, Changed},
    // Undo and redo
    {"typedRunUndoneAtOnce",             "",    3, "123U",   "",      0, 0, Changed},
    {"typedRunRedone",                   "",    3, "123UR",  "123",   0, 0, Changed},
    {"overwriteUndoRemovesTypedDigit",   "140", 3, "I9U",    "40",    0, 0, Changed},
    {"overwriteSecondUndoRestoresText",  "140", 3, "I9UU",   "140",   0, 0, Changed},
    {"overwritePastEndUndoneInTwoSteps", "14",  3, "I987UU", "14",    0, 0, Changed},
    {"threeBackspacesUndoneAtOnce",      "123", 3, "EBBBU",  "123",   0, 0, Changed},
    {"deletesAtOnePlaceUndoneAtOnce",    "123", 3, "DDU",    "123",   0, 0, Changed},
    {"backspaceThenDeleteAreOneRun",     "123", 3, ">BDU",   "123",   0, 0, Changed},
    {"caretMoveBreaksTypingRun",         "",    3, "12<3U",  "12",    1, 1, Changed},
    {"caretMoveBreaksDeletionRun",       "123", 3, "EB<BU",  "12",    0, 0, Changed},
    {"typingAfterBackspaceIsNewStep",    "123", 3, "EB4U",   "12",    2, 2, Changed},
    {"typingAfterBackspaceUndoneTwice",  "123", 3, "EB4UU",  "123",   2, 2, Changed},
    {"replacedSelectionUndoneInTwoSteps","180", 3, "A5UU",   "180",   0, 0, Changed},
    {"typingAfterUndoDropsRedo",         "",    3, "1U2R",   "2",     1, 1, Nothing},
    {"undoWithNothingDone",              "99",  3, "EU",     "99",    2, 2, Nothing},
    {"redoPastLastStep",                 "",    3, "12UR5R", "512",   1, 1, Nothing},
    // Caret keys and edges
    {"leftAtStartIsLeftEdge",            "14",  3, "<",      "14",    0, 0, LeftEdge},
    {"leftAtStartOfEmptyTextIsLeftEdge", "",    3, "<",      "",      0, 0, LeftEdge},
    {"rightAtEndIsRightEdge",            "14",  3, "E>",     "14",    2, 2, RightEdge},
    {"rightInEmptyTextIsRightEdge",      "",    3, ">",      "",      0, 0, RightEdge},
    {"leftCollapsesSelectionToLeftEnd",  "140", 3, "A<",     "140",   0, 0, Changed},
    {"rightCollapsesSelectionToRight",   "140", 3, "}}>",    "140",   2, 2, Changed},
    {"shiftLeftAtStartDoesNothing",      "140", 3, "{",      "140",   0, 0, Nothing},
    {"shiftRightAtEndDoesNothing",       "14",  3, "E}",     "14",    2, 2, Nothing},
    {"shiftHomeExtendsSelection",        "140", 3, ">>[",    "140",   0, 2, Changed},
    {"shiftEndExtendsSelection",         "140", 3, ">]",     "140",   3, 1, Changed},
    {"shiftRightStopsAtEnd",             "14",  3, "}}}",    "14",    2, 0, Nothing},
    {"backspaceAtStartDoesNothing",      "14",  3, "B",      "14",    0, 0, Nothing},
    {"deleteAtEndDoesNothing",           "14",  3, "ED",     "14",    2, 2, Nothing},
    {"backspaceDeletesSelection",        "140", 3, ">}B",    "10",    1, 1, Changed},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ScoreTextModel, ScoreTextScript, testing::ValuesIn(script_cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScoreTextModel, pasteTakesDigitsOnlyAndObeysLimit) {
    ScoreTextModel model = model_with("1");
    model.move_end(false);
    for (const std::u32string rejected : {U"1a", U"12\n", U"\u0661", U"234"}) {
        EXPECT_EQ(model.paste(rejected), Refused);
    }
    EXPECT_EQ(model.paste(U""), Nothing);
    EXPECT_FALSE(model.can_undo());
    EXPECT_EQ(model.paste(U"45"), Changed);
    EXPECT_EQ(model.text(), U"145");
    model.select_all();
    EXPECT_EQ(model.paste(U"180"), Changed);
    EXPECT_EQ(model.text(), U"180");
}

TEST(ScoreTextModel, pasteInsertsEvenInOverwriteMode) {
    ScoreTextModel model = model_with("40");
    model.toggle_insert_mode();
    model.paste(U"1");
    EXPECT_EQ(model.text(), U"140");
}

TEST(ScoreTextModel, cutTakesSelectionAndUndoRestoresIt) {
    ScoreTextModel model = model_with("140");
    EXPECT_EQ(model.cut().outcome, Nothing);
    model.move_right(false);
    model.move_end(true);
    const CutResult cut = model.cut();
    EXPECT_EQ(cut.outcome, Changed);
    EXPECT_EQ(cut.text, U"40");
    EXPECT_EQ(model.text(), U"1");
    model.undo();
    EXPECT_EQ(model.text(), U"140");
}

TEST(ScoreTextModel, copyEndsTheTypingRun) {
    ScoreTextModel model = model_with("");
    run(model, "12");
    EXPECT_EQ(model.copy(), U"");
    run(model, "3U");
    EXPECT_EQ(model.text(), U"12");
}

TEST(ScoreTextModel, readOnlyRefusesEveryEditButAllowsCaretAndCopy) {
    ScoreTextModel model = model_with("140");
    model.set_read_only(true);
    model.select_all();
    EXPECT_EQ(run(model, "5"), Refused);
    EXPECT_EQ(run(model, "a"), Refused);
    EXPECT_EQ(run(model, "B"), Refused);
    EXPECT_EQ(run(model, "D"), Refused);
    EXPECT_EQ(run(model, "U"), Refused);
    EXPECT_EQ(run(model, "R"), Refused);
    EXPECT_EQ(model.paste(U"5"), Refused);
    EXPECT_EQ(model.clear(), Refused);
    EXPECT_EQ(model.cut().outcome, Refused);
    EXPECT_EQ(model.copy(), U"140");
    EXPECT_EQ(run(model, "H"), Changed);
    EXPECT_EQ(model.text(), U"140");
    EXPECT_FALSE(model.is_modified());
}

TEST(ScoreTextModel, setTextForgetsHistoryAndModifiedFlag) {
    ScoreTextModel model = model_with("");
    run(model, "12");
    EXPECT_TRUE(model.can_undo());
    EXPECT_TRUE(model.is_modified());
    model.set_text(U"60");
    EXPECT_FALSE(model.can_undo());
    EXPECT_FALSE(model.is_modified());
    EXPECT_EQ(model.undo(), Nothing);
    EXPECT_EQ(model.text(), U"60");
}

TEST(ScoreTextModel, undoBackToUnchangedTextClearsModified) {
    ScoreTextModel model = model_with("60");
    run(model, "E0U");
    EXPECT_FALSE(model.is_modified());
    model.redo();
    EXPECT_TRUE(model.is_modified());
}

TEST(ScoreTextModel, clearingModifiedMarksTheTextAsSaved) {
    ScoreTextModel model = model_with("");
    run(model, "12");
    model.set_modified(false);
    model.undo();
    EXPECT_TRUE(model.is_modified());
    model.redo();
    EXPECT_FALSE(model.is_modified());
}

TEST(ScoreTextModel, savedTextDroppedFromRedoHistoryStaysModified) {
    ScoreTextModel model = model_with("");
    run(model, "12");
    model.set_modified(false);
    run(model, "U5<UR"); // a new step replaces the saved text's step
    EXPECT_EQ(model.text(), U"5");
    EXPECT_TRUE(model.is_modified());
}

TEST(ScoreTextModel, canRedoOnlyWithoutPendingRun) {
    ScoreTextModel model = model_with("");
    run(model, "1<U");
    EXPECT_TRUE(model.can_redo());
    run(model, "2");
    EXPECT_FALSE(model.can_redo());
}

TEST(ScoreTextModel, mouseSelectsAndRightClickKeepsSelectionItPointsInto) {
    ScoreTextModel model = model_with("140");
    model.place_caret(1, false);
    model.drag_caret(99);
    EXPECT_EQ(model.selected_text(), U"40");
    EXPECT_EQ(model.point_at(1), Nothing);
    EXPECT_EQ(model.point_at(3), Nothing);
    EXPECT_EQ(model.selected_text(), U"40");
    EXPECT_EQ(model.point_at(0), Changed);
    EXPECT_FALSE(model.has_selection());
    model.place_caret(2, true);
    EXPECT_EQ(model.selected_text(), U"14");
}

} // namespace
} // namespace dvk
