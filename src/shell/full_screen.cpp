#include "shell/full_screen.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace dvk {

FullScreen::FullScreen(QMainWindow* window, AppOptions& options)
    : QObject(window), m_window(window), m_options(options), m_hide_timer(new QTimer(this)),
      m_poll_timer(new QTimer(this)) {
    m_hide_timer->setSingleShot(true);
    connect(m_hide_timer, &QTimer::timeout, this, &FullScreen::hideMenuBarIfAway);
    m_poll_timer->setInterval(50);
    connect(m_poll_timer, &QTimer::timeout, this, &FullScreen::pollMouse);
    for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
        menu->installEventFilter(this);
    }
    qApp->installEventFilter(this);
}

bool FullScreen::hidesMenuBar() const {
    return active() && m_options.full_screen_menu_interval >= 0;
}

bool FullScreen::menuBarHidden() const {
    return m_window != nullptr && !m_window->menuBar()->isVisible();
}

void FullScreen::enter() {
    m_options.full_screen = 1;
    m_state_before = m_window->isMaximized() ? 3 : 10;
    m_window->showFullScreen();
    if (hidesMenuBar()) {
        m_window->menuBar()->hide();
        m_poll_timer->start();
    }
}

void FullScreen::applyAtStart() {
    if (active() && hidesMenuBar()) {
        m_window->menuBar()->hide();
        m_poll_timer->start();
    }
}

void FullScreen::leave() {
    m_options.full_screen = 0;
    m_poll_timer->stop();
    m_hide_timer->stop();
    m_window->menuBar()->show();
    m_window->showNormal();
    const WindowRect& r = m_options.main_window;
    if (m_state_before == 3) {
        QTimer::singleShot(100, m_window, [w = m_window] {
            if (w != nullptr) {
                w->showMaximized();
            }
        });
    } else if (r.is_stored()) {
        m_window->move(r.left, r.top);
        m_window->resize(r.width, r.height);
    }
}

void FullScreen::revealMenuBar() {
    if (!hidesMenuBar() || !m_window->isActiveWindow()) {
        return;
    }
    m_window->menuBar()->show();
    m_hide_timer->start(std::max(m_options.full_screen_menu_interval, 0));
}

void FullScreen::pollMouse() {
    if (!menuBarHidden() || m_window == nullptr || !m_window->isActiveWindow()) {
        return;
    }
    const QPoint at = m_window->mapFromGlobal(QCursor::pos());
    if (m_window->rect().contains(at) && at.y() <= m_window->menuBar()->sizeHint().height()) {
        revealMenuBar();
    }
}

void FullScreen::hideMenuBarIfAway() {
    if (!hidesMenuBar() || menuBarHidden()) {
        return;
    }
    const QPoint at = m_window->mapFromGlobal(QCursor::pos());
    const bool menu_open = m_window->menuBar()->activeAction() != nullptr;
    if (!menu_open && at.y() > m_window->menuBar()->height()) {
        m_window->menuBar()->hide();
    } else {
        m_hide_timer->start(std::max(m_options.full_screen_menu_interval, 0));
    }
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event) {
    if (!hidesMenuBar()) {
        return false;
    }
    if (event->type() == QEvent::KeyPress && menuBarHidden()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Alt || key->key() == Qt::Key_F10) && widget != nullptr &&
            widget->window() == m_window) {
            revealMenuBar();
        }
    } else if (qobject_cast<QMenu*>(watched) != nullptr) {
        if (event->type() == QEvent::Show) {
            m_hide_timer->stop();
        } else if (event->type() == QEvent::Hide) {
            m_hide_timer->start(std::max(m_options.full_screen_menu_interval, 0));
        }
    }
    return false;
}

} // namespace dvk
