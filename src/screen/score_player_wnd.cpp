#include "screen/score_player_wnd.h"

#include "screen/colors.h"
#include "screen/com_name_texts.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <algorithm>
#include <map>

namespace dvk {

namespace {

// The arrows are checked about as often as a window-system timer can fire.
constexpr int poll_interval_ms = 10;
constexpr int first_repeat_ms = 500;
constexpr int next_repeat_ms = 50;

Qt::Alignment alignment(PlayerInfoAlign align) {
    switch (align) {
    case PlayerInfoAlign::left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case PlayerInfoAlign::right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case PlayerInfoAlign::centre:
        break;
    }
    return Qt::AlignCenter;
}

} // namespace

ScorePlayerWnd::ScorePlayerWnd(const AppOptions& options, const ArrangeTable& checkout_table,
                               QWidget* parent)
    : QWidget(parent), m_options(options), m_table(checkout_table) {
    setObjectName(QStringLiteral("score_player_wnd"));
    setAccessibleName(tr("Player information"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_no_scrolling = options.player.scroll == 0;
    m_poll_timer = new QTimer(this);
    m_poll_timer->setInterval(poll_interval_ms);
    connect(m_poll_timer, &QTimer::timeout, this, &ScorePlayerWnd::pollButtons);
    m_repeat_timer = new QTimer(this);
    m_repeat_timer->setSingleShot(true);
    connect(m_repeat_timer, &QTimer::timeout, this, &ScorePlayerWnd::repeatScroll);
    relayout();
}

ScorePlayerWnd::~ScorePlayerWnd() = default;

void ScorePlayerWnd::setGame(const GameRecord* game, int player, bool game_only) {
    m_game = game;
    m_player = player;
    m_game_only = game_only;
    relayout();
}

void ScorePlayerWnd::setFirst(bool first) {
    m_first = first;
}

void ScorePlayerWnd::setLegLimit(bool leg_limit) {
    m_sets_shown = leg_limit;
    relayout();
}

void ScorePlayerWnd::setNoScrolling(bool no_scrolling) {
    m_no_scrolling = no_scrolling;
    if (no_scrolling) {
        m_top_shown = m_bottom_shown = false;
        m_poll_timer->stop();
        update();
    }
}

void ScorePlayerWnd::setDialogMode(DialogMode mode, bool on) {
    if (mode == DialogMode::LongLabel) {
        m_long_label = on;
    } else {
        m_fixed_fonts = on;
    }
    relayout();
}

void ScorePlayerWnd::refresh() {
    paintHeader();
    redraw();
}

void ScorePlayerWnd::reloadOptions() {
    relayout();
}

int ScorePlayerWnd::maxScroll() const {
    return player_info_max_scroll(scrollView());
}

QStringList ScorePlayerWnd::shownTexts() const {
    QStringList texts;
    if (!m_header_text.isEmpty()) {
        texts << m_header_text;
    }
    for (const PlayerInfoPlacement& placement : m_layout.placements) {
        texts << text(m_rows.at(placement.row), placement.part);
    }
    return texts;
}

const PlayerBlock* ScorePlayerWnd::player() const {
    if (m_game == nullptr || !is_player(m_player)) {
        return nullptr;
    }
    return &m_game->players[static_cast<std::size_t>(m_player)];
}

PlayerInfoMode ScorePlayerWnd::mode() const {
    PlayerInfoMode mode;
    mode.show_all = m_long_label || m_fixed_fonts;
    mode.long_label = m_long_label;
    mode.sets_shown = m_sets_shown;
    mode.throws_first = m_first;
    mode.game_only = m_game_only;
    return mode;
}

bool ScorePlayerWnd::hasHeader() const {
    return (m_options.player.name != 0 && m_options.show_name == 0) || mode().show_all;
}

QFont ScorePlayerWnd::fontAt(int points) const {
    QFont font(QString::fromStdString(m_options.font_name));
    font.setPixelSize(std::max(1, points * logicalDpiY() / 72));
    font.setWeight(QFont::Normal);
    return font;
}

const QFont& ScorePlayerWnd::font(PlayerInfoFont which) const {
    switch (which) {
    case PlayerInfoFont::small:
        return m_small_font;
    case PlayerInfoFont::large:
        return m_large_font;
    case PlayerInfoFont::main:
        break;
    }
    return m_main_font;
}

void ScorePlayerWnd::relayout() {
    // Fitting measures text at many sizes; a hidden window lays itself out once it is shown.
    if (!isVisible()) {
        m_layout_pending = true;
        return;
    }
    m_layout_pending = false;
    const PlayerInfoOptions& items = m_options.player;
    const PlayerInfoMode shape = mode();
    const bool large_form = player_info_large_form(items, shape);
    const auto name_font_at = [this](int points) {
        QFont font = QApplication::font("QMenu");
        font.setPixelSize(std::max(1, points * logicalDpiY() / 72));
        font.setBold(true);
        return font;
    };
    // The fit lowers the sizes a point at a time and asks for the same heights again and again
    // (the small font takes the sizes the main font had); each size is measured once.
    std::map<int, int> lines;
    const auto line_at = [this, &lines](int points) {
        const auto [at, added] = lines.try_emplace(points, 0);
        if (added) {
            at->second = QFontMetrics(fontAt(points)).height();
        }
        return at->second;
    };
    PlayerInfoMeasure measure{line_at, line_at, line_at, nullptr};
    std::map<int, int> headers;
    if (hasHeader()) {
        measure.header = [&name_font_at, &headers](int points) {
            const auto [at, added] = headers.try_emplace(points, 0);
            if (added) {
                const int line = QFontMetrics(name_font_at(points)).height();
                at->second = line + line / 8;
            }
            return at->second;
        };
    }
    m_fit = fit_player_info_fonts({width(), height(), m_long_label, m_fixed_fonts, large_form},
                                  player_info_skeleton(items, shape), measure);
    m_main_font = fontAt(m_fit.sizes.main);
    m_small_font = fontAt(m_fit.sizes.small);
    m_large_font = fontAt(m_fit.sizes.large);
    m_name_font = name_font_at(m_fit.sizes.main);

    // In the normal form a "Check-Out" label shares its line with the value, so the figures
    // are indented for that label.
    const bool check_out_label = m_long_label || (items.large_font != 0 && !large_form);
    const QFontMetrics metrics(m_main_font);
    const QString figure =
        labelText(check_out_label ? PlayerInfoText::check_out : PlayerInfoText::check) +
        QStringLiteral(": 188.88");
    m_indent = player_info_indent(width(), metrics.horizontalAdvance(figure),
                                  metrics.horizontalAdvance(QStringLiteral("S88-S88-S88")),
                                  metrics.averageCharWidth(), items.large_font != 0);

    m_scroll_position = 0;
    m_top_shown = m_bottom_shown = false;
    m_poll_timer->stop();
    m_repeat_timer->stop();
    paintHeader();
    redraw();
}

void ScorePlayerWnd::redraw() {
    m_rows = player_info_rows(m_options.player, mode(), player(), m_table);
    m_layout = place_player_info_rows(m_rows, m_fit.metrics, m_indent, width());
    m_scroll_position = std::clamp(m_scroll_position, 0, maxScroll());
    paintContent();
    update();
}

void ScorePlayerWnd::paintHeader() {
    const int height = m_fit.header_height;
    m_header_text = height > 0 ? playerName() : QString();
    m_header = QPixmap(std::max(1, width()), std::max(1, height));
    m_header.fill(option_color(m_options, ColorItem::player_name_background));
    if (m_header_text.isEmpty()) {
        return;
    }
    QPainter painter(&m_header);
    painter.setFont(m_name_font);
    painter.setPen(option_color(m_options, ColorItem::player_name_text));
    const QString shown =
        QFontMetrics(m_name_font).elidedText(m_header_text, Qt::ElideRight, width());
    painter.drawText(QRect(0, 0, width(), height), Qt::AlignCenter | Qt::TextSingleLine, shown);
}

void ScorePlayerWnd::paintContent() {
    const int visible = std::max(1, height() - m_fit.header_height);
    m_content = QPixmap(std::max(1, width()), std::max(visible, m_layout.content_height));
    m_content.fill(option_color(m_options, ColorItem::player_background));
    if (player() == nullptr) {
        return;
    }
    QPainter painter(&m_content);
    const QColor text_colour = option_color(m_options, ColorItem::player_text);
    const QColor title_colour = option_color(m_options, ColorItem::player_info_title);
    for (const PlayerInfoPlacement& placement : m_layout.placements) {
        const PlayerInfoRow& row = m_rows.at(placement.row);
        painter.setFont(font(placement.font));
        painter.setPen(row.kind == PlayerInfoRowKind::title ? title_colour : text_colour);
        painter.drawText(QRect(placement.left, placement.top, placement.width, placement.height),
                         static_cast<int>(alignment(placement.align)) | Qt::TextSingleLine,
                         text(row, placement.part));
    }
}

QString ScorePlayerWnd::playerName() const {
    const PlayerBlock* shown = player();
    if (shown == nullptr) {
        return {};
    }
    if (shown->com != 0) {
        return ComNameTexts().name(shown->com_level, shown->name);
    }
    return QString::fromStdString(shown->name);
}

QString ScorePlayerWnd::text(const PlayerInfoRow& row, PlayerInfoPart part) const {
    if (part == PlayerInfoPart::value) {
        return QString::fromStdString(row.value);
    }
    const QString label = labelText(row.label);
    return row.kind == PlayerInfoRowKind::figure ? label + QStringLiteral(": ") : label;
}

QString ScorePlayerWnd::labelText(PlayerInfoText label) const {
    switch (label) {
    case PlayerInfoText::first:
        return tr("- First -");
    case PlayerInfoText::totals:
        return tr("Totals");
    case PlayerInfoText::averages:
        return tr("Averages");
    case PlayerInfoText::dart_out_shots:
        return tr("Dart out shots");
    case PlayerInfoText::sets:
        return tr("Sets");
    case PlayerInfoText::legs:
        return tr("Legs");
    case PlayerInfoText::tons:
        return tr("Tons");
    case PlayerInfoText::count_100:
        return tr("100+");
    case PlayerInfoText::count_140:
        return tr("140+");
    case PlayerInfoText::count_180:
        return tr("180's");
    case PlayerInfoText::high_out:
        return tr("High Out");
    case PlayerInfoText::best:
        return tr("Best");
    case PlayerInfoText::worst:
        return tr("Worst");
    case PlayerInfoText::darts:
        return tr("Darts");
    case PlayerInfoText::score:
        return tr("Score");
    case PlayerInfoText::first9:
        return tr("First 9");
    case PlayerInfoText::check:
        return tr("Check");
    case PlayerInfoText::check_out:
        return tr("Check-Out");
    case PlayerInfoText::keep:
        return tr("Keep");
    case PlayerInfoText::break_of_throw:
        return tr("Break");
    }
    return {};
}

void ScorePlayerWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int header = m_fit.header_height;
    if (header > 0) {
        painter.drawPixmap(0, 0, m_header);
    }
    painter.setClipRect(0, header, width(), height() - header);
    painter.drawPixmap(0, header - m_scroll_position, m_content);
    const int button = buttonHeight();
    if (m_top_shown) {
        paintArrow(painter, QRect(0, header, width(), button), true);
    }
    if (m_bottom_shown) {
        paintArrow(painter, QRect(0, height() - button, width(), button), false);
    }
}

void ScorePlayerWnd::paintArrow(QPainter& painter, const QRect& band, bool up) const {
    QStyleOptionButton panel;
    panel.initFrom(this);
    panel.rect = band;
    panel.state |= QStyle::State_Enabled;
    panel.state |= m_pressed ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &panel, &painter, this);
    // A triangle a third of the band high, so the arrow reads at every font size.
    const int half = std::max(2, band.height() / 3);
    const QPointF centre = QRectF(band).center() + (m_pressed ? QPointF(1, 1) : QPointF());
    const double tip = up ? -half / 2.0 : half / 2.0;
    const QPolygonF arrow(
        {centre + QPointF(-half, -tip), centre + QPointF(half, -tip), centre + QPointF(0, tip)});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::ButtonText));
    painter.drawPolygon(arrow);
    painter.restore();
}

void ScorePlayerWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_layout_pending) {
        relayout();
    }
}

void ScorePlayerWnd::resizeEvent(QResizeEvent*) {
    relayout();
}

PlayerInfoScroll ScorePlayerWnd::scrollView() const {
    return {width(), height(), m_fit.header_height, m_layout.content_height, buttonHeight()};
}

PlayerInfoBand ScorePlayerWnd::bandUnderPointer() const {
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    return player_info_band(scrollView(), m_scroll_position, pointer.x(), pointer.y());
}

void ScorePlayerWnd::mouseMoveEvent(QMouseEvent* event) {
    if (m_no_scrolling) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const PlayerInfoBand band = player_info_band(scrollView(), m_scroll_position, at.x(), at.y());
    if (band == PlayerInfoBand::top && !m_top_shown) {
        m_top_shown = true;
    } else if (band == PlayerInfoBand::bottom && !m_bottom_shown) {
        m_bottom_shown = true;
    } else {
        return;
    }
    update();
    m_poll_timer->start();
}

void ScorePlayerWnd::mousePressEvent(QMouseEvent* event) {
    if (m_no_scrolling || event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    const PlayerInfoBand band = player_info_band(scrollView(), m_scroll_position, at.x(), at.y());
    if (band == PlayerInfoBand::none) {
        return;
    }
    m_pressed = true;
    (band == PlayerInfoBand::top ? m_top_shown : m_bottom_shown) = true;
    m_poll_timer->start();
    scrollBy(band);
    m_repeat_timer->start(first_repeat_ms);
}

void ScorePlayerWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed) {
        return;
    }
    m_pressed = false;
    m_repeat_timer->stop();
    update();
}

void ScorePlayerWnd::leaveEvent(QEvent*) {
    if (m_top_shown || m_bottom_shown) {
        pollButtons();
    }
}

void ScorePlayerWnd::pollButtons() {
    const PlayerInfoBand band = bandUnderPointer();
    const bool top = m_top_shown && band == PlayerInfoBand::top;
    const bool bottom = m_bottom_shown && band == PlayerInfoBand::bottom;
    if (!top && !bottom) {
        m_poll_timer->stop();
    }
    if (top != m_top_shown || bottom != m_bottom_shown) {
        m_top_shown = top;
        m_bottom_shown = bottom;
        update();
    }
}

void ScorePlayerWnd::repeatScroll() {
    const PlayerInfoBand band = bandUnderPointer();
    if (!m_pressed || band == PlayerInfoBand::none) {
        return;
    }
    scrollBy(band);
    m_repeat_timer->start(next_repeat_ms);
}

void ScorePlayerWnd::scrollBy(PlayerInfoBand band) {
    m_scroll_position =
        player_info_scrolled(scrollView(), m_scroll_position, band, m_fit.metrics.line);
    update();
}

} // namespace dvk
