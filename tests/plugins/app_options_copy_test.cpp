#include "plugins/records/app_options_copy.h"
#include "plugins/records/text_fields.h"
#include "support/sample_games.h"

#include <gtest/gtest.h>

#include <cstring>

namespace dvk {
namespace {

AppOptions changed_options() {
    AppOptions o = default_options(OptionsEnvironment{});
    o.main_window = {10, 20, 800, 600};
    o.show_state = 3;
    o.show_player = 0;
    o.show_left = 0;
    o.show_guide = 0;
    o.throw_count = 0;
    o.ton_circle = 0;
    o.separate = 0;
    o.scroll_bar = 0;
    o.auto_save = 1;
    o.auto_save_path = "/srv/darts";
    o.check_out_mode = 1;
    o.recovery = 0;
    o.check_out_font_height = 17;
    o.default_number = 19;
    o.default_segment = 2;
    o.game = test::sample_options();
    o.schedule = test::sample_schedule();
    o.name_list = {"Ann", "Bob", "Cid"};
    o.history_window = {1, 2, 3, 4};
    o.score_list_window = {5, 6, 7, 8};
    o.arrange_window = {9, 10, 11, 12};
    o.set_color(ColorItem::guide_box_disable, 0x123456);
    o.font_name = "Liberation Sans";
    o.keys = {{40016, modifier_ctrl, 'N'}, {51060, 0, 0x70}};
    o.keys_customised = 1;
    o.player.avg_break = 1;
    o.player.avg_per_round = 0;
    o.plugins = {{"Caller", "/opt/caller.dvk", "caller", "voice.ini", modifier_ctrl, 'K'},
                 {"Off", "/opt/off.dvk", "off", "", 0, 0}};
    o.recovery_delete = 1;
    o.left_font_size = 60;
    o.com_timer = 250;
    o.show_name = 0;
    o.name_size = 9;
    o.full_screen = 1;
    o.full_screen_menu_interval = -1;
    o.view_separate_width = 4;
    return o;
}

std::int32_t plugin_function(dvk_window, std::int32_t, dvk_plugin_info*, std::int32_t) {
    return 0;
}

ArrangeTable two_line_table() {
    ArrangeTable table;
    table.entries.resize(2);
    table.entries[0].score = 170;
    table.entries[0].set_field(0, "T20");
    table.entries[0].set_field(1, "T20");
    table.entries[0].set_field(2, "D25");
    table.entries[1].score = 2;
    table.entries[1].set_field(0, "D1");
    table.entries[1].set_field(4, "3");
    return table;
}

TEST(AppOptionsCopy, everySettingReachesThePluginInItsPlace) {
    const AppOptions o = changed_options();
    const ArrangeTable checkout = two_line_table();
    PluginRecordSources sources;
    sources.options = &o;
    sources.checkout_table = &checkout;
    dvk_plugin_info caller_block{};
    write_text_field(caller_block.cmd_line, "voice.ini");
    caller_block.reserved[1] = 42;
    sources.plugins = {{4 | 256, true, nullptr, caller_block}, {}};
    AppOptionsCopy copy(sources);
    const dvk_app_options& r = *copy.record();

    EXPECT_EQ(r.main_window.left, 10);
    EXPECT_EQ(r.main_window.height, 600);
    EXPECT_EQ(r.show_state, 3);
    for (const std::int32_t flag : {r.show_player, r.show_left, r.show_guide, r.throw_count,
                                    r.ton_circle, r.separate, r.scroll_bar, r.recovery}) {
        EXPECT_EQ(flag, 0);
    }
    EXPECT_EQ(r.auto_save, 1);
    EXPECT_STREQ(r.auto_save_path, "/srv/darts");
    EXPECT_EQ(r.check_out_mode, 1);
    EXPECT_EQ(r.check_out_font_height, 17);
    EXPECT_EQ(r.default_number, 19);
    EXPECT_EQ(r.default_segment, 2);
    EXPECT_EQ(r.game.max_leg, 5);
    EXPECT_STREQ(r.game.p2_name, "Tobi \"The Power\"");
    ASSERT_EQ(r.schedule_count, 2);
    EXPECT_EQ(r.schedule[1].start_score, 301);
    EXPECT_EQ(r.schedule[1].schedule_entry, 1);
    ASSERT_EQ(r.name_list_count, 3);
    EXPECT_STREQ(r.name_list[2], "Cid");
    EXPECT_EQ(r.history_window.top, 2);
    EXPECT_EQ(r.score_list_window.width, 7);
    EXPECT_EQ(r.arrange_window.height, 12);
    ASSERT_EQ(r.checkout_count, 2);
    EXPECT_EQ(r.checkout_table[0].score, 170);
    EXPECT_STREQ(r.checkout_table[0].fields[2], "D25");
    EXPECT_STREQ(r.checkout_table[1].fields[4], "3");
    EXPECT_EQ(r.com_table, nullptr);
    EXPECT_EQ(r.com_count, 0);
    EXPECT_EQ(r.colors[static_cast<std::size_t>(ColorItem::guide_box_disable)], 0x123456U);
    EXPECT_EQ(r.colors[0], o.colors[0]);
    EXPECT_STREQ(r.font_name, "Liberation Sans");
    ASSERT_EQ(r.key_count, 2);
    EXPECT_EQ(r.keys[0].action, 40016);
    EXPECT_EQ(r.keys[0].modifiers, modifier_ctrl);
    EXPECT_EQ(r.keys[1].key, 0x70);
    EXPECT_EQ(r.keys_customised, 1);
    EXPECT_EQ(r.player.name, 1);
    EXPECT_EQ(r.player.avg_break, 1);
    EXPECT_EQ(r.player.arrange, 0);
    EXPECT_EQ(r.player.large_font, 1);
    EXPECT_EQ(r.player.avg_per_round, 0);
    EXPECT_EQ(r.recovery_delete, 1);
    EXPECT_EQ(r.left_font_size, 60);
    EXPECT_EQ(r.com_timer, 250);
    EXPECT_EQ(r.show_name, 0);
    EXPECT_EQ(r.name_size, 9);
    EXPECT_EQ(r.full_screen, 1);
    EXPECT_EQ(r.full_screen_menu_interval, -1);
    EXPECT_EQ(r.view_separate_width, 4);
}

TEST(AppOptionsCopy, pluginEntriesShowTheirStateAndBlock) {
    const AppOptions o = changed_options();
    PluginRecordSources sources;
    sources.options = &o;
    dvk_plugin_info block{};
    write_text_field(block.cmd_line, "changed by the plug-in");
    block.reserved[1] = 42;
    block.data = reinterpret_cast<dvk_game_record*>(&block);
    const dvk_plugin_function function = &plugin_function;
    sources.plugins = {{4 | 256, true, function, block}};
    AppOptionsCopy copy(sources);
    const dvk_app_options& r = *copy.record();

    ASSERT_EQ(r.plugin_count, 2);
    const dvk_plugin_entry& caller = r.plugins[0];
    EXPECT_STREQ(caller.title, "Caller");
    EXPECT_STREQ(caller.lib_file_path, "/opt/caller.dvk");
    EXPECT_STREQ(caller.func_name, "caller");
    EXPECT_EQ(caller.event_mask, 4 | 256);
    EXPECT_NE(caller.library, nullptr);
    EXPECT_EQ(caller.function, function);
    EXPECT_EQ(caller.info.size, static_cast<std::int32_t>(sizeof(dvk_plugin_info)));
    EXPECT_STREQ(caller.info.cmd_line, "changed by the plug-in");
    EXPECT_EQ(caller.info.reserved[1], 42);
    EXPECT_EQ(caller.info.data, nullptr);
    EXPECT_EQ(caller.list_index, 0);
    EXPECT_EQ(caller.modifiers, modifier_ctrl);
    EXPECT_EQ(caller.key, 'K');
    const dvk_plugin_entry& off = r.plugins[1]; // no state: not loaded
    EXPECT_STREQ(off.title, "Off");
    EXPECT_EQ(off.event_mask, 0);
    EXPECT_EQ(off.library, nullptr);
    EXPECT_EQ(off.function, nullptr);
    EXPECT_EQ(off.list_index, 1);
}

TEST(TextFields, textsAreCutWholeAndReadNoFurtherThanTheirField) {
    char field[8];
    std::memset(field, 'x', sizeof(field));
    write_text_field(field, "abcd\xE3\x81\x82\xE3\x81\x82");
    EXPECT_STREQ(field, "abcd\xE3\x81\x82");
    EXPECT_EQ(field[7], '\0');
    write_text_field(field, "");
    EXPECT_EQ(std::string(field, 8), std::string(8, '\0'));

    char unterminated[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    EXPECT_EQ(read_text_field(unterminated), "abcde");
    const char short_text[6] = {'a', 'b', '\0', 'x', 'y', 'z'};
    EXPECT_EQ(read_text_field(short_text), "ab");
}

} // namespace
} // namespace dvk
