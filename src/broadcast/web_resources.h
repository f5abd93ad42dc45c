#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace dvk {

struct WebResource {
    QString resource; // path in the program's resources
    QByteArray content_type;
};

// The pages the server hands out, by request path. Only this fixed list is served: no part of
// a request ever names a file.
std::optional<WebResource> web_resource(const QString& path);

} // namespace dvk
