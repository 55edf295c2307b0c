// The product panel of every kind of product, the rating word it ends with,
// the console's "Set new price", a released game's curves and the licence
// wait of the product screen.
#include "dev/product_panel.h"

#include <gtest/gtest.h>

#include "engines/product_status.h"
#include "fakes/recording_player.h"
#include "hardware/hardware_texts.h"
#include "market/market_world.h"

namespace cw {
namespace {

TEST(RatingWordTest, WordsAndTenthsAtTheirBoundaries) {
    EXPECT_EQ(ratingWord(120, false), "Superb");
    EXPECT_EQ(ratingWord(119, false), "Good");
    EXPECT_EQ(ratingWord(100, false), "Good");
    EXPECT_EQ(ratingWord(99, false), "Average");
    EXPECT_EQ(ratingWord(75, false), "Average");
    EXPECT_EQ(ratingWord(74, false), "Mediocre");
    EXPECT_EQ(ratingWord(60, false), "Mediocre");
    EXPECT_EQ(ratingWord(59, false), "Poor");
    // n = 11 - (150 - s) div 10, kept within 1..10.
    EXPECT_EQ(ratingWord(120, true), "Superb (8/10)");
    EXPECT_EQ(ratingWord(119, true), "Good (8/10)");
    EXPECT_EQ(ratingWord(100, true), "Good (6/10)");
    EXPECT_EQ(ratingWord(99, true), "Average (6/10)");
    EXPECT_EQ(ratingWord(74, true), "Mediocre (4/10)");
    EXPECT_EQ(ratingWord(59, true), "Poor (2/10)");
    EXPECT_EQ(ratingWord(50, true), "Poor (1/10)");
    EXPECT_EQ(ratingWord(0, true), "Poor (1/10)");
    EXPECT_EQ(ratingWord(140, true), "Superb (10/10)");
    EXPECT_EQ(ratingWord(149, true), "Superb (10/10)");  // 11 is kept at 10
    EXPECT_EQ(ratingWord(200, true), "Superb (10/10)");  // (150 - 200) div 10 truncates to -5
}

class ProductPanelTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;

