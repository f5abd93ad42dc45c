#pragma once

#include <QObject>

class QSocketNotifier;

namespace dvk {

// Turns the process signal SIGUSR1 into a Qt signal delivered in the event loop, so another
// process (the end-to-end tests) can ask the running program for something without a key.
class UserSignal : public QObject {
    Q_OBJECT
public:
    // Only one instance may exist; it installs the signal handler for the process.
    explicit UserSignal(QObject* parent = nullptr);
    ~UserSignal() override;

    bool isWatching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void raised();

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace dvk
