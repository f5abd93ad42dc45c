#pragma once

#include <QObject>
#include <QString>

namespace dvk {

class MainWindow;
class UserSignal;

// Describes what the match screen shows, one "key=value" line each: the title, every child
// window's texts and visibility, the input cell, the focus and the menu states. It lets a test
// that drives the real program from outside compare two screens without comparing pixels.
QString describe_screen(const MainWindow& window);

// Writes describe_screen() to `path` each time the process receives SIGUSR1. The file is
// replaced whole, so a reader never sees half of it.
class ScreenStateProbe : public QObject {
    Q_OBJECT
public:
    ScreenStateProbe(const MainWindow& window, QString path, QObject* parent = nullptr);

private:
    void write() const;

    const MainWindow& m_window;
    QString m_path;
    UserSignal* m_signal = nullptr;
};

} // namespace dvk
