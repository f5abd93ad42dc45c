#include "dialogs/game_csv_file.h"
#include "dialogs/game_option_dialog.h"
#include "settings/key_table.h"
#include "shell/command_ids.h"
#include "shell/main_menu.h"

#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <vector>

using namespace dvk;

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

QString ts_path() {
    return QStringLiteral(DVK_SOURCE_DIR "/resources/dvk_ja.ts");
}

std::vector<Message> read_messages(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return {};
    }
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.emplace_back();
            messages.back().context = context;
        } else if (messages.empty()) {
            continue;
        } else if (name == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            messages.back().comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError()) {
        error = xml.errorString();
    }
    return messages;
}

// Everything a translation has to carry over from its source text unchanged: the arguments
// filled in by arg() or by the printf-style "%d", tabs that separate a menu text from its key
// name, line breaks, and the spaces at either end that join texts together.
std::map<QString, int> carried_parts(const QString& text) {
    std::map<QString, int> parts;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n|d|s)"));
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
        ++parts[m.captured()];
    }
    parts[QStringLiteral("tabs")] = static_cast<int>(text.count(QLatin1Char('\t')));
    parts[QStringLiteral("lines")] = static_cast<int>(text.count(QLatin1Char('\n')));
    static const QRegularExpression leading(QStringLiteral("^\\s*"));
    static const QRegularExpression trailing(QStringLiteral("\\s*$"));
    parts[QStringLiteral("leading spaces")] =
        static_cast<int>(leading.match(text).capturedLength());
    parts[QStringLiteral("trailing spaces")] =
        static_cast<int>(trailing.match(text).capturedLength());
    return parts;
}

// The mnemonic letters of a text, upper-cased: "&New" and "新しい(&N)" both give "N".
QString mnemonics(const QString& text) {
    QString letters;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            continue;
        }
        if (text[i + 1] != QLatin1Char('&')) {
            letters += text[i + 1].toUpper();
        }
        ++i;
    }
    return letters;
}

} // namespace

Q_DECLARE_METATYPE(Message)

class TranslationTest : public QObject {
    Q_OBJECT

private:
    QTranslator m_translator;
    std::vector<Message> m_messages;

    // One row per message, or per message of `context` when it is given.
    void add_message_rows(QLatin1String context = {}) {
        QTest::addColumn<Message>("message");
        for (const Message& m : m_messages) {
            if (context.isEmpty() || m.context == context) {
                QTest::addRow(
                    "%s: %s", qPrintable(m.context),
                    qPrintable(QString(m.source).replace(QLatin1Char('\n'), QLatin1Char(' '))))
                    << m;
            }
        }
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("dvk"),
                                  QStringLiteral("_"), QStringLiteral(":/i18n")));
        QVERIFY(QCoreApplication::installTranslator(&m_translator));
        QString error;
        m_messages = read_messages(ts_path(), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(m_messages.size() > 100);
    }

    void programTextsComeOutInJapanese() {
        QCOMPARE(MainMenu::commandText(command::new_game), QStringLiteral("新しいゲーム(&N)..."));
        QCOMPARE(MainMenu::commandText(command::middle_for_diddle),
                 QStringLiteral("ミドル・フォー・ディドル(&M)..."));
        QCOMPARE(QCoreApplication::translate("dvk::MainWindow", "Do you want to exit?"),
                 QStringLiteral("終了しますか？"));
        QCOMPARE(QCoreApplication::translate("MainWindow", "%1 - %2: Winner is %3.")
                     .arg(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("Tobi")),
                 QStringLiteral("2 - 1: 勝者はTobiです。"));
    }

    void menuBarAndDialogAreBuiltInJapanese() {
        QMenuBar bar;
        MainMenu menu(&bar, nullptr);
        QStringList titles;
        for (QAction* action : bar.actions()) {
            titles << action->text();
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("ゲーム(&G)"), QStringLiteral("表示(&V)"),
                                      QStringLiteral("スコア(&S)"), QStringLiteral("ヘルプ(&H)")}));
        QCOMPARE(menu.action(command::exit)->text(), QStringLiteral("終了(&X)"));

        QTemporaryDir folder;
        AppOptions app;
        GameOptionDialog dialog(GameOptions{}, app,
                                folder.filePath(QStringLiteral("dvk.ini")).toStdString());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ゲームオプション"));
    }

    void csvFilesTakeTheLabelsOfTheInterface() {
        const CsvLabels labels = GameCsvFile::user_locale().labels;
        QCOMPARE(QString::fromStdString(labels.totals), QStringLiteral("合計"));
        QCOMPARE(QString::fromStdString(labels.round), QStringLiteral("ラウンド"));
        QCOMPARE(QString::fromStdString(labels.com_name), QStringLiteral("COM (Lv.%d)"));
        GameRecord game;
        game.players[0].name = "A";
        game.players[1].name = "B";
        const QString csv =
            QString::fromStdString(compose_game_csv(game, GameCsvFile::user_locale()));
        QVERIFY(csv.contains(QStringLiteral("\r\n合計,セット,0,セット,0\r\n")));
        QVERIFY(csv.contains(QStringLiteral("\r\n回数,レッグ,0,レッグ,0\r\n")));
    }

    void everyTextIsTranslatedAndEmbedded_data() { add_message_rows(); }
    void everyTextIsTranslatedAndEmbedded() {
        QFETCH(Message, message);
        QVERIFY2(message.type.isEmpty(), qPrintable(message.type));
        QVERIFY(!message.translation.isEmpty());
        // The compiled file in the program must be the one built from this source file.
        const QByteArray context = message.context.toUtf8();
        const QByteArray source = message.source.toUtf8();
        const QByteArray comment = message.comment.toUtf8();
        QCOMPARE(QCoreApplication::translate(context.constData(), source.constData(),
                                             comment.isEmpty() ? nullptr : comment.constData()),
                 message.translation);
    }

    void translationKeepsArgumentsAndLayout_data() { add_message_rows(); }
    void translationKeepsArgumentsAndLayout() {
        QFETCH(Message, message);
        QCOMPARE(carried_parts(message.translation), carried_parts(message.source));
        QCOMPARE(mnemonics(message.translation), mnemonics(message.source));
    }

    // Command names label actions in the key page and the guide bar with their mnemonic and
    // dots removed; a translation must leave a readable label behind.
    void commandNamesGiveLabels_data() { add_message_rows(QLatin1String("MainMenu")); }
    void commandNamesGiveLabels() {
        QFETCH(Message, message);
        const QString label =
            QString::fromStdString(menu_text_to_label(message.translation.toStdString()));
        QVERIFY2(!label.trimmed().isEmpty(), qPrintable(message.translation));
        QVERIFY(!label.contains(QLatin1Char('&')));
        QVERIFY(!label.contains(QLatin1Char('(')));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
