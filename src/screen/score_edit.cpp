#include "screen/score_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <algorithm>
#include <cmath>

namespace dvk {
namespace {

// Enter, Tab, Escape and the like arrive with a control character as their text; they are
// commands for the parent, not typing.
bool is_control_text(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

ScoreEdit::ScoreEdit(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dvknEdit"));
    setAccessibleName(tr("Score input"));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    connect(&m_caret_timer, &QTimer::timeout, this, &ScoreEdit::blink_caret);
    update_layout();
}

void ScoreEdit::setText(const QString& text) {
    m_model.set_text(text.toStdU32String());
    refresh();
}

QString ScoreEdit::text() const {
    return QString::fromStdU32String(m_model.text());
}

void ScoreEdit::selectAll() {
    apply(m_model.select_all());
}

void ScoreEdit::setMaxLength(int length) {
    m_model.set_limit(static_cast<std::size_t>(std::max(length, 0)));
}

void ScoreEdit::redraw() {
    if (m_redraw) {
        update();
    }
}

void ScoreEdit::setScoreFont(const QFont& font) {
    m_font = font;
    refresh();
}

void ScoreEdit::setColors(const ScoreEditColors& colors) {
    m_colors = colors;
    redraw();
}

void ScoreEdit::setTonCircleShown(bool shown) {
    m_ton_circle_shown = shown;
    refresh();
}

bool ScoreEdit::event(QEvent* event) {
    // The control wants every key: Tab and Shift+Tab must not move the focus from here but reach
    // the parent, which turns them into moves between cells.
    if (event->type() == QEvent::KeyPress) {
        auto* key_event = static_cast<QKeyEvent*>(event);
        if (key_event->key() == Qt::Key_Tab || key_event->key() == Qt::Key_Backtab) {
            key_event->ignore();
            return true;
        }
    }
    return QWidget::event(event);
}

void ScoreEdit::keyPressEvent(QKeyEvent* event) {
    if (!handle_key(*event)) {
        event->ignore();
    }
}

bool ScoreEdit::handle_key(const QKeyEvent& event) {
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        Q_EMIT modifierKeyPressed();
        return true;
    case Qt::Key_Home:
        apply(m_model.move_home(shift));
        return true;
    case Qt::Key_End:
        apply(m_model.move_end(shift));
        return true;
    case Qt::Key_Left:
        apply(m_model.move_left(shift));
        return true;
    case Qt::Key_Right:
        apply(m_model.move_right(shift));
        return true;
    case Qt::Key_Backspace:
        apply(m_model.backspace());
        return true;
    case Qt::Key_Delete:
        if (shift) {
            cut_to_clipboard();
        } else {
            apply(m_model.delete_forward());
        }
        return true;
    case Qt::Key_Insert:
        if (ctrl) {
            copy_to_clipboard();
        } else if (shift) {
            paste_from_clipboard();
        } else {
            apply(m_model.toggle_insert_mode());
        }
        return true;
    default:
        break;
    }
    if (ctrl) {
        return handle_ctrl_key(event.key(), shift);
    }
    if (event.modifiers().testFlag(Qt::AltModifier)) {
        return false;
    }
    return type_text(event.text());
}

bool ScoreEdit::handle_ctrl_key(int key, bool shift) {
    switch (key) {
    case Qt::Key_A:
        apply(m_model.select_all());
        return true;
    case Qt::Key_C:
        copy_to_clipboard();
        return true;
    case Qt::Key_V:
        paste_from_clipboard();
        return true;
    case Qt::Key_X:
        cut_to_clipboard();
        return true;
    case Qt::Key_Z:
        apply(shift ? m_model.redo() : m_model.undo());
        return true;
    case Qt::Key_Y:
        apply(m_model.redo());
        return true;
    default:
        return false;
    }
}

bool ScoreEdit::type_text(const QString& text) {
    if (text.isEmpty() || is_control_text(text)) {
        return false;
    }
    for (const char32_t character : text.toStdU32String()) {
        apply(m_model.type(character));
    }
    return true;
}

void ScoreEdit::copy_to_clipboard() {
    const std::u32string selected = m_model.copy();
    if (!selected.empty()) {
        QGuiApplication::clipboard()->setText(QString::fromStdU32String(selected));
    }
}

void ScoreEdit::cut_to_clipboard() {
    const CutResult cut = m_model.cut();
    if (!cut.text.empty()) {
        QGuiApplication::clipboard()->setText(QString::fromStdU32String(cut.text));
    }
    apply(cut.outcome);
}

void ScoreEdit::paste_from_clipboard() {
    // A clipboard without text reads as empty, which pastes nothing.
    apply(m_model.paste(QGuiApplication::clipboard()->text().toStdU32String()));
}

void ScoreEdit::apply(EditOutcome outcome) {
    switch (outcome) {
    case EditOutcome::Nothing:
        break;
    case EditOutcome::Changed:
        refresh();
        break;
    case EditOutcome::Refused:
        QApplication::beep();
        break;
    case EditOutcome::LeftEdge:
        Q_EMIT leftEdge();
        break;
    case EditOutcome::RightEdge:
        Q_EMIT rightEdge();
        break;
    }
}

void ScoreEdit::refresh() {
    update_layout();
    restart_caret_blink();
    redraw();
}

void ScoreEdit::update_layout() {
    const QFontMetrics metrics(m_font, this);
    const std::u32string& text = m_model.text();
    // Summed per character, so that the caret, the hit test and the drawn parts agree.
    m_prefix_widths.assign(1, 0);
    for (const char32_t character : text) {
        m_prefix_widths.push_back(m_prefix_widths.back() +
                                  metrics.horizontalAdvance(QString::fromUcs4(&character, 1)));
    }
    const int text_width = m_prefix_widths.back();
    const int text_top = (height() - metrics.height()) / 2;
    m_text_left = (width() - text_width) / 2;
    m_boundary_origin = static_cast<int>(std::lround((width() - text_width) / 2.0)) - 1;
    m_baseline = text_top + metrics.ascent();
    m_text_band = QRect(0, text_top, width(), metrics.height());
    m_circled = m_ton_circle_shown && text.size() >= 3 && text.front() != U'0';
    update_caret_rect();
}

void ScoreEdit::update_caret_rect() {
    const std::size_t caret = std::min(m_model.caret(), m_prefix_widths.size() - 1);
    int caret_width = 2;
    if (!m_model.insert_mode()) {
        // The overwrite caret covers the character it will replace.
        caret_width = caret + 1 < m_prefix_widths.size()
                          ? m_prefix_widths[caret + 1] - m_prefix_widths[caret]
                          : 0;
        if (caret_width <= 0) {
            caret_width = QFontMetrics(m_font, this).averageCharWidth();
        }
    }
    m_caret_rect = QRect(m_boundary_origin + m_prefix_widths[caret], m_text_band.top(), caret_width,
                         m_text_band.height());
}

std::size_t ScoreEdit::boundary_at(int x) const {
    int edge = m_boundary_origin;
    for (std::size_t i = 0; i + 1 < m_prefix_widths.size(); ++i) {
        const int character_width = m_prefix_widths[i + 1] - m_prefix_widths[i];
        if (x < edge + character_width) {
            return x - edge > character_width / 2 ? i + 1 : i;
        }
        edge += character_width;
    }
    return m_prefix_widths.size() - 1;
}

void ScoreEdit::restart_caret_blink() {
    m_caret_visible = true;
    const int interval = QGuiApplication::styleHints()->cursorFlashTime() / 2;
    if (hasFocus() && interval > 0) {
        m_caret_timer.start(interval);
    }
}

void ScoreEdit::blink_caret() {
    m_caret_visible = !m_caret_visible;
    update(m_caret_rect);
}

void ScoreEdit::mousePressEvent(QMouseEvent* event) {
    const std::size_t boundary = boundary_at(event->position().toPoint().x());
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        m_dragging = true;
        apply(m_model.place_caret(boundary, event->modifiers().testFlag(Qt::ShiftModifier)));
    } else if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        apply(m_model.point_at(boundary));
    } else {
        event->ignore();
    }
}

