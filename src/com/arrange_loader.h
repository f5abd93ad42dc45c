#pragma once

#include "com/arrange_table.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace dvk {

// The two tables the program carries built in; the values are their resource ids.
enum class BuiltinTable : std::int32_t { Checkout = 112, Com = 128 };

// A table file larger than this is no hand-edited table; it is refused like an unreadable one.
inline constexpr std::uintmax_t max_table_file_size = 1024 * 1024;

// The file name of a table in the program folder: "arrange.txt" or "arrange_com.txt".
std::string_view arrange_file_name(BuiltinTable table);

// The built-in text of a table, CR LF line ends, exactly its stored length.
std::string_view builtin_arrange_text(BuiltinTable table);

struct ArrangeLoad {
    ArrangeTable table;
    // Why a table file that exists was not used (the built-in table is used instead); empty
    // when the file was used or there is none.
    std::string problem;
};

// Reads and parses the table file at `path`. A missing file gives the built-in table. So does a
// file that cannot be read, that is not a regular file (a pipe never blocks the start) or that
// is larger than `max_table_file_size`, with the reason in `problem`. A readable file is used
// even when it holds no entries.
ArrangeLoad load_arrange_table(const std::filesystem::path& path, BuiltinTable builtin);

} // namespace dvk
