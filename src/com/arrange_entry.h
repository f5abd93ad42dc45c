#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dvk {

// One line of a check-out or COM table: the remaining score it is for and up to five text
// fields. Fields are fixed-size so that a table never allocates per field, whatever the file
// holds.
class ArrangeEntry {
public:
    static constexpr std::size_t field_count = 5;
    static constexpr std::size_t field_capacity = 10;

    std::int32_t score = 0;

    // Field `index` (0 to 4); empty when the line did not give it or the index is out of range.
    std::string_view field(std::size_t index) const;

    // Keeps the first `field_capacity` characters of `text`.
    void set_field(std::size_t index, std::string_view text);

    bool operator==(const ArrangeEntry&) const = default;

private:
    struct Field {
        std::array<char, field_capacity> chars{};
        std::uint8_t length = 0;

        bool operator==(const Field&) const = default;
    };
    std::array<Field, field_count> m_fields{};
};

} // namespace dvk
