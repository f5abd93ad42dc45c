// dvk-archive-bench: the archive's speed on a large archive. Fills an archive of 200,000 legs
// with dvk-sim (once; the file is kept for the next run), then times writing one leg, the
// career summary with and without filters and the chart series, and prints the file's size per
// visit, each figure beside the conditions it was measured under.

#include "archive/archive_store.h"
#include "career/career_filter.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    double median = 0;
    double worst = 0;
};

Timing time_runs(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

std::string cpu_model() {
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("model name", 0) == 0) {
            return line.substr(line.find(':') + 2);
        }
    }
    return "unknown";
}

std::string load_average() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

QVariant scalar_value(const QString& file, const QString& sql) {
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench_count");
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next()) {
                value = query.value(0);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("bench_count");
    return value;
}

std::int64_t scalar(const QString& file, const QString& sql) {
    return scalar_value(file, sql).toLongLong();
}

void print_timing(const char* what, const Timing& t, double target) {
    std::printf("  %-44s median %8.2f ms  slowest %8.2f ms", what, t.median, t.worst);
    if (target > 0) {
        std::printf("  (target <= %.0f ms: %s)", target, t.median <= target ? "met" : "MISSED");
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::string archive = "dvk-bench-archive.sqlite";
    std::int64_t legs = 200000;
    std::string sim = (QCoreApplication::applicationDirPath() + "/dvk-sim").toStdString();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--archive") {
            archive = argv[i + 1];
        } else if (name == "--legs") {
            legs = std::stoll(argv[i + 1]);
        } else if (name == "--sim") {
            sim = argv[i + 1];
        }
    }
    const QString file = QString::fromStdString(archive);
    if (!QFile::exists(file) || scalar(file, "SELECT COUNT(*) FROM legs") < legs) {
        QFile::remove(file);
        std::printf("Filling %s with %lld legs from dvk-sim...\n", archive.c_str(),
                    static_cast<long long>(legs));
        std::fflush(stdout);
        const auto start = Clock::now();
        const int code = QProcess::execute(QString::fromStdString(sim),
                                           {"--archive", file, "--legs", QString::number(legs),
                                            "--batch", "5000", "--seed", "11"});
        if (code != 0) {
            std::fprintf(stderr, "dvk-archive-bench: dvk-sim failed (%d)\n", code);
            return 1;
        }
        std::printf("  filled in %.0f s\n",
                    std::chrono::duration<double>(Clock::now() - start).count());
    }
    const std::int64_t leg_count = scalar(file, "SELECT COUNT(*) FROM legs");
    const std::int64_t visits = scalar(file, "SELECT COUNT(*) FROM visits");
    const std::int64_t games = scalar(file, "SELECT COUNT(*) FROM games");

    dvk::ArchiveStore store(dvk::archive_location_named(archive));
    if (!store.is_open()) {
        std::fprintf(stderr, "dvk-archive-bench: %s\n", store.error().text.c_str());
        return 1;
    }
    std::vector<dvk::PlayerSummary> players = store.players();
    std::sort(players.begin(), players.end(),
              [](const auto& a, const auto& b) { return a.legs > b.legs; });
    const std::string player = players.front().name;
    const std::vector<std::string> opponents = store.opponents(player);

    std::printf("\nConditions\n");
    std::printf("  machine      %s, %d cores, load average %s\n", cpu_model().c_str(),
                QThread::idealThreadCount(), load_average().c_str());
    std::printf("  system       %s, Qt %s, SQLite %s\n",
                QSysInfo::prettyProductName().toStdString().c_str(), qVersion(),
                scalar_value(file, "SELECT sqlite_version()").toString().toStdString().c_str());
    std::printf("  archive      %s: %lld games, %lld legs, %lld visits, %zu players\n",
                archive.c_str(), static_cast<long long>(games), static_cast<long long>(leg_count),
                static_cast<long long>(visits), players.size());
    std::printf("  player       %s: %lld legs in %lld games\n", player.c_str(),
                static_cast<long long>(players.front().legs),
                static_cast<long long>(players.front().games));
    std::printf("  journal      WAL, synchronous NORMAL; timings are wall-clock medians\n");

    std::printf("\nResults\n");
    // One leg as play writes it: its own transaction, with its game, counters and visits.
    const std::vector<dvk::ExportGame> sample = store.export_games(player);
    dvk::ArchivedLeg leg;
    leg.game = sample.front().game;
    leg.leg = sample.front().legs.front().leg;
    leg.visits = sample.front().legs.front().visits;
    int serial = 0;
    const Timing write = time_runs(200, [&] {
        leg.game.identity = "bench leg " + std::to_string(++serial);
        leg.game.id = leg.leg.game_id = dvk::game_id_of(leg.game.identity);
        store.write_leg(leg);
    });
    print_timing("writing one leg (200 writes)", write, 5);
    for (int i = 1; i <= serial; ++i) {
        store.remove_legs_from(dvk::game_id_of("bench leg " + std::to_string(i)), 0);
    }

    dvk::CareerFilter none;
    dvk::CareerFilter opponent;
    opponent.opponent = opponents.empty() ? player : opponents.front();
    dvk::CareerFilter period;
    period.from = dvk::SystemTime{2025, 3, 0, 1, 0, 0, 0, 0};
    period.to = dvk::SystemTime{2025, 6, 0, 30, 0, 0, 0, 0};
    dvk::CareerFilter all = period;
    all.opponent = opponent.opponent;
    all.start_score = 501;
    all.opponent_kind = dvk::OpponentKind::Computer;
    const auto summary = [&](const dvk::CareerFilter& filter) {
        return time_runs(20, [&] { store.career(player, filter); });
    };
    print_timing("career summary, no filter", summary(none), 100);
    print_timing("career summary, opponent", summary(opponent), 100);
    print_timing("career summary, period of four months", summary(period), 100);
    print_timing("career summary, every filter", summary(all), 100);
    print_timing("head-to-head", time_runs(5, [&] { store.head_to_head(player, none); }), 0);
    print_timing("average per game series", time_runs(5, [&] { store.game_series(player, none); }),
                 0);
    print_timing("visit-score distribution",
                 time_runs(5, [&] { store.visit_scores(player, none); }), 0);
    print_timing("check-outs by month",
                 time_runs(5, [&] { store.check_outs_by_month(player, none); }), 0);
    print_timing("legs won by darts", time_runs(5, [&] { store.legs_won_by_darts(player, none); }),
                 0);

    const double bytes = static_cast<double>(QFile(file).size() + QFile(file + "-wal").size());
    std::printf("  %-44s %.1f MB, %.1f bytes per visit\n", "archive file", bytes / 1e6,
                visits > 0 ? bytes / static_cast<double>(visits) : 0.0);
    return 0;
}
