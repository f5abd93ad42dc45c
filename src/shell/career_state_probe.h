#pragma once

#include <QStringList>

class QWidget;

namespace dvk {

// Adds "key=value" lines describing `dialog` when it is the career statistics window: the
// players and filters chosen, the figures, the head-to-head rows, the charts and the page shown.
void describe_career_dialog(const QWidget* dialog, QStringList& lines);

} // namespace dvk
