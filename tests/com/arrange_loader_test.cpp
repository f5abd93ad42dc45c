#include "com/arrange_loader.h"
#include "com/arrange_parser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

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
    const ArrangeTable table = load_arrange_table(
        m_folder / arrange_file_name(BuiltinTable::Checkout), BuiltinTable::Checkout);
    EXPECT_EQ(table, parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout)));
    EXPECT_EQ(suggestion_lines(table, 170), std::vector<std::string>{"T20-T20-D25"});
    EXPECT_TRUE(suggestion_lines(table, 159).empty());
    EXPECT_EQ(
        load_arrange_table(m_folder / arrange_file_name(BuiltinTable::Com), BuiltinTable::Com),
        parse_arrange_text(builtin_arrange_text(BuiltinTable::Com)));
}

TEST_F(ArrangeLoader, readableFileIsUsedEvenWithoutEntries) {
    const ArrangeTable table =
        load_arrange_table(write("arrange.txt", "# mine\r\n\r\n"), BuiltinTable::Checkout);
    EXPECT_EQ(table.count(), 0u);
}

TEST_F(ArrangeLoader, readableFileReplacesTheBuiltInTable) {
    const ArrangeTable table = load_arrange_table(
        write("arrange.txt", "170,T20,T20,D25\r\n170,D25,T20,T20"), BuiltinTable::Checkout);
    EXPECT_EQ(suggestion_lines(table, 170),
              (std::vector<std::string>{"T20-T20-D25", "D25-T20-T20"}));
}

TEST_F(ArrangeLoader, folderInsteadOfFileGivesTheBuiltInTable) {
    fs::create_directories(m_folder / "arrange.txt");
    EXPECT_EQ(load_arrange_table(m_folder / "arrange.txt", BuiltinTable::Checkout).count(), 417u);
}

TEST_F(ArrangeLoader, oversizedFileGivesTheBuiltInTable) {
    const std::string line = "2,D1\r\n";
    std::string text;
    while (text.size() <= max_table_file_size) {
        text += line;
    }
    EXPECT_EQ(load_arrange_table(write("arrange.txt", text), BuiltinTable::Checkout).count(), 417u);
}

} // namespace
} // namespace dvk
