#include "settings/options_load.h"
#include "settings/plugin_list.h"

#include <gtest/gtest.h>

namespace dvk {
namespace {

PluginConfig entry(const std::string& title, std::int32_t modifiers = 0, std::int32_t key = 0) {
    return {title, "/opt/" + title + ".dvk", title, "", modifiers, key};
}

std::vector<std::string> titles(const PluginRows& rows) {
    std::vector<std::string> list;
    for (const PluginRow& row : rows.rows()) {
        list.push_back(row.config.title);
    }
    return list;
}

std::string test_key_name(std::int32_t modifiers, std::int32_t key) {
    return key == 0xFF ? std::string{} : format_key_name(modifiers, "K" + std::to_string(key));
}

TEST(PluginRows, rowsMoveWithinTheListAndRememberWhereTheyCameFrom) {
    PluginRows rows({entry("a"), entry("b"), entry("c")});
    EXPECT_EQ(rows.move_up(0), std::nullopt);
    EXPECT_EQ(rows.move_down(2), std::nullopt);
    EXPECT_EQ(rows.move_down(5), std::nullopt);
    EXPECT_EQ(rows.move_down(0), std::optional<std::size_t>(1));
    EXPECT_EQ(rows.move_up(2), std::optional<std::size_t>(1));
    EXPECT_EQ(titles(rows), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(rows.rows()[0].list_index, 1);
    EXPECT_EQ(rows.rows()[2].list_index, 0);
    EXPECT_TRUE(rows.removed(3).empty());
}

TEST(PluginRows, removingARowSelectsTheOneThatTookItsPlace) {
    PluginRows rows({entry("a"), entry("b"), entry("c")});
    EXPECT_EQ(rows.remove(1), std::optional<std::size_t>(1)); // "c" moved up into place 1
    EXPECT_EQ(rows.remove(1), std::optional<std::size_t>(0)); // the last row: the new last one
    EXPECT_EQ(rows.remove(3), std::nullopt);
    EXPECT_EQ(rows.remove(0), std::nullopt);
    EXPECT_EQ(rows.size(), 0U);
    EXPECT_EQ(rows.removed(3), (std::vector<std::size_t>{0, 1, 2}));
}

TEST(PluginRows, aCancelledPageLeavesTheListAsItWas) {
    const std::vector<PluginConfig> list = {entry("a"), entry("b")};
    PluginRows rows(list);
    rows.remove(0);
    rows.set_key(0, modifier_ctrl, 'B');
    // Nothing reaches the options until the rows are applied.
    EXPECT_EQ(PluginRows(list).configs(), list);
}

// The settings keep so many entries; rows beyond them would be gone at the next start.
TEST(PluginRows, addingStopsWhereTheSettingsStopKeepingEntries) {
    PluginRows rows({entry("a")});
    const std::vector<PluginFunctionInfo> many(max_plugin_entries, {"Title", "function", ""});
    EXPECT_EQ(rows.add_functions("/opt/many.so", many), max_plugin_entries - 1);
    EXPECT_EQ(rows.size(), max_plugin_entries);
    EXPECT_EQ(rows.add_functions("/opt/one.so", {{"One", "one", ""}}), 0U);
    rows.remove(0);
    EXPECT_EQ(rows.add_functions("/opt/one.so", {{"One", "one", ""}}), 1U);
}

TEST(PluginRows, aLibraryWithThreeFunctionsGivesThreeRowsSharingItsPath) {
    PluginRows rows({entry("a")});
    rows.add_functions("/opt/trio.so", {{"First", "first", "1"},
                                        {"Second", "second", "2"},
                                        {"Third", "third", std::string(300, 'x')}});
    ASSERT_EQ(rows.size(), 4U);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(rows.rows()[i].config.lib_file_path, "/opt/trio.so");
        EXPECT_EQ(rows.rows()[i].list_index, -1);
        EXPECT_EQ(rows.rows()[i].config.key, 0);
    }
    EXPECT_EQ(rows.rows()[2].config.func_name, "second");
    EXPECT_EQ(rows.rows()[2].config.cmd_line, "2");
    EXPECT_EQ(rows.rows()[3].config.cmd_line.size(), 255U);
    EXPECT_TRUE(rows.removed(1).empty());
    EXPECT_EQ(rows.configs().size(), 4U);
}

TEST(PluginRows, aShortcutKeepsShiftCtrlAndAltAndAKeyOf16Bits) {
    PluginRows rows({entry("a")});
    EXPECT_TRUE(rows.set_key(0, modifier_shift | modifier_alt | 1 | 64, 0x78));
    EXPECT_EQ(rows.rows()[0].config.modifiers, modifier_shift | modifier_alt);
    EXPECT_EQ(rows.rows()[0].config.key, 0x78);
    EXPECT_FALSE(rows.set_key(0, 0, 0x10000));
    EXPECT_FALSE(rows.set_key(0, 0, -1));
    EXPECT_FALSE(rows.set_key(1, 0, 0x41));
    EXPECT_TRUE(rows.set_key(0, 0, 0));
    EXPECT_EQ(rows.rows()[0].config.key, 0);
    EXPECT_TRUE(rows.set_cmd_line(0, "voice=slt"));
    EXPECT_EQ(rows.rows()[0].config.cmd_line, "voice=slt");
}

TEST(PluginShortcuts, onlyFunctionsOfTheToolsMenuWithAKeyGetOne) {
    const std::vector<PluginConfig> plugins = {entry("menu", modifier_ctrl | modifier_shift, 'S'),
                                               entry("events", modifier_ctrl, 'E'),
                                               entry("no key"),
                                               entry("modifier only", modifier_alt, 0),
                                               entry("too big", 0, 0x10000),
                                               entry("late", 0, 0x71)};
    const std::vector<std::int32_t> masks = {4 | 256, 256, 4, 4, 4, 4};
    EXPECT_EQ(build_plugin_accelerators(plugins, masks),
              (std::vector<KeyAccelerator>{{13, 'S', 33768}, {1, 0x71, 33773}}));
    // An entry without a known mask is not loaded.
    EXPECT_EQ(build_plugin_accelerators(plugins, {4}),
              (std::vector<KeyAccelerator>{{13, 'S', 33768}}));
}

TEST(ToolsMenu, listsTheFunctionsThatWantTheMenuEventWithTheirKeys) {
    const std::vector<PluginConfig> plugins = {entry("Caller", modifier_ctrl, 'K'),
                                               entry("Recorder"), entry("Scores"),
                                               entry("Nameless key", 0, 0xFF)};
    EXPECT_EQ(tools_menu_items(plugins, {4 | 16, 0x3F8, 4, 4}, test_key_name),
              (std::vector<ToolsMenuItem>{
                  {33768, "Caller\tCtrl+K75"}, {33770, "Scores"}, {33771, "Nameless key"}}));
    EXPECT_TRUE(tools_menu_items(plugins, {0, 8, 0, 0}, test_key_name).empty());
}

} // namespace
} // namespace dvk
