#include "com/arrange_parser.h"

#include "com/decimal_run.h"

namespace dvk {

namespace {

bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the lines of one text with a cursor; every step stays within the text.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : m_text(text) {}

    bool at_end() const { return m_pos >= m_text.size(); }
    char current() const { return at_end() ? '\0' : m_text[m_pos]; }
    void advance() { ++m_pos; }

    template <typename Pred> void skip_while(Pred pred) {
        while (!at_end() && pred(m_text[m_pos])) {
            ++m_pos;
        }
    }
    void skip_to_line_end() {
        skip_while([](char c) { return !is_line_end(c); });
    }
    void skip_to_field_end() {
        skip_while([](char c) { return c != ',' && !is_line_end(c); });
    }
    std::int32_t read_number() { return read_decimal_run(m_text, m_pos); }

    std::string_view read_field() {
        const std::size_t start = m_pos;
        while (!at_end() && m_pos - start < ArrangeEntry::field_capacity) {
            const char c = m_text[m_pos];
            if (is_blank(c) || c == ',' || is_line_end(c)) {
                break;
            }
            ++m_pos;
        }
        return m_text.substr(start, m_pos - start);
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

ArrangeEntry read_entry(LineCursor& cursor) {
    ArrangeEntry entry;
    entry.score = cursor.read_number();
    cursor.skip_to_field_end();
    std::size_t fields = 0;
    while (cursor.current() == ',' && fields < ArrangeEntry::field_count) {
        cursor.advance();
        cursor.skip_while(is_blank);
        entry.set_field(fields, cursor.read_field());
        cursor.skip_to_field_end();
        ++fields;
    }
    cursor.skip_to_line_end();
    return entry;
}

} // namespace

ArrangeTable parse_arrange_text(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    ArrangeTable table;
    LineCursor cursor(text);
    for (;;) {
        cursor.skip_while([](char c) { return is_line_end(c) || is_blank(c); });
        if (cursor.at_end()) {
            break;
        }
        if (cursor.current() == '#') {
            cursor.skip_to_line_end();
            continue;
        }
        table.entries.push_back(read_entry(cursor));
    }
    return table;
}

} // namespace dvk
