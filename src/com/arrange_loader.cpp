#include "com/arrange_loader.h"

#include "com/arrange_parser.h"

#include <fstream>
#include <optional>
#include <string>
#include <system_error>

extern const char dvk_resource_arrange[];
extern const std::size_t dvk_resource_arrange_size;
extern const char dvk_resource_arrange_com[];
extern const std::size_t dvk_resource_arrange_com_size;

namespace dvk {

namespace {

std::optional<std::string> read_table_file(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > max_table_file_size) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!file.read(text.data(), static_cast<std::streamsize>(text.size()))) {
        return std::nullopt;
    }
    return text;
}

} // namespace

std::string_view arrange_file_name(BuiltinTable table) {
    return table == BuiltinTable::Com ? "arrange_com.txt" : "arrange.txt";
}

std::string_view builtin_arrange_text(BuiltinTable table) {
    if (table == BuiltinTable::Com) {
        return {dvk_resource_arrange_com, dvk_resource_arrange_com_size};
    }
    return {dvk_resource_arrange, dvk_resource_arrange_size};
}

ArrangeTable load_arrange_table(const std::filesystem::path& path, BuiltinTable builtin) {
    if (const auto text = read_table_file(path)) {
        return parse_arrange_text(*text);
    }
    return parse_arrange_text(builtin_arrange_text(builtin));
}

} // namespace dvk
