// The distribution of a finished game and its release from the product
// list: costs and shares, the default regions, the release date and the
// copied title, and the first week's sales of a signed and released game.
#include "dev/release.h"

#include <gtest/gtest.h>

#include "dev/product_finish.h"
#include "fakes/recording_player.h"
#include "hardware/hardware_texts.h"
#include "market/market_world.h"
#include "market/publishers.h"
#include "market/sales.h"
#include "setup/main_screen_model.h"
#include "sim/task_finish.h"
#include "sim/tasks.h"

namespace cw {
namespace {

class ProductReleaseTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;

    Task& gameTask(int ti) {
        Task& t = g.tables().tasks[ti];
        t.name = "Project";
        t.taskType = kTaskGame;
        return t;
    }
    // A finished game waiting in the holding year as product `k`.
    GameTitle& heldGame(int k, int slot) {
        GameTitle& x = g.tables().gameTitles[1978][slot];
        x.title = "Space Quest";
        x.genre = 1;
        x.platform = 1;
        x.salesScore = 80;
        x.reviewScore = 80;
        x.companyRow = 3;
        x.publisherShare = 10;
        x.weeklyOutput = 100000;
        x.inUS = 1;
        x.chartPos = x.bestChartPos = 255;
        g.tables().titlesPerYear[1978] = slot;
        ProductEntry& e = g.world().products[k];
        e.kind = 1;
        e.refA = 1978;
        e.refB = slot;
        return x;
    }
};

TEST_F(ProductReleaseTest, DistributionCostsAndSharesPerLevel) {
    Task& t = gameTask(1);
    t.game.publisherShare = 12;
    g.world().gameLevel = 2;
    const Regions all{true, true, true};
    EXPECT_EQ(distributionCost(g, all), 240000);
    EXPECT_EQ(distributionShare(g, 1, all), 18);
    EXPECT_EQ(distributionCost(g, {false, true, false}), 80000);
    EXPECT_EQ(distributionShare(g, 1, {false, false, true}), 14);

    g.world().money = 500000;
    EXPECT_EQ(chooseDistribution(g, 1, {}), "Choose at least one region");
    EXPECT_EQ(g.world().money, 500000);
    EXPECT_EQ(chooseDistribution(g, 1, {true, false, true}), "");
    EXPECT_EQ(t.game.publisherShare, 16);
    EXPECT_TRUE(t.game.inUS && !t.game.inEU && t.game.inAsia);
    EXPECT_EQ(g.world().money, 340000);
}

TEST_F(ProductReleaseTest, DefaultTakesEveryRegionTheCompanyCanPayFor) {
    g.world().gameLevel = 1;
    g.world().money = 120000;
    Regions r = defaultRegions(g);
    EXPECT_TRUE(r.us && r.eu && r.asia);
    g.world().money = 80000;  // USA, then Asia still fits
    r = defaultRegions(g);
    EXPECT_TRUE(r.us && !r.eu && r.asia);
    g.world().money = 10;  // a game must reach some shop
    r = defaultRegions(g);
    EXPECT_TRUE(r.us && !r.eu && !r.asia);

    // The dialog closed without a choice takes the default.
    gameTask(2);
    g.world().money = 90000;
    EXPECT_TRUE(distributionDialog(g, p, 2));
    EXPECT_EQ(p.only("screen").size(), 1u);
    const GameTitle& game = g.tables().tasks[2].game;
    EXPECT_TRUE(game.inUS && game.inEU && !game.inAsia);
    EXPECT_EQ(g.world().money, 0);
}

TEST_F(ProductReleaseTest, ReleaseInWeekFiftyTwoCopiesTheTitleIntoNextYear) {
    GameTitle& held = heldGame(5, 40);
    g.currentWeek = 52;
    g.tables().titlesPerYear[1981] = 7;
    EXPECT_EQ(releaseProduct(g, p, 5), "");
    const ProductEntry& e = g.world().products[5];
    EXPECT_EQ(e.refA, 1981);
    EXPECT_EQ(e.refB, 8);
    EXPECT_TRUE(e.released);
    EXPECT_EQ(g.tables().titlesPerYear[1981], 8);
    const GameTitle& copy = g.tables().gameTitles[1981][8];
    EXPECT_EQ(copy.title.str(), "Space Quest");
    EXPECT_EQ(copy.releaseYear, 1981);
    EXPECT_EQ(copy.releaseWeek, 1);
    EXPECT_EQ(copy.price, 50);
    EXPECT_TRUE(copy.released && copy.isPlayers);
    EXPECT_EQ(held.title.str(), "Space Quest");  // the old record stays
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "Game Released");
    EXPECT_EQ(p.only("notify")[0].b, "You have released the game Space Quest");

