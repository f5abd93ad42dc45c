#pragma once

#include "broadcast_model/broadcast_settings.h"
#include "broadcast_model/dialog_wait.h"
#include "broadcast_model/page_request.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dvk {

class BroadcastServer;
class Match;
struct ArrangeTable;

// The match on other screens: owns the server while it runs, turns every change of the match
// into a state for the pages, and turns checked requests of the keypad page into the commands
// the keyboard gives. Without a running server it does nothing but remember the open dialog.
class BroadcastRoom : public QObject {
    Q_OBJECT

public:
    BroadcastRoom(Match& match, const ArrangeTable& checkouts, std::string settings_path,
                  std::function<void(int)> run_command, QObject* parent = nullptr);
    ~BroadcastRoom() override;

    const BroadcastSettings& settings() const { return m_settings; }
    // Keeps the new settings and writes them to the [broadcast] section of dvk.ini; false
    // when the file could not be written.
    bool change_settings(const BroadcastSettings& settings);

    // Starts the server with the settings and a new pairing code; false with `error` set when
    // it cannot listen.
    bool start(QString& error);
    void stop();
    bool running() const { return m_server != nullptr; }
    QStringList page_addresses() const;
    QString pairing_code() const;
    int client_count() const;

    // Starts the server when the user chose "Start with the program".
    void start_if_wanted();

    // Something of the match may have changed: the pages get the new state once the program
    // is idle again, and only when it differs from the last one sent.
    void match_changed();

    // An open dialog of the program waits for an answer (scoped: see DialogWaitScope).
    void push_wait(const DialogWait& wait);
    void pop_wait();
    DialogWait current_wait() const;

Q_SIGNALS:
    void runningChanged();

private:
    void publish();
    QByteArray handle(const PageRequest& request);

    Match& m_match;
    const ArrangeTable& m_checkouts;
    std::string m_settings_path;
    std::function<void(int)> m_run_command;
    BroadcastSettings m_settings;
    std::unique_ptr<BroadcastServer> m_server;
    std::vector<DialogWait> m_waits;
    QByteArray m_last_state;
    bool m_publish_pending = false;
};

// Tells the room for its lifetime that a dialog waits for an answer.
class DialogWaitScope {
public:
    DialogWaitScope(BroadcastRoom* room, const DialogWait& wait) : m_room(room) {
        if (m_room != nullptr) {
            m_room->push_wait(wait);
        }
    }
    ~DialogWaitScope() {
        if (m_room != nullptr) {
            m_room->pop_wait();
        }
    }
    DialogWaitScope(const DialogWaitScope&) = delete;
    DialogWaitScope& operator=(const DialogWaitScope&) = delete;

private:
    BroadcastRoom* m_room;
};

} // namespace dvk
