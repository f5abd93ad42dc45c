#include "screen/score_list_wnd.h"

#include "screen/score_edit.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace dvk {

namespace {

QFont font_at_points(const QString& family, int points, int dpi) {
    QFont font(family);
    font.setPixelSize(std::max(1, points * dpi / 72));
    return font;
}

} // namespace

ScoreListWnd::ScoreListWnd(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("score_list_wnd"));
    setAccessibleName(tr("Score list"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    m_edit = new ScoreEdit(this);
    m_edit->setMaxLength(3);
    m_edit->hide();
    m_scroll_bar = new QScrollBar(Qt::Vertical, this);
    m_scroll_bar->setFocusPolicy(Qt::NoFocus);
    m_computer_timer = new QTimer(this);
    m_computer_timer->setSingleShot(true);
    m_computer_timer->setInterval(1);
    connect(m_computer_timer, &QTimer::timeout, this, &ScoreListWnd::runComputerTurn);
    connect(m_scroll_bar, &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_updating_scroll_bar && m_sheet != nullptr) {
            m_sheet->scroll_to(value);
        }
    });
    connect(m_edit, &ScoreEdit::leftEdge, this, [this] {
        if (m_sheet != nullptr && !m_sheet->input_disabled()) {
            m_sheet->left_edge();
        }
    });
    connect(m_edit, &ScoreEdit::rightEdge, this, [this] {
        if (m_sheet != nullptr && !m_sheet->input_disabled()) {
            m_sheet->right_edge();
        }
    });
    connect(m_edit, &ScoreEdit::modifierKeyPressed, this, &ScoreListWnd::modifierKeyPressed);
    setScreenStyle(m_style);
}

ScoreListWnd::~ScoreListWnd() = default;

void ScoreListWnd::setSheet(ScoreSheet* sheet) {
    m_sheet = sheet;
    relayout();
}

void ScoreListWnd::setScreenStyle(const ScreenStyle& style) {
    m_style = style;
    m_edit->setColors(ScoreEditColors{style.input_background, style.input_text,
                                      style.input_select_background, style.input_select_text,
                                      style.ton_circle});
    m_scroll_bar->setVisible(style.scroll_bar);
    relayout();
    update();
}

void ScoreListWnd::setInputDisabled(bool disabled) {
    if (m_sheet != nullptr) {
        m_sheet->set_input_disabled(disabled);
    }
    m_edit->setEnabled(!disabled);
    setFocusPolicy(disabled ? Qt::NoFocus : Qt::StrongFocus);
}

void ScoreListWnd::setComputerVisit(std::function<void(int)> visit) {
    m_computer_visit = std::move(visit);
}

void ScoreListWnd::startComputerTurn() {
    m_computer_timer->start();
}

void ScoreListWnd::runComputerTurn() {
    if (m_sheet == nullptr || m_sheet->shown_leg_finished()) {
        return;
    }
    Q_EMIT computerTurnStarting();
    m_sheet->escape();
    const int player = m_sheet->game().current_leg().next_player;
    if (m_computer_visit) {
        m_computer_visit(player);
    }
    m_sheet->apply_computer_result();
}

int ScoreListWnd::clientWidth() const {
    const int bar = m_style.scroll_bar ? m_scroll_bar->sizeHint().width() : 0;
    return std::max(width() - bar, 1);
}

void ScoreListWnd::relayout() {
    const int w = clientWidth();
    m_columns = score_list_columns(w);
    const bool view_only = m_sheet != nullptr && m_sheet->view_only();
    const int dpi = logicalDpiY();
    m_score_font = font_at_points(m_style.font_family, score_font_points(w, view_only), dpi);
    m_header_font = font_at_points(m_style.font_family, header_font_points(w), dpi);
    m_row_height = std::max(1, score_list_row_height(QFontMetrics(m_score_font).height()));
    m_header_height = score_list_row_height(QFontMetrics(m_header_font).height());
    m_edit->setScoreFont(m_score_font);
    if (m_style.scroll_bar) {
        const int bar = m_scroll_bar->sizeHint().width();
        m_scroll_bar->setGeometry(width() - bar, 0, bar, height());
    }
    rebuildTemplate();
    if (m_sheet != nullptr) {
        m_sheet->set_rows_per_page(
            score_list_rows_per_page(height(), m_header_height, m_row_height));
        m_sheet->place_input_cell(false, true);
    }
}

