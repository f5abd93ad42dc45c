#include "gallery_career.h"

#include "archive/archive_store.h"
#include "career/career_rows.h"
#include "dialogs/career_statistics_dialog.h"
#include "match/automatic_ports.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <random>

namespace dvk {

namespace {

constexpr int games_played = 90;

bool three_darts_score(int points) {
    static constexpr int impossible[] = {163, 166, 169, 172, 173, 175, 176, 178, 179};
    return points >= 0 && points <= 180 &&
           std::find(std::begin(impossible), std::end(impossible), points) == std::end(impossible);
}

bool can_check_out(int rest) {
    static constexpr int bogey[] = {159, 162, 163, 165, 166, 168, 169};
    return rest >= 2 && rest <= 170 &&
           std::find(std::begin(bogey), std::end(bogey), rest) == std::end(bogey);
}

// A visit of a player whose mean visit is `skill`: a finish when the dice say so, else a
// score that leaves at least 2.
int visit(std::mt19937& dice, int rest, double skill) {
    if (can_check_out(rest)) {
        const double chance = rest <= 40 ? 0.45 : rest <= 100 ? 0.18 : 0.06;
        if (std::uniform_real_distribution<double>(0, 1)(dice) < chance * skill / 60) {
            return rest;
        }
    }
    int points =
        std::clamp(static_cast<int>(std::normal_distribution<double>(skill, 24)(dice)), 0, 180);
    if (std::uniform_int_distribution<int>(0, 40)(dice) == 0) {
        points = 180;
    }
    points = std::min(points, rest - 2);
    while (points > 0 && !three_darts_score(points)) {
        --points;
    }
    return std::max(points, 0);
}

struct Opponent {
    const char* name;
    double skill;
    int com_level; // 0 for a human
};

// One leg of 501 between Ines and an opponent, played through the match engine.
GameRecord play(const Opponent& opponent, double skill, const SystemTime& when,
                std::mt19937& dice) {
    AppOptions settings = default_options(OptionsEnvironment{});
    AutomaticPorts ports;
    Match match{settings, ports, ports, ports};
    ports.now = when;
    settings.game.start_score = 501;
    settings.game.p1_name = "Ines Marlowe";
    settings.game.p2_name = opponent.name;
    settings.game.leg_limit = 1;
    settings.game.max_leg = 1;
    settings.game.best_of = 0;
    // Visits that could have finished count their darts at a double, for the finish figures.
    settings.check_out_mode = 1;
    match.sheet().set_rows_per_page(40);
    match.start_new_game(false);
    if (opponent.com_level > 0) {
        match.game().players[1].com = 1;
        match.game().players[1].com_level = opponent.com_level - 1;
    }
    for (int turn = 0; turn < 200 && !match.game().legs.front().finished; ++turn) {
        const int player = match.sheet().input_cell().player;
        const int rest = match.game().players[static_cast<std::size_t>(player)].remaining;
        ports.text = std::to_string(visit(dice, rest, player == 0 ? skill : opponent.skill));
        ports.modified = true;
        match.sheet().next_cell();
    }
    return match.game();
}

void fill_archive(ArchiveStore& store) {
    static constexpr Opponent opponents[] = {
        {"Tomasz Brandt", 62, 0}, {"Lena Okafor", 70, 0}, {"Yuki Hollis", 55, 0}, {"", 58, 8}};
    std::mt19937 dice(20260503);
    QDate day(2025, 6, 2);
    for (int i = 0; i < games_played; ++i) {
        const Opponent& opponent = opponents[static_cast<std::size_t>(i % 4)];
        const double skill = 52 + 22.0 * i / games_played;
        const SystemTime when{static_cast<std::uint16_t>(day.year()),
                              static_cast<std::uint16_t>(day.month()),
                              0,
                              static_cast<std::uint16_t>(day.day()),
                              19,
                              30,
                              0,
                              0};
        const GameRecord game = play(opponent, skill, when, dice);
        for (const ArchivedLeg& leg : finished_leg_rows(game)) {
            store.write_leg(leg);
        }
        store.write_game_result(game_result(game, true));
        day = day.addDays(3 + i % 3);
    }
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

} // namespace

void render_career_gallery(const QString& folder) {
    QTemporaryDir work;
    ArchiveLocation location;
    location.file = QDir(work.path()).filePath(QStringLiteral("archive.sqlite")).toStdString();
    ArchiveStore store(location);
    if (!store.is_open()) {
        return;
    }
    fill_archive(store);
    AppOptions options = default_options(OptionsEnvironment{});
    CareerStatisticsDialog dialog(store, options);
    dialog.setToday(QDate(2026, 5, 30));
    QComboBox* player = dialog.findChild<QComboBox*>(QStringLiteral("player"));
    player->setCurrentIndex(player->findText(QStringLiteral("Ines Marlowe")));
    dialog.resize(960, 700);
    dialog.show();
    const auto save = [&](int page, const char* name) {
        dialog.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(page);
        settle();
        // The archive lives in a temporary folder here; the picture shows where an installed
        // program keeps it, so that the guide is the same at every build.
        dialog.findChild<QLabel*>(QStringLiteral("status"))
            ->setText(CareerStatisticsDialog::tr("Archive: %1")
                          .arg(QStringLiteral("/home/ines/.local/share/dvk/dvk-archive.sqlite")));
        dialog.grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
    };
    save(0, "career_figures.png");
    save(1, "career_head_to_head.png");
    save(2, "career_charts.png");
}

} // namespace dvk
