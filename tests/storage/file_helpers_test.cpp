#include "storage/file_helpers.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace dvk {
namespace {

using test::TempFolder;

std::size_t entries_in(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(FileHelpers, createFolderPathMakesEveryMissingLevel) {
    const TempFolder folder;
    for (const std::string tail : {"a/b/c", "d//e/", "a/b/c/d"}) {
        const std::filesystem::path path = folder.path().string() + "/" + tail;
        EXPECT_TRUE(create_folder_path(path)) << tail;
        EXPECT_TRUE(file_is_folder(path)) << tail;
    }
    test::put_file(folder / "plain", "x");
    EXPECT_FALSE(create_folder_path(folder / "plain" / "sub"));
}

TEST(FileHelpers, folderAndPlainFileAreToldApart) {
    const TempFolder folder;
    test::put_file(folder / "file.txt", "x");
    EXPECT_TRUE(file_is_folder(folder.path()));
    EXPECT_FALSE(file_is_plain(folder.path()));
    EXPECT_TRUE(file_is_plain(folder / "file.txt"));
    EXPECT_FALSE(file_is_folder(folder / "file.txt"));
    EXPECT_FALSE(file_is_plain(folder / "missing"));
    EXPECT_FALSE(file_is_folder(folder / "missing"));
}

TEST(FileHelpers, readWholeFileReadsBytesAndRefusesWhatIsNotAFile) {
    const TempFolder folder;
    const std::string bytes("\x1A\0\r\n\xFF", 5);
    test::put_file(folder / "data.bin", bytes);
    const FileContents read = read_whole_file(folder / "data.bin");
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, bytes);

    const FileContents missing = read_whole_file(folder / "missing");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);
    EXPECT_FALSE(missing.reason.empty());

    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const char* name : {"pipe", "."}) {
        const FileContents refused = read_whole_file(folder / name);
        EXPECT_FALSE(refused.ok) << name;
        EXPECT_TRUE(refused.refused) << name;
    }
    const FileContents too_large = read_whole_file(folder / "data.bin", 4);
    EXPECT_FALSE(too_large.ok);
    EXPECT_TRUE(too_large.refused);
}

TEST(FileHelpers, onlyARegularFileIsTakenForOneAndEveryOtherPathSaysWhyNot) {
    const TempFolder folder;
    test::put_file(folder / "lib.dvk", "x");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    ::symlink((folder / "lib.dvk").c_str(), (folder / "link.dvk").c_str());
    EXPECT_TRUE(check_regular_file(folder / "lib.dvk"));
    EXPECT_TRUE(check_regular_file(folder / "link.dvk"));
    const std::vector<std::pair<std::filesystem::path, std::string>> refused = {
        {folder / "missing.dvk", "No such file or directory"},
        {folder.path(), "Not a regular file"},
        {folder / "pipe", "Not a regular file"},
        {"/dev/null", "Not a regular file"},
        {folder / "lib.dvk" / "inside", "Not a directory"},
    };
    for (const auto& [path, reason] : refused) {
        const FileStatus status = check_regular_file(path);
        EXPECT_FALSE(status.ok) << path;
        EXPECT_EQ(status.reason, reason) << path;
    }
}

TEST(FileHelpers, writeWholeFileReplacesTheFileAndKeepsItsPermissions) {
    const TempFolder folder;
    const auto path = folder / "out.csv";
    ASSERT_TRUE(write_whole_file(path, "first version, longer than the second").ok);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(write_whole_file(path, "second").ok);
    EXPECT_EQ(test::file_bytes(path), "second");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entries_in(folder.path()), 1u);
}

TEST(FileHelpers, failedWriteLeavesTheOldFileAndNoTemporaryFile) {
    const TempFolder folder;
    const auto path = folder / "dvk.tmp";
    ASSERT_TRUE(write_whole_file(path, "old contents").ok);
    FileStatus status;
    {
        const test::FileSizeLimit full_disk(16);
        status = write_whole_file(path, std::string(4096, 'n'));
    }
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.reason.empty());
    EXPECT_EQ(test::file_bytes(path), "old contents");
    EXPECT_EQ(entries_in(folder.path()), 1u);
}

TEST(FileHelpers, writeIntoAMissingFolderFailsWithAReason) {
    const TempFolder folder;
    const FileStatus status = write_whole_file(folder / "no" / "such.csv", "x");
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.reason, system_error_text(ENOENT));
}

} // namespace
} // namespace dvk
