#pragma once

#include "match/automatic_ports.h"
#include "match/score_sheet.h"
#include "model/game_record.h"
#include "settings/app_options.h"
#include "settings/color_page.h"

#include <QColor>
#include <QFrame>

#include <memory>

namespace dvk {

struct ArrangeTable;
class ScoreLeftWnd;
class ScoreListWnd;
class ScorePlayerWnd;

// The view page's picture of the match screen in the colours and face being chosen: player 1's
// information window at the left, the score list beside it with a ton of 100 in its inactive
// input cell (cut off by the frame's right edge), and player 1's left score below, marked
// active. The gaps between them show "View Separate". An empty game of 501 is shown.
//
// A left click on one of the windows reports the colour the preview drew there, taken from the
// preview's own rendering, never from the screen.
class ColorPreview : public QFrame {
    Q_OBJECT

public:
    // `options` (the page's copy) and `table` outlive the preview.
    ColorPreview(const AppOptions& options, const ArrangeTable& table, QWidget* parent);
    ~ColorPreview() override;

    // The colours or the face changed: the windows draw themselves again.
    void reload();

    ScorePlayerWnd* playerWindow() const { return m_player; }
    ScoreListWnd* listWindow() const { return m_list; }
    ScoreLeftWnd* leftWindow() const { return m_left; }
    // The colour the preview shows at a point of the preview.
    QColor colorAt(const QPoint& point) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void colorPicked(PreviewWindow window, const QColor& color, bool shift);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The window of the preview under a point of the preview, if any.
    std::optional<PreviewWindow> windowAt(const QPoint& point) const;
    void placeWindows();
    QWidget* windowWidget(PreviewWindow window) const;

    const AppOptions& m_options;
    GameRecord m_game;
    AutomaticPorts m_ports;
    std::unique_ptr<ScoreSheet> m_sheet;
    QWidget* m_canvas = nullptr;
    ScorePlayerWnd* m_player = nullptr;
    ScoreListWnd* m_list = nullptr;
    ScoreLeftWnd* m_left = nullptr;
};

} // namespace dvk
