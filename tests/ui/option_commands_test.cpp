#include "dialogs/color_button.h"
#include "dialogs/hot_key_edit.h"
#include "dialogs/key_page.h"
#include "dialogs/list_editor.h"
#include "dialogs/number_box.h"
#include "dialogs/option_sheet.h"
#include "dialogs/player_page.h"
#include "dialogs/schedule_dialog.h"
#include "dialogs/select_key_dialog.h"
#include "dialogs/view_page.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "screen/score_edit.h"
#include "screen/score_left_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_player_wnd.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "shell/program.h"

#include "program_under_test.h"
#include "storage/recovery_file.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace dvk;

namespace {

constexpr QRgb orange = 0xFFFF8000;

QVariantMap one_leg_game(int start_score) {
    return {{QStringLiteral("start_score"), start_score},
            {QStringLiteral("max_leg"), 1},
            {QStringLiteral("best_of"), 0},
            {QStringLiteral("p1_name"), QStringLiteral("Ann")},
            {QStringLiteral("p2_name"), QStringLiteral("Bob")}};
}

template <typename Page> Page* page_of(QDialog& dialog) {
    return dialog.findChild<Page*>();
}

QPushButton* named_button(QWidget* parent, const char* name) {
    return parent->findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class OptionCommandsTest : public QObject, private ProgramUnderTest {
    Q_OBJECT

private:
    AppOptions& options() { return m_program->options(); }
    QString settings_path() const { return path(QStringLiteral("dvk.ini")); }

    void start() {
        ProgramUnderTest::start(QVariantMap{{QStringLiteral("p1_name"), QStringLiteral("Ann")},
                                            {QStringLiteral("p2_name"), QStringLiteral("Bob")}});
    }

    // Runs a command whose dialog `driver` works as the user would.
    void run_with(const QString& dialog, int command, DialogDriver driver) {
        m_script->push_answer(dialog, QVariant::fromValue(std::move(driver)));
        window().runCommand(command);
        QCOMPARE(m_script->unused_answers(), 0);
    }

    // Changes "Header Background" to orange through the colour dialog and the face to Liberation
    // Serif, as the user would on the View page.
    static void change_colour_and_face(ViewPage& page, DialogScript& script) {
        page.findChild<QComboBox*>(QStringLiteral("item"))->setCurrentIndex(4);
        script.push_answer(QStringLiteral("ColorDialog"), QColor(orange));
        QTest::mouseClick(page.findChild<ColorButton*>(QStringLiteral("color")), Qt::LeftButton);
        auto* faces = page.findChild<QComboBox*>(QStringLiteral("face"));
        const int serif = faces->findText(QStringLiteral("Liberation Serif"));
        faces->setCurrentIndex(serif);
        Q_EMIT faces->activated(serif);
    }

    QByteArray settings_text() const {
        QFile file(settings_path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QColor list_pixel(const QPoint& point) {
        return window().scoreList()->grab().toImage().pixelColor(point);
    }

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { finish(); }

    void menuCommandsAreOffered() {
        start();
        QVERIFY(window().mainMenu()->action(command::option)->isEnabled());
        QVERIFY(window().mainMenu()->action(command::new_schedule)->isEnabled());
        QVERIFY(!window().mainMenu()->action(command::modify_schedule)->isEnabled());
        m_script->push_answer(QStringLiteral("OptionSheet"), false);
        window().runCommand(command::option);
        const auto calls = m_script->calls_of(QStringLiteral("OptionSheet"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].arguments.value(QStringLiteral("page0")).toString(), "View");
        QCOMPARE(calls[0].arguments.value(QStringLiteral("page1")).toString(), "Player");
        QCOMPARE(calls[0].arguments.value(QStringLiteral("page2")).toString(), "Key");
        QCOMPARE(calls[0].arguments.value(QStringLiteral("page3")).toString(), "Plug-in");
    }

    void cancelledOptionsLeaveEveryColourAndTheFace() {
        start();
        const AppOptions before = options();
        const QPoint header = window().scoreList()->scoredCellRect(0, 0).center();
        const QColor header_before = list_pixel(header);
        run_with(QStringLiteral("OptionSheet"), command::option, [&](QDialog& sheet) {
            ViewPage* view = page_of<ViewPage>(sheet);
            change_colour_and_face(*view, *m_script);
            // The preview shows the change; the match screen behind it does not.
            [&] {
                QCOMPARE(view->shown().color(ColorItem::header_background), 0x0080FFU);
                QCOMPARE(list_pixel(header), header_before);
            }();
            page_of<PlayerPage>(sheet)->box(QStringLiteral("arrange"))->setChecked(true);
            return false;
        });
        QCOMPARE(options(), before);
        QCOMPARE(list_pixel(header), header_before);
        QVERIFY(!QFile::exists(settings_path()));
    }

    void confirmedOptionsAreSavedAndShown() {
        start();
        run_with(QStringLiteral("OptionSheet"), command::option, [&](QDialog& sheet) {
            change_colour_and_face(*page_of<ViewPage>(sheet), *m_script);
            page_of<PlayerPage>(sheet)->box(QStringLiteral("avg_darts"))->setChecked(true);
            return true;
        });
        QCOMPARE(options().color(ColorItem::header_background), 0x0080FFU);
        QCOMPARE(options().font_name, "Liberation Serif");
        QCOMPARE(options().keys_customised, 0);
        const QByteArray saved = settings_text();
        QVERIFY(saved.contains("header_background=\"0x0080FF\""));
        QVERIFY(saved.contains("name=\"Liberation Serif\""));
        QVERIFY(saved.contains("avg_darts=1"));
        QVERIFY(!saved.contains("[key]"));

        QTest::qWait(20);
        const QPoint header = window().scoreList()->scoredCellRect(0, 0).center();
        QCOMPARE(list_pixel(header), QColor(orange));
        QCOMPARE(window().leftWindow(0)->numberFont().family(), QStringLiteral("Liberation Serif"));
        QVERIFY(window().playerWindow(0)->shownTexts().contains(QStringLiteral("Darts: ")));
    }

    void aFailedSaveOfConfirmedOptionsNamesTheFileAndTheReason() {
        start();
        // Something other than a file where the settings belong: the save cannot replace it.
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("dvk.ini")));
        m_script->push_answer(QStringLiteral("OptionSheet"), true);
        window().runCommand(command::option);
        const auto boxes = MessageBoxes::shown(*m_script);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, MessageBoxes::Icon::Error);
        QCOMPARE(boxes[0].text, QStringLiteral("The settings could not be saved to '%1' "
                                               "(Not a regular file).")
                                    .arg(settings_path()));
    }

    void ctrlF5BoundToATemplateOf140EntersIt() {
        start();
        const std::size_t keys = options().keys.size();
        run_with(QStringLiteral("OptionSheet"), command::option, [&](QDialog& sheet) {
            static_cast<OptionSheet&>(sheet).tabs()->setCurrentIndex(2);
            KeyPage* page = page_of<KeyPage>(sheet);
            m_script->push_answer(
                QStringLiteral("SelectKeyDialog"),
                QVariant::fromValue(DialogDriver([](QDialog& dialog) {
                    auto& select = static_cast<SelectKeyDialog&>(dialog);
                    select.functionList()->setCurrentIndex(0);
                    select.numberBox()->setFocus();
                    select.numberBox()->selectAll();
                    QTest::keyClicks(select.numberBox(), QStringLiteral("140"));
                    select.keyField()->setFocus();
                    QTest::keyClick(select.keyField(), Qt::Key_F5, Qt::ControlModifier);
                    QTest::mouseClick(named_button(&select, "ok"), Qt::LeftButton);
                    return true;
                })));
            QTest::mouseClick(page->editor()->addButton(), Qt::LeftButton);
            [&] {
                QCOMPARE(page->editor()->rowCount(), static_cast<int>(keys) + 1);
                QCOMPARE(page->editor()->currentRow(), static_cast<int>(keys));
            }();
            return true;
        });
        QCOMPARE(options().keys.size(), keys + 1);
        QCOMPARE(options().keys.back(), (KeyBinding{51140, modifier_ctrl, 0x74}));
        QCOMPARE(options().keys_customised, 1);
        QVERIFY(settings_text().contains("action_29=51140"));
        QCOMPARE(window().mainMenu()->action(51140)->text(), QStringLiteral("140\tShift+F7"));

        QTest::keyClick(edit(), Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(game().current_leg().scores[0][0], 140);
        QCOMPARE(game().players[0].remaining, 361);
    }

    void aThreeGameScheduleIsPlayedModifiedAndRestarted() {
        start();
        // New Schedule: the seven built-in games make way for three games of one leg.
        run_with(QStringLiteral("ScheduleDialog"), command::new_schedule, [&](QDialog& dialog) {
            auto& schedule = static_cast<ScheduleDialog&>(dialog);
            MessageBoxes::set_next_answers(
                *m_script, QList<MessageBoxes::Button>(7, MessageBoxes::Button::Yes));
            for (int i = 0; i < 7; ++i) {
                QTest::mouseClick(named_button(&schedule, "delete"), Qt::LeftButton);
            }
            for (int start_score : {301, 301, 501}) {
                m_script->push_answer(QStringLiteral("GameOptionDialog"),
                                      one_leg_game(start_score));
                QTest::mouseClick(schedule.editor()->addButton(), Qt::LeftButton);
            }
            return schedule.confirmButton()->isEnabled();
        });
        QCOMPARE(options().schedule.size(), 3u);
        QCOMPARE(game().schedule_mode, 1);
        QCOMPARE(game().start_score, 301);
        QVERIFY(window().windowTitle().endsWith(QStringLiteral(" - Schedule Mode")));
        QVERIFY(window().mainMenu()->action(command::modify_schedule)->isEnabled());

        // Ann wins the first game; the second starts untouched.
        m_script->push_answer(QStringLiteral("CheckOutDialog"), 3);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
        for (int points : {180, 0, 121}) {
            type(QString::number(points));
        }
        QCOMPARE(game().game_index, 1);
        QCOMPARE(game().players[0].sets_won, 1);

        // Modify: the first game is locked, the untouched second one is edited and restarted.
        run_with(QStringLiteral("ScheduleDialog"), command::modify_schedule, [&](QDialog& dialog) {
            auto& schedule = static_cast<ScheduleDialog&>(dialog);
            [&] {
                QCOMPARE(schedule.windowTitle(), QStringLiteral("Modify Schedule"));
                QVERIFY(schedule.model().is_locked(0));
                QVERIFY(!schedule.model().is_locked(1));
            }();
            schedule.editor()->selectRow(1);
            m_script->push_answer(QStringLiteral("GameOptionDialog"),
                                  QVariantMap{{QStringLiteral("start_score"), 701}});
            QTest::mouseClick(named_button(&schedule, "edit"), Qt::LeftButton);
            return true;
        });
        QCOMPARE(options().schedule[1].start_score, 701);
        QCOMPARE(game().game_index, 1);
        QCOMPARE(game().start_score, 701);
        QCOMPARE(game().players[0].remaining, 701);
        QCOMPARE(game().players[0].sets_won, 1);
        QCOMPARE(window().leftWindow(0)->grab().isNull(), false);
        RecoveryLoad recovered = load_recovery(recovery_path(m_folder.path().toStdString()), true);
        QVERIFY(recovered.loaded());
        QVERIFY(recovered.schedule.has_value());
        QCOMPARE(recovered.schedule->at(1).start_score, 701);
        QCOMPARE(recovered.game.start_score, 701);

        // Once a visit is in, the current game is locked too and plays on unchanged.
        type(QStringLiteral("100"));
        run_with(QStringLiteral("ScheduleDialog"), command::modify_schedule, [&](QDialog& dialog) {
            auto& schedule = static_cast<ScheduleDialog&>(dialog);
            [&] { QVERIFY(schedule.model().is_locked(1)); }();
            schedule.editor()->selectRow(2);
            MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
            QTest::mouseClick(named_button(&schedule, "delete"), Qt::LeftButton);
            return true;
        });
        QCOMPARE(options().schedule.size(), 2u);
        QCOMPARE(game().players[0].remaining, 601);
        recovered = load_recovery(recovery_path(m_folder.path().toStdString()), true);
        QCOMPARE(recovered.schedule->size(), 2u);
        QCOMPARE(recovered.game.players[0].remaining, 601);
    }

    void modifyIsRefusedWhileItsMenuItemIsGreyed() {
        start();
        m_script->push_answer(QStringLiteral("ScheduleDialog"), true);
        window().runCommand(command::modify_schedule);
        QCOMPARE(m_script->calls_of(QStringLiteral("ScheduleDialog")).size(), 0);
    }
};

QTEST_MAIN(OptionCommandsTest)
#include "option_commands_test.moc"
