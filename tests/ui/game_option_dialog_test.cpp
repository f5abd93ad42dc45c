#include "dialogs/game_option_dialog.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace dvk;

namespace {

GameOptions fresh_options() {
    GameOptions options; // 501, best of 3 legs when limited, no round limit
    return options;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class GameOptionDialogTest : public QObject {
    Q_OBJECT

private:
    AppOptions m_app;
    QTemporaryDir m_folder;
    std::unique_ptr<GameOptionDialog> m_dialog;

    // Opens the dialog without a modal loop, so the test can type into it.
    GameOptionDialog* open(const GameOptions& options) {
        m_dialog =
            std::make_unique<GameOptionDialog>(options, m_app, settings_path().toStdString());
        m_dialog->show();
        return QTest::qWaitForWindowActive(m_dialog.get()) ? m_dialog.get() : nullptr;
    }

    QString settings_path() const { return m_folder.filePath(QStringLiteral("dvk.ini")); }

    template <typename Widget> Widget* find(const char* name) const {
        return m_dialog->findChild<Widget*>(QString::fromLatin1(name));
    }

    // A mnemonic presses its button a moment later, as a click would.
    void press_mnemonic(Qt::Key key) { QTest::keyClick(m_dialog.get(), key, Qt::AltModifier); }

    // Replaces the text of a box by typing, as the user would.
    void type_into(QWidget* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

private Q_SLOTS:
    void init() {
        QVERIFY(m_folder.isValid());
        m_app = AppOptions{};
    }
    void cleanup() { m_dialog.reset(); }

    void typedOptionsBecomeTheRecordOnOk() {
        QVERIFY(open(fresh_options()));
        press_mnemonic(Qt::Key_O);
        QTRY_VERIFY(find<QRadioButton>("start_other")->isChecked());
        QCOMPARE(find<QAbstractSpinBox>("round")->text(), "60");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), find<QAbstractSpinBox>("other_score"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("701"));

        press_mnemonic(Qt::Key_R);
        QTRY_VERIFY(find<QCheckBox>("round_limit")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("20"));

        press_mnemonic(Qt::Key_L);
        QTRY_VERIFY(find<QCheckBox>("leg_limit")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        press_mnemonic(Qt::Key_B);
        QTRY_VERIFY(!find<QCheckBox>("best_of")->isChecked());

        type_into(find<QComboBox>("p1_name"), QStringLiteral("Alice"));
        press_mnemonic(Qt::Key_H);
        QTRY_VERIFY(find<QCheckBox>("p1_handicap")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("601"));

        press_mnemonic(Qt::Key_M);
        QTRY_VERIFY(find<QCheckBox>("p2_com")->isChecked());
        QVERIFY(find<QComboBox>("p2_level")->isVisible());
        QVERIFY(!find<QComboBox>("p2_name")->isVisible());
        QCOMPARE(find<QLabel>("p2_label")->text(), "Level:");
        find<QComboBox>("p2_level")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(find<QComboBox>("p2_level"), Qt::Key_Down);
        }

        // Enter in a name box is "OK".
        find<QComboBox>("p1_name")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find<QComboBox>("p1_name"), Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));

        GameOptions expected;
        expected.start_score = 701;
        expected.round_limit = 1;
        expected.round = 20;
        expected.leg_limit = 1;
        expected.max_leg = 7;
        expected.best_of = 0;
        expected.p1_name = "Alice";
        expected.p2_name = "Player 2";
        expected.p1_start_score = 601;
        expected.p2_start_score = 701;
        expected.p2_com = 1;
        expected.p2_com_level = 4;
        QCOMPARE(m_dialog->options(), expected);
        QCOMPARE(m_app.name_list, (std::vector<std::string>{"Alice", "Player 2"}));
    }

