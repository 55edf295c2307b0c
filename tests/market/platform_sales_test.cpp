// Hardware sales: demand, the buyer pool, makers' trouble and price cuts,
// the standing, the player's console selling from stock.
#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "hardware/warehouse.h"
#include "market/platform_sales.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

struct PlatformSalesTest : ::testing::Test {
    Game g;
    test::RecordingPlayer player;
    void SetUp() override {
        g.currentYear = 1990;
        g.currentWeek = 10;
        World& w = g.world();
        w.gameLevel = 1;
        for (int r = 1; r <= 3; ++r) w.regionDemand[r] = 80;
    }
    Platform& add(int slot, const char* name) {
        Platform& pf = g.tables().platforms[slot];
        pf.name = name;
        pf.released = 1;
        pf.weeksOnMarket = 100;
        pf.opinion = 50;
        pf.marketShare = 50;
        pf.cpuSpec = 700;
        pf.price = 300;
        pf.productionCost = 150;
        pf.makerEarnings = 2000000;
        return pf;
    }
};

TEST_F(PlatformSalesTest, OverallIndexForCompetitorAndPlayer) {
    Platform& a = add(1, "Zed");
    // v = 300; 9000 + 5100 + 5100 = 19200; / 300 = 64.
    updateOverallIndex(g);
    EXPECT_EQ(a.overallIndex, 64);
    a.price = 0;  // counts as one dollar, then capped
    updateOverallIndex(g);
    EXPECT_EQ(a.overallIndex, 200);
    Platform& mine = add(2, "Mine");
    mine.playerOwned = 1;
    g.world().platformsImage = 0;  // (0 + 3) div 4 = 0: the index falls to its floor
    updateOverallIndex(g);
    EXPECT_EQ(mine.overallIndex, 1);
    g.world().platformsImage = 37;  // factor 10: x = (19200 - 8) * 10 div 10
    updateOverallIndex(g);
    EXPECT_EQ(mine.overallIndex, 19192 / 300);
    g.tables().platforms[3].name = "Later";
    updateOverallIndex(g);
    EXPECT_EQ(g.tables().platforms[3].overallIndex, 0);
}

TEST_F(PlatformSalesTest, StandingBreaksTiesBySlotAndFillsTheTopFive) {
    Platform& a = add(1, "Alpha");
    Platform& b = add(2, "Beta");
    Platform& c = add(3, "Gamma");
    for (Platform* pf : {&a, &b, &c}) pf->overallIndex = 10;
    c.soldUnits = 100000;  // two points more
    a.marketRank = 2;
    a.previousMarketRank = 1;
    b.marketRank = 3;
    b.previousMarketRank = 3;
    c.marketRank = 1;
    c.previousMarketRank = 2;
    c.weeksOnMarket = 2;
    platformStanding(g, true);
    EXPECT_EQ(c.standingRank, 1);
    EXPECT_EQ(a.standingRank, 2);
    EXPECT_EQ(b.standingRank, 3);
    const PlatformTopFive& top = g.session.topPlatforms;
    EXPECT_EQ(top.names[0], "Gamma");
    EXPECT_EQ(top.names[1], "Alpha");
    EXPECT_EQ(top.names[3], "#");
    EXPECT_EQ(top.arrows[0], 315);  // new
    EXPECT_EQ(top.arrows[1], 180);  // fell back from 1 to 2
    EXPECT_EQ(top.arrows[2], 90);
    c.weeksOnMarket = 50;
    platformStanding(g, true);
    EXPECT_EQ(top.arrows[0], 1);  // moved up from 2 to 1
}

// The pool is first cut to 400,000; the first new platform, ranked 1, takes
// 266,666; the second, ranked 2, (133,334 div 6) * 2 = 44,444.
TEST_F(PlatformSalesTest, NewPlatformsShareTheBuyerPool) {
    g.world().hardwareConsumers = 900000;
    Platform& a = add(1, "Alpha");
    Platform& b = add(2, "Beta");
    a.weeksOnMarket = 0;
    b.weeksOnMarket = 1;
    a.cpuSpec = 2000;  // ranked first by its lead
    a.price = 200;
    b.price = 200;
    platformSalesWeek(g, player);
    EXPECT_EQ(a.marketRank, 1);
    EXPECT_EQ(b.marketRank, 2);
    EXPECT_EQ(g.world().hardwareConsumers, 400000 - 266666 - 44444);
}

TEST_F(PlatformSalesTest, RegionalPreferenceAndSoldUnits) {
    EXPECT_TRUE(hardwarePreferred(add(1, "Game Boy"), 2));
    EXPECT_TRUE(hardwarePreferred(add(1, "Game Boy"), 3));
    EXPECT_FALSE(hardwarePreferred(add(1, "Game Boy"), 1));   // no handhelds in the US
    EXPECT_FALSE(hardwarePreferred(add(1, "Genesis"), 2));    // no consoles in Europe
    g.tables().platforms[1] = Platform{};
    Platform& zed = add(5, "Zed");
    zed.cpuSpec = 100;  // no high-end boosts
    zed.standingRank = 1;
    const i32 before = zed.soldUnits;
    platformSalesWeek(g, player);
    // D = (index * 200 + 2500 + 1500) div 100 * 50, then (D + 3) div 3; the
    // region sells (D div 100) * 80.
    const i32 index = zed.overallIndex;
    const i32 d = ((index * 200 + 2500 + 1500) / 100 * 50 + 3) / 3;
    EXPECT_EQ(zed.weekSalesByRegion[1], (d / 100) * 80);
    EXPECT_EQ(zed.soldUnits, before + 3 * (d / 100) * 80);
    EXPECT_EQ(zed.makerEarnings, 2000000 + 3 * (d / 100) * 80 * 150);
}

