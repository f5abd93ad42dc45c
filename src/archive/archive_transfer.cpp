#include "archive/archive_schema.h"
#include "archive/archive_store_impl.h"

#include "career/career_filter.h"
#include "career/leg_counters.h"
#include "storage/file_helpers.h"

#include <QSaveFile>

#include <algorithm>

namespace dvk {

namespace {

// A CSV file of the program is a few kilobytes; anything this large is not one.
constexpr std::size_t max_csv_bytes = std::size_t{8} << 20U;

GameRow game_from(const QSqlQuery& q) {
    GameRow g;
    g.id = q.value(0).toLongLong();
    g.identity = to_std(q.value(1).toString());
    g.started = parse_archive_time(to_std(q.value(2).toString())).value_or(SystemTime{});
    std::int32_t* fields[] = {&g.start_score, &g.round_limit, &g.round,         &g.leg_limit,
                              &g.max_leg,     &g.best_of,     &g.schedule_mode, &g.game_index};
    int column = 3;
    for (std::int32_t* field : fields) {
        *field = q.value(column++).toInt();
    }
    for (SeatRow& seat : g.seats) {
        seat.name = to_std(q.value(column++).toString());
        seat.start_score = q.value(column++).toInt();
        seat.computer = q.value(column++).toInt() != 0;
        seat.com_level = q.value(column++).toInt();
    }
    return g;
}

bool read_legs(ArchiveStore::Impl& d, ExportGame& game) {
    QSqlQuery query(d.db());
    const QVariant id = QVariant::fromValue<qlonglong>(game.game.id);
    if (!d.exec(query,
                QStringLiteral("SELECT leg_index, first_player, winner, winning_darts, check_out,"
                               " rounds FROM legs WHERE game_id = ? ORDER BY leg_index"),
                {id})) {
        return false;
    }
    while (query.next()) {
        ExportLeg leg;
        leg.leg.game_id = game.game.id;
        leg.leg.leg_index = query.value(0).toInt();
        leg.leg.first_player = query.value(1).toInt();
        leg.leg.winner = query.value(2).toInt();
        leg.leg.winning_darts = query.value(3).toInt();
        leg.leg.check_out = query.value(4).toInt();
        leg.leg.rounds = query.value(5).toInt();
        game.legs.push_back(std::move(leg));
    }
    const QStringList counters = counter_column_names();
    if (!d.exec(query,
                QStringLiteral("SELECT leg_index, seat, %1 FROM leg_players WHERE game_id = ?")
                    .arg(counters.join(QStringLiteral(", "))),
                {id})) {
        return false;
    }
    const auto leg_at = [&](int index) -> ExportLeg* {
        const auto it = std::find_if(game.legs.begin(), game.legs.end(),
                                     [&](const ExportLeg& l) { return l.leg.leg_index == index; });
        return it == game.legs.end() ? nullptr : &*it;
    };
    while (query.next()) {
        ExportLeg* leg = leg_at(query.value(0).toInt());
        const int seat = query.value(1).toInt();
        if (leg == nullptr || (seat != 0 && seat != 1)) {
            continue;
        }
        StatisticsCounters& c = leg->leg.counters[static_cast<std::size_t>(seat)];
        int column = 2;
        for (const CounterColumn& counter : counter_columns()) {
            if (counter.fold != CounterFold::Unused) {
                c.*counter.member = query.value(column++).toInt();
            }
        }
    }
    if (!d.exec(query,
                QStringLiteral("SELECT leg_index, round_index, seat, score, left_score, darts,"
                               " check_out_darts, darts_at_double FROM visits WHERE game_id = ?"
                               " ORDER BY leg_index, round_index, seat"),
                {id})) {
        return false;
    }
    while (query.next()) {
        ExportLeg* leg = leg_at(query.value(0).toInt());
        if (leg == nullptr) {
            continue;
        }
        VisitRow v;
        v.leg_index = leg->leg.leg_index;
        v.round = query.value(1).toInt();
        v.player = query.value(2).toInt();
        v.score = query.value(3).toInt();
        v.left = query.value(4).toInt();
        v.darts = query.value(5).toInt();
        v.check_out_darts = query.value(6).toInt();
        v.darts_at_double = query.value(7).isNull() ? -1 : query.value(7).toInt();
        leg->visits.push_back(v);
    }
    // Within a round the first thrower comes first, as the game was played.
    for (ExportLeg& leg : game.legs) {
        std::stable_sort(leg.visits.begin(), leg.visits.end(),
                         [first = leg.leg.first_player](const VisitRow& a, const VisitRow& b) {
                             if (a.round != b.round) {
                                 return a.round < b.round;
                             }
                             return (a.player == first) && (b.player != first);
                         });
    }
    return true;
}

// Writes the export piece by piece, one game at a time, to a new file renamed over `path`.
bool write_export(ArchiveStore& store, ArchiveStore::Impl& d, const std::filesystem::path& path,
                  const std::string& player, const std::string& begin,
                  const std::function<std::string(const ExportGame&, bool)>& game,
                  const std::string& end) {
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly)) {
        d.failed(ArchiveError::Kind::Failed, file.errorString());
        return false;
    }
    bool first = true;
    const auto write = [&](const std::string& text) {
        return file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
    };
    bool ok = write(begin);
    for (const ExportGame& g : store.export_games(player)) {
        ok = ok && write(game(g, first));
        first = false;
    }
    ok = ok && write(end) && !d.error && file.commit();
    if (!ok && !d.error) {
        d.failed(ArchiveError::Kind::Failed, file.errorString());
    }
    return ok;
}

} // namespace

