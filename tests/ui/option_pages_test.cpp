#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "dialogs/color_button.h"
#include "dialogs/color_preview.h"
#include "dialogs/font_faces.h"
#include "dialogs/hot_key_edit.h"
#include "dialogs/key_page.h"
#include "dialogs/list_editor.h"
#include "dialogs/number_box.h"
#include "dialogs/option_sheet.h"
#include "dialogs/player_page.h"
#include "dialogs/select_key_dialog.h"
#include "dialogs/view_page.h"
#include "platform/dialog_script.h"
#include "platform/message_boxes.h"
#include "screen/colors.h"
#include "screen/score_edit.h"
#include "screen/score_left_wnd.h"
#include "screen/score_list_wnd.h"
#include "screen/score_player_wnd.h"
#include "shell/main_menu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace dvk;

namespace {

constexpr int vk_f5 = 0x74;

AppOptions sample_options() {
    OptionsEnvironment environment;
    environment.font_name = "Liberation Sans";
    AppOptions options = default_options(environment);
    options.set_color(ColorItem::odd_background, rgb(200, 220, 240));
    return options;
}

QStringList column(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        texts << list->topLevelItem(i)->text(column);
    }
    return texts;
}

} // namespace

class OptionPagesTest : public QObject {
    Q_OBJECT

private:
    ArrangeTable m_table = parse_arrange_text(builtin_arrange_text(BuiltinTable::Checkout));
    std::unique_ptr<DialogScript> m_script;
    std::unique_ptr<QWidget> m_shown;

    template <typename Widget> Widget* show(std::unique_ptr<Widget> widget, QSize size = {}) {
        Widget* raw = widget.get();
        if (size.isValid()) {
            raw->resize(size);
        }
        raw->show();
        m_shown = std::move(widget);
        return QTest::qWaitForWindowExposed(raw) ? raw : nullptr;
    }

    ViewPage* view_page(const AppOptions& options) {
        return show(std::make_unique<ViewPage>(options, m_table), QSize(640, 520));
    }

    // A point of a preview window, in the preview's coordinates.
    static QPoint in_preview(const ColorPreview* preview, const QWidget* window, QPoint point) {
        return window->mapTo(preview, point);
    }

private Q_SLOTS:
    void init() { m_script = std::make_unique<DialogScript>(); }
    void cleanup() {
        m_shown.reset();
        m_script.reset();
    }

    void viewPageListsTheColoursWithViewSeparateLast() {
        ViewPage* page = view_page(sample_options());
        QVERIFY(page);
        auto* items = page->findChild<QComboBox*>(QStringLiteral("item"));
        QCOMPARE(items->count(), 31);
        QCOMPARE(items->itemText(0), QStringLiteral("Background (Even Lines)"));
        QCOMPARE(items->itemText(22), QStringLiteral("Function Key Background"));
        QCOMPARE(items->itemText(30), QStringLiteral("View Separate"));
        QCOMPARE(page->selectedItem(), ColorItem::background);
        items->setCurrentIndex(30);
        QCOMPARE(page->selectedItem(), ColorItem::view_separate);
        QCOMPARE(page->findChild<ColorButton*>(QStringLiteral("color"))->color(), QColor(0, 0, 0));
    }

    void previewShowsTheSampleGameInItsModes() {
        ViewPage* page = view_page(sample_options());
        QVERIFY(page);
        const ColorPreview* preview = page->preview();
        QCOMPARE(preview->listWindow()->edit()->text(), QStringLiteral("100"));
        QVERIFY(!preview->listWindow()->edit()->isEnabled());
        QCOMPARE(preview->listWindow()->focusPolicy(), Qt::NoFocus);
        QVERIFY(preview->leftWindow()->isActive());
        QCOMPARE(preview->playerWindow()->headerText(), QStringLiteral("Player 1"));
        // The gap between the windows shows "View Separate".
        const QRect player = preview->playerWindow()->geometry();
        const QPoint gap = preview->playerWindow()->parentWidget()->mapTo(
            preview, QPoint(player.right() + 1, player.center().y()));
        QCOMPARE(preview->colorAt(gap), QColor(0, 0, 0));
    }

