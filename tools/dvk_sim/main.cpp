// dvk-sim: plays legs of 501 computer against computer and prints, per level, how the
// computer opponent scores. Used to check the throw model and the COM table by their numbers,
// and to calibrate the levels named by their average.

#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_leg.h"
#include "com/spread_calibration.h"
#include "com/spread_levels.h"

#ifdef DVK_SIM_ARCHIVE
#include "sim_archive.h"
#endif

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::int32_t start_score = 501;
constexpr std::int32_t levels_offered = 12;
constexpr std::int64_t max_legs = 10'000'000;

enum class Run { TableLevels, AverageLevel, Calibration, Recalibration };

struct Options {
    std::int64_t legs = 1000;
    std::uint32_t seed = 1;
    std::optional<std::int32_t> level; // as shown, 1 to 12
    std::int32_t average = 0;          // with Run::AverageLevel
    Run run = Run::TableLevels;
    std::string archive; // write the legs into this archive instead
    std::int64_t batch = 1;
};

struct LevelTotals {
    dvk::ComLevelTotals totals;
    double seconds = 0;
};

void print_usage(std::FILE* out) {
    std::fputs("usage: dvk-sim [--legs N] [--seed S] [--level L | --average A | --calibrate |\n"
               "               --recalibrate | --archive A [--batch B]]\n"
               "  --legs N       legs of 501 per level, 1 to 10000000 (default 1000)\n"
               "  --seed S       seed of the random source, 0 to 4294967295 (default 1)\n"
               "  --level L      play only table level L, 1 to 12 (default: every level)\n"
               "  --average A    play only the level named by its average A (30, 40, ... 110)\n"
               "  --calibrate    play every average level and compare it with its name\n"
               "  --recalibrate  find each average level's spread anew, then compare\n"
               "  --archive A    play games of 501 (best of 5) and write N legs into the\n"
               "                 archive A (a SQLite file or a postgresql:// address)\n"
               "  --batch B      legs per transaction with --archive (default 1)\n",
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
        if (name == "--calibrate" || name == "--recalibrate") {
            options.run = name == "--calibrate" ? Run::Calibration : Run::Recalibration;
            continue;
        }
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
        } else if (name == "--average") {
            const auto average = parse_number<std::int32_t>(value, 1, 999);
            if (!average || !dvk::is_spread_level(dvk::average_level(*average))) {
                return std::nullopt;
            }
            options.average = *average;
            options.run = Run::AverageLevel;
        } else {
            bad = name;
            return std::nullopt;
        }
    }
    return options;
}

LevelTotals play_level(dvk::ComThrower& thrower, std::int32_t level, std::int64_t legs) {
    const auto start = std::chrono::steady_clock::now();
    LevelTotals result{dvk::play_level_legs(thrower, level, legs), 0};
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

void print_level(std::int32_t shown_level, const LevelTotals& level) {
    const dvk::ComLevelTotals& t = level.totals;
    const double per_second =
        level.seconds > 0 ? static_cast<double>(t.simulated_darts) / level.seconds : 0.0;
    std::printf("%5d %8lld %10.2f %11.2f %12.2f %12.2f %12.0f\n", shown_level,
                static_cast<long long>(t.legs), t.darts_per_leg_won(), t.three_dart_average(),
                t.first9_average(), t.check_out_rate(), per_second);
    if (t.undecided > 0) {
        std::printf("      %lld legs ended undecided after %d rounds\n",
                    static_cast<long long>(t.undecided), dvk::com_leg_round_limit);
    }
}

void print_header() {
    std::printf("level     legs  darts/leg  3-dart avg  first-9 avg  check-out %%      darts/s\n");
}

// Each level starts from its own seed, so one level alone gives the same figures.
std::uint32_t level_seed(const Options& options, std::int32_t shown) {
    return options.seed + static_cast<std::uint32_t>(shown);
}

int run_table_levels(const Options& options, dvk::ComThrower& thrower) {
    std::printf("%lld legs of %d per level, seed %u, built-in COM table\n",
                static_cast<long long>(options.legs), start_score, options.seed);
    print_header();
    const std::int32_t first = options.level.value_or(1);
    const std::int32_t last = options.level.value_or(levels_offered);
    for (std::int32_t shown = first; shown <= last; ++shown) {
        thrower.reseed(level_seed(options, shown));
        print_level(shown, play_level(thrower, shown - 1, options.legs));
    }
    return 0;
}

int run_average_level(const Options& options, dvk::ComThrower& thrower) {
    std::printf("%lld legs of %d, seed %u, average level %d (spread levels use the built-in "
                "check-out table)\n",
                static_cast<long long>(options.legs), start_score, options.seed, options.average);
    print_header();
    thrower.reseed(level_seed(options, options.average));
    print_level(options.average,
                play_level(thrower, dvk::average_level(options.average), options.legs));
    return 0;
}

// Plays each average level and sets its figures beside its name; with `recalibrate` it
// first searches each level's spread size again, with a fifth of the legs per step.
int run_calibration(const Options& options, const dvk::ComTable& table, bool recalibrate) {
    std::printf("calibration: %lld legs of %d per level, seed %u, built-in COM and check-out "
                "tables%s\n",
                static_cast<long long>(options.legs), start_score, options.seed,
                recalibrate ? ", spreads searched anew" : "");
    std::printf("target  sigma mm  3-dart avg  deviation  first-9 avg  check-out %%  "
                "darts/leg  within 1.0\n");
    bool all_within = true;
    for (const dvk::AverageLevel& level : dvk::average_levels()) {
        const std::uint32_t seed = level_seed(options, level.average);
        const double sigma =
            recalibrate ? dvk::calibrate_spread_size(level.average,
                                                     std::max<std::int64_t>(options.legs / 5, 1),
                                                     seed, table)
                        : level.sigma;
        dvk::ComThrower thrower(table, dvk::default_target(20, 3), seed);
        const std::int32_t played =
            recalibrate ? dvk::fitted_level(sigma) : dvk::average_level(level.average);
        const dvk::ComLevelTotals t = dvk::play_level_legs(thrower, played, options.legs);
        const double deviation = t.three_dart_average() - level.average;
        const bool within = std::abs(deviation) <= 1.0;
        all_within = all_within && within;
        std::printf("%6d %9.1f %11.2f %+10.2f %12.2f %12.2f %10.2f  %s\n", level.average, sigma,
                    t.three_dart_average(), deviation, t.first9_average(), t.check_out_rate(),
                    t.darts_per_leg_won(), within ? "yes" : "NO");
    }
    return all_within ? 0 : 1;
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
    switch (options->run) {
    case Run::TableLevels:
        return run_table_levels(*options, thrower);
    case Run::AverageLevel:
        return run_average_level(*options, thrower);
    case Run::Calibration:
    case Run::Recalibration:
        return run_calibration(*options, table, options->run == Run::Recalibration);
    }
    return 0;
}
