#include "settings/game_option_rules.h"

#include "model/text_cut.h"
#include "settings/app_options.h"
#include "settings/name_index.h"

#include <algorithm>
#include <iterator>

namespace dvk {
namespace {

PlayerForm open_player(const GameOptions& options, int player, const std::string& default_name) {
    PlayerForm form;
    form.name = options.name(player);
    if (form.name.empty() && options.schedule_entry != 1) {
        form.name = default_name;
    }
    form.com = options.com(player) == 1;
    // An edited settings file can hold any level; the list offers only the known ones.
    form.com_level = form.com ? playable_com_level(options.com_level(player)) : 0;
    // A score of 0 or less means "no handicap" in the record.
    const std::int32_t own = options.player_start_score(player);
    form.handicap = own > 0 && own != options.start_score;
    form.handicap_score = form.handicap ? own : options.start_score;
    return form;
}

std::int32_t read_handicap(const PlayerForm& player, std::int32_t start_score) {
    const bool usable = player.handicap && player.handicap_score >= min_start_score &&
                        player.handicap_score <= max_start_score;
    return usable ? player.handicap_score : start_score;
}

} // namespace

StartChoice start_choice_for(std::int32_t start_score) {
    switch (start_score) {
    case 301:
        return StartChoice::Score301;
    case 501:
        return StartChoice::Score501;
    case 1001:
        return StartChoice::Score1001;
    default:
        return StartChoice::Other;
    }
}

GameOptionForm open_game_option_form(const GameOptions& options,
                                     const std::array<std::string, 2>& default_names) {
    GameOptionForm form;
    form.schedule_entry = options.schedule_entry == 1;
    form.start_choice = start_choice_for(options.start_score);
    form.other_score = options.start_score;
    form.round_limit = options.round_limit == 1;
    form.round = options.round;
    // Every game of a schedule is played to a number of legs.
    form.leg_limit = form.schedule_entry || options.leg_limit == 1;
    form.max_leg = options.max_leg;
    form.best_of = options.best_of == 1;
    form.change_first = options.change_first == 1;
    for (int player = 0; player < 2; ++player) {
        form.players[static_cast<std::size_t>(player)] =
            open_player(options, player, default_names[static_cast<std::size_t>(player)]);
    }
    return form;
}

GameOptions read_game_option_form(const GameOptionForm& form) {
    GameOptions options;
    options.start_score = std::clamp(start_score_of(form.start_choice, form.other_score),
                                     min_start_score, max_start_score);
    options.round_limit = form.round_limit ? 1 : 0;
    options.round = std::clamp(form.round, min_rounds, max_rounds);
    options.leg_limit = form.leg_limit || form.schedule_entry ? 1 : 0;
    options.max_leg = std::max(form.max_leg, min_legs);
    options.best_of = form.best_of ? 1 : 0;
    options.change_first = form.change_first ? 1 : 0;
    options.schedule_entry = form.schedule_entry ? 1 : 0;

    const PlayerForm& p1 = form.players[0];
    const PlayerForm& p2 = form.players[1];
    options.p1_name = cut_to_bytes(p1.name, max_name_bytes);
    options.p2_name = cut_to_bytes(p2.name, max_name_bytes);
    options.p1_com = p1.com ? 1 : 0;
    options.p2_com = p2.com ? 1 : 0;
    options.p1_com_level = p1.com ? p1.com_level : 0;
    options.p2_com_level = p2.com ? p2.com_level : 0;
    options.p1_start_score = read_handicap(p1, options.start_score);
    options.p2_start_score = read_handicap(p2, options.start_score);
    return options;
}

std::int32_t start_score_of(StartChoice choice, std::int32_t other_score) {
    switch (choice) {
    case StartChoice::Score301:
        return 301;
    case StartChoice::Score501:
        return 501;
    case StartChoice::Score1001:
        return 1001;
    case StartChoice::Other:
        break;
    }
    return other_score;
}

std::int32_t rounds_for_start_choice(StartChoice choice) {
    switch (choice) {
    case StartChoice::Score301:
        return 10;
    case StartChoice::Score501:
        return 15;
    case StartChoice::Score1001:
        return 30;
    case StartChoice::Other:
        break;
    }
    return 60;
}

void remember_name(std::vector<std::string>& name_list, std::string_view name) {
    const std::string kept = cut_to_bytes(name, max_name_bytes);
    if (kept.empty()) {
        return;
    }
    const auto same = [&kept](const std::string& listed) {
        return NameIndex::same_name(listed, kept);
    };
    const auto found = std::find_if(name_list.begin(), name_list.end(), same);
    if (found != name_list.end()) {
        name_list.erase(found);
    }
    name_list.insert(name_list.begin(), kept);
    if (name_list.size() > max_name_list_count) {
        name_list.resize(max_name_list_count);
    }
}

void remember_player_names(std::vector<std::string>& name_list, const GameOptions& options) {
    remember_name(name_list, options.p2_name);
    remember_name(name_list, options.p1_name);
}

std::vector<std::string> offered_names(const std::vector<std::string>& name_list) {
    std::vector<std::string> names;
    std::copy_if(name_list.begin(), name_list.end(), std::back_inserter(names),
                 [](const std::string& name) { return !name.empty(); });
    return names;
}

} // namespace dvk
