// dvk-stats: prints the career figures of the players in an archive, as the career window
// shows them: `dvk-stats ARCHIVE [--player NAME] [--json]` and filters.

#include "archive/archive_store.h"
#include "career/career_filter.h"
#include "stats_report.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Options {
    std::string archive;
    std::optional<std::string> player;
    bool json = false;
    bool players = false;
    dvk::CareerFilter filter;
};

void print_usage(std::FILE* out) {
    std::fputs("usage: dvk-stats ARCHIVE [--player NAME] [--json] [filters]\n"
               "       dvk-stats ARCHIVE --players\n"
               "  ARCHIVE            a SQLite file or a postgresql:// address\n"
               "  --player NAME      only this player (default: every player)\n"
               "  --json             one JSON object per player, one per line\n"
               "  --players          the players with their games and legs\n"
               "  --from YYYY-MM-DD  games started on or after that day\n"
               "  --to YYYY-MM-DD    games started on or before that day\n"
               "  --opponent NAME    games against that player\n"
               "  --start-score N    games of that start score\n"
               "  --opponents human|computer\n",
               out);
}

std::optional<dvk::SystemTime> day(std::string_view text) {
    return dvk::parse_archive_time(std::string(text) + " 00:00:00.000");
}

bool read_option(Options& o, std::string_view name, std::string_view value) {
    if (name == "--player") {
        o.player = std::string(value);
    } else if (name == "--from" || name == "--to") {
        const std::optional<dvk::SystemTime> t = day(value);
        if (!t) {
            return false;
        }
        (name == "--from" ? o.filter.from : o.filter.to) = *t;
    } else if (name == "--opponent") {
        o.filter.opponent = std::string(value);
    } else if (name == "--start-score") {
        std::int32_t score = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), score);
        if (error != std::errc() || end != value.data() + value.size()) {
            return false;
        }
        o.filter.start_score = score;
    } else if (name == "--opponents" && (value == "human" || value == "computer")) {
        o.filter.opponent_kind =
            value == "human" ? dvk::OpponentKind::Human : dvk::OpponentKind::Computer;
    } else {
        return false;
    }
    return true;
}

std::optional<Options> parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--json") {
            o.json = true;
        } else if (arg == "--players") {
            o.players = true;
        } else if (arg.starts_with("--")) {
            if (i + 1 >= argc || !read_option(o, arg, argv[++i])) {
                std::fprintf(stderr, "dvk-stats: invalid option '%s'\n", argv[i]);
                return std::nullopt;
            }
        } else if (o.archive.empty()) {
            o.archive = std::string(arg);
        } else {
            std::fprintf(stderr, "dvk-stats: unexpected argument '%s'\n", argv[i]);
            return std::nullopt;
        }
    }
    if (o.archive.empty()) {
        return std::nullopt;
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        print_usage(stdout);
        return 0;
    }
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        print_usage(stderr);
        return 2;
    }
    dvk::ArchiveLocation location = dvk::archive_location_named(options->archive);
    if (location.kind == dvk::ArchiveLocation::Kind::Sqlite &&
        !std::filesystem::exists(location.file)) {
        std::fprintf(stderr, "dvk-stats: %s: no such archive\n", options->archive.c_str());
        return 1;
    }
    dvk::ArchiveStore store(location);
    if (!store.is_open()) {
        std::fprintf(stderr, "dvk-stats: %s: %s\n", location.describe().c_str(),
                     store.error().text.c_str());
        return 1;
    }
    const std::vector<dvk::PlayerSummary> players = store.players();
    if (options->players) {
        for (const dvk::PlayerSummary& p : players) {
            std::printf("%s\t%lld games\t%lld legs\n", p.name.c_str(),
                        static_cast<long long>(p.games), static_cast<long long>(p.legs));
        }
        return 0;
    }
    bool found = !options->player.has_value();
    for (const dvk::PlayerSummary& p : players) {
        if (options->player && *options->player != p.name) {
            continue;
        }
        found = true;
        const dvk::CareerFigures figures = store.career(p.name, options->filter);
        const auto rows = store.head_to_head(p.name, options->filter);
        const std::string report = options->json ? dvk::json_report(p.name, figures, rows) + "\n"
                                                 : dvk::text_report(p.name, figures, rows) + "\n";
        std::fputs(report.c_str(), stdout);
    }
    if (store.error()) {
        std::fprintf(stderr, "dvk-stats: %s\n", store.error().text.c_str());
        return 1;
    }
    if (!found) {
        std::fprintf(stderr, "dvk-stats: no player '%s' in %s\n", options->player->c_str(),
                     location.describe().c_str());
        return 1;
    }
    return 0;
}
