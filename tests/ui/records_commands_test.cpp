#include "dialogs/game_csv_file.h"
#include "dialogs/game_history_dialog.h"
#include "platform/dialog_script.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "screen/score_edit.h"
#include "screen/score_list_wnd.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "shell/program.h"

#include "program_under_test.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace dvk;

namespace {

QVariantMap games_of(int legs, bool best_of) {
    return {{QStringLiteral("p1_name"), QStringLiteral("Ann Lindqvist")},
            {QStringLiteral("p2_name"), QStringLiteral("Bo Carver")},
            {QStringLiteral("start_score"), 301},
            {QStringLiteral("leg_limit"), 1},
            {QStringLiteral("max_leg"), legs},
            {QStringLiteral("best_of"), best_of ? 1 : 0}};
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RecordsCommandsTest : public QObject, private ProgramUnderTest {
    Q_OBJECT

private:
    void start(const QVariantMap& game_options, bool auto_save = false) {
        create();
        window().options().auto_save = auto_save ? 1 : 0;
        show(game_options);
        QTRY_COMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 1);
    }

    // 180, 0 and a three-dart 121 win a leg of 301 for the first thrower.
    void winLegFromTheFront() {
        m_script->push_answer(QStringLiteral("CheckOutDialog"), 3);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
        visits({180, 0, 121});
    }

    QStringList csvFiles() const {
        return QDir(m_folder.filePath(QStringLiteral("data")))
            .entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    }

    QList<MessageBoxes::Shown> boxesWith(const QString& part) const {
        QList<MessageBoxes::Shown> found;
        for (const MessageBoxes::Shown& box : MessageBoxes::shown(*m_script)) {
            if (box.text.contains(part)) {
                found.append(box);
            }
        }
        return found;
    }

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { finish(); }

    void keysAndMenuOpenTheRecordDialogs() {
        start(games_of(3, true));
        for (int command : {command::game_history, command::dart_out_shots}) {
            QVERIFY(window().mainMenu()->action(command)->isEnabled());
        }
        QCOMPARE(MainMenu::commandText(command::dart_out_shots),
                 QStringLiteral("&Dart Out Shots..."));
        QVERIFY(window()
                    .mainMenu()
                    ->action(command::dart_out_shots)
                    ->text()
                    .endsWith(QStringLiteral("\tCtrl+A")));
        visits({60});
        QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
        visits({100});
        QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
        window().mainMenu()->action(command::dart_out_shots)->trigger();
        const auto shots = m_script->calls_of(QStringLiteral("DartOutShotsDialog"));
        QCOMPARE(shots.size(), 3);
        QCOMPARE(shots[0].arguments.value(QStringLiteral("score")).toInt(), 301);
        QCOMPARE(shots[1].arguments.value(QStringLiteral("score")).toInt(), 241);
        QCOMPARE(shots[2].arguments.value(QStringLiteral("score")).toInt(), 241);

        QTest::keyClick(edit(), Qt::Key_H, Qt::ControlModifier);
        window().mainMenu()->action(command::game_history)->trigger();
        QCOMPARE(m_script->calls_of(QStringLiteral("GameHistoryDialog")).size(), 2);
    }

    void historyAfterTwoGamesAndAPreviousLeg() {
        start(games_of(1, false));
        winLegFromTheFront();
        QTRY_COMPARE(game().game_index, 1);
        winLegFromTheFront();
        QTRY_COMPARE(game().game_index, 2);
        HistoryList& history = window().match().history();
        QCOMPARE(history.count(), 2);
        {
            GameHistoryDialog dialog(history, game(), window().options(),
                                     *window().context().checkout_table, &window());
            QCOMPARE(dialog.lineTexts(),
                     (QStringList{QStringLiteral("301|1 Sets|Ann Lindqvist|Bo Carver"),
                                  QStringLiteral("|1 Legs|6|-"),
                                  QStringLiteral("301|2 Sets|Ann Lindqvist|Bo Carver"),
                                  QStringLiteral("|1 Legs|6|-")}));
        }
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        window().runCommand(command::previous_leg);
        QCOMPARE(game().game_index, 1);
        QCOMPARE(history.count(), 1);
        GameHistoryDialog dialog(history, game(), window().options(),
                                 *window().context().checkout_table, &window());
        QCOMPARE(dialog.lineTexts(),
                 (QStringList{QStringLiteral("301|1 Sets|Ann Lindqvist|Bo Carver"),
                              QStringLiteral("|1 Legs|6|-")}));
    }

    void saveAsWritesTheSameBytesAsAutoSave() {
        start(games_of(3, true), true);
        winLegFromTheFront();
        QTRY_COMPARE(game().leg_index, 1);
        QCOMPARE(csvFiles().size(), 1);
        const QString auto_saved = m_folder.filePath(QStringLiteral("data/") + csvFiles().first());

        GameHistoryDialog dialog(window().match().history(), game(), window().options(),
                                 *window().context().checkout_table, &window());
        dialog.setDataFolder(window().context().data_folder);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.lineTexts().size(), 2);
        dialog.list()->setCurrentRow(1);
        const QString chosen = m_folder.filePath(QStringLiteral("saved.csv"));
        m_script->push_answer(QString::fromLatin1(FileDialogs::save_dialog_name), chosen);
        QTest::mouseClick(dialog.button(QStringLiteral("save_as")), Qt::LeftButton);
        QVERIFY(QFile::exists(chosen));
        const auto offered = m_script->calls_of(QString::fromLatin1(FileDialogs::save_dialog_name));
        QCOMPARE(offered.first().arguments.value(QStringLiteral("proposed_name")).toString(),
                 csvFiles().first());
        // The dialog opens where auto save keeps the games.
        QCOMPARE(offered.first().arguments.value(QStringLiteral("folder")).toString(),
                 QFileInfo(auto_saved).path());
        QCOMPARE(read_file(chosen), read_file(auto_saved));
        QVERIFY(read_file(chosen).contains("Round,Scored,To Go,Scored,To Go\r\n"));
    }

