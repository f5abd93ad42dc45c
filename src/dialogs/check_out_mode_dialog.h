#pragma once

#include <QDialog>

#include <optional>

class QSpinBox;
class QPushButton;

namespace dvk {

// "Check-Out Mode": how many darts of a visit went at a double. The one-digit number box
// accepts any digit; "OK" takes only a number from the allowed range and otherwise keeps the
// dialog open. The number is drawn in the match screen's font, as large as the box allows.
class CheckOutModeDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int cancelled = 255;

    CheckOutModeDialog(int shown, int minimum, int maximum, const QString& font_family,
                       QWidget* owner = nullptr);

    // Opens the dialog modally (or asks the active DialogScript): the number chosen, or 255
    // for "Cancel" or closing.
    static int ask(QWidget* owner, int shown, int minimum, int maximum, const QString& font_family);

    // The number box's point size is fitted once and kept for later openings; the main window
    // forgets it when the options (and with them the font) change.
    static void reset_font_cache();
    static std::optional<int> cached_point_size();

    // The largest point size not above `box_height` (pixels taken as points) whose text
    // height at `dpi` is smaller than the box; 1 when none is.
    static int fitted_point_size(const QString& family, int box_height, int dpi);

    QSpinBox* number_box() const { return m_number; }
    QPushButton* ok_button() const { return m_ok; }
    int answer() const { return m_answer; }

public Q_SLOTS:
    // "OK": ends with the number when it lies in the allowed range, else beeps and stays.
    bool confirm();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fit_number_font(const QString& font_family);

    int m_minimum;
    int m_maximum;
    int m_answer = cancelled;
    QSpinBox* m_number = nullptr;
    QPushButton* m_ok = nullptr;

    static std::optional<int> s_point_size;
};

} // namespace dvk
