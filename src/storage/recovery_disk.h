#pragma once

#include "storage/file_helpers.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dvk {

// Bytes to be written at an offset of an existing file.
struct FilePatch {
    std::uint64_t offset = 0;
    std::string bytes;
};

// Where the recovery writer's bytes go. In the program it is the file system; tests put in a
// disk that stops after a given number of writes, to look at the file a kill at that moment
// leaves behind, and the fuzzer one that keeps the file in memory. Each replace and each patch
// counts as one write.
class RecoveryDisk {
public:
    virtual ~RecoveryDisk() = default;

    virtual FileContents read(const std::filesystem::path& path) = 0;
    // The size of an existing regular file, or nothing.
    virtual std::optional<std::uint64_t> size(const std::filesystem::path& path) = 0;
    // Replaces the whole file atomically: afterwards it holds either its old bytes or `bytes`.
    virtual FileStatus replace(const std::filesystem::path& path, std::string_view bytes) = 0;
    // Writes the patches in their order into the existing file without making it longer.
    virtual FileStatus patch(const std::filesystem::path& path,
                             std::span<const FilePatch> patches) = 0;
    // Makes `path` a file of at least `size` bytes whose space is taken on the disk, so that
    // later patches into it need no new space. A longer file is left as it is.
    virtual FileStatus reserve(const std::filesystem::path& path, std::uint64_t size) = 0;
    // Puts `from` in the place of `to` in one step.
    virtual FileStatus rename(const std::filesystem::path& from,
                              const std::filesystem::path& to) = 0;
};

// The recovery file on the file system. Replacing goes through a temporary file that is flushed
// and renamed; patches are positioned writes into the file, which a process kill cannot undo.
class FileRecoveryDisk final : public RecoveryDisk {
public:
    FileContents read(const std::filesystem::path& path) override;
    std::optional<std::uint64_t> size(const std::filesystem::path& path) override;
    FileStatus replace(const std::filesystem::path& path, std::string_view bytes) override;
    FileStatus patch(const std::filesystem::path& path,
                     std::span<const FilePatch> patches) override;
    FileStatus reserve(const std::filesystem::path& path, std::uint64_t size) override;
    FileStatus rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
};

} // namespace dvk
