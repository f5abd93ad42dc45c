#pragma once

#include <QStringList>

class QWidget;

namespace dvk {

// Adds "key=value" lines describing `dialog` when it is one of the record dialogs (game
// history, score list, dart-out shots): what it lists and shows, its buttons and its frame.
void describe_records_dialog(const QWidget* dialog, QStringList& lines);

} // namespace dvk
