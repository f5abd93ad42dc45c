#pragma once

#include <QAbstractSpinBox>

namespace dvk {

// A number box with up-down arrows, as the program's dialogs use them: only digits can be
// typed, up to `max_digits` of them, and the box may be empty (read as 0). The arrows step
// within [minimum, maximum], while typing may go beyond it; the dialog decides what a typed
// number means when it is read. A refused character beeps.
class NumberBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    NumberBox(int minimum, int maximum, int max_digits, QWidget* parent);

    int number() const;
    void set_number(int value);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& position) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_minimum;
    int m_maximum;
    int m_max_digits;
};

} // namespace dvk
