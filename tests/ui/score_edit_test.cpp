#include "screen/score_edit.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventList>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace dvk {
namespace {

// Turns a key script into key clicks. E/H End/Home, [ Shift+Home, < Left, { Shift+Left,
// B Backspace, D Delete, I Insert, ^ Ctrl+A, U Ctrl+Z, R Ctrl+Y, Y Ctrl+Shift+Z, C Ctrl+C,
// K Ctrl+Insert, X Ctrl+X, S Shift+Delete, V Ctrl+V, P Shift+Insert; anything else is typed.
QTestEventList keys(const char* script) {
    using Press = std::pair<Qt::Key, Qt::KeyboardModifiers>;
    static const std::map<char, Press> named{
        {'E', {Qt::Key_End, Qt::NoModifier}},
        {'H', {Qt::Key_Home, Qt::NoModifier}},
        {'[', {Qt::Key_Home, Qt::ShiftModifier}},
        {'<', {Qt::Key_Left, Qt::NoModifier}},
        {'{', {Qt::Key_Left, Qt::ShiftModifier}},
        {'B', {Qt::Key_Backspace, Qt::NoModifier}},
        {'D', {Qt::Key_Delete, Qt::NoModifier}},
        {'I', {Qt::Key_Insert, Qt::NoModifier}},
        {'^', {Qt::Key_A, Qt::ControlModifier}},
        {'U', {Qt::Key_Z, Qt::ControlModifier}},
        {'R', {Qt::Key_Y, Qt::ControlModifier}},
        {'Y', {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}},
        {'C', {Qt::Key_C, Qt::ControlModifier}},
        {'K', {Qt::Key_Insert, Qt::ControlModifier}},
        {'X', {Qt::Key_X, Qt::ControlModifier}},
        {'S', {Qt::Key_Delete, Qt::ShiftModifier}},
        {'V', {Qt::Key_V, Qt::ControlModifier}},
        {'P', {Qt::Key_Insert, Qt::ShiftModifier}},
    };
    QTestEventList events;
    for (const char* c = script; *c != '\0'; ++c) {
        const auto found = named.find(*c);
        if (found != named.end()) {
            events.addKeyClick(found->second.first, found->second.second);
        } else {
            events.addKeyClicks(QString(QLatin1Char(*c)));
        }
    }
    return events;
}

// Stands in for the score list: holds the control and records the keys it leaves to its parent.
class Host : public QWidget {
public:
    Host() {
        resize(300, 120);
        edit.setGeometry(0, 0, 150, 64);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(44);
        edit.setScoreFont(font);
        edit.setMaxLength(3);
    }

    ScoreEdit edit{this};
    QList<int> keys;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            keys.append(static_cast<QKeyEvent*>(event)->key());
            return true;
        }
        return QWidget::event(event);
    }
};

bool is_dark(QRgb pixel) {
    return qGray(pixel) < 100;
}

// The first and the last column of the image that hold a matching pixel.
std::pair<int, int> columns_where(const QImage& image, const std::function<bool(QRgb)>& match) {
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (match(image.pixel(x, y))) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

class ScoreEditTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void keysEditTheText_data();
    void keysEditTheText();
    void leftAtStartAndRightAtEndReachTheEdges();
    void modifierKeysAreAnnounced();
    void keysTheControlDoesNotUseGoToTheParent();
    void clickPlacesCaretAtNearestBoundary_data();
    void clickPlacesCaretAtNearestBoundary();
    void mouseSelects();
    void rightClickInsideSelectionKeepsIt();
    void clipboardCarriesDigitsOnly_data();
    void clipboardCarriesDigitsOnly();
    void readOnlyRefusesEveryEdit();
    void tonCircleOnlyAroundTons_data();
    void tonCircleOnlyAroundTons();
    void textIsCentredAndSelectionHighlighted();

private:
    QPoint at_fraction(double fraction) const;
    std::unique_ptr<Host> m_host;
    ScoreEdit* m_edit = nullptr;
};

void ScoreEditTest::init() {
    m_host = std::make_unique<Host>();
    m_edit = &m_host->edit;
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    m_edit->setFocus();
}

