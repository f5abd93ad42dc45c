#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace dvk {

// Removes the temporary files that replaces of the program's own files left in `folder` when
// the program was killed between writing and renaming them: "<name>.tmp-<process id>-<suffix>"
// of one of `names` (a name "*.csv" stands for any name with that ending) whose process no
// longer runs, and "<name>.tmp-XXXXXX" of earlier versions that is older than a minute. Other
// files are never touched. Returns the files removed.
std::vector<std::filesystem::path>
remove_stale_temporary_files(const std::filesystem::path& folder,
                             std::initializer_list<std::string_view> names);

// Renames a file to the first free name of "<name>.bad", "<name>.bad-2", "<name>.bad-3" ...,
// never replacing a file kept earlier. Returns the new path, or nothing when the file could not
// be kept.
std::optional<std::filesystem::path> keep_under_new_name(const std::filesystem::path& path);

} // namespace dvk