void ScoreListWnd::rebuildTemplate() {
    const int w = m_columns.width;
    const int h = m_header_height + 2 * m_row_height;
    m_template = QPixmap(std::max(w, 1), std::max(h, 1));
    QPainter p(&m_template);
    p.fillRect(0, 0, w, h, m_style.background);
    if (m_style.odd_background != m_style.background) {
        p.fillRect(0, m_header_height + m_row_height, w, m_row_height, m_style.odd_background);
    }
    p.fillRect(0, 0, w, m_header_height, m_style.header_background);
    p.fillRect(m_columns.round_left, 0, m_columns.round_right - m_columns.round_left, h,
               m_style.header_background);

    const bool view_only = m_sheet != nullptr && m_sheet->view_only();
    const int first =
        m_sheet != nullptr && m_sheet->game().has_current_leg()
            ? m_sheet->game().legs[static_cast<std::size_t>(m_sheet->shown_leg())].first_player
            : 0;
    m_template_first_player = first;
    p.setFont(m_header_font);
    p.setPen(m_style.header_text);
    for (int player = 0; player < 2; ++player) {
        const auto i = static_cast<std::size_t>(player);
        p.drawText(QRect(m_columns.scored_left[i], 0,
                         m_columns.scored_right[i] - m_columns.scored_left[i], m_header_height),
                   Qt::AlignCenter, tr("Scored"));
        const QString to_go =
            (view_only && player == first ? QStringLiteral("* ") : QString()) + tr("To Go");
        p.drawText(QRect(m_columns.to_go_left[i], 0,
                         m_columns.to_go_right[i] - m_columns.to_go_left[i], m_header_height),
                   Qt::AlignCenter, to_go);
    }
    p.setPen(QPen(m_style.line, 1));
    for (int x : {m_columns.scored_right[0], m_columns.scored_right[1]}) {
        p.drawLine(x, 0, x, h);
    }
    for (int k = 1; k <= 2; ++k) {
        const int y = m_header_height - 1 + k * m_row_height;
        p.drawLine(0, y, w, y);
    }
    p.setPen(QPen(m_style.separate, 2));
    p.drawLine(0, m_header_height - 1, w, m_header_height - 1);
    p.drawLine(m_columns.round_left + 1, 0, m_columns.round_left + 1, h);
    p.drawLine(m_columns.round_right - 1, 0, m_columns.round_right - 1, h);
}

QRect ScoreListWnd::scoredCellRect(int player, int screen_row) const {
    const auto i = static_cast<std::size_t>(player);
    return QRect(m_columns.scored_left[i], m_header_height + m_row_height * screen_row,
                 m_columns.scored_right[i] - m_columns.scored_left[i], m_row_height - 1);
}

void ScoreListWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_style.background);
    if (m_sheet == nullptr || !m_sheet->game().has_current_leg()) {
        painter.drawPixmap(0, 0, m_template, 0, 0, m_columns.width, m_header_height);
        return;
    }
    const GameRecord& game = m_sheet->game();
    const LegRecord& leg = game.legs[static_cast<std::size_t>(m_sheet->shown_leg())];
    // The heading marks the first thrower of the leg shown, which another leg may change.
    if (leg.first_player != m_template_first_player) {
        rebuildTemplate();
    }
    painter.drawPixmap(0, 0, m_template, 0, 0, m_columns.width, m_header_height);
    painter.setRenderHint(QPainter::Antialiasing);

    const int top = m_sheet->top();
    int running[2];
    for (int p = 0; p < 2; ++p) {
        running[p] = game.players[static_cast<std::size_t>(p)].start_score;
        for (int r = 0; r < std::min(top - 1, leg.round + 1); ++r) {
            running[p] -= leg.score(p, r);
        }
    }
    for (int a = top, y = m_header_height; y < height(); ++a, y += m_row_height) {
        if (game.round_limit == 1 && a > leg.rows) {
            painter.fillRect(0, y, m_columns.width, height() - y, m_style.header_background);
            break;
        }
        paintRow(painter, a, y, running);
        if (a >= 1 && a - 1 <= leg.round) {
            for (int p = 0; p < 2; ++p) {
                running[p] -= std::max<int>(leg.score(p, a - 1), 0);
            }
        }
    }
}

