#pragma once

#include <QString>
#include <QUrl>

namespace dvk {

// The address a configured page names: a web address (http or https) as it is, a file path or
// file address as a file address. An empty address for any other text, so that a settings
// file cannot make the desktop run an arbitrary handler.
QUrl page_address(const QString& page);

// Opens `address` with the desktop's browser or viewer; false when the desktop could start
// nothing to open it. Under a DialogScript the call is recorded as "WebPage" with the address
// and answered by the script instead.
bool open_web_page(const QUrl& address);

} // namespace dvk
