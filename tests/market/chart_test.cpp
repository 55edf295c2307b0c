// The sales chart: the ranking rules, and the pass's own chart against the
// straightforward scan on synthetic windows and a seeded whole game.
#include "market/chart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "market/market_world.h"
#include "market/sales.h"
#include "setup/new_game.h"
#include "sim/week_tick.h"

namespace cw {
namespace {

class ChartTest : public ::testing::Test, public test::MarketWorld {
protected:
    SilentPlayer p;

    GameTitle& withSales(i32 sum, i32 total) {
        GameTitle& t = title(1980, 90);
        t.weekSalesUS = sum;
        t.totalSales = total;
        return t;
    }
    static void sell(GameTitle& t, i32 sum) {
        t.weekSalesUS = sum;
        t.totalSales += sum;
    }
};

TEST_F(ChartTest, TitlesEarlierInThePassHoldThisWeekLaterOnesLastWeek) {
    GameTitle* titles[5] = {&withSales(100, 1), &withSales(50, 1), &withSales(50, 1), &withSales(10, 1),
                            &withSales(500, 0)};
    const i32 thisWeek[5] = {40, 50, 50, 45, 0};
    const int expected[5] = {3, 1, 1, 3, 1};  // 1, 1, 3 for equal sums; the unsold title counts for nobody
    SalesChart chart;
    chart.begin(g, 1980, 1980);
    for (int k = 0; k < 5; ++k) {
        GameTitle& t = *titles[k];
        if (k < 4) sell(t, thisWeek[k]);
        EXPECT_EQ(chart.positionNow(k, weekSalesSum(t)), expected[k]) << k;
        EXPECT_EQ(test::referenceChartScan(g, 1980, k + 1), expected[k]) << k;
        chart.rankLater(k, weekSalesSum(t), t);
        chart.passed(k, t);
    }
    chart.finish();
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(titles[k]->chartPos, expected[k]) << k;
        EXPECT_EQ(titles[k]->bestChartPos, expected[k]) << k;
    }
    // The best position is kept when the title falls back.
    titles[1]->chartPos = 1;
    storeChartPos(*titles[1], 7);
    EXPECT_EQ(titles[1]->chartPos, 7);
    EXPECT_EQ(titles[1]->bestChartPos, 1);
}

TEST_F(ChartTest, TheWeeksSumStopsAtTheEndsOfTheRange) {
    GameTitle t{};
    t.weekSalesUS = t.weekSalesEU = t.weekSalesAsia = 1'000'000'000;
    EXPECT_EQ(weekSalesSum(t), INT32_MAX);  // not a wrapped loss at the bottom of the chart
    t.weekSalesUS = t.weekSalesEU = t.weekSalesAsia = -1'000'000'000;
    EXPECT_EQ(weekSalesSum(t), INT32_MIN);
    t.weekSalesEU = 5;
    t.weekSalesUS = t.weekSalesAsia = 7;
    EXPECT_EQ(weekSalesSum(t), 19);
}

TEST_F(ChartTest, PositionsStopAt255) {
    std::vector<GameTitle*> titles;
    for (int i = 0; i < 300; ++i) titles.push_back(&withSales(1000 + i, 1));
    SalesChart chart;
    chart.begin(g, 1980, 1980);
    for (int k = 0; k < 300; ++k) {
        chart.rankLater(k, weekSalesSum(*titles[static_cast<std::size_t>(k)]), *titles[static_cast<std::size_t>(k)]);
        chart.passed(k, *titles[static_cast<std::size_t>(k)]);
    }
    chart.finish();
    for (int k = 0; k < 300; ++k) EXPECT_EQ(titles[static_cast<std::size_t>(k)]->chartPos, std::min(300 - k, 255));
}

// The highest sums of last week at the start of the pass and this week's at
// its end: in the middle of the pass the top of the chart is thin, and the
// resolution has to look further down.
TEST_F(ChartTest, AThinTopInTheMiddleOfThePassIsStillExact) {
    std::mt19937 rng(5);
    const int n = 3000;
    std::vector<i32> before(n), after(n);
    std::vector<bool> counted(n);
    std::vector<GameTitle*> titles;
    auto at = [](int k) { return static_cast<std::size_t>(k); };
    for (int k = 0; k < n; ++k) {
        const i32 high = 100000 + static_cast<i32>(rng() % 50) * 10;
        const i32 low = static_cast<i32>(rng() % 40) * 10;
        before[at(k)] = k < n / 2 ? high : low;
        after[at(k)] = k < n / 2 ? low : high;
        counted[at(k)] = rng() % 7 != 0;
        titles.push_back(&withSales(before[at(k)], counted[at(k)] ? 1 : 0));
    }
    SalesChart chart;
    chart.begin(g, 1980, 1980);
    for (int k = 0; k < n; ++k) {
        GameTitle& t = *titles[at(k)];
        t.weekSalesUS = after[at(k)];
        t.totalSales = 1;
        chart.rankLater(k, t.weekSalesUS, t);
        chart.passed(k, t);
    }
    chart.finish();
    EXPECT_GT(chart.widenings(), 0);
    for (int k = 0; k < n; ++k) {
        int above = 0;
        for (int j = 0; j < k; ++j) above += after[at(j)] > after[at(k)] ? 1 : 0;
        for (int j = k + 1; j < n; ++j) above += counted[at(j)] && before[at(j)] > after[at(k)] ? 1 : 0;
        ASSERT_EQ(titles[at(k)]->chartPos, std::min(1 + above, 255)) << k;
    }
}

// Few sums above zero, some zeros and many below (a damaged save): the top
// of the chart reaches down past the zeros, and the sums at and below zero
// rank exactly as well; a second window whose zeros do fill the top.
TEST_F(ChartTest, SumsAtAndBelowZeroRankExactly) {
    for (const int zerosInTen : {1, 8}) {
        std::mt19937 rng(static_cast<unsigned>(zerosInTen));
        const int n = 1400;
        std::vector<i32> before(n), after(n);
        std::vector<GameTitle*> titles;
        auto at = [](int k) { return static_cast<std::size_t>(k); };
        auto sum = [&] {
            if (static_cast<int>(rng() % 10) < zerosInTen) return i32{0};
            return static_cast<i32>(rng() % 3 == 0 ? rng() % 1000 : 0) - static_cast<i32>(rng() % 1000);
        };
        g.tables().titlesPerYear[1980] = 1;
        for (int k = 0; k < n; ++k) {
            before[at(k)] = sum();
            after[at(k)] = sum();
            titles.push_back(&withSales(before[at(k)], 1));
        }
        SalesChart chart;
        chart.begin(g, 1980, 1980);
        for (int k = 0; k < n; ++k) {
            GameTitle& t = *titles[at(k)];
            t.weekSalesUS = after[at(k)];
            chart.rankLater(k, t.weekSalesUS, t);
            chart.passed(k, t);
        }
        chart.finish();
        for (int k = 0; k < n; ++k) {
            int above = 0;
            for (int j = 0; j < k; ++j) above += after[at(j)] > after[at(k)] ? 1 : 0;
            for (int j = k + 1; j < n; ++j) above += before[at(j)] > after[at(k)] ? 1 : 0;
            ASSERT_EQ(titles[at(k)]->chartPos, std::min(1 + above, 255)) << zerosInTen << " " << k;
        }
    }
}

// Fills a whole window of 4 x 3,500 titles whose sums often tie.
void fillFullWindow(test::MarketWorld& m, unsigned seed) {
    std::mt19937 rng(seed);
    Game& g = m.g;
    g.currentWeek = 30;
    m.platform(3, "PlayStation");
    for (int p = 1; p <= 3; ++p) g.tables().platforms[p].soldUnits = 200000 * p;
    const int scores[] = {51, 70, 90, 120, 150};
    const i32 oldSums[] = {0, 1000, 2000, 5000, 20000};
    int product = 1;
    for (int y = 1977; y <= 1980; ++y) {
        for (int n = 1; n <= 3500; ++n) {
            GameTitle& t =
                m.title(y, scores[rng() % 5], 1 + static_cast<int>(rng() % 3), 1 + static_cast<int>(rng() % 12));
            t.released = rng() % 10 != 0;
            t.inEU = rng() % 2;
            t.inAsia = rng() % 3 == 0;
            t.companyRow = rng() % 2 ? 5 : 6;
            t.totalSales = rng() % 5 == 0 ? 0 : 1000;
            t.weekSalesUS = oldSums[rng() % 5];
            t.weekSalesEU = oldSums[rng() % 5];
            if (n % 700 == 0) {
                m.g.world().products[product].refA = y;
                m.g.world().products[product].refB = n;
                ++product;
                t.isPlayers = 1;
                t.companyRow = 0;
                t.weeklyOutput = rng() % 2 ? 1000000 : 50;
                t.publisherShare = 10;
            }
        }
    }
}

void expectSameCharts(const Game& fast, const Game& reference) {
    for (int y = 1977; y <= 1980; ++y) {
        for (int n = 1; n <= 3500; ++n) {
            const GameTitle& a = fast.tables().gameTitles[y][n];
            const GameTitle& b = reference.tables().gameTitles[y][n];
            ASSERT_EQ(a.chartPos, b.chartPos) << y << "/" << n;
            ASSERT_EQ(a.bestChartPos, b.bestChartPos) << y << "/" << n;
            ASSERT_EQ(weekSalesSum(a), weekSalesSum(b)) << y << "/" << n;
        }
    }
    EXPECT_EQ(
        std::memcmp(&fast.world().productHistory, &reference.world().productHistory, sizeof(World::productHistory)), 0);
    EXPECT_EQ(fast.world().gamesImage, reference.world().gamesImage);
    EXPECT_EQ(fast.world().money, reference.world().money);
    EXPECT_EQ(fast.rng.seed, reference.rng.seed);
}

TEST(ChartAgainstScanTest, AFullWindowWithManyEqualSums) {
    test::MarketWorld fast;
    fillFullWindow(fast, 11);
    test::MarketWorld reference;
    test::copyGame(fast.g, reference.g);
    SilentPlayer p;
    int selling = 0;
    for (int week = 0; week < 2; ++week) {
        UpdateWeeklySales(fast.g, p);
        UpdateWeeklySales(reference.g, p, test::referenceChartScan);
        expectSameCharts(fast.g, reference.g);
        ++fast.g.currentWeek;
        ++reference.g.currentWeek;
    }
    for (int n = 1; n <= 3500; ++n) selling += fast.g.tables().gameTitles[1980][n].chartPos < 255 ? 1 : 0;
    EXPECT_GT(selling, 0);
}

#ifdef CW_GAME_DIR_FOR_TESTS
// Two years of a seeded game with two titles of the player's on sale: every
// week's sales are run once with the pass's chart and once with the scan.
TEST(ChartAgainstScanTest, EveryWeekOfASeededGame) {
    namespace fs = std::filesystem;
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("cw_chart_" + std::to_string(rd()));
    fs::create_directories(dir);
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    Game g;
    g.programFolder = dir.string();
    g.rng.fixedSeed = 1984;
    SilentPlayer p;
    ReferenceTables ref;
    ASSERT_EQ(startNewGame(g, p, ref, NewGameOptions{}), "");
    g.session.autosave = false;

    SaveImage& t = g.tables();
    for (int k = 1; k <= 2; ++k) {
        const i32 slot = t.titlesPerYear[1980]++;
        GameTitle& mine = t.gameTitles[1980][slot];
        mine = t.gameTitles[1979][k];
        mine.isPlayers = 1;
        mine.released = 1;
        mine.releaseYear = 1980;
        mine.salesScore = mine.reviewScore = static_cast<u8>(100 + 20 * k);
        mine.totalSales = 0;
        mine.weeksOnSale = 0;
        mine.price = 40;
        mine.weeklyOutput = 5000 * k;
        g.world().products[k].refA = 1980;
        g.world().products[k].refB = slot;
    }

    Game fast, scanned;
    int ranked = 0;
    for (int week = 0; week < 104; ++week) {
        test::copyGame(g, fast);
        test::copyGame(g, scanned);
        UpdateWeeklySales(fast, p);
        UpdateWeeklySales(scanned, p, test::referenceChartScan);
        const int first = std::max(g.currentYear - 3, 1977);
        for (int y = first; y <= g.currentYear; ++y) {
            for (int n = 1; n <= t.titlesPerYear[y]; ++n) {
                const GameTitle& a = fast.tables().gameTitles[y][n];
                const GameTitle& b = scanned.tables().gameTitles[y][n];
                ASSERT_EQ(a.chartPos, b.chartPos) << g.currentYear << " w" << g.currentWeek << " " << y << "/" << n;
                ASSERT_EQ(a.bestChartPos, b.bestChartPos);
                ranked += a.chartPos < 255 ? 1 : 0;
            }
        }
        ASSERT_EQ(
            std::memcmp(&fast.world().productHistory, &scanned.world().productHistory, sizeof(World::productHistory)),
            0);
        ASSERT_EQ(fast.rng.seed, scanned.rng.seed);
        ASSERT_EQ(fast.world().gamesImage, scanned.world().gamesImage);
        weekTick(g, p);
    }
    EXPECT_GT(ranked, 1000);
    EXPECT_GT(g.world().productHistory[1].weekRevenue[50], 0);
    std::error_code ec;
    fs::remove_all(dir, ec);
}
#endif

}  // namespace
}  // namespace cw
