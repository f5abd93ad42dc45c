#include "dialogs/color_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace dvk {

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void ColorButton::setColor(const QColor& color) {
    m_color = color;
    update();
}

QSize ColorButton::sizeHint() const {
    const int height = QPushButton::sizeHint().height();
    return {3 * height, height};
}

void ColorButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton button;
    initStyleOption(&button);
    button.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, button);
    if (isEnabled()) {
        // Four pixels in from the left and top, five from the right and bottom; pressed, the
        // face moves with the button.
        QRect face = rect().adjusted(4, 4, -5, -5);
        if (isDown()) {
            face.translate(1, 1);
        }
        painter.fillRect(face, m_color);
        painter.setPen(Qt::black);
        painter.drawRect(face.adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace dvk
