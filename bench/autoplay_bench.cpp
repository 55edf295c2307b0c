// A whole game: "Start new game" with the shipped data, then the computer
// player to the end of 2005 (autosave off). The late years carry hundreds of
// titles on sale and every market, so this is where a step that grows with
// the catalogue shows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "autoplay/autoplay.h"
#include "game_folder.h"
#include "setup/new_game.h"
#include "sim/week_tick.h"

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

// The weeks of 2005 in that same company: the computer player grows it to the
// end of 2004 (outside the timing), then each week's tick alone is timed,
// with its buildings, staff, consoles and hundreds of its own titles on sale.
void BM_WeekTick2005GrownCompany(benchmark::State& state) {
    const cw::bench::GameFolder dir(state, "cw_bench_tick2005");
    if (!dir.ready()) return;
    cw::Game g;
    g.programFolder = dir.path();
    g.rng.fixedSeed = 2;
    cw::SilentPlayer player;
    cw::ReferenceTables ref;
    cw::NewGameOptions o;
    o.gameLevel = 1;
    cw::startNewGame(g, player, ref, o);
    g.session.autosave = false;
    cw::AutoplayOptions play;
    play.level = 3;
    play.untilYear = 2004;
    const cw::AutoplayReport report = cw::autoplay(g, player, play);
    if (g.gameOver) {
        state.SkipWithError("the company did not live to 2005");
        return;
    }
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        cw::weekTick(g, player);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros.empty() ? 0.0 : micros[micros.size() / 2];
    state.counters["max_us"] = micros.empty() ? 0.0 : micros.back();
    state.counters["buildings"] = report.buildings;
    state.counters["consoles"] = report.consolesReleased;
    state.counters["staff"] = report.years.empty() ? 0 : report.years.back().employees;
}
// The year's weeks up to the last one, which ends the game.
BENCHMARK(BM_WeekTick2005GrownCompany)->Unit(benchmark::kMicrosecond)->Iterations(51);

}  // namespace