TEST_F(PlatformSalesTest, MakerTroubleStopsProductionAtTheTenthWeek) {
    Platform& a = add(1, "Flop");
    a.opinion = 5;
    a.makerEarnings = 2000000;
    for (int week = 1; week <= 9; ++week) platformSalesWeek(g, player);
    EXPECT_EQ(a.troubleWeeks, 9);
    EXPECT_FALSE(a.discontinued);
    platformSalesWeek(g, player);
    EXPECT_TRUE(a.discontinued);
    EXPECT_EQ(g.world().worldHistory[1990][1].str(), "Week 10: Production of Flop was stopped due to declining sales.");
    EXPECT_TRUE(g.world().newsItems[NewsFinancial][1].title.empty());
    // A stopped platform sells no more.
    const i32 sold = a.soldUnits;
    platformSalesWeek(g, player);
    EXPECT_EQ(a.soldUnits, sold);

    Platform& b = add(2, "Broke");
    b.opinion = 5;
    b.makerEarnings = -2000000;
    b.soldUnits = 600000;
    b.price = 150;
    b.productionCost = 150;  // earns nothing, stays in debt
    for (int week = 1; week <= 5; ++week) platformSalesWeek(g, player);
    EXPECT_EQ(g.world().newsItems[NewsFinancial][1].title.str(), "Financial problems");
    EXPECT_EQ(g.world().newsItems[NewsFinancial][1].text.str(),
              "Creators of Broke is in deep finanicial troubles, allthough good sales.");
    for (int week = 6; week <= 10; ++week) platformSalesWeek(g, player);
    EXPECT_TRUE(b.discontinued);
    EXPECT_EQ(g.world().worldHistory[1990][2].str(),
              "Week 10: Production of Broke was stopped due to finanicial troubles.");
}

TEST_F(PlatformSalesTest, SixteenLowWeeksStopProductionOnce) {
    Platform& a = add(1, "Dud");
    a.opinion = 1;
    a.makerEarnings = 2000000;
    a.cpuSpec = 10;
    g.world().regionDemand[1] = g.world().regionDemand[2] = g.world().regionDemand[3] = 0;
    // Opinion 1 also counts trouble weeks: keep them from stopping it first.
    a.troubleWeeks = 200;
    for (int week = 1; week <= 15; ++week) platformSalesWeek(g, player);
    EXPECT_EQ(a.lowSalesWeeks, 15);
    EXPECT_FALSE(a.discontinued);
    platformSalesWeek(g, player);
    EXPECT_TRUE(a.discontinued);
    EXPECT_EQ(g.world().newsItems[NewsFinancial][1].title.str(), "Production stopped");
    EXPECT_EQ(g.world().newsItems[NewsFinancial][1].text.str(), "Production of Dud was stopped due to declining sale.");
    platformSalesWeek(g, player);
    EXPECT_TRUE(g.world().newsItems[NewsFinancial][2].title.empty());
}

TEST_F(PlatformSalesTest, PricesAreCappedAndNeverFallBelow126) {
    g.tables().platforms[7].price = 3500;  // an empty slot too
    Platform& a = add(1, "Cheap");
    a.price = 100;
    a.makerEarnings = 2500000;  // no rule but the floor
    for (int week = 0; week < 30; ++week) {
        platformSalesWeek(g, player);
        EXPECT_GE(a.price, 126);
    }
    EXPECT_EQ(g.tables().platforms[7].price, 3000);
}

TEST_F(PlatformSalesTest, PlayerConsoleSellsFromStockOnly) {
    Platform& mine = add(1, "Mine");
    mine.playerOwned = 1;
    mine.price = 200;
    mine.weeksOnMarket = 50;
    g.world().money = 0;
    ASSERT_TRUE(addStock(g, 1, 0, ProductPlatform, 40));
    platformSalesWeek(g, player);
    ASSERT_GT(mine.soldUnits, 40);  // the computed sale, before the stock limit
    EXPECT_EQ(mine.weekSalesByRegion[1], 40);
    EXPECT_EQ(mine.weekSalesByRegion[2], 0);
    EXPECT_EQ(mine.weekSalesByRegion[3], 0);
    EXPECT_EQ(mine.soldByRegion[1], 40);
    EXPECT_EQ(g.world().money, 40 * 200);
    EXPECT_EQ(g.world().yearlyIncome[1990], 40 * 200);
    EXPECT_EQ(mine.makerEarnings, 2000000 + 40 * 200);
    EXPECT_EQ(stockOf(g, 1, 0, ProductPlatform), 0);
}

TEST_F(PlatformSalesTest, PlayerUnitCost) {
    Platform& mine = add(1, "Mine");
    mine.playerOwned = 1;
    g.tables().cpus[1].price = 100;
    g.tables().cpus[2].price = 60;
    mine.mainCpu = 1;
    mine.gpu = 2;
    mine.ramChoice = 1;
    mine.bundleGame = 1;
    mine.costReduction = 5;
    g.world().factoryLevel = 2;
    g.world().packagingCentralLevel = 1;
    g.world().gameLevel = 2;
    // 160 + 1 * 2 * 10 = 180; - 180 div 100 * 20 = 160; + 15 - 15 - 5 = 155; + 200.
    EXPECT_EQ(playerPlatformUnitCost(g, 1), 355);
    mine.soldUnits = 300000;  // every discount: - 24 and a = 150
    // 156 - 20 = 136; + 15 - 15 - 5 = 131; + 150.
    EXPECT_EQ(playerPlatformUnitCost(g, 1), 281);
}

}  // namespace
}  // namespace cw
