#include "dialogs/view_page.h"

#include "dialogs/color_button.h"
#include "dialogs/color_preview.h"
#include "dialogs/font_faces.h"
#include "model/text_cut.h"
#include "platform/color_chooser.h"
#include "platform/message_boxes.h"
#include "screen/colors.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <cstring>

namespace dvk {
namespace {

struct ColorText {
    const char* key;
    const char* text;
};

// The names of the colours; the list shows them in the order of color_page_keys().
constexpr std::array<ColorText, color_count> color_texts = {{
    {"background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Background (Even Lines)")},
    {"odd_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Background (Odd Lines)")},
    {"scored_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Text (Scored)")},
    {"text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Text (To Go)")},
    {"header_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Header Background")},
    {"header_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Header Text")},
    {"last3number_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Last Three Numbers")},
    {"line", QT_TRANSLATE_NOOP("dvk::ViewPage", "Line")},
    {"separate", QT_TRANSLATE_NOOP("dvk::ViewPage", "Separate")},
    {"ton_circle", QT_TRANSLATE_NOOP("dvk::ViewPage", "Ton Circle")},
    {"input_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Input Background")},
    {"input_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Input Text")},
    {"input_select_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Input Select")},
    {"input_select_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Input Select Text")},
    {"left_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Left Score Background")},
    {"left_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Left Score Text")},
    {"left_active_border", QT_TRANSLATE_NOOP("dvk::ViewPage", "Left Score Active Border")},
    {"player_name_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Player Name Background")},
    {"player_name_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Player Name Text")},
    {"player_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Player Information Background")},
    {"player_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Player Information Text")},
    {"player_info_title", QT_TRANSLATE_NOOP("dvk::ViewPage", "Player Information Header Text")},
    {"guide_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Background")},
    {"guide_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Text")},
    {"guide_select_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Select")},
    {"guide_select_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Select Text")},
    {"guide_box_background", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Box Background")},
    {"guide_box_text", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Box Text")},
    {"guide_box_frame", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Frame")},
    {"guide_box_disable", QT_TRANSLATE_NOOP("dvk::ViewPage", "Function Key Disable")},
    {"view_separate", QT_TRANSLATE_NOOP("dvk::ViewPage", "View Separate")},
}};

QString color_text(const char* key) {
    for (const ColorText& entry : color_texts) {
        if (std::strcmp(entry.key, key) == 0) {
            return QCoreApplication::translate("dvk::ViewPage", entry.text);
        }
    }
    return QString::fromLatin1(key);
}

// Shows the wait cursor while the preview redraws itself.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

ViewPage::ViewPage(const AppOptions& options, const ArrangeTable& table, QWidget* parent)
    : OptionPage(parent), m_shown(options) {
    setObjectName(QStringLiteral("ViewPage"));
    setWindowTitle(tr("View"));
    m_preview = new ColorPreview(m_shown, table, this);
    connect(m_preview, &ColorPreview::colorPicked, this, &ViewPage::colorPicked);

    auto* groups = new QHBoxLayout;
    groups->addWidget(createColorGroup(), 3);
    groups->addWidget(createFontGroup(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_preview, 1);
    layout->addLayout(groups);

    for (const char* key : color_page_keys()) {
        m_items->addItem(color_text(key));
    }
    m_items->setCurrentIndex(0);
    itemChosen();
}

QWidget* ViewPage::createColorGroup() {
    auto* group = new QGroupBox(tr("Color"), this);
    auto* item_label = new QLabel(tr("&Item:"), group);
    m_items = new QComboBox(group);
    m_items->setObjectName(QStringLiteral("item"));
    m_items->setAccessibleName(tr("Item"));
    item_label->setBuddy(m_items);
    auto* color_label = new QLabel(tr("&Color:"), group);
    m_color = new ColorButton(group);
    m_color->setObjectName(QStringLiteral("color"));
    m_color->setAccessibleName(tr("Color"));
    color_label->setBuddy(m_color);
    m_reset = new QPushButton(tr("&Reset"), group);
    m_reset->setObjectName(QStringLiteral("reset"));
    m_reset->setAutoDefault(false);

    auto* grid = new QGridLayout(group);
    grid->addWidget(item_label, 0, 0);
    grid->addWidget(m_items, 0, 1, 1, 2);
    grid->addWidget(color_label, 1, 0);
    grid->addWidget(m_color, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_reset, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    connect(m_items, &QComboBox::currentIndexChanged, this, &ViewPage::itemChosen);
    connect(m_color, &QPushButton::clicked, this, &ViewPage::chooseColor);
    connect(m_reset, &QPushButton::clicked, this, &ViewPage::resetColors);
    return group;
}

QWidget* ViewPage::createFontGroup() {
    auto* group = new QGroupBox(tr("&Font"), this);
    m_faces = new QComboBox(group);
    m_faces->setObjectName(QStringLiteral("face"));
    m_faces->setAccessibleName(tr("Font"));
    m_faces->addItems(installed_font_faces());
    // A face that is not installed (a setting from another system) is not offered; the list
    // then names it as missing until another face is picked, and the setting stays as it is.
    const QString face = QString::fromStdString(m_shown.font_name);
    if (!face.isEmpty()) {
        m_faces->setPlaceholderText(tr("%1 (not installed)").arg(face));
    }
    m_faces->setCurrentIndex(faceIndex());
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_faces);
    layout->addStretch();
    // The group's mnemonic leads to its list.
    group->setFocusProxy(m_faces);
    connect(m_faces, &QComboBox::activated, this, &ViewPage::faceChosen);
    return group;
}

int ViewPage::faceIndex() const {
    return m_faces->findText(face_without_maker(QString::fromStdString(m_shown.font_name)),
                             Qt::MatchFixedString);
}

std::optional<ColorItem> ViewPage::selectedItem() const {
    const int index = m_items->currentIndex();
    if (index < 0) {
        return std::nullopt;
    }
    return color_page_item(static_cast<std::size_t>(index));
}

void ViewPage::selectItem(ColorItem item) {
    m_items->setCurrentIndex(static_cast<int>(color_page_index(item)));
}

void ViewPage::itemChosen() {
    const std::optional<ColorItem> item = selectedItem();
    m_color->setEnabled(item.has_value());
    if (item) {
        m_color->setColor(option_color(m_shown, *item));
    }
}

void ViewPage::chooseColor() {
    const std::optional<ColorItem> item = selectedItem();
    if (!item) {
        return;
    }
    const QColor current = option_color(m_shown, *item);
    const std::optional<QColor> chosen = choose_color(this, current, m_items->currentText());
    if (chosen && from_qcolor(*chosen) != from_qcolor(current)) {
        setSelectedColor(*chosen);
    }
}

void ViewPage::setSelectedColor(const QColor& color) {
    const std::optional<ColorItem> item = selectedItem();
    if (!item) {
        return;
    }
    m_shown.set_color(*item, from_qcolor(color));
    m_color->setColor(option_color(m_shown, *item));
    refreshPreview();
}

void ViewPage::resetColors() {
    if (!MessageBoxes::question(this, tr("Do you want to reset colors?"))) {
        return;
    }
    reset_colors(m_shown);
    refreshPreview();
    itemChosen();
}

void ViewPage::faceChosen(int index) {
    if (index < 0) {
        return;
    }
    m_shown.font_name = cut_to_bytes(m_faces->itemText(index).toStdString(), max_path_bytes);
    refreshPreview();
}

void ViewPage::colorPicked(PreviewWindow window, const QColor& color, bool shift) {
    if (shift) {
        setSelectedColor(color);
        return;
    }
    selectItem(picked_color_item(window, from_qcolor(color), m_shown));
}

void ViewPage::refreshPreview() {
    const WaitCursor wait;
    m_preview->reload();
}

void ViewPage::apply(AppOptions& options) const {
    options.colors = m_shown.colors;
    options.font_name = m_shown.font_name;
}

} // namespace dvk
