#include "dialogs/hot_key_edit.h"
#include "dialogs/list_editor.h"
#include "dialogs/option_sheet.h"
#include "dialogs/plugin_key_dialog.h"
#include "dialogs/plugin_page.h"
#include "dialogs/select_plugin_dialog.h"
#include "platform/dialog_script.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "plugins/plugin_host.h"
#include "screen/score_edit.h"
#include "screen/score_list_wnd.h"
#include "shell/command_ids.h"
#include "shell/plugin_commands.h"
#include "shell/program.h"

#include "program_under_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <functional>
#include <memory>

using namespace dvk;

namespace {

QString test_plugin(const QString& name) {
    return QStringLiteral(DVK_TEST_PLUGIN_DIR "/") + name +
           (name == QLatin1String("trio") ? QStringLiteral(".so") : QStringLiteral(".dvk"));
}

QStringList column(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        texts << list->topLevelItem(i)->text(column);
    }
    return texts;
}

QStringList titles_of(const std::vector<PluginConfig>& plugins) {
    QStringList titles;
    for (const PluginConfig& plugin : plugins) {
        titles << QString::fromStdString(plugin.title);
    }
    return titles;
}

QStringList item_texts(const QMenu* menu) {
    QStringList texts;
    if (menu != nullptr) {
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
    }
    return texts;
}

} // namespace

class PluginPageTest : public QObject, private ProgramUnderTest {
    Q_OBJECT

private:
    AppOptions& options() { return m_program->options(); }
    PluginHost& host() { return window().plugins()->host(); }
    QString log_path() const { return m_folder.filePath(QStringLiteral("log.txt")); }
    QString settings_path() const { return m_folder.filePath(QStringLiteral("dvk.ini")); }

