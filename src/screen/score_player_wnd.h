#pragma once

#include "com/arrange_table.h"
#include "layout/player_info_geometry.h"
#include "layout/player_info_rows.h"
#include "layout/player_info_scroll.h"
#include "model/game_record.h"
#include "settings/app_options.h"

#include <QFont>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <vector>

class QTimer;

namespace dvk {

// One player's statistics as a column of labelled rows: an optional name header, the
// "- First -" marker, totals, averages and the check-out suggestions for the remaining score.
// The fonts are fitted to the window; content that still does not fit scrolls with arrow
// buttons that appear while the pointer rests near the top or bottom edge.
class ScorePlayerWnd : public QWidget {
    Q_OBJECT
public:
    // Modes of the windows embedded in dialogs. Either shows every figure whatever the items
    // say, without the first line and the suggestions.
    enum class DialogMode {
        LongLabel,  // score list dialog: "Check-Out" and a narrower main font
        FixedFonts, // option preview: the fonts keep their start sizes
    };

    ScorePlayerWnd(const AppOptions& options, const ArrangeTable& checkout_table,
                   QWidget* parent = nullptr);
    ~ScorePlayerWnd() override;

    // Shows `player` (0 or 1) of `game`, which must outlive the window or be replaced; null
    // leaves the window blank. `game_only` shows a stored game's own figures without the match
    // totals.
    void setGame(const GameRecord* game, int player, bool game_only = false);
    // Whether the player throws first in the current leg; the next refresh shows it.
    void setFirst(bool first);
    // The game's legs are limited, so its games count as sets and "Sets" may be shown.
    void setLegLimit(bool leg_limit);
    void setNoScrolling(bool no_scrolling);
    void setDialogMode(DialogMode mode, bool on);
    // The statistics changed: recompute the rows and repaint.
    void refresh();
    // Colours, face or items changed: fit the fonts again, then refresh.
    void reloadOptions();

    // What is laid out now, for tests and the gallery.
    const std::vector<PlayerInfoRow>& rows() const { return m_rows; }
    const PlayerInfoLayout& layout() const { return m_layout; }
    // The texts as drawn, top to bottom ("Legs: ", "1", ...), the header's name first.
    QStringList shownTexts() const;
    QString headerText() const { return m_header_text; }
    const PlayerInfoFontSizes& fontSizes() const { return m_fit.sizes; }
    const PlayerInfoMetrics& metrics() const { return m_fit.metrics; }
    int headerHeight() const { return m_fit.header_height; }
    int scrollPosition() const { return m_scroll_position; }
    int maxScroll() const;
    bool topButtonShown() const { return m_top_shown; }
    bool bottomButtonShown() const { return m_bottom_shown; }
    int buttonHeight() const { return 2 * m_fit.metrics.line; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void relayout();
    void redraw();
    void paintContent();
    void paintHeader();
    void paintArrow(QPainter& painter, const QRect& band, bool up) const;
    QString text(const PlayerInfoRow& row, PlayerInfoPart part) const;
    QString labelText(PlayerInfoText label) const;
    QString playerName() const;
    const PlayerBlock* player() const;
    PlayerInfoMode mode() const;
    bool hasHeader() const;
    QFont fontAt(int points) const;
    const QFont& font(PlayerInfoFont which) const;
    PlayerInfoScroll scrollView() const;
    PlayerInfoBand bandUnderPointer() const;
    void pollButtons();
    void repeatScroll();
    void scrollBy(PlayerInfoBand band);

    const AppOptions& m_options;
    const ArrangeTable& m_table;
    const GameRecord* m_game = nullptr;
    int m_player = 0;
    bool m_game_only = false;
    bool m_first = false;
    bool m_sets_shown = false;
    bool m_no_scrolling = false;
    bool m_long_label = false;
    bool m_fixed_fonts = false;

    PlayerInfoFit m_fit;
    QFont m_main_font;
    QFont m_small_font;
    QFont m_large_font;
    QFont m_name_font;
    PlayerInfoIndent m_indent;
    std::vector<PlayerInfoRow> m_rows;
    PlayerInfoLayout m_layout;
    QString m_header_text;
    QPixmap m_header;
    QPixmap m_content;

    int m_scroll_position = 0;
    bool m_top_shown = false;
    bool m_bottom_shown = false;
    bool m_pressed = false;
    QTimer* m_poll_timer = nullptr;
    QTimer* m_repeat_timer = nullptr;
    bool m_layout_pending = true;
};

} // namespace dvk
