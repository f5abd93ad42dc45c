#pragma once

#include <QColor>
#include <QPushButton>

namespace dvk {

// The "&Color:" button of the view page: a push button whose face is the colour it stands for,
// framed in black; a disabled button shows no colour.
class ColorButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColorButton(QWidget* parent);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
};

} // namespace dvk