    void clickingThePreviewChoosesTheItemOfTheColour() {
        ViewPage* page = view_page(sample_options());
        QVERIFY(page);
        ColorPreview* preview = page->preview();
        const ScoreListWnd* list = preview->listWindow();
        const QPoint start_row = in_preview(preview, list, list->scoredCellRect(0, 0).center());
        QTest::mouseClick(preview, Qt::LeftButton, Qt::NoModifier, start_row);
        QCOMPARE(page->selectedItem(), ColorItem::header_background);

        const QRect input = list->scoredCellRect(0, 1);
        const QPoint odd_row =
            in_preview(preview, list, QPoint(input.right() + 12, input.top() + 3));
        QTest::mouseClick(preview, Qt::LeftButton, Qt::NoModifier, odd_row);
        QCOMPARE(page->selectedItem(), ColorItem::odd_background);

        const ScoreLeftWnd* left = preview->leftWindow();
        QTest::mouseClick(preview, Qt::LeftButton, Qt::NoModifier,
                          in_preview(preview, left, QPoint(1, 1)));
        QCOMPARE(page->selectedItem(), ColorItem::left_active_border);

        const ScorePlayerWnd* player = preview->playerWindow();
        // Below the name bar, at the left edge, between the lines of text.
        QPoint background;
        for (int y = player->headerHeight() + 1; y < player->height(); ++y) {
            const QPoint point = in_preview(preview, player, QPoint(1, y));
            if (preview->colorAt(point) == QColor(201, 201, 201)) {
                background = point;
                break;
            }
        }
        QVERIFY(!background.isNull());
        QTest::mouseClick(preview, Qt::LeftButton, Qt::NoModifier, background);
        QCOMPARE(page->selectedItem(), ColorItem::player_background);
        QCOMPARE(page->shown(), sample_options()); // choosing an item changes no colour
    }

    void shiftClickGivesTheSelectedItemThePreviewsColour() {
        ViewPage* page = view_page(sample_options());
        QVERIFY(page);
        page->selectItem(ColorItem::line);
        ColorPreview* preview = page->preview();
        const ScoreListWnd* list = preview->listWindow();
        const QRect input = list->scoredCellRect(0, 1);
        QTest::mouseClick(preview, Qt::LeftButton, Qt::ShiftModifier,
                          in_preview(preview, list, QPoint(input.right() + 12, input.top() + 3)));
        QCOMPARE(page->selectedItem(), ColorItem::line);
        QCOMPARE(page->shown().color(ColorItem::line), rgb(200, 220, 240));
        QCOMPARE(list->screenStyle().line, QColor(200, 220, 240)); // the preview follows
    }

    void colourDialogSetsTheItemAndTheViewSeparateFrame() {
        ViewPage* page = view_page(sample_options());
        QVERIFY(page);
        page->selectItem(ColorItem::view_separate);
        m_script->push_answer(QStringLiteral("ColorDialog"), QColor(0, 128, 255));
        QTest::mouseClick(page->findChild<ColorButton*>(QStringLiteral("color")), Qt::LeftButton);
        const auto calls = m_script->calls_of(QStringLiteral("ColorDialog"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].arguments.value(QStringLiteral("initial")).value<QColor>(),
                 QColor(0, 0, 0));
        QCOMPARE(page->shown().color(ColorItem::view_separate), 0xFF8000U);
        const QRect player = page->preview()->playerWindow()->geometry();
        const QPoint gap = page->preview()->playerWindow()->parentWidget()->mapTo(
            page->preview(), QPoint(player.right() + 1, player.center().y()));
        QCOMPARE(page->preview()->colorAt(gap), QColor(0, 128, 255));

        // Cancelling the colour dialog keeps the colour.
        QTest::mouseClick(page->findChild<ColorButton*>(QStringLiteral("color")), Qt::LeftButton);
        QCOMPARE(page->shown().color(ColorItem::view_separate), 0xFF8000U);
    }

