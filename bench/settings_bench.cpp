// Load and save of a full settings file: every section populated, a schedule of ten games, a
// customised key table, plug-ins and a name list.

#include "settings/builtin_tables.h"
#include "settings/options_load.h"
#include "settings/options_save.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

dvk::AppOptions full_options() {
    dvk::AppOptions options = dvk::default_options({});
    options.main_window = {40, 30, 1024, 768};
    options.history_window = {100, 100, 640, 480};
    options.auto_save = 1;
    options.auto_save_path = "/home/player/darts/games";
    for (int i = 0; i < 10; ++i) {
        options.name_list.push_back("Player name " + std::to_string(i));
    }
    options.schedule.clear();
    for (int i = 0; i < 10; ++i) {
        dvk::GameOptions game = options.game;
        game.leg_limit = 1;
        game.start_score = i == 0 ? 1001 : 501;
        game.p1_name = "Home " + std::to_string(i);
        game.p2_name = "Away " + std::to_string(i);
        options.schedule.push_back(game);
    }
    options.set_color(dvk::ColorItem::background, dvk::rgb(240, 240, 255));
    options.set_color(dvk::ColorItem::ton_circle, dvk::rgb(200, 0, 0));
    options.keys = dvk::builtin_key_table();
    options.keys_customised = 1;
    for (int i = 0; i < 3; ++i) {
        options.plugins.push_back({"Plug-in " + std::to_string(i), "/usr/lib/dvk/sample.so",
                                   "function_" + std::to_string(i), "--verbose", 8, 'P' + i});
    }
    return options;
}

std::string full_file_text() {
    dvk::ProfileDocument document;
    const dvk::AppOptions options = full_options();
    dvk::write_options(document, options);
    dvk::write_game_options(document, options.game);
    dvk::write_schedule(document, options.schedule);
    return document.serialise();
}

void BM_SettingsLoadSaveInMemory(benchmark::State& state) {
    const std::string text = full_file_text();
    for (auto _ : state) {
        const dvk::AppOptions options =
            dvk::read_options(dvk::ProfileDocument::parse(text), dvk::OptionsEnvironment{});
        dvk::ProfileDocument document = dvk::ProfileDocument::parse(text);
        dvk::write_options(document, options);
        benchmark::DoNotOptimize(document.serialise());
    }
}
BENCHMARK(BM_SettingsLoadSaveInMemory)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_SettingsLoadSaveFile(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "dvk-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/dvk.ini";
    if (!dvk::profile_save(dvk::ProfileDocument::parse(full_file_text()), path)) {
        state.SkipWithError("cannot write the settings file");
    }
    for (auto _ : state) {
        dvk::AppOptions options;
        dvk::load_options(path, dvk::OptionsEnvironment{}, options);
        benchmark::DoNotOptimize(dvk::save_options(path, options));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SettingsLoadSaveFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
