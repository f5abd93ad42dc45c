#pragma once

#include "dialogs/option_page.h"
#include "settings/app_options.h"
#include "settings/color_page.h"

class QComboBox;
class QPushButton;

namespace dvk {

struct ArrangeTable;
class ColorButton;
class ColorPreview;

// "View": the 31 colours of the match screen and its font face, with a preview of the screen
// in the colours being chosen. Colours are picked in the system's colour dialog, or taken from
// the preview with the mouse.
class ViewPage : public OptionPage {
    Q_OBJECT

public:
    // `table` gives the preview's check-out suggestions and outlives the page.
    ViewPage(const AppOptions& options, const ArrangeTable& table, QWidget* parent = nullptr);

    void apply(AppOptions& options) const override;

    // The page's copy of the options, as the preview shows it.
    const AppOptions& shown() const { return m_shown; }
    ColorPreview* preview() const { return m_preview; }
    // The item selected in "&Item:", none when no item is.
    std::optional<ColorItem> selectedItem() const;
    void selectItem(ColorItem item);
    // Gives the selected item a colour, as choosing it in the colour dialog does.
    void setSelectedColor(const QColor& color);

private:
    // The face list's entry for the face of the options.
    int faceIndex() const;
    QWidget* createColorGroup();
    QWidget* createFontGroup();
    void itemChosen();
    void chooseColor();
    void resetColors();
    void faceChosen(int index);
    void colorPicked(PreviewWindow window, const QColor& color, bool shift);
    void refreshPreview();

    AppOptions m_shown;
    ColorPreview* m_preview = nullptr;
    QComboBox* m_items = nullptr;
    ColorButton* m_color = nullptr;
    QPushButton* m_reset = nullptr;
    QComboBox* m_faces = nullptr;
};

} // namespace dvk
