// The market's weekly cost: the sales chart of a full window against the
// straightforward scan, one week tick of a late-1990s world, and a whole
// game from "Start new game" to its last week.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <vector>

#include "market/market_world.h"
#include "market/sales.h"
#include "setup/new_game.h"
#include "sim/week_tick.h"

namespace {
namespace fs = std::filesystem;

// 4 x 3,500 selling titles whose sums often tie.
struct FullWindow {
    cw::test::MarketWorld m;
    std::vector<cw::i32> thisWeek;

    FullWindow() {
        std::mt19937 rng(7);
        for (int y = 1977; y <= 1980; ++y) {
            for (int n = 1; n <= 3500; ++n) {
                cw::GameTitle& t = m.title(y, 90);
                t.totalSales = 1000;
                t.weekSalesUS = static_cast<cw::i32>(rng() % 2000) * 50;
                thisWeek.push_back(static_cast<cw::i32>(rng() % 2000) * 50);
            }
        }
    }
    cw::GameTitle& at(int k) { return m.g.tables().gameTitles[1977 + k / 3500][1 + k % 3500]; }
};

void BM_ChartFullWindow(benchmark::State& state) {
    FullWindow w;
    const int n = static_cast<int>(w.thisWeek.size());
    std::vector<cw::i32> lastWeek(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) lastWeek[static_cast<std::size_t>(k)] = w.at(k).weekSalesUS;
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 0; k < n; ++k) w.at(k).weekSalesUS = lastWeek[static_cast<std::size_t>(k)];
        state.ResumeTiming();
        cw::SalesChart chart;
        chart.begin(w.m.g, 1977, 1980);
        for (int k = 0; k < n; ++k) {
            cw::GameTitle& t = w.at(k);
            t.weekSalesUS = w.thisWeek[static_cast<std::size_t>(k)];
            chart.rankLater(k, t.weekSalesUS, t);
            chart.passed(k, t);
        }
        chart.finish();
        benchmark::DoNotOptimize(w.at(0).chartPos);
    }
    state.counters["titles"] = n;
}
BENCHMARK(BM_ChartFullWindow)->Unit(benchmark::kMillisecond);

void BM_ChartFullWindowScan(benchmark::State& state) {
    FullWindow w;
    const int n = static_cast<int>(w.thisWeek.size());
    for (auto _ : state) {
        for (int k = 0; k < n; ++k) {
            cw::GameTitle& t = w.at(k);
            t.weekSalesUS = w.thisWeek[static_cast<std::size_t>(k)];
            cw::storeChartPos(t, cw::test::referenceChartScan(w.m.g, 1977 + k / 3500, 1 + k % 3500));
        }
        benchmark::DoNotOptimize(w.at(0).chartPos);
    }
    state.counters["titles"] = n;
}
BENCHMARK(BM_ChartFullWindowScan)->Unit(benchmark::kMillisecond)->Iterations(2);

// A started game in a folder of its own, with autosave off.
struct StartedGame {
    fs::path dir;
    cw::Game g;
    cw::SilentPlayer p;
    bool ok = false;

    StartedGame() {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("cw_bench_market_" + std::to_string(rd()));
        fs::create_directories(dir);
        std::error_code ec;
        fs::copy_file(fs::path(CW_BENCH_GAME_DIR) / "data.zip", dir / "data.zip", ec);
        if (ec) return;
        g.programFolder = dir.string();
        g.rng.fixedSeed = 1980;
        cw::ReferenceTables ref;
        ok = cw::startNewGame(g, p, ref, cw::NewGameOptions{}).empty();
        g.session.autosave = false;
    }
    ~StartedGame() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

void BM_WeekTickLate1990s(benchmark::State& state) {
    StartedGame s;
    if (!s.ok) {
        state.SkipWithError("data.zip is missing from the game folder; build the cw_data target first");
        return;
    }
    while (s.g.currentYear < 1997) cw::weekTick(s.g, s.p);
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        cw::weekTick(s.g, s.p);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros.empty() ? 0.0 : micros[micros.size() / 2];
    state.counters["year"] = s.g.currentYear;
}
// Two years of weeks, 1997 and 1998.
BENCHMARK(BM_WeekTickLate1990s)->Unit(benchmark::kMicrosecond)->Iterations(104);

// A year of weeks from 2004 on, when the catalogue has the most platforms
// on the market.
void BM_WeekTick2004(benchmark::State& state) {
    StartedGame s;
    if (!s.ok) {
        state.SkipWithError("data.zip is missing from the game folder; build the cw_data target first");
        return;
    }
    while (s.g.currentYear < 2004 && !s.g.gameOver) cw::weekTick(s.g, s.p);
    int onMarket = 0;
    for (const cw::Platform& pf : s.g.tables().platforms) onMarket += pf.released && !pf.discontinued ? 1 : 0;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        cw::weekTick(s.g, s.p);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros.empty() ? 0.0 : micros[micros.size() / 2];
    state.counters["on_market"] = onMarket;
}
BENCHMARK(BM_WeekTick2004)->Unit(benchmark::kMicrosecond)->Iterations(52);

void BM_WholeGame(benchmark::State& state) {
    for (auto _ : state) {
        StartedGame s;
        if (!s.ok) {
            state.SkipWithError("data.zip is missing from the game folder; build the cw_data target first");
            return;
        }
        for (int week = 0; week < 1352 && !s.g.gameOver; ++week) cw::weekTick(s.g, s.p);
        benchmark::DoNotOptimize(s.g.world().money);
    }
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
