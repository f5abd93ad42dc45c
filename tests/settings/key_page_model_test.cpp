#include "settings/key_page_model.h"
#include "settings/options_load.h"
#include "settings/select_key_form.h"

#include <gtest/gtest.h>

#include <set>

namespace dvk {
namespace {

// Commands this version names; 40999 stands for a command of another version.
bool named(std::int32_t action) {
    static const std::set<std::int32_t> names = {40016, 40018, 40021, 40026};
    return names.count(action) != 0;
}

const std::vector<KeyBinding> table_with_hidden_entries = {
    {51060, 0, 0x70},            // row 0
    {40999, modifier_ctrl, 'Q'}, // hidden: unknown command
    {40016, modifier_ctrl, 'N'}, // row 1
    {51181, 0, 0x71},            // hidden: template above 180
    {40018, 0, 0x79},            // row 2
};

TEST(KeyPage, rowsAreTheNamedEntriesInTableOrder) {
    const KeyPageModel model(table_with_hidden_entries, named);
    ASSERT_EQ(model.row_count(), 3u);
    EXPECT_EQ(model.row(0).action, 51060);
    EXPECT_EQ(model.row(1).action, 40016);
    EXPECT_EQ(model.row(2).action, 40018);
}

TEST(KeyPage, hiddenEntriesAreCarriedThroughMovesDeletesAndAdds) {
    KeyPageModel model(table_with_hidden_entries, named);
    EXPECT_EQ(model.move_up(2), 1u);
    EXPECT_EQ(model.move_down(0), 1u);
    model.remove(2);
    ASSERT_TRUE(model.add({40021, modifier_shift, 0x78}));
    model.replace(1, {40026, 0, 0x78});
    EXPECT_EQ(model.table(), (std::vector<KeyBinding>{{40018, 0, 0x79},
                                                      {40999, modifier_ctrl, 'Q'},
                                                      {40026, 0, 0x78},
                                                      {51181, 0, 0x71},
                                                      {40021, modifier_shift, 0x78}}));
    EXPECT_EQ(model.row_count(), 3u);
    EXPECT_EQ(model.row(2).action, 40021);
}

TEST(KeyPage, rowsCannotLeaveTheList) {
    KeyPageModel model(table_with_hidden_entries, named);
    EXPECT_FALSE(model.move_up(0));
    EXPECT_FALSE(model.move_down(2));
    EXPECT_FALSE(model.move_up(7));
    EXPECT_FALSE(model.changed());
    EXPECT_EQ(model.table(), table_with_hidden_entries);
}

TEST(KeyPage, onlyAConfirmedChangeReplacesTheTableAndCustomisesIt) {
    AppOptions options = default_options({});
    const AppOptions before = options;
    KeyPageModel untouched(options.keys, named);
    untouched.apply_to(options);
    EXPECT_EQ(options, before);

    KeyPageModel moved(options.keys, named);
    ASSERT_TRUE(moved.move_down(0));
    EXPECT_EQ(options, before) << "nothing changes before the sheet is confirmed";
    moved.apply_to(options);
    EXPECT_EQ(options.keys_customised, 1);
    EXPECT_EQ(options.keys[0], before.keys[1]);
    EXPECT_EQ(options.keys[1], before.keys[0]);
}

TEST(KeyPage, addStopsAtTheTableTheSettingsCanLoad) {
    KeyPageModel model(std::vector<KeyBinding>(max_key_bindings - 1, KeyBinding{51000, 0, 0}),
                       named);
    EXPECT_TRUE(model.can_add());
    EXPECT_TRUE(model.add({51001, 0, 0}));
    EXPECT_FALSE(model.can_add());
    EXPECT_FALSE(model.add({51002, 0, 0}));
    EXPECT_EQ(model.table().size(), max_key_bindings);
}

TEST(SelectKey, functionListHasSixGroupsStartingWithTheTemplate) {
    const std::vector<std::int32_t>& functions = select_key_functions();
    EXPECT_EQ(functions.front(), template_function);
    EXPECT_EQ(std::count(functions.begin(), functions.end(), function_separator), 5);
    EXPECT_EQ(functions.size(), 1u + 8u + 9u + 9u + 4u + 4u + 5u);
    EXPECT_EQ(functions.back(), 40007);
    EXPECT_NE(functions.back(), function_separator);
}

TEST(SelectKey, opensOnTheBindingsFunctionNumberAndKey) {
    EXPECT_EQ(open_select_key_form(std::nullopt), SelectKeyForm{});
    EXPECT_EQ(open_select_key_form(KeyBinding{51140, modifier_ctrl, 0x74}),
              (SelectKeyForm{template_function, true, 140, modifier_ctrl, 0x74}));
    EXPECT_EQ(open_select_key_form(KeyBinding{40016, modifier_ctrl | modifier_alt, 'N'}),
              (SelectKeyForm{40016, false, 0, modifier_ctrl | modifier_alt, 'N'}));
    EXPECT_EQ(open_select_key_form(KeyBinding{40016, modifier_ctrl, 0}),
              (SelectKeyForm{40016, false, 0, 0, 0}))
        << "modifiers without a key are no key";
}

struct ReadRow {
    const char* name;
    SelectKeyForm form;
    SelectKeyProblem problem;
    KeyBinding binding;
};

void PrintTo(const ReadRow& row, std::ostream* out) {
    *out << row.name;
}

class ReadSelectKey : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadSelectKey, makesTheBindingOrNamesTheProblem) {
    const SelectKeyResult result = read_select_key_form(GetParam().form);
    EXPECT_EQ(result.problem, GetParam().problem);
    if (result.problem == SelectKeyProblem::None) {
        EXPECT_EQ(result.binding, GetParam().binding);
    }
}

constexpr std::int32_t vk_f5 = 0x74;
constexpr std::int32_t all_modifiers = modifier_shift | modifier_ctrl | modifier_alt;

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadSelectKey,
    testing::Values(ReadRow{"template140OnCtrlF5",
                            {template_function, true, 140, modifier_ctrl, vk_f5},
                            SelectKeyProblem::None,
                            {51140, modifier_ctrl, vk_f5}},
                    ReadRow{"template180",
                            {template_function, true, 180, 0, 0},
                            SelectKeyProblem::None,
                            {51180, 0, 0}},
                    ReadRow{"template0",
                            {template_function, true, 0, 0, 'A'},
                            SelectKeyProblem::None,
                            {51000, 0, 'A'}},
                    ReadRow{"template181",
                            {template_function, true, 181, 0, 0},
                            SelectKeyProblem::TemplateOutOfRange,
                            {}},
                    ReadRow{"rangeBeforeFunction",
                            {std::nullopt, true, 999, 0, 0},
                            SelectKeyProblem::TemplateOutOfRange,
                            {}},
                    ReadRow{"nothingChosen",
                            {std::nullopt, false, 0, 0, vk_f5},
                            SelectKeyProblem::NoFunction,
                            {}},
                    ReadRow{"separatorChosen",
                            {function_separator, false, 0, 0, vk_f5},
                            SelectKeyProblem::NoFunction,
                            {}},
                    ReadRow{"commandIgnoresTheDisabledNumber",
                            {40016, false, 55, modifier_ctrl, 'N'},
                            SelectKeyProblem::None,
                            {40016, modifier_ctrl, 'N'}},
                    ReadRow{"everyModifierFlag",
                            {40050, false, 0, all_modifiers, vk_f5},
                            SelectKeyProblem::None,
                            {40050, all_modifiers, vk_f5}},
                    ReadRow{"strayModifierBitsDropped",
                            {40050, false, 0, modifier_shift | 3 | 64, vk_f5},
                            SelectKeyProblem::None,
                            {40050, modifier_shift, vk_f5}},
                    ReadRow{"noKeyNoModifiers",
                            {40050, false, 0, modifier_alt, 0},
                            SelectKeyProblem::None,
                            {40050, 0, 0}}),
    [](const testing::TestParamInfo<ReadRow>& info) { return std::string(info.param.name); });

TEST(SelectKey, scoreEntryKeysAreTheDigitsBackspaceEnterAndEscapeAlone) {
    for (const std::int32_t key : {0x30, 0x35, 0x39, 0x60, 0x69, 0x08, 0x0D, 0x1B}) {
        EXPECT_TRUE(takes_score_entry_key({40016, 0, key})) << key;
        for (const std::int32_t modifier : {modifier_shift, modifier_ctrl, modifier_alt}) {
            EXPECT_FALSE(takes_score_entry_key({40016, modifier, key})) << key << "+" << modifier;
        }
    }
    for (const std::int32_t key : {0x00, 0x41, 0x70, 0x09, 0x2E, 0x6A}) {
        EXPECT_FALSE(takes_score_entry_key({40016, 0, key})) << key;
    }
}

} // namespace
} // namespace dvk
