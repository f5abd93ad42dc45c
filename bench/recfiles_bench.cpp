#include "storage/csv_export.h"
#include "storage/recovery_writer.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace dvk {
namespace {

// A finished 501 leg of `rounds` rounds won by the first thrower.
LegRecord finished_leg(int first, std::int32_t rounds) {
    LegRecord leg = LegRecord::with_capacity(20, rounds + 1);
    leg.first_player = first;
    leg.round = rounds - 1;
    leg.next_player = 1 - first;
    for (std::int32_t i = 0; i < rounds; ++i) {
        leg.scores[0][static_cast<std::size_t>(i)] = 45;
        leg.scores[1][static_cast<std::size_t>(i)] = 60;
    }
    leg.scores[static_cast<std::size_t>(first)][static_cast<std::size_t>(rounds - 1)] = -2;
    leg.finished = 1;
    leg.winner = first;
    leg.winning_darts = 3 * (rounds - 1) + 2;
    leg.check_out = 36;
    return leg;
}

GameRecord game_with_legs(std::int32_t finished_legs) {
    GameRecord game;
    game.start_score = 501;
    game.leg_index = finished_legs;
    for (std::int32_t i = 0; i < finished_legs; ++i) {
        game.legs.push_back(finished_leg(i % 2, 12));
    }
    game.legs.push_back(LegRecord::with_capacity(10, 1));
    for (auto& d : game.darts_at_double) {
        d.assign(11, 0);
    }
    for (auto& p : game.players) {
        p.name = "Player, \"quoted\"";
        p.start_score = 501;
        p.game.total_score = 12345;
        p.game.total_darts = 678;
    }
    return game;
}

std::filesystem::path bench_file(const char* name) {
    return std::filesystem::temp_directory_path() /
           (std::string("dvk-bench-") + std::to_string(::getpid()) + "-" + name);
}

void recovery_cell_update(benchmark::State& state) {
    GameRecord game = game_with_legs(5);
    const GameOptions options;
    RecoveryWriter writer(bench_file("cell.tmp"));
    if (!writer.write(true, RecoveryWrite::Complete, {options, {}, game}).ok) {
        state.SkipWithError("complete write failed");
        return;
    }
    std::int16_t score = 0;
    for (auto _ : state) {
        game.current_leg().scores[0][3] = score;
        score = static_cast<std::int16_t>((score + 1) % 181);
        benchmark::DoNotOptimize(
            writer.write(true, RecoveryWrite::Cell, {options, {}, game}, 0, 3));
    }
    std::filesystem::remove(writer.path());
}
BENCHMARK(recovery_cell_update)->Unit(benchmark::kMicrosecond);

void recovery_complete_rewrite(benchmark::State& state) {
    const GameRecord game = game_with_legs(static_cast<std::int32_t>(state.range(0)));
    const GameOptions options;
    RecoveryWriter writer(bench_file("complete.tmp"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(writer.write(true, RecoveryWrite::Complete, {options, {}, game}));
    }
    std::filesystem::remove(writer.path());
}
BENCHMARK(recovery_complete_rewrite)->Arg(2)->Arg(50)->Unit(benchmark::kMicrosecond);

void csv_compose_50_legs(benchmark::State& state) {
    const GameRecord game = game_with_legs(50);
    CsvLocale locale;
    locale.date = [](const SystemTime&) { return std::string("2026/12/07"); };
    locale.time = [](const SystemTime&) { return std::string("10:15:00"); };
    for (auto _ : state) {
        benchmark::DoNotOptimize(compose_game_csv(game, locale));
    }
}
BENCHMARK(csv_compose_50_legs)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dvk