    void resetAsksAndOnlyYesResets() {
        AppOptions options = sample_options();
        options.set_color(ColorItem::text, rgb(1, 2, 3));
        ViewPage* page = view_page(options);
        QVERIFY(page);
        auto* reset = page->findChild<QPushButton*>(QStringLiteral("reset"));
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::No});
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(page->shown(), options);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(MessageBoxes::shown(*m_script).last().text,
                 QStringLiteral("Do you want to reset colors?"));
        QCOMPARE(page->shown().colors, default_options({}).colors);
        QCOMPARE(page->shown().font_name, options.font_name);
    }

    // A face that is not installed is named as missing, not offered as if it were there; the
    // setting keeps it until another face is picked.
    void faceListOffersOnlyInstalledFaces() {
        AppOptions options = sample_options();
        options.font_name = "No Such Face Here";
        ViewPage* page = view_page(options);
        QVERIFY(page);
        auto* faces = page->findChild<QComboBox*>(QStringLiteral("face"));
        QCOMPARE(faces->currentIndex(), -1);
        QCOMPARE(faces->findText(QStringLiteral("No Such Face Here")), -1);
        QCOMPARE(faces->placeholderText(), QStringLiteral("No Such Face Here (not installed)"));
        AppOptions kept = options;
        page->apply(kept);
        QCOMPARE(kept.font_name, "No Such Face Here");

        QStringList listed;
        for (int i = 0; i < faces->count(); ++i) {
            listed << faces->itemText(i);
        }
        QCOMPARE(listed, installed_font_faces());
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), listed.size());
        QVERIFY(listed.filter(QStringLiteral("[")).isEmpty());

        const int serif = faces->findText(QStringLiteral("Liberation Serif"));
        QVERIFY(serif >= 0);
        faces->setFocus();
        faces->setCurrentIndex(serif);
        Q_EMIT faces->activated(serif);
        QCOMPARE(page->shown().font_name, "Liberation Serif");
        QCOMPARE(page->preview()->listWindow()->screenStyle().font_family,
                 QStringLiteral("Liberation Serif"));
    }

    void faceListNamesEachFaceOnce_data() {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<QStringList>("faces");
        QTest::newRow("makers") << QStringList{"Alpha [Foundry One]", "Alpha [Foundry Two]", "Beta"}
                                << QStringList{"Alpha", "Beta"};
        QTest::newRow("plain and maker")
            << QStringList{"Gamma", "Gamma [Maker]"} << QStringList{"Gamma"};
        QTest::newRow("case") << QStringList{"Delta Sans", "delta sans"}
                              << QStringList{"Delta Sans"};
        QTest::newRow("brackets inside") << QStringList{"Epsilon [x] Mono", "[Zeta]", " "}
                                         << QStringList{"Epsilon [x] Mono", "[Zeta]"};
    }

    void faceListNamesEachFaceOnce() {
        QFETCH(QStringList, families);
        QFETCH(QStringList, faces);
        QCOMPARE(distinct_font_faces(families), faces);
    }

    void storedFaceWithItsMakerFindsTheFace() {
        AppOptions options = sample_options();
        options.font_name = "Liberation Serif [Ascender]";
        ViewPage* page = view_page(options);
        QVERIFY(page);
        auto* faces = page->findChild<QComboBox*>(QStringLiteral("face"));
        QCOMPARE(faces->currentText(), QStringLiteral("Liberation Serif"));
    }

    // The page keys turn the page from anywhere on it, a drop-down list included, which would
    // otherwise take them to search or to step through its entries.
    void pageKeysTurnThePageFromADropDownList_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("page");
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Ctrl+Shift+Tab")
            << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << 2;
        QTest::newRow("Ctrl+PgDn") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 2;
    }

    void pageKeysTurnThePageFromADropDownList() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, page);
        AppOptions options = sample_options();
        OptionSheet sheet(QStringLiteral("Option"), nullptr);
        auto* view = new ViewPage(options, m_table, &sheet);
        sheet.addPage(view);
        sheet.addPage(new PlayerPage(options, &sheet));
        sheet.addPage(new KeyPage(options, &MainMenu::commandText, &sheet));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        for (const char* name : {"item", "face"}) {
            sheet.tabs()->setCurrentIndex(0);
            auto* list = view->findChild<QComboBox*>(QString::fromLatin1(name));
            QVERIFY2(list, name);
            list->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), list);
            const int entry = list->currentIndex();
            QTest::keyClick(list, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(sheet.tabs()->currentIndex(), page);
            QCOMPARE(list->currentIndex(), entry);
        }
        // From a check box on the Player page too: Ctrl+PgDn and Ctrl+PgUp step, and wrap round.
        sheet.tabs()->setCurrentIndex(1);
        QCheckBox* box = sheet.findChild<QCheckBox*>();
        QVERIFY(box);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(sheet.tabs()->currentIndex(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(sheet.tabs()->currentIndex(), 0);
    }

    void countsBoxesFollowTheirRowAndKeepTheirMarks() {
        AppOptions options = sample_options();
        options.player.avg_keep = 1;
        auto* page = show(std::make_unique<PlayerPage>(options));
        QVERIFY(page);
        QCheckBox* keep = page->box(QStringLiteral("avg_keep"));
        QCheckBox* keep_counts = page->box(QStringLiteral("avg_keep_count"));
        QVERIFY(keep_counts->isEnabled());
        QVERIFY(!page->box(QStringLiteral("avg_break_count"))->isEnabled());
        // "&Keep" and "&Keep Counts" share their mnemonic: Alt+K goes to the first of them.
        QTest::keyClick(page, Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), keep);
        QTest::keyClick(keep, Qt::Key_Space);
        QVERIFY(!keep->isChecked());
        QVERIFY(!keep_counts->isEnabled());
        QVERIFY(keep_counts->isChecked());
        page->box(QStringLiteral("arrange"))->setChecked(true);
        page->box(QStringLiteral("large_font"))->setChecked(false);

        AppOptions applied = options;
        page->apply(applied);
        PlayerInfoOptions expected = options.player;
        expected.avg_keep = 0;
        expected.arrange = 1;
        expected.large_font = 0;
        QCOMPARE(applied.player, expected);
        QCOMPARE(applied.player.scroll, options.player.scroll); // no box, never changed
    }

    void keyPageNamesItsRowsAndLeavesOutWhatItCannotName() {
        AppOptions options = sample_options();
        options.keys = {{51180, 0, 0},
                        {40016, modifier_ctrl, 'N'},
                        {40999, 0, 0x71},
                        {51181, 0, 0x72},
                        {40052, modifier_alt, 0x0D}};
        auto* page = show(std::make_unique<KeyPage>(options, &MainMenu::commandText));
        QVERIFY(page);
        const QTreeWidget* list = page->editor()->list();
        QCOMPARE(column(list, 0),
                 (QStringList{QStringLiteral("Template - 180"), QStringLiteral("New Game"),
                              QStringLiteral("Full Screen")}));
        QCOMPARE(column(list, 1), (QStringList{QStringLiteral("Nothing"), QStringLiteral("Ctrl+N"),
                                               QStringLiteral("Alt+Enter")}));
        QCOMPARE(page->editor()->currentRow(), 0);
    }

    void keyPageMovesAndDeletesOnlyOnConfirm() {
        AppOptions options = sample_options();
        const AppOptions before = options;
        OptionSheet sheet(QStringLiteral("Option"), nullptr);
        auto* page = new KeyPage(options, &MainMenu::commandText, &sheet);
        sheet.addPage(page);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        ListEditor* editor = page->editor();
        editor->selectRow(1);
        QTest::mouseClick(editor->findChild<QAbstractButton*>(QStringLiteral("up")),
                          Qt::LeftButton);
        QCOMPARE(editor->currentRow(), 0);
        QCOMPARE(editor->list()->topLevelItem(0)->text(0), QStringLiteral("Template - 26"));
        MessageBoxes::set_next_answers(*m_script,
                                       {MessageBoxes::Button::Yes, MessageBoxes::Button::No});
        editor->list()->setFocus();
        QTest::keyClick(editor->list(), Qt::Key_Delete);
        QTest::keyClick(editor->list(), Qt::Key_Delete);
        QCOMPARE(editor->rowCount(), 28);
        QCOMPARE(MessageBoxes::shown(*m_script).last().text,
                 QStringLiteral("Are you sure you want to delete this item?"));
        QCOMPARE(editor->currentRow(), 0);
        QCOMPARE(options, before); // nothing reaches the options before the sheet is confirmed

        AppOptions confirmed = before;
        page->apply(confirmed);
        QCOMPARE(confirmed.keys_customised, 1);
        QCOMPARE(confirmed.keys.size(), 28u);
        QCOMPARE(confirmed.keys[0], before.keys[0]); // the first row was deleted after moving
        QCOMPARE(confirmed.keys[1], before.keys[2]);
    }

    void selectKeyRecordsCtrlF5ForATemplateOf140() {
        auto* dialog =
            show(std::make_unique<SelectKeyDialog>(std::nullopt, &MainMenu::commandText));
        QVERIFY(dialog);
        QComboBox* functions = dialog->functionList();
        QCOMPARE(functions->currentIndex(), -1);
        QVERIFY(!dialog->numberBox()->isEnabled());
        QCOMPARE(functions->itemText(0), QStringLiteral("Template"));
        QCOMPARE(functions->itemText(2), QStringLiteral("New Game"));
        QCOMPARE(functions->itemText(functions->count() - 1), QStringLiteral("Down"));

        functions->setCurrentIndex(0);
        QVERIFY(dialog->numberBox()->isEnabled());
        dialog->numberBox()->setFocus();
        dialog->numberBox()->selectAll();
        QTest::keyClicks(dialog->numberBox(), QStringLiteral("140"));
        dialog->keyField()->setFocus();
        QTest::keyClick(dialog->keyField(), Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(dialog->keyField()->text(), QStringLiteral("Ctrl+F5"));
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->binding(), (KeyBinding{51140, modifier_ctrl, vk_f5}));
    }

    void selectKeyRefusesWhatItCannotBind_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("function_index");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QString>("focus");
        QTest::newRow("181") << "181" << 0 << true << "number";
        QTest::newRow("999") << "999" << 0 << true << "number";
        QTest::newRow("nothing chosen") << "" << -1 << false << "function";
    }
    void selectKeyRefusesWhatItCannotBind() {
        QFETCH(QString, number);
        QFETCH(int, function_index);
        QFETCH(bool, warned);
        QFETCH(QString, focus);
        auto* dialog =
            show(std::make_unique<SelectKeyDialog>(std::nullopt, &MainMenu::commandText));
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        dialog->functionList()->setCurrentIndex(function_index);
        dialog->numberBox()->setFocus();
        dialog->numberBox()->selectAll();
        QTest::keyClicks(dialog->numberBox(), number);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Ok});
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(MessageBoxes::shown(*m_script).size(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(MessageBoxes::shown(*m_script).first().text,
                     QStringLiteral("The range of a template is 0 to 180."));
            QCOMPARE(MessageBoxes::shown(*m_script).first().icon, MessageBoxes::Icon::Warning);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void bindingAScoreEntryKeyAsksFirst() {
        auto* dialog = show(
            std::make_unique<SelectKeyDialog>(KeyBinding{40016, 0, 0}, &MainMenu::commandText));
        QVERIFY(dialog);
        dialog->keyField()->setFocus();
        QTest::keyClick(dialog->keyField(), Qt::Key_Return);
        QCOMPARE(dialog->keyField()->virtualKey(), 0x0D);
        QVERIFY(dialog->isVisible()); // Enter is recorded, not taken by the dialog
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::No});
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QCOMPARE(MessageBoxes::shown(*m_script).size(), 1);
        QCOMPARE(MessageBoxes::shown(*m_script).first().default_button, MessageBoxes::Button::No);
        MessageBoxes::set_next_answers(*m_script, {MessageBoxes::Button::Yes});
        dialog->accept();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->binding(), (KeyBinding{40016, 0, 0x0D}));
    }

    void hotKeyFieldRecordsOneKeyWithItsModifiers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("virtual_key");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Ctrl+Shift+Alt+F5")
            << int(Qt::Key_F5) << int(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)
            << vk_f5 << (modifier_ctrl | modifier_shift | modifier_alt)
            << QStringLiteral("Ctrl+Shift+Alt+F5");
        QTest::newRow("Alt+letter") << int(Qt::Key_F) << int(Qt::AltModifier) << int('F')
                                    << modifier_alt << QStringLiteral("Alt+F");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << 0x1B << 0 << QStringLiteral("Esc");
        QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 0x67 << 0
                                  << QStringLiteral("Num 7");
        QTest::newRow("Shift+!") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << int('1')
                                 << modifier_shift << QStringLiteral("Shift+1");
    }
    void hotKeyFieldRecordsOneKeyWithItsModifiers() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, virtual_key);
        QFETCH(int, flags);
        QFETCH(QString, shown);
        auto* field = show(std::make_unique<HotKeyEdit>());
        QVERIFY(field);
        field->setFocus();
        QTest::keyClick(field, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(field->virtualKey(), virtual_key);
        QCOMPARE(field->modifiers(), flags);
        QCOMPARE(field->text(), shown);
    }

    void hotKeyFieldShowsHeldModifiersAndCanBeCleared() {
        auto* field = show(std::make_unique<HotKeyEdit>());
        QVERIFY(field);
        field->setKey(modifier_ctrl, vk_f5);
        field->setFocus();
        QTest::keyPress(field, Qt::Key_Shift, Qt::ShiftModifier);
        QCOMPARE(field->text(), QStringLiteral("Shift+"));
        QTest::keyRelease(field, Qt::Key_Shift);
        QCOMPARE(field->text(), QStringLiteral("Ctrl+F5"));
        QCOMPARE(field->virtualKey(), vk_f5);
        field->insert(QStringLiteral("x"));
        QCOMPARE(field->text(), QStringLiteral("Ctrl+F5")); // typed text is undone
        field->clear();
        QCOMPARE(field->virtualKey(), 0);
        QCOMPARE(field->modifiers(), 0);
        QCOMPARE(field->placeholderText(), QStringLiteral("Nothing"));
    }

    void optionSheetCancelledChangesNothing() {
        AppOptions options = sample_options();
        const AppOptions before = options;
        OptionSheet sheet(QStringLiteral("Option"), nullptr);
        auto* view = new ViewPage(options, m_table, &sheet);
        sheet.addPage(view);
        sheet.addPage(new PlayerPage(options, &sheet));
        QCOMPARE(sheet.tabs()->tabText(0), QStringLiteral("View"));
        QCOMPARE(sheet.tabs()->tabText(1), QStringLiteral("Player"));
        m_script->push_answer(QStringLiteral("OptionSheet"),
                              QVariant::fromValue(DialogDriver([&](QDialog&) {
                                  view->selectItem(ColorItem::text);
                                  view->setSelectedColor(QColor(255, 0, 0));
                                  return false;
                              })));
        QVERIFY(!sheet.run(options));
        QCOMPARE(options, before);

        m_script->push_answer(QStringLiteral("OptionSheet"),
                              QVariant::fromValue(DialogDriver([&](QDialog&) { return true; })));
        QVERIFY(sheet.run(options));
        QCOMPARE(options.color(ColorItem::text), rgb(255, 0, 0));
    }
};

QTEST_MAIN(OptionPagesTest)
#include "option_pages_test.moc"
