#pragma once

#include <QLineEdit>

namespace dvk {

// A field that records one key with Shift, Ctrl and Alt, in the form the key table stores: a
// Windows virtual-key code and the modifier flags 4 (Shift), 8 (Ctrl) and 16 (Alt). It shows
// the key's name; while modifiers alone are held it shows them, and letting them go brings
// back the recorded key. Every key is recorded, Enter, Escape and Alt+letter included, except
// Tab and Shift+Tab, which move the focus as anywhere else. A key the table cannot store
// beeps. The field's clear button removes the key.
class HotKeyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit HotKeyEdit(QWidget* parent = nullptr);

    // 0 when no key is recorded.
    int virtualKey() const { return m_key; }
    int modifiers() const { return m_modifiers; }
    void setKey(int modifiers, int virtual_key);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showKey();
    void showText(const QString& text);
    void textEdited(const QString& text);

    int m_modifiers = 0;
    int m_key = 0;
    bool m_showing = false;
};

} // namespace dvk
