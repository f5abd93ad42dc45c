#include "platform/plugin_call_marker.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace dvk {
namespace {

constexpr char marker_header[] = "dvk plug-in call";
constexpr std::size_t max_depth = 16;
// Three fields of at most 255 bytes each, the call's extra words and the line breaks.
constexpr std::size_t text_size = 1280;
constexpr std::size_t max_marker_bytes = 4096;
constexpr std::array<int, 5> fatal_signals = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr std::size_t alternate_stack_size = 64 * 1024;

// What the signal handler and the exit hook write. They can reach nothing but static data, so
// this one record is the program's only state outside its objects. Written by the thread that
// calls plug-ins (the user-interface thread) only.
struct MarkerState {
    std::array<char, 4096> path;
    std::array<std::array<char, text_size>, max_depth> texts;
    std::array<std::size_t, max_depth> lengths;
    volatile std::sig_atomic_t depth;
    volatile std::sig_atomic_t active;
    const void* owner; // the marker that is active
    std::array<struct sigaction, fatal_signals.size()> previous;
    // A stack overflow in a plug-in leaves no stack for the handler.
    alignas(16) std::array<char, alternate_stack_size> alternate_stack;
};

MarkerState marker_state;

void write_marker() {
    const std::sig_atomic_t depth = marker_state.depth;
    if (marker_state.active == 0 || depth <= 0) {
        return;
    }
    const auto slot = static_cast<std::size_t>(depth) - 1;
    const int fd = ::open(marker_state.path.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    const char* text = marker_state.texts[slot].data();
    std::size_t left = marker_state.lengths[slot];
    while (left > 0) {
        const ssize_t written = ::write(fd, text, left);
        if (written <= 0) {
            break;
        }
        text += written;
        left -= static_cast<std::size_t>(written);
    }
    ::close(fd);
}

void on_fatal_signal(int signal) {
    write_marker();
    const auto* found = std::find(fatal_signals.begin(), fatal_signals.end(), signal);
    struct sigaction previous =
        marker_state
            .previous[static_cast<std::size_t>(std::distance(fatal_signals.begin(), found))];
    // An ignored fault would come back for ever: the system's own action ends the program.
    if (previous.sa_handler == SIG_IGN) {
        previous.sa_handler = SIG_DFL;
    }
    ::sigaction(signal, &previous, nullptr);
    // Delivered again once this handler returns (a fault by re-running the faulting
    // instruction), to the handler that was there before, or with the default action.
    ::raise(signal);
}

void on_exit() {
    write_marker();
}

void install_handlers() {
    stack_t current{};
    if (::sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) != 0) {
        stack_t alternate{};
        alternate.ss_sp = marker_state.alternate_stack.data();
        alternate.ss_size = marker_state.alternate_stack.size();
        ::sigaltstack(&alternate, nullptr);
    }
    struct sigaction action {};
    action.sa_handler = on_fatal_signal;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < fatal_signals.size(); ++i) {
        ::sigaction(fatal_signals[i], &action, &marker_state.previous[i]);
    }
    // The hooks cannot be taken back: they are registered once and do nothing while no
    // marker is active.
    static const bool hooked = [] {
        std::atexit(on_exit);
        std::at_quick_exit(on_exit);
        return true;
    }();
    static_cast<void>(hooked);
}

void remove_handlers() {
    for (std::size_t i = 0; i < fatal_signals.size(); ++i) {
        ::sigaction(fatal_signals[i], &marker_state.previous[i], nullptr);
    }
}

// The lines of a marker: the header, the library, the function and the call.
std::optional<PluginCallName> parse_marker(const std::string& text) {
    std::array<std::string, 4> lines;
    std::size_t start = 0;
    for (std::string& line : lines) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            return std::nullopt;
        }
        line = text.substr(start, end - start);
        start = end + 1;
    }
    if (lines[0] != marker_header || lines[1].empty() || lines[2].empty()) {
        return std::nullopt;
    }
    return PluginCallName{lines[1], lines[2], lines[3]};
}

} // namespace

PluginCallMarker::PluginCallMarker(const std::filesystem::path& file) {
    const std::string path = file.string();
    if (path.empty() || path.size() >= marker_state.path.size()) {
        return;
    }
    if (marker_state.active != 0) {
        remove_handlers();
    }
    marker_state.active = 0;
    std::copy(path.begin(), path.end(), marker_state.path.begin());
    marker_state.path[path.size()] = '\0';
    install_handlers();
    std::atomic_signal_fence(std::memory_order_seq_cst);
    marker_state.active = 1;
    marker_state.owner = this;
    m_active = true;
}

PluginCallMarker::~PluginCallMarker() {
    if (m_active && marker_state.active != 0 && marker_state.owner == this) {
        marker_state.active = 0;
        remove_handlers();
    }
}

std::optional<PluginCallName> PluginCallMarker::take_left(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::string text;
    {
        std::ifstream in(file, std::ios::binary);
        text.resize(max_marker_bytes);
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    }
    std::filesystem::remove(file, error);
    return parse_marker(text);
}

PluginCallMarker::Call::Call(const PluginCallMarker* marker, const PluginCallName& name) {
    const std::sig_atomic_t depth = marker_state.depth;
    if (marker == nullptr || marker_state.owner != marker || marker_state.active == 0 ||
        depth < 0 || static_cast<std::size_t>(depth) >= max_depth) {
        return;
    }
    const auto slot = static_cast<std::size_t>(depth);
    std::array<char, text_size>& text = marker_state.texts[slot];
    const int length =
        std::snprintf(text.data(), text.size(), "%s\n%s\n%s\n%s\n", marker_header,
                      name.lib_file_path.c_str(), name.func_name.c_str(), name.call.c_str());
    marker_state.lengths[slot] =
        std::min(static_cast<std::size_t>(std::max(length, 0)), text.size() - 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    marker_state.depth = depth + 1;
    m_marked = true;
}

PluginCallMarker::Call::~Call() {
    if (m_marked) {
        std::atomic_signal_fence(std::memory_order_seq_cst);
        marker_state.depth = marker_state.depth - 1;
    }
}

} // namespace dvk
