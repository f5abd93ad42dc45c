#include "shell/key_dispatcher.h"

#include "shell/command_ids.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace dvk {

namespace {

constexpr Qt::KeyboardModifiers relevant =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// Keys that name the same key on another place of the keyboard.
int canonical_key(int key) {
    switch (key) {
    case Qt::Key_Enter:
        return Qt::Key_Return;
    case Qt::Key_Backtab:
        return Qt::Key_Tab;
    default:
        return key;
    }
}

const Accelerator* find(const std::vector<Accelerator>& table, int key,
                        Qt::KeyboardModifiers modifiers) {
    for (const Accelerator& a : table) {
        if (canonical_key(a.key) == key && (a.modifiers & relevant) == modifiers) {
            return &a;
        }
    }
    return nullptr;
}

} // namespace

KeyDispatcher::KeyDispatcher(QWidget* window)
    : QObject(window), m_window(window), m_fixed(fixedTable()) {
    qApp->installEventFilter(this);
}

std::vector<Accelerator> KeyDispatcher::fixedTable() {
    const Qt::KeyboardModifiers none;
    return {
        {none, Qt::Key_Up, command::up},
        {none, Qt::Key_Down, command::down},
        {none, Qt::Key_Escape, command::cancel},
        {none, Qt::Key_End, command::end},
        {none, Qt::Key_Home, command::home},
        {none, Qt::Key_PageDown, command::page_down},
        {none, Qt::Key_PageUp, command::page_up},
        {none, Qt::Key_Return, command::next},
        {Qt::ShiftModifier, Qt::Key_Return, command::previous},
        {none, Qt::Key_Tab, command::next},
        {Qt::ShiftModifier, Qt::Key_Tab, command::previous},
        // Not in the user's key table, so it works with every stored table; the menu shows it.
        {Qt::ControlModifier, Qt::Key_R, command::career_statistics},
        {Qt::ControlModifier, Qt::Key_B, command::broadcast},
    };
}

int KeyDispatcher::commandFor(int key, Qt::KeyboardModifiers modifiers) const {
    key = canonical_key(key);
    modifiers &= relevant;
    for (const auto* table : {&m_function_keys, &m_plugin_keys, &m_fixed}) {
        if (const Accelerator* a = find(*table, key, modifiers)) {
            return a->command;
        }
    }
    return 0;
}

void KeyDispatcher::pressKey(int key) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        return;
    }
    m_pressing = true;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    m_pressing = false;
}

bool KeyDispatcher::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (m_pressing || (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || m_window == nullptr || widget->window() != m_window ||
        QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
        return false;
    }
    auto* key_event = static_cast<QKeyEvent*>(event);
    const int command = commandFor(key_event->key(), key_event->modifiers());
    if (command == 0) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return false;
    }
    Q_EMIT commandTriggered(command);
    return true;
}

} // namespace dvk
