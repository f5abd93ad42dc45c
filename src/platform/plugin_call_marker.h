#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace dvk {

// A call into a plug-in: the entry it belongs to and what was called ("record_initialize",
// "record, event 256").
struct PluginCallName {
    std::string lib_file_path;
    std::string func_name;
    std::string call;

    bool operator==(const PluginCallName&) const = default;
};

// Notes which plug-in function the program is calling, so that a plug-in that ends the program
// can be named and turned off at the next start instead of ending it again.
//
// A plug-in runs in the program's process: a fault in it cannot be recovered from. While a call
// runs, its name waits in memory already formatted; only when the process dies inside the call
// is it written to the marker file: by a handler of the fatal signals (SIGSEGV, SIGBUS, SIGILL,
// SIGFPE, SIGABRT), which uses async-signal-safe calls only and then raises the signal again
// with the handler that was there before (so the exit status and a core dump stay as they
// were), or by an exit hook when the plug-in calls exit() or quick_exit(). A call costs the
// formatting of a short text and no file access. A plug-in that calls _exit() or is killed
// leaves nothing.
//
// One marker is active at a time: the last one made.
class PluginCallMarker {
public:
    explicit PluginCallMarker(const std::filesystem::path& file);
    ~PluginCallMarker();
    PluginCallMarker(const PluginCallMarker&) = delete;
    PluginCallMarker& operator=(const PluginCallMarker&) = delete;

    // The call the last run of the program ended in, read from `file`, which is removed;
    // nothing when that run ended elsewhere.
    static std::optional<PluginCallName> take_left(const std::filesystem::path& file);

    // Marks a call for as long as it lives; calls nest, and the innermost one is named. A null
    // marker marks nothing.
    class Call {
    public:
        Call(const PluginCallMarker* marker, const PluginCallName& name);
        ~Call();
        Call(const Call&) = delete;
        Call& operator=(const Call&) = delete;

    private:
        bool m_marked = false;
    };

private:
    bool m_active = false;
};

} // namespace dvk
