#include "dialogs/check_out_dialog.h"
#include "dialogs/check_out_mode_dialog.h"
#include "dialogs/com_throw_dialog.h"
#include "dialogs/dart_out_shots_dialog.h"
#include "dialogs/game_history_dialog.h"
#include "dialogs/game_option_dialog.h"
#include "dialogs/key_page.h"
#include "dialogs/middle_for_diddle_dialog.h"
#include "dialogs/option_sheet.h"
#include "dialogs/player_page.h"
#include "dialogs/plugin_page.h"
#include "dialogs/schedule_dialog.h"
#include "dialogs/score_list_dialog.h"
#include "dialogs/select_key_dialog.h"
#include "dialogs/view_page.h"
#include "match/automatic_ports.h"
#include "platform/dialog_script.h"
#include "probe_conditions.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/plugin_commands.h"
#include "shell/program.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Factory = std::function<std::unique_ptr<QDialog>()>;

// Notes the first paint of a dialog; the paint of its children and the copy to the screen
// follow in the same pass of the event loop.
class PaintSeen : public QObject {
public:
    explicit PaintSeen(QObject* dialog) { dialog->installEventFilter(this); }
    bool seen() const { return m_seen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            m_seen = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

double thread_cpu_ms() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Opening {
    double wall_ms = 0;
    // The processor time of the program's thread: what the opening costs on a loaded machine
    // without the time other programs took.
    double cpu_ms = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// From the start of the dialog's construction to the end of its first paint.
Opening time_to_first_paint(const Factory& make) {
    QElapsedTimer timer;
    const double cpu_start = thread_cpu_ms();
    timer.start();
    std::unique_ptr<QDialog> dialog = make();
    const PaintSeen paint(dialog.get());
    dialog->show();
    while (!paint.seen() && timer.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    const Opening opening{static_cast<double>(timer.nsecsElapsed()) / 1e6,
                          thread_cpu_ms() - cpu_start};
    dialog->hide();
    dialog.reset();
    QApplication::processEvents();
    return opening;
}

// A match of best-of-three games from 301 played by the quick automatic player: a finished game
// of three legs in the history and a game in progress, for the record dialogs.
struct SampleMatch {
    dvk::AppOptions settings;
    dvk::AutomaticPorts ports;
    dvk::Match match{settings, ports, ports, ports};

    explicit SampleMatch(const dvk::AppOptions& options) : settings(options) {
        ports.match = &match;
        settings.game.start_score = 301;
        settings.game.round_limit = 0;
        settings.game.leg_limit = 1;
        settings.game.max_leg = 3;
        settings.game.best_of = 1;
        match.sheet().set_rows_per_page(12);
        match.start_new_game(false);
        type({180, 100, 60, 45, 61, 100, 60, 100, 41, 60, 100, 41, 140, 60, 100, 26, 45, 100, 16});
        type({60, 100, 100, 140, 81, 61, 45});
    }
    void type(std::initializer_list<int> visits) {
        for (const int points : visits) {
            ports.text = std::to_string(points);
            ports.modified = true;
            match.sheet().next_cell();
        }
    }
};

int repetitions(int argc, char** argv) {
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
}

} // namespace

// Opens every dialog of dvk over its main window and prints, for each, the time from its
// construction to the end of its first paint: the first opening and the median of the
// openings, with the conditions. Usage: dvk_dialog_probe [REPETITIONS]
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = repetitions(argc, argv);
    QTemporaryDir folder;
    dvk::DialogScript script;
    script.push_answer(QStringLiteral("GameOptionDialog"), true);
    dvk::Program program(folder.path().toStdString());
    dvk::MainWindow& window = program.window();
    window.setCloseWithoutAsking(true);
    window.resize(1024, 720);
    window.show();
    QApplication::processEvents();
    dvk::AppOptions& options = program.options();
    const std::string settings = (folder.path() + QStringLiteral("/dvk.ini")).toStdString();
    const dvk::ArrangeTable& checkout = *window.context().checkout_table;
    SampleMatch sample(options);
    const dvk::GameRecord& finished = sample.match.history().items.front();
    dvk::GameRecord thrown = sample.match.game();
    dvk::WindowRect dart_out_rect;
    QWidget* owner = &window;

    const std::vector<std::pair<const char*, Factory>> dialogs = {
        {"Game Option",
         [&] {
             return std::make_unique<dvk::GameOptionDialog>(options.game, options, settings, owner);
         }},
        {"Schedule",
         [&] {
             return std::make_unique<dvk::ScheduleDialog>(options, settings,
                                                          dvk::ScheduleDialogSetup{}, owner);
         }},
        {"Option (four pages)",
         [&] {
             auto sheet = std::make_unique<dvk::OptionSheet>(QStringLiteral("Option"), owner);
             sheet->addPage(new dvk::ViewPage(options, checkout, sheet.get()));
             sheet->addPage(new dvk::PlayerPage(options, sheet.get()));
             sheet->addPage(new dvk::KeyPage(options, &dvk::MainMenu::commandText, sheet.get()));
             sheet->addPage(new dvk::PluginPage(options, window.plugins()->host(), sheet.get()));
             return sheet;
         }},
        {"Game History",
         [&] {
             return std::make_unique<dvk::GameHistoryDialog>(
                 sample.match.history(), sample.match.game(), options, checkout, owner);
         }},
        {"Score List (players)",
         [&] {
             return std::make_unique<dvk::ScoreListDialog>(finished, 0, options, checkout, owner);
         }},
        {"Score List (leg 2)",
         [&] {
             return std::make_unique<dvk::ScoreListDialog>(finished, 2, options, checkout, owner);
         }},
        {"Dart Out Shots",
         [&] {
             return std::make_unique<dvk::DartOutShotsDialog>(170, checkout, dart_out_rect, owner);
         }},
        {"Check-Out darts", [&] { return std::make_unique<dvk::CheckOutDialog>(81, owner); }},
        {"Check-Out mode",
         [&] {
             return std::make_unique<dvk::CheckOutModeDialog>(
                 2, 0, 3, QString::fromStdString(options.font_name), owner);
         }},
        {"COM throw",
         [&] {
             return std::make_unique<dvk::ComThrowDialog>(thrown, thrown.current_leg().next_player,
                                                          *window.context().com_table, options, 1U,
                                                          owner);
         }},
        {"Middle for Diddle",
         [&] {
             return std::make_unique<dvk::MiddleForDiddleDialog>(QStringLiteral("Ann"),
                                                                 QStringLiteral("Bo"), owner);
         }},
        {"Select Key",
         [&] {
             return std::make_unique<dvk::SelectKeyDialog>(dvk::KeyBinding{40016, 0, 0x74},
                                                           &dvk::MainMenu::commandText, owner);
         }},
    };

    std::printf("Time from construction to the end of the first paint, %d openings each; %s\n",
                count, probe_conditions().c_str());
    double slowest = 0;
    const char* slowest_name = "";
    for (const auto& [name, make] : dialogs) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int i = 0; i < count; ++i) {
            const Opening opening = time_to_first_paint(make);
            wall.push_back(opening.wall_ms);
            cpu.push_back(opening.cpu_ms);
        }
        std::printf("  %-22s first %6.1f ms, median %6.1f ms, largest %6.1f ms; processor time "
                    "first %6.1f ms, median %6.1f ms\n",
                    name, wall.front(), median(wall), *std::max_element(wall.begin(), wall.end()),
                    cpu.front(), median(cpu));
        if (median(wall) > slowest) {
            slowest = median(wall);
            slowest_name = name;
        }
    }
    std::printf("Slowest by median: %s, %.1f ms\n", slowest_name, slowest);
    return 0;
}