    Platform& console(int slot, int product) {
        Platform& c = platform(slot, "Cube");
        c.productionSpending = 900000;
        c.makerEarnings = 1500000;
        c.productionCost = 120;
        c.price = 299;
        c.mainCpu = 1;
        c.spu = 2;
        c.ramChoice = 1;
        c.marketShare = 30;
        c.opinion = 20;
        g.tables().cpus[1].name = "Z80";
        g.tables().cpus[2].name = "Beeper";
        c.deals[1] = {3, 4};
        c.deals[3] = {5, 2};
        ProductEntry& e = g.world().products[product];
        e.kind = 4;
        e.refA = slot;
        e.refB = 0;
        return c;
    }
};

TEST_F(ProductPanelTest, GamePanelCarriesTheEngineLinesAndTheRating) {
    GameTitle& t = playersTitle(1980, 101, 2);
    t.companyRow = 3;
    t.totalSales = 50000;
    t.paidToPartners = 12000;
    t.price = 31;
    t.weekSalesUS = 700;
    t.chartPos = 4;
    ProductPanel panel;
    ASSERT_TRUE(productPanel(g, 2, panel));
    EXPECT_EQ(panel.kindText, "Game");
    EXPECT_EQ(panel.money[0].value, 12000);
    EXPECT_EQ(panel.money[1].value, 50000);
    EXPECT_EQ(panel.money[2].value, 38000);
    EXPECT_EQ(panel.priceText, "31");
    EXPECT_TRUE(panel.priceMarked);
    EXPECT_EQ(panel.info,
              "Product Info\r\nEngine        :None\r\nPublisher     :Three Soft\r\nPlatform      :Zed\r\n"
              "Genre         :Action\r\n\r\nRating :Good (7/10)\r\n");
    EXPECT_NE(panel.figures.find("Current week sales  : 700\r\n"), std::string::npos);
    EXPECT_NE(panel.figures.find("Chart position     : 4\r\nOverall Best chart position : -\r\n"), std::string::npos);

    EngineSlot& e = g.world().ownEngines[1][1];
    e.name = "Blaze";
    e.codeLevel = 2;
    e.rating = 77;
    ASSERT_TRUE(productPanel(g, 2, panel));
    EXPECT_EQ(panel.info.substr(0, 59), "Product Info\r\nEngine        :Blaze\r\nEngine score  :77/150\r\n");
    t.price = 30;
    ASSERT_TRUE(productPanel(g, 2, panel));
    EXPECT_FALSE(panel.priceMarked);
    t.price = 0;
    ASSERT_TRUE(productPanel(g, 2, panel));
    EXPECT_TRUE(panel.priceMarked);
}

TEST_F(ProductPanelTest, ConsolePanelDealsConfigurationAndGauge) {
    Platform& c = console(7, 3);
    ProductPanel panel;
    ASSERT_TRUE(productPanel(g, 3, panel));
    EXPECT_EQ(panel.kindText, "Platform");
    EXPECT_EQ(panel.name, "Cube");
    EXPECT_EQ(panel.money[2].value, 600000);
    EXPECT_EQ(panel.costText, "120");
    EXPECT_EQ(panel.priceText, "299");
    // The second CPU and the GPU are absent; the memory line stays.
    EXPECT_EQ(panel.info,
              "Product Info\r\nPublisher Deals  \r\nNumber of deals      :2\r\nTotal game releases  :6\r\n\r\n"
              "Configuration :\r\nMain CPU :Z80\r\nMain SPU :Beeper\r\nRam      :4 KB\r\n");
    EXPECT_EQ(panel.gauge, 25);
    EXPECT_TRUE(panel.canRelease);
    EXPECT_EQ(panel.stateText, "ready for release");
    c.marketShare = 90;
    c.opinion = 130;
    EXPECT_EQ(consoleGauge(c), 100);
    c.marketShare = 0;
    c.opinion = -40;
    EXPECT_EQ(consoleGauge(c), 0);
}

TEST_F(ProductPanelTest, EnginePanelShowsIncomeAndTheLeadingCompetitor) {
    EngineSlot& e = g.world().ownEngines[2][1];
    e.name = "Spark";
    e.codeLevel = 3;
    e.featureLevel = 2;
    e.rating = 88;
    e.experience = 25;
    e.licenceIncome = 50000;
    e.supportCost = 8000;
    ProductEntry& entry = g.world().products[5];
    entry.kind = 2;
    entry.refA = 2;
    entry.refB = 1;
    entry.released = 1;
    ProductPanel panel;
    ASSERT_TRUE(productPanel(g, 5, panel));
    EXPECT_EQ(panel.money[2].value, 42000);
    EXPECT_EQ(panel.priceText, "NA");
    EXPECT_FALSE(panel.canRelease);
    EXPECT_EQ(panel.info,
              "Product Info\r\nEngine score       : 88\r\nLeading competitor : None\r\n\r\n"
              "Genre              : Action\r\nPlatform           : Apple II\r\n");
    g.world().marketEngines[2][1].rating = 95;
    ASSERT_TRUE(productPanel(g, 5, panel));
    EXPECT_NE(panel.info.find("Leading competitor : 95\r\n\r\n"), std::string::npos);
    EXPECT_EQ(panel.figures, "Code level         : 3/10\r\nGenre level        : 2/5\r\nExperience         : 25/40\r\n");

    EXPECT_FALSE(productPanel(g, 6, panel));  // a free entry
}

TEST_F(ProductPanelTest, SetNewPriceClampsAndIgnoresWhatIsNoNumber) {
    Platform& c = console(7, 3);
    std::string field = "unchanged";
    EXPECT_TRUE(setConsolePrice(g, 3, "700", field));
    EXPECT_EQ(field, "700");
    EXPECT_EQ(c.price, 700);
    EXPECT_TRUE(setConsolePrice(g, 3, "49", field));
    EXPECT_EQ(field, "50");
    EXPECT_EQ(c.price, 50);
    EXPECT_TRUE(setConsolePrice(g, 3, "3001", field));
    EXPECT_EQ(field, "3000");
    EXPECT_TRUE(setConsolePrice(g, 3, "-20", field));
    EXPECT_EQ(c.price, 50);
    EXPECT_TRUE(setConsolePrice(g, 3, "99999999999999999999999", field));
    EXPECT_EQ(c.price, 3000);
    EXPECT_TRUE(setConsolePrice(g, 3, " 850 ", field));
    EXPECT_EQ(c.price, 850);
    for (const char* bad : {"", "abc", "12.5", "7e2", "-", "1 000"}) {
        field = "kept";
        EXPECT_FALSE(setConsolePrice(g, 3, bad, field)) << bad;
        EXPECT_EQ(field, "kept");
        EXPECT_EQ(c.price, 850);
    }
    // A game's price is not set here: the field is kept in range, the game unchanged.
    GameTitle& t = playersTitle(1980, 80, 4);
    EXPECT_TRUE(setConsolePrice(g, 4, "10", field));
    EXPECT_EQ(field, "50");
    EXPECT_EQ(t.price, 50);
    t.price = 35;
    EXPECT_TRUE(setConsolePrice(g, 4, "400", field));
    EXPECT_EQ(t.price, 35);

    ProductStatusScreen screen(g);
    ASSERT_TRUE(screen.open(3));
    EXPECT_EQ(screen.priceField(), "700");
    screen.setPriceField("12");
    EXPECT_TRUE(screen.setNewPrice());
    EXPECT_EQ(screen.priceField(), "50");
    EXPECT_EQ(screen.priceLabel(), "Price : 50$");
}

TEST_F(ProductPanelTest, HistoryHasOnePointPerWeekOnSaleUpToAHundred) {
    GameTitle& t = playersTitle(1980, 80, 1);
    EXPECT_TRUE(productHistoryPoints(g, 1).empty());  // not released
    g.world().products[1].released = 1;
    t.weeksOnSale = 3;
    ProductHistory& h = g.world().productHistory[1];
    h.chartPos[1] = 40;
    h.chartPos[2] = 12;
    h.chartPos[3] = 9;
    h.weekRevenue[1] = 1000;
    h.weekRevenue[2] = 5000;
    h.weekRevenue[3] = 4200;
    h.chartPos[4] = 1;  // recorded beyond the weeks on sale: not drawn
    const auto points = productHistoryPoints(g, 1);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].week, 2);
    EXPECT_EQ(points[1].chartPos, 12);
    EXPECT_EQ(points[2].revenue, 4200);
    t.weeksOnSale = 150;
    EXPECT_EQ(productHistoryPoints(g, 1).size(), 100u);

    ProductStatusScreen screen(g);
    ASSERT_TRUE(screen.open(1));
    EXPECT_TRUE(screen.showsCurves());
    EXPECT_FALSE(screen.canRelease());
    g.world().products[1].released = 0;
    screen.refresh();
    EXPECT_FALSE(screen.showsCurves());
    EXPECT_TRUE(screen.canRelease());
}

