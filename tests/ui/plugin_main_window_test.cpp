#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_host.h"
#include "screen/score_edit.h"
#include "screen/score_list_wnd.h"
#include "settings/plugin_list.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "shell/plugin_commands.h"
#include "shell/program.h"

#include "program_under_test.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace dvk;

namespace {

QString test_plugin(const QString& name) {
    return QStringLiteral(DVK_TEST_PLUGIN_DIR "/") + name +
           (name == QLatin1String("trio") ? QStringLiteral(".so") : QStringLiteral(".dvk"));
}

// One configured plug-in function, as the [plugin] section of dvk.ini keeps it.
struct Entry {
    QString title;
    QString library;
    QString function;
    QString cmd_line;
    int modifiers = 0;
    int key = 0;
};

QString plugin_section(const QList<Entry>& entries) {
    QString text = QStringLiteral("[plugin]\r\ncount=%1\r\n").arg(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        text +=
            QStringLiteral("title_%1=\"%2\"\r\nlib_file_path_%1=\"%3\"\r\nfunc_name_%1=\"%4\"\r\n"
                           "cmd_line_%1=\"%5\"\r\nctrl_%1=%6\r\nkey_%1=%7\r\n")
                .arg(i)
                .arg(e.title, e.library, e.function, e.cmd_line)
                .arg(e.modifiers)
                .arg(e.key);
    }
    return text;
}

} // namespace

class PluginMainWindowTest : public QObject, private ProgramUnderTest {
    Q_OBJECT

private:
    QString log_path() const { return m_folder.filePath(QStringLiteral("log.txt")); }

    QStringList log() const {
        QFile file(log_path());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void start(const QList<Entry>& entries) {
        put(QStringLiteral("dvk.ini"), plugin_section(entries).toUtf8());
        ProgramUnderTest::start(QVariantMap{{QStringLiteral("p1_name"), QStringLiteral("Ann")},
                                            {QStringLiteral("p2_name"), QStringLiteral("Bob")}});
        QTRY_COMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 1);
    }

    QStringList menuTitles() {
        QStringList titles;
        for (QAction* action : window().menuBar()->actions()) {
            titles << action->text();
        }
        return titles;
    }

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { finish(); }

    void theToolsMenuListsMenuFunctionsWithTheirKeys() {
        start({{QStringLiteral("First"), test_plugin(QStringLiteral("trio")),
                QStringLiteral("first"), log_path(), 12, 'F'},
               {QStringLiteral("Second"), test_plugin(QStringLiteral("trio")),
                QStringLiteral("second"), log_path(), 8, 'S'},
               {QStringLiteral("Recorder"), test_plugin(QStringLiteral("recorder")),
                QStringLiteral("record"), log_path()}});
        QCOMPARE(menuTitles(), (QStringList{QStringLiteral("&Game"), QStringLiteral("&View"),
                                            QStringLiteral("&Score"), QStringLiteral("&Tools"),
                                            QStringLiteral("&Help")}));
        QMenu* tools = window().plugins()->toolsMenu();
        QVERIFY(tools != nullptr);
        QStringList items;
        for (QAction* action : tools->actions()) {
            items << action->text();
        }
        QCOMPARE(items,
                 (QStringList{QStringLiteral("First\tCtrl+Shift+F"), QStringLiteral("Recorder")}));

        QFile::remove(log_path());
        tools->actions().first()->trigger();
        QTest::keyClick(edit(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        // The second function wants no menu event: its key does nothing.
        QTest::keyClick(edit(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log(), (QStringList{QStringLiteral("first e=4 reserved=0"),
                                     QStringLiteral("first e=4 reserved=1")}));
    }

    void withoutMenuFunctionsThereIsNoToolsMenu() {
        start({{QStringLiteral("Second"), test_plugin(QStringLiteral("trio")),
                QStringLiteral("second"), log_path(), 8, 'S'}});
        QCOMPARE(menuTitles(), (QStringList{QStringLiteral("&Game"), QStringLiteral("&View"),
                                            QStringLiteral("&Score"), QStringLiteral("&Help")}));
        QVERIFY(window().plugins()->toolsMenu() == nullptr);
    }

    void aFunctionKeyComesBeforeAPluginKey() {
        start({{QStringLiteral("First"), test_plugin(QStringLiteral("trio")),
                QStringLiteral("first"), log_path(), 0, 0x70}}); // F1 enters the template 0
        QTest::keyClick(edit(), Qt::Key_F1);
        QCOMPARE(window().match().game().current_leg().next_player, 1);
        QVERIFY(log().isEmpty());
    }

    void theWindowTellsOfItsStartAndItsClose() {
        start({{QStringLiteral("Recorder"), test_plugin(QStringLiteral("recorder")),
                QStringLiteral("record"), log_path()}});
        const QStringList started = log();
        QVERIFY(started.size() >= 3);
        QVERIFY(started[0].startsWith(QStringLiteral("init size=280")));
        QVERIFY(started[1].startsWith(QStringLiteral("e=1 p=0 ")));
        QVERIFY(started[2].startsWith(QStringLiteral("e=8 p=0 ")));
        QVERIFY(window().close());
        QVERIFY(log().last().startsWith(QStringLiteral("e=2 p=16 ")));
        QVERIFY(!window().plugins()->host().is_loaded(0));
    }

    void closeIsVetoedOnlyByACombinedAnswerOfExactlyTwo_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("closes");
        QTest::newRow("0 and 2 stay") << QStringLiteral("2=0") << QStringLiteral("2=2") << false;
        QTest::newRow("1 and 2 close") << QStringLiteral("2=1") << QStringLiteral("2=2") << true;
        QTest::newRow("2 stops the calls")
            << QStringLiteral("2=2") << QStringLiteral("2=1") << false;
        QTest::newRow("0 and 0 close") << QStringLiteral("2=0") << QStringLiteral("2=0") << true;
    }
    void closeIsVetoedOnlyByACombinedAnswerOfExactlyTwo() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, closes);
        start({{QStringLiteral("A"), test_plugin(QStringLiteral("vetoer")), QStringLiteral("veto"),
                log_path() + QLatin1Char(' ') + first},
               {QStringLiteral("B"), test_plugin(QStringLiteral("vetoer")), QStringLiteral("veto"),
                log_path() + QLatin1Char(' ') + second}});
        window().setCloseWithoutAsking(false);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        window().runCommand(command::exit);
        QCOMPARE(window().isVisible(), !closes);
        QVERIFY(log().last().startsWith(QStringLiteral("veto e=2 p=16 ")));
    }

