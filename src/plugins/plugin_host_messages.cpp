#include "plugins/plugin_host.h"

#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <new>

namespace dvk {
namespace {

// The hosts that answer messages, found by their window. dvk_send_message is a plain C
// function that plug-ins call with nothing but the window, so the hosts have to be reachable
// from it; there is one per main window.
std::vector<PluginHost*>& hosts() {
    static std::vector<PluginHost*> registered;
    return registered;
}

// The input cell's round in the high 16 bits and its player in the low 16 bits.
std::intptr_t packed_cell(const InputCell& cell) {
    const auto round = static_cast<std::uint32_t>(cell.round) & 0xFFFFU;
    const auto player = static_cast<std::uint32_t>(cell.player) & 0xFFFFU;
    return static_cast<std::intptr_t>((round << 16U) | player);
}

template <typename T> std::intptr_t address(T* pointer) {
    return reinterpret_cast<std::intptr_t>(pointer);
}

} // namespace

void PluginHost::enroll(PluginHost* host) {
    hosts().push_back(host);
}

void PluginHost::withdraw(PluginHost* host) {
    std::erase(hosts(), host);
}

std::intptr_t PluginHost::send_message(dvk_window window, std::uint32_t message,
                                       std::uintptr_t wparam, std::intptr_t lparam) {
    const auto& all = hosts();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const PluginHost* h) { return h->handle() == window; });
    // The program's records belong to its user-interface thread; other threads get nothing.
    if (window == nullptr || found == all.end() || QThread::currentThread() != (*found)->thread()) {
        return 0;
    }
    try {
        return (*found)->answer(message, wparam, lparam);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

std::intptr_t PluginHost::answer(std::uint32_t message, std::uintptr_t wparam,
                                 std::intptr_t lparam) {
    switch (message) {
    case DVK_MSG_REFRESH:
    case DVK_MSG_ENTER_VALUE:
    case DVK_MSG_MOVE_CELL:
        return answer_change(message, wparam, lparam);
    case DVK_MSG_GAME_CSV:
        return new_csv_text(lparam);
    case DVK_MSG_FREE_TEXT:
        return free_text(lparam);
    default:
        return answer_query(message, wparam, lparam);
    }
}

PluginCallRecords& PluginHost::message_records() {
    if (!m_calls.empty()) {
        return *m_calls.back().records;
    }
    if (m_loose_records == nullptr) {
        m_loose_records = std::make_unique<PluginCallRecords>(sources());
        // Outside a call the copies live until the program's event loop runs again.
        QTimer::singleShot(0, this, [this] { m_loose_records.reset(); });
    }
    return *m_loose_records;
}

std::intptr_t PluginHost::answer_query(std::uint32_t message, std::uintptr_t wparam,
                                       std::intptr_t lparam) {
    PluginCallRecords& records = message_records();
    switch (message) {
    case DVK_MSG_INTERFACE_VERSION:
        return DVK_INTERFACE_VERSION;
    case DVK_MSG_GET_OPTIONS:
        return address(records.options());
    case DVK_MSG_GET_GAME_OPTIONS:
        return address(records.game_options());
    case DVK_MSG_GET_GAME:
        return address(records.game());
    case DVK_MSG_GET_HISTORY:
        return address(records.history());
    case DVK_MSG_GET_SCORE_LIST:
        return address(records.score_list());
    case DVK_MSG_GET_WINDOWS:
        return address(records.windows());
    case DVK_MSG_GET_SETTINGS_FOLDER:
        return m_settings_folder.empty() ? 0 : address(m_settings_folder.c_str());
    case DVK_MSG_GET_INPUT_CELL: {
        const ScoreSheet* sheet = records.sources().sheet;
        const InputCell cell = sheet != nullptr ? sheet->input_cell() : InputCell{};
        const std::int32_t player = cell.player;
        const std::int32_t round = cell.round;
        // The plug-in's own variables; the interface has it name them.
        if (wparam != 0) {
            std::memcpy(reinterpret_cast<void*>(wparam), &player, sizeof(player));
        }
        if (lparam != 0) {
            std::memcpy(reinterpret_cast<void*>(lparam), &round, sizeof(round));
        }
        return packed_cell(cell);
    }
    default:
        return 0;
    }
}

bool PluginHost::changes_allowed() const {
    return std::all_of(m_calls.begin(), m_calls.end(),
                       [](const Call& call) { return call.event == DVK_EVENT_MENU; });
}

std::intptr_t PluginHost::answer_change(std::uint32_t message, std::uintptr_t wparam,
                                        std::intptr_t lparam) {
    if (!changes_allowed()) {
        return 0;
    }
    std::intptr_t result = 1;
    switch (message) {
    case DVK_MSG_REFRESH:
        m_window.refresh_screen();
        break;
    case DVK_MSG_ENTER_VALUE:
        result = m_window.enter_value(static_cast<std::int32_t>(wparam), lparam == 1) ? 1 : 0;
        break;
    case DVK_MSG_MOVE_CELL:
        result = m_window.move_input_cell(wparam == 1, static_cast<std::uint32_t>(lparam)) ? 1 : 0;
        break;
    default:
        return 0;
    }
    for (Call& call : m_calls) {
        call.records->records_changed();
    }
    if (m_loose_records != nullptr) {
        m_loose_records->records_changed();
    }
    return result;
}

const GameRecord* PluginHost::handed_out_game(const void* record) const {
    for (const Call& call : m_calls) {
        if (const GameRecord* game = call.records->source_of(record)) {
            return game;
        }
    }
    return m_loose_records != nullptr ? m_loose_records->source_of(record) : nullptr;
}

std::intptr_t PluginHost::new_csv_text(std::intptr_t record) {
    const GameRecord* game = handed_out_game(reinterpret_cast<const void*>(record));
    if (game == nullptr || m_texts.size() >= max_texts) {
        return 0;
    }
    const std::string csv = m_window.game_csv(*game);
    auto text = std::make_unique<char[]>(csv.size() + 1);
    std::memcpy(text.get(), csv.c_str(), csv.size() + 1);
    m_texts.push_back(std::move(text));
    return address(m_texts.back().get());
}

std::intptr_t PluginHost::free_text(std::intptr_t text) {
    const auto found = std::find_if(m_texts.begin(), m_texts.end(), [&](const auto& owned) {
        return address(owned.get()) == text;
    });
    if (text == 0 || found == m_texts.end()) {
        return 0;
    }
    m_texts.erase(found);
    return 1;
}

} // namespace dvk

intptr_t dvk_send_message(dvk_window window, uint32_t message, uintptr_t wparam, intptr_t lparam) {
    return dvk::PluginHost::send_message(window, message, wparam, lparam);
}