    void levelsBeyondTheTableAreChosenAndKept() {
        GameOptions options = fresh_options();
        options.p1_com = 1;
        options.p1_com_level = 2123; // fitted to someone's visits: kept, though not offered
        options.p1_name = "Mira Kohl";
        options.p2_com = 1;
        options.p2_com_level = 1055; // no such level: the top table level
        QVERIFY(open(options));
        QCOMPARE(find<QComboBox>("p1_level")->currentText(), "Like Mira Kohl (12.3 mm)");
        QCOMPARE(find<QComboBox>("p2_level")->currentText(), "Level 12");
        find<QComboBox>("p2_level")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 4; ++i) { // Average 30, 40, 50, 60
            QTest::keyClick(find<QComboBox>("p2_level"), Qt::Key_Down);
        }
        QCOMPARE(find<QComboBox>("p2_level")->currentText(), "Average 60");
        QTest::keyClick(find<QComboBox>("p2_level"), Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->options().p1_com_level, 2123);
        QCOMPARE(m_dialog->options().p2_com_level, 1060);
    }

    void tabVisitsEveryControlInReadingOrder() {
        QVERIFY(open(fresh_options()));
        // Every box enabled, so that Tab stops at each.
        press_mnemonic(Qt::Key_O);
        press_mnemonic(Qt::Key_R);
        press_mnemonic(Qt::Key_L);
        press_mnemonic(Qt::Key_H);
        press_mnemonic(Qt::Key_A);
        QTRY_VERIFY(find<QCheckBox>("p2_handicap")->isChecked());
        find<QRadioButton>("start_other")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 15; ++i) {
            visited.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QStringList expected{"start_other", "other_score", "round_limit", "round",
                                   "leg_limit",   "max_leg",     "best_of",     "change_first",
                                   "p1_name",     "p1_com",      "p1_handicap", "p1_start_score",
                                   "p2_name",     "p2_com",      "p2_handicap"};
        QCOMPARE(visited, expected);
    }

    void typedNumbersAreBroughtIntoRange_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::newRow("start score 1") << "other_score"
                                       << "1"
                                       << "1"
                                       << "start_score" << 2;

        QTest::newRow("a sixth digit is refused") << "other_score"
                                                  << "123456"
                                                  << "12345"
                                                  << "start_score" << 12345;
        QTest::newRow("letters are refused") << "other_score"
                                             << "4x0-1"
                                             << "401"
                                             << "start_score" << 401;
        QTest::newRow("empty start score") << "other_score"
                                           << ""
                                           << ""
                                           << "start_score" << 2;

        QTest::newRow("rounds 5000") << "round"
                                     << "5000"
                                     << "5000"
                                     << "round" << 3333;
        QTest::newRow("rounds take four digits") << "round"
                                                 << "12345"
                                                 << "1234"
                                                 << "round" << 1234;

        QTest::newRow("handicap 1") << "p1_start_score"
                                    << "1"
                                    << "1"
                                    << "p1_start_score" << 701;
        QTest::newRow("empty handicap") << "p1_start_score"
                                        << ""
                                        << ""
                                        << "p1_start_score" << 701;
    }
    void typedNumbersAreBroughtIntoRange() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, field);
        QFETCH(int, stored);
        GameOptions options;
        options.start_score = 701;
        options.round_limit = 1;
        options.leg_limit = 1;
        options.p1_start_score = 601;
        QVERIFY(open(options));
        auto* number = find<QAbstractSpinBox>(box.toLatin1().constData());
        QVERIFY(number->isEnabled());
        type_into(number, typed);
        QCOMPARE(number->text(), shown);
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        const GameOptions& read = m_dialog->options();
        const std::map<QString, std::int32_t> fields{
            {"start_score", read.start_score},
            {"round", read.round},
            {"max_leg", read.max_leg},
            {"p1_start_score", read.p1_start_score},
        };
        QCOMPARE(fields.at(field), stored);
    }

    void arrowsStepWithinTheBoxRange() {
        GameOptions options;
        options.start_score = 3;
        QVERIFY(open(options));
        auto* other = find<QAbstractSpinBox>("other_score");
        other->setFocus(Qt::TabFocusReason);
        QTest::keyClick(other, Qt::Key_Down);
        QCOMPARE(other->text(), "2");
        QTest::keyClick(other, Qt::Key_Down);
        QCOMPARE(other->text(), "2");
        type_into(other, QStringLiteral("40000"));
        QTest::keyClick(other, Qt::Key_Up);
        QCOMPARE(other->text(), "32767");
    }

    void startScoreButtonsProposeTheirRoundLimit_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("rounds");
        QTest::addColumn<bool>("other_enabled");
        QTest::newRow("301") << int(Qt::Key_3) << "start_301"
                             << "10" << false;
        QTest::newRow("501") << int(Qt::Key_5) << "start_501"
                             << "15" << false;
        QTest::newRow("1001") << int(Qt::Key_1) << "start_1001"
                              << "30" << false;
        QTest::newRow("Other") << int(Qt::Key_O) << "start_other"
                               << "60" << true;
    }
    void startScoreButtonsProposeTheirRoundLimit() {
        QFETCH(int, key);
        QFETCH(QString, button);
        QFETCH(QString, rounds);
        QFETCH(bool, other_enabled);
        GameOptions options;
        options.round_limit = 1;
        QVERIFY(open(options));
        type_into(find<QAbstractSpinBox>("round"), QStringLiteral("22"));
        press_mnemonic(static_cast<Qt::Key>(key));
        QTRY_VERIFY(find<QRadioButton>(button.toLatin1().constData())->isChecked());
        QTRY_COMPARE(find<QAbstractSpinBox>("round")->text(), rounds);
        QCOMPARE(find<QAbstractSpinBox>("other_score")->isEnabled(), other_enabled);
    }

    void openingShowsTheRecord() {
        GameOptions options;
        options.start_score = 301;
        options.round_limit = 0;
        options.round = 12;
        options.p1_name.clear();
        options.p1_com = 1;
        options.p1_com_level = 11;
        options.p2_start_score = 401;
        QVERIFY(open(options));
        QVERIFY(find<QRadioButton>("start_301")->isChecked());
        QCOMPARE(QApplication::focusWidget(), find<QRadioButton>("start_301"));
        QCOMPARE(find<QAbstractSpinBox>("other_score")->text(), "301");
        QVERIFY(!find<QAbstractSpinBox>("other_score")->isEnabled());
        QCOMPARE(find<QAbstractSpinBox>("round")->text(), "12");
        QVERIFY(!find<QAbstractSpinBox>("round")->isEnabled());
        QVERIFY(!find<QCheckBox>("best_of")->isEnabled());
        QVERIFY(!find<QCheckBox>("change_first")->isEnabled());
        QCOMPARE(find<QLabel>("p1_label")->text(), "Level:");
        QCOMPARE(find<QComboBox>("p1_level")->currentText(), "Level 12");
        // The twelve table levels, then the players named by their average, 30 to 110.
        QCOMPARE(find<QComboBox>("p1_level")->count(), 21);
        QCOMPARE(find<QComboBox>("p1_level")->itemText(12), "Average 30");
        QCOMPARE(find<QComboBox>("p1_level")->itemText(20), "Average 110");
        QCOMPARE(find<QComboBox>("p1_name")->currentText(), "Player 1");
        QCOMPARE(find<QLabel>("p2_label")->text(), "Name:");
        QVERIFY(find<QCheckBox>("p2_handicap")->isChecked());
        QCOMPARE(find<QAbstractSpinBox>("p2_start_score")->text(), "401");
        QCOMPARE(find<QAbstractSpinBox>("p1_start_score")->text(), "301");
        QVERIFY(!find<QAbstractSpinBox>("p1_start_score")->isEnabled());
        QVERIFY(find<QPushButton>("save_options")->isVisible());
        QVERIFY(!find<QLabel>("legs_label")->isVisible());

        // Clearing "COM" brings the name box back.
        press_mnemonic(Qt::Key_C);
        QTRY_VERIFY(!find<QCheckBox>("p1_com")->isChecked());
        QVERIFY(find<QComboBox>("p1_name")->isVisible());
        QVERIFY(!find<QComboBox>("p1_level")->isVisible());
        QCOMPARE(find<QLabel>("p1_label")->text(), "Name:");
    }

    void aScheduleEntryKeepsItsNamesAndLimitsItsLegs() {
        GameOptions entry;
        entry.schedule_entry = 1;
        entry.leg_limit = 1;
        entry.p1_name.clear();
        entry.p2_name = "Bob";
        m_app.name_list = {"Alice"};
        QVERIFY(open(entry));
        QVERIFY(!find<QPushButton>("save_options")->isVisible());
        QVERIFY(!find<QCheckBox>("leg_limit")->isVisible());
        QVERIFY(find<QLabel>("legs_label")->isVisible());
        QCOMPARE(find<QComboBox>("p1_name")->currentText(), "");
        QCOMPARE(find<QComboBox>("p2_name")->currentText(), "Bob");

        // The plain label's mnemonic leads to the legs box.
        press_mnemonic(Qt::Key_L);
        QCOMPARE(QApplication::focusWidget(), find<QAbstractSpinBox>("max_leg"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_dialog->options().max_leg, 9);
        QCOMPARE(m_dialog->options().leg_limit, 1);
        QCOMPARE(m_dialog->options().schedule_entry, 1);
        QCOMPARE(m_dialog->options().p1_name, "");
        QCOMPARE(m_app.name_list, (std::vector<std::string>{"Bob", "Alice"}));
    }

    void nameBoxesOfferTheNameListAndRememberCaseInsensitively() {
        m_app.name_list = {"Alice", "", "bob", "Carol"};
        QVERIFY(open(fresh_options()));
        auto* name = find<QComboBox>("p1_name");
        QCOMPARE(name->count(), 3);
        QCOMPARE(name->itemText(1), "bob");
        QCOMPARE(find<QComboBox>("p2_name")->count(), 3);
        type_into(name, QStringLiteral("BOB"));
        type_into(find<QComboBox>("p2_name"), QStringLiteral("Dave"));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(m_app.name_list, (std::vector<std::string>{"BOB", "Dave", "Alice", "", "Carol"}));
    }

    void aFullNameListDropsItsOldestNames() {
        for (int i = 0; i < 64; ++i) {
            m_app.name_list.push_back("name " + std::to_string(i));
        }
        QVERIFY(open(fresh_options()));
        type_into(find<QComboBox>("p1_name"), QStringLiteral("Zoe"));
        // A name box takes 62 characters.
        type_into(find<QComboBox>("p2_name"), QString(70, u'y'));
        QTest::keyClick(find<QComboBox>("p2_name"), Qt::Key_Return);
        QCOMPARE(m_dialog->options().p2_name, std::string(62, 'y'));
        QCOMPARE(m_app.name_list.size(), std::size_t{64});
        QCOMPARE(m_app.name_list[0], "Zoe");
        QCOMPARE(m_app.name_list[1], std::string(62, 'y'));
        QCOMPARE(m_app.name_list[2], "name 0");
        QCOMPARE(m_app.name_list.back(), "name 61");
    }

    void saveOptionsWritesTheFileButNotTheRecord() {
        QFile existing(settings_path());
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("[game]\r\nauto_save=1\r\nstart_score=501\r\n");
        existing.close();

        const GameOptions options = fresh_options();
        QVERIFY(open(options));
        DialogScript script;
        MessageBoxes::set_next_answers(script, {MessageBoxes::Button::Ok});
        type_into(find<QComboBox>("p1_name"), QStringLiteral("Alice"));
        press_mnemonic(Qt::Key_3);
        QTRY_VERIFY(find<QRadioButton>("start_301")->isChecked());
        press_mnemonic(Qt::Key_S);
        QTRY_COMPARE(MessageBoxes::shown(script).size(), 1);
        QCOMPARE(MessageBoxes::shown(script).at(0).text, "The present Option was saved.");
        QCOMPARE(MessageBoxes::shown(script).at(0).icon, MessageBoxes::Icon::Information);
        QVERIFY(m_dialog->isVisible());

        const QByteArray written = read_file(settings_path());
        QVERIFY2(written.contains("start_score=301"), written.constData());
        QVERIFY(written.contains("p1_name=\"Alice\""));
        QVERIFY(written.contains("auto_save=1"));
        QCOMPARE(m_app.name_list, (std::vector<std::string>{"Alice", "Player 2"}));

        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(m_dialog->options(), options);
    }

    void aFailedSaveIsReportedAsAnError() {
        m_dialog = std::make_unique<GameOptionDialog>(
            fresh_options(), m_app,
            m_folder.filePath(QStringLiteral("missing/dvk.ini")).toStdString());
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        DialogScript script;
        MessageBoxes::set_next_answers(script, {MessageBoxes::Button::Ok});
        QTest::mouseClick(find<QPushButton>("save_options"), Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(script).size(), 1);
        QCOMPARE(MessageBoxes::shown(script).at(0).icon, MessageBoxes::Icon::Error);
        QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("missing/dvk.ini"))));
    }

    void editTakesAScriptedAnswer() {
        GameOptions options = fresh_options();
        {
            DialogScript script;
            QVERIFY(
                !GameOptionDialog::edit(nullptr, options, m_app, settings_path().toStdString()));
            QCOMPARE(options, fresh_options());
            QCOMPARE(script.calls().size(), 1);
            QCOMPARE(script.calls().at(0).arguments.value("start_score").toInt(), 501);
        }
        DialogScript script;
        script.push_answer(QStringLiteral("GameOptionDialog"),
                           QVariantMap{{"start_score", 1001}, {"p2_name", "Bob"}, {"round", 0}});
        QVERIFY(GameOptionDialog::edit(nullptr, options, m_app, settings_path().toStdString()));
        QCOMPARE(options.start_score, 1001);
        QCOMPARE(options.p1_start_score, 1001);
        QCOMPARE(options.p2_name, "Bob");
        QCOMPARE(options.round, 1);
        QCOMPARE(m_app.name_list, (std::vector<std::string>{"Player 1", "Bob"}));
    }
};

QTEST_MAIN(GameOptionDialogTest)
#include "game_option_dialog_test.moc"
