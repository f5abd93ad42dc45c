#pragma once

#include "archive/archive_location.h"
#include "career/archive_export.h"
#include "career/career_figures.h"
#include "career/career_filter.h"
#include "career/career_rows.h"
#include "career/career_series.h"
#include "career/csv_import.h"

#include <QString>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dvk {

// Why an archive could not be opened or written.
struct ArchiveError {
    enum class Kind {
        None,
        Unavailable, // cannot be reached or opened now: read-only, locked, server down, login
        Corrupt,     // a SQLite file that is not a database or fails its integrity check
        Newer,       // written by a newer program (schema version above ours); never changed
        Failed,      // a statement failed
    };
    Kind kind = Kind::None;
    std::string text; // the system's or the server's reason

    explicit operator bool() const { return kind != Kind::None; }
};

// What importing CSV files did.
struct ImportReport {
    int imported = 0; // games written
    int already = 0;  // games the archive held already (a file imported twice is one game)
    std::vector<std::string> refused; // "file:line: reason", one per refused file
};

// An open archive on SQLite or PostgreSQL through Qt SQL: one dialect of SQL serves both.
// Writes are idempotent: a game is keyed by its identity, a leg by game and index, so writing
// the same leg twice leaves one leg. Not thread-safe; one object per thread.
class ArchiveStore {
public:
    // Opens (and creates or upgrades) the archive. On failure `error()` says why and every
    // other call fails or gives nothing.
    explicit ArchiveStore(const ArchiveLocation& location);
    ~ArchiveStore();
    ArchiveStore(const ArchiveStore&) = delete;
    ArchiveStore& operator=(const ArchiveStore&) = delete;

    bool is_open() const;
    const ArchiveError& error() const;
    const ArchiveLocation& location() const;
    int schema_version() const;

    // Writing. Each returns false with `error()` set on failure; nothing is half-written.
    bool write_leg(const ArchivedLeg& leg);
    // Writes many legs in one transaction (a generated archive); all or none.
    bool write_legs(const std::vector<ArchivedLeg>& legs);
    // Writes a leg only when the archive does not hold it yet (a leg read back from dvk.tmp
    // knows less than the one written when it ended).
    bool write_leg_if_absent(const ArchivedLeg& leg);
    // Takes out the legs `leg_index` and later of a game, and its result (Previous Leg).
    bool remove_legs_from(std::int64_t game_id, std::int32_t leg_index);
    bool write_game_result(const GameResultRow& result);
    // Writes a whole imported game in one transaction; `already` is set when it was there.
    bool write_imported_game(const ImportedGame& game, bool& already);

    // Players.
    std::vector<PlayerSummary> players();
    // Renames a player, or merges him into the player of that name (see decide_name_change).
    bool rename_player(const std::string& from, const std::string& to);
    bool merge_players(const std::string& from, const std::string& into);

    // Career figures of a player (by the name players() lists) over the filtered games.
    CareerTotals career_totals(const std::string& player, const CareerFilter& filter);
    CareerFigures career(const std::string& player, const CareerFilter& filter);
    std::vector<HeadToHeadRow> head_to_head(const std::string& player, const CareerFilter& filter);
    // What the filters can choose from for this player.
    std::vector<std::string> opponents(const std::string& player);
    std::vector<std::int32_t> start_scores(const std::string& player);

    // Chart series.
    std::vector<GamePoint> game_series(const std::string& player, const CareerFilter& filter);
    std::vector<ScoreCount> visit_scores(const std::string& player, const CareerFilter& filter);
    // The scores of the player's visits thrown with more than 170 left, where every dart goes
    // for points: what a computer player is fitted to.
    std::vector<ScoreCount> scoring_visit_scores(const std::string& player);
    std::vector<CheckOutPeriod> check_outs_by_month(const std::string& player,
                                                    const CareerFilter& filter);
    std::vector<DartsCount> legs_won_by_darts(const std::string& player,
                                              const CareerFilter& filter);

    // Export of every game, or of one player's games (empty `player`): flat CSV or JSON,
    // written to a new file and renamed over `path`.
    bool export_csv(const std::filesystem::path& path, const std::string& player);
    bool export_json(const std::filesystem::path& path, const std::string& player);
    // The games with their legs and visits, for the export and tests.
    std::vector<ExportGame> export_games(const std::string& player);

    // Imports the program's CSV files; `progress(done, total)` after each file, and a false
    // answer stops. `languages` are the label sets to accept (English and Japanese).
    ImportReport import_csv_files(const std::vector<std::filesystem::path>& files,
                                  const std::vector<CsvLabels>& languages,
                                  const StartedParser& parse_started,
                                  const std::function<bool(int, int)>& progress);

    // The connection and its helpers, shared by the store's own source files.
    struct Impl;

private:
    // Visits per score, of the visits `visits_where` (SQL on `v`, the visits) also chooses.
    std::vector<ScoreCount> score_counts(const std::string& player, const CareerFilter& filter,
                                         const QString& visits_where);

    std::unique_ptr<Impl> m_impl;
};

// Every CSV file of a folder, sorted by name, for an import of the folder.
std::vector<std::filesystem::path> csv_files_in(const std::filesystem::path& folder);

} // namespace dvk
