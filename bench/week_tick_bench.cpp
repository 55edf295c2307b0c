// Speed of one week tick on a new, empty world.
#include <benchmark/benchmark.h>

#include "sim/week_tick.h"
#include "state/game.h"
#include "state/player.h"

namespace {

void BM_WeekTick(benchmark::State& state) {
    cw::Game g;
    cw::SilentPlayer p;
    g.world().gameLevel = 2;
    g.world().money = 4000000;
    g.programFolder = std::string(".");
    g.session.inboxOptions.deleteOldMail = true;
    for (auto _ : state) {
        // The same week every time: a week 10 would write the play-time file,
        // and the game would end after 2005.
        g.currentYear = 1990;
        g.currentWeek = 5;
        cw::weekTick(g, p);
        benchmark::DoNotOptimize(g.world().money);
    }
}
BENCHMARK(BM_WeekTick)->Unit(benchmark::kMicrosecond);

}  // namespace