    void theSessionEndIsRefusedLikeAClose() {
        start({{QStringLiteral("A"), test_plugin(QStringLiteral("vetoer")), QStringLiteral("veto"),
                log_path() + QStringLiteral(" 2=2")}});
        QVERIFY(window().plugins()->vetoClose(plugin_close_session));
        QCOMPARE(log().last(), QStringLiteral("veto e=2 p=17 answer=2"));
    }

    void aLibraryThatFailsIsToldAndTheProgramGoesOn() {
        start({{QStringLiteral("Gone"), QStringLiteral("/nowhere/gone.dvk"), QStringLiteral("gone"),
                QString(), 8, 'G'},
               {QStringLiteral("First"), test_plugin(QStringLiteral("trio")),
                QStringLiteral("first"), log_path()}});
        const auto boxes = MessageBoxes::shown(*m_script);
        QVERIFY(!boxes.isEmpty());
        QCOMPARE(boxes.first().icon, MessageBoxes::Icon::Error);
        QVERIFY(boxes.first().text.endsWith(QStringLiteral("\n/nowhere/gone.dvk")));
        QCOMPARE(window().plugins()->toolsMenu()->actions().size(), 1);
        QCOMPARE(window().plugins()->toolsMenu()->actions().first()->data().toInt(),
                 command::tools_first + 1);
        // A Tools command of an entry that did not load does nothing.
        window().runCommand(command::tools_first);
        QTest::keyClicks(edit(), QStringLiteral("60"));
        QTest::keyClick(edit(), Qt::Key_Return);
        QCOMPARE(window().match().game().players[0].remaining, 441);
    }

    // The plug-in written from the public header alone sees the game the program starts with,
    // in its initialize function and at the start event, on a fresh start and on a restart.
    void pluginsAreToldOfTheStartWithTheGameSetUp() {
        start({{QStringLiteral("Start Check"), test_plugin(QStringLiteral("start_check")),
                QStringLiteral("start_check"), log_path()}});
        const QString fresh = QStringLiteral(
            "ok start=501 names=Player 1|Player 2 left=501,501 leg=0 rows=1 round=0");
        QCOMPARE(log().mid(0, 4), (QStringList{QStringLiteral("initialize data: ") + fresh,
                                               QStringLiteral("initialize asked: ") + fresh,
                                               QStringLiteral("start data: ") + fresh,
                                               QStringLiteral("start asked: ") + fresh}));
        visits({60, 100});
        stop();
        QFile::remove(log_path());

        ProgramUnderTest::start();
        const QString continued =
            QStringLiteral("ok start=501 names=Ann|Bob left=441,401 leg=0 rows=2 round=1");
        QCOMPARE(log(), (QStringList{QStringLiteral("initialize data: ") + continued,
                                     QStringLiteral("initialize asked: ") + continued,
                                     QStringLiteral("start data: ") + continued,
                                     QStringLiteral("start asked: ") + continued}));
    }

    // A function that ended the last run is named once the window shows, turned off but kept,
    // and the game goes on.
    void aFunctionThatEndedTheLastRunIsToldAndTurnedOff() {
        const QString crasher = test_plugin(QStringLiteral("crasher"));
        put(QStringLiteral("dvk-plugin-call.txt"),
            QStringLiteral("dvk plug-in call\n%1\ncrash_on_visit\ncrash_on_visit, event 256\n")
                .arg(crasher)
                .toUtf8());
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
        start({{QStringLiteral("Crash"), crasher, QStringLiteral("crash_on_visit"), QString()},
               {QStringLiteral("Start Check"), test_plugin(QStringLiteral("start_check")),
                QStringLiteral("start_check"), log_path()}});
        const auto boxes = MessageBoxes::shown(*m_script);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().icon, MessageBoxes::Icon::Warning);
        QVERIFY2(boxes.first().text.contains(QStringLiteral("crash_on_visit, event 256")) &&
                     boxes.first().text.contains(crasher),
                 qPrintable(boxes.first().text));
        QVERIFY(!QFile::exists(path(QStringLiteral("dvk-plugin-call.txt"))));
        QVERIFY(!window().plugins()->host().is_loaded(0));
        QVERIFY(window().plugins()->host().is_loaded(1));
        visits({60}); // the function would end the test
        QCOMPARE(game().players[0].remaining, 441);
        stop();
        const QByteArray settings = [&] {
            QFile file(path(QStringLiteral("dvk.ini")));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QVERIFY(settings.contains("func_name_0=\"crash_on_visit\""));
        QVERIFY(settings.contains("enabled_0=0"));
        // An entry that is on carries no key, as before entries could be turned off.
        QVERIFY(!settings.contains("enabled_1"));
    }
};

QTEST_MAIN(PluginMainWindowTest)
#include "plugin_main_window_test.moc"
