#include "career/player_names.h"

#include "model/game_options.h"

#include <algorithm>

namespace dvk {

namespace {

bool is_computer_name(std::string_view name) {
    return (name.starts_with("COM (Lv.") || name.starts_with("COM (Avg ")) && name.ends_with(")") ||
           name.starts_with("COM like ");
}

bool listed(const std::vector<std::string>& players, std::string_view name) {
    return std::find(players.begin(), players.end(), name) != players.end();
}

NameChange refused(std::string reason) {
    return NameChange{NameChangeKind::Refused, std::move(reason)};
}

} // namespace

std::string trimmed_name(std::string_view name) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.front())) {
        name.remove_prefix(1);
    }
    while (!name.empty() && blank(name.back())) {
        name.remove_suffix(1);
    }
    return std::string(name);
}

NameChange decide_name_change(const std::vector<std::string>& players, std::string_view from,
                              std::string_view to) {
    if (to.empty()) {
        return refused("The name is empty.");
    }
    if (to.size() > max_name_bytes) {
        return refused("The name is longer than 63 bytes.");
    }
    if (!listed(players, from)) {
        return refused("There is no player of that name.");
    }
    if (from == to) {
        return refused("The player has that name already.");
    }
    if (listed(players, to)) {
        return NameChange{NameChangeKind::Merge, {}};
    }
    if (is_computer_name(from)) {
        return refused("A computer player keeps the name of his level.");
    }
    if (is_computer_name(to)) {
        return refused("That name belongs to a computer level.");
    }
    return NameChange{NameChangeKind::Rename, {}};
}

} // namespace dvk
