#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "platform/user_guide.h"
#include "platform/web_page.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "shell/online_page.h"
#include "shell/program.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace dvk;

namespace {

void put(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class OnlinePageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<DialogScript> m_script;

    QString folder(const QString& name = {}) const { return QDir(m_folder->path()).filePath(name); }
    // `text` with "%1" standing for the test's folder.
    QString inFolder(QString text) const { return text.replace(QStringLiteral("%1"), folder()); }

    // Runs the command for `configured` with the desktop answering `desktop_opens`; returns
    // the address the desktop was asked to open, empty when it was not asked.
    QString open(const std::string& configured, bool desktop_opens = true) {
        m_script->push_answer(QStringLiteral("WebPage"), desktop_opens);
        OnlinePage::open(nullptr, configured, folder());
        const auto calls = m_script->calls_of(QStringLiteral("WebPage"));
        return calls.isEmpty() ? QString()
                               : calls.last().arguments.value(QStringLiteral("address")).toString();
    }
    QStringList errors() const {
        QStringList texts;
        for (const MessageBoxes::Shown& box : MessageBoxes::shown(*m_script)) {
            if (box.icon == MessageBoxes::Icon::Error) {
                texts.append(box.text);
            }
        }
        return texts;
    }

private Q_SLOTS:
    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        m_script = std::make_unique<DialogScript>();
    }
    void cleanup() {
        m_script.reset();
        m_folder.reset();
    }

    void guideIsFoundInTheLanguageOfTheLocaleElseInEnglish() {
        QCOMPARE(user_guide_file(folder()), QString());
        put(folder(QStringLiteral("guide/en/index.html")));
        const QString english = folder(QStringLiteral("guide/en/index.html"));
        QCOMPARE(user_guide_file(folder(), QLocale(QLocale::Japanese)), english);
        put(folder(QStringLiteral("guide/ja/index.html")));
        QCOMPARE(user_guide_file(folder(), QLocale(QLocale::Japanese)),
                 folder(QStringLiteral("guide/ja/index.html")));
        QCOMPARE(user_guide_file(folder(), QLocale(QLocale::German)), english);
    }

    void installedGuideIsPreferredToABuildFoldersOne() {
        put(folder(QStringLiteral("bin/guide/en/index.html")));
        put(folder(QStringLiteral("share/dvk/guide/en/index.html")));
        QCOMPARE(user_guide_file(folder(QStringLiteral("bin")), QLocale(QLocale::English)),
                 folder(QStringLiteral("share/dvk/guide/en/index.html")));
    }

    void withoutASettingTheGuideOpens() {
        put(folder(QStringLiteral("guide/en/index.html")));
        QCOMPARE(open(""),
                 QUrl::fromLocalFile(folder(QStringLiteral("guide/en/index.html"))).toString());
        QCOMPARE(errors(), QStringList());
    }

    void missingGuideIsToldAndNothingOpens() {
        QCOMPARE(open(""), QString());
        QCOMPARE(errors(), QStringList{QStringLiteral("The user's guide is not installed.")});
    }

    void configuredPagesOpenAsAddresses_data() {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("opened");
        QTest::newRow("web address") << "https://example.org/dvk?lang=ja#keys"
                                     << "https://example.org/dvk?lang=ja#keys";
        QTest::newRow("plain http") << "http://example.org/"
                                    << "http://example.org/";
        QTest::newRow("surrounding blanks") << "  https://example.org/  "
                                            << "https://example.org/";
        QTest::newRow("file address") << "file://%1/page.html"
                                      << "file://%1/page.html";
        QTest::newRow("file path") << "%1/page.html"
                                   << "file://%1/page.html";
        QTest::newRow("file with blanks") << "%1/my page.html"
                                          << "file://%1/my%20page.html";
    }
    void configuredPagesOpenAsAddresses() {
        QFETCH(QString, configured);
        QFETCH(QString, opened);
        put(folder(QStringLiteral("page.html")));
        put(folder(QStringLiteral("my page.html")));
        QCOMPARE(open(inFolder(configured).toStdString()), inFolder(opened));
        QCOMPARE(errors(), QStringList());
    }

    void unusablePagesAreRefusedWithTheirReason_data() {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing file") << "%1/gone.html"
                                      << "The page '%1/gone.html' does not exist.";
        QTest::newRow("script") << "javascript:alert(1)"
                                << "'javascript:alert(1)' is neither a web address nor a file.";
        QTest::newRow("other scheme") << "ftp://example.org/"
                                      << "'ftp://example.org/' is neither a web address nor a "
                                         "file.";
        QTest::newRow("blanks only") << "   "
                                     << "'   ' is neither a web address nor a file.";
    }
    void unusablePagesAreRefusedWithTheirReason() {
        QFETCH(QString, configured);
        QFETCH(QString, error);
        QCOMPARE(open(inFolder(configured).toStdString()), QString());
        QCOMPARE(errors(), QStringList{inFolder(error)});
    }

    void desktopWithoutABrowserIsTold_data() {
        QTest::addColumn<QVariant>("desktop");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("error");
        QTest::newRow("no opener")
            << QVariant(false) << false << "No program was found to open 'https://example.org/'.";
        // xdg-open starts, finds no browser and ends with its code for "no method available".
        QTest::newRow("opener without a browser")
            << QVariant(3) << true
            << "No program could open 'https://example.org/': the desktop's opener ended with "
               "code 3. Install a web browser.";
        QTest::newRow("opened") << QVariant(0) << true << QString();
    }
    void desktopWithoutABrowserIsTold() {
        QFETCH(QVariant, desktop);
        QFETCH(bool, started);
        QFETCH(QString, error);
        m_script->push_answer(QStringLiteral("WebPage"), desktop);
        QCOMPARE(OnlinePage::open(nullptr, "https://example.org/", folder()), started);
        QCOMPARE(errors(), error.isEmpty() ? QStringList() : QStringList{error});
    }

    void menuCommandOpensTheConfiguredPage() {
        m_script->push_answer(QStringLiteral("GameOptionDialog"), QVariant());
        Program program(folder().toStdString());
        program.window().setCloseWithoutAsking(true);
        QAction* online = program.window().mainMenu()->action(command::online);
        QVERIFY(online->isEnabled());
        program.options().online_page = "https://example.org/dvk";
        m_script->push_answer(QStringLiteral("WebPage"), true);
        online->trigger();
        const auto calls = m_script->calls_of(QStringLiteral("WebPage"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().arguments.value(QStringLiteral("address")).toString(),
                 QStringLiteral("https://example.org/dvk"));
    }

    void helpMenuOpensTheGuideWhateverPageIsSet() {
        put(folder(QStringLiteral("guide/en/index.html")));
        m_script->push_answer(QStringLiteral("GameOptionDialog"), QVariant());
        Program program(folder().toStdString());
        program.window().setCloseWithoutAsking(true);
        program.options().online_page = "https://example.org/dvk";
        QAction* guide = program.window().mainMenu()->action(command::user_guide);
        QVERIFY(guide != nullptr);
        QCOMPARE(guide->text(), QStringLiteral("&User's Guide"));
        m_script->push_answer(QStringLiteral("WebPage"), true);
        guide->trigger();
        const auto calls = m_script->calls_of(QStringLiteral("WebPage"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().arguments.value(QStringLiteral("address")).toString(),
                 QUrl::fromLocalFile(folder(QStringLiteral("guide/en/index.html"))).toString());
    }
};

QTEST_MAIN(OnlinePageTest)
#include "online_page_test.moc"
