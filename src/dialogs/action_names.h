#pragma once

#include <QString>

#include <functional>

namespace dvk {

// The menu text of a command (with its mnemonic), as the main menu has it; empty for a
// command without one.
using CommandTextFunction = std::function<QString(int command)>;

// An action as the key settings name it: "Template - 60" for a score template, else the
// command's menu text without mnemonic and dots ("New Game"); empty when it has no name.
QString action_name(int action, const CommandTextFunction& command_text);

} // namespace dvk
