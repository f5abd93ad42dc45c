#include "screen/colors.h"
#include "screen/score_guide_wnd.h"
#include "screen/score_left_wnd.h"
#include "screen/score_name_wnd.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMap>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

namespace dvk {
namespace {

AppOptions test_options() {
    OptionsEnvironment environment;
    environment.font_name = "Liberation Sans";
    return default_options(environment);
}

GameRecord sample_game() {
    GameRecord game;
    game.players[0].name = "Tobi";
    game.players[0].remaining = 501;
    game.players[0].sets_won = 2;
    game.players[0].legs_won = 1;
    game.players[1].name = "Rosalie";
    game.players[1].remaining = 1001;
    game.players[1].sets_won = 4;
    game.players[1].legs_won = 3;
    return game;
}

// Shows a window at its size, so that it lays out as it would on screen.
bool show_sized(QWidget& widget, const QSize& size) {
    widget.resize(size);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

// Records the region of every paint event a widget receives.
class PaintRecorder : public QObject {
public:
    QList<QRegion> regions;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            regions.append(static_cast<QPaintEvent*>(event)->region());
        }
        return QObject::eventFilter(watched, event);
    }
};

QString menu_text(int command) {
    static const QMap<int, QString> texts{{40016, QStringLiteral("&New Game...")},
                                          {40038, QStringLiteral("Game &History...")}};
    return texts.value(command);
}

} // namespace

class SideWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_options = test_options(); }
    void nameBarTextForms_data();
    void nameBarTextForms();
    void nameBarCutsALongNameBeforeTheScore();
    void nameBarLaidOutWhileHiddenShowsNamesOnceShown();
    void leftScoreHeightFollowsTheSizeSetting();
    void leftScoreFitsFourDigits();
    void leftScoreFrameShowsTheActivePlayer();
    void leftScoreActiveChangeRepaintsOnlyTheFrame();
    void guideBarShowsPlainAndCtrlAssignments();
    void guideBarClickRunsTheSlotCommandOfTheSameSlot();
    void guideBarToolTipNamesTheCommandAfterItsDelay();

private:
    AppOptions m_options = test_options();
};

void SideWindowsTest::nameBarTextForms_data() {
    QTest::addColumn<bool>("sets");
    QTest::addColumn<bool>("showPlayer");
    QTest::addColumn<int>("firstPlayer");
    QTest::addColumn<int>("comLevel"); // of player 1; -1 for a person
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("name0");
    QTest::addColumn<QString>("name1");

    QTest::newRow("legsWithoutLegLimit") << false << false << 0 << -1 << "1 - 3"
                                         << "* Tobi"
                                         << "Rosalie";
    QTest::newRow("setsAndLegs") << true << false << 1 << -1 << "(2) 1 - 3 (4)"
                                 << "Tobi"
                                 << "* Rosalie";
    QTest::newRow("computerWithMarker") << false << false << 1 << 4 << "1 - 3"
                                        << "Tobi"
                                        << "* COM (Lv.5)";
    QTest::newRow("playerWindowsCarryScoreAndMarker") << true << true << 0 << 0 << ""
                                                      << "Tobi"
                                                      << "COM (Lv.1)";
}

void SideWindowsTest::nameBarTextForms() {
    QFETCH(bool, sets);
    QFETCH(bool, showPlayer);
    QFETCH(int, firstPlayer);
    QFETCH(int, comLevel);
    m_options.show_player = showPlayer ? 1 : 0;
    GameRecord game = sample_game();
    game.players[1].com = comLevel >= 0 ? 1 : 0;
    game.players[1].com_level = std::max(comLevel, 0);

    ScoreNameWnd bar(m_options);
    QVERIFY(show_sized(bar, QSize(1276, 72)));
    bar.setGame(&game);
    bar.setFirstPlayer(firstPlayer);
    bar.setLegLimit(sets);

    QTEST(bar.scoreText(), "score");
    QTEST(bar.nameText(0), "name0");
    QTEST(bar.nameText(1), "name1");
}

