#include "gallery_side.h"

#include "layout/guide_slots.h"
#include "screen/score_guide_wnd.h"
#include "screen/score_left_wnd.h"
#include "screen/score_name_wnd.h"
#include "settings/builtin_tables.h"
#include "shell/command_ids.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QMouseEvent>
#include <QPixmap>

namespace dvk {
namespace {

struct MainSize {
    const char* tag;
    int width;
    int height;
};

constexpr MainSize main_sizes[] = {{"1280x800", 1280, 800}, {"800x600", 800, 600}};

AppOptions gallery_options() {
    OptionsEnvironment environment;
    environment.font_name = "Liberation Sans";
    return default_options(environment);
}

// A game in its third set: a long human name against the computer.
GameRecord gallery_game() {
    GameRecord game;
    game.leg_limit = 1;
    PlayerBlock& human = game.players[0];
    human.name = "Bartholomew Alexander Montgomery-Smythe";
    human.remaining = 1001;
    human.sets_won = 1;
    human.legs_won = 2;
    PlayerBlock& computer = game.players[1];
    computer.name = "Player 2";
    computer.com = 1;
    computer.com_level = 11;
    computer.remaining = 87;
    computer.sets_won = 1;
    computer.legs_won = 1;
    return game;
}

QString gallery_menu_text(int command) {
    static const QMap<int, QString> texts{
        {command::first_dart, QStringLiteral("&1st dart")},
        {command::second_dart, QStringLiteral("&2nd dart")},
        {command::third_dart, QStringLiteral("&3rd dart")},
        {command::middle_for_diddle, QStringLiteral("&Middle for Diddle...")},
        {command::input_left_score, QStringLiteral("Input &Left Score...")},
        {command::new_game, QStringLiteral("&New Game...")},
        {command::game_history, QStringLiteral("Game &History...")},
        {command::dart_out_shots, QStringLiteral("&Dart Out Shots...")},
        {command::exchange_scores, QStringLiteral("E&xchange Scores")},
    };
    return texts.value(command);
}

// The built-in table and a few Ctrl bindings of the function keys.
std::vector<KeyBinding> gallery_keys() {
    std::vector<KeyBinding> keys = builtin_key_table();
    const auto ctrl_f = [&keys](int command, int number) {
        keys.push_back({command, modifier_ctrl, virtual_key_f1 + number - 1});
    };
    ctrl_f(command::new_game, 1);
    ctrl_f(command::game_history, 2);
    ctrl_f(command::dart_out_shots, 3);
    ctrl_f(command::exchange_scores, 6);
    ctrl_f(command::middle_for_diddle, 9);
    ctrl_f(command::template_last, 12);
    return keys;
}

void save(QWidget& widget, const QSize& size, const QString& path) {
    widget.resize(size);
    widget.grab().save(path);
}

void render_left(const QString& folder, const MainSize& main, AppOptions& options,
                 const GameRecord& game) {
    const int s = options.view_separate_width;
    const int m = std::min(main.width, main.height);
    const int widths[2] = {main.width / 2 - s / 2 - s, main.width - main.width / 2 - s / 2 - s};
    for (const int size : {20, 40, 60}) {
        options.left_font_size = size;
        for (int player = 0; player < 2; ++player) {
            ScoreLeftWnd left(options);
            left.setPlayer(&game.players[static_cast<std::size_t>(player)]);
            left.setActive(player == 1);
            save(left, QSize(widths[player], left.heightFor(m)),
                 QDir(folder).filePath(QStringLiteral("score_left_wnd_%1_size%2_p%3.png")
                                           .arg(QLatin1String(main.tag))
                                           .arg(size)
                                           .arg(player)));
        }
    }
    options.left_font_size = 40;
}

void render_name(const QString& folder, const MainSize& main, AppOptions& options,
                 const GameRecord& game) {
    const int s = options.view_separate_width;
    const int m = std::min(main.width, main.height);
    struct Variant {
        const char* tag;
        bool sets;
        int show_player;
    };
    for (const Variant variant :
         {Variant{"sets", true, 0}, Variant{"legs", false, 0}, Variant{"names_only", true, 1}}) {
        options.show_player = variant.show_player;
        ScoreNameWnd bar(options);
        bar.resize(main.width - 2 * s, bar.heightFor(m));
        bar.setGame(&game);
        bar.setFirstPlayer(1);
        bar.setLegLimit(variant.sets);
        save(bar, bar.size(),
             QDir(folder).filePath(QStringLiteral("score_name_wnd_%1_%2.png")
                                       .arg(QLatin1String(main.tag), QLatin1String(variant.tag))));
    }
    options.show_player = 1;
}

// Holds the left mouse button down on a slot, as a click in progress shows it.
void press_slot(ScoreGuideWnd& guide, int slot) {
    const QPointF at = guide.slotRect(slot).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, guide.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&guide, &press);
}

void render_guide(const QString& folder, const MainSize& main, const AppOptions& options) {
    const int m = std::min(main.width, main.height);
    const std::vector<KeyBinding> keys = gallery_keys();
    struct Variant {
        const char* tag;
        Qt::KeyboardModifiers held;
        int pressed_slot;
    };
    for (const Variant variant :
         {Variant{"plain", Qt::NoModifier, 0}, Variant{"shift", Qt::ShiftModifier, 0},
          Variant{"ctrl", Qt::ControlModifier, 0},
          Variant{"ctrl_f2_pressed", Qt::ControlModifier, 2}}) {
        ScoreGuideWnd guide(options, gallery_menu_text);
        guide.resize(main.width, guide.heightFor(m));
        guide.setKeyTable(keys);
        guide.setModifierSource([held = variant.held] { return held; });
        guide.modifierKeyPressed();
        // The bar fits its key caps and labels once it is shown, as in the main window.
        guide.show();
        QCoreApplication::processEvents();
        if (variant.pressed_slot != 0) {
            press_slot(guide, variant.pressed_slot);
        }
        save(guide, guide.size(),
             QDir(folder).filePath(QStringLiteral("score_guide_wnd_%1_%2.png")
                                       .arg(QLatin1String(main.tag), QLatin1String(variant.tag))));
    }
}

} // namespace

void render_side_gallery(const QString& folder) {
    QDir().mkpath(folder);
    AppOptions options = gallery_options();
    const GameRecord game = gallery_game();
    for (const MainSize& main : main_sizes) {
        render_left(folder, main, options, game);
        render_name(folder, main, options, game);
        render_guide(folder, main, options);
    }
}

} // namespace dvk
