#include "gallery_player.h"

#include "match/automatic_ports.h"

#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "match/match.h"
#include "screen/score_player_wnd.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <algorithm>
#include <functional>

namespace dvk {

namespace {

// Answers every question of a match the way a quick, careful scorer would, so that a sample
// game can be typed visit by visit.

// A best-of-three game in check-out mode after two legs, one to each player; in the third
// Anna has thrown first and is left on 100.
struct SampleMatch {
    AppOptions settings;
    AutomaticPorts ports;
    Match match{settings, ports, ports, ports};

    SampleMatch() {
        ports.match = &match;
        ports.now = SystemTime{2026, 3, 5, 14, 20, 15, 0, 0};
        settings.game.p1_name = "Anna";
        settings.game.p2_name = "Bob";
        settings.game.leg_limit = 1;
        settings.check_out_mode = 1;
        match.sheet().set_rows_per_page(12);
        match.start_new_game(false);
        for (const int points : {100, 60, 140, 85, 180, 45, 41, 100, 40}) {
            type(points);
        }
        for (const int points : {60, 100, 140, 100, 100, 100, 180, 55, 21}) {
            type(points);
        }
        for (const int points : {140, 60, 180, 100, 81}) {
            type(points);
        }
    }
    void type(int points) {
        ports.text = std::to_string(points);
        ports.modified = true;
        match.sheet().next_cell();
    }
};

PlayerInfoOptions every_item(bool large_font) {
    PlayerInfoOptions items;
    items.total_tons = items.total_100 = items.total_140 = items.total_180s = 1;
    items.total_high_off = items.total_short = items.total_long = 1;
    items.avg_darts = items.avg_first9 = items.avg_check_out = 1;
    items.avg_keep = items.avg_break = 1;
    items.arrange = 1;
    items.large_font = large_font ? 1 : 0;
    return items;
}

PlayerInfoOptions usual_items(bool large_font) {
    PlayerInfoOptions items;
    items.total_tons = items.total_180s = items.total_high_off = 1;
    items.avg_check_out = 1;
    items.arrange = 1;
    items.large_font = large_font ? 1 : 0;
    return items;
}

struct Sample {
    const char* file;
    int width;
    int height;
    PlayerInfoOptions items;
    int player = 0;
    std::function<void(ScorePlayerWnd&)> prepare = {};
};

void hover(ScorePlayerWnd& window, int y) {
    QMouseEvent move(QEvent::MouseMove, QPointF(window.width() / 2.0, y),
                     window.mapToGlobal(QPointF(window.width() / 2.0, y)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
}

void press(ScorePlayerWnd& window, int y) {
    const QPointF at(window.width() / 2.0, y);
    QMouseEvent down(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &up);
}

std::vector<Sample> samples() {
    const auto long_label = [](ScorePlayerWnd& w) {
        w.setDialogMode(ScorePlayerWnd::DialogMode::LongLabel, true);
    };
    const auto fixed_fonts = [](ScorePlayerWnd& w) {
        w.setDialogMode(ScorePlayerWnd::DialogMode::FixedFonts, true);
        w.setNoScrolling(true);
    };
    const auto bottom_arrow = [](ScorePlayerWnd& w) { hover(w, w.height() - 2); };
    const auto scrolled = [](ScorePlayerWnd& w) {
        press(w, w.height() - 2);
        press(w, w.height() - 2);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&w, &leave);
        hover(w, w.headerHeight() + 2);
    };
    return {
        {"player_198x500_large.png", 198, 500, usual_items(true)},
        {"player_198x500_normal.png", 198, 500, usual_items(false)},
        {"player_198x500_defaults.png", 198, 500, PlayerInfoOptions{}},
        {"player_198x500_second.png", 198, 500, usual_items(true), 1},
        {"player_256x700_large.png", 256, 700, every_item(true)},
        {"player_256x700_normal.png", 256, 700, every_item(false)},
        {"player_198x300_large_squeezed.png", 198, 300, every_item(true)},
        {"player_198x220_scroll_bottom.png", 198, 220, every_item(false), 0, bottom_arrow},
        {"player_198x220_scroll_top.png", 198, 220, every_item(false), 0, scrolled},
        {"player_220x420_score_list_dialog.png", 220, 420, every_item(true), 0, long_label},
        {"player_160x240_preview.png", 160, 240, every_item(true), 0, fixed_fonts},
    };
}

} // namespace

void render_player_gallery(const QString& folder) {
    QDir().mkpath(folder);
    const ArrangeTable table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    SampleMatch sample;
    const GameRecord& game = sample.match.game();
    for (const Sample& s : samples()) {
        AppOptions options = default_options(OptionsEnvironment{});
        options.player = s.items;
        options.show_name = 0;
        ScorePlayerWnd window(options, table);
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.resize(s.width, s.height);
        window.show();
        window.setLegLimit(game.leg_limit == 1);
        window.setGame(&game, s.player);
        window.setFirst(game.current_leg().first_player == s.player);
        window.refresh();
        if (s.prepare) {
            s.prepare(window);
        }
        window.grab().save(QDir(folder).filePath(QString::fromLatin1(s.file)));
    }
}

} // namespace dvk
