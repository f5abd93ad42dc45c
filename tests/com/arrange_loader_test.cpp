#include "com/arrange_loader.h"
#include "com/arrange_parser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace dvk {
namespace {

namespace fs = std::filesystem;

class ArrangeLoader : public testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("dvk_arrange_" +
                    std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path write(const std::string& name, const std::string& text) {
        const fs::path path = m_folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    fs::path m_folder;
};

TEST_F(ArrangeLoader, missingFileGivesTheBuiltInTable) {
    const ArrangeLoad load = load_arrange_table(
        m_folder / arrange_file_name(BuiltinTable::Checkout), BuiltinTable::Checkout);
    EXPECT_EQ(load.problem, "");
    const ArrangeTable& table = load.table;
    EXPECT_EQ(table, parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout)));
    EXPECT_EQ(suggestion_lines(table, 170), std::vector<std::string>{"T20-T20-D25"});
    EXPECT_TRUE(suggestion_lines(table, 159).empty());
    EXPECT_EQ(load_arrange_table(m_folder / arrange_file_name(BuiltinTable::Com), BuiltinTable::Com)
                  .table,
              parse_arrange_text(builtin_arrange_text(BuiltinTable::Com)));
}

TEST_F(ArrangeLoader, readableFileIsUsedEvenWithoutEntries) {
    const ArrangeLoad load =
        load_arrange_table(write("arrange.txt", "# mine\r\n\r\n"), BuiltinTable::Checkout);
    EXPECT_EQ(load.table.count(), 0u);
    EXPECT_EQ(load.problem, "");
}

TEST_F(ArrangeLoader, readableFileReplacesTheBuiltInTable) {
    const ArrangeTable table =
        load_arrange_table(write("arrange.txt", "170,T20,T20,D25\r\n170,D25,T20,T20"),
                           BuiltinTable::Checkout)
            .table;
    EXPECT_EQ(suggestion_lines(table, 170),
              (std::vector<std::string>{"T20-T20-D25", "D25-T20-T20"}));
}

// Whatever stands in the file's place, the program starts with the built-in table and the
// reason to tell the user; a pipe without a writer must not block the start.
TEST_F(ArrangeLoader, fileThatCannotBeUsedGivesTheBuiltInTableAndWhy) {
    fs::create_directories(m_folder / "folder.txt");
    ASSERT_EQ(::mkfifo((m_folder / "pipe.txt").c_str(), 0600), 0);
    std::string text;
    while (text.size() <= max_table_file_size) {
        text += "2,D1\r\n";
    }
    const fs::path oversized = write("oversized.txt", text);
    const std::vector<std::pair<fs::path, std::string>> refused = {
        {m_folder / "folder.txt", "Not a regular file"},
        {m_folder / "pipe.txt", "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {oversized, "File too large: more than 1048576 bytes"},
    };
    for (const auto& [path, problem] : refused) {
        const ArrangeLoad load = load_arrange_table(path, BuiltinTable::Checkout);
        EXPECT_EQ(load.table.count(), 417u) << path;
        EXPECT_EQ(load.problem, problem) << path;
    }
    EXPECT_EQ(load_arrange_table(m_folder / "missing.txt", BuiltinTable::Checkout).problem, "");
}

} // namespace
} // namespace dvk
