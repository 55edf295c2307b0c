// Speed of the building blocks every weekly step leans on.
#include <benchmark/benchmark.h>

#include "state/game.h"

namespace {

void BM_RandomDraws(benchmark::State& state) {
    cw::Random rng;
    rng.seed = 12345;
    std::int64_t sum = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) sum += rng.randomInt(1000);
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_RandomDraws);

// A full pass over every table, the way a week's steps walk them.
void BM_FullTablePass(benchmark::State& state) {
    cw::Game g;
    for (auto _ : state) {
        std::int64_t sum = 0;
        auto& t = g.tables();
        for (const auto& c : t.cpus) sum += c.price;
        for (int y = 1977; y <= 2015; ++y)
            for (const auto& gt : t.gameTitles[y]) sum += gt.totalSales;
        for (const auto& p : t.platforms) sum += p.soldUnits;
        for (const auto& p : t.people) sum += p.salary;
        for (const auto& c : t.companies) sum += c.money;
        for (const auto& gn : t.genres) sum += gn.interest;
        for (const auto& tk : t.tasks) sum += tk.progress;
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sizeof(cw::SaveImage)));
}
BENCHMARK(BM_FullTablePass)->Unit(benchmark::kMicrosecond);

}  // namespace
