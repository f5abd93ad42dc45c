#include "settings/builtin_tables.h"

#include "settings/app_options.h"

#include <array>

namespace dvk {
namespace {

// Windows virtual-key codes; letters and digits use their ASCII codes.
constexpr std::int32_t vk_f1 = 0x70;
constexpr std::int32_t vk_f9 = 0x78;
constexpr std::int32_t vk_f10 = 0x79;
constexpr std::int32_t vk_f11 = 0x7A;
constexpr std::int32_t vk_f12 = 0x7B;

constexpr std::int32_t cmd_new_game = 40016;
constexpr std::int32_t cmd_first_dart = 40018;
constexpr std::int32_t cmd_second_dart = 40019;
constexpr std::int32_t cmd_third_dart = 40020;
constexpr std::int32_t cmd_middle_for_diddle = 40021;
constexpr std::int32_t cmd_input_left_score = 40026;
constexpr std::int32_t cmd_dart_out_shots = 40034;
constexpr std::int32_t cmd_game_history = 40038;

constexpr std::array<std::int32_t, 8> f_key_templates = {0, 26, 41, 45, 60, 81, 85, 100};
constexpr std::array<std::int32_t, 8> shift_f_key_templates = {43, 55, 83, 95, 121, 125, 140, 180};

} // namespace

std::vector<GameOptions> builtin_schedule(const OptionsEnvironment& environment) {
    GameOptions game;
    game.round_limit = environment.japanese_locale ? 1 : 0;
    game.leg_limit = 1;
    game.best_of = 1;
    game.p1_name.clear();
    game.p2_name.clear();

    std::vector<GameOptions> schedule;
    schedule.reserve(10);
    GameOptions first = game;
    first.start_score = 1001;
    first.round = 30;
    first.max_leg = 1;
    first.p1_name = environment.player1_name;
    first.p2_name = environment.player2_name;
    schedule.push_back(first);

    game.start_score = 501;
    game.round = 15;
    game.max_leg = 3;
    schedule.insert(schedule.end(), 6, game);
    return schedule;
}

std::vector<KeyBinding> builtin_key_table() {
    std::vector<KeyBinding> keys;
    keys.reserve(30);
    for (std::int32_t i = 0; i < 8; ++i) {
        keys.push_back({template_action_base + f_key_templates[i], 0, vk_f1 + i});
    }
    for (std::int32_t i = 0; i < 8; ++i) {
        keys.push_back(
            {template_action_base + shift_f_key_templates[i], modifier_shift, vk_f1 + i});
    }
    keys.push_back({cmd_first_dart, modifier_ctrl, '1'});
    keys.push_back({cmd_second_dart, modifier_ctrl, '2'});
    keys.push_back({cmd_third_dart, modifier_ctrl, '3'});
    keys.push_back({cmd_middle_for_diddle, modifier_ctrl, 'M'});
    keys.push_back({cmd_input_left_score, modifier_ctrl, 'T'});
    keys.push_back({cmd_new_game, modifier_ctrl, 'N'});
    keys.push_back({cmd_game_history, modifier_ctrl, 'H'});
    keys.push_back({cmd_dart_out_shots, modifier_ctrl, 'A'});
    keys.push_back({cmd_input_left_score, 0, vk_f9});
    keys.push_back({cmd_middle_for_diddle, modifier_shift, vk_f9});
    keys.push_back({cmd_first_dart, 0, vk_f10});
    keys.push_back({cmd_second_dart, 0, vk_f11});
    keys.push_back({cmd_third_dart, 0, vk_f12});
    return keys;
}

} // namespace dvk
