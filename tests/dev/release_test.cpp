// The distribution of a finished game and its release from the product
// list: costs and shares, the default regions, the release date and the
// copied title, and the first week's sales of a signed and released game.
#include "dev/release.h"

#include <gtest/gtest.h>

#include "dev/product_finish.h"
#include "fakes/recording_player.h"
#include "hardware/hardware_texts.h"
#include "hardware/warehouse.h"
#include "market/market_world.h"
#include "market/publishers.h"
#include "market/sales.h"
#include "setup/main_screen_model.h"
#include "sim/task_finish.h"
#include "state/shared_ops.h"
#include "state/tasks.h"
#include "state/shared_ops.h"

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
    const ProductEntry& e = g.world().products[1];
    const GameTitle& sold = g.tables().gameTitles[e.refA][e.refB];
    const i32 cashBefore = g.world().money;
    const i32 salesBefore = sold.totalSales;
    const i32 partnersBefore = sold.paidToPartners;
    UpdateWeeklySales(g, p);
    EXPECT_GT(sold.weekSalesUS, 0);
    EXPECT_GT(sold.totalSales, 0);
    EXPECT_GT(g.world().money, 1000);
    // The cash gains exactly the copy's net: its sales less the partners' part.
    EXPECT_GT(sold.paidToPartners, partnersBefore);
    EXPECT_EQ(g.world().money - cashBefore,
              (sold.totalSales - salesBefore) - (sold.paidToPartners - partnersBefore));
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

// A console of the player's as "Finish Project" leaves it: platform `slot`
// designed in a test, listed as ready product `k`.
class ConsoleReleaseTest : public ProductReleaseTest {
protected:
    Platform& readyConsole(int k, int slot, i32 cpuSpec, i32 hype) {
        Platform& pf = platform(slot, "Nova 64");
        pf.cpuSpec = cpuSpec;
        pf.hype = hype;
        pf.playerOwned = 1;
        pf.marketShare = 0;
        pf.opinion = 0;
        ProductEntry& e = g.world().products[k];
        e.kind = 4;
        e.refA = slot;
        e.refB = 0;
        return pf;
    }
    void bestOnMarket(i32 cpuSpec) {
        Platform& best = platform(3, "Best");
        best.released = 1;
        best.cpuSpec = cpuSpec;
    }
};

TEST_F(ConsoleReleaseTest, WithoutHypeTheConsoleStartsFromTheBestOnTheMarket) {
    bestOnMarket(1000);
    Platform& pf = readyConsole(2, 7, 990, 0);
    addStock(g, 7, 0, 4, 100);
    Random replay = g.rng;
    EXPECT_EQ(releaseProduct(g, p, 2), "");
    EXPECT_TRUE(g.world().products[2].released);
    EXPECT_EQ(pf.marketShare, 10);
    EXPECT_EQ(pf.bugCooldown, replay.randomInt(8) + 8);  // the only draw
    EXPECT_EQ(g.rng.seed, replay.seed);
    EXPECT_EQ(pf.opinion, 30);
    EXPECT_TRUE(pf.launched);
    EXPECT_FALSE(pf.released);  // the market takes it next week
    EXPECT_EQ(pf.releaseYear, 1980);
    EXPECT_EQ(pf.releaseWeek, 46);
    // Units in store: only the release question is asked.
    ASSERT_EQ(p.only("message").size(), 1u);
    EXPECT_EQ(p.only("message")[0].a, "Release Product");
    EXPECT_EQ(p.only("message")[0].b, "Release Product :\r\nNova 64 ?");
    EXPECT_EQ(p.refreshes, 1);
    EXPECT_EQ(releaseProduct(g, p, 2), "The product is already released");

    Platform& weaker = readyConsole(3, 8, 700, 0);
    EXPECT_EQ(releaseProduct(g, p, 3), "");
    EXPECT_EQ(weaker.opinion, 15);
}

