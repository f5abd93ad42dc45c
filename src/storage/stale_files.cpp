#include "storage/stale_files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace dvk {

namespace {

constexpr std::string_view temporary_marker = ".tmp-";
constexpr std::size_t mkstemp_suffix_length = 6;
// The settings save of earlier versions numbered its attempts instead.
constexpr std::size_t most_counter_digits = 2;
constexpr auto legacy_age = std::chrono::minutes(1);
constexpr std::string_view kept_suffix = ".bad";
constexpr std::size_t most_number_digits = 9;
// A rename that finds its name taken by another run tries the next numbers this often.
constexpr int kept_name_attempts = 100;

bool is_own_name(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(), [name](std::string_view own) {
        if (own.starts_with('*')) {
            own.remove_prefix(1);
            return name.size() > own.size() && name.ends_with(own);
        }
        return name == own;
    });
}

bool all_digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool is_alphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The suffix after the process id: the six characters of mkstemp, or a short attempt counter.
bool is_own_suffix(std::string_view suffix) {
    if (suffix.size() == mkstemp_suffix_length) {
        return std::all_of(suffix.begin(), suffix.end(), is_alphanumeric);
    }
    return suffix.size() <= most_counter_digits && all_digits(suffix);
}

// The name a process runs under, or nothing when the system does not tell.
std::optional<std::string> program_name(const std::string& process) {
    std::ifstream comm("/proc/" + process + "/comm");
    std::string name;
    if (!comm || !std::getline(comm, name)) {
        return std::nullopt;
    }
    return name;
}

// Whether the process is a running copy of this program. A process id can be reused by another
// program after a kill; its files are then as dead as those of an ended process.
bool program_runs(std::string_view digits, OwnTemporaries own) {
    if (digits.size() > most_number_digits) {
        return false;
    }
    const auto pid = static_cast<pid_t>(std::stol(std::string(digits)));
    if (pid == ::getpid()) {
        return own == OwnTemporaries::InUse;
    }
    if (pid <= 0) {
        return false;
    }
    if (::kill(pid, 0) != 0 && errno != EPERM) {
        return false;
    }
    const auto other = program_name(std::to_string(pid));
    const auto mine = program_name("self");
    return !other || !mine || *other == *mine;
}

bool older_than(const std::filesystem::directory_entry& entry, std::chrono::minutes age) {
    std::error_code error;
    const auto written = entry.last_write_time(error);
    return !error && std::filesystem::file_time_type::clock::now() - written > age;
}

// Whether `entry` is a temporary file one of the program's replaces left behind.
bool is_stale(const std::filesystem::directory_entry& entry,
              std::initializer_list<std::string_view> names, OwnTemporaries own) {
    const std::string file_name = entry.path().filename().string();
    const std::string_view name(file_name);
    const std::size_t marker = name.rfind(temporary_marker);
    if (marker == std::string_view::npos || !is_own_name(name.substr(0, marker), names)) {
        return false;
    }
    const std::string_view tail = name.substr(marker + temporary_marker.size());
    const std::size_t dash = tail.find('-');
    if (dash != std::string_view::npos) {
        return all_digits(tail.substr(0, dash)) && is_own_suffix(tail.substr(dash + 1)) &&
               !program_runs(tail.substr(0, dash), own);
    }
    return tail.size() == mkstemp_suffix_length &&
           std::all_of(tail.begin(), tail.end(), is_alphanumeric) && older_than(entry, legacy_age);
}

bool rename_without_replacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // A file system without that kind of rename: a second name, then the first one removed.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

std::filesystem::path kept_name(const std::filesystem::path& path, std::uint64_t number) {
    std::filesystem::path kept = path;
    kept += std::string(kept_suffix);
    if (number > 1) {
        kept += "-" + std::to_string(number);
    }
    return kept;
}

// The numbers of the copies of `path` kept so far, lowest first: 1 for "<name>.bad", n for
// "<name>.bad-<n>".
std::vector<std::uint64_t> kept_numbers(const std::filesystem::path& path) {
    const std::string stem = path.filename().string() + std::string(kept_suffix);
    std::vector<std::uint64_t> numbers;
    std::error_code error;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name == stem) {
            numbers.push_back(1);
            continue;
        }
        if (!name.starts_with(stem + "-")) {
            continue;
        }
        const std::string_view digits = std::string_view(name).substr(stem.size() + 1);
        if (all_digits(digits) && digits.size() <= most_number_digits && digits[0] != '0') {
            const std::uint64_t number = std::stoull(std::string(digits));
            if (number > 1) {
                numbers.push_back(number);
            }
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

std::vector<std::filesystem::path>
remove_stale_temporary_files(const std::filesystem::path& folder,
                             std::initializer_list<std::string_view> names, OwnTemporaries own) {
    std::vector<std::filesystem::path> removed;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code type_error;
        if (is_stale(entry, names, own) && entry.is_regular_file(type_error) &&
            std::filesystem::remove(entry.path(), type_error)) {
            removed.push_back(entry.path());
        }
    }
    return removed;
}

std::string temporary_kind(const std::filesystem::path& path) {
    if (path.extension() == ".csv") {
        return "*.csv";
    }
    return path.filename().string();
}

std::optional<std::filesystem::path> keep_under_new_name(const std::filesystem::path& path) {
    std::vector<std::uint64_t> numbers = kept_numbers(path);
    // The oldest copy after the first goes, as many as it takes to stay within the limit.
    const std::size_t first_removable = !numbers.empty() && numbers.front() == 1 ? 1 : 0;
    while (numbers.size() >= most_kept_copies && numbers.size() > first_removable) {
        std::error_code error;
        std::filesystem::remove(kept_name(path, numbers[first_removable]), error);
        numbers.erase(numbers.begin() + static_cast<std::ptrdiff_t>(first_removable));
    }
    std::uint64_t number = numbers.empty() ? 1 : numbers.back() + 1;
    for (int attempt = 0; attempt < kept_name_attempts; ++attempt, ++number) {
        if (rename_without_replacing(path, kept_name(path, number))) {
            return kept_name(path, number);
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace dvk
