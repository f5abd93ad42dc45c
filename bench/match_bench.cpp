#include "match/automatic_ports.h"

#include <benchmark/benchmark.h>

namespace {

using namespace dvk;

// A visit committed at the end of a leg that has already run for 1000 rounds without a score,
// with check-out mode on so every visit also counts darts at a double.
void BM_CommitVisitInALegOf1000Rounds(benchmark::State& state) {
    AppOptions options;
    options.game.start_score = 100000;
    options.check_out_mode = 1;
    AutomaticPorts ports;
    Match match(options, ports, ports, ports);
    match.start_new_game(false);
    ScoreSheet& sheet = match.sheet();
    for (int round = 0; round < 1000; ++round) {
        sheet.commit_visit(InputCell{0, round}, 0);
        sheet.commit_visit(InputCell{1, round}, 0);
    }
    const InputCell earlier{0, 500};
    int value = 0;
    for (auto _ : state) {
        value = value == 60 ? 0 : 60;
        benchmark::DoNotOptimize(sheet.commit_visit(earlier, value));
    }
}
BENCHMARK(BM_CommitVisitInALegOf1000Rounds);

} // namespace
