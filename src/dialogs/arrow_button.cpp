#include "dialogs/arrow_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace dvk {
namespace {

// The focus rectangle lies this far inside the button.
constexpr int focus_inset = 3;

} // namespace

ArrowButton::ArrowButton(Qt::ArrowType direction, const QString& text, QWidget* parent)
    : QAbstractButton(parent), m_direction(direction) {
    setText(text);
    setAccessibleName(QString(text).remove(QLatin1Char('&')));
    setFocusPolicy(Qt::StrongFocus);
    setAutoRepeat(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ArrowButton::sizeHint() const {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {extent + 8, extent + 8};
}

void ArrowButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton button;
    button.initFrom(this);
    if (isDown()) {
        button.state |= QStyle::State_Sunken;
    } else {
        button.state |= QStyle::State_Raised;
    }
    painter.drawControl(QStyle::CE_PushButtonBevel, button);

    QStyleOption arrow;
    arrow.initFrom(this);
    const int margin = rect().width() / 4;
    arrow.rect = rect().adjusted(margin, margin, -margin, -margin);
    if (isDown()) {
        arrow.rect.translate(1, 1);
    }
    painter.drawPrimitive(m_direction == Qt::UpArrow ? QStyle::PE_IndicatorArrowUp
                                                     : QStyle::PE_IndicatorArrowDown,
                          arrow);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(focus_inset, focus_inset, -focus_inset, -focus_inset);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace dvk
