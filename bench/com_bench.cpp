#include "com/arrange_loader.h"
#include "com/arrange_parser.h"
#include "com/com_leg.h"

#include <benchmark/benchmark.h>

namespace {

void parse_builtin(benchmark::State& state, dvk::BuiltinTable id) {
    const std::string_view text = dvk::builtin_arrange_text(id);
    for (auto _ : state) {
        dvk::ArrangeTable table = dvk::parse_arrange_text(text);
        benchmark::DoNotOptimize(table);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ParseCheckoutTable(benchmark::State& state) {
    parse_builtin(state, dvk::BuiltinTable::Checkout);
}
BENCHMARK(BM_ParseCheckoutTable);

void BM_ParseComTable(benchmark::State& state) {
    parse_builtin(state, dvk::BuiltinTable::Com);
}
BENCHMARK(BM_ParseComTable);

const dvk::ComTable& builtin_com_table() {
    static const dvk::ComTable table(
        dvk::parse_arrange_text(dvk::builtin_arrange_text(dvk::BuiltinTable::Com)));
    return table;
}

// One dart with the given score left and stored level: 501 has no entry (default target), 81
// draws among ten weighted entries, 32 aims at a double and counts it. Level 1060 is the
// spread player of average 60: 501 aims for points, 32 at double 16.
void BM_ComDart(benchmark::State& state) {
    dvk::ComThrower thrower(builtin_com_table(), {20, 3}, 1);
    dvk::GameRecord game;
    game.players[0].remaining = static_cast<std::int32_t>(state.range(0));
    game.players[0].com_level = static_cast<std::int32_t>(state.range(1));
    game.players[1].remaining = 501;
    game.legs.push_back(dvk::LegRecord::with_capacity(10, 1));
    for (auto& d : game.darts_at_double) {
        d.assign(11, 0);
    }
    dvk::ComDarts darts{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(thrower.throw_com_dart(game, 0, 0, darts));
        game.darts_at_double[0][0] = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComDart)
    ->Args({501, 5})
    ->Args({81, 5})
    ->Args({32, 5})
    ->Args({501, 1060})
    ->Args({32, 1060});

// A whole leg of 501 between two computers of one level (index 0, 5 or 11, or the spread
// players of average 30, 60 and 110); items are the darts thrown, so items per second is the
// simulation's dart rate.
void BM_ComLeg(benchmark::State& state) {
    dvk::ComThrower thrower(builtin_com_table(), {20, 3}, 1);
    const auto level = static_cast<std::int32_t>(state.range(0));
    std::int64_t darts = 0;
    int first = 0;
    for (auto _ : state) {
        const dvk::ComLegStats leg = dvk::play_com_leg(thrower, {level, level}, 501, first);
        darts += leg.simulated_darts;
        first = 1 - first;
        benchmark::DoNotOptimize(leg);
    }
    state.SetItemsProcessed(darts);
}
BENCHMARK(BM_ComLeg)->Arg(0)->Arg(5)->Arg(11)->Arg(1030)->Arg(1060)->Arg(1110);

} // namespace
