#pragma once

#include "plugins/records/plugin_record_sources.h"

#include <dvk/plugin.h>

#include <vector>

namespace dvk {

// The options record as a plug-in sees it, with copies of the schedule, the tables, the key
// table and the plug-in list it points to.
class AppOptionsCopy {
public:
    explicit AppOptionsCopy(const PluginRecordSources& sources);
    AppOptionsCopy(const AppOptionsCopy&) = delete;
    AppOptionsCopy& operator=(const AppOptionsCopy&) = delete;

    dvk_app_options* record() { return &m_record; }

private:
    void fill_lists(const PluginRecordSources& sources);

    dvk_app_options m_record{};
    std::vector<dvk_game_options> m_schedule;
    std::vector<dvk_arrange_entry> m_checkout;
    std::vector<dvk_arrange_entry> m_com;
    std::vector<dvk_key_binding> m_keys;
    std::vector<dvk_plugin_entry> m_plugins;
};

} // namespace dvk
