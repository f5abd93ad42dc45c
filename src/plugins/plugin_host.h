#pragma once

#include "platform/plugin_call_marker.h"
#include "plugins/plugin_library.h"
#include "plugins/plugin_window.h"
#include "plugins/records/plugin_call_records.h"
#include "settings/app_options.h"
#include "settings/plugin_list.h"

#include <dvk/plugin.h>

#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dvk {

// Loads the configured plug-in functions, calls them on events, and answers the messages they
// send. Each entry of the options' plug-in list has one entry here, in the same order.
//
// Every call gets copies of the program's records made for it; after an answer that asks for
// it, only the entry of the input cell is read back, and the match checks it like typed
// input. Messages that change the game are refused during every call except a Tools command,
// so no change of the game starts inside another.
class PluginHost : public QObject {
    Q_OBJECT
public:
    // Texts of the messages a plug-in may leave in the program at once (DVK_MSG_GAME_CSV).
    static constexpr std::size_t max_texts = 64;

    // `options` holds the plug-in list; `handle` is the window argument of every call and the
    // window plug-ins address their messages to.
    PluginHost(AppOptions& options, PluginWindow& window, dvk_window handle,
               QObject* parent = nullptr);
    ~PluginHost() override;

    dvk_window handle() const { return m_handle; }

    // Turns off the entries of the plug-in function that ended the program's last run, as
    // noted in `file`, and from now on notes every call there while it runs. The answer names
    // that function when it was in the list and on.
    std::optional<PluginCallName> watch_calls(const std::filesystem::path& file);
    // The folder of the program's settings, which plug-ins ask for to keep their own files.
    void set_settings_folder(const std::filesystem::path& folder);

    // Loads every entry that is on, not loaded and names a library, in list order. A library
    // or function that cannot be found is told in an error box and skipped; the entries after
    // it still load.
    void load_plugins();
    // Calls one entry with an event; 0 when it is not loaded.
    std::int32_t call_plugin(std::size_t index, std::int32_t event, std::int32_t parameter);
    // Calls every entry that wants the event, in list order; the answers OR-ed. The calls stop
    // after an answer that contains the cancel bit.
    std::int32_t call_plugins(std::int32_t event, std::int32_t parameter);
    void unload_plugins();

    bool is_loaded(std::size_t index) const;
    // The event mask of every entry of the list (0 for entries not loaded).
    std::vector<std::int32_t> event_masks() const;

    // For the Plug-in page. The functions of the library at `path`; a library that does not
    // load or describe itself is told in an error box captioned with the path.
    std::optional<std::vector<PluginFunctionInfo>> library_functions(const QString& path);
    // Shows the settings of a row's function (loading its library for the call when the entry
    // is not loaded): the command line it left when it showed them; nothing after "This Item
    // has no options that you can set." or a failure, which are told.
    std::optional<std::string> show_property(const PluginRow& row);
    // Replaces the plug-in list by the page's rows. Entries whose rows are gone are unloaded;
    // entries that stay keep their library; new rows are loaded by the next load_plugins().
    void apply_rows(const PluginRows& rows);

    // The answer to a message a plug-in sends to `window`; 0 when no host has that window.
    static std::intptr_t send_message(dvk_window window, std::uint32_t message,
                                      std::uintptr_t wparam, std::intptr_t lparam);

private:
    struct Entry {
        std::shared_ptr<PluginLibrary> library;
        dvk_plugin_function function = nullptr;
        std::int32_t event_mask = 0;
        bool failed = false; // it let an exception escape; it is not called again
        dvk_plugin_info info{};
    };
    // A call in progress: its event (-1 for the initialize, property and description calls)
    // and the records it reads.
    struct Call {
        std::int32_t event = -1;
        std::unique_ptr<PluginCallRecords> records;
    };
    template <typename Function>
    std::optional<std::int32_t> run_call(std::int32_t event, const PluginCallName& name,
                                         Function function);

    static void enroll(PluginHost* host);
    static void withdraw(PluginHost* host);

    // The library at `path`, shared with the entries that have it loaded already; null with
    // the reason in `error`.
    std::shared_ptr<PluginLibrary> open_library(const QString& path, QString& error);

    PluginRecordSources sources() const;
    void match_entries();
    bool load_entry(std::size_t index);
    void read_back_input_entry(PluginCallRecords& records);
    void report_failure(const QString& name, const std::string& failure);
    void release_retired();

    std::intptr_t answer(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
    std::intptr_t answer_query(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
    std::intptr_t answer_change(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
    PluginCallRecords& message_records();
    bool changes_allowed() const;
    const GameRecord* handed_out_game(const void* record) const;
    std::intptr_t new_csv_text(std::intptr_t record);
    std::intptr_t free_text(std::intptr_t text);

    AppOptions& m_options;
    PluginWindow& m_window;
    dvk_window m_handle;
    std::vector<std::weak_ptr<PluginLibrary>> m_libraries;
    std::vector<std::unique_ptr<Entry>> m_entries;
    std::vector<std::unique_ptr<Entry>> m_retired; // removed while a call was running
    std::vector<Call> m_calls;
    std::unique_ptr<PluginCallRecords> m_loose_records; // for messages outside a call
    std::vector<std::unique_ptr<char[]>> m_texts;
    std::unique_ptr<PluginCallMarker> m_marker;
    std::string m_settings_folder;
};

} // namespace dvk
