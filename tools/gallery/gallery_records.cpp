#include "gallery_records.h"

#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "dialogs/dart_out_shots_dialog.h"
#include "dialogs/game_history_dialog.h"
#include "dialogs/score_list_dialog.h"
#include "match/automatic_ports.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTreeWidget>

namespace dvk {

namespace {

// A match of best-of-three games from 301: the first game decided 2 legs to 1, the second in
// its second leg, with a computer player on the right.
AppOptions sample_options() {
    OptionsEnvironment environment;
    environment.font_name = "Liberation Sans";
    return default_options(environment);
}

struct RecordsSample {
    AppOptions settings = sample_options();
    AutomaticPorts ports;
    Match match{settings, ports, ports, ports};

    RecordsSample() {
        ports.match = &match;
        ports.now = SystemTime{2026, 5, 3, 6, 19, 40, 5, 0};
        settings.game.start_score = 301;
        settings.game.p1_name = "Ines Marlowe";
        settings.game.p2_name = "Tomasz Brandt";
        settings.game.leg_limit = 1;
        settings.game.max_leg = 3;
        settings.game.best_of = 1;
        match.sheet().set_rows_per_page(12);
        match.start_new_game(false);
        type({180, 100, 60, 45, 61});
        type({100, 60, 100, 41, 60, 100, 41});
        type({140, 60, 100, 26, 45, 100, 16});
        match.game().players[1].com = 1;
        match.game().players[1].com_level = 6;
        type({60, 100, 100, 140, 81, 61});
        type({45});
    }
    void type(std::initializer_list<int> visits) {
        for (const int points : visits) {
            ports.text = std::to_string(points);
            ports.modified = true;
            match.sheet().next_cell();
        }
    }
};

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

void save_at(QWidget& dialog, const QSize& size, const QString& folder, const QString& name) {
    dialog.resize(size);
    dialog.show();
    settle();
    dialog.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace

void render_records_gallery(const QString& folder) {
    RecordsSample sample;
    const ArrangeTable table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    Match& match = sample.match;
    {
        GameHistoryDialog dialog(match.history(), match.game(), sample.settings, table);
        save_at(dialog, QSize(520, 380), folder, QStringLiteral("history_520x380"));
        dialog.list()->setCurrentRow(3);
        save_at(dialog, QSize(760, 300), folder, QStringLiteral("history_leg_selected_760x300"));
    }
    const GameRecord& first = match.history().items.front();
    {
        ScoreListDialog dialog(first, 0, sample.settings, table);
        save_at(dialog, QSize(560, 620), folder, QStringLiteral("score_list_players_560x620"));
        save_at(dialog, QSize(400, 440), folder, QStringLiteral("score_list_players_400x440"));
    }
    {
        ScoreListDialog dialog(first, 3, sample.settings, table);
        save_at(dialog, QSize(560, 620), folder, QStringLiteral("score_list_leg3_560x620"));
        dialog.choice()->setCurrentIndex(2);
        save_at(dialog, QSize(360, 300), folder, QStringLiteral("score_list_leg2_360x300"));
    }
    {
        DartOutShotsDialog dialog(170, table, sample.settings.arrange_window);
        save_at(dialog, QSize(300, 420), folder, QStringLiteral("dart_out_shots_170_300x420"));
    }
    {
        DartOutShotsDialog dialog(50, table, sample.settings.arrange_window);
        dialog.tree()->expandAll();
        save_at(dialog, QSize(420, 600), folder, QStringLiteral("dart_out_shots_50_420x600"));
    }
}

} // namespace dvk
