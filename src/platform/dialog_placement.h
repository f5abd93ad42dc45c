#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace dvk {

// Top-left corner of a window of `size` centred over `owner`, moved back into `screen` where
// it would stick out. When it is larger than the screen the left and top edges stay visible.
QPoint centred_position(const QRect& owner, const QSize& size, const QRect& screen);

// Moves `dialog` to the centre of its owner window (its parent's window), or of the screen when
// it has none, keeping it on the owner's screen.
void centre_on_owner(QWidget* dialog);

} // namespace dvk
