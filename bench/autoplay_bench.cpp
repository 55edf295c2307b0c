// A whole game: "Start new game" with the shipped data, then the computer
// player to the end of 2005 (autosave off). The late years carry hundreds of
// titles on sale and every market, so this is where a step that grows with
// the catalogue shows.
#include <benchmark/benchmark.h>

#include "autoplay/autoplay.h"
#include "game_folder.h"
#include "setup/new_game.h"

namespace {

void BM_WholeGameAutoplay(benchmark::State& state) {
    const cw::bench::GameFolder dir(state, "cw_bench_autoplay");
    if (!dir.ready()) return;
    cw::AutoplayReport report;
    for (auto _ : state) {
        cw::Game g;
        g.programFolder = dir.path();
        g.rng.fixedSeed = static_cast<std::uint32_t>(state.range(0));
        cw::SilentPlayer player;
        cw::ReferenceTables ref;
        cw::NewGameOptions o;
        o.gameLevel = 1;  // the default company value; seed 2 then reaches the end of 2005 with three consoles
        cw::startNewGame(g, player, ref, o);
        g.session.autosave = false;
        cw::AutoplayOptions play;
        play.level = 3;  // every habit: offices, facilities, tools, sequels, the show, a factory and consoles
        report = cw::autoplay(g, player, play);
    }
    state.counters["weeks"] = report.weeksPlayed;
    state.counters["endYear"] = report.endYear;
    state.counters["games"] = report.gamesReleased;
    state.counters["buildings"] = report.buildings;
    state.counters["consoles"] = report.consolesReleased;
    double units = 0;
    for (const cw::AutoplayYear& y : report.years) units += y.consoleUnits;
    state.counters["consoleUnits"] = units;
    state.counters["staff"] = report.years.empty() ? 0 : report.years.back().employees;
}
BENCHMARK(BM_WholeGameAutoplay)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

}  // namespace
