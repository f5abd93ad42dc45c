#include "layout/history_line_geometry.h"
#include "layout/score_list_dialog_geometry.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

TEST(HistoryLineGeometry, columnsSplitTheLineInSixths) {
    const HistoryLineColumns c = history_line_columns(600);
    EXPECT_EQ(c.left, (std::array<int, 4>{4, 100, 200, 400}));
    EXPECT_EQ(c.right, (std::array<int, 4>{100, 200, 400, 600}));
    const HistoryLineColumns odd = history_line_columns(601);
    EXPECT_EQ(odd.left, (std::array<int, 4>{4, 100, 200, 400}));
    EXPECT_EQ(odd.right[3], 601);
}

TEST(HistoryLineGeometry, legBoxesAreCentredInThePlayerColumnsAndJoined) {
    const HistoryLegBoxes b = history_leg_boxes(history_line_columns(600), 48, 40);
    EXPECT_EQ(b.box[0], (LayoutRect{280, 49, 40, 22}));
    EXPECT_EQ(b.box[1], (LayoutRect{480, 49, 40, 22}));
    EXPECT_EQ(b.join_y, 60);
    EXPECT_EQ(b.join_left, 320);
    EXPECT_EQ(b.join_right, 480);
}

ScoreListDialogInput dialog(int width, int height) {
    ScoreListDialogInput in;
    in.width = width;
    in.height = height;
    in.margin = 8;
    in.combo_height = 24;
    in.text_height = 30;
    in.button_width = 90;
    in.button_height = 28;
    return in;
}

TEST(ScoreListDialogGeometry, listFillsTheMiddleAndCloseKeepsToTheCorner) {
    const ScoreListDialogLayout l = score_list_dialog_layout(dialog(500, 600));
    EXPECT_EQ(l.combo, (LayoutRect{8, 8, 484, 24}));
    EXPECT_EQ(l.close, (LayoutRect{402, 564, 90, 28}));
    EXPECT_EQ(l.text[0], (LayoutRect{8, 530, 242, 30}));
    EXPECT_EQ(l.text[1], (LayoutRect{250, 530, 242, 30}));
    EXPECT_EQ(l.list, (LayoutRect{8, 40, 484, 486}));
    // The player windows take the list's height and the text band, half the width less 2.
    EXPECT_EQ(l.player[0], (LayoutRect{8, 40, 240, 520}));
    EXPECT_EQ(l.player[1], (LayoutRect{252, 40, 240, 520}));

    const ScoreListDialogLayout wider = score_list_dialog_layout(dialog(801, 900));
    EXPECT_EQ(wider.close, (LayoutRect{703, 864, 90, 28}));
    EXPECT_EQ(wider.text[1].x + wider.text[1].width, 793);
    EXPECT_EQ(wider.player[1].x + wider.player[1].width, 793);
}

TEST(ScoreListDialogGeometry, tooSmallADialogGivesNoNegativeSizes) {
    const ScoreListDialogLayout l = score_list_dialog_layout(dialog(10, 20));
    for (const LayoutRect& r : {l.combo, l.list, l.player[0], l.player[1], l.text[0], l.text[1]}) {
        EXPECT_GE(r.width, 0);
        EXPECT_GE(r.height, 0);
    }
}

} // namespace
} // namespace dvk
