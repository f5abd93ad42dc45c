#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// What renaming a player to a new name does: a name nobody uses renames him; the name of
// another player merges him into that player (every game of both then counts for one);
// anything else is refused with a reason.
enum class NameChangeKind { Rename, Merge, Refused };

struct NameChange {
    NameChangeKind kind = NameChangeKind::Refused;
    std::string reason; // English text for Refused: empty name, too long, same name, unknown
};

// Decides what renaming `from` to `to` does among the listed players. `to` is trimmed of
// blanks at both ends by the caller; names compare exactly (the program keeps names as typed).
// A computer player keeps his level's name: he can be merged into, never renamed.
NameChange decide_name_change(const std::vector<std::string>& players, std::string_view from,
                              std::string_view to);

// A name without blanks at its ends, as a rename stores it.
std::string trimmed_name(std::string_view name);

} // namespace dvk
