#include "settings/profile_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace dvk {
namespace {

std::string system_error_text(int error_number) {
    return std::strerror(error_number);
}

std::string too_large_text() {
    return system_error_text(EFBIG) + ": more than " + std::to_string(max_profile_file_bytes) +
           " bytes";
}

// Closes the descriptor when it goes out of scope unless it was closed on purpose.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool read_all(int fd, std::size_t expected, std::string& bytes, std::string& error) {
    bytes.reserve(expected);
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = system_error_text(errno);
            return false;
        }
        if (got == 0) {
            return true;
        }
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(got) > max_profile_file_bytes) {
            error = too_large_text();
            return false;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0) {
            return false;
        }
        if (put == 0) {
            errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// Creates a file next to `path` that no one else uses; the name carries the process id and a
// counter, so stale files of a crashed run are stepped over.
int create_temporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

ProfileSaveResult failure(int error_number) {
    return {false, system_error_text(error_number)};
}

} // namespace

ProfileLoad profile_load(const std::string& path) {
    ProfileLoad result;
    // Without blocking, so that a pipe in the file's place cannot wait for a writer for ever.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        result.status = errno == ENOENT ? ProfileLoadStatus::Missing : ProfileLoadStatus::Failed;
        if (result.status == ProfileLoadStatus::Failed) {
            result.error = system_error_text(errno);
        }
        return result;
    }
    struct stat info {};
    result.status = ProfileLoadStatus::Failed;
    if (::fstat(file.get(), &info) != 0) {
        result.error = system_error_text(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = "Not a regular file";
        return result;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > max_profile_file_bytes) {
        result.error = too_large_text();
        return result;
    }
    std::string bytes;
    if (!read_all(file.get(), static_cast<std::size_t>(info.st_size), bytes, result.error)) {
        return result;
    }
    result.status = ProfileLoadStatus::Loaded;
    result.document = ProfileDocument::parse(bytes);
    return result;
}

ProfileSaveResult profile_save(const ProfileDocument& document, const std::string& path) {
    const std::string text = document.serialise();
    std::string temporary;
    FileDescriptor file(create_temporary(path, temporary));
    if (file.get() < 0) {
        return failure(errno);
    }
    struct stat old_file {};
    const bool keep_mode = ::stat(path.c_str(), &old_file) == 0;
    const bool written = write_all(file.get(), text) &&
                         (!keep_mode || ::fchmod(file.get(), old_file.st_mode & 07777) == 0) &&
                         ::fsync(file.get()) == 0;
    const int write_error = errno;
    if (!file.close() || !written) {
        const int error_number = written ? errno : write_error;
        ::unlink(temporary.c_str());
        return failure(error_number == 0 ? EIO : error_number);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error_number = errno;
        ::unlink(temporary.c_str());
        return failure(error_number);
    }
    // The folder is not synced: a crash right after the rename may bring back the old file, which
    // is whole, and the extra flush would cost several milliseconds on every save.
    return {true, {}};
}

} // namespace dvk
