#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "screen/colors.h"
#include "screen/score_player_wnd.h"

#include <QTest>

#include <memory>

using namespace dvk;

namespace {

// Ann after winning the first leg in twelve darts, left on 141 in the second, with earlier
// games of the match behind her.
GameRecord played_game() {
    GameRecord game;
    game.start_score = 501;
    game.leg_limit = 0;
    game.legs.push_back(LegRecord::with_capacity(10, 1));
    PlayerBlock& ann = game.players[0];
    ann.name = "Ann";
    ann.start_score = 501;
    ann.remaining = 141;
    ann.sets_won = 2;
    ann.legs_won = 1;
    ann.game.tons = 5;
    ann.game.count_180 = 3;
    ann.game.total_score = 861;
    ann.game.total_darts = 18;
    ann.game.keep_all = 1;
    ann.game.keep_won = 1;
    ann.game.high_out = 81;
    ann.match.tons = 4;
    ann.match.high_out = 121;
    PlayerBlock& com = game.players[1];
    com.name = "Bob";
    com.com = 1;
    com.com_level = 4;
    com.start_score = 501;
    com.remaining = 321;
    return game;
}

AppOptions options_with(const PlayerInfoOptions& items) {
    AppOptions options = default_options(OptionsEnvironment{});
    options.player = items;
    options.show_name = 0;
    return options;
}

PlayerInfoOptions every_item() {
    PlayerInfoOptions items;
    items.total_tons = items.total_100 = items.total_140 = items.total_180s = 1;
    items.total_high_off = items.total_short = items.total_long = 1;
    items.avg_darts = items.avg_first9 = items.avg_check_out = 1;
    items.avg_keep = items.avg_break = 1;
    items.arrange = 1;
    return items;
}

// Moves the pointer there, so that the window's timers find it where the events put it.
void point_at(ScorePlayerWnd& window, const QPoint& at) {
    QCursor::setPos(window.mapToGlobal(at));
    QTest::mouseMove(&window, at);
}

const ArrangeTable& checkout_table() {
    static const ArrangeTable table =
        parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    return table;
}

// A shown window over a game; the options and the game outlive it.
struct Fixture {
    AppOptions options;
    GameRecord game = played_game();
    std::unique_ptr<ScorePlayerWnd> window;

    Fixture(const PlayerInfoOptions& items, int width, int height, int player = 0)
        : options(options_with(items)) {
        window = std::make_unique<ScorePlayerWnd>(options, checkout_table());
        window->resize(width, height);
        window->setGame(&game, player);
        window->show();
    }
};

} // namespace

class ScorePlayerWndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheCombinedFiguresAndSuggestions() {
        PlayerInfoOptions items;
        items.total_tons = items.total_high_off = 1;
        items.avg_keep = 1;
        items.arrange = 1;
        Fixture f(items, 256, 700);
        QCOMPARE(f.window->objectName(), "score_player_wnd");
        QVERIFY(!f.window->accessibleName().isEmpty());
        const QStringList expected = {
            "Ann",        "Totals",  "Legs: ",         "1",           "Tons: ",     "9",
            "High Out: ", "121",     "Averages",       "Score: ",     "143.50",     "Keep: ",
            "100.00",     "(1 / 1)", "Dart out shots", "T20-T15-D18", "T17-D25-D20"};
        QCOMPARE(f.window->shownTexts(), expected);
    }

    void firstMarkerWaitsForTheNextRefreshAndSetsForTheLegLimit() {
        Fixture f(PlayerInfoOptions{}, 198, 500);
        const int totals_top = f.window->layout().placements.front().top;
        f.window->setFirst(true);
        QVERIFY(!f.window->shownTexts().contains("- First -"));
        f.window->refresh();
        QCOMPARE(f.window->shownTexts().at(1), "- First -");
        // The line was kept free before, so both windows' rows stay level.
        QCOMPARE(f.window->layout().placements.at(1).top, totals_top);

        QVERIFY(!f.window->shownTexts().contains("Sets: "));
        f.window->setLegLimit(true);
        const QStringList texts = f.window->shownTexts();
        QCOMPARE(texts.at(texts.indexOf("Sets: ") + 1), "2");
    }

    void headerNamesTheComputerByLevelAndGivesWayToTheNameWindow() {
        Fixture f(PlayerInfoOptions{}, 198, 500, 1);
        QCOMPARE(f.window->headerText(), "COM (Lv.5)");
        QVERIFY(f.window->headerHeight() > 0);
        f.options.show_name = 1;
        f.window->reloadOptions();
        QCOMPARE(f.window->headerHeight(), 0);
        QVERIFY(f.window->headerText().isEmpty());
    }

    void blankWithoutAPlayer() {
        Fixture f(every_item(), 198, 500);
        f.window->setGame(nullptr, 0);
        QVERIFY(f.window->shownTexts().isEmpty());
        const QImage image = f.window->grab().toImage();
        const QColor background = option_color(f.options, ColorItem::player_background);
        QCOMPARE(image.pixelColor(100, 300), background);
        QCOMPARE(image.pixelColor(100, 2),
                 option_color(f.options, ColorItem::player_name_background));
    }

    void fontsShrinkWithTheHeight() {
        for (const bool large : {true, false}) {
            // Without suggestions, whose number changes with every visit, the rows fit exactly.
            PlayerInfoOptions items = every_item();
            items.arrange = 0;
            items.large_font = large ? 1 : 0;
            Fixture f(items, 198, 2400);
            QCOMPARE(f.window->fontSizes(), player_info_start_sizes(198, false));
            const int height = large ? 1000 : 400;
            f.window->resize(198, height);
            QVERIFY(f.window->fontSizes().main < player_info_start_sizes(198, false).main);
            QVERIFY(f.window->fontSizes().main > 9);
            QVERIFY(f.window->headerHeight() + f.window->layout().content_height <= height);
            QCOMPARE(f.window->maxScroll(), 0);
        }
    }

    void scrollArrowsAppearWhenTheRowsDoNotFit() {
        Fixture f(every_item(), 198, 160);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        ScorePlayerWnd& w = *f.window;
        QVERIFY(w.maxScroll() > 0);
        const int bottom = w.height() - 2;
        const int top = w.headerHeight() + 2;
        point_at(w, QPoint(50, top));
        QVERIFY2(!w.topButtonShown(), "nothing above to scroll to");
        point_at(w, QPoint(50, bottom));
        QVERIFY(w.bottomButtonShown());
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(50, bottom));
        QCOMPARE(w.scrollPosition(), w.metrics().line);
        point_at(w, QPoint(50, top));
        QVERIFY(w.topButtonShown());
        QTRY_VERIFY(!w.bottomButtonShown());
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(50, top));
        QCOMPARE(w.scrollPosition(), 0);
        QTRY_VERIFY2(!w.topButtonShown(), "the arrow goes when its end is reached");
    }

    void holdingAnArrowKeepsScrolling() {
        Fixture f(every_item(), 198, 160);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        ScorePlayerWnd& w = *f.window;
        const QPoint bottom(50, w.height() - 2);
        point_at(w, bottom);
        QTest::mousePress(&w, Qt::LeftButton, {}, bottom);
        QCOMPARE(w.scrollPosition(), w.metrics().line);
        QTRY_VERIFY_WITH_TIMEOUT(w.scrollPosition() >= 3 * w.metrics().line ||
                                     w.scrollPosition() == w.maxScroll(),
                                 2000);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, bottom);
        const int stopped = w.scrollPosition();
        QTest::qWait(200);
        QCOMPARE(w.scrollPosition(), stopped);
        QVERIFY(w.scrollPosition() <= w.maxScroll());
    }

    void noArrowsWhenScrollingIsOffOrEverythingFits() {
        Fixture f(every_item(), 198, 160);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->setNoScrolling(true);
        const QPoint bottom(50, f.window->height() - 2);
        point_at(*f.window, bottom);
        QTest::mouseClick(f.window.get(), Qt::LeftButton, {}, bottom);
        QVERIFY(!f.window->bottomButtonShown());
        QCOMPARE(f.window->scrollPosition(), 0);

        Fixture roomy(PlayerInfoOptions{}, 198, 600);
        QCOMPARE(roomy.window->maxScroll(), 0);
        point_at(*roomy.window, QPoint(50, 598));
        QVERIFY(!roomy.window->bottomButtonShown());
    }

    void dialogModesShowEveryFigure() {
        Fixture list(PlayerInfoOptions{}, 220, 420);
        list.window->setFirst(true);
        list.window->setDialogMode(ScorePlayerWnd::DialogMode::LongLabel, true);
        const QStringList texts = list.window->shownTexts();
        QCOMPARE(texts.front(), "Ann");
        QVERIFY(texts.contains("Check-Out: "));
        QVERIFY(texts.contains("Worst: "));
        QVERIFY(texts.contains("(0 / 0)"));
        QVERIFY(!texts.contains("- First -"));
        QVERIFY(!texts.contains("Dart out shots"));
        QVERIFY(list.window->fontSizes().main <= 220 / 14);
        QCOMPARE(texts.at(texts.indexOf("Tons: ") + 1), "9");
        list.window->setGame(&list.game, 0, true);
        const QStringList stored = list.window->shownTexts();
        QCOMPARE(stored.at(stored.indexOf("Tons: ") + 1), "5");
        QCOMPARE(stored.at(stored.indexOf("High Out: ") + 1), "81");

        Fixture preview(every_item(), 160, 60);
        preview.window->setDialogMode(ScorePlayerWnd::DialogMode::FixedFonts, true);
        QCOMPARE(preview.window->fontSizes(), player_info_start_sizes(160, false));
        QCOMPARE(preview.window->metrics().gap, preview.window->metrics().line / 2);
    }
};

QTEST_MAIN(ScorePlayerWndTest)
#include "score_player_wnd_test.moc"
