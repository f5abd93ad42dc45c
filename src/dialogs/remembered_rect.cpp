#include "dialogs/remembered_rect.h"

#include "layout/dialog_rect.h"
#include "platform/dialog_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace dvk {

namespace {

QScreen* screen_for(const QWidget* dialog, const QRect& stored) {
    if (QScreen* at = QGuiApplication::screenAt(stored.center())) {
        return at;
    }
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (owner != nullptr && owner->screen() != nullptr) {
        return owner->screen();
    }
    return QGuiApplication::primaryScreen();
}

// The frame the window manager puts around a top-level window, taken from the owner, which
// is shown and framed the same way. Before a dialog is shown its own frame is not known yet.
QSize frame_extra(const QWidget* dialog) {
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (owner == nullptr || !owner->isVisible()) {
        return {0, 0};
    }
    const QSize extra = owner->frameGeometry().size() - owner->size();
    return {std::max(extra.width(), 0), std::max(extra.height(), 0)};
}

} // namespace

RememberedRect::RememberedRect(QWidget* dialog, WindowRect& stored)
    : QObject(dialog), m_dialog(dialog), m_stored(stored) {
    dialog->installEventFilter(this);
}

void RememberedRect::restore() {
    const QRect wanted(m_stored.left, m_stored.top, m_stored.width, m_stored.height);
    const QScreen* screen = screen_for(m_dialog, wanted);
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const WorkArea work{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    const std::optional<WindowRect> placed = restored_dialog_rect(m_stored, work);
    if (!placed.has_value()) {
        centre_on_owner(m_dialog);
        return;
    }
    const QSize frame = frame_extra(m_dialog);
    m_dialog->resize(placed->width - frame.width(), placed->height - frame.height());
    m_dialog->move(placed->left, placed->top);
}

bool RememberedRect::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_dialog && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        record();
    }
    return QObject::eventFilter(watched, event);
}

void RememberedRect::record() {
    if (!m_dialog->isVisible() || m_dialog->isMinimized() || m_dialog->isMaximized()) {
        return;
    }
    const QRect frame = m_dialog->frameGeometry();
    m_stored = WindowRect{frame.left(), frame.top(), frame.width(), frame.height()};
}

} // namespace dvk
