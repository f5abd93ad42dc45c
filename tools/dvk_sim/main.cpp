// dvk-sim: plays legs of 501 computer against computer and prints, per level, how the
// computer opponent scores. Used to check the throw model and the COM table by their numbers.

#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_leg.h"

#ifdef DVK_SIM_ARCHIVE
#include "sim_archive.h"
#endif

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::int32_t start_score = 501;
constexpr std::int32_t levels_offered = 12;
constexpr std::int64_t max_legs = 10'000'000;

struct Options {
    std::int64_t legs = 1000;
    std::uint32_t seed = 1;
    std::optional<std::int32_t> level; // as shown, 1 to 12
    std::string archive;               // write the legs into this archive instead
    std::int64_t batch = 1;
};

struct LevelTotals {
    std::int64_t legs = 0;
    std::int64_t undecided = 0;
    std::int64_t winner_darts = 0;
    std::int64_t points = 0;
    std::int64_t darts = 0;
    std::int64_t first9_points = 0;
    std::int64_t first9_darts = 0;
    std::int64_t double_darts = 0;
    std::int64_t check_outs = 0;
    std::int64_t simulated_darts = 0;
    double seconds = 0;
};

void print_usage(std::FILE* out) {
    std::fputs("usage: dvk-sim [--legs N] [--seed S] [--level L]\n"
               "  --legs N   legs of 501 per level, 1 to 10000000 (default 1000)\n"
               "  --seed S   seed of the random source, 0 to 4294967295 (default 1)\n"
               "  --level L  play only level L, 1 to 12 (default: every level)\n"
               "  --archive A  play games of 501 (best of 5) and write N legs into the\n"
               "               archive A (a SQLite file or a postgresql:// address)\n"
               "  --batch B  legs per transaction with --archive (default 1)\n",
               out);
}

template <typename T> std::optional<T> parse_number(std::string_view text, T low, T high) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// Reads the command line; on an argument it does not understand it names it in `bad`.
std::optional<Options> parse_options(int argc, char** argv, std::string_view& bad) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        bad = name;
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        bad = value;
        if (name == "--legs") {
            const auto legs = parse_number<std::int64_t>(value, 1, max_legs);
            if (!legs) {
                return std::nullopt;
            }
            options.legs = *legs;
        } else if (name == "--seed") {
            const auto seed = parse_number<std::uint32_t>(value, 0, UINT32_MAX);
            if (!seed) {
                return std::nullopt;
            }
            options.seed = *seed;
        } else if (name == "--archive") {
            options.archive = value;
        } else if (name == "--batch") {
            const auto batch = parse_number<std::int64_t>(value, 1, 100000);
            if (!batch) {
                return std::nullopt;
            }
            options.batch = *batch;
        } else if (name == "--level") {
            options.level = parse_number<std::int32_t>(value, 1, levels_offered);
            if (!options.level) {
                return std::nullopt;
            }
        } else {
            bad = name;
            return std::nullopt;
        }
    }
    return options;
}

void add_leg(LevelTotals& totals, const dvk::ComLegStats& leg) {
    ++totals.legs;
    totals.simulated_darts += leg.simulated_darts;
    if (leg.winner < 0) {
        ++totals.undecided;
    } else {
        totals.winner_darts += leg.darts[static_cast<std::size_t>(leg.winner)];
        ++totals.check_outs;
    }
    for (std::size_t p = 0; p < 2; ++p) {
        totals.points += leg.points[p];
        totals.darts += leg.darts[p];
        totals.first9_points += leg.first9_points[p];
        totals.first9_darts += leg.first9_darts[p];
        totals.double_darts += leg.double_darts[p];
    }
}

LevelTotals play_level(dvk::ComThrower& thrower, std::int32_t level_index, std::int64_t legs) {
    LevelTotals totals;
    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t leg = 0; leg < legs; ++leg) {
        add_leg(totals, dvk::play_com_leg(thrower, {level_index, level_index}, start_score,
                                          static_cast<int>(leg % 2)));
    }
    totals.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return totals;
}

double ratio(std::int64_t part, std::int64_t whole, double scale) {
    return whole > 0 ? scale * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

void print_level(std::int32_t shown_level, const LevelTotals& t) {
    const double per_second =
        t.seconds > 0 ? static_cast<double>(t.simulated_darts) / t.seconds : 0.0;
    std::printf("%5d %8lld %10.2f %11.2f %12.2f %12.2f %12.0f\n", shown_level,
                static_cast<long long>(t.legs), ratio(t.winner_darts, t.check_outs, 1.0),
                ratio(t.points, t.darts, 3.0), ratio(t.first9_points, t.first9_darts, 3.0),
                ratio(t.check_outs, t.double_darts, 100.0), per_second);
    if (t.undecided > 0) {
        std::printf("      %lld legs ended undecided after %d rounds\n",
                    static_cast<long long>(t.undecided), dvk::com_leg_round_limit);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        print_usage(stdout);
        return 0;
    }
    std::string_view bad;
    const std::optional<Options> options = parse_options(argc, argv, bad);
    if (!options) {
        std::fprintf(stderr, "dvk-sim: invalid argument '%.*s'\n", static_cast<int>(bad.size()),
                     bad.data());
        print_usage(stderr);
        return 2;
    }
    const dvk::ComTable table(
        dvk::parse_arrange_text(dvk::builtin_arrange_text(dvk::BuiltinTable::Com)));
    dvk::ComThrower thrower(table, dvk::default_target(20, 3), options->seed);
    if (!options->archive.empty()) {
#ifdef DVK_SIM_ARCHIVE
        return dvk::write_sim_archive(
            {options->archive, options->legs, options->batch, options->seed}, thrower);
#else
        std::fprintf(stderr, "dvk-sim: built without the archive (Qt SQL)\n");
        return 2;
#endif
    }
    std::printf("%lld legs of %d per level, seed %u, built-in COM table\n",
                static_cast<long long>(options->legs), start_score, options->seed);
    std::printf("level     legs  darts/leg  3-dart avg  first-9 avg  check-out %%      darts/s\n");
    const std::int32_t first = options->level.value_or(1);
    const std::int32_t last = options->level.value_or(levels_offered);
    for (std::int32_t shown = first; shown <= last; ++shown) {
        // Each level starts from its own seed, so one level alone gives the same figures.
        thrower.reseed(options->seed + static_cast<std::uint32_t>(shown));
        print_level(shown, play_level(thrower, shown - 1, options->legs));
    }
    return 0;
}
