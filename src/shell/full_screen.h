#pragma once

#include "settings/app_options.h"

#include <QObject>
#include <QPointer>

class QMainWindow;
class QMenu;
class QTimer;

namespace dvk {

// Full screen for the main window: no frame, the whole screen, and a menu bar that hides itself
// and comes back when the mouse reaches the top edge or the keyboard opens the menu (Alt, F10).
// A negative menu interval keeps the menu bar shown.
class FullScreen : public QObject {
    Q_OBJECT
public:
    FullScreen(QMainWindow* window, AppOptions& options);

    bool active() const { return m_options.full_screen == 1; }
    void enter();
    void leave();
    void toggle() { active() ? leave() : enter(); }
    // Called once the window is shown when the options start it in full screen.
    void applyAtStart();
    // Shows the hidden menu bar for a while (the keyboard asked for the menu).
    void revealMenuBar();
    bool menuBarHidden() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool hidesMenuBar() const;
    void hideMenuBarIfAway();
    void pollMouse();

    QPointer<QMainWindow> m_window;
    AppOptions& m_options;
    QTimer* m_hide_timer;
    QTimer* m_poll_timer;
    int m_state_before = 10;
};

} // namespace dvk
