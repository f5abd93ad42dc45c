#include "screen/score_left_wnd.h"

#include "layout/side_window_geometry.h"
#include "screen/colors.h"

#include <QFontMetrics>
#include <QPainter>

namespace dvk {
namespace {

QFont number_font(const QString& family, int points, int dpi) {
    QFont font(family);
    font.setWeight(QFont::Bold);
    font.setPixelSize(point_to_pixels(points, dpi));
    return font;
}

} // namespace

ScoreLeftWnd::ScoreLeftWnd(const AppOptions& options, QWidget* parent)
    : QWidget(parent), m_options(options) {
    setObjectName(QStringLiteral("score_left_wnd"));
    setAccessibleName(tr("Left score"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    reloadOptions();
}

void ScoreLeftWnd::setPlayer(const PlayerBlock* player) {
    m_player = player;
    refresh();
}

void ScoreLeftWnd::setActive(bool active) {
    if (active == m_active) {
        return;
    }
    m_active = active;
    update(m_frame_region);
}

void ScoreLeftWnd::refresh() {
    update();
}

void ScoreLeftWnd::reloadOptions() {
    m_background = option_color(m_options, ColorItem::left_background);
    m_text = option_color(m_options, ColorItem::left_text);
    m_active_border = option_color(m_options, ColorItem::left_active_border);
    relayout();
    update();
}

int ScoreLeftWnd::heightFor(int length) const {
    return left_score_height(length, m_options.left_font_size);
}

void ScoreLeftWnd::relayout() {
    const QString family = QString::fromStdString(m_options.font_name);
    const int dpi = logicalDpiY();
    const LeftScoreLayout layout = left_score_layout(width(), height(), [&](int points) {
        return QFontMetrics(number_font(family, points, dpi))
            .horizontalAdvance(QStringLiteral("8888"));
    });
    m_frame = layout.frame;
    m_points = layout.points;
    m_font = number_font(family, m_points, dpi);
    const QRect client = rect();
    m_frame_region =
        QRegion(client).subtracted(QRegion(client.adjusted(m_frame, m_frame, -m_frame, -m_frame)));
}

void ScoreLeftWnd::resizeEvent(QResizeEvent* /*event*/) {
    relayout();
}

void ScoreLeftWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (m_player != nullptr) {
        painter.setFont(m_font);
        painter.setPen(m_text);
        painter.drawText(rect(), Qt::AlignCenter, QString::number(m_player->remaining));
    }
    if (m_active) {
        painter.setClipRegion(m_frame_region);
        painter.fillRect(rect(), m_active_border);
    }
}

} // namespace dvk
