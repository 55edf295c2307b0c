// "Start new game" with the shipped data: the reference import from
// data.zip and the whole world set-up. A player waits through this once per
// game, behind the progress window.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "setup/new_game.h"

namespace {
namespace fs = std::filesystem;

void BM_StartNewGame(benchmark::State& state) {
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("cw_bench_newgame_" + std::to_string(rd()));
    fs::create_directories(dir);
    std::error_code ec;
    fs::copy_file(fs::path(CW_BENCH_GAME_DIR) / "data.zip", dir / "data.zip", ec);
    if (ec) {
        state.SkipWithError("data.zip is missing from the game folder; build the cw_data target first");
        fs::remove_all(dir);
        return;
    }
    cw::Game g;
    g.programFolder = dir.string();
    g.rng.fixedSeed = 1980;
    cw::SilentPlayer player;
    int titles = 0;
    for (auto _ : state) {
        cw::ReferenceTables ref;
        cw::startNewGame(g, player, ref, cw::NewGameOptions{});
        titles = cw::summarizeWorld(g).catalogueTitles;
    }
    state.counters["titles"] = titles;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_StartNewGame)->Unit(benchmark::kMillisecond);

}  // namespace
