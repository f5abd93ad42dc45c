#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QObject;

namespace dvk {

// The address a configured page names: a web address (http or https) as it is, a file path or
// file address as a file address. An empty address for any other text, so that a settings
// file cannot make the desktop run an arbitrary handler.
QUrl page_address(const QString& page);

// Called when the desktop's opener ends without having opened the page, with its exit code
// (-1 when it crashed).
using PageNotOpened = std::function<void(int exit_code)>;

// Opens `address` with the desktop's browser or viewer; false when nothing could be started to
// open it. The desktop's opener xdg-open starts even where no browser is installed and only
// then gives up: its end is watched for as long as `context` lives, and `not_opened` is called
// when it failed. Under a DialogScript the call is recorded as "WebPage" with the address and
// answered by the script instead: a bool says whether an opener started, a number is the exit
// code of an opener that started.
bool open_web_page(const QUrl& address, QObject* context, const PageNotOpened& not_opened);

} // namespace dvk
