#include "broadcast/dialog_answer.h"

#include "dialogs/button_choice_dialog.h"
#include "dialogs/check_out_mode_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace dvk {

namespace {

bool press(QAbstractButton* button) {
    if (button == nullptr || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

bool answer_choice(QWidget* dialog, int answer) {
    auto* choice = qobject_cast<ButtonChoiceDialog*>(dialog);
    if (choice == nullptr) {
        return false;
    }
    return answer == 0 ? press(choice->cancel_button()) : choice->choose(answer - 1);
}

} // namespace

bool answer_open_dialog(const DialogWait& wait, int answer) {
    QWidget* dialog = QApplication::activeModalWidget();
    switch (wait.kind) {
    case WaitKind::check_out_darts:
    case WaitKind::diddle_winner:
        return answer_choice(dialog, answer);
    case WaitKind::double_darts: {
        auto* mode = qobject_cast<CheckOutModeDialog*>(dialog);
        if (mode == nullptr) {
            return false;
        }
        if (answer == 255) {
            mode->reject();
            return true;
        }
        mode->number_box()->setValue(answer);
        return mode->confirm();
    }
    case WaitKind::game_shot:
    case WaitKind::check_in: {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box == nullptr) {
            return false;
        }
        return press(box->button(answer == 1 ? QMessageBox::Ok : QMessageBox::Cancel));
    }
    case WaitKind::none:
    case WaitKind::computer_visit:
    case WaitKind::other:
        break;
    }
    return false;
}

} // namespace dvk
