#pragma once

#include <QString>

class QWidget;

namespace dvk {

// Lets the event loop lay out and paint what was just shown or changed.
void settle();

// Saves `widget` as `folder`/`name`.png once it has settled.
void save_picture(QWidget& widget, const QString& folder, const QString& name);

} // namespace dvk
