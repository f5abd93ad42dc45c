#include "storage/file_helpers.h"
#include "storage/recovery_file.h"
#include "storage/stale_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    const std::string running = std::to_string(::getppid());
    const std::string own = std::to_string(::getpid());
    for (const std::string& name : std::vector<std::string>{
             "dvk.tmp", "dvk.tmp.bad", "dvk.ini", "dvk.tmp.tmp-" + ended + "-AbC123",
             "dvk.ini.tmp-" + ended + "-0", "dvk.tmp.tmp-" + own + "-zZ9yY8",
             "501_20261208_101500.csv.tmp-" + ended + "-Q1w2E3",
             "dvk.tmp.tmp-" + running + "-BBBBBB", "notes.txt.tmp-" + ended + "-CCCCCC",
             "dvk.tmp.tmp-Old123", "dvk.tmp.tmp-New123", "dvk.tmp.tmp-" + ended + "-",
             "csv.tmp-" + ended + "-DDDDDD"}) {
        test::put_file(folder / name, "x");
    }
    std::filesystem::last_write_time(folder / "dvk.tmp.tmp-Old123",
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(2));
    std::filesystem::create_directory(folder / ("dvk.ini.tmp-" + ended + "-1"));

    const auto removed = remove_stale_temporary_files(folder.path(), {"dvk.tmp", "dvk.ini"});
    EXPECT_EQ(removed.size(), 4u);
    const auto in_data = remove_stale_temporary_files(folder.path(), {"*.csv"});
    EXPECT_EQ(in_data.size(), 1u);
    std::vector<std::string> kept = {"csv.tmp-" + ended + "-DDDDDD",
                                     "dvk.ini",
                                     "dvk.ini.tmp-" + ended + "-1",
                                     "dvk.tmp",
                                     "dvk.tmp.bad",
                                     "dvk.tmp.tmp-" + ended + "-",
                                     "dvk.tmp.tmp-" + running + "-BBBBBB",
                                     "dvk.tmp.tmp-New123",
                                     "notes.txt.tmp-" + ended + "-CCCCCC"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names_in(folder.path()), kept);
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

} // namespace
} // namespace dvk
