#pragma once

#include <QString>

namespace dvk {

// Renders the main window with plug-ins in its Tools menu, the menu itself, and the caller
// plug-in's settings dialog to PNG files in `folder`.
void render_plugin_gallery(const QString& folder);

} // namespace dvk
