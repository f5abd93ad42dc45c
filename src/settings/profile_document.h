#pragma once

#include "settings/name_index.h"
#include <cstddef>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvk {

// Longest section or key name in bytes; longer names are cut.
inline constexpr std::size_t max_profile_name_bytes = 255;

// The settings file held in memory: sections of keys in file order, with comment lines and keys
// the program does not know. Every save loads the file first and changes only its own keys, so
// foreign keys, comments and the order of everything survive.
//
// Names match without regard to ASCII case, and the first match in file order wins: a repeated
// section or key is kept and written back, but never found.
class ProfileDocument {
public:
    // An empty document: only the nameless section that takes the lines before the first
    // header.
    ProfileDocument();

    // Reads the text of a settings file. Any byte sequence is accepted; CR, LF and CR LF line
    // ends are all read, and the data ends at the first NUL byte.
    static ProfileDocument parse(std::string_view bytes);

    // The whole document as file text: CR LF line ends, one empty line after every section,
    // sections without entries left out unless that would unmask a later one of their name.
    std::string serialise() const;

    // The key's value as a decimal number, or `fallback` when the section or key is missing.
    std::int32_t get_int(std::string_view section, std::string_view key,
                         std::int32_t fallback) const;

    // The key's value without its surrounding quotes, or `fallback` when the section or key is
    // missing; cut to `max_bytes` without splitting a UTF-8 character.
    std::string get_string(std::string_view section, std::string_view key,
                           std::string_view fallback, std::size_t max_bytes) const;

    // Stores the decimal form of `value`.
    bool write_int(std::string_view section, std::string_view key, std::int32_t value);

    // Stores `text` between double quotes; an empty text is stored as an empty value. Line
    // breaks and NUL bytes in `text` become blanks, since a value is one line of the file.
    bool write_string(std::string_view section, std::string_view key, std::string_view text);

    // Sets the key's value verbatim, appending the section and the key when they are missing.
    // Fails without a change for an empty name or a value that holds a line break or NUL byte.
    bool write_raw(std::string_view section, std::string_view key, std::string_view value);

    // Deletes the first matching key; fails when there is none.
    bool remove_key(std::string_view section, std::string_view key);

    // Deletes every entry of the first matching section, which then vanishes from the file.
    bool clear_section(std::string_view section);

private:
    struct Entry {
        std::string name; // a comment entry holds its whole line here; empty once deleted
        std::string value;
        bool is_comment = false;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        NameIndex keys; // the first key of each name

        void append(Entry entry);
    };

    static constexpr std::size_t npos = NameIndex::npos;

    void parse_line(std::string_view line);
    bool append_section(std::string_view raw_name);
    static Entry make_entry(std::string_view raw_name, std::string_view value, bool is_comment);
    std::size_t find_section(std::string_view name) const;
    std::size_t find_or_append_section(std::string_view name);
    static std::size_t find_key(const Section& section, std::string_view key);
    const std::string* find_value(std::string_view section, std::string_view key) const;
    std::vector<bool> sections_written() const;

    std::vector<Section> m_sections;
    NameIndex m_section_index; // the first section of each name
};

} // namespace dvk
