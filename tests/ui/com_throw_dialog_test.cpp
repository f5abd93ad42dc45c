#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/throw_model.h"
#include "dialogs/com_throw_dialog.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace dvk;

namespace {

// Player 2 is the computer; the leg is in its third round.
GameRecord com_game(std::int32_t remaining, std::int32_t level) {
    GameRecord game;
    game.players[0].remaining = 501;
    game.players[1].remaining = remaining;
    game.players[1].com = 1;
    game.players[1].com_level = level;
    LegRecord leg = LegRecord::with_capacity(10, 3);
    leg.round = 2;
    game.legs.push_back(leg);
    for (auto& darts : game.darts_at_double) {
        darts.assign(11, 0);
    }
    return game;
}

AppOptions com_options(int com_timer) {
    AppOptions options;
    options.font_name = "Liberation Sans";
    options.com_timer = com_timer;
    return options;
}

QStringList box_texts(const ComThrowDialog& dialog) {
    return {dialog.dart_box(0)->text(), dialog.dart_box(1)->text(), dialog.dart_box(2)->text()};
}

// Long enough that the timer never ticks while a test steps the visit itself.
constexpr int idle_timer = 600000;

} // namespace

class ComThrowDialogTest : public QObject {
    Q_OBJECT

private:
    const ComTable m_table{parse_arrange_text(builtin_arrange_text(BuiltinTable::Com))};

    std::unique_ptr<ComThrowDialog> open(GameRecord& game, int com_timer, std::uint32_t seed = 1) {
        auto dialog =
            std::make_unique<ComThrowDialog>(game, 1, m_table, com_options(com_timer), seed);
        dialog->show();
        return QTest::qWaitForWindowActive(dialog.get()) ? std::move(dialog) : nullptr;
    }

private Q_SLOTS:
    void aWholeVisitIsThrownOnTheTimer_data() {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("double_darts");
        QTest::newRow("no table entry: the default target")
            << 501 << QStringList{"T20", "T20", "T20"} << 180 << 0;
        QTest::newRow("check-out with the second dart")
            << 100 << QStringList{"T20", "D20", ""} << -2 << 1;
        QTest::newRow("check-out with the first dart")
            << 32 << QStringList{"D16", "", ""} << -1 << 1;
    }
    void aWholeVisitIsThrownOnTheTimer() {
        QFETCH(int, remaining);
        QFETCH(QStringList, shown);
        QFETCH(int, result);
        QFETCH(int, double_darts);
        GameRecord game = com_game(remaining, perfect_level);
        // Shown without waiting for it to become active: with a 1 ms period the visit may be
        // over before that.
        ComThrowDialog dialog_on_stack(game, 1, m_table, com_options(1), 1);
        const ComThrowDialog* dialog = &dialog_on_stack;
        dialog_on_stack.show();
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(box_texts(*dialog), shown);
        QCOMPARE(game.players[1].com_result, result);
        QCOMPARE(game.darts_at_double[1][2], double_darts);
        QCOMPARE(game.players[0].com_result, 0);
    }

    void theDialogClosesOnePeriodAfterTheLastDart() {
        GameRecord game = com_game(501, perfect_level);
        const auto dialog = open(game, idle_timer);
        QVERIFY(dialog);
        for (int dart = 0; dart < 3; ++dart) {
            QVERIFY(dialog->dart_box(dart)->text().isEmpty());
            dialog->throw_next();
            QCOMPARE(dialog->dart_box(dart)->text(), "T20");
            QVERIFY(dialog->isVisible());
        }
        QCOMPARE(game.players[1].com_result, 0);
        dialog->throw_next();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(game.players[1].com_result, 180);
    }

    void dartsAreShownInTheSettingsFaceAt22Points() {
        GameRecord game = com_game(501, perfect_level);
        const auto dialog = open(game, idle_timer);
        QVERIFY(dialog);
        const QFont font = dialog->dart_box(1)->font();
        QCOMPARE(font.family(), "Liberation Sans");
        QCOMPARE(font.pixelSize(), qRound(22 * dialog->logicalDpiY() / 72.0));
        dialog->throw_next();
        const QLabel* box = dialog->dart_box(0);
        QVERIFY(box->fontMetrics().horizontalAdvance(QStringLiteral("D25")) <
                box->contentsRect().width());
    }

