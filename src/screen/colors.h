#pragma once

#include "settings/app_options.h"

#include <QColor>

namespace dvk {

// A stored colour (0x00BBGGRR) as Qt's colour, and back.
inline QColor to_qcolor(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline std::uint32_t from_qcolor(const QColor& color) {
    return rgb(static_cast<std::uint32_t>(color.red()), static_cast<std::uint32_t>(color.green()),
               static_cast<std::uint32_t>(color.blue()));
}

inline QColor option_color(const AppOptions& options, ColorItem item) {
    return to_qcolor(options.color(item));
}

} // namespace dvk
