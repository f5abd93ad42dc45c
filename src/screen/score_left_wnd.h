#pragma once

#include "model/game_record.h"
#include "settings/app_options.h"

#include <QColor>
#include <QFont>
#include <QRegion>
#include <QWidget>

namespace dvk {

// One player's remaining score as a single large number, framed in colour while that player is
// to throw. The main window shows one per player below the score list.
class ScoreLeftWnd : public QWidget {
    Q_OBJECT
public:
    // `options` is the program's options record and outlives the window.
    explicit ScoreLeftWnd(const AppOptions& options, QWidget* parent = nullptr);

    void setPlayer(const PlayerBlock* player);
    // Repaints only the frame: the number stays as it is.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // The player's remaining score changed.
    void refresh();
    // Face, size setting or colours changed.
    void reloadOptions();

    // The height the main window gives the window for `length`, the shorter side of its client
    // area.
    int heightFor(int length) const;

    int frameWidth() const { return m_frame; }
    int numberPointSize() const { return m_points; }
    const QFont& numberFont() const { return m_font; }
    // Where the active frame is drawn; empty when the window is too low for one.
    const QRegion& frameRegion() const { return m_frame_region; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();

    const AppOptions& m_options;
    const PlayerBlock* m_player = nullptr;
    bool m_active = false;
    QFont m_font;
    int m_frame = 0;
    int m_points = 0;
    QRegion m_frame_region;
    QColor m_background;
    QColor m_text;
    QColor m_active_border;
};

} // namespace dvk