    void failingAutoSaveIsToldOncePerReasonAndGame() {
        QFile blocker(m_folder.filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        start(games_of(5, true), true);
        const QString failed = QStringLiteral("could not be saved automatically");
        winLegFromTheFront();
        QTRY_COMPARE(game().leg_index, 1);
        // The box opens once the next leg is set up.
        QTRY_COMPARE(boxesWith(failed).size(), 1);
        const MessageBoxes::Shown box = boxesWith(failed).first();
        QCOMPARE(box.icon, MessageBoxes::Icon::Error);
        QVERIFY(box.text.contains(QStringLiteral("data/301_")));
        QVERIFY(box.text.contains(QStringLiteral("Not a directory")));

        visits({100});
        winLegFromTheFront();
        QTRY_COMPARE(game().leg_index, 2);
        QTest::qWait(10);
        QCOMPARE(boxesWith(failed).size(), 1);

        m_script->push_answer(QStringLiteral("GameOptionDialog"), games_of(5, true));
        QTest::keyClick(edit(), Qt::Key_N, Qt::ControlModifier);
        QTRY_COMPARE(game().leg_index, 0);
        winLegFromTheFront();
        QTRY_COMPARE(game().leg_index, 1);
        QTRY_COMPARE(boxesWith(failed).size(), 2);

        QVERIFY(QFile::remove(m_folder.filePath(QStringLiteral("data"))));
        visits({100});
        winLegFromTheFront();
        QTRY_COMPARE(game().leg_index, 2);
        QTRY_COMPARE(boxesWith(QStringLiteral("saved automatically again")).size(), 1);
        QCOMPARE(csvFiles().size(), 1);
    }
};

QTEST_MAIN(RecordsCommandsTest)
#include "records_commands_test.moc"
