#pragma once

#include "com/com_table.h"
#include "com/com_thrower.h"
#include "com/com_visit.h"
#include "model/game_record.h"
#include "settings/app_options.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

namespace dvk {

// The computer's visit: throws one dart per period of the COM timer, shows each dart in its
// box and closes one period after the last dart, with the result in the thrower's
// `com_result`. "&Stop" (also Escape or closing the window) asks whether to stop the game; Yes
// ends the visit with -5.
class ComThrowDialog : public QDialog {
    Q_OBJECT

public:
    // `player` must be 0 or 1. `game` and `table` must outlive the dialog; the random source
    // starts from `seed`.
    ComThrowDialog(GameRecord& game, int player, const ComTable& table, const AppOptions& options,
                   std::uint32_t seed, QWidget* owner = nullptr);

    // Runs the visit of `player` in the modal dialog, seeded with the millisecond clock. Under
    // a DialogScript the answer is the seed and the visit is thrown at once without a window;
    // no answer stops the game (-5). Nothing happens for a player other than 0 or 1.
    static void run(QWidget* owner, GameRecord& game, int player, const ComTable& table,
                    const AppOptions& options);

    const ComVisit& visit() const { return m_visit; }
    QLabel* dart_box(int index) const { return m_boxes.at(static_cast<std::size_t>(index)); }
    QPushButton* stop_button() const { return m_stop; }

public Q_SLOTS:
    // One tick of the COM timer: shows the next dart and waits one more period, or closes when
    // the visit has ended.
    void throw_next();
    // "&Stop": asks "Do you want to stop a game?"; the darts wait for the answer.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void throw_all();

    ComThrower m_thrower;
    ComVisit m_visit;
    int m_period;
    bool m_started = false;
    QTimer* m_timer = nullptr;
    std::array<QLabel*, 3> m_boxes{};
    QPushButton* m_stop = nullptr;
};

} // namespace dvk
