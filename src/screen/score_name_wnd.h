#pragma once

#include "layout/side_window_geometry.h"
#include "model/game_record.h"
#include "settings/app_options.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

namespace dvk {

// The bar across the top of the match screen: both players' names, and between them the sets
// and legs won unless the player information windows show those.
class ScoreNameWnd : public QWidget {
    Q_OBJECT
public:
    // `options` is the program's options record and outlives the window.
    explicit ScoreNameWnd(const AppOptions& options, QWidget* parent = nullptr);

    void setGame(const GameRecord* game);
    // The first thrower of the current leg (0 or 1); shown at the next refresh.
    void setFirstPlayer(int player);
    // The game is played to a number of legs, so its games count as sets.
    void setLegLimit(bool sets);
    // Names, scores or the view settings changed.
    void refresh();
    // Colours or sizes changed.
    void reloadOptions();

    // The bar height for `length`, the shorter side of the main window's client area.
    int heightFor(int length) const;

    // What the bar shows now: the score between the names (empty without one) and each name as
    // drawn. The font shrinks (down to half the size the bar's height allows) so that the names
    // fit; a name too long even for that is cut to its room.
    const QString& scoreText() const { return m_score_text; }
    const QString& nameText(int player) const { return m_names[player == 1 ? 1 : 0]; }
    QRect nameRect(int player) const { return m_name_rects[player == 1 ? 1 : 0]; }
    const QFont& nameFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitFont();
    NameBarContent content() const;
    std::array<NameBand, 2> bandsFor(const QFontMetrics& metrics) const;
    void composeTexts();

    const AppOptions& m_options;
    const GameRecord* m_game = nullptr;
    int m_first_player = 0;
    bool m_sets = false;
    int m_height_points = 0; // the largest size the bar's height allows
    QFont m_font;
    QColor m_bar;
    QColor m_text;
    QString m_score_text;
    std::array<QString, 2> m_names;
    std::array<QRect, 2> m_name_rects;
    bool m_fit_pending = true;
};

} // namespace dvk
