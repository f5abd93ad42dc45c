#include "dialogs/list_editor.h"
#include "dialogs/schedule_dialog.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "settings/options_load.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace dvk;

namespace {

GameOptions entry(int start_score) {
    GameOptions options;
    options.start_score = start_score;
    options.leg_limit = 1;
    options.schedule_entry = 1;
    options.p1_name = "Ann";
    options.p2_name = "Bob";
    return options;
}

QStringList row(const QTreeWidget* list, int index) {
    QStringList texts;
    for (int c = 0; c < list->columnCount(); ++c) {
        texts << list->topLevelItem(index)->text(c);
    }
    return texts;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ScheduleDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    AppOptions m_app;
    std::unique_ptr<DialogScript> m_script;
    std::unique_ptr<ScheduleDialog> m_dialog;

    QString settings_path() const { return m_folder.filePath(QStringLiteral("dvk.ini")); }

    ScheduleDialog* open(const ScheduleDialogSetup& setup = {}) {
        m_dialog = std::make_unique<ScheduleDialog>(m_app, settings_path().toStdString(), setup);
        m_dialog->show();
        return QTest::qWaitForWindowExposed(m_dialog.get()) ? m_dialog.get() : nullptr;
    }

    QAbstractButton* button(const char* name) const {
        return m_dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void init() {
        QVERIFY(m_folder.isValid());
        QFile::remove(settings_path());
        m_app = default_options({});
        m_script = std::make_unique<DialogScript>();
    }
    void cleanup() {
        m_dialog.reset();
        m_script.reset();
    }

    void rowsShowTheEntries() {
        GameOptions best_of = entry(501);
        best_of.max_leg = 5;
        best_of.p2_com = 1;
        best_of.p2_com_level = 4;
        GameOptions limited = entry(301);
        limited.best_of = 0;
        limited.round_limit = 1;
        limited.round = 10;
        m_app.schedule = {best_of, limited};
        ScheduleDialog* dialog = open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Schedule"));
        QCOMPARE(dialog->confirmButton()->text(), QStringLiteral("Game On"));
        const QTreeWidget* list = dialog->editor()->list();
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Start Score"));
        QCOMPARE(row(list, 0), (QStringList{"501", "", "Best of 5", "Ann", "COM (Lv.5)"}));
        QCOMPARE(row(list, 1), (QStringList{"301", "10", "3", "Ann", "Bob"}));
        QCOMPARE(list->topLevelItem(0)->textAlignment(2) & Qt::AlignRight, Qt::AlignRight);
        QCOMPARE(dialog->editor()->currentRow(), 0);
    }

    void modifyLocksThePlayedGames() {
        m_app.schedule = {entry(301), entry(401), entry(501), entry(601), entry(701)};
        ScheduleDialog* dialog = open({true, 3, std::nullopt});
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Modify Schedule"));
        QCOMPARE(dialog->confirmButton()->text(), QStringLiteral("OK"));
        ListEditor* editor = dialog->editor();
        const QColor grey = editor->palette().color(QPalette::Disabled, QPalette::Text);
        for (int r = 0; r < 5; ++r) {
            QCOMPARE(editor->list()->topLevelItem(r)->foreground(0).color() == grey, r < 3);
        }
        for (int r = 0; r < 3; ++r) {
            editor->selectRow(r);
            for (const char* name : {"up", "down", "edit", "delete"}) {
                QVERIFY2(!button(name)->isEnabled(), name);
            }
        }
        editor->list()->setFocus();
        QTest::keyClick(editor->list(), Qt::Key_Delete);
        QCOMPARE(MessageBoxes::shown(*m_script).size(), 0);
        editor->selectRow(3);
        QVERIFY(button("up")->isEnabled());
        QTest::mouseClick(button("up"), Qt::LeftButton);
        QCOMPARE(editor->currentRow(), 3);
        QCOMPARE(dialog->model().row(3).start_score, 601);
        editor->selectRow(4);
        QTest::mouseClick(button("up"), Qt::LeftButton);
        QCOMPARE(editor->currentRow(), 3);
        QCOMPARE(editor->list()->topLevelItem(3)->text(0), QStringLiteral("701"));
        QCOMPARE(dialog->model().row(3).start_score, 701);
    }

    void deletingEveryGameDisablesGameOn() {
        m_app.schedule = {entry(301), entry(501)};
        ScheduleDialog* dialog = open();
        QVERIFY(dialog);
        MessageBoxes::set_next_answers(
            *m_script,
            {MessageBoxes::Button::No, MessageBoxes::Button::Yes, MessageBoxes::Button::Yes});
        QTest::mouseClick(button("delete"), Qt::LeftButton);
        QCOMPARE(dialog->editor()->rowCount(), 2);
        QTest::mouseClick(button("delete"), Qt::LeftButton);
        QCOMPARE(dialog->editor()->currentRow(), 0);
        QVERIFY(dialog->confirmButton()->isEnabled());
        QTest::mouseClick(button("delete"), Qt::LeftButton);
        QCOMPARE(dialog->editor()->rowCount(), 0);
        QVERIFY(!dialog->confirmButton()->isEnabled());
        QVERIFY(!button("edit")->isEnabled());
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_app.schedule.size(), 2u);
    }

    void theGameToPlayAgainCannotBeDeletedAway() {
        m_app.schedule = {entry(301), entry(501)};
        ScheduleDialog* dialog = open({true, 1, 1});
        QVERIFY(dialog);
        dialog->editor()->selectRow(1);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        QTest::mouseClick(button("delete"), Qt::LeftButton);
        QCOMPARE(dialog->editor()->rowCount(), 1);
        QVERIFY(!dialog->confirmButton()->isEnabled());
    }

    void addAndEditGoThroughTheGameOptionDialog() {
        m_app.schedule = {entry(301)};
        m_app.game.start_score = 701;
        m_app.game.leg_limit = 0;
        ScheduleDialog* dialog = open();
        QVERIFY(dialog);
        m_script->push_answer(QStringLiteral("GameOptionDialog"),
                              QVariantMap{{QStringLiteral("p2_name"), QStringLiteral("Cid")}});
        QTest::mouseClick(button("add"), Qt::LeftButton);
        const auto added = m_script->calls_of(QStringLiteral("GameOptionDialog"));
        QCOMPARE(added.size(), 1);
        QCOMPARE(added[0].arguments.value(QStringLiteral("schedule_entry")).toInt(), 1);
        QCOMPARE(added[0].arguments.value(QStringLiteral("leg_limit")).toInt(), 1);
        QCOMPARE(added[0].arguments.value(QStringLiteral("start_score")).toInt(), 701);
        QCOMPARE(dialog->editor()->currentRow(), 1);
        QCOMPARE(dialog->model().row(1).p2_name, "Cid");

        m_script->push_answer(QStringLiteral("GameOptionDialog"), false);
        QTest::mouseClick(button("add"), Qt::LeftButton);
        QCOMPARE(dialog->editor()->rowCount(), 2);

        m_script->push_answer(QStringLiteral("GameOptionDialog"),
                              QVariantMap{{QStringLiteral("start_score"), 1001}});
        QTreeWidget* list = dialog->editor()->list();
        const QPoint second = list->visualItemRect(list->topLevelItem(1)).center();
        // A double click is the second click on the row the first one pressed.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second);
        QCOMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 3);
        QCOMPARE(dialog->model().row(1).start_score, 1001);
        QCOMPARE(dialog->editor()->list()->topLevelItem(1)->text(0), QStringLiteral("1001"));
        QCOMPARE(m_app.schedule.size(), 1u);
        dialog->accept();
        QCOMPARE(m_app.schedule.size(), 2u);
        QCOMPARE(m_app.schedule[1].start_score, 1001);
    }

