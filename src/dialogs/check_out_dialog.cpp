#include "dialogs/check_out_dialog.h"

#include "platform/dialog_script.h"

#include <QPushButton>

namespace dvk {

CheckOutDialog::CheckOutDialog(int check_out, QWidget* owner)
    : ButtonChoiceDialog(owner, tr("Check-Out"), tr("How many darts did you use for the check?"),
                         {tr("&1st dart"), tr("&2nd dart"), tr("&3rd dart")}) {
    setObjectName(QStringLiteral("CheckOutDialog"));
    choice_button(0)->setEnabled(check_out <= 60);
    choice_button(1)->setEnabled(check_out <= 120);
    focus_first_enabled_choice();
}

int CheckOutDialog::ask(QWidget* owner, int check_out) {
    CheckOutDialog dialog(check_out, owner);
    const QVariantMap arguments{
        {QStringLiteral("check_out"), check_out},
        {QStringLiteral("first_enabled"), dialog.choice_button(0)->isEnabled()},
        {QStringLiteral("second_enabled"), dialog.choice_button(1)->isEnabled()},
        {QStringLiteral("third_enabled"), dialog.choice_button(2)->isEnabled()},
    };
    if (const auto scripted = DialogScript::take_answer(dialog.objectName(), arguments)) {
        // Answer as the user would: a disabled button cannot be pressed.
        return dialog.choose(scripted->toInt() - 1) ? dialog.result() : 0;
    }
    return dialog.exec();
}

} // namespace dvk
