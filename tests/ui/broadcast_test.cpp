#include "broadcast/broadcast_dialog.h"
#include "broadcast/broadcast_room.h"
#include "broadcast/broadcast_server.h"
#include "broadcast/qr_code_view.h"
#include "program_under_test.h"

#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

using namespace dvk;

namespace {

quint16 free_port() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QVariantMap two_players() {
    return {{QStringLiteral("p1_name"), QStringLiteral("Ann")},
            {QStringLiteral("p2_name"), QStringLiteral("Bob")},
            {QStringLiteral("start_score"), 501}};
}

// A client that completes the WebSocket upgrade and then never reads another byte.
std::unique_ptr<QTcpSocket> stalled_client(quint16 port) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    if (!socket->waitForConnected(5000)) {
        return nullptr;
    }
    const QByteArray host = "127.0.0.1:" + QByteArray::number(port);
    socket->write("GET /ws HTTP/1.1\r\nHost: " + host +
                  "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                  "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n"
                  "Origin: http://" +
                  host + "\r\n\r\n");
    socket->setReadBufferSize(1);
    return socket;
}

} // namespace

class BroadcastTest : public QObject, private ProgramUnderTest {
    Q_OBJECT

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { finish(); }

    void theServerIsOffUntilStartedAndLeavesTheSettingsFileAlone() {
        put(QStringLiteral("dvk.ini"),
            "[broadcast]\r\nport=" + QByteArray::number(free_port()) + "\r\n");
        start(two_players());
        BroadcastRoom& room = *window().broadcast();
        QVERIFY(!room.running());
        QString error;
        QVERIFY2(room.start(error), qPrintable(error));
        QVERIFY(
            QRegularExpression(QStringLiteral("^\\d{6}$")).match(room.pairing_code()).hasMatch());
        QCOMPARE(room.page_addresses(),
                 QStringList{QStringLiteral("http://127.0.0.1:%1/").arg(room.settings().port)});
        room.stop();
        QVERIFY(!room.running());
        QVERIFY(room.page_addresses().isEmpty());
        stop();
        QFile ini(path(QStringLiteral("dvk.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(!ini.readAll().contains("lan="));
    }

    void theDialogStartsTheServerAndShowsAReadableQrCodeOfTheKeypad() {
        start(two_players());
        BroadcastRoom& room = *window().broadcast();
        BroadcastSettings settings = room.settings();
        settings.port = free_port();
        QVERIFY(room.change_settings(settings));
        {
            BroadcastDialog dialog(room);
            dialog.show();
            dialog.start_button()->click();
            QVERIFY(room.running());
            QVERIFY(dialog.pairing_label()->text().endsWith(room.pairing_code()));
            QrCodeView* qr = dialog.qr_code();
            QCOMPARE(qr->text(), room.page_addresses().first() + QStringLiteral("remote"));
            const int n = qr->modules();
            QVERIFY(n >= 21);
            // The three finder patterns a camera looks for: dark 7x7 rings round a dark core.
            for (const QPoint corner : {QPoint(0, 0), QPoint(n - 7, 0), QPoint(0, n - 7)}) {
                for (int i = 0; i < 7; ++i) {
                    QVERIFY(qr->dark(corner.x() + i, corner.y()));
                    QVERIFY(qr->dark(corner.x(), corner.y() + i));
                }
                QVERIFY(!qr->dark(corner.x() + 1, corner.y() + 1));
                QVERIFY(qr->dark(corner.x() + 3, corner.y() + 3));
            }
            // Black on white with a white quiet zone of four modules, each module a whole
            // number of pixels.
            const QImage image = qr->grab().toImage();
            const int total = n + 2 * QrCodeView::quiet_zone;
            const int module = std::min(image.width(), image.height()) / total;
            QVERIFY(module >= 2);
            const int left = (image.width() - module * total) / 2;
            const int top = (image.height() - module * total) / 2;
            for (int i = 0; i < total * module; ++i) {
                QCOMPARE(image.pixelColor(left + i, top).lightness(), 255);
                QCOMPARE(image.pixelColor(left, top + i).lightness(), 255);
                QCOMPARE(image.pixelColor(left + i, top + 4 * module - 1).lightness(), 255);
            }
            QCOMPARE(image.pixelColor(left + 4 * module, top + 4 * module).lightness(), 0);
            dialog.start_button()->click();
            QVERIFY(!room.running());
            QVERIFY(!qr->isVisible());
        }
        stop();
        QFile ini(path(QStringLiteral("dvk.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("port=" + QByteArray::number(settings.port)));
    }

    void aClientThatNeverReadsIsDroppedBeforeItHoldsMuchOfTheProgramsMemory() {
        BroadcastServer server(QStringLiteral("123456"),
                               [](const PageRequest&) { return QByteArray(); });
        QString error;
        QVERIFY2(server.listen_on(0, false, error), qPrintable(error));
        const std::unique_ptr<QTcpSocket> stalled = stalled_client(server.port());
        QVERIFY(stalled != nullptr);
        QTRY_COMPARE(server.client_count(), 1);
        const QByteArray state(60 * 1024, 'x');
        for (int i = 0; i < 400 && server.client_count() > 0; ++i) {
            server.publish(state);
            QCoreApplication::processEvents();
        }
        QTRY_COMPARE(server.client_count(), 0);
    }
};

QTEST_MAIN(BroadcastTest)
#include "broadcast_test.moc"
