#include "screen/score_guide_wnd.h"

#include "layout/guide_slots.h"
#include "screen/colors.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace dvk {
namespace {

QFont label_font(int points, int dpi) {
    QFont font = QApplication::font("QMenu");
    font.setPixelSize(point_to_pixels(points, dpi));
    return font;
}

int modifier_flags(Qt::KeyboardModifiers held) {
    int flags = 0;
    if (held.testFlag(Qt::ShiftModifier)) {
        flags += modifier_shift;
    }
    if (held.testFlag(Qt::ControlModifier)) {
        flags += modifier_ctrl;
    }
    if (held.testFlag(Qt::AltModifier)) {
        flags += modifier_alt;
    }
    return flags;
}

QRect to_rect(const GuideSlotBox& box) {
    return QRect(box.left, box.top, box.width, box.height);
}

} // namespace

ScoreGuideWnd::ScoreGuideWnd(const AppOptions& options, MenuTextFunction menu_text, QWidget* parent)
    : QWidget(parent), m_options(options), m_menu_text(std::move(menu_text)),
      m_modifier_source([] { return QGuiApplication::queryKeyboardModifiers(); }) {
    setObjectName(QStringLiteral("score_guide_wnd"));
    setAccessibleName(tr("Function keys"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_poll_timer = new QTimer(this);
    m_poll_timer->setInterval(poll_interval_ms);
    connect(m_poll_timer, &QTimer::timeout, this, &ScoreGuideWnd::pollModifiers);
    m_tooltip_timer = new QTimer(this);
    m_tooltip_timer->setSingleShot(true);
    m_tooltip_timer->setInterval(tooltip_delay_ms);
    connect(m_tooltip_timer, &QTimer::timeout, this, &ScoreGuideWnd::showToolTip);
    reloadOptions();
}

void ScoreGuideWnd::setKeyTable(const std::vector<KeyBinding>& keys) {
    m_keys = keys;
    fitFont();
    assignSlots();
}

void ScoreGuideWnd::modifierKeyPressed() {
    m_poll_timer->start();
    pollModifiers();
}

void ScoreGuideWnd::setModifierSource(ModifierSource source) {
    m_modifier_source = std::move(source);
}

bool ScoreGuideWnd::isPolling() const {
    return m_poll_timer->isActive();
}

void ScoreGuideWnd::pollModifiers() {
    const int held = modifier_flags(m_modifier_source ? m_modifier_source() : Qt::NoModifier);
    if (held != m_modifiers) {
        m_modifiers = held;
        m_hot_slot = 0;
        m_pressed_slot = 0;
        assignSlots();
    }
    if (held == 0) {
        m_poll_timer->stop();
    }
}

void ScoreGuideWnd::reloadOptions() {
    m_colors = Colors{option_color(m_options, ColorItem::guide_background),
                      option_color(m_options, ColorItem::guide_text),
                      option_color(m_options, ColorItem::guide_select_background),
                      option_color(m_options, ColorItem::guide_select_text),
                      option_color(m_options, ColorItem::guide_box_background),
                      option_color(m_options, ColorItem::guide_box_text),
                      option_color(m_options, ColorItem::guide_box_frame),
                      option_color(m_options, ColorItem::guide_box_disable)};
    fitFont();
    update();
}

int ScoreGuideWnd::heightFor(int length) const {
    return guide_bar_height(length);
}

QString ScoreGuideWnd::commandName(int command) const {
    const auto menu_text = [this](std::int32_t id) {
        return m_menu_text ? m_menu_text(id).toStdString() : std::string();
    };
    return QString::fromStdString(guide_command_name(command, menu_text));
}

void ScoreGuideWnd::assignSlots() {
    const auto actions = guide_slot_actions(m_keys, m_modifiers);
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        m_slots[i].command = actions[i];
        m_slots[i].name = actions[i] ? commandName(*actions[i]) : QString();
    }
    cutNames();
    update();
}

void ScoreGuideWnd::fitFont() {
    // Fitting measures text at many sizes; a hidden window fits once it is shown.
    if (!isVisible()) {
        m_fit_pending = true;
        return;
    }
    m_fit_pending = false;
    const int dpi = logicalDpiY();
    const int height_points = guide_font_points(
        height(), [dpi](int size) { return QFontMetrics(label_font(size, dpi)).height(); });
    // One size for every modifier state, so the labels keep their size while keys are held.
    QStringList names;
    for (const std::int32_t action : guide_shown_actions(m_keys)) {
        names.append(commandName(action));
    }
    // Each size is measured once for all names.
    int measured_size = -1;
    std::optional<QFontMetrics> metrics;
    int room = 0;
    const int points =
        shrink_to_fit(height_points, static_cast<int>(names.size()), [&](int size, int index) {
            if (size != measured_size) {
                measured_size = size;
                metrics.emplace(label_font(size, dpi));
                room = nameRoom(metrics->horizontalAdvance(QStringLiteral("F188")));
            }
            return metrics->horizontalAdvance(names.at(index)) <= room;
        });
    m_font = label_font(points, dpi);
    m_cap_width = QFontMetrics(m_font).horizontalAdvance(QStringLiteral("F188"));
    cutNames();
}

int ScoreGuideWnd::nameRoom(int cap_width) const {
    return guide_name_box(guide_slot_box(1, width(), height()), cap_width).width;
}

void ScoreGuideWnd::cutNames() {
    const QFontMetrics metrics(m_font);
    const auto measure = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    const int room = nameRoom(m_cap_width);
    for (Slot& slot : m_slots) {
        slot.shown = QString::fromStdString(elide_text(slot.name.toStdString(), room, measure));
    }
}

const ScoreGuideWnd::Slot& ScoreGuideWnd::slotData(int slot) const {
    return m_slots[static_cast<std::size_t>(std::clamp(slot, 1, guide_slot_count) - 1)];
}

int ScoreGuideWnd::slotAt(const QPoint& point) const {
    return guide_slot_at(point.x(), point.y(), width(), height());
}

QRect ScoreGuideWnd::slotRect(int slot) const {
    return to_rect(guide_slot_box(slot, width(), height()));
}

std::optional<int> ScoreGuideWnd::slotCommand(int slot) const {
    if (slot < 1 || slot > guide_slot_count) {
        return std::nullopt;
    }
    return slotData(slot).command;
}

QString ScoreGuideWnd::slotName(int slot) const {
    return slotCommand(slot) ? slotData(slot).name : QString();
}

QString ScoreGuideWnd::shownName(int slot) const {
    return slotCommand(slot) ? slotData(slot).shown : QString();
}

void ScoreGuideWnd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_fit_pending) {
        fitFont();
    }
}