    // The darts follow from the seed alone: the engine thrown with the same seed, the same
    // table and the settings' default target gives the same visit.
    void theSeedDecidesTheDarts() {
        for (const std::uint32_t seed : {1u, 77u, 2024u, 65535u, 4000000000u}) {
            GameRecord engine_game = com_game(501, 4);
            ComThrower thrower(m_table, Segment{20, 3}, seed);
            ComVisit visit(engine_game, 1, thrower);
            QStringList expected;
            for (int tick = 0; tick < 3; ++tick) {
                expected.append(QString::fromStdString(visit.tick().dart.text()));
            }

            GameRecord game = com_game(501, 4);
            ComThrowDialog dialog(game, 1, m_table, com_options(idle_timer), seed);
            for (int tick = 0; tick < 3; ++tick) {
                dialog.throw_next();
            }
            QCOMPARE(box_texts(dialog), expected);
        }
    }

    void stopAnsweredYesEndsTheVisitWithMinusFive() {
        GameRecord game = com_game(501, perfect_level);
        const auto dialog = open(game, idle_timer);
        QVERIFY(dialog);
        dialog->throw_next();
        DialogScript script;
        MessageBoxes::set_next_answers(script, {MessageBoxes::Button::Yes});
        QTest::keyClick(dialog.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(game.players[1].com_result, ComVisit::stopped);

        const QList<MessageBoxes::Shown> shown = MessageBoxes::shown(script);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text, "Do you want to stop a game?");
        QCOMPARE(shown.at(0).icon, MessageBoxes::Icon::Question);
        QCOMPARE(shown.at(0).default_button, MessageBoxes::Button::No);
    }

    void stopAnsweredNoLetsTheVisitGoOn() {
        GameRecord game = com_game(501, perfect_level);
        const auto dialog = open(game, idle_timer);
        QVERIFY(dialog);
        auto* timer = dialog->findChild<QTimer*>();
        QVERIFY(timer && timer->isActive());
        DialogScript script;
        MessageBoxes::set_next_answers(script, {MessageBoxes::Button::No});
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(MessageBoxes::shown(script).size(), 1);
        QVERIFY(dialog->isVisible());
        QVERIFY(timer->isActive());
        QVERIFY(!dialog->visit().finished());

        for (int tick = 0; tick < 4; ++tick) {
            dialog->throw_next();
        }
        QVERIFY(!dialog->isVisible());
        QCOMPARE(game.players[1].com_result, 180);
    }

    void closingTheWindowAsksLikeStop() {
        GameRecord game = com_game(501, perfect_level);
        const auto dialog = open(game, idle_timer);
        QVERIFY(dialog);
        DialogScript script;
        MessageBoxes::set_next_answers(script, {MessageBoxes::Button::Yes});
        QVERIFY(dialog->close());
        QCOMPARE(MessageBoxes::shown(script).size(), 1);
        QCOMPARE(game.players[1].com_result, ComVisit::stopped);
    }

    void runTakesTheSeedFromAScript() {
        GameRecord game = com_game(100, perfect_level);
        {
            DialogScript script;
            script.push_answer(QStringLiteral("ComThrowDialog"), 5);
            ComThrowDialog::run(nullptr, game, 1, m_table, com_options(1000));
            QCOMPARE(script.calls().size(), 1);
            QCOMPARE(script.calls().at(0).arguments.value("remaining").toInt(), 100);
        }
        QCOMPARE(game.players[1].com_result, -2);

        // Without an answer the visit is stopped.
        DialogScript script;
        ComThrowDialog::run(nullptr, game, 1, m_table, com_options(1000));
        QCOMPARE(game.players[1].com_result, ComVisit::stopped);
    }
};

QTEST_MAIN(ComThrowDialogTest)
#include "com_throw_dialog_test.moc"
