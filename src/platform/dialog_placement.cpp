#include "platform/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace dvk {

QPoint centred_position(const QRect& owner, const QSize& size, const QRect& screen) {
    int x = owner.x() + (owner.width() - size.width()) / 2;
    int y = owner.y() + (owner.height() - size.height()) / 2;
    x = std::max(std::min(x, screen.right() + 1 - size.width()), screen.left());
    y = std::max(std::min(y, screen.bottom() + 1 - size.height()), screen.top());
    return {x, y};
}

void centre_on_owner(QWidget* dialog) {
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect owner_rect = owner ? owner->frameGeometry() : area;
    // The frame adds to the client size; keep the whole frame on screen.
    const QSize frame_extra = dialog->frameGeometry().size() - dialog->size();
    const QPoint frame_position = centred_position(owner_rect, dialog->size() + frame_extra, area);
    dialog->move(frame_position);
}

} // namespace dvk
