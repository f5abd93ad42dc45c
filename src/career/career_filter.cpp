#include "career/career_filter.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace dvk {

namespace {

bool leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

bool read_number(const std::string& text, std::size_t at, std::size_t length, int& value) {
    const char* begin = text.data() + at;
    const auto [end, error] = std::from_chars(begin, begin + length, value);
    return error == std::errc() && end == begin + length;
}

bool is_midnight(const SystemTime& t) {
    return t.hour == 0 && t.minute == 0 && t.second == 0 && t.milliseconds == 0;
}

} // namespace

std::string archive_time_text(const SystemTime& t) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04u-%02u-%02u %02u:%02u:%02u.%03u",
                  unsigned{t.year} % 10000, unsigned{t.month} % 100, unsigned{t.day} % 100,
                  unsigned{t.hour} % 100, unsigned{t.minute} % 100, unsigned{t.second} % 100,
                  unsigned{t.milliseconds} % 1000);
    return text.data();
}

std::optional<SystemTime> parse_archive_time(const std::string& text) {
    if (text.size() != 23 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':' || text[19] != '.') {
        return std::nullopt;
    }
    std::array<int, 7> v{};
    const std::array<std::pair<std::size_t, std::size_t>, 7> fields = {
        {{0, 4}, {5, 2}, {8, 2}, {11, 2}, {14, 2}, {17, 2}, {20, 3}}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!read_number(text, fields[i].first, fields[i].second, v[i])) {
            return std::nullopt;
        }
    }
    if (v[1] < 1 || v[1] > 12 || v[2] < 1 || v[2] > days_in_month(v[0], v[1]) || v[3] > 23 ||
        v[4] > 59 || v[5] > 59) {
        return std::nullopt;
    }
    SystemTime t;
    t.year = static_cast<std::uint16_t>(v[0]);
    t.month = static_cast<std::uint16_t>(v[1]);
    t.day = static_cast<std::uint16_t>(v[2]);
    t.hour = static_cast<std::uint16_t>(v[3]);
    t.minute = static_cast<std::uint16_t>(v[4]);
    t.second = static_cast<std::uint16_t>(v[5]);
    t.milliseconds = static_cast<std::uint16_t>(v[6]);
    // Zeller's rule gives the day of the week the record keeps, Sunday 0.
    const int m = v[1] < 3 ? v[1] + 12 : v[1];
    const int y = v[1] < 3 ? v[0] - 1 : v[0];
    const int h = (v[2] + 13 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;
    t.day_of_week = static_cast<std::uint16_t>((h + 6) % 7);
    return t;
}

std::string period_start_text(const CareerFilter& filter) {
    return filter.from ? archive_time_text(*filter.from) : std::string();
}

std::string period_end_text(const CareerFilter& filter) {
    if (!filter.to) {
        return {};
    }
    SystemTime end = *filter.to;
    if (is_midnight(end)) {
        end.hour = 23;
        end.minute = 59;
        end.second = 59;
        end.milliseconds = 999;
    }
    return archive_time_text(end);
}

} // namespace dvk
