#pragma once

#include "com/arrange_table.h"

#include <string_view>

namespace dvk {

// Parses the text of a check-out or COM table. Each non-blank line that is not a comment
// ('#' as its first character after blanks) gives one entry: a score of leading digits, then
// up to five comma-separated fields of at most 10 characters. Malformed lines never stop the
// parse; they give entries with score 0 or fields without a number. The text ends at its end
// or at its first zero byte. Memory use is proportional to the text's length.
ArrangeTable parse_arrange_text(std::string_view text);

} // namespace dvk
