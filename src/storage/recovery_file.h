#pragma once

#include "model/game_options.h"
#include "model/game_record.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

inline constexpr const char* recovery_file_name = "dvk.tmp";

enum class RecoveryLoadStatus {
    Loaded,
    Disabled,    // recovery is switched off
    Missing,     // there is no recovery file
    Unreadable,  // the file exists but cannot be read; `reason` holds the system's text
    NotLoadable, // the file is not a complete, consistent recovery file; `reason` says why
};

// A game read back from the recovery file. Nothing global changes while loading: the caller
// applies the options and the schedule only when the status is Loaded.
struct RecoveryLoad {
    RecoveryLoadStatus status = RecoveryLoadStatus::NotLoadable;
    std::string reason;
    GameOptions options;
    GameRecord game;
    // Present when the game follows a schedule; it replaces the current schedule.
    std::optional<std::vector<GameOptions>> schedule;
    // A computer level the program does not know was read; it plays as the fallback level.
    bool unknown_com_level = false;

    bool loaded() const { return status == RecoveryLoadStatus::Loaded; }
};

std::filesystem::path recovery_path(const std::filesystem::path& program_folder);
// The file kept beside the recovery file so that it can still be replaced whole when the disk
// is full: "dvk.tmp.spare".
std::filesystem::path recovery_spare_path(const std::filesystem::path& recovery);

// Reads the recovery file when `enabled`. Every count and index is checked against the bytes
// that are left before anything is allocated for it.
RecoveryLoad load_recovery(const std::filesystem::path& path, bool enabled);
// The same on the bytes of a file; the status is Loaded or NotLoadable.
RecoveryLoad parse_recovery(std::string_view bytes);

// Deletes the file and its spare when `recovery_delete` is set. Returns false only when
// deleting failed.
bool delete_recovery(const std::filesystem::path& path, bool recovery_delete);

// Renames a non-empty file that could not be loaded to "dvk.tmp.bad", or "dvk.tmp.bad-2" and so
// on when earlier ones are kept, so that a new match does not overwrite it. Returns where it was
// kept, or nothing for an empty file or one that could not be renamed.
std::optional<std::filesystem::path> keep_unloadable_recovery(const std::filesystem::path& path);

} // namespace dvk
