// What the platforms, processor and analysis screens list and how they sort.
#include "hardware/platform_screens.h"

#include <gtest/gtest.h>

#include "hardware/hardware_texts.h"
#include "hardware_world.h"

namespace cw {
namespace {

using test::putCpu;
using test::putPlatform;

std::vector<int> indices(const Grid& grid) {
    std::vector<int> out;
    for (const GridRow& r : grid.rows) out.push_back(r.index);
    return out;
}

class PlatformsScreenTest : public ::testing::Test {
protected:
    Game g;
    void SetUp() override {
        g.currentYear = 1985;
        g.currentWeek = 20;
        Platform& a = putPlatform(g, 1, " Alpha ", 1100, 250);
        a.weekSalesByRegion[1] = 100;
        a.weekSalesByRegion[2] = 20;
        a.weekSalesByRegion[3] = 3;
        a.soldUnits = 90000;
        a.productionCost = 400;
        a.opinion = 60;
        a.overallIndex = 77;
        a.piracyPercent = 12;
        a.stillInUsePercent = 95;
        Platform& b = putPlatform(g, 2, "A very long console", 900, 1000);
        b.weekSalesByRegion[1] = 500;
        b.soldUnits = 5000;
        Platform& gone = putPlatform(g, 3, "Gone", 700, 100);
        gone.discontinued = 1;
        gone.weekSalesByRegion[1] = 9999;
        gone.soldUnits = 123;
        putPlatform(g, 4, "Future", 900, 100, false);
    }
};

TEST_F(PlatformsScreenTest, GridsListTheirPlatformsWithTheirCells) {
    PlatformsScreen s;
    s.build(g);
    const Grid& market = s.grids[PlatformsScreen::MarketGrid];
    ASSERT_EQ(market.headers.size(), 9u);
    EXPECT_EQ(market.headers[5], "Public opinion");
    EXPECT_EQ(s.grids[PlatformsScreen::BaseGrid].headers[4], "% Still in use ");
    EXPECT_EQ(s.grids[PlatformsScreen::DiscontinuedGrid].headers[3], "");
    EXPECT_EQ(indices(market), (std::vector<int>{2, 1}));  // by week total, biggest first
    EXPECT_EQ(market.rows[1].cells,
              (std::vector<std::string>{"Alpha", "123", "100", "20", "3", "popular", "77", "1100", "250$"}));
    const Grid& base = s.grids[PlatformsScreen::BaseGrid];
    EXPECT_EQ(indices(base), (std::vector<int>{1, 2}));  // by sold number
    EXPECT_EQ(base.rows[0].cells,
              (std::vector<std::string>{"Alpha", "90000", "400$", "250$", "95%", "12%", "7 Year(s),  10 Weeks"}));
    const Grid& gone = s.grids[PlatformsScreen::DiscontinuedGrid];
    ASSERT_EQ(indices(gone), (std::vector<int>{3}));
    EXPECT_EQ(gone.rows[0].cells[3], "");
    EXPECT_EQ(gone.rows[0].cells[1], "123");
}

TEST_F(PlatformsScreenTest, ChartsSumTheListedPlatformsAndShortenLongNames) {
    PlatformsScreen s;
    s.build(g);
    ASSERT_EQ(s.regions.size(), 3u);
    EXPECT_EQ(s.regions[0].label, "America");
    EXPECT_EQ(s.regions[0].value, 600);  // the discontinued platform is left out
    EXPECT_EQ(s.regions[1].value, 20);
    EXPECT_EQ(s.regions[2].value, 3);
    ASSERT_EQ(s.topPlatforms.size(), 2u);
    EXPECT_EQ(s.topPlatforms[0].label, "A very long..");
    EXPECT_EQ(s.topPlatforms[0].value, 500);
    EXPECT_EQ(pieLabel("Twelve chars"), "Twelve chars");
    EXPECT_EQ(pieLabel("Thirteen char"), "Thirteen ch..");
}

TEST_F(PlatformsScreenTest, TheTopFiveAreTheFirstFiveRowsOfTheMarketGrid) {
    for (int p = 10; p <= 16; ++p) putPlatform(g, p, "P" + std::to_string(p), 900, 100).weekSalesByRegion[2] = p;
    PlatformsScreen s;
    s.build(g);
    ASSERT_EQ(s.topPlatforms.size(), 5u);
    EXPECT_EQ(s.topPlatforms[1].label, "Alpha");
    EXPECT_EQ(s.topPlatforms[2].label, "P16");
    EXPECT_EQ(s.topPlatforms[4].label, "P14");
}

TEST_F(PlatformsScreenTest, HeaderClicksShareOneDirectionFlag) {
    PlatformsScreen s;
    s.build(g);
    s.headerClicked(PlatformsScreen::MarketGrid, 1);  // first click: smallest first
    EXPECT_EQ(indices(s.grids[0]), (std::vector<int>{1, 2}));
    s.headerClicked(PlatformsScreen::BaseGrid, 1);  // the flag has turned: biggest first
    EXPECT_EQ(indices(s.grids[1]), (std::vector<int>{1, 2}));
    s.headerClicked(PlatformsScreen::MarketGrid, 8);  // prices "250$" < "1000$" by value
    EXPECT_EQ(indices(s.grids[0]), (std::vector<int>{1, 2}));
    s.headerClicked(PlatformsScreen::MarketGrid, 0);
    EXPECT_EQ(indices(s.grids[0]), (std::vector<int>{1, 2}));  // names descending: "Alpha" before "A very..."
    s.headerClicked(PlatformsScreen::MarketGrid, 0);
    EXPECT_EQ(indices(s.grids[0]), (std::vector<int>{2, 1}));
}

TEST(GridSort, NumbersWhenTheFirstCellIsOneTextOtherwise) {
    EXPECT_TRUE(cellIsNumber("-12"));
    EXPECT_TRUE(cellIsNumber("0"));
    EXPECT_FALSE(cellIsNumber("12$"));
    EXPECT_FALSE(cellIsNumber(""));
    EXPECT_FALSE(cellIsNumber("-"));
    EXPECT_LT(compareCellText("2 Year(s),  40 Weeks", "10 Year(s),  1 Weeks"), 0);
    EXPECT_LT(compareCellText("90$", "450$"), 0);
    EXPECT_LT(compareCellText("alpha", "Beta"), 0);
    EXPECT_EQ(compareCellText("007", "7"), 0);
    EXPECT_GT(compareCellText("abc", "ab"), 0);

    Grid grid{{"a"}, {{1, {"10"}}, {2, {"9"}}, {3, {"x"}}, {4, {"9"}}}};
    sortGrid(grid, 0, false);  // numeric: a text cell counts as 0, ties keep their order
    EXPECT_EQ(indices(grid), (std::vector<int>{3, 2, 4, 1}));
    sortGrid(grid, 0, true);  // now the first cell is text: "x" > "10" > "9"
    EXPECT_EQ(indices(grid), (std::vector<int>{3, 1, 2, 4}));
    sortGrid(grid, 5, true);  // a column the rows do not have changes nothing
    EXPECT_EQ(indices(grid), (std::vector<int>{3, 1, 2, 4}));
}

class CpuScreenTest : public ::testing::Test {
protected:
    Game g;
    void SetUp() override {
        g.currentYear = 1986;
        g.currentWeek = 4;
        putCpu(g, 1, "Main", 1, 100, 300, true, 1985, 4);
        putCpu(g, 2, "Graphics", 2, 80, 500, true);
        putCpu(g, 3, "Combo", 3, 90, 100, true);
        putCpu(g, 4, "Sound", 4, 20, 50, true);
        putCpu(g, 5, "Unreleased", 1, 500, 9000, false, 1990, 1);
        Cpu& c = g.tables().cpus[1];
        c.priceHistory[1] = 310;
        c.priceHistory[2] = 0;  // an empty week is left out
        c.priceHistory[3] = 305;
        c.priceHistory[4] = 300;  // this week: not yet in the chart
    }
};

TEST_F(CpuScreenTest, ListsAnnouncedProcessorsOfTheCheckedTypesByPrice) {
    CpuScreen s;
    s.build(g);
    EXPECT_EQ(s.grid.headers,
              (std::vector<std::string>{"CPU name", "Speed Index", "Price", "Age", "Bits", "Type", "ID"}));
    EXPECT_EQ(indices(s.grid), (std::vector<int>{2, 1, 3, 4}));
    EXPECT_EQ(s.grid.rows[1].cells,
              (std::vector<std::string>{"Main", "100", "300", "1 Year(s),  0 Weeks", "32", "CPU", "1"}));
    s.showCpus = s.showGpus = s.showSpus = false;
    s.build(g);
    EXPECT_EQ(indices(s.grid), (std::vector<int>{3}));  // the combined chip is always shown
    EXPECT_EQ(s.grid.rows[0].cells[5], "All");
}

TEST_F(CpuScreenTest, ChartShowsTheFirstSevenRowsUpToLastWeek) {
    CpuScreen s;
    s.build(g);
    ASSERT_EQ(s.chart.size(), 4u);
    EXPECT_EQ(s.chart[1].name, "Main");
    EXPECT_EQ(s.chart[1].points, (std::vector<std::pair<int, i32>>{{1, 310}, {3, 305}}));
    EXPECT_TRUE(s.chart[0].points.empty());
    for (int i = 10; i <= 19; ++i) putCpu(g, i, "Extra", 1, 10, 1000 + i, true);
    s.build(g);
    ASSERT_EQ(s.chart.size(), 7u);
    EXPECT_EQ(s.chart[0].cpu, 19);
    s.headerClicked(CpuScreen::NameColumn);
    EXPECT_EQ(s.grid.rows[0].cells[0], "Combo");
    EXPECT_EQ(s.chart[0].cpu, 19);  // the chart stays as it was drawn
}

Platform analysed(i32 cpuSpec, i32 sold, i32 weeks, u8 piracy, u8 stillInUse) {
    Platform pf{};
    pf.cpuSpec = cpuSpec;
    pf.soldUnits = sold;
    pf.weeksOnMarket = weeks;
    pf.piracyPercent = piracy;
    pf.stillInUsePercent = stillInUse;
    return pf;
}

TEST(PlatformAnalysisScore, FollowsEachStepInOrder) {
    // 1000/10 = 100; 3,000,000 / (100/5 + 10) / 250 = 400 -> 500; piracy 10% -> 450;
    // still in use 90: 450 - 4 * (-9) = 486; no cuts above 200,000 units.
    EXPECT_EQ(platformAnalysisScore(analysed(1000, 3000000, 100, 10, 90)), 486);
    // 150,000 units: 100 + 150000/30/250 = 120; in use 100: 120 - 1 = 119; 5% cut: 119 - 5 = 114.
    EXPECT_EQ(platformAnalysisScore(analysed(1000, 150000, 100, 0, 100)), 114);
    // Under 100,000 both cuts: 90 + 90000/30/250 = 102 -> 101 -> 96 -> 87.
    EXPECT_EQ(platformAnalysisScore(analysed(900, 90000, 100, 0, 100)), 101 - 5 - 9);
    EXPECT_EQ(platformAnalysisScore(analysed(-500, 0, 0, 0, 100)), 1);
    EXPECT_EQ(platformAnalysisScore(analysed(5, 0, 0, 0, 100)), 1);
    // A broken week count of -50 must not divide by zero: 100 + 4 = 104 -> 103 -> 98 -> 89.
    EXPECT_EQ(platformAnalysisScore(analysed(1000, 1000, -50, 0, 100)), 89);
}

TEST(PlatformAnalysisEffects, JoinedWithCommasAndEmptyWhenNone) {
    Platform pf{};
    pf.cpuSpec = 1000;
    pf.opinion = 51;
    pf.price = 299;
    pf.weeksOnMarket = 19;
    EXPECT_EQ(positiveEffects(pf), "High specs,Public opinion,Low Price,New");
    EXPECT_EQ(negativeEffects(pf), "");
    pf.cpuSpec = 749;
    pf.opinion = 34;
    pf.price = 501;
    pf.weeksOnMarket = 209;
    EXPECT_EQ(positiveEffects(pf), "");
    EXPECT_EQ(negativeEffects(pf), "Low specs,Public opinion,High Price,Old");
    pf.cpuSpec = 800;
    pf.opinion = 50;
    pf.price = 300;
    pf.weeksOnMarket = 208;
    EXPECT_EQ(positiveEffects(pf) + negativeEffects(pf), "");
}

TEST(PlatformAnalysisScreen, RowsByScoreWithTiesInSlotOrder) {
    Game g;
    g.currentYear = 1990;
    g.currentWeek = 7;
    putPlatform(g, 1, "Low", 500, 100).soldUnits = 300000;
    putPlatform(g, 2, "High", 2000, 100).soldUnits = 300000;
    putPlatform(g, 3, "Gone", 500, 100).soldUnits = 300000;
    g.tables().platforms[3].discontinued = 1;  // still analysed
    putPlatform(g, 4, "Unreleased", 9000, 100, false);
    PlatformAnalysis a;
    a.build(g);
    EXPECT_EQ(a.label, "Week 7, 1990");
    EXPECT_EQ(a.headers.back(), "Analysis Score");
    ASSERT_EQ(a.rows.size(), 3u);
    EXPECT_EQ(a.rows[0].platform, 2);
    EXPECT_EQ(a.rows[1].platform, 1);
    EXPECT_EQ(a.rows[2].platform, 3);
    EXPECT_EQ(a.rows[1].score, a.rows[2].score);
    EXPECT_EQ(a.rows[1].word, analysisScoreWord(a.rows[1].score));
    EXPECT_EQ(a.rows[1].negative, "Low specs");
}

}  // namespace
}  // namespace cw
