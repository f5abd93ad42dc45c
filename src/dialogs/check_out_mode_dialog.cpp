#include "dialogs/check_out_mode_dialog.h"

#include "platform/dialog_placement.h"
#include "platform/dialog_script.h"
#include "platform/system_services.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <cmath>

namespace dvk {

std::optional<int> CheckOutModeDialog::s_point_size;

namespace {

constexpr int minimum_button_width = 88;

// Takes any single digit as typed text, so that "OK" can refuse a number out of range, while
// the arrows step only within the allowed range.
class DigitBox : public QSpinBox {
public:
    DigitBox(int minimum, int maximum, QWidget* parent)
        : QSpinBox(parent), m_minimum(minimum), m_maximum(maximum) {
        setRange(0, 9);
        setAlignment(Qt::AlignCenter);
        setAttribute(Qt::WA_InputMethodEnabled, false);
        lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    }

    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps, m_minimum, m_maximum));
        selectAll();
    }

    // Height of the area the digit is drawn in, for fitting the font.
    int edit_field_height() const {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        return style()
            ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this)
            .height();
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() > m_minimum) {
            enabled |= StepDownEnabled;
        }
        if (value() < m_maximum) {
            enabled |= StepUpEnabled;
        }
        return enabled;
    }

private:
    int m_minimum;
    int m_maximum;
};

QFont font_at_point_size(const QString& family, int point_size, int dpi) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(point_size * dpi / 72.0))));
    return font;
}

} // namespace

CheckOutModeDialog::CheckOutModeDialog(int shown, int minimum, int maximum,
                                       const QString& font_family, QWidget* owner)
    : QDialog(owner), m_minimum(minimum), m_maximum(maximum) {
    setObjectName(QStringLiteral("CheckOutModeDialog"));
    setWindowTitle(tr("Check-Out Mode"));
    setAccessibleName(windowTitle());

    auto* prompt = new QLabel(tr("How many darts did you throw to double?"), this);
    prompt->setObjectName(QStringLiteral("prompt"));

    auto* number = new DigitBox(minimum, maximum, this);
    m_number = number;
    m_number->setObjectName(QStringLiteral("number"));
    m_number->setAccessibleName(prompt->text());
    m_number->setValue(shown);
    prompt->setBuddy(m_number);
    const int box_height = fontMetrics().height() * 2 + 4;
    m_number->setFixedHeight(box_height);
    fit_number_font(font_family);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CheckOutModeDialog::confirm);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const int button_width =
        std::max({minimum_button_width, m_ok->sizeHint().width(), cancel->sizeHint().width()});
    m_ok->setFixedWidth(button_width);
    cancel->setFixedWidth(button_width);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(16);
    layout->addWidget(prompt, 0, 0);
    layout->addWidget(m_number, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
}

void CheckOutModeDialog::fit_number_font(const QString& font_family) {
    auto* number = static_cast<DigitBox*>(m_number);
    if (!s_point_size) {
        s_point_size = fitted_point_size(font_family, number->edit_field_height(), logicalDpiY());
    }
    m_number->setFont(font_at_point_size(font_family, *s_point_size, logicalDpiY()));
    // The width follows the font: one digit and the arrows.
    m_number->setFixedWidth(m_number->sizeHint().width());
}

int CheckOutModeDialog::fitted_point_size(const QString& family, int box_height, int dpi) {
    for (int point_size = box_height; point_size > 1; --point_size) {
        if (QFontMetrics(font_at_point_size(family, point_size, dpi)).height() < box_height) {
            return point_size;
        }
    }
    return 1;
}

void CheckOutModeDialog::reset_font_cache() {
    s_point_size.reset();
}

std::optional<int> CheckOutModeDialog::cached_point_size() {
    return s_point_size;
}

bool CheckOutModeDialog::confirm() {
    m_number->interpretText();
    const int value = m_number->value();
    if (value < m_minimum || value > m_maximum) {
        beep();
        m_number->setFocus();
        m_number->selectAll();
        return false;
    }
    m_answer = value;
    accept();
    return true;
}

void CheckOutModeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_owner(this);
    m_number->setFocus();
    m_number->selectAll();
}

int CheckOutModeDialog::ask(QWidget* owner, int shown, int minimum, int maximum,
                            const QString& font_family) {
    CheckOutModeDialog dialog(shown, minimum, maximum, font_family, owner);
    const QVariantMap arguments{
        {QStringLiteral("shown"), dialog.m_number->value()},
        {QStringLiteral("minimum"), minimum},
        {QStringLiteral("maximum"), maximum},
        {QStringLiteral("font_family"), font_family},
        {QStringLiteral("point_size"), s_point_size.value_or(0)},
    };
    if (const auto scripted = DialogScript::take_answer(dialog.objectName(), arguments)) {
        if (!scripted->isValid() || scripted->toInt() == cancelled) {
            return cancelled;
        }
        // As typed by the user: a number out of range is refused like "OK" refuses it.
        dialog.m_number->setValue(scripted->toInt());
        return dialog.confirm() ? dialog.answer() : cancelled;
    }
    dialog.exec();
    return dialog.answer();
}

} // namespace dvk
