#include "host_rig.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>

namespace dvk::testing {
namespace {

PluginConfig configured(const std::string& library, const std::string& function,
                        const std::string& cmd_line = {}) {
    return {function, test_plugin(library), function, cmd_line, 0, 0};
}

std::filesystem::path marker_in(const HostRig& rig) {
    return rig.folder.filePath(QStringLiteral("dvk-plugin-call.txt")).toStdString();
}

const PluginCallName outer_call{"/plugins/outer.dvk", "outer", "outer, event 4"};
const PluginCallName inner_call{"/plugins/inner.dvk", "inner", "inner, event 256"};

// A sanitizer's own handler reports a fault in its own way.
#if !defined(__SANITIZE_ADDRESS__)
// Runs `end` in a child process while a call is marked inside another (after a third has
// returned), and answers the child's wait status. The child leaves no core file.
int status_of_child(const std::filesystem::path& marker, const std::function<void()>& end) {
    const pid_t child = fork();
    if (child == 0) {
        const rlimit no_core{0, 0};
        setrlimit(RLIMIT_CORE, &no_core);
        PluginCallMarker marking(marker);
        const PluginCallMarker::Call outer(&marking, outer_call);
        { const PluginCallMarker::Call returned(&marking, {"/plugins/done.dvk", "done", "done"}); }
        const PluginCallMarker::Call inner(&marking, inner_call);
        end();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

void write_through_null() {
    volatile int* volatile nowhere = nullptr;
    *nowhere = 1;
}

struct Ending {
    const char* name;
    std::function<void()> end;
    int signal;    // the signal that ends the child, or 0
    int exit_code; // its exit code when no signal does
};

class ProgramEnding : public ::testing::TestWithParam<Ending> {};

TEST_P(ProgramEnding, namesTheInnermostCallAndKeepsHowTheProgramEnded) {
    const Ending& ending = GetParam();
    HostRig rig;
    const std::filesystem::path marker = marker_in(rig);
    const int status = status_of_child(marker, ending.end);
    if (ending.signal != 0) {
        ASSERT_TRUE(WIFSIGNALED(status)) << status;
        EXPECT_EQ(WTERMSIG(status), ending.signal);
    } else {
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), ending.exit_code);
    }
    EXPECT_EQ(PluginCallMarker::take_left(marker), inner_call);
    EXPECT_FALSE(std::filesystem::exists(marker));
}

INSTANTIATE_TEST_SUITE_P(Endings, ProgramEnding,
                         ::testing::Values(Ending{"nullWrite", write_through_null, SIGSEGV, 0},
                                           Ending{"abort", [] { std::abort(); }, SIGABRT, 0},
                                           Ending{"busError", [] { std::raise(SIGBUS); }, SIGBUS,
                                                  0},
                                           Ending{"exit", [] { std::exit(3); }, 0, 3},
                                           Ending{"quickExit", [] { std::quick_exit(4); }, 0, 4}),
                         [](const auto& info) { return std::string(info.param.name); });
#endif

TEST(PluginCallMarker, aRunThatEndsOutsideEveryCallLeavesNothing) {
    HostRig rig;
    const std::filesystem::path marker = marker_in(rig);
    const pid_t child = fork();
    if (child == 0) {
        PluginCallMarker marking(marker);
        { const PluginCallMarker::Call returned(&marking, inner_call); }
        std::quick_exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST(PluginCallMarker, aFaultInsideARealPluginIsNamed) {
    HostRig rig;
    const std::filesystem::path marker = marker_in(rig);
    const PluginCallName name{test_plugin("crasher"), "crash_on_visit",
                              "crash_on_visit, event 256"};
    const pid_t child = fork();
    if (child == 0) {
        const rlimit no_core{0, 0};
        setrlimit(RLIMIT_CORE, &no_core);
        PluginCallMarker marking(marker);
        void* library = dlopen(name.lib_file_path.c_str(), RTLD_NOW);
        const auto function =
            reinterpret_cast<dvk_plugin_function>(dlsym(library, "crash_on_visit"));
        dvk_plugin_info info{};
        const PluginCallMarker::Call marked(&marking, name);
        function(nullptr, DVK_EVENT_VISIT, &info, 60);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(PluginCallMarker::take_left(marker), name);
}

TEST(PluginCrash, theFunctionThatEndedTheLastRunIsTurnedOffAndCanBeTurnedOnAgain) {
    HostRig rig;
    rig.marker = marker_in(rig);
    {
        std::ofstream file(rig.marker);
        file << "dvk plug-in call\n"
             << test_plugin("crasher") << "\ncrash_on_visit\ncrash_on_visit, event 256\n";
    }
    rig.start({configured("crasher", "crash_on_visit"),
               configured("recorder", "record", rig.log_path())});

    ASSERT_TRUE(rig.ended.has_value());
    EXPECT_EQ(rig.ended->func_name, "crash_on_visit");
    EXPECT_EQ(rig.ended->call, "crash_on_visit, event 256");
    EXPECT_FALSE(std::filesystem::exists(rig.marker));
    // Kept in the list, off and not loaded; the other entry loads as before.
    ASSERT_EQ(rig.options.plugins.size(), 2U);
    EXPECT_FALSE(rig.options.plugins[0].enabled);
    EXPECT_FALSE(rig.host->is_loaded(0));
    EXPECT_TRUE(rig.host->is_loaded(1));
    rig.visits({60}); // would end the test if the function were called

    PluginRows rows(rig.options.plugins);
    rows.set_enabled(0, true);
    rows.set_enabled(1, false);
    rig.host->apply_rows(rows);
    rig.host->load_plugins();
    EXPECT_EQ(rig.host->event_masks(), (std::vector<std::int32_t>{DVK_EVENT_VISIT, 0}));
    EXPECT_TRUE(rig.options.plugins[0].enabled);
    EXPECT_FALSE(rig.options.plugins[1].enabled);
}

struct LeftMarker {
    const char* name;
    std::string text;
};

class UnusableMarker : public ::testing::TestWithParam<LeftMarker> {};

// A marker that names no entry of the list, or is no marker at all, turns nothing off.
TEST_P(UnusableMarker, turnsNothingOffAndIsRemoved) {
    HostRig rig;
    rig.marker = marker_in(rig);
    {
        std::ofstream file(rig.marker, std::ios::binary);
        file << GetParam().text;
    }
    rig.start({configured("recorder", "record", rig.log_path())});
    EXPECT_FALSE(rig.ended.has_value());
    EXPECT_TRUE(rig.options.plugins[0].enabled);
    EXPECT_TRUE(rig.host->is_loaded(0));
    EXPECT_FALSE(std::filesystem::exists(rig.marker));
}

INSTANTIATE_TEST_SUITE_P(
    Markers, UnusableMarker,
    ::testing::Values(
        LeftMarker{"otherLibrary", "dvk plug-in call\n/elsewhere/recorder.dvk\nrecord\nrecord\n"},
        LeftMarker{"otherFunction",
                   "dvk plug-in call\n" + test_plugin("recorder") + "\nrecord_more\nrecord_more\n"},
        LeftMarker{"cutShort", "dvk plug-in call\n" + test_plugin("recorder") + "\nrecord"},
        LeftMarker{"noHeader", "\n" + test_plugin("recorder") + "\nrecord\nrecord\n"},
        LeftMarker{"empty", ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace dvk::testing