std::vector<ExportGame> ArchiveStore::export_games(const std::string& player) {
    Impl& d = *m_impl;
    std::vector<ExportGame> games;
    if (!d.writable()) {
        return games;
    }
    QSqlQuery query(d.db());
    QString sql = QStringLiteral(
        "SELECT id, identity, started, start_score, round_limit, round_count, leg_limit,"
        " max_leg, best_of, schedule_mode, game_index, name0, start0, computer0, level0, name1,"
        " start1, computer1, level1, legs_won0, legs_won1, finished FROM games");
    QVariantList values;
    if (!player.empty()) {
        sql += QStringLiteral(" WHERE id IN (SELECT lp.game_id FROM leg_players lp WHERE lp.name"
                              " IN (SELECT name FROM player_names WHERE player = ?))");
        values << to_qstring(player);
    }
    if (!d.exec(query, sql + QStringLiteral(" ORDER BY started, id"), values)) {
        return games;
    }
    while (query.next()) {
        ExportGame game;
        game.game = game_from(query);
        game.result.game_id = game.game.id;
        game.result.legs_won = {query.value(19).toInt(), query.value(20).toInt()};
        game.result.finished = query.value(21).toInt() != 0;
        games.push_back(std::move(game));
    }
    for (ExportGame& game : games) {
        if (!read_legs(d, game)) {
            return {};
        }
    }
    return games;
}

bool ArchiveStore::export_csv(const std::filesystem::path& path, const std::string& player) {
    return write_export(*this, *m_impl, path, player, export_csv_header(),
                        [](const ExportGame& g, bool) { return export_csv_rows(g); }, {});
}

bool ArchiveStore::export_json(const std::filesystem::path& path, const std::string& player) {
    return write_export(*this, *m_impl, path, player, export_json_begin(), export_json_game,
                        export_json_end());
}

ImportReport ArchiveStore::import_csv_files(const std::vector<std::filesystem::path>& files,
                                            const std::vector<CsvLabels>& languages,
                                            const StartedParser& parse_started,
                                            const std::function<bool(int, int)>& progress) {
    ImportReport report;
    const int total = static_cast<int>(files.size());
    for (int i = 0; i < total; ++i) {
        const std::filesystem::path& file = files[static_cast<std::size_t>(i)];
        const FileContents contents = read_whole_file(file, max_csv_bytes);
        if (!contents.ok) {
            report.refused.push_back(file.string() + ": " + contents.reason);
        } else if (const CsvImportResult read =
                       parse_game_csv(contents.bytes, languages, parse_started);
                   !read) {
            report.refused.push_back(file.string() + ":" + std::to_string(read.line) + ": " +
                                     read.reason);
        } else {
            bool already = false;
            if (!write_imported_game(*read.game, already)) {
                report.refused.push_back(file.string() + ": " + m_impl->error.text);
            } else if (already) {
                ++report.already;
            } else {
                ++report.imported;
            }
        }
        if (progress && !progress(i + 1, total)) {
            break;
        }
    }
    return report;
}

std::vector<std::filesystem::path> csv_files_in(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".csv" && entry.is_regular_file(error)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace dvk
