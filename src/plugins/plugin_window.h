#pragma once

#include "match/score_sheet.h"
#include "plugins/records/plugin_record_sources.h"

#include <cstdint>
#include <string>

class QWidget;

namespace dvk {

// What the plug-in host needs of the program around it: the records plug-ins may read, the
// commands they may run, and an owner for the host's message boxes.
class PluginWindow {
public:
    virtual ~PluginWindow() = default;

    // The records plug-ins read (the plug-in entries' states are the host's own).
    virtual PluginRecordSources plugin_sources() const = 0;
    virtual QWidget* message_owner() = 0;

    // A plug-in rewrote the entry of the input cell while told of a visit or a win.
    virtual void rewrite_input_entry(std::int16_t entry) = 0;
    // A game as the text of a CSV file.
    virtual std::string game_csv(const GameRecord& game) const = 0;
    // The commands of the messages that change the game.
    // True when the value was carried out (shown, or entered and accepted).
    virtual bool enter_value(int value, bool display_only) = 0;
    virtual bool move_input_cell(bool commit, std::uint32_t cell) = 0;
    virtual void refresh_screen() = 0;
};

} // namespace dvk
