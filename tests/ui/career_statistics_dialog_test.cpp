#include "archive/archive_store.h"
#include "career/career_rows.h"
#include "dialogs/career_statistics_dialog.h"
#include "dialogs/game_csv_file.h"
#include "match/automatic_ports.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace dvk;

namespace {

struct Visits {
    std::vector<int> points; // in throwing order, first thrower first
};

// One game of a single leg, played through the match engine and kept as the program keeps it.
GameRecord play_game(const std::string& p1, const std::string& p2, int start_score, SystemTime when,
                     const Visits& visits) {
    AppOptions settings = default_options(OptionsEnvironment{});
    AutomaticPorts ports;
    Match match{settings, ports, ports, ports};
    ports.now = when;
    settings.game.start_score = start_score;
    settings.game.p1_name = p1;
    settings.game.p2_name = p2;
    settings.game.leg_limit = 1;
    settings.game.max_leg = 1;
    settings.game.best_of = 0;
    match.sheet().set_rows_per_page(12);
    match.start_new_game(false);
    for (const int points : visits.points) {
        ports.text = std::to_string(points);
        ports.modified = true;
        match.sheet().next_cell();
    }
    return match.game();
}

void archive(ArchiveStore& store, const GameRecord& game) {
    for (const ArchivedLeg& leg : finished_leg_rows(game)) {
        QVERIFY2(store.write_leg(leg), store.error().text.c_str());
    }
    QVERIFY(store.write_game_result(game_result(game, true)));
}

QString figure(const QStringList& texts, const QString& label) {
    for (const QString& text : texts) {
        if (text.startsWith(label + u'=')) {
            return text.mid(label.size() + 1);
        }
    }
    return QStringLiteral("(none)");
}

} // namespace

class CareerStatisticsDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    AppOptions m_options = default_options(OptionsEnvironment{});
    std::unique_ptr<ArchiveStore> m_store;
    std::unique_ptr<DialogScript> m_script;
    std::vector<GameRecord> m_games;

    ArchiveLocation location() const {
        ArchiveLocation at;
        at.file = std::filesystem::path(
            m_folder.filePath(QStringLiteral("archive.sqlite")).toStdString());
        return at;
    }

    std::unique_ptr<CareerStatisticsDialog> window() {
        auto dialog = std::make_unique<CareerStatisticsDialog>(*m_store, m_options);
        dialog->setToday(QDate(2026, 6, 1));
        return dialog;
    }

    static void show_page(QDialog& dialog, int page) {
        dialog.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(page);
    }
    static QComboBox* combo(QDialog& dialog, const char* name) {
        return dialog.findChild<QComboBox*>(QString::fromLatin1(name));
    }
    static void choose(QDialog& dialog, const char* name, const QString& text) {
        QComboBox* box = combo(dialog, name);
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->setCurrentIndex(index);
    }
    static QStringList items(QDialog& dialog, const char* name) {
        QStringList texts;
        for (int i = 0; i < combo(dialog, name)->count(); ++i) {
            texts << combo(dialog, name)->itemText(i);
        }
        return texts;
    }

