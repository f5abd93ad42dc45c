#include "model/history_list.h"

#include <new>

namespace dvk {

AppendResult append_to_history(HistoryList& history, GameRecord& game) {
    if (game.stored != 0 || game.leg_index <= 0) {
        return AppendResult::NothingToStore;
    }
    try {
        GameRecord copy = game;
        for (auto& d : copy.darts_at_double) {
            d.clear();
        }
        for (auto& p : copy.players) {
            p.match = StatisticsCounters{};
        }
        history.items.push_back(std::move(copy));
    } catch (const std::bad_alloc&) {
        return AppendResult::OutOfMemory;
    }
    game.stored = 1;
    return AppendResult::Appended;
}

void clear_history(HistoryList& history) {
    history.items.clear();
    history.items.shrink_to_fit();
}

void drop_last_game(HistoryList& history) {
    if (!history.items.empty()) {
        history.items.pop_back();
    }
}

} // namespace dvk
