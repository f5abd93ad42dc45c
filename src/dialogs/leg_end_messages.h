#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace dvk {

// The messages that confirm the end of a leg. Cancel undoes the leg's end.
class LegEndMessages {
    Q_DECLARE_TR_FUNCTIONS(LegEndMessages)

public:
    // "Game shot %1 dart. (%2 darts)": with the computer's caption "COM" only OK (true);
    // otherwise the player's name as caption, OK and Cancel.
    static bool confirm_game_shot(QWidget* owner, int darts, int winning_darts,
                                  bool computer_caption, const QString& player_name);

    // "Check in %1 darts." after the middle for diddle, captioned with the winner's name or
    // "COM": true for OK.
    static bool confirm_check_in(QWidget* owner, int darts, const QString& caption);
};

} // namespace dvk
