#pragma once

#include "layout/score_list_geometry.h"
#include "match/score_sheet.h"
#include "match/score_sheet_view.h"
#include "screen/screen_style.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <functional>

class QScrollBar;
class QTimer;

namespace dvk {

class ScoreEdit;

// The grid of one leg: rounds down, for each player the visit scored and the score to go,
// with the score edit control placed over the input cell. It draws the sheet's game record and
// turns keys, clicks and wheel turns into sheet commands.
class ScoreListWnd : public QWidget, public ScoreSheetView {
    Q_OBJECT
public:
    explicit ScoreListWnd(QWidget* parent = nullptr);
    ~ScoreListWnd() override;

    void setSheet(ScoreSheet* sheet);
    ScoreSheet* sheet() const { return m_sheet; }
    ScoreEdit* edit() const { return m_edit; }
    void setScreenStyle(const ScreenStyle& style);
    const ScreenStyle& screenStyle() const { return m_style; }

    // Runs the computer's visit through `visit` (which sets the player's com_result) a moment
    // after it was announced, so the screen shows the previous visit first.
    // Inactive mode (the option page's preview): the list takes no input and its input cell
    // is disabled, yet shows what it holds.
    void setInputDisabled(bool disabled);
    void setComputerVisit(std::function<void(int player)> visit);
    void startComputerTurn();

    // The rectangle of a cell's "Scored" column at a screen row.
    QRect scoredCellRect(int player, int screen_row) const;
    const ScoreListColumns& columns() const { return m_columns; }
    int headerHeight() const { return m_header_height; }
    int rowHeight() const { return m_row_height; }
    // The first thrower the header was drawn for ("*" in view-only mode).
    int templateFirstPlayer() const { return m_template_first_player; }

    // ScoreSheetView
    std::string input_text() const override;
    bool input_modified() const override;
    void set_input_text(const std::string& text, bool select_all) override;
    void set_input_modified(bool modified) override;
    void show_input_cell(int player, int screen_row, bool read_only) override;
    void hide_input_cell() override;
    void repaint(int screen_row) override;
    void scrolled(int old_top, int new_top) override;
    void scroll_range_changed() override;

Q_SIGNALS:
    void scoreMenuRequested(const QPoint& global_position);
    void modifierKeyPressed();
    void computerTurnStarting();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void relayout();
    void rebuildTemplate();
    void paintRow(QPainter& painter, int display_row, int y, const int running[2]);
    void paintScore(QPainter& painter, const QRect& scored, const QRect& to_go, int entry,
                    int remaining);
    void syncScrollBar();
    void runComputerTurn();
    int clientWidth() const;

    ScoreSheet* m_sheet = nullptr;
    ScreenStyle m_style;
    ScoreEdit* m_edit = nullptr;
    QScrollBar* m_scroll_bar = nullptr;
    QTimer* m_computer_timer = nullptr;
    std::function<void(int)> m_computer_visit;

    ScoreListColumns m_columns;
    QFont m_score_font;
    QFont m_header_font;
    int m_header_height = 0;
    int m_row_height = 1;
    QPixmap m_template;
    int m_template_first_player = -1;
    bool m_updating_scroll_bar = false;
};

} // namespace dvk
