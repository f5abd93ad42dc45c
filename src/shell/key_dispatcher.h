#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace dvk {

// One key of an accelerator table and the command it runs.
struct Accelerator {
    Qt::KeyboardModifiers modifiers;
    int key = 0; // Qt::Key
    int command = 0;
};

// Offers every key press inside the main window to the function-key table, the plug-in table
// and the fixed table, in that order; the first table that knows the key runs its command and
// the key goes no further. Nothing is translated while a modal dialog or a menu is open.
class KeyDispatcher : public QObject {
    Q_OBJECT
public:
    explicit KeyDispatcher(QWidget* window);

    void setFunctionKeys(std::vector<Accelerator> table) { m_function_keys = std::move(table); }
    void setPluginKeys(std::vector<Accelerator> table) { m_plugin_keys = std::move(table); }
    static std::vector<Accelerator> fixedTable();

    // The command for a key press, or 0.
    int commandFor(int key, Qt::KeyboardModifiers modifiers) const;

    // Presses and releases a key, without modifiers, at the focused widget, as the Left and
    // Right functions do. The program's own press is the key itself: it is not looked up in
    // the tables, so a function bound to the key it presses cannot press it again.
    void pressKey(int key);

Q_SIGNALS:
    void commandTriggered(int command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    std::vector<Accelerator> m_function_keys;
    std::vector<Accelerator> m_plugin_keys;
    std::vector<Accelerator> m_fixed;
    bool m_pressing = false;
};

} // namespace dvk
