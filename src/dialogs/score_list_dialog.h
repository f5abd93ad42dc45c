#pragma once

#include "com/arrange_table.h"
#include "match/automatic_ports.h"
#include "match/score_sheet.h"
#include "model/game_record.h"
#include "settings/app_options.h"

#include <QDialog>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace dvk {

class RememberedRect;
class ScoreListWnd;
class ScorePlayerWnd;

// "Score List": one game of the history, either both players' statistics for that game or the
// visits of one of its legs in the score list grid. It shows a copy of the game on a sheet of
// its own that takes no input, so nothing done here can change the game in progress or a
// stored one.
class ScoreListDialog : public QDialog {
    Q_OBJECT

public:
    // `leg` is the 1-based leg to show first, 0 for the players' statistics.
    ScoreListDialog(const GameRecord& game, int leg, AppOptions& options,
                    const ArrangeTable& checkout_table, QWidget* owner = nullptr);
    ~ScoreListDialog() override;

    // Opens the dialog modally (or records the call under a DialogScript).
    static void open(QWidget* owner, const GameRecord& game, int leg, AppOptions& options,
                     const ArrangeTable& checkout_table);

    QComboBox* choice() const { return m_choice; }
    ScoreListWnd* scoreList() const { return m_list; }
    ScorePlayerWnd* playerWindow(int player) const;
    QLabel* dartsText(int player) const;
    QPushButton* closeButton() const { return m_close; }
    const GameRecord& game() const { return m_game; }
    const ScoreSheet& sheet() const { return *m_sheet; }

    // Shows entry `index` of the drop-down list: 0 the statistics, n leg n.
    void showEntry(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();

    GameRecord m_game;
    // The copy's sheet answers nothing and tells no plug-in: it only shows.
    AutomaticPorts m_ports;
    std::unique_ptr<ScoreSheet> m_sheet;

    QComboBox* m_choice = nullptr;
    ScoreListWnd* m_list = nullptr;
    std::array<ScorePlayerWnd*, 2> m_players{};
    std::array<QLabel*, 2> m_darts{};
    QPushButton* m_close = nullptr;
    RememberedRect* m_rect = nullptr;
};

} // namespace dvk
