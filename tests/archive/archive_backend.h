#pragma once

#include "archive/archive_location.h"

#include <QTemporaryDir>

#include <optional>
#include <string>

namespace dvk::testing {

// Where the suite's archives live: SQLite files in a temporary folder, or fresh databases on
// the PostgreSQL server the runner script started (DVK_ARCHIVE_TEST_SERVER names its
// maintenance database).
class ArchiveBackend {
public:
    ArchiveBackend();
    ~ArchiveBackend();

    bool postgres() const { return m_server.has_value(); }
    // A new, empty archive.
    ArchiveLocation fresh();
    // A file in the suite's temporary folder.
    std::filesystem::path file(const std::string& name) const;
    // Stops or starts the test server (PostgreSQL only); true when it worked.
    bool server(bool running);

private:
    QTemporaryDir m_folder;
    std::optional<ArchiveLocation> m_server;
    int m_databases = 0;
};

} // namespace dvk::testing
