#include "archive_backend.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace dvk::testing {

ArchiveBackend::ArchiveBackend() {
    const QByteArray url = qgetenv("DVK_ARCHIVE_TEST_SERVER");
    if (!url.isEmpty()) {
        m_server = parse_archive_url(url.toStdString());
    }
}

ArchiveBackend::~ArchiveBackend() = default;

std::filesystem::path ArchiveBackend::file(const std::string& name) const {
    return std::filesystem::path(m_folder.path().toStdString()) / name;
}

ArchiveLocation ArchiveBackend::fresh() {
    const std::string name = "archive_" + std::to_string(++m_databases);
    if (!m_server) {
        ArchiveLocation location;
        location.file = file(name + ".sqlite");
        return location;
    }
    const QString connection = QStringLiteral("dvk_test_admin");
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        admin.setHostName(QString::fromStdString(m_server->host));
        admin.setDatabaseName(QString::fromStdString(m_server->database));
        admin.setUserName(QString::fromStdString(m_server->user));
        if (admin.open()) {
            QSqlQuery query(admin);
            query.exec(
                QStringLiteral("DROP DATABASE IF EXISTS %1").arg(QString::fromStdString(name)));
            query.exec(QStringLiteral("CREATE DATABASE %1").arg(QString::fromStdString(name)));
        }
        admin.close();
    }
    QSqlDatabase::removeDatabase(connection);
    ArchiveLocation location = *m_server;
    location.database = name;
    return location;
}

bool ArchiveBackend::server(bool running) {
    const QString bin = qEnvironmentVariable("DVK_ARCHIVE_TEST_PGBIN");
    const QString data = qEnvironmentVariable("DVK_ARCHIVE_TEST_PGDATA");
    if (!m_server || bin.isEmpty() || data.isEmpty()) {
        return false;
    }
    QStringList arguments = {QStringLiteral("-D"), data, QStringLiteral("-w")};
    if (running) {
        arguments << QStringLiteral("-l") << data + QStringLiteral("/server.log")
                  << QStringLiteral("start");
    } else {
        arguments << QStringLiteral("-m") << QStringLiteral("fast") << QStringLiteral("stop");
    }
    return QProcess::execute(bin + QStringLiteral("/pg_ctl"), arguments) == 0;
}

} // namespace dvk::testing
