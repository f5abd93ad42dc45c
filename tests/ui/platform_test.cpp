#include "platform/desktop_shortcut.h"
#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/key_codes.h"
#include "platform/local_time.h"
#include "platform/message_boxes.h"
#include "platform/system_services.h"
#include "scoped_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace dvk;

class PlatformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void virtualKeyMapsToQtKeyAndBack_data() {
        QTest::addColumn<int>("virtual_key");
        QTest::addColumn<QKeyCombination>("qt_key");
        QTest::newRow("A") << 0x41 << QKeyCombination(Qt::Key_A);
        QTest::newRow("Z") << 0x5A << QKeyCombination(Qt::Key_Z);
        QTest::newRow("digit 1") << 0x31 << QKeyCombination(Qt::Key_1);
        QTest::newRow("F1") << 0x70 << QKeyCombination(Qt::Key_F1);
        QTest::newRow("F12") << 0x7B << QKeyCombination(Qt::Key_F12);
        QTest::newRow("F24") << 0x87 << QKeyCombination(Qt::Key_F24);
        QTest::newRow("Enter") << 0x0D << QKeyCombination(Qt::Key_Return);
        QTest::newRow("Page Up") << 0x21 << QKeyCombination(Qt::Key_PageUp);
        QTest::newRow("Delete") << 0x2E << QKeyCombination(Qt::Key_Delete);
        QTest::newRow("keypad 0") << 0x60 << QKeyCombination(Qt::KeypadModifier, Qt::Key_0);
        QTest::newRow("keypad +") << 0x6B << QKeyCombination(Qt::KeypadModifier, Qt::Key_Plus);
        QTest::newRow("keypad .") << 0x6E << QKeyCombination(Qt::KeypadModifier, Qt::Key_Period);
        QTest::newRow("OEM ;") << 0xBA << QKeyCombination(Qt::Key_Semicolon);
        QTest::newRow("OEM '") << 0xDE << QKeyCombination(Qt::Key_Apostrophe);
    }
    void virtualKeyMapsToQtKeyAndBack() {
        QFETCH(int, virtual_key);
        QFETCH(QKeyCombination, qt_key);
        QCOMPARE(qt_key_for_virtual_key(virtual_key), qt_key);
        QCOMPARE(virtual_key_for_qt_key(qt_key), virtual_key);
    }

    void everyKnownVirtualKeyRoundTripsAndNoOtherIsKnown() {
        int known = 0;
        for (int virtual_key = 0; virtual_key <= 0xFF; ++virtual_key) {
            const QKeyCombination key = qt_key_for_virtual_key(virtual_key);
            if (key.key() == Qt::Key_unknown) {
                QCOMPARE(format_key_name(0, virtual_key), QString());
                continue;
            }
            ++known;
            QCOMPARE(virtual_key_for_qt_key(key), virtual_key);
            QVERIFY2(!format_key_name(0, virtual_key).isEmpty(),
                     qPrintable(QString::number(virtual_key, 16)));
        }
        // Letters, digits, F1-F24, 21 named keys, 11 punctuation keys, 16 keypad keys.
        QCOMPARE(known, 26 + 10 + 24 + 21 + 11 + 16);
    }

    void otherQtKeysGiveTheKeyPressed_data() {
        QTest::addColumn<QKeyCombination>("qt_key");
        QTest::addColumn<int>("virtual_key");
        QTest::newRow("Shift+Tab") << QKeyCombination(Qt::Key_Backtab) << 0x09;
        QTest::newRow("keypad Enter") << QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter) << 0x0D;
        QTest::newRow("keypad Home") << QKeyCombination(Qt::KeypadModifier, Qt::Key_Home) << 0x24;
        QTest::newRow("Shift+1") << QKeyCombination(Qt::Key_Exclam) << 0x31;
        QTest::newRow("Shift+8") << QKeyCombination(Qt::Key_Asterisk) << 0x38;
        QTest::newRow("Shift+=") << QKeyCombination(Qt::Key_Plus) << 0xBB;
        QTest::newRow("Shift+/") << QKeyCombination(Qt::Key_Question) << 0xBF;
        QTest::newRow("modifiers ignored")
            << QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_F5) << 0x74;
        QTest::newRow("unknown") << QKeyCombination(Qt::Key_VolumeUp) << 0;
    }
    void otherQtKeysGiveTheKeyPressed() {
        QFETCH(QKeyCombination, qt_key);
        QFETCH(int, virtual_key);
        QCOMPARE(virtual_key_for_qt_key(qt_key), virtual_key);
    }

    void modifierFlagsRoundTrip() {
        for (int flags = 0; flags <= 28; flags += 4) {
            QCOMPARE(modifier_flags_for_qt(qt_modifiers_for_flags(flags)), flags);
        }
        QCOMPARE(qt_key_combination(8 | 4, 0x77),
                 QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_F8));
        QCOMPARE(qt_key_combination(16, 0x6D),
                 QKeyCombination(Qt::AltModifier | Qt::KeypadModifier, Qt::Key_Minus));
    }

    void keyNames_data() {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("virtual_key");
        QTest::addColumn<QString>("name");
        QTest::newRow("no key") << 0 << 0 << QString();
        QTest::newRow("modifiers without key") << 8 << 0 << QString();
        QTest::newRow("unknown key") << 8 << 0xFF << QString();
        QTest::newRow("F1") << 0 << 0x70 << "F1";
        QTest::newRow("Ctrl+Shift+F8") << 12 << 0x77 << "Ctrl+Shift+F8";
        QTest::newRow("all modifiers in order") << 28 << 0x74 << "Ctrl+Shift+Alt+F5";
        QTest::newRow("Alt+letter") << 16 << 0x4D << "Alt+M";
        QTest::newRow("Ctrl+digit") << 8 << 0x31 << "Ctrl+1";
        QTest::newRow("Page Down") << 0 << 0x22 << "Page Down";
        QTest::newRow("keypad 7") << 0 << 0x67 << "Num 7";
        QTest::newRow("keypad /") << 4 << 0x6F << "Shift+Num /";
        QTest::newRow("punctuation") << 0 << 0xDB << "[";
    }
    void keyNames() {
        QFETCH(int, modifiers);
        QFETCH(int, virtual_key);
        QFETCH(QString, name);
        QCOMPARE(format_key_name(modifiers, virtual_key), name);
    }

    void shortcutCommand_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("shortcut");
        QTest::newRow("lower case") << QStringList{"dvk", "/shortcut"} << true;
        QTest::newRow("capitals") << QStringList{"dvk", "/SHORTCUT"} << true;
        QTest::newRow("mixed") << QStringList{"dvk", "/ShortCut"} << true;
        QTest::newRow("no arguments") << QStringList{"dvk"} << false;
        QTest::newRow("more text") << QStringList{"dvk", "/shortcut", "x"} << false;
        QTest::newRow("longer switch") << QStringList{"dvk", "/shortcutx"} << false;
        QTest::newRow("dash") << QStringList{"dvk", "-shortcut"} << false;
    }
    void shortcutCommand() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, shortcut);
        QCOMPARE(is_shortcut_command(arguments), shortcut);
    }

    void execArgumentIsQuotedForLaunchers_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/dvk/dvk"
                               << "\"/opt/dvk/dvk\"";
        QTest::newRow("space") << "/home/a b/dvk"
                               << "\"/home/a b/dvk\"";
        QTest::newRow("dollar") << "/x$y/dvk"
                                << "\"/x\\\\$y/dvk\"";
        QTest::newRow("backslash") << "/x\\y/dvk"
                                   << "\"/x\\\\\\\\y/dvk\"";
        QTest::newRow("quote") << "/x\"y/dvk"
                               << "\"/x\\\\\"y/dvk\"";
        QTest::newRow("backtick") << "/x`y/dvk"
                                  << "\"/x\\\\`y/dvk\"";
        QTest::newRow("percent") << "/100%/dvk"
                                 << "\"/100%%/dvk\"";
        QTest::newRow("newline") << "/x\ny/dvk"
                                 << "\"/x\\ny/dvk\"";
    }
    void execArgumentIsQuotedForLaunchers() {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(desktop_exec_argument(path), exec);
    }

    void desktopShortcutIsWrittenToTheDesktopFolder() {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("Desktop"));
        QVERIFY(QDir(home.path()).mkpath("program"));
        const QString program = home.filePath("program");
        QFile icon(program + "/dvk.png");
        QVERIFY(icon.open(QIODevice::WriteOnly));
        icon.close();
        const ScopedEnvironment home_variable("HOME", QFile::encodeName(home.path()));
        const ScopedEnvironment config("XDG_CONFIG_HOME", QByteArray());
        override_program_folder(program);

        QVERIFY(create_desktop_shortcut());
        override_program_folder({});

        QFile file(home.filePath("Desktop/dvk.desktop"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.first(), "[Desktop Entry]");
        for (const QString& expected :
             {QString("Type=Application"), QString("Name=dvk"), QString("Terminal=false"),
              "Exec=\"" + QCoreApplication::applicationFilePath() + "\"", "Path=" + program,
              "Icon=" + program + "/dvk.png"}) {
            QVERIFY2(lines.contains(expected), qPrintable(expected));
        }
        QVERIFY(file.permissions().testFlag(QFile::ExeOwner));
    }

    void desktopShortcutFailsSilentlyWithoutDesktopFolder() {
        QTemporaryDir home;
        const ScopedEnvironment home_variable("HOME", QFile::encodeName(home.path()));
        const ScopedEnvironment config("XDG_CONFIG_HOME", QByteArray());
        QVERIFY(desktop_folder().isEmpty());
        QVERIFY(!create_desktop_shortcut());
        QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
    }

    void messageBoxesTakeScriptedAnswersAndRecordWhatTheyShow() {
        DialogScript script;
        MessageBoxes::set_next_answers(
            script, {MessageBoxes::Button::No, MessageBoxes::Button::Ok, MessageBoxes::Button::Ok});
        QVERIFY(!MessageBoxes::question(nullptr, "Do you want to exit?", MessageBoxes::Button::No));
        QVERIFY(MessageBoxes::ok_cancel(nullptr, "Sure?", "Player 1"));
        MessageBoxes::error(nullptr, "No such file", "lib.so");
        QCOMPARE(script.unused_answers(), 0);

        const QList<MessageBoxes::Shown> shown = MessageBoxes::shown(script);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].icon, MessageBoxes::Icon::Question);
        QCOMPARE(shown[0].caption, "dvk Ver 0.2.6");
        QCOMPARE(shown[0].text, "Do you want to exit?");
        QCOMPARE(shown[0].buttons, (QList{MessageBoxes::Button::Yes, MessageBoxes::Button::No}));
        QCOMPARE(shown[0].default_button, MessageBoxes::Button::No);
        QCOMPARE(shown[1].icon, MessageBoxes::Icon::Information);
        QCOMPARE(shown[1].caption, "Player 1");
        QCOMPARE(shown[1].buttons, (QList{MessageBoxes::Button::Ok, MessageBoxes::Button::Cancel}));
        QCOMPARE(shown[2].icon, MessageBoxes::Icon::Error);
        QCOMPARE(shown[2].caption, "lib.so");
    }

    void missingOrImpossibleAnswersCountAsEscape() {
        DialogScript script;
        MessageBoxes::set_next_answers(script, {MessageBoxes::Button::Yes});
        QVERIFY(!MessageBoxes::ok_cancel(nullptr, "text", QString()));
        QVERIFY(!MessageBoxes::question(nullptr, "unanswered"));
        MessageBoxes::information(nullptr, "no caption given");
        QCOMPARE(MessageBoxes::shown(script).size(), 3);
        for (const MessageBoxes::Shown& box : MessageBoxes::shown(script)) {
            QCOMPARE(box.caption, "dvk Ver 0.2.6");
        }
    }

    void theNewestScriptAnswersUntilItEnds() {
        DialogScript outer;
        MessageBoxes::set_next_answers(outer, {MessageBoxes::Button::Yes});
        {
            DialogScript inner;
            MessageBoxes::set_next_answers(inner, {MessageBoxes::Button::No});
            QVERIFY(!MessageBoxes::question(nullptr, "inner"));
            QCOMPARE(inner.calls().size(), 1);
        }
        QVERIFY(MessageBoxes::question(nullptr, "outer"));
        QCOMPARE(outer.calls().size(), 1);
        QCOMPARE(outer.calls_of("MessageBox").first().arguments.value("text"), "outer");
    }

    void systemTimeConversion() {
        const QDateTime time(QDate(2026, 12, 7), QTime(10, 15, 0, 250));
        const SystemTime expected{2026, 12, 1, 7, 10, 15, 0, 250};
        QCOMPARE(to_system_time(time), expected);
        QCOMPARE(to_date_time(expected), time);
        QCOMPARE(to_system_time(QDateTime(QDate(2026, 12, 6), QTime(0, 0))).day_of_week, 0);
        QVERIFY(!to_date_time(SystemTime{2026, 13, 0, 1, 0, 0, 0, 0}).isValid());
        QVERIFY(!to_date_time(SystemTime{2026, 1, 0, 1, 24, 0, 0, 0}).isValid());
    }

    void localeTexts_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("japanese");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "12/7/26"
                               << "10:15:09 AM" << false;
        QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << "2026/12/07"
                               << "10:15:09" << true;
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "07.12.26"
                               << "10:15:09" << false;
    }
    void localeTexts() {
        QFETCH(QLocale, locale);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(bool, japanese);
        const SystemTime started{2026, 12, 1, 7, 10, 15, 9, 0};
        QCOMPARE(locale_date_text(started, locale), date);
        QCOMPARE(locale_time_text(started, locale), time);
        QCOMPARE(is_japanese_locale(locale), japanese);
        const SystemTime impossible{2026, 2, 0, 30, 10, 15, 9, 0};
        QCOMPARE(locale_date_text(impossible, locale), QString());
        QCOMPARE(locale_time_text(impossible, locale), QString());
    }

    void centredPositionStaysOnScreen_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("position");
        const QSize dialog(200, 100);
        QTest::newRow("centred") << QRect(100, 100, 800, 600) << dialog << QPoint(400, 350);
        QTest::newRow("owner off the left")
            << QRect(-700, 100, 800, 600) << dialog << QPoint(0, 350);
        QTest::newRow("owner above the top")
            << QRect(100, -550, 800, 600) << dialog << QPoint(400, 0);
        QTest::newRow("owner off the right")
            << QRect(1800, 100, 800, 600) << dialog << QPoint(1720, 350);
        QTest::newRow("larger than the screen")
            << QRect(100, 100, 800, 600) << QSize(2500, 1500) << QPoint(0, 0);
    }
    void centredPositionStaysOnScreen() {
        QFETCH(QRect, owner);
        QFETCH(QSize, size);
        QFETCH(QPoint, position);
        QCOMPARE(centred_position(owner, size, QRect(0, 0, 1920, 1080)), position);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
