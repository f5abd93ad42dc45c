#include "dialogs/leg_end_messages.h"

#include "platform/message_boxes.h"

namespace dvk {

bool LegEndMessages::confirm_game_shot(QWidget* owner, int darts, int winning_darts,
                                       bool computer_caption, const QString& player_name) {
    const QString text = tr("Game shot %1 dart. (%2 darts)").arg(darts).arg(winning_darts);
    if (computer_caption) {
        MessageBoxes::information(owner, text, tr("COM"));
        return true;
    }
    return MessageBoxes::ok_cancel(owner, text, player_name);
}

bool LegEndMessages::confirm_check_in(QWidget* owner, int darts, const QString& caption) {
    return MessageBoxes::ok_cancel(owner, tr("Check in %1 darts.").arg(darts), caption);
}

} // namespace dvk
