#pragma once

#include "dialogs/button_choice_dialog.h"

namespace dvk {

// "Check-Out": how many darts the checking visit used. A dart count that cannot score the
// check-out (one dart above 60, two above 120) is disabled.
class CheckOutDialog : public ButtonChoiceDialog {
    Q_OBJECT

public:
    CheckOutDialog(int check_out, QWidget* owner = nullptr);

    // Opens the dialog modally (or asks the active DialogScript): 1 to 3, or 0 for cancel.
    static int ask(QWidget* owner, int check_out);
};

} // namespace dvk