    EXPECT_EQ(releaseProduct(g, p, 5), "The product is already released");
    EXPECT_EQ(releaseProduct(g, p, 6), "There is no product 6");
}

TEST_F(ProductReleaseTest, ReleaseKeepsAPriceAndRefusesAFullYear) {
    heldGame(1, 2).price = 35;
    g.currentWeek = 10;
    EXPECT_EQ(releaseProduct(g, p, 1), "");
    const ProductEntry& e = g.world().products[1];
    EXPECT_EQ(e.refA, 1980);
    EXPECT_EQ(g.tables().gameTitles[1980][e.refB].price, 35);
    EXPECT_EQ(g.tables().gameTitles[1980][e.refB].releaseWeek, 11);

    heldGame(2, 3);
    g.tables().titlesPerYear[1980] = 3500;
    EXPECT_EQ(releaseProduct(g, p, 2), "There is no room for more releases in 1980");
    EXPECT_FALSE(g.world().products[2].released);
}

TEST_F(ProductReleaseTest, ASignedAndReleasedGameSellsNextWeekAndCashArrives) {
    heldGame(1, 2);
    g.world().money = 1000;
    ASSERT_EQ(releaseProduct(g, p, 1), "");
    UpdateWeeklySales(g, p);
    const ProductEntry& e = g.world().products[1];
    const GameTitle& sold = g.tables().gameTitles[e.refA][e.refB];
    EXPECT_GT(sold.weekSalesUS, 0);
    EXPECT_GT(sold.totalSales, 0);
    EXPECT_GT(g.world().money, 1000);
    GameProductPanel panel;
    ASSERT_TRUE(gameProductPanel(g, 1, panel));
    EXPECT_EQ(panel.totalSales, sold.totalSales);
    EXPECT_EQ(panel.info, "Product Info\r\nEngine        :None\r\nPublisher     :Three Soft\r\nPlatform      :Zed\r\n"
                          "Genre         :Action\r\n\r\nRating :" +
                              ratingWord(sold.salesScore, true) + "\r\n");
    EXPECT_EQ(productStateText(g, 1), "released");
}

TEST_F(ProductReleaseTest, LaunchOpinionAgainstTheBestConsoleOnTheMarket) {
    Platform& best = platform(3, "Best");
    best.released = 1;
    best.cpuSpec = 1000;
    Platform& own = platform(4, "Own");
    own.cpuSpec = 700;
    EXPECT_EQ(launchOpinion(g, 4), 15);
    own.cpuSpec = 719;
    EXPECT_EQ(launchOpinion(g, 4), 16);  // 30 - 281 div 20
    own.cpuSpec = 800;
    EXPECT_EQ(launchOpinion(g, 4), 20);
    own.cpuSpec = 990;
    EXPECT_EQ(launchOpinion(g, 4), 30);
    best.discontinued = 1;  // only the floor of 600 is left to beat
    own.cpuSpec = 580;
    EXPECT_EQ(launchOpinion(g, 4), 29);
}

TEST_F(ProductReleaseTest, TheMainScreenListsGamesWithTheirState) {
    heldGame(4, 2);
    const MainScreenModel ready = buildMainScreenModel(g);
    ASSERT_EQ(ready.games.size(), 1u);
    EXPECT_EQ(ready.games[0].slot, 4);
    EXPECT_EQ(ready.games[0].name, "Space Quest  (score 80) - ready for release");
    ASSERT_EQ(releaseProduct(g, p, 4), "");
    EXPECT_EQ(buildMainScreenModel(g).games[0].name, "Space Quest  (score 80) - released");
}

TEST_F(ProductReleaseTest, AFinishedGameClosingBothScreensGetsTheDefaults) {
    title(1980, 80).companyRow = 5;  // Three Soft publishes this year
    Task& t = gameTask(3);
    t.name = "Quest";
    t.game.title = "Quest";
    t.game.genre = 1;
    t.game.platform = 1;
    g.world().money = 60000;  // USA only
    finishGame(g, p, 3);

    const auto screens = p.only("screen");
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0].a, screenName(ScreenId::PublisherChoice));
    EXPECT_EQ(screens[1].a, screenName(ScreenId::Distribution));
    int k = 0;
    for (int i = 1; i <= 3500 && k == 0; ++i)
        if (g.world().products[i].kind == 1) k = i;
    ASSERT_GT(k, 0);
    const GameTitle* held = productTitle(g, k);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(g.world().products[k].refA, 1978);
    EXPECT_EQ(held->companyRow, 3);
    EXPECT_EQ(held->publisherShare, 7);  // 6 for the deal, 1 for the USA
    EXPECT_TRUE(held->inUS && !held->inEU && !held->inAsia);
    EXPECT_EQ(g.world().money, 10000);
    EXPECT_EQ(productStateText(g, k), "ready for release");
}

}  // namespace
}  // namespace cw