private Q_SLOTS:
    // Ann plays Bo twice from 301 (wins in 6 darts, then loses) and Cy once from 501 with a
    // nine-dart leg.
    void init() {
        QVERIFY(m_folder.isValid());
        QFile::remove(m_folder.filePath(QStringLiteral("archive.sqlite")));
        m_store = std::make_unique<ArchiveStore>(location());
        QVERIFY2(m_store->is_open(), m_store->error().text.c_str());
        m_games = {
            play_game("Ann", "Bo", 301, {2026, 3, 0, 1, 19, 0, 0, 0}, {{180, 60, 121}}),
            play_game("Ann", "Bo", 301, {2026, 4, 0, 10, 19, 0, 0, 0}, {{100, 180, 100, 121}}),
            play_game("Ann", "Cy", 501, {2026, 5, 0, 20, 19, 0, 0, 0}, {{180, 100, 180, 100, 141}}),
        };
        for (const GameRecord& game : m_games) {
            archive(*m_store, game);
        }
        m_script = std::make_unique<DialogScript>();
    }
    void cleanup() {
        m_script.reset();
        m_store.reset();
        m_games.clear();
    }

    void showsTheCareerOfTheFirstPlayer() {
        const auto dialog = window();
        QCOMPARE(dialog->player(), QStringLiteral("Ann"));
        QCOMPARE(items(*dialog, "player"), (QStringList{"Ann", "Bo", "Cy"}));
        const QStringList f = dialog->figureTexts();
        QCOMPARE(figure(f, "Games"), "3");
        QCOMPARE(figure(f, "Games won"), "2");
        QCOMPARE(figure(f, "Legs won"), "2");
        // 1002 points in 21 darts; first nine only from the game of 501.
        QCOMPARE(figure(f, "Average"), "143.14");
        QCOMPARE(figure(f, "First 9"), "167.00");
        QCOMPARE(figure(f, "High Out"), "141");
        QCOMPARE(figure(f, "Best leg"), "6");
        QCOMPARE(figure(f, "Worst leg"), "9");
        QCOMPARE(figure(f, "Darts per leg won"), "7.50");
        QCOMPARE(figure(f, "Tons"), "7 (2.33 per leg)");
        QCOMPARE(figure(f, "100+"), "3 (1.00 per leg)");
        QCOMPARE(figure(f, "140+"), "1 (0.33 per leg)");
        QCOMPARE(figure(f, "180's"), "3 (1.00 per leg)");
        QCOMPARE(figure(f, "Keep"), "66.67 (2 / 3)");
        QCOMPARE(figure(f, "Break"), "0.00 (0 / 0)");
        // The other pages are filled when they are first shown.
        QVERIFY(dialog->headToHeadTexts().isEmpty());
        show_page(*dialog, 1);
        QCOMPARE(dialog->headToHeadTexts(),
                 (QStringList{"Bo|2|1|1|2|1|1|125.25|120.33", "Cy|1|1|0|1|1|0|167.00|100.00"}));
        show_page(*dialog, 2);
        const QStringList charts = dialog->chartSummary();
        QCOMPARE(charts.size(), 4);
        QVERIFY2(charts[0].contains(QStringLiteral("Average=3")), qPrintable(charts[0]));
        QVERIFY2(charts[0].contains(QStringLiteral("First 9=1")), qPrintable(charts[0]));
        // Visits 100-119: 2 and 120-139: 1, 140-159: 1, 180: 3.
        QVERIFY2(charts[1].endsWith(QStringLiteral(": 0,0,0,0,0,2,1,1,0,3")),
                 qPrintable(charts[1]));
        QVERIFY2(charts[3].endsWith(QStringLiteral(": 1,1")), qPrintable(charts[3]));
    }

    void filtersNarrowTheGames_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("average");
        QTest::addColumn<int>("opponents");
        QTest::newRow("opponent") << "opponent"
                                  << "Bo"
                                  << "2"
                                  << "125.25" << 1;
        QTest::newRow("start score") << "start_score"
                                     << "501"
                                     << "1"
                                     << "167.00" << 1;
        QTest::newRow("computers only") << "opponent_kind"
                                        << "Computers"
                                        << "0"
                                        << "0.00" << 0;
        QTest::newRow("humans") << "opponent_kind"
                                << "Humans"
                                << "3"
                                << "143.14" << 2;
        QTest::newRow("last 30 days") << "period"
                                      << "Last 30 days"
                                      << "1"
                                      << "167.00" << 1;
        QTest::newRow("this year") << "period"
                                   << "This year"
                                   << "3"
                                   << "143.14" << 2;
    }
    void filtersNarrowTheGames() {
        QFETCH(QString, box);
        QFETCH(QString, choice);
        QFETCH(QString, games);
        QFETCH(QString, average);
        QFETCH(int, opponents);
        const auto dialog = window();
        show_page(*dialog, 1);
        choose(*dialog, box.toLatin1().constData(), choice);
        QCOMPARE(figure(dialog->figureTexts(), "Games"), games);
        QCOMPARE(figure(dialog->figureTexts(), "Average"), average);
        QCOMPARE(dialog->headToHeadTexts().size(), opponents);
    }

    void datesIncludeTheirWholeLastDay() {
        const auto dialog = window();
        auto* from = dialog->findChild<QDateEdit*>(QStringLiteral("from"));
        auto* to = dialog->findChild<QDateEdit*>(QStringLiteral("to"));
        QVERIFY(!from->isEnabled());
        choose(*dialog, "period", QStringLiteral("Between dates"));
        QVERIFY(from->isEnabled());
        from->setDate(QDate(2026, 4, 10));
        to->setDate(QDate(2026, 5, 20));
        QCOMPARE(figure(dialog->figureTexts(), "Games"), "2");
        to->setDate(QDate(2026, 5, 19));
        QCOMPARE(figure(dialog->figureTexts(), "Games"), "1");
        QCOMPARE(figure(dialog->figureTexts(), "Average"), "100.00");
    }

    void switchingPlayerKeepsTheFilterWhereItApplies() {
        const auto dialog = window();
        choose(*dialog, "start_score", QStringLiteral("301"));
        choose(*dialog, "player", QStringLiteral("Bo"));
        QCOMPARE(dialog->player(), QStringLiteral("Bo"));
        QCOMPARE(items(*dialog, "opponent"), (QStringList{"All opponents", "Ann"}));
        QCOMPARE(combo(*dialog, "start_score")->currentText(), QStringLiteral("301"));
        QCOMPARE(figure(dialog->figureTexts(), "Games won"), "1");
        choose(*dialog, "player", QStringLiteral("Cy"));
        // Cy never played 301: the filter falls back to every start score.
        QCOMPARE(combo(*dialog, "start_score")->currentText(), QStringLiteral("All start scores"));
        QCOMPARE(figure(dialog->figureTexts(), "Games"), "1");
    }

    void renameAndMergeChangeThePlayers() {
        const auto dialog = window();
        choose(*dialog, "player", QStringLiteral("Bo"));
        const auto type_name = [](const QString& name) {
            return QVariant::fromValue(DialogDriver([name](QDialog& question) {
                question.findChild<QLineEdit*>(QStringLiteral("name"))->setText(name);
                return true;
            }));
        };
        m_script->push_answer(QStringLiteral("RenamePlayerDialog"),
                              type_name(QStringLiteral(" Bob ")));
        dialog->renamePlayer();
        QCOMPARE(items(*dialog, "player"), (QStringList{"Ann", "Bob", "Cy"}));
        QCOMPARE(dialog->player(), QStringLiteral("Bob"));
        QCOMPARE(figure(dialog->figureTexts(), "Games"), "2");

        // A name in use asks before it merges; No leaves both players.
        m_script->push_answer(QStringLiteral("RenamePlayerDialog"),
                              type_name(QStringLiteral("Cy")));
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::No});
        dialog->renamePlayer();
        QCOMPARE(MessageBoxes::shown(*m_script).last().icon, MessageBoxes::Icon::Question);
        QCOMPARE(items(*dialog, "player"), (QStringList{"Ann", "Bob", "Cy"}));

        m_script->push_answer(QStringLiteral("RenamePlayerDialog"),
                              type_name(QStringLiteral("  ")));
        dialog->renamePlayer();
        QCOMPARE(MessageBoxes::shown(*m_script).last().text, QStringLiteral("The name is empty."));

        choose(*dialog, "player", QStringLiteral("Cy"));
        m_script->push_answer(QStringLiteral("MergePlayerDialog"),
                              QVariant::fromValue(DialogDriver([](QDialog& question) {
                                  auto* into =
                                      question.findChild<QComboBox*>(QStringLiteral("into"));
                                  into->setCurrentIndex(into->findText(QStringLiteral("Bob")));
                                  return true;
                              })));
        dialog->mergePlayer();
        QCOMPARE(items(*dialog, "player"), (QStringList{"Ann", "Bob"}));
        QCOMPARE(dialog->player(), QStringLiteral("Bob"));
        QCOMPARE(figure(dialog->figureTexts(), "Games"), "3");
        choose(*dialog, "player", QStringLiteral("Ann"));
        show_page(*dialog, 1);
        QCOMPARE(dialog->headToHeadTexts(), (QStringList{"Bob|3|2|1|3|2|1|143.14|112.20"}));
    }

    // Dee throws 60 a visit from 9640 and checks out 40: 158 of his visits are thrown with more
    // than 170 left, enough to copy him; Ann has too few.
    void comLikeAPlayerIsFittedToHisVisits() {
        std::vector<int> points;
        for (int visit = 0; visit < 160; ++visit) {
            points.insert(points.end(), {60, 0});
        }
        points.push_back(40);
        archive(*m_store, play_game("Dee", "Eli", 9640, {2026, 5, 0, 21, 19, 0, 0, 0}, {points}));
        const auto dialog = window();
        auto* button = dialog->findChild<QPushButton*>(QStringLiteral("com_like"));
        QVERIFY(button->isEnabled());

        button->click();
        const MessageBoxes::Shown refused = MessageBoxes::shown(*m_script).last();
        QCOMPARE(refused.icon, MessageBoxes::Icon::Information);
        QVERIFY2(refused.text.contains(QStringLiteral("at least 150")), qPrintable(refused.text));
        QCOMPARE(m_options.game.p2_com, 0);

        choose(*dialog, "player", QStringLiteral("Dee"));
        MessageBoxes::set_next_answers(*m_script,
                                       {MessageBoxes::Button::Yes, MessageBoxes::Button::Ok});
        button->click();
        const QList<MessageBoxes::Shown> shown = MessageBoxes::shown(*m_script);
        QVERIFY2(shown[shown.size() - 2].text.contains(QStringLiteral("fitted on 158 visits")),
                 qPrintable(shown[shown.size() - 2].text));
        QCOMPARE(m_options.game.p2_com, 1);
        QCOMPARE(m_options.game.p2_name, std::string("Dee"));
        QVERIFY(m_options.game.p2_com_level > 2000 && m_options.game.p2_com_level < 3000);
    }

    void importTellsImportedKnownAndRefusedFiles() {
        QTemporaryDir csv;
        const GameRecord later =
            play_game("Dee", "Ann", 301, {2026, 5, 0, 28, 20, 0, 0, 0}, {{140, 100, 161}});
        QVERIFY(GameCsvFile::write(later, csv.filePath(QStringLiteral("a.csv")).toStdString()));
        QVERIFY(
            GameCsvFile::write(m_games[0], csv.filePath(QStringLiteral("b.csv")).toStdString()));
        QFile other(csv.filePath(QStringLiteral("c.csv")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("name,phone\nZed,555\n");
        other.close();

        const auto dialog = window();
        m_script->push_answer(QStringLiteral("ImportFolderDialog"), csv.path());
        dialog->importFolder();
        QCOMPARE(items(*dialog, "player"), (QStringList{"Ann", "Bo", "Cy", "Dee"}));
        QCOMPARE(figure(dialog->figureTexts(), "Games"), "4");
        const MessageBoxes::Shown told = MessageBoxes::shown(*m_script).last();
        QCOMPARE(told.icon, MessageBoxes::Icon::Warning);
        QVERIFY2(told.text.contains(QStringLiteral("Games imported: 1")), qPrintable(told.text));
        QVERIFY2(told.text.contains(QStringLiteral("Games already in the archive: 1")),
                 qPrintable(told.text));
        QVERIFY2(told.text.contains(QStringLiteral("c.csv:1:")), qPrintable(told.text));
    }

    void exportWritesTheChosenPlayersGames() {
        const auto dialog = window();
        choose(*dialog, "player", QStringLiteral("Cy"));
        const QString file = m_folder.filePath(QStringLiteral("cy.csv"));
        m_script->push_answer(QStringLiteral("SaveFileDialog"), file);
        dialog->exportGames(true, false);
        const auto asked = m_script->calls_of(QStringLiteral("SaveFileDialog"));
        QCOMPARE(asked.last().arguments.value(QStringLiteral("proposed_name")).toString(),
                 QStringLiteral("Cy.csv"));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = written.readAll().split('\n');
        // The header and Cy's game's five visits.
        QCOMPARE(lines.size(), 7);
        QVERIFY(dialog->statusText().contains(QStringLiteral("cy.csv")));

        m_script->push_answer(QStringLiteral("SaveFileDialog"),
                              m_folder.filePath(QStringLiteral("no/such/folder/all.json")));
        dialog->exportGames(false, true);
        QCOMPARE(MessageBoxes::shown(*m_script).last().icon, MessageBoxes::Icon::Error);
    }

    void keepsItsRectangle() {
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        m_options.career_window = {40, 50, 700, 520};
        QSize framed;
        {
            CareerStatisticsDialog dialog(*m_store, m_options, &owner);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.resize(760, 560);
            QTRY_COMPARE(m_options.career_window.width, dialog.frameGeometry().width());
            framed = dialog.frameGeometry().size();
        }
        CareerStatisticsDialog again(*m_store, m_options, &owner);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.frameGeometry().size(), framed);
    }
};

QTEST_MAIN(CareerStatisticsDialogTest)
#include "career_statistics_dialog_test.moc"
