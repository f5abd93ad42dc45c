#include "layout/guide_slots.h"

#include "settings/builtin_tables.h"

#include <gtest/gtest.h>

#include <map>

namespace dvk {
namespace {

constexpr std::int32_t f(int number) {
    return virtual_key_f1 + number - 1;
}

using Slots = std::array<std::optional<std::int32_t>, 12>;
const std::optional<std::int32_t> none;

TEST(GuideSlots, builtinTableShowsTheBindingsOfTheHeldModifiers) {
    const std::vector<KeyBinding> keys = builtin_key_table();
    EXPECT_EQ(guide_slot_actions(keys, 0), (Slots{51000, 51026, 51041, 51045, 51060, 51081, 51085,
                                                  51100, 40026, 40018, 40019, 40020}));
    EXPECT_EQ(
        guide_slot_actions(keys, modifier_shift),
        (Slots{51043, 51055, 51083, 51095, 51121, 51125, 51140, 51180, 40021, none, none, none}));
    EXPECT_EQ(guide_slot_actions(keys, modifier_ctrl), Slots{});
    EXPECT_EQ(guide_slot_actions(keys, modifier_ctrl | modifier_shift), Slots{});
}

TEST(GuideSlots, firstBindingOfAKeyWinsAndOtherKeysAreIgnored) {
    const std::vector<KeyBinding> keys{
        {51060, 0, f(5)},
        {51100, 0, f(5)},
        {40016, modifier_ctrl, f(5)},
        {40017, 0, virtual_key_f1 - 1},
        {40018, 0, f(12) + 1},
        {40038, 0, 0},
        {40019, modifier_alt | modifier_ctrl, f(12)},
    };
    const Slots plain = guide_slot_actions(keys, 0);
    EXPECT_EQ(plain[4], 51060);
    EXPECT_EQ(plain[0], none);
    EXPECT_EQ(plain[11], none);
    EXPECT_EQ(guide_slot_actions(keys, modifier_ctrl)[4], 40016);
    EXPECT_EQ(guide_slot_actions(keys, modifier_ctrl | modifier_alt)[11], 40019);
}

TEST(GuideSlots, bitsOutsideShiftCtrlAndAltDoNotHideABinding) {
    const std::vector<KeyBinding> keys{{51060, modifier_ctrl | 1, f(1)}};
    EXPECT_EQ(guide_slot_actions(keys, modifier_ctrl)[0], 51060);
}

TEST(GuideSlots, shownActionsCoverEveryModifierStateOnceAndSkipShadowedBindings) {
    const std::vector<KeyBinding> keys{
        {51060, 0, f(1)},
        {51100, 0, f(1)}, // shadowed by the binding above
        {40016, modifier_ctrl | modifier_shift | modifier_alt, f(2)},
        {51060, modifier_alt, f(3)},
        {40018, modifier_ctrl, virtual_key_f1 - 1},
    };
    EXPECT_EQ(guide_shown_actions(keys), (std::vector<std::int32_t>{51060, 40016}));
}

TEST(GuideSlots, templatesAreNamedByScoreOtherCommandsByMenuText) {
    const std::map<std::int32_t, std::string> menu{{40021, "&Middle for Diddle..."},
                                                   {40016, "&New Game..."}};
    const auto menu_text = [&menu](std::int32_t command) {
        const auto found = menu.find(command);
        return found == menu.end() ? std::string() : found->second;
    };
    EXPECT_EQ(guide_command_name(51060, menu_text), "60");
    EXPECT_EQ(guide_command_name(51000, menu_text), "0");
    EXPECT_EQ(guide_command_name(51180, menu_text), "180");
    EXPECT_EQ(guide_command_name(40021, menu_text), "Middle for Diddle");
    EXPECT_EQ(guide_command_name(40016, menu_text), "New Game");
    EXPECT_EQ(guide_command_name(51181, menu_text), "");
    EXPECT_EQ(guide_command_name(40021, nullptr), "");
}

} // namespace
} // namespace dvk
