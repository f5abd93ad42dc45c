#pragma once

#include "settings/profile_document.h"

#include <cstddef>
#include <string>

namespace dvk {

// A settings file larger than this is not one the program wrote (a full one takes well under
// half of it); it is refused rather than read, which bounds the memory and time of a load.
inline constexpr std::size_t max_profile_file_bytes = 2 * 1024 * 1024;

enum class ProfileLoadStatus {
    Loaded,  // read and parsed
    Missing, // no file at the path: every lookup gives its default, a save creates the file
    Failed,  // the file exists but could not be read; it must not be overwritten
};

struct ProfileLoad {
    ProfileLoadStatus status = ProfileLoadStatus::Missing;
    ProfileDocument document;
    std::string error; // the reason when status is Failed
};

struct ProfileSaveResult {
    bool ok = false;
    std::string error; // the reason when ok is false

    explicit operator bool() const { return ok; }
};

// Reads and parses the settings file at `path`.
ProfileLoad profile_load(const std::string& path);

// Writes the whole document to `path`. The text goes to a new file in the same folder, is
// flushed to disk and then renamed over the old file, so a crash or a full disk leaves either
// the old or the new file, never a truncated one. On failure the old file is untouched.
ProfileSaveResult profile_save(const ProfileDocument& document, const std::string& path);

} // namespace dvk
