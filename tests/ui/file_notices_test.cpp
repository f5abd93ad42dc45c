// What the user is told about the program's own files: a saved game that could not be
// continued, and writes of the recovery file and the settings that fail and work again. Also
// what start-up clears away: temporary files that a killed run left behind.

#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "screen/score_edit.h"
#include "screen/score_list_wnd.h"
#include "shell/program.h"

#include "program_under_test.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dvk;

class FileNoticesTest : public QObject, private ProgramUnderTest {
    Q_OBJECT

private:
    QByteArray contents(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program in the test folder; a fresh start's game option dialog is answered.
    void start() {
        ProgramUnderTest::start(QVariantMap{{QStringLiteral("p1_name"), QStringLiteral("Ann")},
                                            {QStringLiteral("p2_name"), QStringLiteral("Bob")}});
        QTRY_COMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 1);
    }

    QStringList texts() const {
        QStringList shown;
        for (const MessageBoxes::Shown& box : MessageBoxes::shown(*m_script)) {
            shown.append(box.text);
        }
        return shown;
    }

    void typeVisit(int points) { type(QString::number(points)); }

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { finish(); }

    void refusedSavedGamesAreEachKeptAndTold() {
        put(QStringLiteral("dvk.tmp"), "not a saved game");
        start();
        const QString first = path(QStringLiteral("dvk.tmp.bad"));
        QCOMPARE(texts(),
                 QStringList{QStringLiteral("The saved game could not be continued and was "
                                            "kept as '%1'.")
                                 .arg(first)});
        QCOMPARE(MessageBoxes::shown(*m_script).first().icon, MessageBoxes::Icon::Warning);
        // The box comes before the game option dialog of the new match.
        QCOMPARE(m_script->calls().first().dialog, QString::fromLatin1(MessageBoxes::dialog_name));
        stop();

        put(QStringLiteral("dvk.tmp"), QByteArray("\x1A") + QByteArray(200, 'x'));
        m_script = std::make_unique<DialogScript>();
        start();
        QVERIFY(texts().first().contains(path(QStringLiteral("dvk.tmp.bad-2"))));
        QCOMPARE(contents(QStringLiteral("dvk.tmp.bad")), QByteArray("not a saved game"));
    }

    void anEmptySavedGameIsReplacedWithoutAWord() {
        put(QStringLiteral("dvk.tmp"), QByteArray());
        start();
        QCOMPARE(texts(), QStringList());
        QVERIFY(!QFile::exists(path(QStringLiteral("dvk.tmp.bad"))));
    }

    void temporaryFilesOfAKilledRunAreRemovedAtStart() {
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        const QString stale = QStringLiteral("dvk.tmp.tmp-%1-AbC123").arg(child);
        const QString settings = QStringLiteral("dvk.ini.tmp-%1-0").arg(child);
        const QString csv = QStringLiteral("data/501_20261208_101500.csv.tmp-%1-Xy12Zz").arg(child);
        QDir(m_folder.path()).mkdir(QStringLiteral("data"));
        for (const QString& name : {stale, settings, csv, QStringLiteral("notes.txt.tmp-1-x")}) {
            put(name, "half a file");
        }
        start();
        QVERIFY(!QFile::exists(path(stale)));
        QVERIFY(!QFile::exists(path(settings)));
        QVERIFY(!QFile::exists(path(csv)));
        QVERIFY(QFile::exists(path(QStringLiteral("notes.txt.tmp-1-x"))));
    }

