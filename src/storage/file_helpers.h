#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace dvk {

// Outcome of a file operation: success, or the reason of the failure in the system's words.
struct FileStatus {
    bool ok = true;
    std::string reason;

    static FileStatus success() { return {}; }
    static FileStatus failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

// Contents of a whole file, or why it could not be read.
struct FileContents {
    bool ok = false;
    bool missing = false; // the file does not exist
    bool refused = false; // it exists but is not a regular file, or is too large
    std::string bytes;
    std::string reason;
};

// Larger files are refused by read_whole_file unless the caller allows more.
inline constexpr std::size_t default_read_limit = std::size_t{256} << 20U;

// Creates every missing folder of `path`, parents first; a separator is '/' (and '\\' where
// the system treats it as one). Returns whether `path` names a folder afterwards.
bool create_folder_path(const std::filesystem::path& path);

bool file_is_folder(const std::filesystem::path& path);
// An existing file that is not a folder.
bool file_is_plain(const std::filesystem::path& path);

// The reason given for a path that names something other than a regular file.
inline constexpr std::string_view not_regular_file_reason = "Not a regular file";

// Whether `path` names a regular file (after symbolic links) that this process may read:
// success, or the reason in the system's words ("No such file or directory", "Not a regular
// file", "Permission denied"). Nothing is opened, so a pipe or a device cannot block or react.
FileStatus check_regular_file(const std::filesystem::path& path);

// Reads a regular file whole. Anything else (a folder, a pipe, a device) and files larger than
// `max_bytes` are refused, so a strange path can neither block nor exhaust memory.
FileContents read_whole_file(const std::filesystem::path& path,
                             std::size_t max_bytes = default_read_limit);

// The start of the name of a temporary file for `path`: "<path>.tmp-<process id>-". The process
// id tells a file that a killed run left behind from one that is being written.
std::string temporary_name_prefix(const std::filesystem::path& path);

// Replaces `path` with `bytes` atomically: the bytes go to a temporary file in the same
// folder, are flushed to disk and renamed over `path`. On failure `path` is untouched and no
// temporary file is left behind. Temporary files that a killed run left in the folder while
// writing a file of the same kind are removed first, so a kill leaves litter only until the
// next write there.
FileStatus write_whole_file(const std::filesystem::path& path, std::string_view bytes);

// Writes all of `bytes` to an open file, at `offset` when one is given, else at its position;
// short writes and interruptions are continued. False with errno set on failure.
bool write_fully(int fd, std::string_view bytes, std::optional<off_t> offset = std::nullopt);

// The system's text for an error number.
std::string system_error_text(int error_number);

} // namespace dvk
