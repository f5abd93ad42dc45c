#include "layout/dialog_rect.h"

#include <algorithm>
#include <cstdint>

namespace dvk {

namespace {

// One axis: a span of `length` from `start`, moved and cut to fit [low, high).
void fit_span(std::int32_t& start, std::int32_t& length, std::int32_t low, std::int32_t high) {
    const std::int64_t room = std::int64_t{high} - low;
    if (room <= 0) {
        return;
    }
    const std::int64_t fitted = std::min<std::int64_t>(length, room);
    const std::int64_t position = std::clamp<std::int64_t>(start, low, high - fitted);
    start = static_cast<std::int32_t>(position);
    length = static_cast<std::int32_t>(fitted);
}

} // namespace

std::optional<WindowRect> restored_dialog_rect(const WindowRect& stored, const WorkArea& area) {
    if (stored.width <= 0 || stored.height <= 0) {
        return std::nullopt;
    }
    WindowRect rect = stored;
    fit_span(rect.left, rect.width, area.left, area.right);
    fit_span(rect.top, rect.height, area.top, area.bottom);
    return rect;
}

} // namespace dvk
