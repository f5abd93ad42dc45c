#include "broadcast/broadcast_room.h"

#include "broadcast/broadcast_server.h"
#include "broadcast/dialog_answer.h"
#include "broadcast/snapshot_json.h"
#include "broadcast_model/match_snapshot.h"
#include "broadcast_model/request_check.h"
#include "settings/profile_file.h"
#include "shell/command_ids.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTimer>
#include <QWindow>

namespace dvk {

namespace {

QString new_pairing_code() {
    return QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1'000'000), 6, 10,
                                    QLatin1Char('0'));
}

} // namespace

BroadcastRoom::BroadcastRoom(Match& match, const ArrangeTable& checkouts, std::string settings_path,
                             std::function<void(int)> run_command, QObject* parent)
    : QObject(parent), m_match(match), m_checkouts(checkouts),
      m_settings_path(std::move(settings_path)), m_run_command(std::move(run_command)) {
    // A window opening or closing anywhere in the program may start or end a wait.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] { match_changed(); });
    const ProfileLoad loaded = profile_load(m_settings_path);
    if (loaded.status == ProfileLoadStatus::Loaded) {
        m_settings = read_broadcast_settings(loaded.document);
    }
}

BroadcastRoom::~BroadcastRoom() = default;

bool BroadcastRoom::change_settings(const BroadcastSettings& settings) {
    m_settings = settings;
    ProfileLoad loaded = profile_load(m_settings_path);
    if (loaded.status == ProfileLoadStatus::Failed) {
        return false;
    }
    write_broadcast_settings(loaded.document, settings);
    return profile_save(loaded.document, m_settings_path).ok;
}

bool BroadcastRoom::start(QString& error) {
    stop();
    auto server = std::make_unique<BroadcastServer>(
        new_pairing_code(), [this](const PageRequest& r) { return handle(r); });
    if (!server->listen_on(static_cast<quint16>(m_settings.port), m_settings.lan, error)) {
        return false;
    }
    m_server = std::move(server);
    m_last_state.clear();
    publish();
    Q_EMIT runningChanged();
    return true;
}

void BroadcastRoom::stop() {
    if (m_server == nullptr) {
        return;
    }
    m_server.reset();
    Q_EMIT runningChanged();
}

void BroadcastRoom::start_if_wanted() {
    if (m_settings.autostart) {
        QString ignored;
        start(ignored);
    }
}

QStringList BroadcastRoom::page_addresses() const {
    return m_server != nullptr ? m_server->page_addresses() : QStringList();
}

QString BroadcastRoom::pairing_code() const {
    return m_server != nullptr ? m_server->pairing_code() : QString();
}

int BroadcastRoom::client_count() const {
    return m_server != nullptr ? m_server->client_count() : 0;
}

void BroadcastRoom::push_wait(const DialogWait& wait) {
    m_waits.push_back(wait);
    match_changed();
}

void BroadcastRoom::pop_wait() {
    if (!m_waits.empty()) {
        m_waits.pop_back();
    }
    match_changed();
}

DialogWait BroadcastRoom::current_wait() const {
    if (!m_waits.empty()) {
        return m_waits.back();
    }
    // Any other window of the program (options, history, a question) holds the match too.
    if (QApplication::activeModalWidget() != nullptr) {
        return DialogWait{WaitKind::other};
    }
    return DialogWait{};
}

void BroadcastRoom::match_changed() {
    if (m_server == nullptr || m_publish_pending) {
        return;
    }
    m_publish_pending = true;
    QTimer::singleShot(0, this, [this] {
        m_publish_pending = false;
        publish();
    });
}

void BroadcastRoom::publish() {
    if (m_server == nullptr) {
        return;
    }
    const QByteArray state = snapshot_message(make_snapshot(m_match, m_checkouts, current_wait()));
    if (state == m_last_state) {
        return;
    }
    m_last_state = state;
    m_server->publish(state);
}

QByteArray BroadcastRoom::handle(const PageRequest& request) {
    const DialogWait wait = current_wait();
    const RequestVerdict verdict = check_request(request, EntryState::of(m_match, wait));
    if (!verdict.accepted()) {
        return result_message(verdict);
    }
    // The command runs once the page's message has been handled: it may open a dialog with
    // its own event loop, which must not run inside the server's receiving.
    const int value = verdict.value;
    switch (verdict.action) {
    case RemoteAction::enter_visit:
        QTimer::singleShot(0, this,
                           [this, value] { m_run_command(command::template_first + value); });
        break;
    case RemoteAction::previous_cell:
        QTimer::singleShot(0, this, [this] { m_run_command(command::previous); });
        break;
    case RemoteAction::answer_dialog:
        QTimer::singleShot(0, this, [this, wait, value] {
            if (current_wait() == wait) {
                answer_open_dialog(wait, value);
            }
        });
        break;
    case RemoteAction::none:
        break;
    }
    match_changed();
    return result_message(verdict);
}

} // namespace dvk
