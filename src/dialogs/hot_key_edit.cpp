#include "dialogs/hot_key_edit.h"

#include "platform/key_codes.h"
#include "platform/system_services.h"

#include <QKeyEvent>

namespace dvk {
namespace {

bool is_modifier_key(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

// The flag of a modifier key itself: systems differ in whether its own press or release
// event counts it among the held modifiers.
int own_flag(int key) {
    switch (key) {
    case Qt::Key_Shift:
        return modifier_shift;
    case Qt::Key_Control:
        return modifier_ctrl;
    case Qt::Key_Alt:
        return modifier_alt;
    default:
        return 0;
    }
}

bool moves_focus(const QKeyEvent& event) {
    const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
    return tab && !event.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier);
}

} // namespace

HotKeyEdit::HotKeyEdit(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setClearButtonEnabled(true);
    setPlaceholderText(tr("Nothing"));
    connect(this, &QLineEdit::textChanged, this, &HotKeyEdit::textEdited);
}

void HotKeyEdit::setKey(int modifiers, int virtual_key) {
    const bool known = virtual_key != 0 && !format_key_name(modifiers, virtual_key).isEmpty();
    m_key = known ? virtual_key : 0;
    m_modifiers = known ? modifiers & modifier_mask : 0;
    showKey();
}

void HotKeyEdit::showKey() {
    showText(format_key_name(m_modifiers, m_key));
}

void HotKeyEdit::showText(const QString& text) {
    m_showing = true;
    setText(text);
    m_showing = false;
}

// Only the field itself writes its text; anything else reaching it (the clear button, a
// middle-click paste) either clears the key or is undone.
void HotKeyEdit::textEdited(const QString& text) {
    if (m_showing) {
        return;
    }
    if (text.isEmpty()) {
        setKey(0, 0);
    } else {
        showKey();
    }
}

bool HotKeyEdit::event(QEvent* event) {
    // Keys are recorded, not taken as shortcuts or mnemonics of the dialog.
    if (event->type() == QEvent::ShortcutOverride) {
        if (!moves_focus(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void HotKeyEdit::keyPressEvent(QKeyEvent* event) {
    if (moves_focus(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    const int modifiers = modifier_flags_for_qt(event->modifiers());
    if (is_modifier_key(event->key())) {
        showText(modifier_names(modifiers | own_flag(event->key())));
        return;
    }
    if (event->isAutoRepeat()) {
        return;
    }
    const int virtual_key = virtual_key_for_qt_key(QKeyCombination(
        event->modifiers() & Qt::KeypadModifier, static_cast<Qt::Key>(event->key())));
    if (virtual_key == 0) {
        beep();
        return;
    }
    setKey(modifiers, virtual_key);
}

void HotKeyEdit::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (!is_modifier_key(event->key())) {
        return;
    }
    const int held = modifier_flags_for_qt(event->modifiers()) & ~own_flag(event->key());
    if (held != 0) {
        showText(modifier_names(held));
    } else {
        showKey();
    }
}

void HotKeyEdit::focusOutEvent(QFocusEvent* event) {
    showKey();
    QLineEdit::focusOutEvent(event);
}

} // namespace dvk
