#include "archive/archive_recorder.h"

#include "career/career_rows.h"
#include "storage/file_helpers.h"

#include <QDateTime>

namespace dvk {

namespace {

// The pending file holds a few legs, or a few thousand after a long evening without the
// server; anything larger is not ours.
constexpr std::size_t max_pending_bytes = std::size_t{64} << 20U;

// A damaged archive file is kept beside itself under a name that says when it was put aside.
std::filesystem::path kept_name(const std::filesystem::path& file) {
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    std::filesystem::path kept = file;
    kept += ".damaged-" + stamp;
    for (int n = 2; std::filesystem::exists(kept); ++n) {
        kept = file;
        kept += ".damaged-" + stamp + "-" + std::to_string(n);
    }
    return kept;
}

} // namespace

ArchiveRecorder::ArchiveRecorder(ArchiveLocation location, std::filesystem::path pending_file,
                                 Tell tell)
    : m_location(std::move(location)), m_pending_file(std::move(pending_file)),
      m_tell(std::move(tell)) {
    const FileContents contents = read_whole_file(m_pending_file, max_pending_bytes);
    if (contents.ok) {
        if (std::optional<std::vector<PendingAction>> actions = parse_pending(contents.bytes)) {
            m_pending = std::move(*actions);
        } else {
            // Never overwritten: what it held may still be read by hand.
            std::error_code ignored;
            std::filesystem::rename(m_pending_file, kept_name(m_pending_file), ignored);
        }
    }
}

ArchiveRecorder::~ArchiveRecorder() = default;

void ArchiveRecorder::leg_finished(const GameRecord& game) {
    if (std::optional<ArchivedLeg> rows = leg_rows(game, game.leg_index - 1, true)) {
        PendingAction action;
        action.leg = std::move(*rows);
        record(std::move(action));
    }
}

void ArchiveRecorder::legs_reopened(const GameRecord& game) {
    PendingAction action;
    action.kind = PendingAction::Kind::RemoveLegsFrom;
    action.game_id = game_id_of(game_identity(game));
    action.leg_index = game.leg_index;
    record(std::move(action));
}

void ArchiveRecorder::game_ended(const GameRecord& game) {
    PendingAction action;
    action.kind = PendingAction::Kind::GameResult;
    action.result = game_result(game, true);
    action.game_id = action.result.game_id;
    record(std::move(action));
}

void ArchiveRecorder::game_recovered(const GameRecord& game) {
    for (ArchivedLeg& leg : finished_leg_rows(game)) {
        PendingAction action;
        action.kind = PendingAction::Kind::EnsureLeg;
        action.leg = std::move(leg);
        m_pending.push_back(std::move(action));
    }
    flush();
}

void ArchiveRecorder::leg_started() {
    if (!m_pending.empty()) {
        flush();
    }
}

void ArchiveRecorder::record(PendingAction action) {
    m_pending.push_back(std::move(action));
    flush();
}

bool ArchiveRecorder::open_store() {
    if (m_store && m_store->is_open()) {
        return true;
    }
    m_store = std::make_unique<ArchiveStore>(m_location);
    if (m_store->is_open()) {
        return true;
    }
    if (m_store->error().kind != ArchiveError::Kind::Corrupt ||
        m_location.kind != ArchiveLocation::Kind::Sqlite) {
        return false;
    }
    // A damaged file is never written over: it is kept under a new name and a new archive
    // begins in its place.
    const ArchiveError damage = m_store->error();
    m_store.reset();
    const std::filesystem::path kept = kept_name(m_location.file);
    std::error_code error;
    std::filesystem::rename(m_location.file, kept, error);
    if (error) {
        m_store = std::make_unique<ArchiveStore>(m_location);
        return false;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        std::filesystem::path side = m_location.file;
        side += suffix;
        std::filesystem::path side_kept = kept;
        side_kept += suffix;
        std::error_code ignored;
        if (std::filesystem::exists(side, ignored)) {
            std::filesystem::rename(side, side_kept, ignored);
        }
    }
    m_tell(
        ArchiveNotice{ArchiveNotice::Kind::CorruptKept, m_location.describe(), damage.text, kept});
    m_store = std::make_unique<ArchiveStore>(m_location);
    return m_store->is_open();
}

bool ArchiveRecorder::apply(const PendingAction& action) {
    switch (action.kind) {
    case PendingAction::Kind::WriteLeg:
        return m_store->write_leg(action.leg);
    case PendingAction::Kind::RemoveLegsFrom:
        return m_store->remove_legs_from(action.game_id, action.leg_index);
    case PendingAction::Kind::GameResult:
        return m_store->write_game_result(action.result);
    case PendingAction::Kind::EnsureLeg:
        return m_store->write_leg_if_absent(action.leg);
    }
    return false;
}

bool ArchiveRecorder::flush() {
    if (!open_store()) {
        fail(m_store ? m_store->error() : ArchiveError{});
        return false;
    }
    while (!m_pending.empty()) {
        if (!apply(m_pending.front())) {
            const ArchiveError error = m_store->error();
            m_store.reset();
            if (error.kind == ArchiveError::Kind::Corrupt && open_store()) {
                continue;
            }
            fail(error);
            return false;
        }
        m_pending.erase(m_pending.begin());
    }
    std::error_code ignored;
    std::filesystem::remove(m_pending_file, ignored);
    if (m_told) {
        m_told = false;
        m_tell(ArchiveNotice{ArchiveNotice::Kind::Back, m_location.describe(), {}, {}});
    }
    return true;
}

void ArchiveRecorder::fail(const ArchiveError& error) {
    save_pending();
    if (!m_told) {
        m_told = true;
        m_tell(ArchiveNotice{ArchiveNotice::Kind::Unavailable, m_location.describe(), error.text,
                             m_pending_file});
    }
}

void ArchiveRecorder::save_pending() {
    std::error_code ignored;
    std::filesystem::create_directories(m_pending_file.parent_path(), ignored);
    write_whole_file(m_pending_file, serialise_pending(m_pending));
}

} // namespace dvk
