#include "gallery_main_window.h"

#include "gallery_capture.h"

#include "dialogs/com_throw_dialog.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "platform/system_services.h"
#include "screen/score_edit.h"
#include "screen/score_guide_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_player_wnd.h"
#include "shell/command_ids.h"
#include "shell/full_screen.h"
#include "shell/program.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

namespace dvk {

namespace {

void type_visit(MainWindow& window, int points) {
    ScoreEdit* edit = window.scoreList()->edit();
    edit->setText(QString::number(points));
    edit->setModified(true);
    window.runCommand(command::next);
}

void save(QWidget& widget, const QString& folder, const QString& name) {
    save_picture(widget, folder, name);
}

std::unique_ptr<Program> sample_program(const QString& folder, const QSize& size,
                                        const GameOptions& options) {
    auto program = std::make_unique<Program>(folder.toStdString());
    program->options().game = options;
    program->window().setCloseWithoutAsking(true);
    program->window().resize(size);
    {
        DialogScript script;
        script.push_answer(QStringLiteral("GameOptionDialog"), true);
        program->window().show();
        settle();
        program->window().runCommand(command::new_game);
    }
    settle();
    return program;
}

GameOptions humans() {
    GameOptions options;
    options.p1_name = "Nora Castell";
    options.p2_name = "Wilhelmina van Oosterhout";
    options.leg_limit = 1;
    options.max_leg = 5;
    options.best_of = 1;
    return options;
}

} // namespace

void render_main_window_gallery(const QString& folder) {
    QDir().mkpath(folder);
    for (const QSize size : {QSize(1280, 800), QSize(800, 600)}) {
        const QString suffix = QStringLiteral("_%1x%2").arg(size.width()).arg(size.height());
        {
            QTemporaryDir home;
            auto program = sample_program(home.path(), size, humans());
            save(program->window(), folder, QStringLiteral("main_fresh") + suffix);

            DialogScript script;
            script.push_answer(QStringLiteral("CheckOutDialog"), 3);
            MessageBoxes::set_next_answers(script, {MessageBoxes::Button::Ok});
            for (int points : {100, 60, 140, 45, 180, 26, 81}) {
                type_visit(program->window(), points);
            }
            ScoreSheet& sheet = program->window().match().sheet();
            sheet.show_leg(0);
            save(program->window(), folder, QStringLiteral("main_won_leg") + suffix);
            sheet.show_leg(sheet.game().leg_index);
            for (int points : {85, 100, 60, 41, 121}) {
                type_visit(program->window(), points);
            }
            save(program->window(), folder, QStringLiteral("main_mid_leg") + suffix);

            MainWindow& window = program->window();
            window.options().player.arrange = 1;
            for (int p = 0; p < 2; ++p) {
                window.playerWindow(p)->reloadOptions();
            }
            for (int points : {180, 95, 100}) {
                type_visit(window, points);
            }
            window.guideWindow()->setModifierSource([] { return Qt::ControlModifier; });
            window.guideWindow()->modifierKeyPressed();
            save(window, folder, QStringLiteral("main_suggestions_ctrl") + suffix);
            window.guideWindow()->setModifierSource([] { return Qt::NoModifier; });
            window.guideWindow()->modifierKeyPressed();
            window.runCommand(command::full_screen);
            settle();
            window.resize(size);
            save(window, folder, QStringLiteral("main_full_screen") + suffix);
            window.runCommand(command::full_screen);
        }
        {
            QTemporaryDir home;
            GameOptions options = humans();
            options.round_limit = 1;
            options.round = 15;
            auto program = sample_program(home.path(), size, options);
            for (int i = 0; i < 24; ++i) {
                type_visit(program->window(), 20);
            }
            program->window().match().sheet().scroll(ScrollCommand::Bottom);
            save(program->window(), folder, QStringLiteral("main_round_limit") + suffix);
        }
        {
            QTemporaryDir home;
            GameOptions options = humans();
            options.p2_com = 1;
            options.p2_com_level = 8;
            auto program = sample_program(home.path(), size, options);
            type_visit(program->window(), 60);
            MainWindow& window = program->window();
            ComThrowDialog dialog(window.match().game(), 1, *window.context().com_table,
                                  window.options(), 7, &window);
            dialog.throw_next();
            dialog.throw_next();
            QPixmap shot = window.grab();
            QPainter painter(&shot);
            const QPixmap box = dialog.grab();
            painter.drawPixmap((shot.width() - box.width()) / 2, (shot.height() - box.height()) / 2,
                               box);
            painter.end();
            shot.save(QDir(folder).filePath(QStringLiteral("main_com_visit") + suffix +
                                            QStringLiteral(".png")));
        }
    }
}

} // namespace dvk
