#include "storage/recovery_disk.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace dvk {

FileContents FileRecoveryDisk::read(const std::filesystem::path& path) {
    return read_whole_file(path);
}

std::optional<std::uint64_t> FileRecoveryDisk::size(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

FileStatus FileRecoveryDisk::replace(const std::filesystem::path& path, std::string_view bytes) {
    return write_whole_file(path, bytes);
}

FileStatus FileRecoveryDisk::patch(const std::filesystem::path& path,
                                   std::span<const FilePatch> patches) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return FileStatus::failure(system_error_text(errno));
    }
    struct stat info {};
    bool written = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    for (const FilePatch& patch : patches) {
        if (!written) {
            break;
        }
        if (patch.offset + patch.bytes.size() > static_cast<std::uint64_t>(info.st_size)) {
            errno = EINVAL; // a patch never lengthens the file
            written = false;
            break;
        }
        written = write_fully(fd, patch.bytes, static_cast<off_t>(patch.offset));
    }
    const int error_number = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        return FileStatus::failure(system_error_text(written ? errno : error_number));
    }
    return FileStatus::success();
}

FileStatus FileRecoveryDisk::reserve(const std::filesystem::path& path, std::uint64_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return FileStatus::failure(system_error_text(errno));
    }
    struct stat info {};
    bool written = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // Zeros are written rather than a length set, since a file with holes takes no space.
    const std::string zeros(std::size_t{64} << 10U, '\0');
    auto at = static_cast<std::uint64_t>(info.st_size);
    while (written && at < size) {
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<std::uint64_t>(size - at, zeros.size()));
        written = write_fully(fd, std::string_view(zeros).substr(0, chunk), static_cast<off_t>(at));
        at += chunk;
    }
    const int error_number = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        return FileStatus::failure(system_error_text(written ? errno : error_number));
    }
    return FileStatus::success();
}

FileStatus FileRecoveryDisk::rename(const std::filesystem::path& from,
                                    const std::filesystem::path& to) {
    const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return FileStatus::failure(system_error_text(errno));
    }
    const bool synced = ::fsync(fd) == 0;
    const int error_number = errno;
    ::close(fd);
    if (!synced) {
        return FileStatus::failure(system_error_text(error_number));
    }
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return FileStatus::failure(system_error_text(errno));
    }
    // The rename itself reaches the disk with its folder.
    const std::filesystem::path folder = to.parent_path();
    const int dir =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return FileStatus::success();
}

} // namespace dvk
