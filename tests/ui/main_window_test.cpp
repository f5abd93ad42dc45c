#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "screen/score_edit.h"
#include "screen/score_left_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_name_wnd.h"
#include "screen/score_player_wnd.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "shell/program.h"

#include "program_under_test.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace dvk;

namespace {

QVariantMap two_players() {
    return {{QStringLiteral("p1_name"), QStringLiteral("Ann")},
            {QStringLiteral("p2_name"), QStringLiteral("Bob")},
            {QStringLiteral("start_score"), 501}};
}

} // namespace

class MainWindowTest : public QObject, private ProgramUnderTest {
    Q_OBJECT

private:
    InputCell cell() { return window().match().sheet().input_cell(); }

    void writeSettings(const QString& text) { put(QStringLiteral("dvk.ini"), text.toUtf8()); }

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { finish(); }

    void freshStartOpensGameOptionsAndAWholeLegIsTyped() {
        start(two_players());
        QCOMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 1);
        QCOMPARE(QString::fromStdString(game().players[0].name), QStringLiteral("Ann"));
        QVERIFY(edit()->isVisible());
        QCOMPARE(edit()->geometry(), window().scoreList()->scoredCellRect(0, 1));

        m_script->push_answer(QStringLiteral("CheckOutDialog"), 3);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
        visits({100, 26, 100, 45, 100, 60, 100, 81, 101});

