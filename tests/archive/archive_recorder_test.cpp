#include "archive/archive_recorder.h"
#include "archive_backend.h"
#include "career/recorded_games.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dvk::testing {
namespace {

// A recorder with the notices it gave.
struct Recorder {
    std::vector<ArchiveNotice> notices;
    ArchiveRecorder recorder;

    Recorder(const ArchiveLocation& location, const std::filesystem::path& pending)
        : recorder(location, pending, [this](const ArchiveNotice& n) { notices.push_back(n); }) {}

    int told(ArchiveNotice::Kind kind) const {
        return static_cast<int>(
            std::count_if(notices.begin(), notices.end(),
                          [&](const ArchiveNotice& n) { return n.kind == kind; }));
    }
};

// A game of four legs in check-out mode, its state at the end of each leg.
std::vector<GameRecord> leg_ends() {
    struct Capture : RecordingPorts {
        std::vector<GameRecord> ends;
        void leg_finished(const GameRecord& game) override { ends.push_back(game); }
    };
    GameOptions options = two_humans(301);
    AppOptions settings;
    settings.game = options;
    settings.check_out_mode = 1;
    Capture ports;
    Match match(settings, ports, ports, ports);
    ports.match = &match;
    match.start_new_game(false);
    ports.double_darts.assign(100, 1);
    ports.checkout_darts.assign(10, 3);
    ports.game_shot_answers.assign(10, true);
    for (int leg = 0; leg < 4; ++leg) {
        for (const int points : {100, 60, 100, 60, 0, 60, 101}) {
            enter_visit(ports, match.sheet(), std::to_string(points));
        }
    }
    return ports.ends;
}

std::int64_t archived_legs(const ArchiveLocation& location) {
    ArchiveStore store(location);
    std::int64_t legs = 0;
    for (const ExportGame& game : store.export_games({})) {
        legs += static_cast<std::int64_t>(game.legs.size());
        for (const ExportLeg& leg : game.legs) {
            EXPECT_FALSE(leg.visits.empty());
        }
    }
    return legs;
}

class ArchiveRecorderTest : public ::testing::Test {
protected:
    ArchiveBackend m_backend;
    std::vector<GameRecord> m_ends = leg_ends();
    std::filesystem::path m_pending = m_backend.file("dvk-archive.pending");
};

TEST_F(ArchiveRecorderTest, everyLegEndsInTheArchiveAtOnce) {
    const ArchiveLocation location = m_backend.fresh();
    Recorder r(location, m_pending);
    for (const GameRecord& end : m_ends) {
        r.recorder.leg_finished(end);
    }
    EXPECT_EQ(archived_legs(location), 4);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_FALSE(std::filesystem::exists(m_pending));
}

TEST_F(ArchiveRecorderTest, aLockedFileKeepsLegsWaitingAndWritesThemOnce) {
    if (m_backend.postgres()) {
        GTEST_SKIP() << "a locked file is a SQLite archive's case";
    }
    const ArchiveLocation location = m_backend.fresh();
    Recorder r(location, m_pending);
    r.recorder.leg_finished(m_ends[0]);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "locker");
        other.setDatabaseName(QString::fromStdString(location.file.string()));
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        r.recorder.leg_finished(m_ends[1]);
        r.recorder.leg_finished(m_ends[2]);
        EXPECT_EQ(r.told(ArchiveNotice::Kind::Unavailable), 1);
        EXPECT_NE(r.notices.front().reason.find("locked"), std::string::npos)
            << r.notices.front().reason;
        EXPECT_TRUE(std::filesystem::exists(m_pending));
        lock.exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase("locker");
    r.recorder.leg_started();
    EXPECT_EQ(r.told(ArchiveNotice::Kind::Back), 1);
    r.recorder.leg_finished(m_ends[3]);
    EXPECT_EQ(archived_legs(location), 4);
    EXPECT_FALSE(std::filesystem::exists(m_pending));
}

TEST_F(ArchiveRecorderTest, aReadOnlyFileIsToldOnceAndWrittenWhenWritableAgain) {
    if (m_backend.postgres()) {
        GTEST_SKIP() << "a read-only file is a SQLite archive's case";
    }
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes read-only files; the runner script runs this suite as an "
                        "unprivileged user";
    }
    const ArchiveLocation location = m_backend.fresh();
    {
        Recorder r(location, m_pending);
        r.recorder.leg_finished(m_ends[0]);
    }
    ASSERT_EQ(::chmod(location.file.c_str(), 0444), 0);
    {
        Recorder r(location, m_pending);
        r.recorder.leg_finished(m_ends[1]);
        r.recorder.leg_finished(m_ends[2]);
        ASSERT_EQ(r.told(ArchiveNotice::Kind::Unavailable), 1);
        EXPECT_EQ(r.notices[0].where, location.file.string());
        EXPECT_FALSE(r.notices[0].reason.empty());
    }
    // The user makes the archive writable again (SQLite gave its side files the file's
    // permissions); the next start finds the legs waiting in the pending file.
    for (const char* suffix : {"", "-wal", "-shm"}) {
        ::chmod((location.file.string() + suffix).c_str(), 0644);
    }
    Recorder again(location, m_pending);
    again.recorder.leg_started();
    again.recorder.leg_finished(m_ends[3]);
    EXPECT_EQ(archived_legs(location), 4);
    EXPECT_TRUE(again.notices.empty()) << again.notices.front().reason;
}

