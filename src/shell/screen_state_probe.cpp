#include "shell/screen_state_probe.h"

#include "broadcast/broadcast_dialog.h"
#include "platform/user_signal.h"
#include "screen/score_edit.h"
#include "screen/score_left_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_name_wnd.h"
#include "screen/score_player_wnd.h"
#include "shell/career_state_probe.h"
#include "shell/command_ids.h"
#include "shell/full_screen.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/plugin_commands.h"
#include "shell/records_state_probe.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>

namespace dvk {

namespace {

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString name_of(const QWidget* widget) {
    if (widget == nullptr) {
        return {};
    }
    if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
        return QStringLiteral("menu:") + menu->title();
    }
    return widget->objectName().isEmpty() ? widget->windowTitle() : widget->objectName();
}

// Line breaks inside a value would start a new key.
QString one_line(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void describe_menu_states(const MainMenu& menu, QStringList& lines) {
    const std::pair<const char*, int> commands[] = {
        {"previous_leg", command::previous_leg},     {"modify_schedule", command::modify_schedule},
        {"check_out_mode", command::check_out_mode}, {"auto_save", command::auto_save},
        {"view_name", command::view_name},           {"view_player", command::view_player},
        {"view_left", command::view_left},           {"view_guide", command::view_guide},
        {"full_screen", command::full_screen},
    };
    for (const auto& [key, id] : commands) {
        if (const QAction* a = menu.action(id)) {
            lines << QStringLiteral("menu.%1=%2%3")
                         .arg(QLatin1String(key),
                              a->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("greyed"),
                              a->isChecked() ? QStringLiteral(",checked") : QString());
        }
    }
}

// The darts the computer's visit dialog shows, "T20|S5|" while the third is to come.
void describe_com_darts(const QWidget* modal, QStringList& lines) {
    if (modal == nullptr || modal->objectName() != QLatin1String("ComThrowDialog")) {
        return;
    }
    QStringList darts;
    for (int i = 1; i <= 3; ++i) {
        const auto* box = modal->findChild<const QLabel*>(QStringLiteral("dart_%1").arg(i));
        darts << (box != nullptr ? box->text() : QString());
    }
    lines << QStringLiteral("modal.darts=") + darts.join(u'|');
}

} // namespace

QString describe_screen(const MainWindow& window) {
    QStringList lines;
    lines << QStringLiteral("title=") + window.windowTitle();
    lines << QStringLiteral("active_window=") + name_of(QApplication::activeWindow());
    lines << QStringLiteral("modal=") + name_of(QApplication::activeModalWidget());
    if (const auto* box = qobject_cast<const QMessageBox*>(QApplication::activeModalWidget())) {
        lines << QStringLiteral("modal.text=") + one_line(box->text());
    }
    describe_com_darts(QApplication::activeModalWidget(), lines);
    lines << QStringLiteral("popup=") + name_of(QApplication::activePopupWidget());
    lines << QStringLiteral("focus=") + name_of(QApplication::focusWidget());
    // A check box or radio button reached by its mnemonic is clicked a moment after it takes
    // the focus: its mark tells when.
    const auto* button = qobject_cast<const QAbstractButton*>(QApplication::focusWidget());
    lines << QStringLiteral("focus.checked=") + (button != nullptr && button->isCheckable()
                                                     ? flag(button->isChecked())
                                                     : QString());
    lines << QStringLiteral("menu_bar.visible=") + flag(window.menuBar()->isVisible());

    const ScoreNameWnd* name = window.nameWindow();
    lines << QStringLiteral("name.visible=") + flag(name->isVisible());
    lines << QStringLiteral("name.score=") + name->scoreText();
    for (int p = 0; p < 2; ++p) {
        const QString prefix = QStringLiteral("player%1.").arg(p);
        lines << prefix + QStringLiteral("name=") + name->nameText(p);
        const ScorePlayerWnd* info = window.playerWindow(p);
        lines << prefix + QStringLiteral("info.visible=") + flag(info->isVisible());
        lines << prefix + QStringLiteral("info=") + one_line(info->shownTexts().join(u'|'));
        const ScoreLeftWnd* left = window.leftWindow(p);
        lines << prefix + QStringLiteral("left.visible=") + flag(left->isVisible());
        lines << prefix + QStringLiteral("left.active=") + flag(left->isActive());
    }

    const ScoreSheet& sheet = window.match().sheet();
    const GameRecord& game = window.match().game();
    for (int p = 0; p < 2; ++p) {
        lines << QStringLiteral("player%1.remaining=%2")
                     .arg(p)
                     .arg(game.players[static_cast<std::size_t>(p)].remaining);
    }
    lines << QStringLiteral("list.shown_leg=%1").arg(sheet.shown_leg());
    lines << QStringLiteral("list.input_cell=%1,%2")
                 .arg(sheet.input_cell().player)
                 .arg(sheet.input_cell().round);
    const ScoreEdit* edit = window.scoreList()->edit();
    lines << QStringLiteral("input.visible=") + flag(edit->isVisible());
    lines << QStringLiteral("input.text=") + edit->text();
    describe_menu_states(*window.mainMenu(), lines);
    describe_records_dialog(QApplication::activeModalWidget(), lines);
    describe_career_dialog(QApplication::activeModalWidget(), lines);
    if (const auto* broadcast =
            qobject_cast<const BroadcastDialog*>(QApplication::activeModalWidget())) {
        lines << QStringLiteral("broadcast.code=") + broadcast->pairing_label()->text();
    }
    QStringList tools;
    if (const QMenu* menu = window.plugins()->toolsMenu()) {
        for (const QAction* action : menu->actions()) {
            tools << action->text().replace(QLatin1Char('\t'), QLatin1Char(' '));
        }
    }
    lines << QStringLiteral("tools=") + tools.join(u'|');
    return lines.join(u'\n') + u'\n';
}

ScreenStateProbe::ScreenStateProbe(const MainWindow& window, QString path, QObject* parent)
    : QObject(parent), m_window(window), m_path(std::move(path)), m_signal(new UserSignal(this)) {
    connect(m_signal, &UserSignal::raised, this, &ScreenStateProbe::write);
}

void ScreenStateProbe::write() const {
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    file.write(describe_screen(m_window).toUtf8());
    file.commit();
}

} // namespace dvk
