#pragma once

#include <QAbstractButton>

namespace dvk {

// A small button drawn as a scroll arrow that moves a list row up or down. Its text ("&up",
// "do&wn") is not drawn; it gives the button its mnemonic and its accessible name.
class ArrowButton : public QAbstractButton {
    Q_OBJECT

public:
    ArrowButton(Qt::ArrowType direction, const QString& text, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::ArrowType m_direction;
};

} // namespace dvk
