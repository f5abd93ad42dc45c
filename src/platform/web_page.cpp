#include "platform/web_page.h"

#include "platform/dialog_script.h"

#include <QDesktopServices>
#include <QDir>
#include <QVariant>

namespace dvk {

QUrl page_address(const QString& page) {
    const QString text = page.trimmed();
    if (text.isEmpty()) {
        return {};
    }
    const QUrl address = QUrl::fromUserInput(text, QDir::currentPath(), QUrl::AssumeLocalFile);
    const QString scheme = address.scheme();
    if (!address.isValid() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
         scheme != QLatin1String("file"))) {
        return {};
    }
    return address;
}

bool open_web_page(const QUrl& address) {
    const auto scripted = DialogScript::take_answer(
        QStringLiteral("WebPage"),
        {{QStringLiteral("address"), address.toString(QUrl::FullyEncoded)}});
    if (scripted.has_value()) {
        return scripted->toBool();
    }
    return QDesktopServices::openUrl(address);
}

} // namespace dvk
