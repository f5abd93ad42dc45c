#include "broadcast/broadcast_server.h"

#include "broadcast/snapshot_json.h"
#include "broadcast/web_resources.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QWebSocket>

#include <algorithm>

namespace dvk {

struct BroadcastServer::Client {
    std::unique_ptr<QWebSocket> socket;
    QString address;
    bool paired = false;
    RequestBudget budget{requests_per_second, request_burst};
    int refused_in_a_row = 0;
};

namespace {

using Status = QHttpServerResponder::StatusCode;

// Requests over the budget are answered with a refusal; a client that keeps sending after
// this many refusals in a row is not a page and is dropped.
constexpr int max_refused_in_a_row = 50;

// "Try again later" (RFC 6455 registry), which Qt's list of close codes leaves out.
constexpr auto try_again_later = static_cast<QWebSocketProtocol::CloseCode>(1013);

bool is_private_ipv4(const QHostAddress& address) {
    bool ok = false;
    const quint32 ip = address.toIPv4Address(&ok);
    if (!ok) {
        return false;
    }
    return (ip >> 24) == 10 || (ip >> 20) == ((172U << 4) | 1U) ||
           (ip >> 16) == ((192U << 8) | 168U) || (ip >> 16) == ((169U << 8) | 254U) ||
           (ip >> 24) == 127;
}

QString host_text(const QHostAddress& address, quint16 port) {
    return QStringLiteral("%1:%2").arg(address.toString()).arg(port);
}

} // namespace

BroadcastServer::BroadcastServer(const QString& pairing_code, RequestHandler handler,
                                 QObject* parent)
    : QAbstractHttpServer(parent), m_pairing(pairing_code.toStdString()),
      m_handler(std::move(handler)) {
    m_clock.start();
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this,
            &BroadcastServer::take_connections);
}

BroadcastServer::~BroadcastServer() {
    for (const auto& client : m_clients) {
        client->socket->disconnect(this);
        client->socket->abort();
    }
}

bool BroadcastServer::listen_on(quint16 port, bool lan, QString& error) {
    auto tcp = std::make_unique<QTcpServer>();
    tcp->setMaxPendingConnections(max_clients);
    const QHostAddress bound =
        lan ? QHostAddress(QHostAddress::AnyIPv4) : QHostAddress(QHostAddress::LocalHost);
    if (!tcp->listen(bound, port)) {
        error = tcp->errorString();
        return false;
    }
    m_port = tcp->serverPort();
    m_lan = lan;
    bind(tcp.release());

    m_hosts.clear();
    m_addresses.clear();
    m_hosts.insert(QStringLiteral("localhost:%1").arg(m_port));
    m_hosts.insert(host_text(QHostAddress(QHostAddress::LocalHost), m_port));
    if (lan) {
        for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) {
                m_hosts.insert(host_text(a, m_port));
                m_addresses.append(QStringLiteral("http://%1/").arg(host_text(a, m_port)));
            }
        }
    }
    m_addresses.append(
        QStringLiteral("http://%1/").arg(host_text(QHostAddress(QHostAddress::LocalHost), m_port)));
    return true;
}

QStringList BroadcastServer::page_addresses() const {
    return m_addresses;
}

bool BroadcastServer::peer_allowed(const QHostAddress& address) const {
    QHostAddress peer = address;
    bool mapped = false;
    const quint32 ip = peer.toIPv4Address(&mapped);
    if (mapped) {
        peer = QHostAddress(ip);
    }
    return m_lan ? is_private_ipv4(peer) : peer.isLoopback();
}

bool BroadcastServer::host_allowed(const QByteArray& host) const {
    return m_hosts.contains(QString::fromLatin1(host).toLower());
}

bool BroadcastServer::origin_allowed(const QByteArray& origin) const {
    const QUrl url(QString::fromLatin1(origin));
    return url.scheme() == QLatin1String("http") && url.path().isEmpty() &&
           host_allowed(QStringLiteral("%1:%2").arg(url.host()).arg(url.port(80)).toLatin1());
}

std::optional<QHttpServerResponder::StatusCode>
BroadcastServer::upgrade_refusal(const QHttpServerRequest& request) const {
    // Only the server's own pages may open a socket: a page of any other site names its own
    // origin, which a browser always sends with the upgrade.
    if (request.url().path() != QLatin1String("/ws")) {
        return Status::NotFound;
    }
    if (!origin_allowed(request.value("Origin"))) {
        return Status::Forbidden;
    }
    if (client_count() >= max_clients) {
        return Status::ServiceUnavailable;
    }
    return std::nullopt;
}