TEST_F(ConsoleReleaseTest, HypeFortySixAddsSevenOpinionDrawsInOrder) {
    bestOnMarket(1000);
    Platform& pf = readyConsole(1, 7, 800, 46);
    addStock(g, 7, 0, 4, 1);
    Random replay = g.rng;
    ASSERT_EQ(releaseProduct(g, p, 1), "");
    const i32 share = 10 + replay.randomInt(3) + 1 + 46 / 2;
    const i32 cooldown = replay.randomInt(8) + 8;
    i32 opinion = 20;  // 30 - 200 div 20
    i32 added = 0;
    for (int k = 0; k < 7; ++k) {
        const i32 d = replay.randomInt(2) + 2;
        EXPECT_TRUE(d == 2 || d == 3);
        added += d;
    }
    opinion += added;
    EXPECT_EQ(pf.marketShare, share);
    EXPECT_EQ(pf.bugCooldown, cooldown);
    EXPECT_EQ(pf.opinion, opinion);
    EXPECT_EQ(g.rng.seed, replay.seed);  // nothing drawn after the seven
    EXPECT_GE(added, 14);
    EXPECT_LE(added, 21);

    // A hype of 7 exceeds no step; 8 exceeds the first one only.
    for (const auto& [hype, draws] : {std::pair{7, 0}, std::pair{8, 1}, std::pair{45, 6}}) {
        SCOPED_TRACE(hype);
        Platform& q = readyConsole(5, 9, 800, hype);
        g.world().products[5].released = 0;
        Random r = g.rng;
        ASSERT_EQ(releaseProduct(g, p, 5), "");
        r.randomInt(3);
        r.randomInt(8);
        i32 sum = 20;
        for (int k = 0; k < draws; ++k) sum += r.randomInt(2) + 2;
        EXPECT_EQ(q.opinion, sum);
        EXPECT_EQ(g.rng.seed, r.seed);
    }
}

TEST_F(ConsoleReleaseTest, AReleaseInWeekFiftyTwoLaunchesInWeekOneOfNextYear) {
    g.currentWeek = 52;
    Platform& pf = readyConsole(1, 7, 900, 0);
    addStock(g, 7, 0, 4, 10);
    ASSERT_EQ(releaseProduct(g, p, 1), "");
    EXPECT_EQ(pf.releaseYear, 1981);
    EXPECT_EQ(pf.releaseWeek, 1);
}

TEST_F(ConsoleReleaseTest, AnEmptyStoreOffersTheAssemblyLinesAndNoKeepsItReady) {
    Platform& pf = readyConsole(1, 7, 900, 5);
    p.buttonAnswers = {true, false};  // open the assembly lines; do not release
    const Random before = g.rng;
    EXPECT_EQ(releaseProduct(g, p, 1), "");
    const auto messages = p.only("message");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].a, "No units in storage");
    EXPECT_EQ(messages[0].b,
              "You have no units of this product in your storage.\r\nBefore releaseing a product it is always a good "
              "idea to have some units in the storage\r\nSetup product of product ?");
    ASSERT_EQ(p.only("screen").size(), 1u);
    EXPECT_EQ(p.only("screen")[0].a, "TForm_factory_assembly");
    EXPECT_FALSE(g.world().products[1].released);
    EXPECT_FALSE(pf.launched);
    EXPECT_EQ(g.rng.seed, before.seed);

    // No to the store question: the release goes on all the same.
    p.calls.clear();
    p.buttonAnswers = {false, true};
    EXPECT_EQ(releaseProduct(g, p, 1), "");
    EXPECT_TRUE(p.only("screen").empty());
    EXPECT_TRUE(g.world().products[1].released);
    EXPECT_TRUE(pf.launched);
}

TEST_F(ConsoleReleaseTest, AHugeHypeFillsThePopularityWithoutWrappingIt) {
    Platform& pf = readyConsole(1, 7, 900, 400);
    addStock(g, 7, 0, 4, 10);
    ASSERT_EQ(releaseProduct(g, p, 1), "");
    EXPECT_EQ(pf.marketShare, 100);

    ProductEntry& orphan = g.world().products[2];
    orphan.kind = 4;
    orphan.refA = 44;  // a slot with no platform in it
    EXPECT_EQ(releaseProduct(g, p, 2), "The product has no platform record");
    ProductEntry& engine = g.world().products[3];
    engine.kind = 2;
    engine.refA = 1;
    EXPECT_EQ(releaseProduct(g, p, 3), "Only games and consoles are released");
}

}  // namespace
}  // namespace cw