void ScoreListWnd::paintRow(QPainter& painter, int a, int y, const int running[2]) {
    const GameRecord& game = m_sheet->game();
    const LegRecord& leg = game.legs[static_cast<std::size_t>(m_sheet->shown_leg())];
    const int band = m_header_height + (a % 2 == 0 ? 0 : m_row_height);
    painter.drawPixmap(0, y, m_template, 0, band, m_columns.width, m_row_height);
    if (m_style.separate_flag && a % 5 == 0) {
        painter.setPen(QPen(m_style.separate, 1));
        painter.drawLine(0, y + m_row_height - 1, m_columns.width, y + m_row_height - 1);
    }
    const auto cell = [&](int left, int right) {
        return QRect(left, y, right - left, m_row_height - 1);
    };
    painter.setFont(m_score_font);
    if (a == 0) {
        for (int p = 0; p < 2; ++p) {
            const auto i = static_cast<std::size_t>(p);
            painter.fillRect(cell(m_columns.scored_left[i], m_columns.scored_right[i]),
                             m_style.header_background);
            painter.setPen(m_style.text);
            painter.drawText(cell(m_columns.to_go_left[i], m_columns.to_go_right[i]),
                             Qt::AlignCenter, QString::number(game.players[i].start_score));
        }
        return;
    }
    QColor number_colour = m_style.header_text;
    if (game.round_limit == 1 && a > game.round - 3) {
        number_colour = m_style.last3number_text;
    }
    painter.setPen(number_colour);
    painter.drawText(cell(m_columns.round_left + 2, m_columns.round_right - 2), Qt::AlignCenter,
                     QString::number(m_style.throw_count ? 3 * a : a));
    const int round = a - 1;
    if (round > leg.round) {
        return;
    }
    for (int p = 0; p < 2; ++p) {
        const bool open_round = round == leg.round;
        if (open_round && (p != leg.first_player || leg.next_player == leg.first_player)) {
            continue;
        }
        const auto i = static_cast<std::size_t>(p);
        const int entry = leg.score(p, round);
        paintScore(painter, cell(m_columns.scored_left[i], m_columns.scored_right[i]),
                   cell(m_columns.to_go_left[i], m_columns.to_go_right[i]), entry,
                   running[p] - entry);
    }
}

