#pragma once

#include "dialogs/action_names.h"
#include "settings/key_binding.h"
#include "settings/select_key_form.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;

namespace dvk {

class HotKeyEdit;
class NumberBox;

// "Select key": chooses the function of a key binding (a command, or "Template" with its
// score in "&Number:") and records its key.
class SelectKeyDialog : public QDialog {
    Q_OBJECT

public:
    SelectKeyDialog(const std::optional<KeyBinding>& binding, CommandTextFunction command_text,
                    QWidget* owner = nullptr);

    // Opens the dialog on `binding`, or on none for a new one, modally or as the active
    // DialogScript answers "SelectKeyDialog"; the binding on "OK", none on "Cancel".
    static std::optional<KeyBinding> edit(QWidget* owner, const std::optional<KeyBinding>& binding,
                                          const CommandTextFunction& command_text);

    SelectKeyForm form() const;
    // The binding "OK" made.
    const KeyBinding& binding() const { return m_binding; }

    QComboBox* functionList() const { return m_functions; }
    NumberBox* numberBox() const { return m_number; }
    HotKeyEdit* keyField() const { return m_key; }

public Q_SLOTS:
    // "OK": refuses a template outside 0 to 180 or no function with a message or the focus on
    // what is missing; a key score entry needs is bound only when the user confirms it.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillFunctions(const std::optional<std::int32_t>& shown_action);
    void functionChosen();

    CommandTextFunction m_command_text;
    KeyBinding m_binding;
    QComboBox* m_functions = nullptr;
    NumberBox* m_number = nullptr;
    HotKeyEdit* m_key = nullptr;
};

} // namespace dvk
