#pragma once

#include <QColor>

#include <optional>

class QWidget;

namespace dvk {

// The system's colour dialog, opened on `initial`; the chosen colour, or none when it was
// cancelled. Its custom colours stay for the rest of the process. Under a DialogScript the
// answer queued for "ColorDialog" is the chosen QColor; none (or an invalid colour) cancels.
std::optional<QColor> choose_color(QWidget* owner, const QColor& initial, const QString& title);

} // namespace dvk