void ScoreListWnd::paintScore(QPainter& painter, const QRect& scored, const QRect& to_go, int entry,
                              int remaining) {
    if (entry < 0) {
        const int d = m_row_height - 3;
        const QRect circle(scored.center().x() - d / 2, scored.center().y() - d / 2, d, d);
        painter.setPen(QPen(m_style.scored_text, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle);
        painter.drawText(circle, Qt::AlignCenter, QString::number(-entry));
        return;
    }
    if (entry >= 100 && m_style.ton_circle_flag) {
        painter.setPen(QPen(m_style.ton_circle, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(scored.adjusted(1, 1, -1, -1));
    }
    painter.setPen(m_style.scored_text);
    painter.drawText(scored, Qt::AlignCenter, QString::number(entry));
    painter.setPen(m_style.text);
    painter.drawText(to_go, Qt::AlignCenter, QString::number(remaining));
}

void ScoreListWnd::resizeEvent(QResizeEvent*) {
    relayout();
}

void ScoreListWnd::mousePressEvent(QMouseEvent* event) {
    if (m_sheet == nullptr || (m_sheet->input_disabled() && !m_sheet->view_only())) {
        return;
    }
    if (m_sheet->shown_leg_finished() || m_sheet->input_disabled()) {
        setFocus();
        return;
    }
    const QPoint at = event->position().toPoint();
    if (at.y() < m_header_height) {
        return;
    }
    m_sheet->click(score_list_hit_column(m_columns, at.x()),
                   (at.y() - m_header_height) / m_row_height);
}

void ScoreListWnd::wheelEvent(QWheelEvent* event) {
    if (m_sheet == nullptr) {
        return;
    }
    const ScrollCommand command =
        event->angleDelta().y() > 0 ? ScrollCommand::LineUp : ScrollCommand::LineDown;
    for (int i = 0; i < 3; ++i) {
        m_sheet->scroll(command);
    }
    event->accept();
}

void ScoreListWnd::keyPressEvent(QKeyEvent* event) {
    if (m_sheet == nullptr || (m_sheet->input_disabled() && !m_sheet->view_only())) {
        return;
    }
    // A view-only list without input only scrolls, as on a finished leg.
    if (!m_sheet->shown_leg_finished() && !m_sheet->input_disabled()) {
        // A key the input cell left unused comes on to its parent, this list: it must go on up,
        // never back to the cell. Only a key that reached the list first is given to the cell,
        // and then by a direct call, which cannot hand it back here.
        if (window()->focusWidget() == m_edit) {
            event->ignore();
            return;
        }
        m_sheet->place_input_cell(false, true);
        if (m_edit->isVisible() && m_edit->takeKey(*event)) {
            event->accept();
        } else {
            event->ignore();
        }
        return;
    }
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
        Q_EMIT modifierKeyPressed();
        break;
    case Qt::Key_PageUp:
        m_sheet->scroll(ScrollCommand::PageUp);
        break;
    case Qt::Key_PageDown:
        m_sheet->scroll(ScrollCommand::PageDown);
        break;
    case Qt::Key_Home:
        m_sheet->scroll(ScrollCommand::Top);
        break;
    case Qt::Key_End:
        m_sheet->scroll(ScrollCommand::Bottom);
        break;
    case Qt::Key_Up:
        m_sheet->scroll(ScrollCommand::LineUp);
        break;
    case Qt::Key_Down:
        m_sheet->scroll(ScrollCommand::LineDown);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ScoreListWnd::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT scoreMenuRequested(event->globalPos());
}

void ScoreListWnd::focusInEvent(QFocusEvent*) {
    if (m_sheet != nullptr && !m_sheet->input_disabled() && !m_sheet->shown_leg_finished()) {
        m_sheet->place_input_cell(false, false);
    }
}

std::string ScoreListWnd::input_text() const {
    return m_edit->text().toStdString();
}

bool ScoreListWnd::input_modified() const {
    return m_edit->isModified();
}

void ScoreListWnd::set_input_text(const std::string& text, bool select_all) {
    m_edit->setRedrawEnabled(false);
    m_edit->setText(QString::fromStdString(text));
    if (select_all) {
        m_edit->selectAll();
    }
    m_edit->setRedrawEnabled(true);
}

void ScoreListWnd::set_input_modified(bool modified) {
    m_edit->setModified(modified);
}

void ScoreListWnd::show_input_cell(int player, int screen_row, bool read_only) {
    const QRect cell = scoredCellRect(player, screen_row);
    if (cell.top() >= height()) {
        hide_input_cell();
        return;
    }
    m_edit->setReadOnly(read_only);
    m_edit->setGeometry(cell);
    m_edit->show();
    if (isVisible() && window()->isActiveWindow()) {
        m_edit->setFocus();
    } else {
        setFocusProxy(m_edit);
    }
    m_edit->update();
}

void ScoreListWnd::hide_input_cell() {
    setFocusProxy(nullptr);
    if (m_edit->hasFocus()) {
        setFocus();
    }
    m_edit->hide();
}

void ScoreListWnd::repaint(int) {
    update();
}

void ScoreListWnd::scrolled(int, int new_top) {
    syncScrollBar();
    m_updating_scroll_bar = true;
    m_scroll_bar->setValue(new_top);
    m_updating_scroll_bar = false;
    update();
}

void ScoreListWnd::scroll_range_changed() {
    syncScrollBar();
}

void ScoreListWnd::syncScrollBar() {
    if (m_sheet == nullptr) {
        return;
    }
    m_updating_scroll_bar = true;
    const int largest = m_sheet->largest_top();
    m_scroll_bar->setEnabled(largest > 0);
    m_scroll_bar->setRange(0, largest);
    m_scroll_bar->setPageStep(std::max(m_sheet->rows_per_page(), 1));
    m_scroll_bar->setValue(m_sheet->top());
    m_updating_scroll_bar = false;
}

} // namespace dvk
