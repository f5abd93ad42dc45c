#include "shell/qt_match_ports.h"

#include "archive/archive_recorder.h"
#include "broadcast/broadcast_room.h"
#include "dialogs/check_out_dialog.h"
#include "dialogs/check_out_mode_dialog.h"
#include "dialogs/leg_end_messages.h"
#include "dialogs/middle_for_diddle_dialog.h"
#include "platform/local_time.h"
#include "platform/message_boxes.h"
#include "platform/system_services.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"

#include <QCoreApplication>

namespace dvk {

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}

// What the open dialog asks, for the pages of the Broadcast room.
DialogWait waiting_for(MainWindow& window, WaitKind kind) {
    DialogWait wait;
    wait.kind = kind;
    wait.player = window.match().sheet().input_cell().player;
    return wait;
}

} // namespace

int QtMatchPorts::ask_checkout_darts(int check_out) {
    DialogWait wait = waiting_for(m_window, WaitKind::check_out_darts);
    wait.score = check_out;
    const DialogWaitScope waiting(m_window.broadcast(), wait);
    return CheckOutDialog::ask(&m_window, check_out);
}

int QtMatchPorts::ask_double_darts(int shown, int minimum, int maximum) {
    DialogWait wait = waiting_for(m_window, WaitKind::double_darts);
    wait.shown = shown;
    wait.minimum = minimum;
    wait.maximum = maximum;
    const DialogWaitScope waiting(m_window.broadcast(), wait);
    return CheckOutModeDialog::ask(&m_window, shown, minimum, maximum,
                                   QString::fromStdString(m_window.options().font_name));
}

bool QtMatchPorts::confirm_game_shot(int darts, int winning_darts, bool computer_caption,
                                     const std::string& player_name) {
    DialogWait wait = waiting_for(m_window, WaitKind::game_shot);
    wait.score = darts;
    wait.winning_darts = winning_darts;
    wait.can_cancel = !computer_caption;
    const DialogWaitScope waiting(m_window.broadcast(), wait);
    return LegEndMessages::confirm_game_shot(&m_window, darts, winning_darts, computer_caption,
                                             QString::fromStdString(player_name));
}

int QtMatchPorts::choose_diddle_winner(const std::string& player1, const std::string& player2) {
    const DialogWaitScope waiting(m_window.broadcast(), DialogWait{WaitKind::diddle_winner, -1});
    return MiddleForDiddleDialog::ask(&m_window, QString::fromStdString(player1),
                                      QString::fromStdString(player2));
}

bool QtMatchPorts::confirm_check_in(int darts, const std::string& caption) {
    DialogWait wait = waiting_for(m_window, WaitKind::check_in);
    wait.winning_darts = darts;
    const DialogWaitScope waiting(m_window.broadcast(), wait);
    return LegEndMessages::confirm_check_in(&m_window, darts, QString::fromStdString(caption));
}

bool QtMatchPorts::ask_yes_no(Question question) {
    switch (question) {
    case Question::ExchangeScores:
        return MessageBoxes::question(
            &m_window, translated(QT_TRANSLATE_NOOP("MainWindow",
                                                    "Are you sure you want to exchange scores?")));
    case Question::ClearScores:
        return MessageBoxes::question(
            &m_window,
            translated(QT_TRANSLATE_NOOP("MainWindow", "Are you sure you want to clear scores?")));
    case Question::PreviousLeg:
        return MessageBoxes::question(
            &m_window, translated(QT_TRANSLATE_NOOP("MainWindow",
                                                    "Are you sure you return to previous Leg?")));
    }
    return false;
}

void QtMatchPorts::show_leg_drawn() {
    MessageBoxes::information(&m_window,
                              translated(QT_TRANSLATE_NOOP("MainWindow", "A game is a draw.")));
}

void QtMatchPorts::show_error(const std::string& text) {
    MessageBoxes::error(&m_window, QString::fromStdString(text));
}

void QtMatchPorts::beep() {
    dvk::beep();
}

int QtMatchPorts::notify_plugins(int event, int argument) {
    // A leg starting is the moment to write legs that wait for the archive.
    if (event == plugin_event_leg_start && m_window.archive() != nullptr) {
        m_window.archive()->leg_started();
    }
    return m_window.notifyPlugins(event, argument);
}

void QtMatchPorts::refresh_player(int player, bool with_title) {
    m_window.refreshPlayer(player, with_title);
}

void QtMatchPorts::first_thrower_changed(bool refresh) {
    m_window.firstThrowerChanged(refresh);
}

bool QtMatchPorts::game_over() {
    if (m_window.archive() != nullptr) {
        m_window.archive()->game_ended(m_window.match().game());
    }
    return m_window.nextGame();
}

void QtMatchPorts::drop_last_stored_game() {
    m_window.match().drop_last_stored_game();
}

void QtMatchPorts::player_to_throw(int player) {
    m_window.playerToThrow(player);
}

void QtMatchPorts::enable_previous_leg(bool enabled) {
    m_window.enablePreviousLeg(enabled);
}

void QtMatchPorts::start_computer_turn() {
    m_window.startComputerTurn();
}

void QtMatchPorts::write_recovery(const GameRecord& game, RecoveryWrite mode, int player,
                                  int round) {
    m_window.writeRecovery(game, mode, player, round);
}

void QtMatchPorts::auto_save(const GameRecord& game) {
    m_window.autoSave(game);
}

void QtMatchPorts::leg_finished(const GameRecord& game) {
    if (m_window.archive() != nullptr) {
        m_window.archive()->leg_finished(game);
    }
}

void QtMatchPorts::legs_reopened(const GameRecord& game) {
    if (m_window.archive() != nullptr) {
        m_window.archive()->legs_reopened(game);
    }
}

SystemTime QtMatchPorts::local_time() {
    return dvk::local_time();
}

void QtMatchPorts::show_final_result(const FinalResult& result) {
    QString text;
    if (result.is_draw()) {
        text = translated(QT_TRANSLATE_NOOP("MainWindow", "A game is a draw."));
    } else {
        const QString winner = result.winner() == 1
                                   ? translated(QT_TRANSLATE_NOOP("MainWindow", "Player 2"))
                                   : translated(QT_TRANSLATE_NOOP("MainWindow", "Player 1"));
        text = translated(QT_TRANSLATE_NOOP("MainWindow", "%1 - %2: Winner is %3."))
                   .arg(result.sets[0])
                   .arg(result.sets[1])
                   .arg(winner);
    }
    MessageBoxes::information(&m_window, text);
}

void QtMatchPorts::refresh_player_information() {
    m_window.refreshPlayer(0, false);
    m_window.refreshPlayer(1, false);
}

void QtMatchPorts::leg_limit_changed(bool) {
    m_window.legLimitChanged();
    m_window.refreshPlayer(0, true);
}

void QtMatchPorts::enable_modify_schedule(bool enabled) {
    m_window.mainMenu()->setEnabled(command::modify_schedule, enabled);
}

} // namespace dvk