TEST_F(ProductPanelTest, OneLicenceAttemptThenTheWaitBeforeTheNext) {
    EngineSlot& e = g.world().ownEngines[2][1];
    e.name = "Spark";
    e.codeLevel = 10;
    e.featureLevel = 4;
    e.experience = 10;
    ProductEntry& entry = g.world().products[5];
    entry.kind = 2;
    entry.refA = 2;
    entry.refB = 1;
    EXPECT_EQ(engineProductSlot(g, 2, 1), 5);
    EXPECT_EQ(engineProductSlot(g, 1, 1), 0);

    ProductStatusScreen screen(g);
    ASSERT_TRUE(screen.open(5));
    const auto offers = screen.upgradeOffers();
    ASSERT_EQ(offers.size(), 3u);
    EXPECT_TRUE(offers[0].atBest);  // code level 10
    EXPECT_EQ(offers[1].work, 4000);
    EXPECT_EQ(offers[2].work, 4500);  // 6000 - 150 x 10
    e.experience = 38;
    EXPECT_EQ(screen.upgradeOffers()[2].work, 300);

    EXPECT_TRUE(screen.canTrySale());
    EXPECT_EQ(screen.trySellEngine(), std::nullopt);
    EXPECT_EQ(g.session.engineSaleWait, kEngineSaleWaitWeeks);
    EXPECT_FALSE(screen.canTrySale());
    const Refusal wait{"Try to Sell Engine", "The developers take up licence talks again in 4 week(s)"};
    EXPECT_EQ(screen.trySellEngine(), wait);
    for (int w = 0; w < 3; ++w) countDownEngineSaleWait(g);
    EXPECT_EQ(screen.saleWaitText(), "The developers take up licence talks again in 1 week(s)");
    countDownEngineSaleWait(g);
    EXPECT_TRUE(screen.canTrySale());
    const Refusal none{"Try to Sell Engine", "You have no engine for this platform and genre"};
    EXPECT_EQ(tryEngineSale(g, 1, 1), none);
    EXPECT_EQ(g.session.engineSaleWait, 0);
}

TEST_F(ProductPanelTest, BudgetPricingOnceForAReleasedGameAboveTwentyFive) {
    GameTitle& t = playersTitle(1980, 80, 1);
    t.reviewScore = 100;
    t.salesScore = 70;
    t.price = 40;
    ProductStatusScreen screen(g);
    ASSERT_TRUE(screen.open(1));
    EXPECT_FALSE(screen.canBudgetPrice());  // not released yet
    g.world().products[1].released = 1;
    screen.refresh();
    ASSERT_TRUE(screen.canBudgetPrice());
    p.buttonAnswers = {false};
    EXPECT_FALSE(screen.budgetPrice(p));
    EXPECT_EQ(t.price, 40);
    p.buttonAnswers = {true};
    EXPECT_TRUE(screen.budgetPrice(p));
    EXPECT_EQ(t.price, 25);
    EXPECT_EQ(t.salesScore, 86);  // 70 + 100 div 6
    EXPECT_FALSE(screen.canBudgetPrice());
    EXPECT_FALSE(screen.budgetPrice(p));
    EXPECT_EQ(p.only("message").size(), 2u);
    t.price = 30;
    t.salesScore = 250;
    t.reviewScore = 120;
    p.buttonAnswers = {true};
    EXPECT_TRUE(screen.budgetPrice(p));
    EXPECT_EQ(t.salesScore, 255);  // kept in its byte
}

}  // namespace
}  // namespace cw