void SideWindowsTest::nameBarLaidOutWhileHiddenShowsNamesOnceShown() {
    GameRecord game = sample_game();
    QWidget parent;
    parent.resize(1280, 200);
    ScoreNameWnd bar(m_options, &parent);
    bar.setGame(&game);
    bar.setGeometry(2, 2, 1276, 72);
    bar.refresh();
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(bar.nameText(0), QStringLiteral("Tobi"));
    QVERIFY(bar.nameFont().pixelSize() > 20);
}

void SideWindowsTest::nameBarCutsALongNameBeforeTheScore() {
    GameRecord game = sample_game();
    game.players[0].name = "Bartholomew Alexander Montgomery-Smythe the Third of Cornwall";
    m_options.show_player = 0;
    ScoreNameWnd bar(m_options);
    QVERIFY(show_sized(bar, QSize(796, 54)));
    bar.setGame(&game);
    bar.setLegLimit(true);

    const QString shown = bar.nameText(0);
    QVERIFY2(shown.endsWith(QStringLiteral("...")), qPrintable(shown));
    QVERIFY2(shown.startsWith(QStringLiteral("* Bart")), qPrintable(shown));
    const QFontMetrics metrics(bar.nameFont());
    const int score_left = (bar.width() - metrics.horizontalAdvance(bar.scoreText())) / 2;
    QVERIFY(bar.nameRect(0).left() + metrics.horizontalAdvance(shown) < score_left);
    QCOMPARE(bar.nameText(1), QStringLiteral("Rosalie"));
}

void SideWindowsTest::leftScoreHeightFollowsTheSizeSetting() {
    const ScoreLeftWnd left(m_options);
    for (const auto& [setting, height] : {std::pair{20, 265}, {40, 200}, {60, 130}}) {
        m_options.left_font_size = setting;
        QCOMPARE(left.heightFor(800), height);
    }
}

void SideWindowsTest::leftScoreFitsFourDigits() {
    GameRecord game = sample_game();
    ScoreLeftWnd left(m_options);
    left.setPlayer(&game.players[1]);
    for (const QSize size : {QSize(637, 200), QSize(200, 150), QSize(120, 300)}) {
        QVERIFY(show_sized(left, size));
        const int room = size.width() - 2 * left.frameWidth();
        const int digits =
            QFontMetrics(left.numberFont()).horizontalAdvance(QStringLiteral("8888"));
        QVERIFY2(digits <= room, qPrintable(QStringLiteral("%1 > %2").arg(digits).arg(room)));
        QVERIFY(left.numberPointSize() > 0);
    }
}

void SideWindowsTest::leftScoreFrameShowsTheActivePlayer() {
    GameRecord game = sample_game();
    ScoreLeftWnd left(m_options);
    left.setPlayer(&game.players[0]);
    QVERIFY(show_sized(left, QSize(397, 150)));
    const QColor border = option_color(m_options, ColorItem::left_active_border);
    const QColor background = option_color(m_options, ColorItem::left_background);
    QCOMPARE(left.frameWidth(), 5);

    left.setActive(true);
    QImage image = left.grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), border);
    QCOMPARE(image.pixelColor(396, 149), border);
    QCOMPARE(image.pixelColor(4, 75), border);
    QCOMPARE(image.pixelColor(5, 75), background);

    left.setActive(false);
    image = left.grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), background);

    QVERIFY(show_sized(left, QSize(397, 25))); // too low for a frame
    left.setActive(true);
    QCOMPARE(left.frameWidth(), 0);
    QVERIFY(left.frameRegion().isEmpty());
    QCOMPARE(left.grab().toImage().pixelColor(0, 0), background);
}

void SideWindowsTest::leftScoreActiveChangeRepaintsOnlyTheFrame() {
    GameRecord game = sample_game();
    ScoreLeftWnd left(m_options);
    left.setPlayer(&game.players[0]);
    QVERIFY(show_sized(left, QSize(397, 150)));
    PaintRecorder recorder;
    left.installEventFilter(&recorder);

    left.setActive(true);
    QTRY_VERIFY(!recorder.regions.isEmpty());
    QRegion painted;
    for (const QRegion& region : recorder.regions) {
        painted += region;
    }
    QVERIFY(painted.contains(QPoint(0, 0)));
    QVERIFY(!painted.contains(QPoint(198, 75)));
    QVERIFY(painted.subtracted(left.frameRegion()).isEmpty());

    recorder.regions.clear();
    game.players[0].remaining = 441;
    left.refresh();
    QTRY_VERIFY(!recorder.regions.isEmpty());
    QVERIFY(recorder.regions.constFirst().contains(QPoint(198, 75)));
}

