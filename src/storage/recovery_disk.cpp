#include "storage/recovery_disk.h"

#include <cerrno>
#include <fcntl.h>
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

} // namespace dvk
