#include "storage/file_helpers.h"

#include "storage/stale_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace dvk {

namespace {

constexpr bool backslash_separates = std::filesystem::path::preferred_separator == '\\';

bool is_separator(char c) {
    return c == '/' || (backslash_separates && c == '\\');
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now and reports whether the close itself succeeded (deferred write errors).
    bool close() {
        if (m_fd < 0) {
            return true;
        }
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0;
    }

private:
    int m_fd;
};

FileStatus errno_failure() {
    return FileStatus::failure(system_error_text(errno));
}

// The permissions a newly created file would get, or those of the file being replaced.
mode_t permissions_for(const std::filesystem::path& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        return old.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void sync_folder(const std::filesystem::path& folder) {
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
}

} // namespace

std::string temporary_name_prefix(const std::filesystem::path& path) {
    return path.string() + ".tmp-" + std::to_string(::getpid()) + "-";
}

std::string system_error_text(int error_number) {
    return std::system_category().message(error_number);
}

bool create_folder_path(const std::filesystem::path& path) {
    const std::string text = path.string();
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (is_separator(text[i]) && !is_separator(text[i - 1])) {
            const std::filesystem::path prefix(text.substr(0, i));
            if (!file_is_folder(prefix)) {
                std::error_code ignored;
                std::filesystem::create_directory(prefix, ignored);
            }
        }
    }
    if (!file_is_folder(path)) {
        std::error_code ignored;
        std::filesystem::create_directory(path, ignored);
    }
    return file_is_folder(path);
}

bool file_is_folder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

bool file_is_plain(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

FileStatus check_regular_file(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno_failure();
    }
    if (!S_ISREG(info.st_mode)) {
        return FileStatus::failure(std::string(not_regular_file_reason));
    }
    if (::access(path.c_str(), R_OK) != 0) {
        return errno_failure();
    }
    return FileStatus::success();
}

FileContents read_whole_file(const std::filesystem::path& path, std::size_t max_bytes) {
    FileContents contents;
    // Non-blocking so that opening a pipe cannot wait for a writer; regular files ignore it.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        contents.missing = errno == ENOENT;
        contents.reason = system_error_text(errno);
        return contents;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        contents.reason = system_error_text(errno);
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.refused = true;
        contents.reason = not_regular_file_reason;
        return contents;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > max_bytes) {
        contents.refused = true;
        contents.reason = system_error_text(EFBIG);
        return contents;
    }
    contents.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (filled < contents.bytes.size()) {
        const ssize_t got =
            ::read(file.get(), contents.bytes.data() + filled, contents.bytes.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            contents.bytes.clear();
            contents.reason = system_error_text(errno);
            return contents;
        }
        if (got == 0) {
            break; // the file shrank while it was read
        }
        filled += static_cast<std::size_t>(got);
    }
    contents.bytes.resize(filled);
    contents.ok = true;
    return contents;
}

FileStatus write_whole_file(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.parent_path();
    const std::string kind = temporary_kind(path);
    remove_stale_temporary_files(folder.empty() ? std::filesystem::path(".") : folder, {kind},
                                 OwnTemporaries::InUse);
    std::string temp_name = temporary_name_prefix(path) + "XXXXXX";
    const mode_t mode = permissions_for(path);
    Descriptor file(::mkostemp(temp_name.data(), O_CLOEXEC));
    if (!file.valid()) {
        return errno_failure();
    }
    const auto discard = [&temp_name](int error_number) {
        ::unlink(temp_name.c_str());
        return FileStatus::failure(system_error_text(error_number));
    };
    if (::fchmod(file.get(), mode) != 0 || !write_fully(file.get(), bytes) ||
        ::fsync(file.get()) != 0) {
        const int error_number = errno;
        file.close();
        return discard(error_number);
    }
    if (!file.close()) {
        return discard(errno);
    }
    if (::rename(temp_name.c_str(), path.c_str()) != 0) {
        return discard(errno);
    }
    sync_folder(folder);
    return FileStatus::success();
}

bool write_fully(int fd, std::string_view bytes, std::optional<off_t> offset) {
    while (!bytes.empty()) {
        const ssize_t written = offset ? ::pwrite(fd, bytes.data(), bytes.size(), *offset)
                                       : ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        if (offset) {
            *offset += written;
        }
    }
    return true;
}

} // namespace dvk
