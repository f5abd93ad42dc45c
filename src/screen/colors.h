#pragma once

#include "settings/app_options.h"
#include "settings/color_value.h"

#include <QColor>

namespace dvk {

// A stored colour (0x00BBGGRR) as Qt's colour, and back.
inline QColor to_qcolor(std::uint32_t value) {
    return QColor::fromRgb(argb_from_stored_color(value));
}

inline std::uint32_t from_qcolor(const QColor& color) {
    return stored_color_from_argb(color.rgb());
}

inline QColor option_color(const AppOptions& options, ColorItem item) {
    return to_qcolor(options.color(item));
}

} // namespace dvk