void ScoreEditTest::cleanup() {
    m_host.reset();
}

QPoint ScoreEditTest::at_fraction(double fraction) const {
    return {static_cast<int>(m_edit->width() * fraction), m_edit->height() / 2};
}

void ScoreEditTest::keysEditTheText_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("modified");
    // clang-format off
    QTest::newRow("a fourth digit passes the limit")   << "" <<    keys("1805")  << "180" << true;
    QTest::newRow("typing replaces the selection")     << "180" << keys("^5")    << "5"   << true;
    QTest::newRow("letters are refused")               << "" <<    keys("1a2b")  << "12"  << true;
    QTest::newRow("overwrite replaces the next digit") << "140" << keys("I9")    << "940" << true;
    QTest::newRow("overwrite undone once")             << "140" << keys("I9U")   << "40"  << true;
    QTest::newRow("overwrite undone twice")            << "140" << keys("I9UU")  << "140" << false;
    QTest::newRow("three backspaces undone at once")   << "123" << keys("EBBBU") << "123" << false;
    QTest::newRow("Ctrl+Y redoes")                     << "" <<    keys("123UR") << "123" << true;
    QTest::newRow("Ctrl+Shift+Z redoes")               << "" <<    keys("123UY") << "123" << true;
    QTest::newRow("a caret move splits the undo")      << "" <<    keys("12<3U") << "12"  << true;
    QTest::newRow("Shift+Left selects a digit")        << "180" << keys("E{5")   << "185" << true;
    QTest::newRow("Shift+Home then Delete empties")    << "140" << keys("E[D")   << ""    << true;
    QTest::newRow("Backspace at the start")            << "14" <<  keys("B")     << "14"  << false;
    // clang-format on
    QTestEventList keypad;
    keypad.addKeyClick(Qt::Key_6, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_5, Qt::ControlModifier);
    QTest::newRow("keypad digits type, Ctrl+digit does not") << "" << keypad << "6" << true;
}

void ScoreEditTest::keysEditTheText() {
    QFETCH(QString, start);
    QFETCH(QTestEventList, events);
    QFETCH(QString, expected);
    QFETCH(bool, modified);

    m_edit->setText(start);
    events.simulate(m_edit);
    QCOMPARE(m_edit->text(), expected);
    QCOMPARE(m_edit->isModified(), modified);
}

