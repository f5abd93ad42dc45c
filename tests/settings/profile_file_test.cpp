#include "settings/profile_file.h"

#include "support/settings_test_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace dvk {
namespace {

using testing_support::read_file;
using testing_support::TestFolder;
using testing_support::write_file;

std::size_t files_in(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

// Makes every write beyond `bytes` fail as it would on a full disk, for the life of the object.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_old_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_old_handler);
    }

private:
    rlimit m_old{};
    void (*m_old_handler)(int) = nullptr;
};

TEST(ProfileFile, missingFileLoadsAsMissingAndSaveCreatesIt) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    ProfileLoad load = profile_load(path);
    EXPECT_EQ(load.status, ProfileLoadStatus::Missing);
    load.document.write_int("game", "start_score", 301);
    ASSERT_TRUE(profile_save(load.document, path));
    EXPECT_EQ(read_file(path), "[game]\r\nstart_score=301\r\n\r\n");
    EXPECT_EQ(files_in(folder.path()), 1u);
}

TEST(ProfileFile, loadedFileIsWrittenBackWithItsForeignLines) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    write_file(path, "# mine\n[window]\nleft=5\nforeign=x\n");
    ProfileLoad load = profile_load(path);
    ASSERT_EQ(load.status, ProfileLoadStatus::Loaded);
    load.document.write_int("window", "left", 7);
    ASSERT_TRUE(profile_save(load.document, path));
    EXPECT_EQ(read_file(path), "# mine\r\n\r\n[window]\r\nleft=7\r\nforeign=x\r\n\r\n");
}

// A pipe without a writer would block a plain open for ever; the test ends either way.
TEST(ProfileFile, folderPipeDeviceOrOversizedFileFailsToLoadWithItsReason) {
    TestFolder folder;
    const std::string pipe = folder.file("pipe.ini");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string big = folder.file("big.ini");
    write_file(big, std::string(max_profile_file_bytes + 1, 'x'));
    const std::vector<std::pair<std::string, std::string>> refused = {
        {folder.path().string(), "Not a regular file"},
        {pipe, "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {big, "File too large: more than 2097152 bytes"},
    };
    for (const auto& [path, reason] : refused) {
        const ProfileLoad load = profile_load(path);
        EXPECT_EQ(load.status, ProfileLoadStatus::Failed) << path;
        EXPECT_EQ(load.error, reason) << path;
    }
    write_file(big, std::string(max_profile_file_bytes, '#'));
    EXPECT_EQ(profile_load(big).status, ProfileLoadStatus::Loaded);
}

TEST(ProfileFile, failedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    const std::string old_text = "[game]\r\nstart_score=301\r\n\r\n";
    write_file(path, old_text);
    ProfileDocument doc;
    doc.write_string("game", "p1_name", std::string(4096, 'n'));
    ProfileSaveResult result;
    {
        const FileSizeLimit full_disk(1024);
        result = profile_save(doc, path);
    }
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(read_file(path), old_text);
    EXPECT_EQ(files_in(folder.path()), 1u);
}

TEST(ProfileFile, saveOverAFolderFailsAndLeavesItAlone) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    std::filesystem::create_directory(path);
    write_file(folder.file("dvk.ini/inside"), "keep");
    ProfileDocument doc;
    doc.write_int("a", "b", 1);
    EXPECT_FALSE(profile_save(doc, path));
    EXPECT_EQ(read_file(folder.file("dvk.ini/inside")), "keep");
    EXPECT_EQ(files_in(folder.path()), 1u);
}

TEST(ProfileFile, saveKeepsThePermissionsOfTheOldFile) {
    TestFolder folder;
    const std::string path = folder.file("dvk.ini");
    write_file(path, "a=1\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    ASSERT_TRUE(profile_save(profile_load(path).document, path));
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

} // namespace
} // namespace dvk
