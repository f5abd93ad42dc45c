#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// Whether this process's own temporary files count as left behind: at start it has written none,
// so one with its id is an earlier run's that had the same id; later it may be a write under way.
enum class OwnTemporaries { LeftBehind, InUse };

// Removes the temporary files that replaces of the program's own files left in `folder` when
// the program was killed between writing and renaming them: "<name>.tmp-<process id>-<suffix>"
// of one of `names` (a name "*.csv" stands for any name with that ending), with the suffix the
// program's replaces make, whose process is no longer a running dvk; and "<name>.tmp-XXXXXX" of
// earlier versions that is older than a minute. Other files are never touched. Returns the
// files removed.
std::vector<std::filesystem::path>
remove_stale_temporary_files(const std::filesystem::path& folder,
                             std::initializer_list<std::string_view> names,
                             OwnTemporaries own = OwnTemporaries::LeftBehind);

// The name pattern of `path` for remove_stale_temporary_files: "*.csv" for a game file, whose
// folder holds many games, else the file's own name.
std::string temporary_kind(const std::filesystem::path& path);

// Most copies of one refused file that are kept side by side.
inline constexpr std::size_t most_kept_copies = 1000;

// Renames a file to a name of its own, "<name>.bad" for the first, then "<name>.bad-<n>" with n
// one above the highest number kept, never replacing a file kept earlier. When
// `most_kept_copies` are kept already, the oldest one after "<name>.bad" is removed first: the
// first refusal and the latest ones are the ones worth looking at. Returns the new path, or
// nothing when the file could not be kept.
std::optional<std::filesystem::path> keep_under_new_name(const std::filesystem::path& path);

} // namespace dvk
