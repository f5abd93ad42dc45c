#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "dialogs/game_csv_file.h"
#include "dialogs/game_history_dialog.h"
#include "dialogs/score_list_dialog.h"
#include "match/automatic_ports.h"
#include "platform/dialog_script.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "screen/score_edit.h"
#include "screen/score_list_wnd.h"
#include "screen/score_player_wnd.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace dvk;

namespace {

// Plays a match of best-of-three games from 301 with scripted visits; checkouts take the
// fewest likely darts.
struct SampleMatch {
    AppOptions settings = default_options(OptionsEnvironment{});
    AutomaticPorts ports;
    Match match{settings, ports, ports, ports};

    SampleMatch() {
        ports.match = &match;
        ports.now = SystemTime{2026, 5, 3, 6, 19, 40, 5, 0};
        settings.game.start_score = 301;
        settings.game.p1_name = "Ann Lindqvist";
        settings.game.p2_name = "Bo Carver";
        settings.game.leg_limit = 1;
        settings.game.max_leg = 3;
        settings.game.best_of = 1;
        match.sheet().set_rows_per_page(12);
        match.start_new_game(false);
    }
    void type(std::initializer_list<int> visits) {
        for (const int points : visits) {
            ports.text = std::to_string(points);
            ports.modified = true;
            match.sheet().next_cell();
        }
    }
    // Game 1 won 2 legs to 1 by Ann (8, 10 and 10 darts); game 2 in its second leg after Bo
    // won the first in 8 darts.
    void playTwoGames() {
        type({180, 100, 60, 45, 61});
        type({100, 60, 100, 41, 60, 100, 41});
        type({140, 60, 100, 26, 45, 100, 16});
        type({60, 100, 100, 140, 81, 61});
        type({45});
    }
    const GameRecord& firstGame() const { return match.history().items.front(); }
};

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RecordsDialogsTest : public QObject {
    Q_OBJECT

private:
    const ArrangeTable m_table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    std::unique_ptr<SampleMatch> m_sample;
    std::unique_ptr<DialogScript> m_script;

    Match& match() { return m_sample->match; }

    std::unique_ptr<GameHistoryDialog> openHistory() {
        auto dialog = std::make_unique<GameHistoryDialog>(match().history(), match().game(),
                                                          m_sample->settings, m_table);
        dialog->show();
        return QTest::qWaitForWindowActive(dialog.get()) ? std::move(dialog) : nullptr;
    }

    std::unique_ptr<ScoreListDialog> openScoreList(const GameRecord& game, int leg) {
        auto dialog = std::make_unique<ScoreListDialog>(game, leg, m_sample->settings, m_table);
        dialog->show();
        return QTest::qWaitForWindowActive(dialog.get()) ? std::move(dialog) : nullptr;
    }

private Q_SLOTS:
    void init() {
        m_sample = std::make_unique<SampleMatch>();
        m_script = std::make_unique<DialogScript>();
    }

    void cleanup() {
        m_script.reset();
        m_sample.reset();
    }

    void historyListsGamesLegsAndTheGameInProgress() {
        m_sample->playTwoGames();
        match().game().players[1].com = 1;
        match().game().players[1].com_level = 6;
        const auto dialog = openHistory();
        QVERIFY(dialog);
        QCOMPARE(dialog->lineTexts(),
                 (QStringList{QStringLiteral("301|1 Sets|Ann Lindqvist|Bo Carver"),
                              QStringLiteral("|1 Legs|8|-"), QStringLiteral("|2 Legs|-|10"),
                              QStringLiteral("|3 Legs|10|-"),
                              QStringLiteral("301|2 Sets|Ann Lindqvist|COM (Lv.7)"),
                              QStringLiteral("|1 Legs|-|8")}));
        QCOMPARE(dialog->list()->currentRow(), 0);
        for (const char* name : {"view", "save_as", "clear", "close"}) {
            QVERIFY2(dialog->button(QString::fromLatin1(name))->isEnabled(), name);
        }
        QCOMPARE(dialog->list()->visualItemRect(dialog->list()->item(1)).height(), 24);
    }

    void buttonsFollowTheSelectionAndTheHistory() {
        {
            const auto empty = openHistory();
            QVERIFY(empty);
            QVERIFY(empty->lineTexts().isEmpty());
            for (const char* name : {"view", "save_as", "clear"}) {
                QVERIFY2(!empty->button(QString::fromLatin1(name))->isEnabled(), name);
            }
            QVERIFY(empty->button(QStringLiteral("close"))->isEnabled());
        }
        m_sample->type({180, 100, 60, 45, 61});
        const auto dialog = openHistory();
        QVERIFY(dialog);
        QCOMPARE(dialog->lines().size(), std::size_t{2});
        QVERIFY(dialog->button(QStringLiteral("view"))->isEnabled());
        QVERIFY(!dialog->button(QStringLiteral("clear"))->isEnabled());
        dialog->list()->clearSelection();
        QVERIFY(!dialog->button(QStringLiteral("view"))->isEnabled());
        QVERIFY(!dialog->button(QStringLiteral("save_as"))->isEnabled());
    }

    void viewOpensTheSelectedLineByKeyMnemonicAndDoubleClick() {
        m_sample->playTwoGames();
        const auto dialog = openHistory();
        QVERIFY(dialog);
        QListWidget* list = dialog->list();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        const auto opened = [&] { return m_script->calls_of(QStringLiteral("ScoreListDialog")); };
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(opened().size(), 1);
        QTest::keyClick(list, Qt::Key_Down);
        // A mnemonic presses its button a moment later, as a click would.
        QTest::keyClick(dialog.get(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(opened().size(), 2);
        const QPoint second_leg = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second_leg);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second_leg);

        const auto calls = opened();
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls[0].arguments.value(QStringLiteral("leg")).toInt(), 3);
        QCOMPARE(calls[1].arguments.value(QStringLiteral("leg")).toInt(), 0);
        QCOMPARE(calls[2].arguments.value(QStringLiteral("leg")).toInt(), 2);
        QVERIFY(dialog->isVisible());
    }