void SideWindowsTest::guideBarShowsPlainAndCtrlAssignments() {
    ScoreGuideWnd guide(m_options, menu_text);
    QVERIFY(show_sized(guide, QSize(1280, 80)));
    guide.setKeyTable(
        {{51060, 0, 112}, {40016, 0, 113}, {40038, 8, 112}, {51180, 8, 123}, {51100, 0, 112}});
    Qt::KeyboardModifiers held = Qt::NoModifier;
    guide.setModifierSource([&held] { return held; });

    QCOMPARE(guide.slotName(1), QStringLiteral("60"));
    QCOMPARE(guide.slotName(2), QStringLiteral("New Game"));
    QCOMPARE(guide.slotCommand(12), std::nullopt);
    QCOMPARE(guide.shownName(12), QString());

    held = Qt::ControlModifier;
    guide.modifierKeyPressed();
    QCOMPARE(guide.modifiers(), 8);
    QVERIFY(guide.isPolling());
    QCOMPARE(guide.slotName(1), QStringLiteral("Game History"));
    QCOMPARE(guide.slotCommand(2), std::nullopt);
    QCOMPARE(guide.slotName(12), QStringLiteral("180"));

    held = Qt::NoModifier;
    QTRY_VERIFY_WITH_TIMEOUT(!guide.isPolling(), 1000);
    QCOMPARE(guide.modifiers(), 0);
    QCOMPARE(guide.slotName(1), QStringLiteral("60"));
}

void SideWindowsTest::guideBarClickRunsTheSlotCommandOfTheSameSlot() {
    ScoreGuideWnd guide(m_options, menu_text);
    QVERIFY(show_sized(guide, QSize(1280, 80)));
    guide.setKeyTable({{51060, 0, 112}, {40016, 0, 119}});
    QSignalSpy spy(&guide, &ScoreGuideWnd::commandTriggered);

    QTest::mouseClick(&guide, Qt::LeftButton, {}, guide.slotRect(1).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toInt(), 51060);

    QTest::mouseClick(&guide, Qt::LeftButton, {}, guide.slotRect(8).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toInt(), 40016);

    QTest::mouseClick(&guide, Qt::LeftButton, {}, guide.slotRect(12).center());
    QCOMPARE(spy.count(), 0);

    // Pressed on one slot and released on another runs nothing.
    QTest::mousePress(&guide, Qt::LeftButton, {}, guide.slotRect(1).center());
    QCOMPARE(guide.hotSlot(), 1);
    QTest::mouseMove(&guide, guide.slotRect(8).center());
    QCOMPARE(guide.hotSlot(), 0);
    QTest::mouseRelease(&guide, Qt::LeftButton, {}, guide.slotRect(8).center());
    QCOMPARE(spy.count(), 0);
}

void SideWindowsTest::guideBarToolTipNamesTheCommandAfterItsDelay() {
    ScoreGuideWnd guide(m_options, menu_text);
    QVERIFY(show_sized(guide, QSize(240, 40)));
    guide.setKeyTable({{40016, 0, 112}});
    QVERIFY(guide.shownName(1) != guide.slotName(1)); // too narrow for the whole name

    QTest::mouseMove(&guide, guide.slotRect(1).center());
    QTest::qWait(ScoreGuideWnd::tooltip_delay_ms / 2);
    QVERIFY(!QToolTip::isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), ScoreGuideWnd::tooltip_delay_ms * 2);
    QCOMPARE(QToolTip::text(), QStringLiteral("New Game"));

    QTest::mouseMove(&guide, guide.slotRect(2).center());
    QTRY_VERIFY(!QToolTip::isVisible());
    QTest::qWait(ScoreGuideWnd::tooltip_delay_ms + 200);
    QVERIFY(!QToolTip::isVisible()); // slot 2 has no command and so no tooltip
}

} // namespace dvk

QTEST_MAIN(dvk::SideWindowsTest)
#include "side_windows_test.moc"
