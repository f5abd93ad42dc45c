#include "settings/color_page.h"
#include "settings/color_value.h"
#include "settings/options_save.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dvk {
namespace {

struct ListRow {
    std::size_t index;
    const char* key;
};

void PrintTo(const ListRow& row, std::ostream* out) {
    *out << row.index << " " << row.key;
}

class ColorList : public testing::TestWithParam<ListRow> {};

// Setting the item at a list position must change the field its key names and nothing else:
// the options save writes that key, and only that key, as a changed colour.
TEST_P(ColorList, itemSetsTheFieldItsKeyNames) {
    const ListRow row = GetParam();
    EXPECT_STREQ(color_page_keys().at(row.index), row.key);
    AppOptions options = default_options({});
    const ColorItem item = color_page_item(row.index);
    EXPECT_EQ(color_page_index(item), row.index);
    options.set_color(item, options.color(item) ^ 0x123456U);

    ProfileDocument document;
    write_options(document, options);
    for (const ColorSetting& setting : color_settings()) {
        const std::string written = document.get_string("color", setting.key, "?", 64);
        EXPECT_EQ(written.empty(), std::string(setting.key) != row.key) << setting.key;
    }
}

INSTANTIATE_TEST_SUITE_P(
    InListOrder, ColorList,
    testing::Values(ListRow{0, "background"}, ListRow{1, "odd_background"},
                    ListRow{2, "scored_text"}, ListRow{3, "text"}, ListRow{4, "header_background"},
                    ListRow{5, "header_text"}, ListRow{6, "last3number_text"}, ListRow{7, "line"},
                    ListRow{8, "separate"}, ListRow{9, "ton_circle"},
                    ListRow{10, "input_background"}, ListRow{11, "input_text"},
                    ListRow{12, "input_select_background"}, ListRow{13, "input_select_text"},
                    ListRow{14, "left_background"}, ListRow{15, "left_text"},
                    ListRow{16, "left_active_border"}, ListRow{17, "player_name_background"},
                    ListRow{18, "player_name_text"}, ListRow{19, "player_background"},
                    ListRow{20, "player_text"}, ListRow{21, "player_info_title"},
                    ListRow{22, "guide_background"}, ListRow{23, "guide_text"},
                    ListRow{24, "guide_select_background"}, ListRow{25, "guide_select_text"},
                    ListRow{26, "guide_box_background"}, ListRow{27, "guide_box_text"},
                    ListRow{28, "guide_box_frame"}, ListRow{29, "guide_box_disable"},
                    ListRow{30, "view_separate"}),
    [](const testing::TestParamInfo<ListRow>& info) { return std::string(info.param.key); });

TEST(ColorList, namesEveryColourOnce) {
    std::set<ColorItem> items;
    for (std::size_t i = 0; i < color_count; ++i) {
        items.insert(color_page_item(i));
    }
    EXPECT_EQ(items.size(), color_count);
    EXPECT_FALSE(color_item_for_key("no_such_colour"));
}

TEST(ColorValue, crossesBetweenStoredAndQtForm) {
    EXPECT_EQ(argb_from_stored_color(rgb(10, 36, 106)), 0xFF0A246AU);
    EXPECT_EQ(stored_color_from_argb(0xFF0A246AU), 0x6A240AU);
    EXPECT_EQ(argb_from_stored_color(0xFF0000U), 0xFF0000FFU) << "stored pure blue";
    EXPECT_EQ(stored_color_from_argb(0x80FF0000U), 0x0000FFU) << "alpha is dropped";
    EXPECT_EQ(argb_from_stored_color(0xAB00FF00U), 0xFF00FF00U) << "a stored top byte is ignored";
    for (const std::uint32_t stored : {0x000000U, 0xFFFFFFU, 0x123456U, 0x80FF01U}) {
        EXPECT_EQ(stored_color_from_argb(argb_from_stored_color(stored)), stored);
    }
}

struct PickRow {
    const char* name;
    PreviewWindow window;
    std::uint32_t color;
    ColorItem picked;
};

void PrintTo(const PickRow& row, std::ostream* out) {
    *out << row.name;
}

class PickFromPreview : public testing::TestWithParam<PickRow> {};

// Colours chosen so that some settings share one: the earlier item in the window's order wins.
AppOptions pick_options() {
    AppOptions options = default_options({});
    options.set_color(ColorItem::background, 0x000001);
    options.set_color(ColorItem::odd_background, 0x000002);
    options.set_color(ColorItem::header_background, 0x000002);
    options.set_color(ColorItem::input_background, 0x000003);
    options.set_color(ColorItem::scored_text, 0x000004);
    options.set_color(ColorItem::player_background, 0x000005);
    options.set_color(ColorItem::player_name_background, 0x000006);
    options.set_color(ColorItem::player_name_text, 0x000005);
    options.set_color(ColorItem::left_background, 0x000007);
    options.set_color(ColorItem::left_active_border, 0x000008);
    return options;
}

TEST_P(PickFromPreview, choosesTheItemOwningTheColour) {
    EXPECT_EQ(picked_color_item(GetParam().window, GetParam().color, pick_options()),
              GetParam().picked);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PickFromPreview,
    testing::Values(
        PickRow{"listEven", PreviewWindow::ScoreList, 0x000001, ColorItem::background},
        PickRow{"listOddBeforeHeader", PreviewWindow::ScoreList, 0x000002,
                ColorItem::odd_background},
        PickRow{"listInput", PreviewWindow::ScoreList, 0x000003, ColorItem::input_background},
        PickRow{"listScored", PreviewWindow::ScoreList, 0x000004, ColorItem::scored_text},
        PickRow{"listAnythingElseIsToGo", PreviewWindow::ScoreList, 0x000005, ColorItem::text},
        PickRow{"playerBackgroundBeforeNameText", PreviewWindow::PlayerInformation, 0x000005,
                ColorItem::player_background},
        PickRow{"playerNameBar", PreviewWindow::PlayerInformation, 0x000006,
                ColorItem::player_name_background},
        PickRow{"playerAnythingElseIsText", PreviewWindow::PlayerInformation, 0x000001,
                ColorItem::player_text},
        PickRow{"leftBackground", PreviewWindow::LeftScore, 0x000007, ColorItem::left_background},
        PickRow{"leftFrame", PreviewWindow::LeftScore, 0x000008, ColorItem::left_active_border},
        PickRow{"leftAnythingElseIsText", PreviewWindow::LeftScore, 0x000004,
                ColorItem::left_text}),
    [](const testing::TestParamInfo<PickRow>& info) { return std::string(info.param.name); });

TEST(ColorList, resetGivesEveryDefaultBack) {
    AppOptions options = default_options({});
    const AppOptions defaults = options;
    for (std::uint32_t& color : options.colors) {
        color = 0x010203;
    }
    options.font_name = "Liberation Serif";
    reset_colors(options);
    EXPECT_EQ(options.colors, defaults.colors);
    EXPECT_EQ(options.font_name, "Liberation Serif") << "the face is no colour";
}

} // namespace
} // namespace dvk
