#include "match/score_text_model.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace dvk {
namespace {

std::u32string wide(std::string_view text) {
    return {text.begin(), text.end()};
}

std::string narrow(const std::u32string& text) {
    std::string result;
    for (const char32_t c : text) {
        result += static_cast<char>(c);
    }
    return result;
}

// Drives the model with a key script and returns the last outcome. Digits and lower-case
// letters are typed; H/E Home/End, [ ] Shift+Home/End, < > Left/Right, { } Shift+Left/Right,
// B Backspace, D Delete, I Insert (toggles overwrite), A select all, U undo, R redo.
EditOutcome run(ScoreTextModel& model, std::string_view script) {
    EditOutcome outcome = EditOutcome::Nothing;
    for (const char key : script) {
        switch (key) {
        case 'H':
            outcome = model.move_home(false);
            break;
        case 'E':
            outcome = model.move_end(false);
            break;
        case '[':
            outcome = model.move_home(true);
            break;
        case ']':
            outcome = model.move_end(true);
            break;
        case '<':
            outcome = model.move_left(false);
            break;
        case '>':
            outcome = model.move_right(false);
            break;
        case '{':
            outcome = model.move_left(true);
            break;
        case '}':
            outcome = model.move_right(true);
            break;
        case 'B':
            outcome = model.backspace();
            break;
        case 'D':
            outcome = model.delete_forward();
            break;
        case 'I':
            outcome = model.toggle_insert_mode();
            break;
        case 'A':
            outcome = model.select_all();
            break;
        case 'U':
            outcome = model.undo();
            break;
        case 'R':
            outcome = model.redo();
            break;
        default:
            outcome = model.type(static_cast<char32_t>(key));
            break;
        }
    }
    return outcome;
}

ScoreTextModel model_with(std::string_view text, std::size_t limit) {
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
};

// Names the row in test output instead of dumping its bytes.
void PrintTo(const ScriptCase& c, std::ostream* os) {
    *os << c.name;
}

class ScoreTextScript : public testing::TestWithParam<ScriptCase> {};

TEST_P(ScoreTextScript, leavesTextCaretAndAnchor) {
    const ScriptCase& c = GetParam();
    ScoreTextModel model = model_with(c.start, c.limit);
    run(model, c.script);
    EXPECT_EQ(narrow(model.text()), c.text);
    EXPECT_EQ(model.caret(), c.caret);
    EXPECT_EQ(model.anchor(), c.anchor);
}

// clang-format off
const ScriptCase script_cases[] = {
    // Limit
    {"fullTextRefusesAnotherDigit",         "180", 3, "E5",     "180", 3, 3},
    {"fullTextRefusesDigitInTheMiddle",     "180", 3, "9",      "180", 0, 0},
    {"selectAllThenTypeReplacesText",       "180", 3, "A5",     "5",   1, 1},
    {"selectedLastDigitCanBeReplaced",      "180", 3, "E{5",    "185", 3, 3},
    {"limitZeroMeansNoLimit",               "",    0, "12345",  "12345", 5, 5},
    {"overwriteAtEndOfFullTextRefused",     "140", 3, "IE5",    "140", 3, 3},
    {"overwriteAtEndAppendsBelowLimit",     "14",  3, "IE5",    "145", 3, 3},
    {"overwriteRunsOnPastTheEnd",           "14",  3, "I987",   "987", 3, 3},
    // Typing rules
    {"letterIsRefused",                     "12",  3, "Ea",     "12",  2, 2},
    {"overwriteReplacesNextDigit",          "140", 3, "I9",     "940", 1, 1},
    {"overwriteWithSelectionInserts",       "140", 0, "I}}5",   "50",  1, 1},
    {"overwriteAfterSelectionReplacedGoesOn", "140", 0, "I}}56", "56", 2, 2},
    {"insertModeInsertsAtCaret",            "40",  3, "1",      "140", 1, 1},
    // Undo and redo
    {"typedRunUndoneAtOnce",                "",    3, "123U",   "",    0, 0},
    {"typedRunRedone",                      "",    3, "123UR",  "123", 0, 0},
    {"overwriteUndoRemovesTypedDigit",      "140", 3, "I9U",    "40",  0, 0},
    {"overwriteSecondUndoRestoresText",     "140", 3, "I9UU",   "140", 0, 0},
    {"overwritePastEndUndoneInTwoSteps",    "14",  3, "I987UU", "14",  0, 0},
    {"threeBackspacesUndoneAtOnce",         "123", 3, "EBBBU",  "123", 0, 0},
    {"deletesAtOnePlaceUndoneAtOnce",       "123", 3, "DDU",    "123", 0, 0},
    {"backspaceThenDeleteAreOneRun",        "123", 3, ">BDU",   "123", 0, 0},
    {"caretMoveBreaksTypingRun",            "",    3, "12<3U",  "12",  1, 1},
    {"caretMoveBreaksDeletionRun",          "123", 3, "EB<BU",  "12",  0, 0},
    {"typingAfterBackspaceIsNewStep",       "123", 3, "EB4U",   "12",  2, 2},
    {"typingAfterBackspaceUndoneTwice",     "123", 3, "EB4UU",  "123", 2, 2},
    {"replacedSelectionUndoneInTwoSteps",   "180", 3, "A5UU",   "180", 0, 0},
    {"typingAfterUndoDropsRedo",            "",    3, "1U2R",   "2",   1, 1},
    {"undoWithNothingDoneKeepsText",        "99",  3, "EU",     "99",  2, 2},
    {"redoPastLastStepKeepsText",           "",    3, "12UR5R", "512", 1, 1},
    // Caret keys
    {"leftCollapsesSelectionToLeftEnd",     "140", 3, "A<",     "140", 0, 0},
    {"rightCollapsesSelectionToRightEnd",   "140", 3, "EH}}>",  "140", 2, 2},
    {"shiftLeftAtStartChangesNothing",      "140", 3, "{",      "140", 0, 0},
    {"shiftHomeExtendsSelection",           "140", 3, ">>[",    "140", 0, 2},
    {"shiftEndExtendsSelection",            "140", 3, ">]",     "140", 3, 1},
    {"shiftRightStopsAtEnd",                "14",  3, "}}}",    "14",  2, 0},
    {"backspaceAtStartDoesNothing",         "14",  3, "B",      "14",  0, 0},
    {"deleteAtEndDoesNothing",              "14",  3, "ED",     "14",  2, 2},
    {"backspaceDeletesSelection",           "140", 3, ">}B",    "10",  1, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ScoreTextModel, ScoreTextScript, testing::ValuesIn(script_cases),
                         [](const testing::TestParamInfo<ScriptCase>& info) {
                             return std::string(info.param.name);
                         });

struct OutcomeCase {
    const char* name;
    const char* start;
    const char* script; // the outcome of its last key is checked
    EditOutcome outcome;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) {
    *os << c.name;
}

class ScoreTextOutcome : public testing::TestWithParam<OutcomeCase> {};

TEST_P(ScoreTextOutcome, lastKeyReports) {
    const OutcomeCase& c = GetParam();
    ScoreTextModel model = model_with(c.start, 3);
    EXPECT_EQ(run(model, c.script), c.outcome);
}

// clang-format off
const OutcomeCase outcome_cases[] = {
    {"leftAtStartIsLeftEdge",             "14",  "<",   EditOutcome::LeftEdge},
    {"leftAtStartOfEmptyTextIsLeftEdge",  "",    "<",   EditOutcome::LeftEdge},
    {"rightAtEndIsRightEdge",             "14",  "E>",  EditOutcome::RightEdge},
    {"rightInEmptyTextIsRightEdge",       "",    ">",   EditOutcome::RightEdge},
    {"leftWithSelectionAtStartCollapses", "14",  "}<",  EditOutcome::Changed},
    {"rightWithSelectionAtEndCollapses",  "14",  "E{>", EditOutcome::Changed},
    {"shiftLeftAtStartIsNothing",         "14",  "{",   EditOutcome::Nothing},
    {"shiftRightAtEndIsNothing",          "14",  "E}",  EditOutcome::Nothing},
    {"letterIsRefused",                   "",    "a",   EditOutcome::Refused},
    {"fullTextIsRefused",                 "180", "E5",  EditOutcome::Refused},
    {"digitIsChanged",                    "",    "5",   EditOutcome::Changed},
    {"undoWithoutStepsIsNothing",         "14",  "U",   EditOutcome::Nothing},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ScoreTextModel, ScoreTextOutcome, testing::ValuesIn(outcome_cases),
                         [](const testing::TestParamInfo<OutcomeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ScoreTextModel, leftEdgeMovesNothing) {
    ScoreTextModel model = model_with("14", 3);
    model.move_left(false);
    EXPECT_EQ(model.caret(), 0u);
    EXPECT_EQ(model.anchor(), 0u);
    EXPECT_FALSE(model.is_modified());
}

TEST(ScoreTextModel, pastedTextWithAnyNonDigitIsRejectedWhole) {
    ScoreTextModel model = model_with("", 3);
    EXPECT_EQ(model.paste(U"1a"), EditOutcome::Refused);
    EXPECT_EQ(model.paste(U"12\n"), EditOutcome::Refused);
    EXPECT_EQ(model.paste(U"\u0661"), EditOutcome::Refused); // Arabic-Indic one
    EXPECT_EQ(model.text(), U"");
    EXPECT_FALSE(model.is_modified());
    EXPECT_FALSE(model.can_undo());
}

TEST(ScoreTextModel, pasteObeysLimitAndReplacesSelection) {
    ScoreTextModel model = model_with("1", 3);
    model.move_end(false);
    EXPECT_EQ(model.paste(U"234"), EditOutcome::Refused);
    EXPECT_EQ(model.paste(U"45"), EditOutcome::Changed);
    EXPECT_EQ(model.text(), U"145");
    model.select_all();
    EXPECT_EQ(model.paste(U"180"), EditOutcome::Changed);
    EXPECT_EQ(model.text(), U"180");
    EXPECT_EQ(model.caret(), 3u);
}

TEST(ScoreTextModel, pasteInsertsEvenInOverwriteMode) {
    ScoreTextModel model = model_with("40", 0);
    model.toggle_insert_mode();
    model.paste(U"1");
    EXPECT_EQ(model.text(), U"140");
}

TEST(ScoreTextModel, emptyPasteChangesNothing) {
    ScoreTextModel model = model_with("14", 3);
    model.select_all();
    EXPECT_EQ(model.paste(U""), EditOutcome::Nothing);
    EXPECT_EQ(model.text(), U"14");
    EXPECT_FALSE(model.is_modified());
}

TEST(ScoreTextModel, cutTakesSelectionAndUndoRestoresIt) {
    ScoreTextModel model = model_with("140", 3);
    model.move_right(false);
    model.move_end(true);
    const CutResult cut = model.cut();
    EXPECT_EQ(cut.outcome, EditOutcome::Changed);
    EXPECT_EQ(cut.text, U"40");
    EXPECT_EQ(model.text(), U"1");
    model.undo();
    EXPECT_EQ(model.text(), U"140");
}

TEST(ScoreTextModel, copyWithoutSelectionGivesNothing) {
    ScoreTextModel model = model_with("140", 3);
    EXPECT_EQ(model.copy(), U"");
    EXPECT_EQ(model.cut().outcome, EditOutcome::Nothing);
    EXPECT_EQ(model.text(), U"140");
}

TEST(ScoreTextModel, copyEndsTheTypingRun) {
    ScoreTextModel model = model_with("", 3);
    run(model, "12");
    model.copy();
    run(model, "3U");
    EXPECT_EQ(model.text(), U"12");
}

TEST(ScoreTextModel, readOnlyRefusesEveryEditButAllowsCaretAndCopy) {
    ScoreTextModel model = model_with("140", 3);
    model.set_read_only(true);
    model.select_all();
    EXPECT_EQ(model.type(U'5'), EditOutcome::Refused);
    EXPECT_EQ(model.type(U'a'), EditOutcome::Refused);
    EXPECT_EQ(model.paste(U"5"), EditOutcome::Refused);
    EXPECT_EQ(model.backspace(), EditOutcome::Refused);
    EXPECT_EQ(model.delete_forward(), EditOutcome::Refused);
    EXPECT_EQ(model.clear(), EditOutcome::Refused);
    EXPECT_EQ(model.cut().outcome, EditOutcome::Refused);
    EXPECT_EQ(model.undo(), EditOutcome::Refused);
    EXPECT_EQ(model.redo(), EditOutcome::Refused);
    EXPECT_EQ(model.copy(), U"140");
    EXPECT_EQ(model.move_home(false), EditOutcome::Changed);
    EXPECT_EQ(model.text(), U"140");
    EXPECT_FALSE(model.is_modified());
}

TEST(ScoreTextModel, setTextForgetsHistoryAndModifiedFlag) {
    ScoreTextModel model = model_with("", 3);
    run(model, "12");
    EXPECT_TRUE(model.can_undo());
    EXPECT_TRUE(model.is_modified());
    model.set_text(U"60");
    EXPECT_FALSE(model.can_undo());
    EXPECT_FALSE(model.can_redo());
    EXPECT_FALSE(model.is_modified());
    EXPECT_EQ(model.caret(), 0u);
    EXPECT_EQ(model.undo(), EditOutcome::Nothing);
    EXPECT_EQ(model.text(), U"60");
}

TEST(ScoreTextModel, undoBackToUnchangedTextClearsModified) {
    ScoreTextModel model = model_with("60", 3);
    run(model, "E0");
    EXPECT_TRUE(model.is_modified());
    model.undo();
    EXPECT_FALSE(model.is_modified());
    model.redo();
    EXPECT_TRUE(model.is_modified());
}

TEST(ScoreTextModel, clearingModifiedMarksTheTextAsSaved) {
    ScoreTextModel model = model_with("", 3);
    run(model, "12");
    model.set_modified(false);
    model.undo();
    EXPECT_EQ(model.text(), U"");
    EXPECT_TRUE(model.is_modified());
    model.redo();
    EXPECT_EQ(model.text(), U"12");
    EXPECT_FALSE(model.is_modified());
}

TEST(ScoreTextModel, savedTextDroppedFromRedoHistoryStaysModified) {
    ScoreTextModel model = model_with("", 3);
    run(model, "12");
    model.set_modified(false);
    run(model, "U5<"); // undo past the saved text, then a new step replaces it
    EXPECT_EQ(model.text(), U"5");
    EXPECT_TRUE(model.is_modified());
    model.undo();
    model.redo();
    EXPECT_TRUE(model.is_modified());
}

TEST(ScoreTextModel, canRedoOnlyWithoutPendingRun) {
    ScoreTextModel model = model_with("", 3);
    run(model, "1<U");
    EXPECT_TRUE(model.can_redo());
    run(model, "2");
    EXPECT_FALSE(model.can_redo());
    EXPECT_TRUE(model.can_undo());
}

TEST(ScoreTextModel, rightClickInsideSelectionKeepsIt) {
    ScoreTextModel model = model_with("140", 3);
    model.place_caret(1, false);
    model.place_caret(3, true);
    EXPECT_EQ(model.point_at(1), EditOutcome::Nothing);
    EXPECT_EQ(model.point_at(3), EditOutcome::Nothing);
    EXPECT_EQ(model.selected_text(), U"40");
    EXPECT_EQ(model.point_at(0), EditOutcome::Changed);
    EXPECT_FALSE(model.has_selection());
    EXPECT_EQ(model.caret(), 0u);
}

TEST(ScoreTextModel, dragExtendsFromPressPointAndClampsToText) {
    ScoreTextModel model = model_with("140", 3);
    model.place_caret(2, false);
    model.drag_caret(0);
    EXPECT_EQ(model.selected_text(), U"14");
    model.drag_caret(99);
    EXPECT_EQ(model.caret(), 3u);
    EXPECT_EQ(model.selected_text(), U"0");
}

TEST(ScoreTextModel, typingOverDraggedSelectionUndoesInSteps) {
    ScoreTextModel model = model_with("", 0);
    run(model, "12");
    model.drag_caret(0);
    model.type(U'3');
    EXPECT_EQ(model.text(), U"3");
    model.undo();
    EXPECT_EQ(model.text(), U"");
    model.undo();
    EXPECT_EQ(model.text(), U"12");
}

} // namespace
} // namespace dvk
