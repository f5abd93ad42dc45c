#pragma once

#include "broadcast_model/page_request.h"
#include "broadcast_model/pairing_guard.h"

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QHttpServerResponder>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWebSocket;

namespace dvk {

// The web server of the Broadcast room: hands out the built-in pages and keeps one WebSocket
// per open page, pushing each state to all of them. A page may send requests only after it
// has paired with the code shown in the program. Addresses, hosts and origins other than the
// server's own are refused, and every client is bounded in what it may send and in what the
// program keeps waiting for it.
class BroadcastServer : public QAbstractHttpServer {
    Q_OBJECT

public:
    static constexpr int max_clients = 32;
    static constexpr int requests_per_second = 10;
    static constexpr int request_burst = 20;
    // A client that has this much of the program's messages unread is dropped.
    static constexpr qint64 max_unread_bytes = 256 * 1024;

    // Answers a request of a paired page with the message to send back.
    using RequestHandler = std::function<QByteArray(const PageRequest&)>;

    BroadcastServer(const QString& pairing_code, RequestHandler handler, QObject* parent = nullptr);
    ~BroadcastServer() override;

    // Listens on this computer only, or with `lan` on every IPv4 address of this computer,
    // taking connections from private network addresses only. False with `error` set when the
    // port cannot be had.
    bool listen_on(quint16 port, bool lan, QString& error);

    quint16 port() const { return m_port; }
    // The addresses to open, loopback first when only this computer is served.
    QStringList page_addresses() const;
    QString pairing_code() const { return QString::fromStdString(m_pairing.code()); }
    int client_count() const { return static_cast<int>(m_clients.size()); }

    // Sends `state` to every page now and to every page that connects later.
    void publish(const QByteArray& state);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Client;

    void take_connections();
    void receive(QWebSocket* socket, const QString& text);
    void send(Client& client, const QByteArray& message);
    void drop(QWebSocket* socket);
    Client* client_of(QWebSocket* socket);
    bool peer_allowed(const QHostAddress& address) const;
    bool host_allowed(const QByteArray& host) const;
    bool origin_allowed(const QByteArray& origin) const;
    std::optional<QHttpServerResponder::StatusCode>
    upgrade_refusal(const QHttpServerRequest& request) const;

    PairingGuard m_pairing;
    RequestHandler m_handler;
    std::vector<std::unique_ptr<Client>> m_clients;
    QSet<QString> m_hosts; // "127.0.0.1:8469" and the like, as Host and Origin name them
    QStringList m_addresses;
    QByteArray m_state;
    QElapsedTimer m_clock;
    quint16 m_port = 0;
    bool m_lan = false;
};

} // namespace dvk