    void failingRecoveryWritesAreToldOnceAndAgainWhenTheyWork() {
        // A folder where the file belongs: no write can replace it.
        QDir(m_folder.path()).mkdir(QStringLiteral("dvk.tmp"));
        start();
        QTRY_COMPARE(texts().size(), 1);
        const QString failed = texts().first();
        QVERIFY(
            failed.startsWith(QStringLiteral("The game in progress could not be saved to '%1' (")
                                  .arg(path(QStringLiteral("dvk.tmp")))));
        typeVisit(60);
        typeVisit(45);
        QTest::qWait(20);
        QCOMPARE(texts().size(), 1);

        QDir(m_folder.path()).rmdir(QStringLiteral("dvk.tmp"));
        typeVisit(100);
        QTRY_COMPARE(texts().size(), 2);
        QCOMPARE(texts().last(), QStringLiteral("The game in progress is saved to '%1' again.")
                                     .arg(path(QStringLiteral("dvk.tmp"))));
        QCOMPARE(MessageBoxes::shown(*m_script).last().icon, MessageBoxes::Icon::Information);
        QVERIFY(QFileInfo(path(QStringLiteral("dvk.tmp"))).isFile());
    }

    void settingsThatCannotBeReadAreToldAtStartAndTheFailedSaveAtClose() {
        QDir(m_folder.path()).mkdir(QStringLiteral("dvk.ini"));
        start();
        QTRY_COMPARE(texts().size(), 1);
        QCOMPARE(texts().first(),
                 QStringLiteral("The settings in '%1' could not be read (Not a regular file). The "
                                "program starts with the default settings and does not save over "
                                "that file.")
                     .arg(path(QStringLiteral("dvk.ini"))));
        m_program->window().close();
        QCOMPARE(texts().size(), 2);
        QVERIFY(
            texts().last().startsWith(QStringLiteral("The settings could not be saved to '%1' (")
                                          .arg(path(QStringLiteral("dvk.ini")))));
    }

    // A pipe must neither block the start nor be taken for the settings; a file over the size
    // limit must not be dropped without a word. Either way the game starts with the defaults.
    void settingsAPipeOrAnOversizedFileAreToldAtStart_data() {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pipe") << true << QStringLiteral("Not a regular file");
        QTest::newRow("oversized")
            << false << QStringLiteral("File too large: more than 2097152 bytes");
    }
    void settingsAPipeOrAnOversizedFileAreToldAtStart() {
        QFETCH(bool, pipe);
        QFETCH(QString, reason);
        const QString settings = path(QStringLiteral("dvk.ini"));
        if (pipe) {
            QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
        } else {
            put(QStringLiteral("dvk.ini"),
                "[game]\r\nstart_score=301\r\n" + QByteArray(2 * 1024 * 1024, '#'));
        }
        start();
        QTRY_COMPARE(texts().size(), 1);
        QVERIFY(texts().first().startsWith(
            QStringLiteral("The settings in '%1' could not be read (%2).").arg(settings, reason)));
        QCOMPARE(game().start_score, 501);
    }

    void aComputerLevelOfALaterVersionIsTold() {
        put(QStringLiteral("dvk.ini"), "[game]\r\np2_com_level=1055\r\n");
        start();
        QTRY_COMPARE(texts().size(), 1);
        QCOMPARE(texts().first(),
                 QStringLiteral("'%1' names a computer level that this version of dvk does not "
                                "know; Level 12 plays instead.")
                     .arg(path(QStringLiteral("dvk.ini"))));
    }

    void tablesThatCannotBeUsedAreToldAndTheBuiltInOnesTakeTheirPlace() {
        put(QStringLiteral("arrange.txt"), QByteArray(1024 * 1024 + 1, '#'));
        QDir(m_folder.path()).mkdir(QStringLiteral("arrange_com.txt"));
        start();
        QTRY_COMPARE(texts().size(), 2);
        QCOMPARE(texts(),
                 (QStringList{QStringLiteral("The table '%1' could not be read (File too large: "
                                             "more than 1048576 bytes); the built-in table is "
                                             "used instead.")
                                  .arg(path(QStringLiteral("arrange.txt"))),
                              QStringLiteral("The table '%1' could not be read (Not a regular "
                                             "file); the built-in table is used instead.")
                                  .arg(path(QStringLiteral("arrange_com.txt")))}));
        QCOMPARE(m_program->window().context().checkout_table->count(), 417u);
    }
};

QTEST_MAIN(FileNoticesTest)
#include "file_notices_test.moc"