void ScoreEditTest::leftAtStartAndRightAtEndReachTheEdges() {
    QSignalSpy left(m_edit, &ScoreEdit::leftEdge);
    QSignalSpy right(m_edit, &ScoreEdit::rightEdge);
    m_edit->setText(QStringLiteral("14"));

    QTest::keyClick(m_edit, Qt::Key_Left);
    QCOMPARE(left.count(), 1);
    QTest::keyClick(m_edit, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(left.count(), 1);

    QTest::keyClick(m_edit, Qt::Key_End);
    QTest::keyClick(m_edit, Qt::Key_Right);
    QCOMPARE(right.count(), 1);

    // With a selection the first press only collapses it.
    QTest::keyClick(m_edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_edit, Qt::Key_Left);
    QCOMPARE(left.count(), 1);
    QTest::keyClick(m_edit, Qt::Key_Left);
    QCOMPARE(left.count(), 2);
    QCOMPARE(right.count(), 1);
    QCOMPARE(m_edit->text(), QStringLiteral("14"));
    QVERIFY(!m_edit->isModified());
}

void ScoreEditTest::modifierKeysAreAnnounced() {
    QSignalSpy modifiers(m_edit, &ScoreEdit::modifierKeyPressed);
    QTest::keyClick(m_edit, Qt::Key_Shift);
    QTest::keyClick(m_edit, Qt::Key_Control);
    QTest::keyClick(m_edit, Qt::Key_Alt);
    QTest::keyClick(m_edit, Qt::Key_5);
    QCOMPARE(modifiers.count(), 3);
    QVERIFY(m_host->keys.isEmpty());
}

void ScoreEditTest::keysTheControlDoesNotUseGoToTheParent() {
    m_edit->setText(QStringLiteral("14"));
    const QList<int> keys{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                          Qt::Key_Escape, Qt::Key_Up,    Qt::Key_Down};
    for (const int key : keys) {
        QTest::keyClick(m_edit, static_cast<Qt::Key>(key));
    }
    QTest::keyClick(m_edit, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(m_host->keys.mid(0, keys.size()), keys);
    QCOMPARE(m_host->keys.size(), keys.size() + 1);
    QVERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->text(), QStringLiteral("14"));
}

void ScoreEditTest::clickPlacesCaretAtNearestBoundary_data() {
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("expected");
    QTest::newRow("left of the text") << 0.02 << "914";
    QTest::newRow("between the digits") << 0.5 << "194";
    QTest::newRow("right of the text") << 0.98 << "149";
    QTest::newRow("left half of the first digit") << 0.38 << "914";
    QTest::newRow("right half of the last digit") << 0.62 << "149";
}

void ScoreEditTest::clickPlacesCaretAtNearestBoundary() {
    QFETCH(double, fraction);
    QFETCH(QString, expected);
    m_edit->setText(QStringLiteral("14"));
    QTest::mouseClick(m_edit, Qt::LeftButton, Qt::NoModifier, at_fraction(fraction));
    QTest::keyClicks(m_edit, QStringLiteral("9"));
    QCOMPARE(m_edit->text(), expected);
}

void ScoreEditTest::mouseSelects() {
    m_edit->setText(QStringLiteral("140"));
    QTest::mouseClick(m_edit, Qt::LeftButton, Qt::NoModifier, at_fraction(0.02));
    QTest::mouseClick(m_edit, Qt::LeftButton, Qt::ShiftModifier, at_fraction(0.55));
    QTest::keyClicks(m_edit, QStringLiteral("7"));
    QCOMPARE(m_edit->text(), QStringLiteral("70"));

    m_edit->setText(QStringLiteral("140"));
    QTest::mousePress(m_edit, Qt::LeftButton, Qt::NoModifier, at_fraction(0.98));
    QTest::mouseMove(m_edit, at_fraction(0.3));
    QTest::mouseRelease(m_edit, Qt::LeftButton, Qt::NoModifier, at_fraction(0.3));
    QTest::keyClicks(m_edit, QStringLiteral("5"));
    QCOMPARE(m_edit->text(), QStringLiteral("5"));

    m_edit->setText(QStringLiteral("140"));
    QTest::mouseDClick(m_edit, Qt::LeftButton, Qt::NoModifier, at_fraction(0.5));
    QTest::keyClicks(m_edit, QStringLiteral("6"));
    QCOMPARE(m_edit->text(), QStringLiteral("6"));
}

void ScoreEditTest::rightClickInsideSelectionKeepsIt() {
    m_edit->setMaxLength(0);
    m_edit->setText(QStringLiteral("140"));
    keys("E{{").simulate(m_edit);
    QTest::mouseClick(m_edit, Qt::RightButton, Qt::NoModifier, at_fraction(0.5));
    QTest::keyClicks(m_edit, QStringLiteral("5"));
    QCOMPARE(m_edit->text(), QStringLiteral("15"));

    QTest::keyClick(m_edit, Qt::Key_Home);
    QTest::keyClick(m_edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::mouseClick(m_edit, Qt::RightButton, Qt::NoModifier, at_fraction(0.98));
    QTest::keyClicks(m_edit, QStringLiteral("9"));
    QCOMPARE(m_edit->text(), QStringLiteral("159"));
}

void ScoreEditTest::clipboardCarriesDigitsOnly_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("clipboard_after");
    // clang-format off
    QTest::newRow("Ctrl+C copies the selection")    << "old" << "140" << keys("^C") << "140" << "140";
    QTest::newRow("Ctrl+Insert copies")             << "old" << "140" << keys("^K") << "140" << "140";
    QTest::newRow("Ctrl+X cuts")                    << "old" << "140" << keys("^X") << ""    << "140";
    QTest::newRow("Shift+Delete cuts")              << "old" << "140" << keys("^S") << ""    << "140";
    QTest::newRow("no selection, nothing copied")   << "old" << "140" << keys("EC") << "140" << "old";
    QTest::newRow("Ctrl+V pastes digits")           << "45"  << "1"   << keys("EV") << "145" << "45";
    QTest::newRow("Shift+Insert pastes")            << "45"  << "1"   << keys("EP") << "145" << "45";
    QTest::newRow("a letter rejects the paste")     << "4a"  << "1"   << keys("EV") << "1"   << "4a";
    QTest::newRow("a line break rejects the paste") << "4\n" << "1"  << keys("EV") << "1"   << "4\n";
    QTest::newRow("a paste past the limit")         << "456" << "1"   << keys("EV") << "1"   << "456";
    // clang-format on
}

void ScoreEditTest::clipboardCarriesDigitsOnly() {
    QFETCH(QString, clipboard);
    QFETCH(QString, start);
    QFETCH(QTestEventList, events);
    QFETCH(QString, expected);
    QFETCH(QString, clipboard_after);
    QGuiApplication::clipboard()->setText(clipboard);
    m_edit->setText(start);
    events.simulate(m_edit);
    QCOMPARE(m_edit->text(), expected);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard_after);
}

