#include "plugins/records/plugin_call_records.h"

#include <new>

namespace dvk {

PluginCallRecords::PluginCallRecords(PluginRecordSources sources) : m_sources(std::move(sources)) {}

template <typename T, typename Make> T* PluginCallRecords::current(Copies<T>& copies, Make make) {
    if (!copies.made.empty() && copies.generation == m_generation) {
        return copies.made.back().get();
    }
    if (m_count >= max_copies) {
        return nullptr;
    }
    try {
        copies.made.push_back(make());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    ++m_count;
    copies.generation = m_generation;
    return copies.made.back().get();
}

dvk_game_record* PluginCallRecords::game() {
    if (m_sources.game == nullptr) {
        return nullptr;
    }
    GameCopy* copy = current(m_games, [&] { return std::make_unique<GameCopy>(*m_sources.game); });
    return copy != nullptr ? &copy->record : nullptr;
}

dvk_app_options* PluginCallRecords::options() {
    if (m_sources.options == nullptr) {
        return nullptr;
    }
    AppOptionsCopy* copy =
        current(m_options, [&] { return std::make_unique<AppOptionsCopy>(m_sources); });
    return copy != nullptr ? copy->record() : nullptr;
}

dvk_game_options* PluginCallRecords::game_options() {
    if (m_sources.options == nullptr || m_sources.game == nullptr) {
        return nullptr;
    }
    const AppOptions& options = *m_sources.options;
    const GameRecord& game = *m_sources.game;
    const GameOptions* in_use = &options.game;
    if (game.schedule_mode == 1) {
        if (game.game_index < 0 ||
            static_cast<std::size_t>(game.game_index) >= options.schedule.size()) {
            return nullptr;
        }
        in_use = &options.schedule[static_cast<std::size_t>(game.game_index)];
    }
    return current(m_game_options, [&] {
        auto record = std::make_unique<dvk_game_options>();
        fill_game_options(*record, *in_use);
        return record;
    });
}

dvk_history_list* PluginCallRecords::history() {
    if (m_sources.history == nullptr) {
        return nullptr;
    }
    dvk_game_record* current_game = game();
    HistoryCopy* copy = current(m_histories, [&] {
        auto history = std::make_unique<HistoryCopy>();
        const std::vector<GameRecord>& items = m_sources.history->items;
        history->items.resize(items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            history->games.push_back(std::make_unique<GameRecordCopy>(items[i]));
            history->games.back()->fill(history->items[i]);
        }
        history->list.items = history->items.empty() ? nullptr : history->items.data();
        history->list.count = static_cast<std::int32_t>(history->items.size());
        history->list.current = current_game;
        return history;
    });
    return copy != nullptr ? &copy->list : nullptr;
}

dvk_score_list_state* PluginCallRecords::score_list() {
    dvk_game_record* shown = game();
    ScoreListCopy* copy =
        current(m_lists, [&] { return std::make_unique<ScoreListCopy>(m_sources, shown); });
    return copy != nullptr ? copy->record() : nullptr;
}

const GameRecord* PluginCallRecords::source_of(const void* record) const {
    for (const auto& copy : m_games.made) {
        if (record == &copy->record) {
            return &copy->copy.source();
        }
    }
    for (const auto& history : m_histories.made) {
        for (std::size_t i = 0; i < history->items.size(); ++i) {
            if (record == &history->items[i]) {
                return &history->games[i]->source();
            }
        }
    }
    for (const auto& list : m_lists.made) {
        if (const GameRecordCopy* copy =
                list->copy_of(static_cast<const dvk_game_record*>(record))) {
            return &copy->source();
        }
    }
    return nullptr;
}

const PluginCallRecords::GameCopy* PluginCallRecords::latest_game() const {
    return m_games.made.empty() ? nullptr : m_games.made.back().get();
}

std::optional<std::int16_t> PluginCallRecords::game_entry(std::size_t leg, int player,
                                                          std::size_t round) const {
    const GameCopy* latest = latest_game();
    if (latest == nullptr) {
        return std::nullopt;
    }
    return latest->copy.score_entry(leg, player, round);
}

} // namespace dvk
