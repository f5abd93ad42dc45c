#include "settings/profile_document.h"

#include "model/text_cut.h"

#include <algorithm>
#include <limits>

namespace dvk {
namespace {

std::string_view trim_blanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string stored_name(std::string_view raw_name) {
    return std::string(trim_blanks(utf8_prefix(raw_name, max_profile_name_bytes)));
}

std::string_view unquoted(std::string_view value) {
    value = trim_blanks(value);
    if (!value.empty() && value.front() == '"') {
        value.remove_prefix(1);
    }
    if (!value.empty() && value.back() == '"') {
        value.remove_suffix(1);
    }
    return value;
}

// Leading white space, an optional sign, then decimal digits up to the first other byte; no
// digits give 0 and values beyond 32 bits saturate.
std::int32_t decimal_value(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), limit);
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
    return static_cast<std::int32_t>(value);
}

// A key whose name begins like a header or a comment was written with blanks before it; it
// keeps one, so the next load reads it as a key again and the keys below it stay in their
// section.
bool needs_leading_blank(std::string_view key_name) {
    return !key_name.empty() && (key_name.front() == '[' || key_name.front() == '#');
}

bool fits_on_one_line(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

} // namespace

ProfileDocument::ProfileDocument() : m_sections(1) {}

ProfileDocument ProfileDocument::parse(std::string_view bytes) {
    ProfileDocument document;
    const std::string_view data = bytes.substr(0, bytes.find('\0'));
    std::size_t pos = 0;
    while (pos < data.size()) {
        const std::size_t end = std::min(data.find_first_of("\r\n", pos), data.size());
        document.parse_line(data.substr(pos, end - pos));
        pos = data.find_first_not_of("\r\n", end);
        if (pos == std::string_view::npos) {
            break;
        }
    }
    return document;
}

void ProfileDocument::parse_line(std::string_view line) {
    if (line.empty()) {
        return;
    }
    if (line.front() == '[') {
        // A header that is not closed on its line is dropped; the keys below it stay in the
        // section before it.
        if (line.size() >= 2 && line.back() == ']') {
            append_section(line.substr(1, line.size() - 2));
        }
        return;
    }
    Section& current = m_sections.back();
    if (line.front() == '#') {
        current.append(make_entry(line, {}, true));
        return;
    }
    const std::size_t equals = line.find('=');
    const std::string_view raw_name = line.substr(0, equals);
    if (raw_name.empty()) {
        return;
    }
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
    current.append(make_entry(raw_name, value, false));
}

bool ProfileDocument::append_section(std::string_view raw_name) {
    std::string name = stored_name(raw_name);
    if (name.empty()) {
        return false;
    }
    m_section_index.add(name, m_sections.size());
    Section section;
    section.name = std::move(name);
    m_sections.push_back(std::move(section));
    return true;
}

void ProfileDocument::Section::append(Entry entry) {
    if (!entry.is_comment && !entry.name.empty()) {
        keys.add(entry.name, entries.size());
    }
    entries.push_back(std::move(entry));
}

ProfileDocument::Entry ProfileDocument::make_entry(std::string_view raw_name,
                                                   std::string_view value, bool is_comment) {
    Entry entry;
    entry.is_comment = is_comment;
    if (is_comment) {
        // Comments are not names: they keep their full length, so a save never shortens them.
        entry.name = std::string(trim_blanks(raw_name));
    } else {
        entry.name = stored_name(raw_name);
        entry.value = std::string(value);
    }
    return entry;
}

std::vector<bool> ProfileDocument::sections_written() const {
    // A section without a line to write (no entries, or only deleted keys) is left out, so
    // that saving again gives the same text; but not when it is the first of its name and a
    // later section of that name is written: that one would take its place at the next load.
    std::vector<bool> written(m_sections.size(), false);
    NameIndex later;
    for (std::size_t i = m_sections.size(); i-- > 0;) {
        const Section& section = m_sections[i];
        const bool hides_later =
            i > 0 && later.find(section.name) != npos && m_section_index.find(section.name) == i;
        const bool has_lines = std::any_of(section.entries.begin(), section.entries.end(),
                                           [](const Entry& entry) { return !entry.name.empty(); });
        written[i] = has_lines || hides_later;
        if (i > 0 && written[i]) {
            later.add(section.name, i);
        }
    }
    return written;
}

