// Speed of the weekly task step with every slot busy: 500 game projects in
// their core phase, each with a leader and four members.
#include <benchmark/benchmark.h>

#include <string>

#include "setup/world_init.h"
#include "sim/task_progress.h"
#include "state/game.h"
#include "state/player.h"
#include "state/tasks.h"

namespace {

void fillBusyTasks(cw::Game& g) {
    cw::fillGenreProfiles(g.session);
    g.tables().genres[1].name = "Action,Adventure";
    g.world().gameLevel = 2;
    g.world().ownEngines[1][1].experience = 40;
    auto& people = g.tables().people;
    for (int t = 1; t <= 500; ++t) {
        cw::Task& task = g.tables().tasks[t];
        task.name = "Game " + std::to_string(t);
        task.workTotal = 1000000000;  // never reaches its finishing phase
        task.game.genre = 1;
        task.game.platform = 1;
        task.game.shareProgramming = 34;
        task.game.shareDesign = task.game.shareGraphics = 33;
        task.game.focusGameplay = 34;
        task.game.focusComplexity = task.game.focusReplayability = 33;
        for (int k = 0; k < 5; ++k) {
            const int person = (t - 1) * 5 + k + 1;
            people[person].name = "P" + std::to_string(person);
            people[person].programming = static_cast<cw::u8>(2 + person % 7);
            people[person].design = static_cast<cw::u8>(2 + person % 5);
            people[person].graphics = static_cast<cw::u8>(2 + person % 6);
            people[person].salary = 2000;
            if (k == 0)
                task.leader = person;
            else
                task.staff[k] = person;
        }
    }
}

void BM_AdvanceTasks500Games(benchmark::State& state) {
    cw::Game g;
    cw::SilentPlayer p;
    fillBusyTasks(g);
    g.currentYear = 1990;
    g.currentWeek = 5;  // no code-bug week
    for (auto _ : state) {
        cw::advanceTasks(g, p);
        benchmark::DoNotOptimize(g.tables().tasks[500].progress);
    }
}
BENCHMARK(BM_AdvanceTasks500Games)->Unit(benchmark::kMicrosecond);

}  // namespace
