#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dvk {

// A message from a page is at most this long; longer ones are refused unread.
inline constexpr std::size_t page_request_max_bytes = 2048;

enum class RequestType {
    pair,   // {"type":"pair","code":"123456"}
    visit,  // {"type":"visit","score":60}
    undo,   // {"type":"undo"}: the previous cell, as Shift+Enter
    answer, // {"type":"answer","value":2}: the answer to the open dialog
};

struct PageRequest {
    RequestType type = RequestType::undo;
    int value = 0;    // score of a visit, answer to a dialog
    std::string code; // pairing code

    bool operator==(const PageRequest&) const = default;
};

// Reads one message: a flat JSON object of string and integer members with a known "type" and
// the members that type needs. Unknown members are ignored; anything else (other JSON, a
// number out of range, a missing member, text that is not UTF-8 JSON) gives nothing.
std::optional<PageRequest> parse_page_request(std::string_view text);

} // namespace dvk
