#include "com/arrange_loader.h"

#include "com/arrange_parser.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

extern const char dvk_resource_arrange[];
extern const std::size_t dvk_resource_arrange_size;
extern const char dvk_resource_arrange_com[];
extern const std::size_t dvk_resource_arrange_com_size;

namespace dvk {

namespace {

std::string error_text(int error_number) {
    return std::strerror(error_number);
}

// Closes a descriptor when it goes out of scope.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path)
        : m_fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ~ReadOnlyFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

struct TableFile {
    bool missing = false;
    std::optional<std::string> text;
    std::string problem;
};

TableFile read_table_file(const std::filesystem::path& path) {
    TableFile result;
    const ReadOnlyFile file(path);
    if (file.get() < 0) {
        result.missing = errno == ENOENT;
        result.problem = error_text(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        result.problem = error_text(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.problem = "Not a regular file";
        return result;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > max_table_file_size) {
        result.problem =
            error_text(EFBIG) + ": more than " + std::to_string(max_table_file_size) + " bytes";
        return result;
    }
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t filled = 0;
    while (filled < text.size()) {
        const ssize_t got = ::read(file.get(), text.data() + filled, text.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.problem = error_text(errno);
            return result;
        }
        if (got == 0) {
            break; // the file shrank while it was read
        }
        filled += static_cast<std::size_t>(got);
    }
    text.resize(filled);
    result.text = std::move(text);
    return result;
}

} // namespace

std::string_view arrange_file_name(BuiltinTable table) {
    return table == BuiltinTable::Com ? "arrange_com.txt" : "arrange.txt";
}

std::string_view builtin_arrange_text(BuiltinTable table) {
    if (table == BuiltinTable::Com) {
        return {dvk_resource_arrange_com, dvk_resource_arrange_com_size};
    }
    return {dvk_resource_arrange, dvk_resource_arrange_size};
}

ArrangeLoad load_arrange_table(const std::filesystem::path& path, BuiltinTable builtin) {
    TableFile file = read_table_file(path);
    if (file.text) {
        return {parse_arrange_text(*file.text), {}};
    }
    return {parse_arrange_text(builtin_arrange_text(builtin)),
            file.missing ? std::string() : std::move(file.problem)};
}

} // namespace dvk