std::string ProfileDocument::serialise() const {
    const std::vector<bool> written = sections_written();
    std::string text;
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (!written[i]) {
            continue;
        }
        if (i > 0) {
            text.append("[").append(section.name).append("]\r\n");
        }
        for (const Entry& entry : section.entries) {
            if (entry.name.empty()) {
                continue;
            }
            if (!entry.is_comment && needs_leading_blank(entry.name)) {
                text.push_back(' ');
            }
            text.append(entry.name);
            if (!entry.is_comment) {
                text.append("=").append(entry.value);
            }
            text.append("\r\n");
        }
        text.append("\r\n");
    }
    return text;
}

std::size_t ProfileDocument::find_section(std::string_view name) const {
    return name.empty() ? npos : m_section_index.find(name);
}

std::size_t ProfileDocument::find_or_append_section(std::string_view name) {
    const std::size_t found = find_section(name);
    if (found != npos) {
        return found;
    }
    return append_section(name) ? m_sections.size() - 1 : npos;
}

std::size_t ProfileDocument::find_key(const Section& section, std::string_view key) {
    return key.empty() ? npos : section.keys.find(key);
}

const std::string* ProfileDocument::find_value(std::string_view section,
                                               std::string_view key) const {
    const std::size_t s = find_section(section);
    if (s == npos) {
        return nullptr;
    }
    const std::size_t k = find_key(m_sections[s], key);
    return k == npos ? nullptr : &m_sections[s].entries[k].value;
}

std::int32_t ProfileDocument::get_int(std::string_view section, std::string_view key,
                                      std::int32_t fallback) const {
    const std::string* value = find_value(section, key);
    return value == nullptr ? fallback : decimal_value(unquoted(*value));
}

std::string ProfileDocument::get_string(std::string_view section, std::string_view key,
                                        std::string_view fallback, std::size_t max_bytes) const {
    const std::string* value = find_value(section, key);
    return cut_to_bytes(value == nullptr ? fallback : unquoted(*value), max_bytes);
}

bool ProfileDocument::write_int(std::string_view section, std::string_view key,
                                std::int32_t value) {
    return write_raw(section, key, std::to_string(value));
}

bool ProfileDocument::write_string(std::string_view section, std::string_view key,
                                   std::string_view text) {
    if (text.empty()) {
        return write_raw(section, key, {});
    }
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.push_back('"');
    for (const char c : text) {
        quoted.push_back(c == '\r' || c == '\n' || c == '\0' ? ' ' : c);
    }
    quoted.push_back('"');
    return write_raw(section, key, quoted);
}

bool ProfileDocument::write_raw(std::string_view section, std::string_view key,
                                std::string_view value) {
    if (stored_name(key).empty() || !fits_on_one_line(value)) {
        return false;
    }
    const std::size_t s = find_or_append_section(section);
    if (s == npos) {
        return false;
    }
    Section& target = m_sections[s];
    const std::size_t k = find_key(target, key);
    if (k == npos) {
        target.append(make_entry(key, value, false));
    } else {
        target.entries[k].value = std::string(value);
    }
    return true;
}

bool ProfileDocument::remove_key(std::string_view section, std::string_view key) {
    const std::size_t s = find_or_append_section(section);
    if (s == npos) {
        return false;
    }
    Section& target = m_sections[s];
    const std::size_t k = find_key(target, key);
    if (k == npos) {
        return false;
    }
    // A later key of the same name now comes first.
    Entry& removed = target.entries[k];
    std::size_t next = k + 1;
    while (next < target.entries.size() &&
           (target.entries[next].is_comment ||
            !NameIndex::same_name(target.entries[next].name, removed.name))) {
        ++next;
    }
    if (next < target.entries.size()) {
        target.keys.replace(removed.name, next);
    } else {
        target.keys.erase(removed.name);
    }
    removed.name.clear();
    removed.value.clear();
    return true;
}

bool ProfileDocument::clear_section(std::string_view section) {
    const std::size_t s = find_or_append_section(section);
    if (s == npos) {
        return false;
    }
    Section& target = m_sections[s];
    target.entries.clear();
    target.entries.shrink_to_fit();
    target.keys.clear();
    return true;
}

} // namespace dvk
