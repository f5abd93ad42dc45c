#include "platform/dialog_script.h"
#include "screen/score_edit.h"
#include "screen/score_list_wnd.h"
#include "shell/command_ids.h"
#include "shell/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void type(dvk::MainWindow& window, int points) {
    dvk::ScoreEdit* edit = window.scoreList()->edit();
    edit->setText(QString::number(points));
    edit->setModified(true);
}

void press_enter(QWidget* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

} // namespace

// Times an Enter that commits a visit, up to the end of the repaint it causes, in a leg that
// has run for 100 rounds: prints the median and the largest of 41 visits in milliseconds.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    // No dialog opens: the game option dialog of a fresh start is answered with its defaults.
    dvk::DialogScript script;
    script.push_answer(QStringLiteral("GameOptionDialog"), true);
    dvk::Program program(folder.path().toStdString());
    dvk::MainWindow& window = program.window();
    window.setCloseWithoutAsking(true);
    program.options().game.start_score = 100000;
    window.match().start_new_game(false);
    window.resize(1280, 800);
    window.show();
    QApplication::processEvents();
    for (int i = 0; i < 200; ++i) {
        type(window, 20);
        window.runCommand(dvk::command::next);
    }
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < 41; ++i) {
        type(window, 60);
        QElapsedTimer timer;
        timer.start();
        press_enter(window.scoreList()->edit());
        QApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("round %d: median %.2f ms, largest %.2f ms\n",
                window.match().game().current_leg().round, times[times.size() / 2], times.back());
    return 0;
}
