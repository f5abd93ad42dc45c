#include "broadcast/broadcast_dialog.h"

#include "broadcast/broadcast_room.h"
#include "broadcast/qr_code_view.h"
#include "platform/message_boxes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace dvk {

BroadcastDialog::BroadcastDialog(BroadcastRoom& room, QWidget* owner)
    : QDialog(owner), m_room(room) {
    setObjectName(QStringLiteral("broadcast_dialog"));
    setWindowTitle(tr("Broadcast"));

    auto* where = new QGroupBox(tr("Listen on"), this);
    m_local = new QRadioButton(tr("&This computer only"), where);
    m_lan = new QRadioButton(tr("The &local network (TV, phone)"), where);
    m_port = new QSpinBox(where);
    m_port->setObjectName(QStringLiteral("broadcast_port"));
    m_port->setRange(1024, 65535);
    m_autostart = new QCheckBox(tr("Start with the &program"), where);
    auto* where_layout = new QFormLayout(where);
    where_layout->addRow(m_local);
    where_layout->addRow(m_lan);
    where_layout->addRow(tr("Po&rt:"), m_port);
    where_layout->addRow(m_autostart);

    const BroadcastSettings& s = room.settings();
    (s.lan ? m_lan : m_local)->setChecked(true);
    m_port->setValue(s.port);
    m_autostart->setChecked(s.autostart);

    m_start = new QPushButton(this);
    m_start->setObjectName(QStringLiteral("broadcast_start"));
    connect(m_start, &QPushButton::clicked, this, &BroadcastDialog::toggle_server);
    m_status = new QLabel(this);
    m_addresses = new QLabel(this);
    m_addresses->setObjectName(QStringLiteral("broadcast_addresses"));
    m_addresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_code = new QLabel(this);
    m_code->setObjectName(QStringLiteral("broadcast_code"));
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = m_code->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    m_code->setFont(big);
    m_qr = new QrCodeView(this);
    m_qr->setObjectName(QStringLiteral("broadcast_qr"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* info = new QVBoxLayout;
    info->addWidget(m_status);
    info->addWidget(m_addresses);
    info->addWidget(m_code);
    info->addStretch(1);
    auto* shown = new QHBoxLayout;
    shown->addLayout(info, 1);
    shown->addWidget(m_qr, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(m_start, 0, Qt::AlignLeft);
    layout->addLayout(shown);
    layout->addWidget(buttons);
    show_state();
}

void BroadcastDialog::open_for(BroadcastRoom& room, QWidget* owner) {
    BroadcastDialog dialog(room, owner);
    dialog.exec();
}

void BroadcastDialog::toggle_server() {
    if (m_room.running()) {
        m_room.stop();
        show_state();
        return;
    }
    BroadcastSettings s;
    s.lan = m_lan->isChecked();
    s.port = m_port->value();
    s.autostart = m_autostart->isChecked();
    if (!(s == m_room.settings()) && !m_room.change_settings(s)) {
        MessageBoxes::error(this, tr("The settings could not be saved."));
    }
    QString error;
    if (!m_room.start(error)) {
        MessageBoxes::error(this, tr("The server could not start: %1").arg(error));
    }
    show_state();
}

void BroadcastDialog::show_state() {
    const bool on = m_room.running();
    m_start->setText(on ? tr("&Stop the server") : tr("&Start the server"));
    for (QWidget* w : {static_cast<QWidget*>(m_local), static_cast<QWidget*>(m_lan),
                       static_cast<QWidget*>(m_port), static_cast<QWidget*>(m_autostart)}) {
        w->setEnabled(!on);
    }
    if (!on) {
        m_status->setText(tr("The server is off. Nothing of this computer is served."));
        m_addresses->clear();
        m_code->clear();
        m_qr->set_text(QString());
        m_qr->setVisible(false);
        adjustSize();
        return;
    }
    const QStringList addresses = m_room.page_addresses();
    const QString first = addresses.value(0);
    m_status->setText(m_room.settings().lan ? tr("The server is on for the local network.")
                                            : tr("The server is on for this computer only."));
    QStringList lines;
    for (const QString& a : addresses) {
        lines << tr("Scoreboard: %1").arg(a) << tr("Stream overlay: %1overlay").arg(a)
              << tr("Keypad: %1remote").arg(a);
    }
    m_addresses->setText(lines.join(QLatin1Char('\n')));
    m_code->setText(tr("Pairing code: %1").arg(m_room.pairing_code()));
    m_qr->set_text(first + QStringLiteral("remote"));
    m_qr->setToolTip(tr("Scan with the phone to open the keypad."));
    m_qr->setFixedSize(m_qr->sizeHint());
    m_qr->setVisible(true);
    adjustSize();
}

} // namespace dvk
