#pragma once

#include <QWidget>

#include <vector>

namespace dvk {

// A QR code of a text, drawn module by module in black on white with the four-module quiet
// zone a phone's camera needs, at a whole number of pixels per module so no module blurs.
class QrCodeView : public QWidget {
    Q_OBJECT

public:
    static constexpr int quiet_zone = 4;

    explicit QrCodeView(QWidget* parent = nullptr);

    // False (and nothing drawn) when the text cannot be encoded.
    bool set_text(const QString& text);
    const QString& text() const { return m_text; }
    // Modules per side without the quiet zone; 0 when empty.
    int modules() const { return m_width; }
    bool dark(int x, int y) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    int m_width = 0;
    std::vector<bool> m_dark;
};

} // namespace dvk
