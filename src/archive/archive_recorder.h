#pragma once

#include "archive/archive_location.h"
#include "archive/archive_store.h"
#include "career/pending_legs.h"
#include "model/game_record.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dvk {

// What the user is told about the archive during play.
struct ArchiveNotice {
    enum class Kind {
        Unavailable, // the archive cannot be written; legs wait in the pending file
        Back,        // it can be written again; the waiting legs are in it
        CorruptKept, // a damaged SQLite file was kept under `kept` and a new archive begun
    };
    Kind kind = Kind::Unavailable;
    std::string where;          // the file, or the server
    std::string reason;         // the system's or the server's text
    std::filesystem::path kept; // CorruptKept: the damaged file; Unavailable: the pending file
};

// Keeps the archive up to date while a match is played: every finished leg when it ends, the
// legs Previous Leg takes back, each game's result, and the finished legs of a game read back
// from dvk.tmp. When the archive cannot be written, play goes on: the user is told once, the
// changes wait in a small pending file beside the archive and are written, in order, at the
// next leg's end or start that finds the archive back.
class ArchiveRecorder {
public:
    using Tell = std::function<void(const ArchiveNotice&)>;

    ArchiveRecorder(ArchiveLocation location, std::filesystem::path pending_file, Tell tell);
    ~ArchiveRecorder();
    ArchiveRecorder(const ArchiveRecorder&) = delete;
    ArchiveRecorder& operator=(const ArchiveRecorder&) = delete;

    // A leg has just ended: `game.leg_index` has moved past it and its darts at a double are
    // still those of the leg.
    void leg_finished(const GameRecord& game);
    // Previous Leg restored `game`: its legs from `leg_index` on are no longer finished.
    void legs_reopened(const GameRecord& game);
    void game_ended(const GameRecord& game);
    // The game continued from dvk.tmp: its finished legs are written unless already there.
    void game_recovered(const GameRecord& game);
    // A leg starts: a good moment to write what waits.
    void leg_started();

    const ArchiveLocation& location() const { return m_location; }
    // True while changes wait for the archive.
    bool has_pending() const { return !m_pending.empty(); }
    const std::filesystem::path& pending_file() const { return m_pending_file; }

private:
    void record(PendingAction action);
    bool flush();
    bool open_store();
    bool apply(const PendingAction& action);
    void save_pending();
    void fail(const ArchiveError& error);

    ArchiveLocation m_location;
    std::filesystem::path m_pending_file;
    Tell m_tell;
    std::unique_ptr<ArchiveStore> m_store;
    std::vector<PendingAction> m_pending;
    bool m_told = false;
};

} // namespace dvk
