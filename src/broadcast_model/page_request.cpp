#include "broadcast_model/page_request.h"

#include <cctype>
#include <map>

namespace dvk {

namespace {

// A small reader for the one shape pages send; it never recurses and never allocates more
// than the message holds.
class FlatObjectReader {
public:
    explicit FlatObjectReader(std::string_view text) : m_text(text) {}

    bool read(std::map<std::string, std::string>& strings,
              std::map<std::string, long long>& numbers) {
        skip_space();
        if (!take('{')) {
            return false;
        }
        skip_space();
        if (take('}')) {
            return at_end();
        }
        for (;;) {
            std::string key;
            skip_space();
            if (!read_string(key)) {
                return false;
            }
            skip_space();
            if (!take(':')) {
                return false;
            }
            skip_space();
            if (!read_value(key, strings, numbers)) {
                return false;
            }
            skip_space();
            if (take('}')) {
                return at_end();
            }
            if (!take(',')) {
                return false;
            }
        }
    }

private:
    bool read_value(const std::string& key, std::map<std::string, std::string>& strings,
                    std::map<std::string, long long>& numbers) {
        if (peek() == '"') {
            std::string value;
            if (!read_string(value)) {
                return false;
            }
            strings[key] = std::move(value);
            return true;
        }
        long long value = 0;
        if (!read_integer(value)) {
            return false;
        }
        numbers[key] = value;
        return true;
    }

    bool read_string(std::string& out) {
        if (!take('"')) {
            return false;
        }
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"') {
                return true;
            }
            // Pages send plain ASCII codes and names; escapes and control characters are not
            // part of what they speak.
            if (c == '\\' || static_cast<unsigned char>(c) < 0x20 ||
                static_cast<unsigned char>(c) >= 0x80) {
                return false;
            }
            out.push_back(c);
        }
        return false;
    }

    bool read_integer(long long& out) {
        const bool negative = take('-');
        const std::size_t first = m_pos;
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            if (m_pos - first >= 6) {
                return false;
            }
            out = out * 10 + (m_text[m_pos] - '0');
            ++m_pos;
        }
        if (m_pos == first) {
            return false;
        }
        if (negative) {
            out = -out;
        }
        return true;
    }

    void skip_space() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' ||
                                         m_text[m_pos] == '\n' || m_text[m_pos] == '\r')) {
            ++m_pos;
        }
    }
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    bool take(char c) {
        if (peek() != c || m_pos >= m_text.size()) {
            return false;
        }
        ++m_pos;
        return true;
    }
    bool at_end() {
        skip_space();
        return m_pos == m_text.size();
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::optional<int> small_number(const std::map<std::string, long long>& numbers,
                                const std::string& key) {
    const auto found = numbers.find(key);
    if (found == numbers.end() || found->second < -1000 || found->second > 1000) {
        return std::nullopt;
    }
    return static_cast<int>(found->second);
}

} // namespace

std::optional<PageRequest> parse_page_request(std::string_view text) {
    if (text.size() > page_request_max_bytes) {
        return std::nullopt;
    }
    std::map<std::string, std::string> strings;
    std::map<std::string, long long> numbers;
    if (!FlatObjectReader(text).read(strings, numbers)) {
        return std::nullopt;
    }
    const auto type = strings.find("type");
    if (type == strings.end()) {
        return std::nullopt;
    }
    PageRequest request;
    if (type->second == "pair") {
        const auto code = strings.find("code");
        if (code == strings.end() || code->second.size() > 16) {
            return std::nullopt;
        }
        request.type = RequestType::pair;
        request.code = code->second;
        return request;
    }
    if (type->second == "undo") {
        request.type = RequestType::undo;
        return request;
    }
    const bool visit = type->second == "visit";
    if (!visit && type->second != "answer") {
        return std::nullopt;
    }
    const std::optional<int> value = small_number(numbers, visit ? "score" : "value");
    if (!value) {
        return std::nullopt;
    }
    request.type = visit ? RequestType::visit : RequestType::answer;
    request.value = *value;
    return request;
}

} // namespace dvk
