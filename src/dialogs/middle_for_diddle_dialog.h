#pragma once

#include "dialogs/button_choice_dialog.h"

namespace dvk {

// "Middle for Diddle": which player won the diddle for the middle at the round limit.
class MiddleForDiddleDialog : public ButtonChoiceDialog {
    Q_OBJECT

public:
    MiddleForDiddleDialog(const QString& player1, const QString& player2, QWidget* owner = nullptr);

    // Opens the dialog modally (or asks the active DialogScript): the winner 0 or 1, or -1
    // when cancelled.
    static int ask(QWidget* owner, const QString& player1, const QString& player2);
};

} // namespace dvk
