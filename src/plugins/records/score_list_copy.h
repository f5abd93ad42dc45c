#pragma once

#include "plugins/records/game_record_copy.h"
#include "plugins/records/plugin_record_sources.h"

#include <dvk/plugin.h>

#include <memory>

namespace dvk {

// The score list's state as a plug-in sees it, with its own copies of the previous-leg and
// forward games.
class ScoreListCopy {
public:
    // `shown_game` is the copy of the game the list shows, made for the same call.
    ScoreListCopy(const PluginRecordSources& sources, dvk_game_record* shown_game);
    ScoreListCopy(const ScoreListCopy&) = delete;
    ScoreListCopy& operator=(const ScoreListCopy&) = delete;

    dvk_score_list_state* record() { return &m_state; }
    // The copy behind one of the two embedded game records; null for any other address.
    const GameRecordCopy* copy_of(const dvk_game_record* record) const;

private:
    dvk_score_list_state m_state{};
    std::unique_ptr<GameRecordCopy> m_previous;
    std::unique_ptr<GameRecordCopy> m_forward;
};

} // namespace dvk
