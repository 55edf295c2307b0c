// "Start new game" with the shipped data: the reference import from
// data.zip and the whole world set-up. A player waits through this once per
// game, behind the progress window.
#include <benchmark/benchmark.h>

#include "game_folder.h"
#include "setup/new_game.h"

namespace {

void BM_StartNewGame(benchmark::State& state) {
    const cw::bench::GameFolder dir(state, "cw_bench_newgame");
    if (!dir.ready()) return;
    cw::Game g;
    g.programFolder = dir.path();
    g.rng.fixedSeed = 1980;
    cw::SilentPlayer player;
    int titles = 0;
    for (auto _ : state) {
        cw::ReferenceTables ref;
        cw::startNewGame(g, player, ref, cw::NewGameOptions{});
        titles = cw::summarizeWorld(g).catalogueTitles;
    }
    state.counters["titles"] = titles;
}
BENCHMARK(BM_StartNewGame)->Unit(benchmark::kMillisecond);

}  // namespace
