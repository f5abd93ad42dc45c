#include "platform/program_folders.h"
#include "platform/system_services.h"
#include "scoped_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace dvk;

namespace {

using Mode = std::optional<FolderMode>;

QString text_of(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytes_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(FolderMode)

// A program folder and a home of their own for each test, with the user's standard folders
// inside the home.
class ProgramFoldersTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    std::vector<std::unique_ptr<ScopedEnvironment>> m_environment;

    QString program() const { return m_root->filePath(QStringLiteral("program")); }
    QString home(const QString& name = {}) const {
        return QDir(m_root->filePath(QStringLiteral("home"))).filePath(name);
    }
    void setEnvironment(const char* name, const QByteArray& value) {
        m_environment.push_back(std::make_unique<ScopedEnvironment>(name, value));
    }
    ProgramFolders find(const QStringList& extra_arguments = {}) {
        return find_program_folders(QStringList{program() + QStringLiteral("/dvk")} +
                                    extra_arguments);
    }

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("dvk")); }

    void init() {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(program()));
        QVERIFY(QDir().mkpath(home()));
        override_program_folder(program());
        setEnvironment("HOME", QFile::encodeName(home()));
        setEnvironment("XDG_CONFIG_HOME", QFile::encodeName(home(QStringLiteral(".config"))));
        setEnvironment("XDG_DATA_HOME", QFile::encodeName(home(QStringLiteral(".local/share"))));
        setEnvironment(folders_variable, QByteArray());
    }

    void cleanup() {
        override_program_folder({});
        m_environment.clear();
        m_root.reset();
    }

    void modeFollowsOptionEnvironmentAndWhatLiesBesideTheProgram_data() {
        QTest::addColumn<Mode>("command_line");
        QTest::addColumn<Mode>("environment");
        QTest::addColumn<bool>("files_beside");
        QTest::addColumn<bool>("build_folder");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<FolderMode>("expected");
        const Mode none;
        const Mode portable = FolderMode::Portable;
        const Mode installed = FolderMode::Installed;
        QTest::newRow("nothing beside")
            << none << none << false << false << true << FolderMode::Installed;
        QTest::newRow("settings beside")
            << none << none << true << false << true << FolderMode::Portable;
        QTest::newRow("build folder")
            << none << none << false << true << true << FolderMode::Portable;
        QTest::newRow("settings beside, read-only")
            << none << none << true << false << false << FolderMode::Installed;
        QTest::newRow("build folder, read-only")
            << none << none << false << true << false << FolderMode::Installed;
        QTest::newRow("environment portable")
            << none << portable << false << false << true << FolderMode::Portable;
        QTest::newRow("environment installed over settings beside")
            << none << installed << true << true << true << FolderMode::Installed;
        QTest::newRow("--portable over environment")
            << portable << installed << false << false << true << FolderMode::Portable;
        QTest::newRow("--portable in a read-only folder")
            << portable << none << false << false << false << FolderMode::Portable;
    }
    void modeFollowsOptionEnvironmentAndWhatLiesBesideTheProgram() {
        QFETCH(Mode, command_line);
        QFETCH(Mode, environment);
        QFETCH(bool, files_beside);
        QFETCH(bool, build_folder);
        QFETCH(bool, writable);
        QFETCH(FolderMode, expected);
        const FolderFacts facts{command_line, environment, files_beside, build_folder, writable};
        QCOMPARE(choose_folder_mode(facts), expected);
    }

    void commandLineAndEnvironmentAreReadExactly() {
        QVERIFY(has_portable_option({"dvk", "--portable"}));
        QVERIFY(has_portable_option({"dvk", "/shortcut", "--portable"}));
        QVERIFY(!has_portable_option({"--portable"}));
        QVERIFY(!has_portable_option({"dvk", "--portable=no"}));
        QCOMPARE(folder_mode_named(QStringLiteral("portable")), Mode(FolderMode::Portable));
        QCOMPARE(folder_mode_named(QStringLiteral("installed")), Mode(FolderMode::Installed));
        QCOMPARE(folder_mode_named(QStringLiteral("Portable")), Mode());
        QCOMPARE(folder_mode_named(QString()), Mode());
    }

    void installedFoldersFallBackWhereTheSystemNamesNone() {
        const StandardFolders standard{"/c", "/d", ""};
        const ProgramFolders folders = program_folders(FolderMode::Installed, "/p", standard);
        QCOMPARE(text_of(folders.settings_file()), QStringLiteral("/c/dvk.ini"));
        QCOMPARE(text_of(folders.recovery_file()), QStringLiteral("/d/dvk.tmp"));
        QCOMPARE(text_of(folders.data_folder), QStringLiteral("/d/data"));
        const ProgramFolders bare = program_folders(FolderMode::Installed, "/p", {});
        QCOMPARE(text_of(bare.settings_file()), QStringLiteral("/p/dvk.ini"));
        QCOMPARE(text_of(bare.recovery_file()), QStringLiteral("/p/dvk.tmp"));
    }

    void installedProgramUsesTheUsersFolders() {
        const ProgramFolders folders = find();
        QCOMPARE(folders.mode, FolderMode::Installed);
        QCOMPARE(text_of(folders.program_folder), program());
        QCOMPARE(text_of(folders.settings_file()), home(QStringLiteral(".config/dvk/dvk.ini")));
        QCOMPARE(text_of(folders.recovery_file()),
                 home(QStringLiteral(".local/share/dvk/dvk.tmp")));
        QCOMPARE(text_of(folders.data_folder), home(QStringLiteral("Documents/dvk")));
        // The settings can be saved and a game recovered from the first start on.
        QVERIFY(QFileInfo(home(QStringLiteral(".config/dvk"))).isDir());
        QVERIFY(QFileInfo(home(QStringLiteral(".local/share/dvk"))).isDir());
        QCOMPARE(QDir(program()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    void portableMarkersKeepEverythingBesideTheProgram_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("settings") << QStringLiteral("dvk.ini") << QStringList();
        QTest::newRow("recovery file") << QStringLiteral("dvk.tmp") << QStringList();
        QTest::newRow("build folder") << QStringLiteral("CMakeCache.txt") << QStringList();
        QTest::newRow("--portable") << QString() << QStringList{QStringLiteral("--portable")};
    }
    void portableMarkersKeepEverythingBesideTheProgram() {
        QFETCH(QString, marker);
        QFETCH(QStringList, arguments);
        if (!marker.isEmpty()) {
            put(QDir(program()).filePath(marker), "x");
        }
        const ProgramFolders folders = find(arguments);
        QCOMPARE(folders.mode, FolderMode::Portable);
        QCOMPARE(text_of(folders.settings_file()), program() + QStringLiteral("/dvk.ini"));
        QCOMPARE(text_of(folders.recovery_file()), program() + QStringLiteral("/dvk.tmp"));
        QCOMPARE(text_of(folders.data_folder), program() + QStringLiteral("/data"));
        QVERIFY(!QFileInfo::exists(home(QStringLiteral(".config"))));
        QVERIFY(!QFileInfo::exists(home(QStringLiteral(".local"))));
    }

    void unknownEnvironmentValueLeavesTheChoiceToTheFolder() {
        setEnvironment(folders_variable, "yes");
        QCOMPARE(find().mode, FolderMode::Installed);
        put(QDir(program()).filePath(QStringLiteral("dvk.ini")), "");
        QCOMPARE(find().mode, FolderMode::Portable);
    }

    void installedProgramAdoptsPortableFilesItHasNoneOf() {
        const QDir beside(program());
        put(beside.filePath(QStringLiteral("dvk.ini")), "[game]\nstart_score=301\n");
        put(beside.filePath(QStringLiteral("dvk.tmp")), "recovered game");
        put(beside.filePath(QStringLiteral("arrange.txt")), "170,T20,T20,D25\n");
        put(home(QStringLiteral(".config/dvk/arrange_com.txt")), "mine");
        put(beside.filePath(QStringLiteral("arrange_com.txt")), "theirs");
        setEnvironment(folders_variable, "installed");

        const ProgramFolders folders = find();
        QCOMPARE(folders.mode, FolderMode::Installed);
        QCOMPARE(bytes_of(text_of(folders.settings_file())), "[game]\nstart_score=301\n");
        QCOMPARE(bytes_of(text_of(folders.recovery_file())), "recovered game");
        QCOMPARE(bytes_of(home(QStringLiteral(".config/dvk/arrange.txt"))), "170,T20,T20,D25\n");
        // Nothing the user already has is replaced, and the portable copy stays as it was.
        QCOMPARE(bytes_of(home(QStringLiteral(".config/dvk/arrange_com.txt"))), "mine");
        QCOMPARE(bytes_of(beside.filePath(QStringLiteral("dvk.ini"))), "[game]\nstart_score=301\n");

        put(beside.filePath(QStringLiteral("dvk.ini")), "changed beside");
        QVERIFY(adopt_portable_files(find()).empty());
        QCOMPARE(bytes_of(text_of(folders.settings_file())), "[game]\nstart_score=301\n");
    }

    void portableProgramAdoptsNothing() {
        put(QDir(program()).filePath(QStringLiteral("dvk.ini")), "");
        QVERIFY(adopt_portable_files(find()).empty());
        QVERIFY(!QFileInfo::exists(home(QStringLiteral(".config"))));
    }
};

QTEST_MAIN(ProgramFoldersTest)
#include "program_folders_test.moc"
