#include "dialogs/com_throw_dialog.h"

#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace dvk {
namespace {

constexpr int dart_point_size = 22;
constexpr int minimum_button_width = 88;

QFont dart_font(const AppOptions& options, int dpi) {
    QFont font(QString::fromStdString(options.font_name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(dart_point_size * dpi / 72.0))));
    return font;
}

// A box fits the widest dart text ("T20", "D25", ...) with a margin of half a digit.
QSize dart_box_size(const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QChar prefix : {u'S', u'D', u'T'}) {
        for (int number = 1; number <= bull_number; ++number) {
            widest = std::max(widest, metrics.horizontalAdvance(prefix + QString::number(number)));
        }
    }
    const int margin = metrics.horizontalAdvance(u'0');
    return {widest + 2 * margin, metrics.height() + margin};
}

std::uint32_t millisecond_tick() {
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace

ComThrowDialog::ComThrowDialog(GameRecord& game, int player, const ComTable& table,
                               const AppOptions& options, std::uint32_t seed, QWidget* owner)
    : QDialog(owner),
      m_thrower(table, Segment{options.default_number, options.default_segment}, seed),
      m_visit(game, player, m_thrower), m_period(std::max(options.com_timer, 0)) {
    setObjectName(QStringLiteral("ComThrowDialog"));
    setWindowTitle(tr("COM"));
    setAccessibleName(windowTitle());

    const QFont font = dart_font(options, logicalDpiY());
    const QSize box_size = dart_box_size(font);
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(8);
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        QLabel* box = new QLabel(this);
        box->setObjectName(QStringLiteral("dart_%1").arg(i + 1));
        box->setAccessibleName(tr("Dart %1").arg(i + 1));
        box->setFont(font);
        box->setFixedSize(box_size);
        box->setAlignment(Qt::AlignCenter);
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setBackgroundRole(QPalette::Base);
        box->setAutoFillBackground(true);
        boxes->addWidget(box);
        m_boxes[i] = box;
    }

    m_stop = new QPushButton(tr("&Stop"), this);
    m_stop->setObjectName(QStringLiteral("stop"));
    m_stop->setMinimumWidth(minimum_button_width);
    connect(m_stop, &QPushButton::clicked, this, &ComThrowDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_stop);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    // One dart per tick; the timer is restarted only after a dart has been shown, so ticks
    // never overlap.
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ComThrowDialog::throw_next);
}

void ComThrowDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
    if (!m_started) {
        m_started = true;
        m_timer->start(m_period);
    }
}

void ComThrowDialog::throw_next() {
    const ComStep step = m_visit.tick();
    if (step.kind == ComStep::Kind::Finished) {
        accept();
        return;
    }
    m_boxes.at(static_cast<std::size_t>(step.dart_index))
        ->setText(QString::fromStdString(step.dart.text()));
    m_timer->start(m_period);
}

void ComThrowDialog::reject() {
    if (m_visit.finished()) {
        QDialog::reject();
        return;
    }
    // The visit waits for the answer, so that no dart lands or ends it behind the question.
    const bool was_running = m_timer->isActive();
    const int remaining = std::max(m_timer->remainingTime(), 0);
    m_timer->stop();
    if (MessageBoxes::question(this, tr("Do you want to stop a game?"), MessageBoxes::Button::No)) {
        m_visit.stop();
        QDialog::reject();
        return;
    }
    if (was_running) {
        m_timer->start(remaining);
    }
}

void ComThrowDialog::throw_all() {
    while (!m_visit.finished()) {
        m_visit.tick();
    }
}

void ComThrowDialog::run(QWidget* owner, GameRecord& game, int player, const ComTable& table,
                         const AppOptions& options) {
    if (!is_player(player)) {
        return;
    }
    ComThrowDialog dialog(game, player, table, options, millisecond_tick(), owner);
    const PlayerBlock& thrower = game.players[static_cast<std::size_t>(player)];
    const QVariantMap arguments{
        {QStringLiteral("player"), player},
        {QStringLiteral("remaining"), thrower.remaining},
        {QStringLiteral("com_level"), thrower.com_level},
        {QStringLiteral("com_timer"), options.com_timer},
    };
    if (const auto scripted = DialogScript::take_answer(dialog.objectName(), arguments)) {
        if (!scripted->isValid()) {
            dialog.m_visit.stop();
            return;
        }
        dialog.m_thrower.reseed(scripted->toUInt());
        dialog.throw_all();
        return;
    }
    dialog.exec();
}

} // namespace dvk
