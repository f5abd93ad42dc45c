#include "com/com_player_name.h"

#include "model/com_levels.h"

namespace dvk {

namespace {

std::string filled(std::string_view format, std::string_view marker, std::string_view value) {
    std::string text(format);
    if (const std::size_t at = text.find(marker); at != std::string::npos) {
        text.replace(at, marker.size(), value);
    }
    return text;
}

} // namespace

std::string com_player_name(std::int32_t level, std::string_view name,
                            const ComNameFormats& formats) {
    if (is_fitted_level(level)) {
        return filled(formats.fitted, "%s", name);
    }
    if (is_average_level(level)) {
        return filled(formats.average, "%d", std::to_string(level - average_level_base));
    }
    return filled(formats.table, "%d", std::to_string(static_cast<std::int64_t>(level) + 1));
}

} // namespace dvk