    void saveOptionsWritesTheFileButNotTheSchedule() {
        m_app.schedule = {entry(301), entry(501)};
        ScheduleDialog* dialog = open();
        QVERIFY(dialog);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        QTest::mouseClick(button("delete"), Qt::LeftButton);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
        QTest::mouseClick(button("save_options"), Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(*m_script).last().text,
                 QStringLiteral("The present Option was saved."));
        dialog->reject();
        QCOMPARE(m_app.schedule.size(), 2u);
        const AppOptions saved =
            read_options(ProfileDocument::parse(read_file(settings_path()).toStdString()), {});
        QCOMPARE(saved.schedule.size(), 1u);
        QCOMPARE(saved.schedule[0].start_score, 501);
    }

    void aFailedSaveSaysWhy() {
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("dvk.ini")));
        ScheduleDialog* dialog = open();
        QVERIFY(dialog);
        QTest::mouseClick(button("save_options"), Qt::LeftButton);
        const auto shown = MessageBoxes::shown(*m_script);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, MessageBoxes::Icon::Error);
        QVERIFY(shown[0].text != QStringLiteral("The present Option was saved."));
        QVERIFY(!shown[0].text.isEmpty());
        QDir(m_folder.filePath(QStringLiteral("dvk.ini"))).removeRecursively();
    }

    void addStopsAtTheLimit() {
        m_app.schedule.assign(max_schedule_entries, entry(501));
        ScheduleDialog* dialog = open();
        QVERIFY(dialog);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
        QTest::mouseClick(button("add"), Qt::LeftButton);
        QCOMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 0);
        QCOMPARE(MessageBoxes::shown(*m_script).size(), 1);
        QCOMPARE(MessageBoxes::shown(*m_script)[0].icon, MessageBoxes::Icon::Warning);
    }
    // A long name is cut short in its column instead of pushing player 2 out of view, and a
    // right-aligned "Legs" text keeps clear of the name beside it.
    void longNamesKeepTheColumnsInView() {
        GameOptions long_names = entry(501);
        long_names.p1_name = std::string(60, 'W');
        long_names.p2_name = "Wolfeschlegelsteinhausenbergerdorff Junior";
        long_names.best_of = 1;
        long_names.max_leg = 11;
        m_app.schedule = {long_names, entry(301)};
        ScheduleDialog* dialog = open();
        QVERIFY(dialog);
        QTreeWidget* list = dialog->findChild<QTreeWidget*>(QStringLiteral("list"));
        QCOMPARE(row(list, 0).at(3), QString::fromStdString(long_names.p1_name));
        QCOMPARE(list->columnWidth(3), 120);
        QCOMPARE(list->columnWidth(4), 120);
        QCOMPARE(list->topLevelItem(0)->toolTip(3), row(list, 0).at(3));
        const QRect second_player = list->visualRect(list->model()->index(0, 4));
        QVERIFY(second_player.right() <= list->viewport()->width());

        const QFontMetrics metrics(list->font());
        const QString legs = row(list, 0).at(2);
        QVERIFY(list->columnWidth(2) >= metrics.horizontalAdvance(legs) + 6);
        // The text ends at least the margin before the cell's right edge: the cell's last
        // columns of pixels hold nothing but the background.
        const QRect cell = list->visualRect(list->model()->index(1, 2));
        const QImage shown = list->viewport()->grab().toImage();
        const QRgb background = shown.pixel(cell.right() - 1, cell.top() + 1);
        for (int x = cell.right() - 5; x <= cell.right(); ++x) {
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                QVERIFY2(shown.pixel(x, y) == background, qPrintable(QString::number(x)));
            }
        }
    }
};

QTEST_MAIN(ScheduleDialogTest)
#include "schedule_dialog_test.moc"