bool BroadcastServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const bool upgrade = request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
    std::optional<Status> refusal;
    if (!peer_allowed(request.remoteAddress())) {
        refusal = Status::Forbidden;
    } else if (!host_allowed(request.value("Host"))) {
        // A page fetched under any other name than the server's own addresses (a rebound DNS
        // name of a foreign site) gets nothing.
        refusal = Status::MisdirectedRequest;
    } else if (upgrade) {
        refusal = upgrade_refusal(request);
        if (!refusal) {
            return true; // the WebSocket server takes the connection over
        }
    }
    if (refusal) {
        makeResponder(request, socket).write(*refusal);
        // A refused upgrade goes on to missingHandler, which leaves it answered.
        return !upgrade;
    }
    QHttpServerResponder responder = makeResponder(request, socket);
    if (request.method() != QHttpServerRequest::Method::Get &&
        request.method() != QHttpServerRequest::Method::Head) {
        responder.write(Status::MethodNotAllowed);
        return true;
    }
    const std::optional<WebResource> page = web_resource(request.url().path());
    if (!page) {
        responder.write(Status::NotFound);
        return true;
    }
    QFile file(page->resource);
    if (!file.open(QIODevice::ReadOnly)) {
        responder.write(Status::InternalServerError);
        return true;
    }
    const QByteArray body =
        request.method() == QHttpServerRequest::Method::Head ? QByteArray() : file.readAll();
    responder.write(body,
                    {{"Content-Type", page->content_type},
                     {"Cache-Control", "no-store"},
                     {"X-Content-Type-Options", "nosniff"},
                     {"Referrer-Policy", "no-referrer"},
                     {"Content-Security-Policy",
                      "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
                      "connect-src 'self'; base-uri 'none'; form-action 'none'"}},
                    Status::Ok);
    return true;
}

void BroadcastServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    if (request.value("Upgrade").isEmpty()) {
        makeResponder(request, socket).write(Status::NotFound);
    }
}

void BroadcastServer::take_connections() {
    while (hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> owned = nextPendingWebSocketConnection();
        if (owned == nullptr) {
            continue;
        }
        QWebSocket* socket = owned.get();
        // Checked at the upgrade already; several upgrades may have been in flight at once.
        if (!peer_allowed(socket->peerAddress()) || client_count() >= max_clients) {
            socket->close(try_again_later);
            owned.release()->deleteLater();
            continue;
        }
        socket->setMaxAllowedIncomingFrameSize(page_request_max_bytes);
        socket->setMaxAllowedIncomingMessageSize(page_request_max_bytes);
        socket->setOutgoingFrameSize(64 * 1024);
        auto client = std::make_unique<Client>();
        client->socket = std::move(owned);
        client->address = socket->peerAddress().toString();
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString& text) { receive(socket, text); });
        connect(socket, &QWebSocket::binaryMessageReceived, this, [socket](const QByteArray&) {
            socket->close(QWebSocketProtocol::CloseCodeDatatypeNotSupported);
        });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { drop(socket); });
        m_clients.push_back(std::move(client));
        if (!m_state.isEmpty()) {
            send(*m_clients.back(), m_state);
        }
    }
}

BroadcastServer::Client* BroadcastServer::client_of(QWebSocket* socket) {
    const auto found = std::find_if(m_clients.begin(), m_clients.end(),
                                    [socket](const auto& c) { return c->socket.get() == socket; });
    return found == m_clients.end() ? nullptr : found->get();
}

void BroadcastServer::drop(QWebSocket* socket) {
    const auto found = std::find_if(m_clients.begin(), m_clients.end(),
                                    [socket](const auto& c) { return c->socket.get() == socket; });
    if (found == m_clients.end()) {
        return;
    }
    socket->disconnect(this);
    socket->abort();
    // The socket may be the sender of the signal being handled.
    (*found)->socket.release()->deleteLater();
    m_clients.erase(found);
}

void BroadcastServer::send(Client& client, const QByteArray& message) {
    // A page that stopped reading would make the program hold every later state for it.
    if (client.socket->bytesToWrite() > max_unread_bytes) {
        drop(client.socket.get());
        return;
    }
    client.socket->sendTextMessage(QString::fromUtf8(message));
}

void BroadcastServer::publish(const QByteArray& state) {
    m_state = state;
    std::vector<QWebSocket*> sockets;
    sockets.reserve(m_clients.size());
    for (const auto& c : m_clients) {
        sockets.push_back(c->socket.get());
    }
    for (QWebSocket* socket : sockets) {
        if (Client* c = client_of(socket)) {
            send(*c, state);
        }
    }
}

void BroadcastServer::receive(QWebSocket* socket, const QString& text) {
    Client* client = client_of(socket);
    if (client == nullptr) {
        return;
    }
    const qint64 now = m_clock.elapsed();
    if (!client->budget.take(now)) {
        if (++client->refused_in_a_row > max_refused_in_a_row) {
            drop(socket);
            return;
        }
        send(*client, refusal_message("too_many_requests"));
        return;
    }
    client->refused_in_a_row = 0;
    const QByteArray bytes = text.toUtf8();
    const std::optional<PageRequest> request = parse_page_request(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!request) {
        send(*client, refusal_message("malformed"));
        return;
    }
    if (request->type == RequestType::pair) {
        const PairingOutcome outcome =
            m_pairing.try_code(client->address.toStdString(), request->code, now);
        client->paired = outcome == PairingOutcome::paired;
        send(*client, pairing_message(outcome));
        return;
    }
    if (!client->paired) {
        send(*client, refusal_message("not_paired"));
        return;
    }
    const QByteArray reply = m_handler(*request);
    // The handler may have run a command that dropped clients; look the client up again.
    if (Client* still = client_of(socket)) {
        send(*still, reply);
    }
}

} // namespace dvk
