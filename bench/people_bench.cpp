// Speed of the labour market's weekly drift and of the hiring screen's list,
// on a market the size of the shipped one.
#include <benchmark/benchmark.h>

#include <memory>

#include "people/hiring.h"
#include "people/labour_market.h"
#include "people/people_generation.h"
#include "state/game.h"

namespace {

std::unique_ptr<cw::Game> marketOf(int people) {
    auto g = std::make_unique<cw::Game>();
    cw::ReferenceTables t;
    t.list_people.setRowCount(people + 1);
    for (int i = 1; i <= people; ++i) {
        t.list_people.setCell(0, i, "Person," + std::to_string(i));
        t.list_people.setCell(1, i, std::to_string(4 * (1 + i % 3)));
    }
    t.list_genre.setRowCount(39);
    g->rng.seed = 1;
    cw::generatePeople(*g, t);
    return g;
}

void BM_WeeklySkillDrift(benchmark::State& state) {
    auto g = marketOf(4500);
    for (auto _ : state) {
        g->currentWeek = 50;  // a week with every kind of growth
        cw::weeklySkillDrift(*g);
        benchmark::DoNotOptimize(g->tables().people[1].leadership);
    }
}
BENCHMARK(BM_WeeklySkillDrift)->Unit(benchmark::kMicrosecond);

void BM_CandidateListSortedBySalary(benchmark::State& state) {
    auto g = marketOf(4500);
    g->world().headquartersLevel = 3;
    cw::HiringScreen screen(*g);
    screen.open();
    screen.sortBy(1);
    for (auto _ : state) {
        screen.rebuild();
        benchmark::DoNotOptimize(screen.rows().size());
    }
}
BENCHMARK(BM_CandidateListSortedBySalary)->Unit(benchmark::kMicrosecond);

}  // namespace
