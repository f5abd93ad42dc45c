#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QPushButton;

namespace dvk {

// A question answered by one of a row of buttons of equal width, followed by "Cancel". Choice
// i (from 0) ends the dialog with the result i + 1, "Cancel", Escape and closing with 0. A
// choice's mnemonic also works without Alt, as in a dialog that holds only buttons.
class ButtonChoiceDialog : public QDialog {
    Q_OBJECT

public:
    QPushButton* choice_button(int index) const;
    QPushButton* cancel_button() const { return m_cancel; }
    int choice_count() const { return static_cast<int>(m_choices.size()); }

    // Ends the dialog with choice `index` when that button is enabled; false otherwise.
    bool choose(int index);

protected:
    ButtonChoiceDialog(QWidget* owner, const QString& title, const QString& prompt,
                       const QStringList& choices);

    // Makes the first enabled choice the default button and gives it the focus; call after
    // enabling or disabling choices.
    void focus_first_enabled_choice();

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QList<QPushButton*> m_choices;
    QPushButton* m_cancel = nullptr;
};

} // namespace dvk
