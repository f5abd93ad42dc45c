#include "archive/archive_store.h"
#include "dialogs/career_statistics_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTabWidget>
#include <QThread>

#include <cstdio>

// Times the opening of the career statistics window on an archive, to the end of the first
// paint of the page asked for: dvk_career_probe ARCHIVE [figures|charts] [runs].
// Each run opens the archive and builds the window anew, as the Career Statistics command does.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: dvk_career_probe ARCHIVE [figures|charts] [runs]\n");
        return 2;
    }
    const bool charts = args.size() > 2 && args.at(2) == QStringLiteral("charts");
    const int runs = args.size() > 3 ? std::max(1, args.at(3).toInt()) : 5;
    dvk::ArchiveLocation location;
    location.file = args.at(1).toStdString();

    std::int64_t legs = 0;
    std::size_t players = 0;
    std::string busiest;
    {
        dvk::ArchiveStore store(location);
        if (!store.is_open()) {
            std::fprintf(stderr, "cannot open %s: %s\n", args.at(1).toUtf8().constData(),
                         store.error().text.c_str());
            return 1;
        }
        std::int64_t most = -1;
        for (const dvk::PlayerSummary& player : store.players()) {
            legs += player.legs;
            ++players;
            if (player.legs > most) {
                most = player.legs;
                busiest = player.name;
            }
        }
    }
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        dvk::ArchiveStore store(location);
        dvk::AppOptions options = dvk::default_options(dvk::OptionsEnvironment{});
        dvk::CareerStatisticsDialog dialog(store, options);
        dialog.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(charts ? 2 : 0);
        dialog.show();
        dialog.grab(); // paints every child, charts included
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        dialog.hide();
    }
    std::sort(times.begin(), times.end());
    std::printf("career window open, %s page shown: median %.1f ms, best %.1f ms, worst %.1f ms "
                "over %d runs\n",
                charts ? "charts" : "figures", times[times.size() / 2], times.front(), times.back(),
                runs);
    std::printf("conditions: %s (%.1f MB), %lld player legs, %zu players, opened on %s; "
                "%d CPUs, Qt %s, platform %s\n",
                args.at(1).toUtf8().constData(),
                static_cast<double>(QFileInfo(args.at(1)).size()) / 1e6,
                static_cast<long long>(legs), players, busiest.c_str(), QThread::idealThreadCount(),
                qVersion(), QGuiApplication::platformName().toUtf8().constData());
    return 0;
}