void ScoreEditTest::readOnlyRefusesEveryEdit() {
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    m_edit->setText(QStringLiteral("140"));
    m_edit->setReadOnly(true);
    keys("E5BHDV^XU").simulate(m_edit);
    QCOMPARE(m_edit->text(), QStringLiteral("140"));
    QVERIFY(!m_edit->isModified());
    keys("C").simulate(m_edit);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("140"));
}

void ScoreEditTest::tonCircleOnlyAroundTons_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("circled");
    QTest::newRow("100") << "100" << true << true;
    QTest::newRow("099") << "099" << true << false;
    QTest::newRow("99") << "99" << true << false;
    QTest::newRow("180 with the circle switched off") << "180" << false << false;
}

void ScoreEditTest::tonCircleOnlyAroundTons() {
    QFETCH(QString, text);
    QFETCH(bool, shown);
    QFETCH(bool, circled);
    m_edit->setTonCircleShown(shown);
    m_edit->setText(text);
    const QImage image = m_edit->grab().toImage();
    const QColor background = ScoreEditColors{}.background;
    // The circle touches the middle of the left edge.
    const QColor edge = image.pixelColor(1, image.height() / 2);
    QCOMPARE(edge != background, circled);
}

void ScoreEditTest::textIsCentredAndSelectionHighlighted() {
    const QString png = QDir::tempPath() + QStringLiteral("/score_edit_%1.png");
    m_edit->setText(QString());
    QVERIFY(m_edit->grab().save(png.arg(QStringLiteral("empty"))));
    m_edit->setText(QStringLiteral("140"));
    QTest::keyClick(m_edit, Qt::Key_End);
    QVERIFY(m_edit->grab().save(png.arg(QStringLiteral("140"))));

    m_edit->clearFocus();
    const auto [first, last] = columns_where(m_edit->grab().toImage(), is_dark);
    QVERIFY2(std::abs(first - (m_edit->width() - 1 - last)) <= 3, "text is not centred");

    m_edit->setFocus();
    keys("{{").simulate(m_edit);
    const QImage selected = m_edit->grab().toImage();
    QVERIFY(selected.save(png.arg(QStringLiteral("selection"))));
    const QRgb highlight = ScoreEditColors{}.select_background.rgb();
    const auto [from, to] = columns_where(selected, [&](QRgb p) { return p == highlight; });
    // "40" is highlighted, "1" is not.
    QVERIFY(from > first + 10);
    QVERIFY(std::abs(to - last) <= 3);

    QTest::keyClick(m_edit, Qt::Key_Insert);
    QTest::keyClick(m_edit, Qt::Key_Home);
    QVERIFY(m_edit->grab().save(png.arg(QStringLiteral("overwrite"))));
}

} // namespace dvk

QTEST_MAIN(dvk::ScoreEditTest)
#include "score_edit_test.moc"