void ScoreGuideWnd::resizeEvent(QResizeEvent* /*event*/) {
    fitFont();
}

void ScoreGuideWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_captured = true;
    m_hot_slot = m_pressed_slot = slotAt(event->position().toPoint());
    update();
}

void ScoreGuideWnd::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const int slot = slotAt(position);
    if (slot != m_tip_slot) {
        QToolTip::hideText();
        m_tip_slot = slot;
        m_tooltip_timer->start();
    }
    m_tip_position = position;
    if (m_captured) {
        const int hot = slot == m_pressed_slot ? slot : 0;
        if (hot != m_hot_slot) {
            m_hot_slot = hot;
            update();
        }
    }
}

void ScoreGuideWnd::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_captured || event->button() != Qt::LeftButton) {
        return;
    }
    m_captured = false;
    const int slot = slotAt(event->position().toPoint());
    const std::optional<int> command =
        slot != 0 && slot == m_pressed_slot ? slotCommand(slot) : std::nullopt;
    m_hot_slot = 0;
    m_pressed_slot = 0;
    update();
    if (command) {
        Q_EMIT commandTriggered(*command);
    }
}

void ScoreGuideWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click runs nothing, so a quick double click on a score
    // template enters the score once.
    event->accept();
}

void ScoreGuideWnd::leaveEvent(QEvent* /*event*/) {
    m_tooltip_timer->stop();
    m_tip_slot = 0;
}

bool ScoreGuideWnd::event(QEvent* event) {
    // The bar shows its own tooltips after its own delay.
    if (event->type() == QEvent::ToolTip) {
        return true;
    }
    return QWidget::event(event);
}

void ScoreGuideWnd::showToolTip() {
    const QString name = slotName(m_tip_slot);
    if (name.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(mapToGlobal(m_tip_position), name, this, slotRect(m_tip_slot));
}

void ScoreGuideWnd::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), m_colors.background);
    painter.setFont(m_font);
    for (int slot = 1; slot <= guide_slot_count; ++slot) {
        paintSlot(painter, slot);
    }
}

void ScoreGuideWnd::paintSlot(QPainter& painter, int slot) {
    const GuideSlotBox box = guide_slot_box(slot, width(), height());
    const bool assigned = slotCommand(slot).has_value();
    const bool hot = assigned && slot == m_hot_slot;
    if (hot) {
        painter.fillRect(to_rect(box), m_colors.select_background);
    }
    const QRectF cap =
        QRectF(to_rect(guide_cap_box(box, m_cap_width))).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = m_cap_width / 12.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(assigned ? m_colors.box_frame : m_colors.box_disable);
    painter.setBrush(assigned ? m_colors.box_background : m_colors.background);
    painter.drawRoundedRect(cap, radius, radius);
    painter.restore();
    painter.setPen(assigned ? m_colors.box_text : m_colors.box_disable);
    painter.drawText(cap, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("F%1").arg(slot));
    if (assigned) {
        painter.setPen(hot ? m_colors.select_text : m_colors.text);
        painter.drawText(to_rect(guide_name_box(box, m_cap_width)),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         slotData(slot).shown);
    }
}

} // namespace dvk
