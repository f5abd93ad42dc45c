#include "dialogs/check_out_dialog.h"
#include "dialogs/check_out_mode_dialog.h"
#include "dialogs/leg_end_messages.h"
#include "dialogs/middle_for_diddle_dialog.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <memory>

using namespace dvk;

class ScoreDialogsTest : public QObject {
    Q_OBJECT

private:
    // Opens a dialog without a modal loop, so the test can press keys and read it back.
    template <typename Dialog, typename... Arguments>
    static std::unique_ptr<Dialog> open(Arguments&&... arguments) {
        auto dialog = std::make_unique<Dialog>(std::forward<Arguments>(arguments)...);
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get())) {
            return nullptr;
        }
        return dialog;
    }

private Q_SLOTS:
    void checkOutDisablesDartCountsThatCannotScore_data() {
        QTest::addColumn<int>("check_out");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::newRow("60") << 60 << true << true;
        QTest::newRow("61") << 61 << false << true;
        QTest::newRow("120") << 120 << false << true;
        QTest::newRow("121") << 121 << false << false;
        QTest::newRow("170") << 170 << false << false;
    }
    void checkOutDisablesDartCountsThatCannotScore() {
        QFETCH(int, check_out);
        QFETCH(bool, first);
        QFETCH(bool, second);
        const auto dialog = open<CheckOutDialog>(check_out);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), "CheckOutDialog");
        QCOMPARE(dialog->windowTitle(), "Check-Out");
        QCOMPARE(dialog->choice_button(0)->isEnabled(), first);
        QCOMPARE(dialog->choice_button(1)->isEnabled(), second);
        QVERIFY(dialog->choice_button(2)->isEnabled());
        // The default is the fewest darts that can have scored the check-out.
        const int fewest = first ? 0 : second ? 1 : 2;
        QVERIFY(dialog->choice_button(fewest)->isDefault());
        QCOMPARE(dialog->choice_button(0)->width(), dialog->cancel_button()->width());
    }

    void checkOutKeys_data() {
        QTest::addColumn<int>("check_out");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("closed");
        QTest::newRow("digit 2") << 40 << int(Qt::Key_2) << 0 << 2 << true;
        QTest::newRow("keypad 1") << 40 << int(Qt::Key_1) << int(Qt::KeypadModifier) << 1 << true;
        QTest::newRow("Alt+3") << 40 << int(Qt::Key_3) << int(Qt::AltModifier) << 3 << true;
        QTest::newRow("disabled digit 1") << 61 << int(Qt::Key_1) << 0 << 0 << false;
        QTest::newRow("disabled Alt+2")
            << 121 << int(Qt::Key_2) << int(Qt::AltModifier) << 0 << false;
        QTest::newRow("Enter takes the default") << 61 << int(Qt::Key_Return) << 0 << 2 << true;
        QTest::newRow("Escape cancels") << 40 << int(Qt::Key_Escape) << 0 << 0 << true;
        QTest::newRow("other keys do nothing") << 40 << int(Qt::Key_4) << 0 << 0 << false;
    }
    void checkOutKeys() {
        QFETCH(int, check_out);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, result);
        QFETCH(bool, closed);
        const auto dialog = open<CheckOutDialog>(check_out);
        QVERIFY(dialog);
        QTest::keyClick(QApplication::focusWindow(), static_cast<Qt::Key>(key),
                        static_cast<Qt::KeyboardModifiers>(modifiers));
        // A mnemonic presses its button with a short animation.
        if (closed) {
            QTRY_VERIFY(!dialog->isVisible());
        } else {
            QTest::qWait(150);
            QVERIFY(dialog->isVisible());
        }
        QCOMPARE(dialog->result(), result);
    }

    void checkOutScriptAnswersLikeTheUser() {
        DialogScript script;
        script.push_answer("CheckOutDialog", 2);
        script.push_answer("CheckOutDialog", 1);
        QCOMPARE(CheckOutDialog::ask(nullptr, 100), 2);
        QCOMPARE(CheckOutDialog::ask(nullptr, 100), 0); // one dart cannot score 100
        QCOMPARE(CheckOutDialog::ask(nullptr, 100), 0); // nothing queued: cancelled
        const auto calls = script.calls_of("CheckOutDialog");
        QCOMPARE(calls.size(), 3);
        QCOMPARE(calls[0].arguments.value("check_out"), 100);
        QCOMPARE(calls[0].arguments.value("first_enabled"), false);
        QCOMPARE(calls[0].arguments.value("second_enabled"), true);
    }

    void checkOutModeOkTakesOnlyTheAllowedRange_data() {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("finishing 0") << 1 << int(Qt::Key_0) << false;
        QTest::newRow("finishing 1") << 1 << int(Qt::Key_1) << true;
        QTest::newRow("other visit 0") << 0 << int(Qt::Key_0) << true;
        QTest::newRow("3") << 0 << int(Qt::Key_3) << true;
        QTest::newRow("4") << 0 << int(Qt::Key_4) << false;
        QTest::newRow("9") << 1 << int(Qt::Key_9) << false;
    }
    void checkOutModeOkTakesOnlyTheAllowedRange() {
        QFETCH(int, minimum);
        QFETCH(int, typed);
        QFETCH(bool, accepted);
        const auto dialog = open<CheckOutModeDialog>(2, minimum, 3, "Liberation Sans");
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), "CheckOutModeDialog");
        QCOMPARE(QApplication::focusWidget(), dialog->number_box());
        QTest::keyClick(QApplication::focusWindow(), static_cast<Qt::Key>(typed));
        QTest::mouseClick(dialog->ok_button(), Qt::LeftButton);
        QCOMPARE(dialog->isVisible(), !accepted);
        QCOMPARE(dialog->answer(), accepted ? typed - Qt::Key_0 : CheckOutModeDialog::cancelled);
        if (!accepted) {
            QTest::keyClick(QApplication::focusWindow(), Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QCOMPARE(dialog->answer(), CheckOutModeDialog::cancelled);
        }
    }

    void checkOutModeArrowsStayInRange() {
        const auto dialog = open<CheckOutModeDialog>(2, 1, 3, "Liberation Sans");
        QVERIFY(dialog);
        QSpinBox* box = dialog->number_box();
        QCOMPARE(box->value(), 2);
        QTest::keyClick(QApplication::focusWindow(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWindow(), Qt::Key_Up);
        QCOMPARE(box->value(), 3);
        for (int press = 0; press < 4; ++press) {
            QTest::keyClick(QApplication::focusWindow(), Qt::Key_Down);
        }
        QCOMPARE(box->value(), 1);
        QTest::keyClick(QApplication::focusWindow(), Qt::Key_Return);
        QCOMPARE(dialog->answer(), 1);
    }

    void checkOutModeScript() {
        DialogScript script;
        script.push_answer("CheckOutModeDialog", 2);
        script.push_answer("CheckOutModeDialog", 4);
        script.push_answer("CheckOutModeDialog", 255);
        QCOMPARE(CheckOutModeDialog::ask(nullptr, 3, 0, 3, "Liberation Sans"), 2);
        QCOMPARE(CheckOutModeDialog::ask(nullptr, 3, 0, 3, "Liberation Sans"), 255);
        QCOMPARE(CheckOutModeDialog::ask(nullptr, 3, 0, 3, "Liberation Sans"), 255);
        QCOMPARE(CheckOutModeDialog::ask(nullptr, 3, 0, 3, "Liberation Sans"), 255);
        const auto calls = script.calls_of("CheckOutModeDialog");
        QCOMPARE(calls.size(), 4);
        QCOMPARE(calls[0].arguments.value("shown"), 3);
        QCOMPARE(calls[0].arguments.value("minimum"), 0);
        QCOMPARE(calls[0].arguments.value("maximum"), 3);
        QVERIFY(!calls[3].answer.isValid());
    }

    void fittedPointSizeIsTheLargestWhoseTextIsLowerThanTheBox() {
        for (const int box_height : {12, 20, 31, 44}) {
            const int size =
                CheckOutModeDialog::fitted_point_size("Liberation Sans", box_height, 96);
            QVERIFY(size >= 1 && size <= box_height);
            const auto height = [](int point_size) {
                QFont font("Liberation Sans");
                font.setPixelSize(qRound(point_size * 96 / 72.0));
                return QFontMetrics(font).height();
            };
            QVERIFY2(height(size) < box_height, qPrintable(QString::number(box_height)));
            QVERIFY2(height(size + 1) >= box_height, qPrintable(QString::number(box_height)));
        }
    }

    void numberFontSizeIsKeptUntilReset() {
        CheckOutModeDialog::reset_font_cache();
        QVERIFY(!CheckOutModeDialog::cached_point_size());
        const CheckOutModeDialog first(1, 0, 3, "Liberation Sans");
        const auto fitted = CheckOutModeDialog::cached_point_size();
        QVERIFY(fitted);
        QCOMPARE(first.number_box()->font().family(), "Liberation Sans");
        QCOMPARE(first.number_box()->font().pixelSize(),
                 qRound(*fitted * first.logicalDpiY() / 72.0));

        // A second opening takes the kept size, whatever its font measures.
        const CheckOutModeDialog second(1, 0, 3, "Liberation Serif");
        QCOMPARE(CheckOutModeDialog::cached_point_size(), fitted);
        QCOMPARE(second.number_box()->font().pixelSize(), first.number_box()->font().pixelSize());

        CheckOutModeDialog::reset_font_cache();
        QVERIFY(!CheckOutModeDialog::cached_point_size());
        const CheckOutModeDialog third(1, 0, 3, "Liberation Sans");
        QCOMPARE(CheckOutModeDialog::cached_point_size(), fitted);
    }

    void middleForDiddleButtonsNameThePlayers() {
        const auto dialog = open<MiddleForDiddleDialog>("Anna & Co", "COM");
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), "MiddleForDiddleDialog");
        QCOMPARE(dialog->choice_button(0)->text(), "Anna && Co (&1)");
        QCOMPARE(dialog->choice_button(1)->text(), "COM (&2)");
        QTest::keyClick(QApplication::focusWindow(), Qt::Key_2);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), 2);
    }

    void middleForDiddleShortensLongNames() {
        const QString name(255, u'W');
        const MiddleForDiddleDialog dialog(name, "Bert");
        const QString text = dialog.choice_button(0)->text();
        QVERIFY(text.size() < 100);
        QVERIFY(text.endsWith(QString(QChar(0x2026)) + " (&1)"));
        QCOMPARE(dialog.choice_button(0)->toolTip(), name);
        QVERIFY(dialog.sizeHint().width() < 800);
    }

    void middleForDiddleScript() {
        DialogScript script;
        script.push_answer("MiddleForDiddleDialog", 1);
        script.push_answer("MiddleForDiddleDialog", 0);
        QCOMPARE(MiddleForDiddleDialog::ask(nullptr, "Anna", "Bert"), 1);
        QCOMPARE(MiddleForDiddleDialog::ask(nullptr, "Anna", "Bert"), 0);
        QCOMPARE(MiddleForDiddleDialog::ask(nullptr, "Anna", "Bert"), -1);
        QCOMPARE(script.calls().first().arguments.value("player2"), "Bert");
    }

    void gameShotMessage_data() {
        QTest::addColumn<bool>("computer");
        QTest::addColumn<MessageBoxes::Button>("answer");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("buttons");
        QTest::newRow("player OK") << false << MessageBoxes::Button::Ok << true << "Anna" << 2;
        QTest::newRow("player Cancel")
            << false << MessageBoxes::Button::Cancel << false << "Anna" << 2;
        QTest::newRow("computer") << true << MessageBoxes::Button::Cancel << true << "COM" << 1;
    }
    void gameShotMessage() {
        QFETCH(bool, computer);
        QFETCH(MessageBoxes::Button, answer);
        QFETCH(bool, confirmed);
        QFETCH(QString, caption);
        QFETCH(int, buttons);
        DialogScript script;
        MessageBoxes::set_next_answers(script, {answer});
        QCOMPARE(LegEndMessages::confirm_game_shot(nullptr, 2, 17, computer, "Anna"), confirmed);
        const auto shown = MessageBoxes::shown(script);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, "Game shot 2 dart. (17 darts)");
        QCOMPARE(shown[0].icon, MessageBoxes::Icon::Information);
        QCOMPARE(shown[0].caption, caption);
        QCOMPARE(shown[0].buttons.size(), buttons);
    }

    void checkInMessage() {
        DialogScript script;
        MessageBoxes::set_next_answers(script,
                                       {MessageBoxes::Button::Ok, MessageBoxes::Button::Cancel});
        QVERIFY(LegEndMessages::confirm_check_in(nullptr, 46, "Bert"));
        QVERIFY(!LegEndMessages::confirm_check_in(nullptr, 46, "COM"));
        const auto shown = MessageBoxes::shown(script);
        QCOMPARE(shown[0].text, "Check in 46 darts.");
        QCOMPARE(shown[0].caption, "Bert");
        QCOMPARE(shown[1].caption, "COM");
        QCOMPARE(shown[1].buttons, (QList{MessageBoxes::Button::Ok, MessageBoxes::Button::Cancel}));
    }

    void dialogsOpenCentredOverTheirOwner() {
        QWidget owner;
        owner.setGeometry(60, 40, 640, 480);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        CheckOutDialog dialog(40, &owner);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint owner_centre = owner.frameGeometry().center();
        const QPoint dialog_centre = dialog.frameGeometry().center();
        QVERIFY(qAbs(owner_centre.x() - dialog_centre.x()) <= 1);
        QVERIFY(qAbs(owner_centre.y() - dialog_centre.y()) <= 1);
    }
};

QTEST_MAIN(ScoreDialogsTest)
#include "score_dialogs_test.moc"
