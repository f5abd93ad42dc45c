#include "screen/score_name_wnd.h"

#include "layout/side_window_geometry.h"
#include "screen/colors.h"
#include "screen/com_name_texts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <optional>

namespace dvk {
namespace {

QFont bar_font(int points, int dpi) {
    QFont font = QApplication::font("QMenu");
    font.setWeight(QFont::Bold);
    font.setPixelSize(point_to_pixels(points, dpi));
    return font;
}

} // namespace

ScoreNameWnd::ScoreNameWnd(const AppOptions& options, QWidget* parent)
    : QWidget(parent), m_options(options) {
    setObjectName(QStringLiteral("score_name_wnd"));
    setAccessibleName(tr("Player names"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    reloadOptions();
}

void ScoreNameWnd::setGame(const GameRecord* game) {
    m_game = game;
    refresh();
}

void ScoreNameWnd::setFirstPlayer(int player) {
    m_first_player = player == 1 ? 1 : 0;
}

void ScoreNameWnd::setLegLimit(bool sets) {
    m_sets = sets;
    refresh();
}

void ScoreNameWnd::refresh() {
    composeTexts();
    update();
}

void ScoreNameWnd::reloadOptions() {
    m_bar = option_color(m_options, ColorItem::player_name_background);
    m_text = option_color(m_options, ColorItem::player_name_text);
    fitFont();
    refresh();
}

int ScoreNameWnd::heightFor(int length) const {
    return name_bar_height(length, m_options.name_size);
}

void ScoreNameWnd::fitFont() {
    // Fitting measures text at many sizes; a hidden window fits once it is shown.
    if (!isVisible()) {
        m_fit_pending = true;
        return;
    }
    m_fit_pending = false;
    const int dpi = logicalDpiY();
    m_height_points = name_bar_font_points(
        height(), [dpi](int size) { return QFontMetrics(bar_font(size, dpi)).height(); });
}

NameBarContent ScoreNameWnd::content() const {
    NameBarContent content;
    content.sets = m_sets;
    content.total_sets = m_options.player.total_sets != 0;
    content.total_legs = m_options.player.total_legs != 0;
    content.first_marker = m_options.player.first != 0;
    content.player_view = m_options.show_player != 0;
    content.first_player = m_first_player;
    return content;
}

std::array<NameBand, 2> ScoreNameWnd::bandsFor(const QFontMetrics& metrics) const {
    const int score_width = m_score_text.isEmpty() ? 0 : metrics.horizontalAdvance(m_score_text);
    return name_bar_bands(width(), score_width, metrics.averageCharWidth());
}

void ScoreNameWnd::composeTexts() {
    m_score_text.clear();
    m_names = {};
    m_name_rects = {};
    if (m_game == nullptr) {
        return;
    }
    const NameBarContent shown = content();
    m_score_text = QString::fromStdString(name_bar_score_text(*m_game, shown));
    const ComNameTexts com_names;
    const std::array<std::string, 2> names{
        name_bar_player_text(*m_game, 0, shown, com_names.formats()),
        name_bar_player_text(*m_game, 1, shown, com_names.formats())};

    const int dpi = logicalDpiY();
    // Both names are tried at each size: the size is measured once for both.
    int measured_size = -1;
    std::optional<QFontMetrics> metrics_at;
    const int points = shrink_to_fit(m_height_points, 2, [&](int size, int player) {
        if (size != measured_size) {
            measured_size = size;
            metrics_at.emplace(bar_font(size, dpi));
        }
        const auto index = static_cast<std::size_t>(player);
        return metrics_at->horizontalAdvance(QString::fromStdString(names[index])) <=
               bandsFor(*metrics_at)[index].width();
    });
    m_font = bar_font(points, dpi);

    const QFontMetrics metrics(m_font);
    const auto bands = bandsFor(metrics);
    const auto measure = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    for (std::size_t player = 0; player < 2; ++player) {
        m_names[player] =
            QString::fromStdString(elide_text(names[player], bands[player].width(), measure));
        m_name_rects[player] = QRect(bands[player].left, 0, bands[player].width(), height());
    }
}

void ScoreNameWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_fit_pending) {
        fitFont();
        composeTexts();
    }
}

void ScoreNameWnd::resizeEvent(QResizeEvent* /*event*/) {
    fitFont();
    composeTexts();
}

void ScoreNameWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), m_bar);
    if (m_game == nullptr) {
        return;
    }
    painter.setFont(m_font);
    painter.setPen(m_text);
    if (!m_score_text.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_score_text);
    }
    painter.drawText(m_name_rects[0], Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_names[0]);
    painter.drawText(m_name_rects[1], Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_names[1]);
}

} // namespace dvk
