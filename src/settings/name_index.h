#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace dvk {

// Finds the position of the first item with a given name, ignoring ASCII case, without scanning
// the items; a settings file with a great many keys would otherwise make every lookup slow.
class NameIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    static bool same_name(std::string_view a, std::string_view b);

    // Records `position` for `name` unless an earlier item of that name is recorded.
    void add(std::string_view name, std::size_t position);
    // Records `position` for `name` in place of what was recorded.
    void replace(std::string_view name, std::size_t position);
    void erase(std::string_view name);
    void clear() { m_positions.clear(); }
    std::size_t find(std::string_view name) const;

private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const { return same_name(a, b); }
    };

    std::unordered_map<std::string, std::size_t, FoldedHash, FoldedEqual> m_positions;
};

} // namespace dvk
