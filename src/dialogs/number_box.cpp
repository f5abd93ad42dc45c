#include "dialogs/number_box.h"

#include "platform/system_services.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace dvk {

NumberBox::NumberBox(int minimum, int maximum, int max_digits, QWidget* parent)
    : QAbstractSpinBox(parent), m_minimum(minimum), m_maximum(maximum), m_max_digits(max_digits) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
}

int NumberBox::number() const {
    return text().toInt();
}

void NumberBox::set_number(int value) {
    lineEdit()->setText(QString::number(value));
}

void NumberBox::stepBy(int steps) {
    set_number(std::clamp(number() + steps, m_minimum, m_maximum));
    selectAll();
}

QValidator::State NumberBox::validate(QString& input, int&) const {
    if (input.size() > m_max_digits) {
        return QValidator::Invalid;
    }
    const bool digits =
        std::all_of(input.cbegin(), input.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? QValidator::Acceptable : QValidator::Invalid;
}

QSize NumberBox::sizeHint() const {
    ensurePolished();
    const QString widest(m_max_digits + 1, u'9');
    const QSize text(fontMetrics().horizontalAdvance(widest) + 4, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this);
}

QAbstractSpinBox::StepEnabled NumberBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (isReadOnly()) {
        return enabled;
    }
    // A typed number outside the range steps back to its nearer end.
    if (number() != m_minimum) {
        enabled |= StepDownEnabled;
    }
    if (number() != m_maximum) {
        enabled |= StepUpEnabled;
    }
    return enabled;
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool command = event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier);
    if (!command && !typed.isEmpty() && typed.at(0).isPrint()) {
        const bool digit = typed.at(0) >= u'0' && typed.at(0) <= u'9';
        const auto kept = lineEdit()->text().size() - lineEdit()->selectedText().size();
        if (!digit || kept >= m_max_digits) {
            beep();
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace dvk
