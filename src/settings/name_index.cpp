#include "settings/name_index.h"

#include <algorithm>
#include <cstdint>

namespace dvk {
namespace {

char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

} // namespace

bool NameIndex::same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ascii_lower(x) == ascii_lower(y);
           });
}

// FNV-1a over the case-folded bytes.
std::size_t NameIndex::FoldedHash::operator()(std::string_view name) const {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : name) {
        h = (h ^ static_cast<unsigned char>(ascii_lower(c))) * 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
}

void NameIndex::add(std::string_view name, std::size_t position) {
    m_positions.emplace(std::string(name), position);
}

void NameIndex::replace(std::string_view name, std::size_t position) {
    const auto found = m_positions.find(name);
    if (found == m_positions.end()) {
        m_positions.emplace(std::string(name), position);
    } else {
        found->second = position;
    }
}

void NameIndex::erase(std::string_view name) {
    const auto found = m_positions.find(name);
    if (found != m_positions.end()) {
        m_positions.erase(found);
    }
}

std::size_t NameIndex::find(std::string_view name) const {
    const auto found = m_positions.find(name);
    return found == m_positions.end() ? npos : found->second;
}

} // namespace dvk
