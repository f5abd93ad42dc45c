#pragma once

#include "model/history_lines.h"

#include <QStyledItemDelegate>

#include <functional>

namespace dvk {

// Draws the lines of the game history: a game line in bold on the button face (start score,
// sets, the names with the leader underlined), a leg line on the window colour (leg number and
// a darts box per player, joined by a line). Every line is 24 pixels high.
class HistoryLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // `line_at` gives the line of a row and the game and leg it shows (null when gone).
    struct Shown {
        HistoryLine line;
        const GameRecord* game = nullptr;
        const LegRecord* leg = nullptr;
    };
    using LineAt = std::function<Shown(int row)>;

    HistoryLineDelegate(LineAt line_at, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The texts a line shows, left to right; what the painting draws, for tests and the
    // screen description.
    static QStringList texts(const Shown& shown);

private:
    void paintGame(QPainter& painter, const QRect& rect, const GameRecord& game,
                   const QColor& text) const;
    void paintLeg(QPainter& painter, const QRect& rect, const QStyleOptionViewItem& option,
                  const Shown& shown, const QColor& text) const;
    QFont lineFont(const QWidget* widget, bool bold) const;

    LineAt m_line_at;
};

// A player's name as the records show it: "COM (Lv.%d)" for a computer player.
QString history_player_name(const PlayerBlock& player);

} // namespace dvk
