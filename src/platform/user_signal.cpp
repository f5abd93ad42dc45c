#include "platform/user_signal.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace dvk {

namespace {

// The handler may only write to a file descriptor; the event loop reads the other end.
int signal_pipe[2] = {-1, -1};

void on_user_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signal_pipe[0], &byte, 1);
}

} // namespace

UserSignal::UserSignal(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signal_pipe) != 0) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = on_user_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGUSR1, &action, nullptr) != 0) {
        return;
    }
    m_notifier = new QSocketNotifier(signal_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UserSignal::drain);
}

UserSignal::~UserSignal() {
    if (m_notifier != nullptr) {
        struct sigaction action = {};
        action.sa_handler = SIG_DFL;
        ::sigaction(SIGUSR1, &action, nullptr);
    }
    for (int& fd : signal_pipe) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

void UserSignal::drain() {
    char bytes[64];
    bool any = false;
    while (::read(signal_pipe[1], bytes, sizeof bytes) > 0) {
        any = true;
    }
    if (any) {
        Q_EMIT raised();
    }
}

} // namespace dvk
