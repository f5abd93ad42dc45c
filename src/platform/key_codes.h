#pragma once

#include "settings/key_binding.h"

#include <QKeyCombination>
#include <QString>

namespace dvk {

// Keys are stored in dvk.ini as Windows virtual-key numbers and modifier flags; these functions
// translate them to and from Qt's keys. Numeric keypad keys carry Qt::KeypadModifier.

// Qt's key for a virtual-key number; Qt::Key_unknown when the number has no key here.
QKeyCombination qt_key_for_virtual_key(int virtual_key);

// The virtual-key number of a Qt key, ignoring Shift, Ctrl and Alt; 0 when there is none.
// Keys that a US keyboard types with Shift ("!", "?", Backtab...) give their unshifted key.
int virtual_key_for_qt_key(QKeyCombination key);

Qt::KeyboardModifiers qt_modifiers_for_flags(int modifiers);
int modifier_flags_for_qt(Qt::KeyboardModifiers modifiers);

// The whole binding: modifier flags and virtual key as one Qt key combination, and back.
QKeyCombination qt_key_combination(int modifiers, int virtual_key);

// "Ctrl+", "Shift+", "Alt+" (in this order) for the modifier flags, e.g. "Ctrl+Shift+".
QString modifier_names(int modifiers);

// "Ctrl+", "Shift+", "Alt+" (in this order) and the key's readable name, e.g. "Ctrl+Shift+F8";
// empty when the virtual key is 0 or unknown.
QString format_key_name(int modifiers, int virtual_key);

} // namespace dvk