        const auto checkout = m_script->calls_of(QStringLiteral("CheckOutDialog"));
        QCOMPARE(checkout.size(), 1);
        const auto boxes = MessageBoxes::shown(*m_script);
        QVERIFY(!boxes.isEmpty());
        QCOMPARE(boxes.last().text, QStringLiteral("Game shot 3 dart. (15 darts)"));
        QCOMPARE(boxes.last().caption, QStringLiteral("Ann"));
        QCOMPARE(game().leg_index, 1);
        QCOMPARE(game().players[0].legs_won, 1);
        QCOMPARE(game().current_leg().first_player, 1);
        QCOMPARE(cell(), (InputCell{1, 0}));
        QCOMPARE(edit()->geometry(), window().scoreList()->scoredCellRect(1, 1));
        QVERIFY(window().windowTitle().startsWith(QStringLiteral("dvk - 2 Legs")));
        QVERIFY(window().mainMenu()->action(command::previous_leg)->isEnabled());
    }

    void sideWindowsFollowTheMatch() {
        QVariantMap options = two_players();
        options.insert(QStringLiteral("leg_limit"), 1);
        options.insert(QStringLiteral("max_leg"), 5);
        start(options);
        QVERIFY(window().windowTitle().contains(QStringLiteral("Best of 5 Legs")));
        QVERIFY(window().playerWindow(0)->shownTexts().contains(QStringLiteral("Sets: ")));
        QVERIFY(window().leftWindow(0)->isActive());
        QCOMPARE(window().nameWindow()->nameText(0), QStringLiteral("Ann"));
        QCOMPARE(window().nameWindow()->nameText(1), QStringLiteral("Bob"));
        type(QStringLiteral("60"));
        QVERIFY(window().leftWindow(1)->isActive());
        QVERIFY(!window().leftWindow(0)->isActive());
    }

    void refusedVisitsBeepAndKeepTheCell() {
        start(two_players());
        type(QStringLiteral("179"));
        QCOMPARE(cell(), (InputCell{0, 0}));
        QCOMPARE(edit()->text(), QStringLiteral("179"));
        QTest::keyClick(edit(), Qt::Key_Escape);
        QCOMPARE(edit()->text(), QString());
        QTest::keyClicks(edit(), QStringLiteral("1a"));
        QCOMPARE(edit()->text(), QStringLiteral("1"));
    }

    void correctingAnEarlierVisitWithUpAndMovingBack() {
        start(two_players());
        visits({60, 45, 100, 26});
        QCOMPARE(cell(), (InputCell{0, 2}));
        QTest::keyClick(edit(), Qt::Key_Up);
        QCOMPARE(cell(), (InputCell{0, 1}));
        QCOMPARE(edit()->text(), QStringLiteral("100"));
        type(QStringLiteral("140"));
        QCOMPARE(game().current_leg().scores[0][1], 140);
        QCOMPARE(game().players[0].remaining, 501 - 200);
        QCOMPARE(cell(), (InputCell{1, 1}));
        QTest::keyClick(edit(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(cell(), (InputCell{0, 1}));
        QTest::keyClick(edit(), Qt::Key_Escape);
        QCOMPARE(cell(), (InputCell{0, 2}));
        QCOMPARE(game().current_leg().round, 2);
    }

    void clicksMoveTheInputCellAndRightClickOpensTheScoreMenu() {
        start(two_players());
        visits({60, 45, 100});
        ScoreListWnd* list = window().scoreList();
        const QPoint bob_round_one = list->scoredCellRect(1, 1).center();
        QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, bob_round_one);
        QCOMPARE(cell(), (InputCell{1, 0}));
        QCOMPARE(edit()->text(), QStringLiteral("45"));
        const QPoint ann_round_one = list->scoredCellRect(0, 1).center();
        QTest::mouseClick(list, Qt::RightButton, Qt::NoModifier, ann_round_one);
        QCOMPARE(cell(), (InputCell{0, 0}));
        QContextMenuEvent menu_request(QContextMenuEvent::Mouse, ann_round_one,
                                       list->mapToGlobal(ann_round_one));
        QApplication::sendEvent(list, &menu_request);
        QTRY_VERIFY(window().mainMenu()->scoreMenu()->isVisible());
        window().mainMenu()->scoreMenu()->close();
    }

    void functionKeysEnterTemplates() {
        start(two_players());
        QTest::keyClick(edit(), Qt::Key_F1);
        QCOMPARE(game().current_leg().scores[0][0], 0);
        QCOMPARE(cell(), (InputCell{1, 0}));
        QTest::keyClick(edit(), Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(game().current_leg().scores[1][0], 180);
        QCOMPARE(window().mainMenu()->action(51180)->text(), QStringLiteral("180\tShift+F8"));
    }

    void computerPlayerThrowsAWholeVisit() {
        QVariantMap options = two_players();
        options.insert(QStringLiteral("p2_com"), 1);
        start(options);
        m_program->options().com_timer = 1;
        // The level column beyond the twelve offered levels always hits its target.
        window().match().game().players[1].com_level = 12;
        m_script->push_answer(QStringLiteral("ComThrowDialog"), 5);
        type(QStringLiteral("60"));
        QVERIFY(QTest::qWaitFor([&] { return game().current_leg().round == 1; }, 2000));
        QCOMPARE(game().current_leg().scores[1][0], 180);
        QCOMPARE(cell(), (InputCell{0, 1}));
        QVERIFY(window().menuBar()->isEnabled());
    }

    void stoppingTheComputerFinishesTheLeg() {
        QVariantMap options = two_players();
        options.insert(QStringLiteral("p2_com"), 1);
        start(options);
        type(QStringLiteral("60"));
        QVERIFY(QTest::qWaitFor([&] { return game().current_leg().finished == 1; }, 2000));
        QVERIFY(!edit()->isVisible());
        QCOMPARE(game().players[1].com_result, -5);
    }

    void restartContinuesTheGameAtTheSameCell() {
        start(two_players());
        visits({60, 45, 100});
        QCOMPARE(cell(), (InputCell{1, 1}));
        stop();
        QVERIFY(QFile::exists(m_folder.filePath(QStringLiteral("dvk.tmp"))));
        start();
        QCOMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 1);
        QCOMPARE(cell(), (InputCell{1, 1}));
        QCOMPARE(window().nameWindow()->nameText(0), QStringLiteral("Ann"));
        QCOMPARE(game().players[0].remaining, 341);
        QCOMPARE(QString::fromStdString(game().players[1].name), QStringLiteral("Bob"));
        type(QStringLiteral("26"));
        QCOMPARE(game().players[1].remaining, 430);
    }

    void keysNothingHandlesPassThroughTheCellAndTheList() {
        start(two_players());
        // A key the cell ignores goes up to the list, which must not give it back to the cell.
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_K, Qt::ControlModifier}, std::pair{Qt::Key_X, Qt::AltModifier},
              std::pair{Qt::Key_Pause, Qt::NoModifier}, std::pair{Qt::Key_F13, Qt::NoModifier}}) {
            QTest::keyClick(edit(), key, modifiers);
            QTest::keyClick(window().scoreList(), key, modifiers);
        }
        type(QStringLiteral("60"));
        QCOMPARE(game().players[0].remaining, 441);
    }

    void continuedSetGameShowsItsSetsLikeAFreshOne() {
        QVariantMap options = two_players();
        options.insert(QStringLiteral("leg_limit"), 1);
        options.insert(QStringLiteral("max_leg"), 3);
        start(options);
        visits({60});
        const QStringList fresh_texts = window().playerWindow(0)->shownTexts();
        QVERIFY(fresh_texts.contains(QStringLiteral("Sets: ")));
        window().runCommand(command::view_player);
        const QString fresh_score = window().nameWindow()->scoreText();
        QCOMPARE(fresh_score, QStringLiteral("(0) 0 - 0 (0)"));
        stop();
        start();
        QCOMPARE(window().nameWindow()->scoreText(), fresh_score);
        QCOMPARE(window().playerWindow(0)->shownTexts(), fresh_texts);
    }

    void recoveryDeleteStartsANewMatch() {
        start(two_players());
        visits({60});
        m_program->options().recovery_delete = 1;
        stop();
        QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("dvk.tmp"))));
        start(two_players());
        QCOMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 2);
        QCOMPARE(game().players[0].remaining, 501);
    }

    void keyTableComesBeforeTheFixedKeys() {
        writeSettings(
            QStringLiteral("[key]\r\ncount=1\r\naction_0=51060\r\nctrl_0=0\r\nkey_0=13\r\n"));
        start(two_players());
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(game().current_leg().scores[0][0], 60);
        QCOMPARE(cell(), (InputCell{1, 0}));
        QTest::keyClick(edit(), Qt::Key_Tab);
        QCOMPARE(game().current_leg().round, 0);
    }

    // The Left and Right functions press the arrow keys themselves; those presses are the keys'
    // own, never looked up in the key table again, whatever the arrows are bound to.
    void arrowFunctionsBoundToTheArrowsMoveTheCaret() {
        // Left does Left; Right does Left as well; Ctrl+F5 does Right.
        writeSettings(QStringLiteral("[key]\r\ncount=3\r\n"
                                     "action_0=40050\r\nctrl_0=0\r\nkey_0=37\r\n"
                                     "action_1=40050\r\nctrl_1=0\r\nkey_1=39\r\n"
                                     "action_2=40051\r\nctrl_2=8\r\nkey_2=116\r\n"));
        start(two_players());
        QTest::keyClicks(edit(), QStringLiteral("45"));
        QTest::keyClick(edit(), Qt::Key_Left);
        QTest::keyClick(edit(), Qt::Key_Right);
        QTest::keyClicks(edit(), QStringLiteral("1"));
        QCOMPARE(edit()->text(), QStringLiteral("145"));
        QTest::keyClick(edit(), Qt::Key_F5, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_Backspace);
        QCOMPARE(edit()->text(), QStringLiteral("15"));
    }

    void fullScreenKeepsTheMenuBarWithANegativeInterval() {
        writeSettings(
            QStringLiteral("[window]\r\nfull_screen=1\r\nfull_screen_menu_interval=-1\r\n"));
        start(two_players());
        QVERIFY(window().isFullScreen());
        QVERIFY(window().menuBar()->isVisible());
        window().runCommand(command::full_screen);
        QVERIFY(!window().isFullScreen());
        QCOMPARE(m_program->options().full_screen, 0);
    }

    void fullScreenHidesTheMenuBarUntilAsked() {
        writeSettings(
            QStringLiteral("[window]\r\nfull_screen=1\r\nfull_screen_menu_interval=50\r\n"));
        // A pointer resting at the top edge would bring the menu bar back.
        QCursor::setPos(400, 400);
        start(two_players());
        QVERIFY(window().isFullScreen());
        QVERIFY(!window().menuBar()->isVisible());
    }

    void exitAsksFirst() {
        start(two_players());
        window().setCloseWithoutAsking(false);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::No});
        window().runCommand(command::exit);
        QVERIFY(window().isVisible());
        QCOMPARE(MessageBoxes::shown(*m_script).last().text,
                 QStringLiteral("Do you want to exit?"));
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        window().runCommand(command::exit);
        QVERIFY(!window().isVisible());
        QVERIFY(QFile::exists(m_folder.filePath(QStringLiteral("dvk.ini"))));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
