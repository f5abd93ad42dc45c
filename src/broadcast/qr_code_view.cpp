#include "broadcast/qr_code_view.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace dvk {

QrCodeView::QrCodeView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool QrCodeView::set_text(const QString& text) {
    m_text = text;
    m_width = 0;
    m_dark.clear();
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), QRcode_free);
    if (code != nullptr && code->width > 0) {
        m_width = code->width;
        m_dark.resize(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_width));
        for (std::size_t i = 0; i < m_dark.size(); ++i) {
            m_dark[i] = (code->data[i] & 1U) != 0;
        }
    }
    updateGeometry();
    update();
    return m_width > 0;
}

bool QrCodeView::dark(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_width) {
        return false;
    }
    return m_dark[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                  static_cast<std::size_t>(x)];
}

QSize QrCodeView::sizeHint() const {
    const int side = (m_width + 2 * quiet_zone) * 5;
    return {side, side};
}

void QrCodeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_width == 0) {
        return;
    }
    const int total = m_width + 2 * quiet_zone;
    const int module = std::max(1, std::min(width(), height()) / total);
    const int left = (width() - module * total) / 2 + module * quiet_zone;
    const int top = (height() - module * total) / 2 + module * quiet_zone;
    for (int y = 0; y < m_width; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (dark(x, y)) {
                painter.fillRect(left + x * module, top + y * module, module, module, Qt::black);
            }
        }
    }
}

} // namespace dvk
