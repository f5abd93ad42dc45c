#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/segment.h"
#include "dialogs/dart_out_shots_dialog.h"
#include "dialogs/number_box.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <set>

using namespace dvk;

namespace {

QStringList child_texts(const QTreeWidgetItem* parent) {
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i) {
        texts << parent->child(i)->text(0);
    }
    return texts;
}

// The ways the table gives for `score` whose first dart is not worth `excluded`, one per
// first-dart value, as the tree should list them.
QStringList expected_ways(const ArrangeTable& table, int score, int excluded) {
    QStringList texts;
    std::set<std::int32_t> values;
    for (const std::size_t i : entries_for_score(table, score)) {
        const std::int32_t value = segment_value(table.entries[i].field(0));
        if (value != excluded && values.insert(value).second) {
            texts << QString::fromStdString(way_text(table.entries[i]));
        }
    }
    return texts;
}

} // namespace

class DartOutShotsDialogTest : public QObject {
    Q_OBJECT

private:
    const ArrangeTable m_table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    WindowRect m_rect;
    std::unique_ptr<DartOutShotsDialog> m_dialog;

    DartOutShotsDialog* open(int score) {
        m_dialog = std::make_unique<DartOutShotsDialog>(score, m_table, m_rect);
        m_dialog->show();
        return QTest::qWaitForWindowActive(m_dialog.get()) ? m_dialog.get() : nullptr;
    }

    QTreeWidget* tree() const { return m_dialog->tree(); }
    QStringList topLevel() const { return child_texts(tree()->invisibleRootItem()); }

    void typeScore(const QString& digits) {
        NumberBox* box = m_dialog->numberBox();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, digits);
    }

    void rightClick(const QTreeWidgetItem* item) {
        const QPoint at = tree()->visualItemRect(item).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree()->viewport(), &event);
    }

private Q_SLOTS:
    void cleanup() {
        m_dialog.reset();
        m_rect = WindowRect{};
    }

    void treeForTypedScores_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("top");
        QTest::newRow("170: one way") << "170" << QStringList{QStringLiteral("T20 - T20 - D25")};
        QTest::newRow("50: one line per first-dart value")
            << "50"
            << QStringList{QStringLiteral("D25"), QStringLiteral("S25 - S17 - D4 "),
                           QStringLiteral("S18 - D16"), QStringLiteral("S10 - D20")};
        QTest::newRow("159: no way") << "159" << QStringList{};
        QTest::newRow("2: one dart") << "2" << QStringList{QStringLiteral("D1 ")};
        QTest::newRow("301: above any finish, not clamped") << "301" << QStringList{};
        QTest::newRow("0: nothing") << "0" << QStringList{};
    }
    void treeForTypedScores() {
        QFETCH(QString, typed);
        QFETCH(QStringList, top);
        QVERIFY(open(101));
        QVERIFY(tree()->topLevelItemCount() > 0);
        typeScore(typed);
        QCOMPARE(m_dialog->numberBox()->text(), typed);
        QCOMPARE(m_dialog->score(), typed.toInt());
        QCOMPARE(topLevel(), top);
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            QVERIFY(tree()->topLevelItem(i)->isExpanded());
        }
    }

    void threeDartWayOpensTheWaysAfterItsFirstDart() {
        QVERIFY(open(170));
        QCOMPARE(m_dialog->numberBox()->text(), QStringLiteral("170"));
        const QTreeWidgetItem* top = tree()->topLevelItem(0);
        QCOMPARE(child_texts(top), expected_ways(m_table, 110, 60));
        QVERIFY(top->childCount() > 0);
        QVERIFY(!top->child(0)->isExpanded());

        typeScore(QStringLiteral("50"));
        const QTreeWidgetItem* two_darts = tree()->topLevelItem(2);
        QCOMPARE(two_darts->text(0), QStringLiteral("S18 - D16"));
        QCOMPARE(two_darts->childCount(), 0);
        QCOMPARE(child_texts(tree()->topLevelItem(1)), expected_ways(m_table, 25, 17));
    }

    void rightClickOffersTheScoreOfTheLineUnderThePointer() {
        QVERIFY(open(170));
        QTreeWidgetItem* top = tree()->topLevelItem(0);
        QTreeWidgetItem* child = top->child(0);
        tree()->setCurrentItem(top);
        rightClick(child);
        QMenu* menu = m_dialog->scoreMenu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().constFirst()->text(), QStringLiteral("&110"));
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(m_dialog->numberBox()->text(), QStringLiteral("110"));
        QCOMPARE(topLevel(), expected_ways(m_table, 110, 0));

        // The keyboard's menu key offers the selected line.
        tree()->setCurrentItem(tree()->topLevelItem(1));
        QContextMenuEvent key_request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                      tree()->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(tree(), &key_request);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().constFirst()->text(), QStringLiteral("&110"));
        menu->close();
    }

    void rightClickWithoutALineOffersNothing() {
        QVERIFY(open(159));
        const QPoint at(10, 10);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree()->viewport(), &event);
        QTest::qWait(20);
        QVERIFY(!m_dialog->scoreMenu()->isVisible());
        QCOMPARE(m_dialog->menuScore(at, true), std::nullopt);
    }

    void numberBoxTakesThreeDigitsAndTheArrowsStayWithinAFinish() {
        QVERIFY(open(301));
        NumberBox* box = m_dialog->numberBox();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QStringLiteral("7x"));
        QCOMPARE(box->text(), QStringLiteral("301"));
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(box->text(), QStringLiteral("180"));
        QVERIFY(topLevel().isEmpty());
        typeScore(QStringLiteral("1"));
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(box->text(), QStringLiteral("2"));
        QCOMPARE(topLevel(), QStringList{QStringLiteral("D1 ")});
    }

    void escapeAndCloseEndTheDialog() {
        QVERIFY(open(40));
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(open(40));
        QTest::keyClick(m_dialog.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!m_dialog->isVisible());
    }

    void rectangleIsRestoredKeptOnScreenAndRecorded() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        m_rect = WindowRect{area.left() + 30, area.top() + 40, 320, 360};
        // The owner is framed as the dialog will be: the stored rectangle is the outer one.
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        m_dialog = std::make_unique<DartOutShotsDialog>(60, m_table, m_rect, &owner);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        QCOMPARE(m_dialog->frameGeometry(), QRect(area.left() + 30, area.top() + 40, 320, 360));
        m_dialog->move(area.left() + 50, area.top() + 20);
        QTRY_COMPARE(m_rect.left, area.left() + 50);
        QCOMPARE(m_rect.top, area.top() + 20);
        m_dialog->resize(340, 380);
        QTRY_COMPARE(m_rect.width, m_dialog->frameGeometry().width());
        QCOMPARE(m_rect.height, m_dialog->frameGeometry().height());
        m_dialog.reset();
        owner.hide();

        m_rect = WindowRect{area.right() + 500, area.bottom() + 500, 300, 320};
        QVERIFY(open(60));
        QCOMPARE(m_dialog->frameGeometry().topLeft(),
                 QPoint(area.right() + 1 - 300, area.bottom() + 1 - 320));
        m_dialog.reset();

        m_rect = WindowRect{100, 100, -20, 400};
        QVERIFY(open(60));
        QCOMPARE(m_dialog->size(), QSize(300, 420));
    }
};

QTEST_MAIN(DartOutShotsDialogTest)
#include "dart_out_shots_dialog_test.moc"
