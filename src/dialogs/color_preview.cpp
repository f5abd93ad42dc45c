#include "dialogs/color_preview.h"

#include "match/game_start.h"
#include "screen/colors.h"
#include "screen/score_left_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_player_wnd.h"

#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

namespace dvk {
namespace {

// Pixels between the preview's windows.
constexpr int preview_gap = 2;
// The value the inactive input cell shows.
constexpr int preview_input_value = 100;

GameOptions preview_game_options() {
    GameOptions options;
    options.start_score = 501;
    options.p1_name = ColorPreview::tr("Player 1").toStdString();
    options.p2_name = ColorPreview::tr("Player 2").toStdString();
    return options;
}

} // namespace

ColorPreview::ColorPreview(const AppOptions& options, const ArrangeTable& table, QWidget* parent)
    : QFrame(parent), m_options(options) {
    setObjectName(QStringLiteral("preview"));
    setAccessibleName(tr("Preview"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setToolTip(tr("Click to choose the item of a colour; Shift+click gives the chosen item the "
                  "colour under the pointer."));
    m_canvas = new QWidget(this);
    m_canvas->setAutoFillBackground(true);
    m_canvas->setAttribute(Qt::WA_TransparentForMouseEvents);

    start_game(m_game, preview_game_options(), true, false, SystemTime{});
    m_player = new ScorePlayerWnd(m_options, table, m_canvas);
    m_player->setGame(&m_game, 0);
    m_player->setNoScrolling(true);
    m_player->setDialogMode(ScorePlayerWnd::DialogMode::FixedFonts, true);
    m_list = new ScoreListWnd(m_canvas);
    m_sheet = std::make_unique<ScoreSheet>(m_game, m_options, m_ports, *m_list);
    m_list->setSheet(m_sheet.get());
    m_list->setInputDisabled(true);
    m_sheet->start_leg(true, true);
    m_sheet->enter_value(preview_input_value, true);
    m_left = new ScoreLeftWnd(m_options, m_canvas);
    m_left->setPlayer(&m_game.players[0]);
    m_left->setActive(true);
    reload();
}

ColorPreview::~ColorPreview() {
    // The list draws the sheet until it goes: it must go first.
    delete m_list;
}

QSize ColorPreview::sizeHint() const {
    return {420, 260};
}

void ColorPreview::reload() {
    QPalette palette = m_canvas->palette();
    palette.setColor(QPalette::Window, option_color(m_options, ColorItem::view_separate));
    m_canvas->setPalette(palette);
    m_list->setScreenStyle(screen_style_from(m_options));
    m_player->reloadOptions();
    m_left->reloadOptions();
    m_canvas->update();
}

void ColorPreview::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placeWindows();
}

void ColorPreview::placeWindows() {
    const QRect area = contentsRect();
    m_canvas->setGeometry(area);
    const int w = area.width();
    const int h = area.height();
    const int upper = h * 3 / 4;
    m_player->setGeometry(0, 0, std::max(w / 3, 1), std::max(upper, 1));
    // The list reaches past the frame's right edge, which cuts it off.
    m_list->setGeometry(w / 3 + preview_gap, 0, std::max(w, 1), std::max(upper, 1));
    m_left->setGeometry(0, upper + preview_gap, std::max(w, 1),
                        std::max(h - upper - preview_gap, 1));
}

QWidget* ColorPreview::windowWidget(PreviewWindow window) const {
    switch (window) {
    case PreviewWindow::ScoreList:
        return m_list;
    case PreviewWindow::PlayerInformation:
        return m_player;
    case PreviewWindow::LeftScore:
        break;
    }
    return m_left;
}

std::optional<PreviewWindow> ColorPreview::windowAt(const QPoint& point) const {
    const QPoint inside = m_canvas->mapFrom(this, point);
    if (!m_canvas->rect().contains(inside)) {
        return std::nullopt;
    }
    for (const PreviewWindow window :
         {PreviewWindow::PlayerInformation, PreviewWindow::ScoreList, PreviewWindow::LeftScore}) {
        if (windowWidget(window)->geometry().contains(inside)) {
            return window;
        }
    }
    return std::nullopt;
}

QColor ColorPreview::colorAt(const QPoint& point) const {
    const QPoint inside = m_canvas->mapFrom(this, point);
    const QImage pixel = m_canvas->grab(QRect(inside, QSize(1, 1))).toImage();
    return pixel.isNull() ? QColor() : pixel.pixelColor(0, 0);
}

void ColorPreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const std::optional<PreviewWindow> window = windowAt(point);
    if (!window) {
        return;
    }
    const QColor color = colorAt(point);
    if (color.isValid()) {
        Q_EMIT colorPicked(*window, color, event->modifiers().testFlag(Qt::ShiftModifier));
    }
}

} // namespace dvk