    void clearAsksThenKeepsOnlyTheGameInProgress() {
        m_sample->playTwoGames();
        const auto dialog = openHistory();
        QVERIFY(dialog);
        const QStringList before = dialog->lineTexts();
        MessageBoxes::set_next_answers(*m_script,
                                       {MessageBoxes::Button::No, MessageBoxes::Button::Yes});
        QTest::keyClick(dialog.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(MessageBoxes::shown(*m_script).size(), 1);
        QCOMPARE(dialog->lineTexts(), before);
        QCOMPARE(match().history().count(), 1);
        QTest::keyClick(dialog.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(match().history().count(), 0);

        const auto boxes = MessageBoxes::shown(*m_script);
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].text, QStringLiteral("Are you sure you want to clear history?"));
        QCOMPARE(boxes[0].icon, MessageBoxes::Icon::Question);
        QCOMPARE(match().history().count(), 0);
        QCOMPARE(dialog->lineTexts(), before.mid(4));
        QCOMPARE(dialog->list()->currentRow(), 0);
        QVERIFY(!dialog->button(QStringLiteral("clear"))->isEnabled());
        QVERIFY(dialog->button(QStringLiteral("view"))->isEnabled());
    }

    void saveAsWritesTheWholeGameOfTheSelectedLine() {
        m_sample->playTwoGames();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("first.csv"));
        const auto dialog = openHistory();
        QVERIFY(dialog);
        dialog->list()->setCurrentRow(2);
        m_script->push_answer(QString::fromLatin1(FileDialogs::save_dialog_name), path);
        QTest::keyClick(dialog.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(QFile::exists(path));

        const auto calls = m_script->calls_of(QString::fromLatin1(FileDialogs::save_dialog_name));
        QCOMPARE(calls.size(), 1);
        const QVariantMap& offered = calls[0].arguments;
        QCOMPARE(offered.value(QStringLiteral("title")).toString(), QStringLiteral("Save As"));
        QCOMPARE(offered.value(QStringLiteral("proposed_name")).toString(),
                 QStringLiteral("301_20260506_194005.csv"));
        QCOMPARE(offered.value(QStringLiteral("filter")).toString(), QStringLiteral("CSV (*.csv)"));
        QCOMPARE(offered.value(QStringLiteral("default_suffix")).toString(), QStringLiteral("csv"));
        const std::string expected =
            compose_game_csv(m_sample->firstGame(), GameCsvFile::user_locale());
        QCOMPARE(read_file(path), QByteArray::fromStdString(expected));
        QVERIFY(expected.find("\r\n3,45,16,100,") != std::string::npos);
        QVERIFY(MessageBoxes::shown(*m_script).isEmpty());
    }

