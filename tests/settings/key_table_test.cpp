#include "settings/key_table.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

// Names keys as the platform would, with no name for key 0xFF.
std::string test_key_name(std::int32_t modifiers, std::int32_t key) {
    return key == 0xFF ? std::string{} : format_key_name(modifiers, "K" + std::to_string(key));
}

struct LabelCase {
    const char* name;
    std::string menu_text;
    std::string label;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const LabelCase& row, std::ostream* out) {
    *out << row.name;
}

class MenuLabel : public testing::TestWithParam<LabelCase> {};

TEST_P(MenuLabel, dropsMnemonicsAndDecoration) {
    EXPECT_EQ(menu_text_to_label(GetParam().menu_text), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MenuLabel,
    testing::Values(LabelCase{"ellipsis", "&New Game...", "New Game"},
                    LabelCase{"mnemonicInside", "E&xit", "Exit"},
                    LabelCase{"doubleAmpersand", "Save && &Quit", "Save & Quit"},
                    LabelCase{"middleForDiddle", "&Middle for Diddle...", "Middle for Diddle"},
                    LabelCase{"japaneseSuffix", "\xE6\x96\xB0\xE8\xA6\x8F(&N)...",
                              "\xE6\x96\xB0\xE8\xA6\x8F"},
                    LabelCase{"unclosedParenthesisDropsTheRest", "Keep (this", "Keep "},
                    LabelCase{"trailingAmpersand", "End&", "End"}),
    [](const testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

TEST(KeyName, modifiersComeInCtrlShiftAltOrder) {
    EXPECT_EQ(format_key_name(modifier_alt + modifier_shift + modifier_ctrl, "F5"),
              "Ctrl+Shift+Alt+F5");
    EXPECT_EQ(format_key_name(modifier_shift, "F1"), "Shift+F1");
    EXPECT_EQ(format_key_name(modifier_ctrl, ""), "");
}

TEST(KeyAccelerators, everyBindingWithAKeyBecomesAnAcceleratorInTableOrder) {
    const std::vector<KeyBinding> keys = {{51060, 0, 0x0D},
                                          {40016, modifier_ctrl, 0},
                                          {40021, modifier_shift | 2, 0x78},
                                          {40018, 0, 0x0D},
                                          {0, 0, 0},
                                          {70000, 0, 0x41},
                                          {40018, 0, 0x10041}};
    EXPECT_EQ(build_key_accelerators(keys),
              (std::vector<KeyAccelerator>{{1, 0x0D, 51060}, {5, 0x78, 40021}, {1, 0x0D, 40018}}));
}

TEST(KeyAccelerators, firstBindingOfAKeyWins) {
    const auto table =
        build_key_accelerators({{40016, modifier_ctrl, 'N'}, {51060, 0, 0x0D}, {40008, 0, 0x0D}});
    EXPECT_EQ(find_accelerator_command(table, 0, 0x0D), 51060);
    EXPECT_EQ(find_accelerator_command(table, modifier_ctrl, 'N'), 40016);
    EXPECT_EQ(find_accelerator_command(table, modifier_ctrl | modifier_shift, 'N'), std::nullopt);
    EXPECT_EQ(find_accelerator_command(table, 0, 'N'), std::nullopt);
}

TEST(TemplateMenu, listsEachNamedTemplateOnceInTableOrder) {
    const std::vector<KeyBinding> keys = {{51060, 0, 0x74},
                                          {40016, modifier_ctrl, 'N'},
                                          {51060, modifier_shift, 0x75},
                                          {51180, 0, 0x76},
                                          {51181, 0, 0x77},
                                          {50999, 0, 0x78},
                                          {51000, 0, 0},
                                          {51000, 0, 0xFF},
                                          {51000, modifier_alt, 0x79},
                                          {51026, modifier_ctrl, 0}};
    const auto items = template_menu_items(keys, test_key_name);
    EXPECT_EQ(items, (std::vector<TemplateMenuItem>{
                         {60, 51060, "K116"}, {180, 51180, "K118"}, {0, 51000, "Alt+K121"}}));
    EXPECT_EQ(items[0].text(), "60\tK116");
}

TEST(TemplateMenu, isEmptyWithoutNamedTemplates) {
    EXPECT_TRUE(
        template_menu_items({{40016, modifier_ctrl, 'N'}, {51060, 0, 0}}, test_key_name).empty());
}

TEST(MenuShortcut, namesTheFirstBindingOfTheCommand) {
    const std::vector<KeyBinding> keys = {
        {40026, modifier_ctrl, 'T'}, {40026, 0, 0x78}, {40021, 0, 0}, {40021, 0, 0x79}};
    EXPECT_EQ(shortcut_name_for_action(keys, 40026, test_key_name), "Ctrl+K84");
    EXPECT_EQ(shortcut_name_for_action(keys, 40021, test_key_name), "");
    EXPECT_EQ(shortcut_name_for_action(keys, 40016, test_key_name), "");
}

} // namespace
} // namespace dvk