void ScoreEdit::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && event->buttons().testFlag(Qt::LeftButton)) {
        apply(m_model.drag_caret(boundary_at(event->position().toPoint().x())));
    }
}

void ScoreEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        apply(m_model.drag_caret(boundary_at(event->position().toPoint().x())));
    }
}

void ScoreEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    apply(m_model.select_all());
}

void ScoreEdit::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    restart_caret_blink();
    update();
}

void ScoreEdit::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    m_caret_timer.stop();
    m_caret_visible = false;
    m_dragging = false;
    update();
}

void ScoreEdit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update_layout();
}

void ScoreEdit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_colors.background);
    if (m_circled) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_colors.ton_circle, 2));
        painter.setBrush(m_colors.background);
        painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    painter.setFont(m_font);
    const std::u32string& text = m_model.text();
    const std::size_t start = m_model.selection_start();
    const std::size_t end = m_model.selection_end();
    const auto draw_part = [&](std::size_t from, std::size_t to) {
        painter.drawText(QPoint(m_text_left + m_prefix_widths[from], m_baseline),
                         QString::fromStdU32String(text.substr(from, to - from)));
    };
    painter.setPen(m_colors.text);
    draw_part(0, start);
    draw_part(end, text.size());
    if (start < end) {
        const int left = m_text_left + m_prefix_widths[start];
        painter.fillRect(QRect(left, m_text_band.top(),
                               m_prefix_widths[end] - m_prefix_widths[start], m_text_band.height()),
                         m_colors.select_background);
        painter.setPen(m_colors.select_text);
        draw_part(start, end);
    }

    if (hasFocus() && m_caret_visible) {
        // Like a system caret: invert what lies under it.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(m_caret_rect, Qt::black);
    }
}

} // namespace dvk
