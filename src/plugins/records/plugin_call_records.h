#pragma once

#include "plugins/records/app_options_copy.h"
#include "plugins/records/game_record_copy.h"
#include "plugins/records/plugin_record_sources.h"
#include "plugins/records/score_list_copy.h"

#include <dvk/plugin.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace dvk {

// The records one plug-in call may read: copies of the program's records, each made when the
// plug-in first asks for it and kept until the call ends, so a pointer handed out stays valid
// for the whole call. A plug-in never gets a pointer into the program's own records.
class PluginCallRecords {
public:
    // Copies made in one call at most; beyond it requests are answered with null, so a
    // plug-in asking in a loop cannot exhaust the memory.
    static constexpr std::size_t max_copies = 64;

    explicit PluginCallRecords(PluginRecordSources sources);
    PluginCallRecords(const PluginCallRecords&) = delete;
    PluginCallRecords& operator=(const PluginCallRecords&) = delete;

    const PluginRecordSources& sources() const { return m_sources; }

    // The current game record: the data of every event and the answer of its query.
    dvk_game_record* game();
    dvk_app_options* options();
    // The options of the game being played: its schedule entry in schedule mode, else the
    // current game options; null when the schedule has no entry for the game.
    dvk_game_options* game_options();
    dvk_history_list* history();
    dvk_score_list_state* score_list();
    dvk_window* windows() { return m_sources.windows.data(); }

    // The program's game a record handed out in this call was copied from; null for any
    // other address.
    const GameRecord* source_of(const void* record) const;

    // A score entry of the current game's copy as the plug-in left it; nothing before the
    // copy exists or outside its arrays.
    std::optional<std::int16_t> game_entry(std::size_t leg, int player, std::size_t round) const;

    // The program's records changed: later requests get new copies, while the ones handed
    // out stay valid until the call ends.
    void records_changed() { ++m_generation; }

private:
    struct GameCopy {
        explicit GameCopy(const GameRecord& game) : copy(game) { copy.fill(record); }
        GameRecordCopy copy;
        dvk_game_record record{};
    };
    struct HistoryCopy {
        std::vector<std::unique_ptr<GameRecordCopy>> games;
        std::vector<dvk_game_record> items;
        dvk_history_list list{};
    };
    template <typename T> struct Copies {
        std::vector<std::unique_ptr<T>> made;
        int generation = -1;
    };

    // The latest copy of a kind when it is still current; else a new one from `make`.
    template <typename T, typename Make> T* current(Copies<T>& copies, Make make);
    const GameCopy* latest_game() const;

    PluginRecordSources m_sources;
    int m_generation = 0;
    std::size_t m_count = 0;
    Copies<GameCopy> m_games;
    Copies<AppOptionsCopy> m_options;
    Copies<dvk_game_options> m_game_options;
    Copies<HistoryCopy> m_histories;
    Copies<ScoreListCopy> m_lists;
};

} // namespace dvk