    void saveAsCancelledWritesNothingAndAFailureIsTold() {
        m_sample->playTwoGames();
        QTemporaryDir folder;
        const auto dialog = openHistory();
        QVERIFY(dialog);
        QVERIFY(!GameCsvFile::save_as(dialog.get(), m_sample->firstGame()));
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(MessageBoxes::shown(*m_script).isEmpty());

        const QString unwritable = folder.filePath(QStringLiteral("missing/game.csv"));
        m_script->push_answer(QString::fromLatin1(FileDialogs::save_dialog_name), unwritable);
        QVERIFY(!GameCsvFile::save_as(dialog.get(), m_sample->firstGame()));
        const auto boxes = MessageBoxes::shown(*m_script);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, MessageBoxes::Icon::Error);
        QVERIFY(boxes[0].text.contains(unwritable));
        QVERIFY(boxes[0].text.contains(QStringLiteral("No such file or directory")));
    }

    void gameLineShowsEveryRowWithTheGamesOwnFigures() {
        m_sample->playTwoGames();
        // The game in progress has match totals from the first game; the dialog leaves them out.
        const GameRecord& playing = match().game();
        QVERIFY(playing.players[0].match.tons > 0);
        const auto dialog = openScoreList(playing, 0);
        QVERIFY(dialog);
        QStringList entries;
        for (int i = 0; i < dialog->choice()->count(); ++i) {
            entries << dialog->choice()->itemText(i);
        }
        QCOMPARE(entries,
                 (QStringList{QStringLiteral("Player Information"), QStringLiteral("1 Legs")}));
        QVERIFY(!dialog->scoreList()->isVisible());
        for (int p = 0; p < 2; ++p) {
            ScorePlayerWnd* window = dialog->playerWindow(p);
            QVERIFY(window->isVisible());
            const QStringList texts = window->shownTexts();
            for (const char* label : {"Sets: ", "Legs: ", "Tons: ", "High Out: ", "Worst: ",
                                      "Darts: ", "First 9: ", "Check-Out: ", "Break: "}) {
                QVERIFY2(texts.contains(QString::fromLatin1(label)), label);
            }
            QVERIFY(!texts.contains(QStringLiteral("- First -")));
            const qsizetype tons = texts.indexOf(QStringLiteral("Tons: "));
            QCOMPARE(texts.at(tons + 1),
                     QString::number(playing.players[static_cast<std::size_t>(p)].game.tons));
            QVERIFY(!dialog->dartsText(p)->isVisible());
        }
    }

    void legLineShowsTheLegAndTheWinnersDarts() {
        m_sample->playTwoGames();
        const auto dialog = openScoreList(m_sample->firstGame(), 2);
        QVERIFY(dialog);
        QCOMPARE(dialog->choice()->currentText(), QStringLiteral("2 Legs"));
        QVERIFY(dialog->scoreList()->isVisible());
        QVERIFY(!dialog->playerWindow(0)->isVisible());
        QCOMPARE(dialog->sheet().shown_leg(), 1);
        QCOMPARE(dialog->dartsText(0)->text(), QString());
        QCOMPARE(dialog->dartsText(1)->text(), QStringLiteral("10 Darts"));
        QVERIFY(dialog->dartsText(1)->geometry().right() > dialog->width() / 2);

        QTest::keyClick(dialog->choice(), Qt::Key_Up);
        QCOMPARE(dialog->sheet().shown_leg(), 0);
        QCOMPARE(dialog->dartsText(0)->text(), QStringLiteral("8 Darts"));
        QCOMPARE(dialog->dartsText(1)->text(), QString());
        QTest::keyClick(dialog->choice(), Qt::Key_Up);
        QVERIFY(dialog->playerWindow(1)->isVisible());
        QVERIFY(!dialog->scoreList()->isVisible());
        QVERIFY(!dialog->dartsText(0)->isVisible());
    }

    void legWithoutWinningDartsShowsNoDarts() {
        m_sample->playTwoGames();
        GameRecord drawn = m_sample->firstGame();
        drawn.legs[0].winning_darts = 0;
        const auto dialog = openScoreList(drawn, 1);
        QVERIFY(dialog);
        QCOMPARE(dialog->dartsText(0)->text(), QString());
        QCOMPARE(dialog->dartsText(1)->text(), QString());
    }

    void nothingDoneInTheScoreListChangesAGame() {
        m_sample->playTwoGames();
        const GameRecord before = match().game();
        const auto dialog = openScoreList(match().game(), 1);
        QVERIFY(dialog);
        ScoreListWnd* list = dialog->scoreList();
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("60"));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Home,
                                  Qt::Key_Up, Qt::Key_Escape}) {
            QTest::keyClick(list, key);
        }
        QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier,
                          list->scoredCellRect(0, 1).center());
        QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier,
                          list->scoredCellRect(1, 2).center());
        QVERIFY(!list->edit()->isVisible());
        QVERIFY(dialog->game() == before);
        QVERIFY(match().game() == before);
    }

    void longLegScrollsInTheDialog() {
        for (int i = 0; i < 56; ++i) {
            m_sample->type({10});
        }
        m_sample->type({21});
        const GameRecord& game = match().game();
        QCOMPARE(game.leg_index, 1);
        const auto dialog = openScoreList(game, 1);
        QVERIFY(dialog);
        dialog->resize(360, 300);
        QTest::qWait(10);
        const ScoreSheet& sheet = dialog->sheet();
        QVERIFY(sheet.largest_top() > 0);
        dialog->scoreList()->setFocus();
        QTest::keyClick(dialog->scoreList(), Qt::Key_End);
        QCOMPARE(sheet.top(), sheet.largest_top());
        QTest::keyClick(dialog->scoreList(), Qt::Key_Home);
        QCOMPARE(sheet.top(), 0);
        QTest::keyClick(dialog->scoreList(), Qt::Key_Down);
        QCOMPARE(sheet.top(), 1);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }
    // Picking another leg redraws the heading's first-thrower mark for that leg: the list after
    // the pick shows the same heading as a list opened on that leg.
    void headingMarksTheFirstThrowerOfTheLegPicked() {
        m_sample->playTwoGames();
        const GameRecord& game = m_sample->firstGame();
        QVERIFY(game.legs[0].first_player != game.legs[1].first_player);
        const auto heading = [](ScoreListDialog& dialog) {
            ScoreListWnd* list = dialog.scoreList();
            return list->grab(QRect(0, 0, list->width(), list->headerHeight())).toImage();
        };
        QImage fresh;
        {
            const auto second = openScoreList(game, 2);
            QVERIFY(second);
            fresh = heading(*second);
        }
        const auto dialog = openScoreList(game, 1);
        QVERIFY(dialog);
        QCOMPARE(dialog->scoreList()->templateFirstPlayer(), game.legs[0].first_player);
        const QImage first = heading(*dialog);
        QVERIFY(first != fresh);
        QTest::keyClick(dialog->choice(), Qt::Key_Down);
        QCOMPARE(dialog->sheet().shown_leg(), 1);
        QCOMPARE(heading(*dialog), fresh);
        QCOMPARE(dialog->scoreList()->templateFirstPlayer(), game.legs[1].first_player);
    }

    // The history's lines always fit its width: a vertical scroll bar brings no horizontal one.
    void historyScrollsOnlyUpAndDown() {
        m_sample->playTwoGames();
        const auto dialog = openHistory();
        QVERIFY(dialog);
        for (const QSize size : {QSize(400, 170), QSize(640, 170), QSize(380, 400)}) {
            dialog->resize(size);
            QTest::qWait(20);
            QListWidget* list = dialog->list();
            QVERIFY(list->verticalScrollBar()->isVisible() || size.height() > 300);
            QVERIFY2(!list->horizontalScrollBar()->isVisible(),
                     qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
            QCOMPARE(list->visualItemRect(list->item(1)).width(), list->viewport()->width());
        }
    }

    // Saved during a leg, the game in progress is written as its last completed leg left it.
    void saveAsDuringALegLeavesTheOpenLegOutOfTheTotals() {
        m_sample->playTwoGames();
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("playing.csv"));
        const auto dialog = openHistory();
        QVERIFY(dialog);
        dialog->list()->setCurrentRow(4);
        m_script->push_answer(QString::fromLatin1(FileDialogs::save_dialog_name), path);
        QTest::keyClick(dialog.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(QFile::exists(path));
        const GameRecord& playing = match().game();
        QCOMPARE(read_file(path), QByteArray::fromStdString(compose_game_csv(
                                      completed_legs_game(playing), GameCsvFile::user_locale())));
        QVERIFY(read_file(path) !=
                QByteArray::fromStdString(compose_game_csv(playing, GameCsvFile::user_locale())));
    }
};

QTEST_MAIN(RecordsDialogsTest)
#include "records_dialogs_test.moc"
