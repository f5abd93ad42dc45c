#include "platform/dialog_script.h"
#include "probe_conditions.h"
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
#include <cstdlib>
#include <ctime>
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

// Counts the paints of one window, so that a timed visit is known to have been drawn.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* window) { window->installEventFilter(this); }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++m_count;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int m_count = 0;
};

// This thread's processor time in milliseconds: unlike the clock on the wall, it leaves out the
// time other programs of a loaded machine take.
double thread_cpu_ms() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int argument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

} // namespace

// Times an Enter that commits a visit, up to the end of the repaint it causes, in a leg without
// a round limit that has run to a given round (default 1000): prints the round, the median and
// the largest of the timed visits (default 41) in milliseconds, and the conditions.
// Usage: dvk_repaint_probe [ROUND] [VISITS]
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int target_round = argument(argc, argv, 1, 1000);
    const int visits = argument(argc, argv, 2, 41);
    QTemporaryDir folder;
    // No dialog opens: the game option dialog of a fresh start is answered with its defaults.
    dvk::DialogScript script;
    script.push_answer(QStringLiteral("GameOptionDialog"), true);
    dvk::Program program(folder.path().toStdString());
    dvk::MainWindow& window = program.window();
    window.setCloseWithoutAsking(true);
    dvk::GameOptions& game = program.options().game;
    game.start_score = 99999;
    game.p1_start_score = game.p2_start_score = 0;
    game.round_limit = 0;
    window.match().start_new_game(false);
    window.resize(1280, 800);
    window.show();
    QApplication::processEvents();
    const auto round = [&] { return window.match().game().current_leg().round; };
    while (round() < target_round) {
        type(window, 20);
        window.runCommand(dvk::command::next);
        if (round() % 50 == 0) {
            QApplication::processEvents();
        }
    }
    QApplication::processEvents();
    const int first_round = round();
    const PaintCounter paints(window.scoreList());
    std::vector<double> times;
    std::vector<double> commits;
    std::vector<double> processor;
    for (int i = 0; i < visits; ++i) {
        type(window, 60);
        QElapsedTimer timer;
        const double cpu_start = thread_cpu_ms();
        timer.start();
        press_enter(window.scoreList()->edit());
        commits.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        processor.push_back(thread_cpu_ms() - cpu_start);
    }
    std::sort(times.begin(), times.end());
    std::printf("Enter to repaint at rounds %d-%d (no round limit): median %.2f ms, largest "
                "%.2f ms (the visit's commit: median %.2f ms; processor time: median %.2f ms, "
                "largest %.2f ms); "
                "%d visits, %d paints of the score list; %s\n",
                first_round, round(), times[times.size() / 2], times.back(), median(commits),
                median(processor), *std::max_element(processor.begin(), processor.end()), visits,
                paints.count(), probe_conditions().c_str());
    return paints.count() >= visits ? 0 : 1;
}
