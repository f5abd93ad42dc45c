#pragma once

#include "com/arrange_table.h"
#include "layout/score_list_geometry.h"
#include "match/score_sheet.h"
#include "model/game_record.h"
#include "model/history_list.h"
#include "settings/app_options.h"

#include <dvk/plugin.h>

#include <array>
#include <cstdint>
#include <vector>

namespace dvk {

// The score list window's drawing state that plug-ins may read.
struct ScoreListDrawing {
    ScoreListColumns columns;
    int header_height = 0;
    int row_height = 0;
    int template_height = 0;
    bool template_rebuild = false;
    int template_first_player = -1;
};

// What one configured plug-in function is at run time, as the options record shows it.
struct PluginEntryState {
    std::int32_t event_mask = 0;
    bool loaded = false;
    dvk_plugin_function function = nullptr;
    dvk_plugin_info info{}; // its block: command line and reserved values
};

// Everything of the program a plug-in can read. The copies of a call are made from these.
struct PluginRecordSources {
    const GameRecord* game = nullptr;
    const AppOptions* options = nullptr;
    const HistoryList* history = nullptr;
    const ScoreSheet* sheet = nullptr;
    ScoreListDrawing list;
    const ArrangeTable* checkout_table = nullptr;
    const ArrangeTable* com_table = nullptr;
    std::vector<PluginEntryState> plugins; // one per entry of the options' plug-in list
    std::array<dvk_window, DVK_WINDOW_COUNT> windows{};
};

} // namespace dvk