TEST_F(ArchiveRecorderTest, aDamagedFileIsKeptAsideAndANewArchiveBegins) {
    if (m_backend.postgres()) {
        GTEST_SKIP() << "a damaged file is a SQLite archive's case";
    }
    const ArchiveLocation location = m_backend.fresh();
    const std::string garbage(5000, 'x');
    std::ofstream(location.file, std::ios::binary) << garbage;
    Recorder r(location, m_pending);
    r.recorder.leg_finished(m_ends[0]);
    ASSERT_EQ(r.told(ArchiveNotice::Kind::CorruptKept), 1);
    const std::filesystem::path kept = r.notices[0].kept;
    EXPECT_NE(kept, location.file);
    std::ifstream in(kept, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
    EXPECT_EQ(archived_legs(location), 1);
    EXPECT_EQ(r.told(ArchiveNotice::Kind::Unavailable), 0);
}

TEST_F(ArchiveRecorderTest, aServerStoppedMidGameGetsEveryLegOnceWhenItIsBack) {
    if (!m_backend.postgres()) {
        GTEST_SKIP() << "a server is a PostgreSQL archive's case";
    }
    const ArchiveLocation location = m_backend.fresh();
    Recorder r(location, m_pending);
    r.recorder.leg_finished(m_ends[0]);
    ASSERT_TRUE(m_backend.server(false));
    r.recorder.leg_finished(m_ends[1]);
    r.recorder.leg_started();
    r.recorder.leg_finished(m_ends[2]);
    EXPECT_EQ(r.told(ArchiveNotice::Kind::Unavailable), 1);
    EXPECT_TRUE(r.recorder.has_pending());
    ASSERT_TRUE(m_backend.server(true));
    r.recorder.leg_started();
    EXPECT_EQ(r.told(ArchiveNotice::Kind::Back), 1);
    r.recorder.leg_finished(m_ends[3]);
    EXPECT_EQ(archived_legs(location), 4);
    EXPECT_FALSE(r.recorder.has_pending());
}

TEST_F(ArchiveRecorderTest, aRefusedLoginIsToldWithTheServersReason) {
    if (!m_backend.postgres()) {
        GTEST_SKIP() << "a login is a PostgreSQL archive's case";
    }
    ArchiveLocation location = m_backend.fresh();
    location.user = "nobody_of_this_name";
    Recorder r(location, m_pending);
    r.recorder.leg_finished(m_ends[0]);
    ASSERT_EQ(r.told(ArchiveNotice::Kind::Unavailable), 1);
    EXPECT_NE(r.notices[0].reason.find("nobody_of_this_name"), std::string::npos)
        << r.notices[0].reason;
    EXPECT_NE(r.notices[0].where.find("PostgreSQL"), std::string::npos);
}

TEST_F(ArchiveRecorderTest, aRecoveredGameWritesItsFinishedLegsOnce) {
    const ArchiveLocation location = m_backend.fresh();
    Recorder r(location, m_pending);
    r.recorder.leg_finished(m_ends[0]);
    // The game as dvk.tmp holds it two legs later: its arrays of darts at a double are the
    // open leg's.
    GameRecord recovered = m_ends[2];
    recovered.legs.push_back(LegRecord::with_capacity(10, 1));
    r.recorder.game_recovered(recovered);
    r.recorder.game_recovered(recovered);
    EXPECT_EQ(archived_legs(location), 3);
    ArchiveStore store(location);
    const std::vector<ExportGame> games = store.export_games({});
    ASSERT_EQ(games.size(), 1U);
    // The leg written when it ended keeps the darts at a double of its visits.
    EXPECT_GE(games[0].legs[0].visits.back().darts_at_double, 1);
    EXPECT_EQ(games[0].legs[1].visits.back().darts_at_double, -1);
}

TEST_F(ArchiveRecorderTest, previousLegAndTheGamesEndReachTheArchive) {
    const ArchiveLocation location = m_backend.fresh();
    Recorder r(location, m_pending);
    for (const GameRecord& end : m_ends) {
        r.recorder.leg_finished(end);
    }
    GameRecord reopened = m_ends[3];
    reopened.leg_index = 3;
    r.recorder.legs_reopened(reopened);
    EXPECT_EQ(archived_legs(location), 3);
    r.recorder.leg_finished(m_ends[3]);
    r.recorder.game_ended(m_ends[3]);
    ArchiveStore store(location);
    const std::vector<ExportGame> games = store.export_games({});
    ASSERT_EQ(games.size(), 1U);
    EXPECT_EQ(games[0].legs.size(), 4U);
    EXPECT_TRUE(games[0].result.finished);
    EXPECT_EQ(games[0].result.legs_won[0] + games[0].result.legs_won[1], 4);
}

} // namespace
} // namespace dvk::testing
