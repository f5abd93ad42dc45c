#include "archive/archive_location.h"

#include "settings/profile_file.h"

#include <QUrl>
#include <QUrlQuery>

namespace dvk {

namespace {

std::string text_of(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

std::string ArchiveLocation::describe() const {
    if (kind == Kind::Sqlite) {
        return file.string();
    }
    std::string where = host.empty() ? std::string("localhost") : host;
    if (port > 0) {
        where += ":" + std::to_string(port);
    }
    return "PostgreSQL database " + database + " on " + where;
}

std::optional<ArchiveLocation> parse_archive_url(const std::string& text) {
    const QUrl url(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                   QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() ||
        (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres"))) {
        return std::nullopt;
    }
    ArchiveLocation location;
    location.kind = ArchiveLocation::Kind::Postgres;
    location.host = text_of(url.host());
    location.port = url.port(0);
    location.user = text_of(url.userName(QUrl::FullyDecoded));
    location.password = text_of(url.password(QUrl::FullyDecoded));
    QString database = url.path(QUrl::FullyDecoded);
    if (database.startsWith(QLatin1Char('/'))) {
        database.remove(0, 1);
    }
    location.database = text_of(database);
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host"))) {
        location.host = text_of(query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded));
    }
    if (query.hasQueryItem(QStringLiteral("user"))) {
        location.user = text_of(query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded));
    }
    if (location.database.empty()) {
        return std::nullopt;
    }
    return location;
}

ArchiveLocation archive_location(const std::filesystem::path& settings_file,
                                 const std::filesystem::path& folder, std::string* error) {
    ArchiveLocation location;
    location.file = folder / archive_file_name;
    const ProfileLoad load = profile_load(settings_file.string());
    if (load.status != ProfileLoadStatus::Loaded) {
        return location;
    }
    const std::string url = load.document.get_string("archive", "url", "", 1024);
    if (url.empty()) {
        return location;
    }
    if (std::optional<ArchiveLocation> server = parse_archive_url(url)) {
        return *server;
    }
    if (error != nullptr) {
        *error = "The archive address \"" + url + "\" in " + settings_file.string() +
                 " is not a postgresql:// address.";
    }
    return location;
}

ArchiveLocation archive_location_named(const std::string& text) {
    if (std::optional<ArchiveLocation> server = parse_archive_url(text)) {
        return *server;
    }
    ArchiveLocation location;
    location.file = text;
    return location;
}

} // namespace dvk