    QStringList log() const {
        QFile file(log_path());
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QByteArray settings_text() const {
        QFile file(settings_path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program with the trio's "First" (Ctrl+Shift+F) and "Second" configured; both
    // log into the folder.
    void start_with_trio() {
        const QString trio = test_plugin(QStringLiteral("trio"));
        put(QStringLiteral("dvk.ini"),
            QStringLiteral("[plugin]\r\ncount=2\r\n"
                           "title_0=\"First\"\r\nlib_file_path_0=\"%1\"\r\n"
                           "func_name_0=\"first\"\r\ncmd_line_0=\"%2\"\r\n"
                           "ctrl_0=12\r\nkey_0=70\r\n"
                           "title_1=\"Second\"\r\nlib_file_path_1=\"%1\"\r\n"
                           "func_name_1=\"second\"\r\ncmd_line_1=\"%2\"\r\n")
                .arg(trio, log_path())
                .toUtf8());
        start();
    }

    // Starts the program with `count` entries of the trio's "Third", which wants no event.
    void start_with_thirds(int count) {
        QString text = QStringLiteral("[plugin]\r\ncount=%1\r\n").arg(count);
        for (int i = 0; i < count; ++i) {
            text += QStringLiteral("title_%1=\"Third\"\r\nlib_file_path_%1=\"%2\"\r\n"
                                   "func_name_%1=\"third\"\r\n")
                        .arg(i)
                        .arg(test_plugin(QStringLiteral("trio")));
        }
        put(QStringLiteral("dvk.ini"), text.toUtf8());
        start();
    }

    void start() {
        ProgramUnderTest::start(QVariantMap{{QStringLiteral("p1_name"), QStringLiteral("Ann")},
                                            {QStringLiteral("p2_name"), QStringLiteral("Bob")}});
        QTRY_COMPARE(m_script->calls_of(QStringLiteral("GameOptionDialog")).size(), 1);
    }

    // Opens the Option dialog on the Plug-in page, lets `work` use it, and confirms the dialog
    // when `work` answers true.
    void on_plugin_page(const std::function<bool(PluginPage&)>& work) {
        bool worked = false;
        m_script->push_answer(QStringLiteral("OptionSheet"),
                              QVariant::fromValue(DialogDriver([&](QDialog& dialog) {
                                  auto& sheet = static_cast<OptionSheet&>(dialog);
                                  sheet.tabs()->setCurrentIndex(3);
                                  auto* page = qobject_cast<PluginPage*>(sheet.page(3));
                                  worked = page != nullptr;
                                  return worked && work(*page);
                              })));
        window().runCommand(command::option);
        QVERIFY(worked);
    }

    static void click(QAbstractButton* button) {
        QVERIFY(button != nullptr);
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static QAbstractButton* button(PluginPage& page, const char* name) {
        return page.findChild<QAbstractButton*>(QString::fromLatin1(name));
    }

    void ctrl_shift_f() {
        QTest::keyClick(window().scoreList()->edit(), Qt::Key_F,
                        Qt::ControlModifier | Qt::ShiftModifier);
    }

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { finish(); }

    // The settings keep 256 entries: a library added to a full list adds what still fits and
    // says so, instead of saving entries that the next start would drop.
    void addingStopsAtTheEntriesTheSettingsKeep() {
        start_with_thirds(255);
        QCOMPARE(options().plugins.size(), 255U);
        on_plugin_page([&](PluginPage& page) {
            m_script->push_answer(QString::fromLatin1(FileDialogs::open_dialog_name),
                                  test_plugin(QStringLiteral("trio")));
            m_script->push_answer(QStringLiteral("SelectPluginDialog"),
                                  QVariant::fromValue(DialogDriver([](QDialog&) { return true; })));
            MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
            click(button(page, "add"));
            [&] { QCOMPARE(page.editor()->rowCount(), 256); }();
            return true;
        });
        QCOMPARE(options().plugins.size(), 256U);
        QCOMPARE(QString::fromStdString(options().plugins.back().func_name),
                 QStringLiteral("first"));
        const auto boxes = MessageBoxes::shown(*m_script);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].text.contains(QStringLiteral("256")) &&
                     boxes[0].text.contains(QStringLiteral("2 of them")),
                 qPrintable(boxes[0].text));
    }

    void thePageListsTheEntriesAndEnablesRowButtonsOnlyForARow() {
        start_with_trio();
        on_plugin_page([&](PluginPage& page) {
            const QTreeWidget* list = page.editor()->list();
            [&] {
                QCOMPARE(list->headerItem()->text(0), QStringLiteral("Title"));
                QCOMPARE(list->headerItem()->text(1), QStringLiteral("DLL"));
                QCOMPARE(list->headerItem()->text(2), QStringLiteral("Function"));
                QCOMPARE(list->headerItem()->text(3), QStringLiteral("Key"));
                QCOMPARE(column(list, 0),
                         (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
                QCOMPARE(column(list, 1), QStringList(2, test_plugin(QStringLiteral("trio"))));
                QCOMPARE(column(list, 2),
                         (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
                QCOMPARE(column(list, 3),
                         (QStringList{QStringLiteral("Ctrl+Shift+F"), QStringLiteral("Nothing")}));
                QCOMPARE(page.editor()->currentRow(), 0);
                for (const char* name : {"up", "down", "property", "key", "delete", "add"}) {
                    QVERIFY2(button(page, name)->isEnabled(), name);
                }
                page.editor()->selectRow(-1);
                for (const char* name : {"up", "down", "property", "key", "delete"}) {
                    QVERIFY2(!button(page, name)->isEnabled(), name);
                }
                QVERIFY(button(page, "add")->isEnabled());
            }();
            return false;
        });
    }

    void addedFunctionsBecomeRowsAndEntriesOnOk_data() {
        QTest::addColumn<QList<int>>("deselected");
        QTest::addColumn<QStringList>("added");
        QTest::newRow("all three") << QList<int>{}
                                   << QStringList{QStringLiteral("First"), QStringLiteral("Second"),
                                                  QStringLiteral("Third")};
        QTest::newRow("second left out")
            << QList<int>{1} << QStringList{QStringLiteral("First"), QStringLiteral("Third")};
        QTest::newRow("none selected") << QList<int>{0, 1, 2} << QStringList{};
    }
    void addedFunctionsBecomeRowsAndEntriesOnOk() {
        QFETCH(QList<int>, deselected);
        QFETCH(QStringList, added);
        start();
        const QString trio = test_plugin(QStringLiteral("trio"));
        on_plugin_page([&](PluginPage& page) {
            m_script->push_answer(QString::fromLatin1(FileDialogs::open_dialog_name), trio);
            m_script->push_answer(
                QStringLiteral("SelectPluginDialog"),
                QVariant::fromValue(DialogDriver([&](QDialog& dialog) {
                    QListWidget* list = static_cast<SelectPluginDialog&>(dialog).list();
                    [&] {
                        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Plug-in"));
                        QCOMPARE(list->count(), 3);
                        QCOMPARE(list->selectedItems().size(), 3);
                        QCOMPARE(list->item(2)->text(), QStringLiteral("Third"));
                    }();
                    for (const int row : deselected) {
                        list->item(row)->setSelected(false);
                    }
                    return true;
                })));
            click(button(page, "add"));
            [&] {
                QCOMPARE(page.editor()->rowCount(), added.size());
                QCOMPARE(column(page.editor()->list(), 0), added);
                QCOMPARE(column(page.editor()->list(), 3), QStringList(added.size(), "Nothing"));
            }();
            return true;
        });
        const auto opened = m_script->calls_of(QString::fromLatin1(FileDialogs::open_dialog_name));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].arguments.value(QStringLiteral("title")).toString(),
                 QStringLiteral("Select Plug-in File"));
        const QString filter = opened[0].arguments.value(QStringLiteral("filter")).toString();
        QVERIFY2(filter.contains(QStringLiteral("*.dvk")) &&
                     filter.contains(QStringLiteral("*.so")),
                 qPrintable(filter));

        QCOMPARE(titles_of(options().plugins), added);
        for (std::size_t i = 0; i < options().plugins.size(); ++i) {
            const PluginConfig& entry = options().plugins[i];
            QCOMPARE(QString::fromStdString(entry.lib_file_path), trio);
            QCOMPARE(QString::fromStdString(entry.func_name), added[int(i)].toLower());
            QCOMPARE(QString::fromStdString(entry.cmd_line), added[int(i)].toLower());
            QCOMPARE(entry.key, 0);
            QVERIFY(host().is_loaded(i));
        }
        // Only "First" wants the menu event.
        QCOMPARE(item_texts(window().plugins()->toolsMenu()),
                 added.contains(QStringLiteral("First")) ? QStringList{QStringLiteral("First")}
                                                         : QStringList{});
        const QByteArray saved = settings_text();
        for (int i = 0; i < added.size(); ++i) {
            QVERIFY(saved.contains(
                QStringLiteral("func_name_%1=\"%2\"").arg(i).arg(added[i].toLower()).toUtf8()));
        }
        QVERIFY(!saved.contains(QStringLiteral("func_name_%1=").arg(added.size()).toUtf8()));
    }

    void movingAndAKeyAreAppliedAndTheLibraryIsKept() {
        start_with_trio();
        ctrl_shift_f();
        QCOMPARE(log(), QStringList{QStringLiteral("first e=4 reserved=0")});
        on_plugin_page([&](PluginPage& page) {
            click(button(page, "down"));
            [&] { QCOMPARE(page.editor()->currentRow(), 1); }();
            m_script->push_answer(
                QStringLiteral("PluginKeyDialog"),
                QVariant::fromValue(DialogDriver([](QDialog& dialog) {
                    HotKeyEdit* field = static_cast<PluginKeyDialog&>(dialog).keyField();
                    QTest::keyClick(field, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
                    return true;
                })));
            click(button(page, "key"));
            [&] {
                QCOMPARE(column(page.editor()->list(), 3),
                         (QStringList{QStringLiteral("Nothing"), QStringLiteral("Ctrl+Shift+G")}));
            }();
            return true;
        });
        const auto asked = m_script->calls_of(QStringLiteral("PluginKeyDialog"));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].arguments.value(QStringLiteral("modifiers")).toInt(), 12);
        QCOMPARE(asked[0].arguments.value(QStringLiteral("key")).toInt(), 'F');

        QCOMPARE(titles_of(options().plugins),
                 (QStringList{QStringLiteral("Second"), QStringLiteral("First")}));
        QCOMPARE(options().plugins[1].modifiers, 12);
        QCOMPARE(options().plugins[1].key, 'G');
        QVERIFY(settings_text().contains("ctrl_1=12"));
        QVERIFY(settings_text().contains("key_1=71"));
        // The old key is gone, the new one calls the function in its loaded library, which
        // kept its block (the counter goes on) and its place in the Tools menu.
        ctrl_shift_f();
        QTest::keyClick(window().scoreList()->edit(), Qt::Key_G,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(log(), (QStringList{QStringLiteral("first e=4 reserved=0"),
                                     QStringLiteral("first e=4 reserved=1")}));
        QCOMPARE(item_texts(window().plugins()->toolsMenu()),
                 QStringList{QStringLiteral("First\tCtrl+Shift+G")});
        QCOMPARE(window().plugins()->toolsMenu()->actions().first()->data().toInt(),
                 command::tools_first + 1);
    }

    // A row's check box turns its function off (kept in the list and the settings, not loaded)
    // and on again; a cancelled sheet changes nothing.
    void aRowTurnedOffStaysInTheListUnloaded() {
        start_with_trio();
        const auto set_first = [&](Qt::CheckState state, bool confirm) {
            on_plugin_page([&](PluginPage& page) {
                QTreeWidgetItem* first = page.editor()->list()->topLevelItem(0);
                first->setCheckState(0, state);
                return confirm;
            });
        };
        set_first(Qt::Unchecked, false);
        QVERIFY(options().plugins[0].enabled);
        QVERIFY(window().plugins()->host().is_loaded(0));

        set_first(Qt::Unchecked, true);
        QCOMPARE(titles_of(options().plugins),
                 (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
        QVERIFY(!options().plugins[0].enabled);
        QVERIFY(!window().plugins()->host().is_loaded(0));
        QVERIFY(window().plugins()->toolsMenu() == nullptr);
        QVERIFY(settings_text().contains("enabled_0=0"));
        ctrl_shift_f();
        QVERIFY(log().isEmpty());

        on_plugin_page([&](PluginPage& page) {
            const QTreeWidget* list = page.editor()->list();
            [&] {
                QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
                QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
            }();
            list->topLevelItem(0)->setCheckState(0, Qt::Checked);
            return true;
        });
        QVERIFY(window().plugins()->host().is_loaded(0));
        QVERIFY(!settings_text().contains("enabled_0"));
        ctrl_shift_f();
        QCOMPARE(log(), QStringList{QStringLiteral("first e=4 reserved=0")});
    }

    void aDeletedRowGoesOnlyWhenTheSheetIsConfirmed() {
        start_with_trio();
        on_plugin_page([&](PluginPage& page) {
            MessageBoxes::set_next_answers(*m_script,
                                           {MessageBoxes::Button::No, MessageBoxes::Button::Yes});
            click(button(page, "delete"));
            [&] {
                QCOMPARE(page.editor()->rowCount(), 2);
                QCOMPARE(MessageBoxes::shown(*m_script).last().text,
                         QStringLiteral("Are you sure you want to delete this item?"));
                QCOMPARE(MessageBoxes::shown(*m_script).last().icon, MessageBoxes::Icon::Question);
            }();
            page.editor()->list()->setFocus();
            QTest::keyClick(page.editor()->list(), Qt::Key_Delete);
            [&] {
                QCOMPARE(column(page.editor()->list(), 0), QStringList{QStringLiteral("Second")});
                QCOMPARE(page.editor()->currentRow(), 0);
            }();
            return false;
        });
        QCOMPARE(titles_of(options().plugins),
                 (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
        QVERIFY(host().is_loaded(0));
        QVERIFY(!QFile::exists(settings_path()) || settings_text().contains("title_0=\"First\""));
        ctrl_shift_f();
        QCOMPARE(log(), QStringList{QStringLiteral("first e=4 reserved=0")});

        on_plugin_page([&](PluginPage& page) {
            MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
            click(button(page, "delete"));
            return true;
        });
        QCOMPARE(titles_of(options().plugins), QStringList{QStringLiteral("Second")});
        QVERIFY(window().plugins()->toolsMenu() == nullptr);
        QVERIFY(settings_text().contains("[plugin]\r\ncount=1\r\n"));
        ctrl_shift_f();
        QCOMPARE(log().size(), 1);
    }

    void propertyRunsTheFunctionsSettings_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("double_click");
        QTest::addColumn<QString>("cmd_line");
        QTest::addColumn<QString>("warning");
        QTest::newRow("settings shown") << 0 << false << QStringLiteral("%1 set") << QString();
        QTest::newRow("double click") << 0 << true << QStringLiteral("%1 set") << QString();
        QTest::newRow("no settings")
            << 1 << false << QStringLiteral("%1")
            << QStringLiteral("This Item has no options that you can set.");
    }
    void propertyRunsTheFunctionsSettings() {
        QFETCH(int, row);
        QFETCH(bool, double_click);
        QFETCH(QString, cmd_line);
        QFETCH(QString, warning);
        start_with_trio();
        on_plugin_page([&](PluginPage& page) {
            page.editor()->selectRow(row);
            MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
            if (double_click) {
                QTreeWidget* list = page.editor()->list();
                QRect cell;
                [&] {
                    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
                    QTRY_VERIFY((cell = list->visualItemRect(list->topLevelItem(row))).isValid());
                }();
                // A double click is the second click on the row the first one pressed.
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
            } else {
                click(button(page, "property"));
            }
            return true;
        });
        const auto boxes = MessageBoxes::shown(*m_script);
        QCOMPARE(boxes.isEmpty() ? QString() : boxes.last().text, warning);
        QCOMPARE(QString::fromStdString(options().plugins[std::size_t(row)].cmd_line),
                 cmd_line.arg(log_path()));
    }

    void aFileThatIsNoPluginIsToldWithItsPathAsCaption_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a library") << QStringLiteral("text");
        QTest::newRow("no get_plugin_info") << QStringLiteral("no_info");
        QTest::newRow("path too long") << QStringLiteral("long");
    }
    void aFileThatIsNoPluginIsToldWithItsPathAsCaption() {
        QFETCH(QString, kind);
        QString file = test_plugin(QStringLiteral("no_info"));
        if (kind == QLatin1String("text")) {
            file = m_folder.filePath(QStringLiteral("text.dvk"));
            QFile text(file);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("not a library");
        } else if (kind == QLatin1String("long")) {
            file = m_folder.filePath(QString(250, u'd') + QStringLiteral(".dvk"));
        }
        start();
        on_plugin_page([&](PluginPage& page) {
            m_script->push_answer(QString::fromLatin1(FileDialogs::open_dialog_name), file);
            click(button(page, "add"));
            return true;
        });
        const auto boxes = MessageBoxes::shown(*m_script);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].icon, MessageBoxes::Icon::Error);
        QCOMPARE(boxes[0].caption, file);
        QVERIFY(!boxes[0].text.isEmpty());
        QVERIFY(m_script->calls_of(QStringLiteral("SelectPluginDialog")).isEmpty());
        QVERIFY(options().plugins.empty());
    }

    void droppedFilesAreAddedInTurnUntilOneIsCancelled() {
        start();
        on_plugin_page([&](PluginPage& page) {
            MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
            m_script->push_answer(QStringLiteral("SelectPluginDialog"), true);
            m_script->push_answer(QStringLiteral("SelectPluginDialog"), false);
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(test_plugin(QStringLiteral("recorder"))),
                          QUrl::fromLocalFile(test_plugin(QStringLiteral("no_info"))),
                          QUrl::fromLocalFile(test_plugin(QStringLiteral("trio"))),
                          QUrl::fromLocalFile(test_plugin(QStringLiteral("vetoer")))});
            const QPoint centre = page.rect().center();
            QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&page, &enter);
            QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&page, &drop);
            [&] {
                QVERIFY(enter.isAccepted());
                QVERIFY(drop.isAccepted());
                QTRY_COMPARE(m_script->calls_of(QStringLiteral("SelectPluginDialog")).size(), 2);
                QCOMPARE(column(page.editor()->list(), 0), QStringList{QStringLiteral("Recorder")});
            }();
            return true;
        });
        const auto asked = m_script->calls_of(QStringLiteral("SelectPluginDialog"));
        QCOMPARE(asked[1].arguments.value(QStringLiteral("path")).toString(),
                 test_plugin(QStringLiteral("trio")));
        QCOMPARE(MessageBoxes::shown(*m_script).size(), 1); // no_info told, then on to the trio
        QCOMPARE(titles_of(options().plugins), QStringList{QStringLiteral("Recorder")});
    }

    void aScoreEntryKeyIsBoundOnlyWhenConfirmed() {
        PluginKeyDialog dialog({}, QStringLiteral("First"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.keyField(), Qt::Key_5);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::No});
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(MessageBoxes::shown(*m_script).size(), 1);
        QVERIFY(MessageBoxes::shown(*m_script)[0].text.contains(QStringLiteral("\"First\"")));
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.key(), (PluginKey{0, '5'}));
    }
};

QTEST_MAIN(PluginPageTest)
#include "plugin_page_test.moc"
