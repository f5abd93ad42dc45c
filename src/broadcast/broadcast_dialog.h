#pragma once

#include <QDialog>
#include <QLabel>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace dvk {

class BroadcastRoom;
class QrCodeView;

// "Broadcast": starts and stops the server of the Broadcast room, chooses where it listens,
// and shows the addresses to open, a QR code of the keypad page and the pairing code.
class BroadcastDialog : public QDialog {
    Q_OBJECT

public:
    BroadcastDialog(BroadcastRoom& room, QWidget* owner = nullptr);

    static void open_for(BroadcastRoom& room, QWidget* owner);

    QPushButton* start_button() const { return m_start; }
    QLabel* pairing_label() const { return m_code; }
    QrCodeView* qr_code() const { return m_qr; }

public Q_SLOTS:
    void toggle_server();

private:
    void show_state();

    BroadcastRoom& m_room;
    QRadioButton* m_local = nullptr;
    QRadioButton* m_lan = nullptr;
    QSpinBox* m_port = nullptr;
    QCheckBox* m_autostart = nullptr;
    QPushButton* m_start = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_addresses = nullptr;
    QLabel* m_code = nullptr;
    QrCodeView* m_qr = nullptr;
};

} // namespace dvk
