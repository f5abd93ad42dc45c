#include "storage/stale_files.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace dvk {

namespace {

constexpr std::string_view temporary_marker = ".tmp-";
constexpr std::size_t legacy_suffix_length = 6; // the XXXXXX of mkstemp
constexpr auto legacy_age = std::chrono::minutes(1);
constexpr int most_kept_files = 1000;

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

bool process_runs(std::string_view digits) {
    if (digits.size() > 9) {
        return false;
    }
    const auto pid = static_cast<pid_t>(std::stol(std::string(digits)));
    if (pid <= 0 || pid == ::getpid()) {
        return false; // this process has not written anything yet
    }
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

bool older_than(const std::filesystem::directory_entry& entry, std::chrono::minutes age) {
    std::error_code error;
    const auto written = entry.last_write_time(error);
    return !error && std::filesystem::file_time_type::clock::now() - written > age;
}

// Whether `entry` is a temporary file one of the program's replaces left behind.
bool is_stale(const std::filesystem::directory_entry& entry,
              std::initializer_list<std::string_view> names) {
    const std::string file_name = entry.path().filename().string();
    const std::string_view name(file_name);
    const std::size_t marker = name.rfind(temporary_marker);
    if (marker == std::string_view::npos || !is_own_name(name.substr(0, marker), names)) {
        return false;
    }
    const std::string_view tail = name.substr(marker + temporary_marker.size());
    const std::size_t dash = tail.find('-');
    if (dash != std::string_view::npos && all_digits(tail.substr(0, dash)) &&
        dash + 1 < tail.size()) {
        return !process_runs(tail.substr(0, dash));
    }
    return tail.size() == legacy_suffix_length && older_than(entry, legacy_age);
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

} // namespace

std::vector<std::filesystem::path>
remove_stale_temporary_files(const std::filesystem::path& folder,
                             std::initializer_list<std::string_view> names) {
    std::vector<std::filesystem::path> removed;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::error_code type_error;
        if (entry.is_regular_file(type_error) && is_stale(entry, names) &&
            std::filesystem::remove(entry.path(), type_error)) {
            removed.push_back(entry.path());
        }
    }
    return removed;
}

std::optional<std::filesystem::path> keep_under_new_name(const std::filesystem::path& path) {
    for (int number = 1; number <= most_kept_files; ++number) {
        std::filesystem::path kept = path;
        kept += number == 1 ? std::string(".bad") : ".bad-" + std::to_string(number);
        if (rename_without_replacing(path, kept)) {
            return kept;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace dvk
