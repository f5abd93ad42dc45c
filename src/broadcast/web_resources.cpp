#include "broadcast/web_resources.h"

#include <array>

namespace dvk {

namespace {

struct Entry {
    const char* path;
    const char* resource;
    const char* content_type;
};

constexpr const char* html = "text/html; charset=utf-8";
constexpr const char* css = "text/css; charset=utf-8";
constexpr const char* js = "text/javascript; charset=utf-8";

constexpr std::array<Entry, 9> entries{{
    {"/", ":/web/scoreboard.html", html},
    {"/overlay", ":/web/overlay.html", html},
    {"/remote", ":/web/remote.html", html},
    {"/dvk.css", ":/web/dvk.css", css},
    {"/connection.js", ":/web/connection.js", js},
    {"/board.js", ":/web/board.js", js},
    {"/scoreboard.js", ":/web/scoreboard.js", js},
    {"/overlay.js", ":/web/overlay.js", js},
    {"/remote.js", ":/web/remote.js", js},
}};

} // namespace

std::optional<WebResource> web_resource(const QString& path) {
    for (const Entry& e : entries) {
        if (path == QLatin1String(e.path)) {
            return WebResource{QString::fromLatin1(e.resource), QByteArray(e.content_type)};
        }
    }
    return std::nullopt;
}

} // namespace dvk
