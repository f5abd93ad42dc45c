#include "storage/file_helpers.h"
#include "storage/recovery_file.h"
#include "storage/stale_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace dvk {
namespace {

using test::TempFolder;

// The id of a process that has ended.
std::string ended_process() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return std::to_string(child);
}

// A copy of this program that runs until the object goes.
class RunningCopy {
public:
    RunningCopy() : m_pid(::fork()) {
        if (m_pid == 0) {
            ::pause();
            ::_exit(0);
        }
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;
    ~RunningCopy() {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    std::string id() const { return std::to_string(m_pid); }

private:
    pid_t m_pid;
};

std::vector<std::string> names_in(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(StaleFiles, temporaryFilesOfKilledRunsGoAndEverythingElseStays) {
    const TempFolder folder;
    const std::string ended = ended_process();
    const RunningCopy copy;
    const std::string running = copy.id();
    // A process id that a killed run had may now belong to another program.
    const std::string reused = std::to_string(::getppid());
    const std::string own = std::to_string(::getpid());
    for (const std::string& name : std::vector<std::string>{
             "dvk.tmp", "dvk.tmp.bad", "dvk.ini", "dvk.tmp.tmp-" + ended + "-AbC123",
             "dvk.ini.tmp-" + ended + "-0", "dvk.tmp.tmp-" + own + "-zZ9yY8",
             "501_20261208_101500.csv.tmp-" + ended + "-Q1w2E3",
             "dvk.tmp.tmp-" + running + "-BBBBBB", "dvk.tmp.tmp-" + reused + "-EEEEEE",
             "notes.txt.tmp-" + ended + "-CCCCCC", "dvk.tmp.tmp-Old123", "dvk.tmp.tmp-New123",
             "dvk.tmp.tmp-" + ended + "-", "dvk.tmp.tmp-" + ended + "-abc",
             "dvk.tmp.tmp-" + ended + "-AbC12!", "csv.tmp-" + ended + "-DDDDDD"}) {
        test::put_file(folder / name, "x");
    }
    std::filesystem::last_write_time(folder / "dvk.tmp.tmp-Old123",
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(2));
    std::filesystem::create_directory(folder / ("dvk.ini.tmp-" + ended + "-1"));

    const auto removed = remove_stale_temporary_files(folder.path(), {"dvk.tmp", "dvk.ini"});
    EXPECT_EQ(removed.size(), 5u);
    const auto in_data = remove_stale_temporary_files(folder.path(), {"*.csv"});
    EXPECT_EQ(in_data.size(), 1u);
    std::vector<std::string> kept = {"csv.tmp-" + ended + "-DDDDDD",
                                     "dvk.ini",
                                     "dvk.ini.tmp-" + ended + "-1",
                                     "dvk.tmp",
                                     "dvk.tmp.bad",
                                     "dvk.tmp.tmp-" + ended + "-",
                                     "dvk.tmp.tmp-" + ended + "-abc",
                                     "dvk.tmp.tmp-" + ended + "-AbC12!",
                                     "dvk.tmp.tmp-" + running + "-BBBBBB",
                                     "dvk.tmp.tmp-New123",
                                     "notes.txt.tmp-" + ended + "-CCCCCC"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names_in(folder.path()), kept);
}

// A kill during Save As leaves "<name>.csv.tmp-<process>-XXXXXX" in a folder the user chose;
// the next write there clears it away.
TEST(StaleFiles, theNextWriteInAFolderRemovesTemporaryFilesOfItsKindThatAKillLeft) {
    const TempFolder folder;
    const std::string ended = ended_process();
    const RunningCopy copy;
    const std::vector<std::string> gone = {"501_20261208_101500.csv.tmp-" + ended + "-Q1w2E3"};
    const std::vector<std::string> kept = {
        "301_20261208_111500.csv.tmp-" + copy.id() + "-Q1w2E3",
        "401_20261208_121500.csv.tmp-" + std::to_string(::getpid()) + "-Q1w2E3",
        "notes.txt.tmp-" + ended + "-Q1w2E3", "dvk.tmp.tmp-" + ended + "-Q1w2E3"};
    for (const auto& names : {gone, kept}) {
        for (const std::string& name : names) {
            test::put_file(folder / name, "half a game");
        }
    }
    ASSERT_TRUE(write_whole_file(folder / "701_20261209_090000.csv", "a game").ok);
    std::vector<std::string> expected = kept;
    expected.push_back("701_20261209_090000.csv");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names_in(folder.path()), expected);

    ASSERT_TRUE(write_whole_file(folder / "dvk.tmp", "a saved game").ok);
    EXPECT_FALSE(std::filesystem::exists(folder / ("dvk.tmp.tmp-" + ended + "-Q1w2E3")));
}

TEST(StaleFiles, aReplaceNamesItsTemporaryFileAfterThisProcess) {
    EXPECT_EQ(temporary_name_prefix("/x/dvk.tmp"),
              "/x/dvk.tmp.tmp-" + std::to_string(::getpid()) + "-");
}

TEST(StaleFiles, everyRefusedRecoveryFileIsKeptUnderANameOfItsOwn) {
    const TempFolder folder;
    const auto path = folder / "dvk.tmp";
    for (const std::string content : {"first", "second", "third"}) {
        test::put_file(path, content);
        ASSERT_TRUE(keep_unloadable_recovery(path).has_value()) << content;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad"), "first");
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad-2"), "second");
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad-3"), "third");
    test::put_file(path, "fourth");
    EXPECT_EQ(keep_under_new_name(path), folder / "dvk.tmp.bad-4");
    EXPECT_FALSE(keep_under_new_name(folder / "missing").has_value());
}

TEST(StaleFiles, withTheKeptCopiesFullTheFirstAndTheLatestAreKeptAndNoneIsOverwritten) {
    const TempFolder folder;
    const auto path = folder / "dvk.tmp";
    test::put_file(folder / "dvk.tmp.bad", "first");
    for (std::size_t number = 2; number <= most_kept_copies; ++number) {
        test::put_file(folder / ("dvk.tmp.bad-" + std::to_string(number)), std::to_string(number));
    }
    for (const std::string refused : {"newest", "newer still"}) {
        test::put_file(path, refused);
        const auto kept = keep_under_new_name(path);
        ASSERT_TRUE(kept.has_value()) << refused;
        EXPECT_EQ(test::file_bytes(*kept), refused);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad"), "first");
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad-1000"), "1000");
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad-1001"), "newest");
    EXPECT_EQ(test::file_bytes(folder / "dvk.tmp.bad-1002"), "newer still");
    EXPECT_FALSE(std::filesystem::exists(folder / "dvk.tmp.bad-2"));
    EXPECT_FALSE(std::filesystem::exists(folder / "dvk.tmp.bad-3"));
    EXPECT_EQ(names_in(folder.path()).size(), most_kept_copies);
}

} // namespace
} // namespace dvk
