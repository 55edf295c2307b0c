// The post-mortem of the player's games: the sales week taken apart adds up
// to what the sales step stored, for many draws and markets; the score's
// additions add up to the score; reading a post-mortem changes nothing.
#include "dev/post_mortem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <vector>

#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "market/sales.h"
#include "quality/game_quality.h"
#include "sim/task_finish.h"
#include "sim/task_world.h"

namespace cw {
namespace {

std::int64_t sum(const std::vector<WhyLine>& lines) {
    return std::accumulate(lines.begin(), lines.end(), std::int64_t{0},
                           [](std::int64_t a, const WhyLine& l) { return a + l.value; });
}

i32 weekField(const GameTitle& t, int r) { return r == 1 ? t.weekSalesUS : r == 2 ? t.weekSalesEU : t.weekSalesAsia; }

class PostMortemSalesTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;
};

TEST_F(PostMortemSalesTest, EveryRegionAddsUpToItsStoredWeekOverManyMarkets) {
    // Two titles of the player's that differ in everything the rules look
    // at, over many seeds, weeks, images and capacities.
    GameTitle& a = playersTitle(1980, 66, 1);
    a.inEU = a.inAsia = 1;
    GameTitle& b = playersTitle(1980, 90, 2);
    b.platform = 2;
    b.inUS = 0;
    b.inEU = b.inAsia = 1;
    b.price = 25;
    g.tables().platforms[1].soldUnits = 2345678;
    g.tables().platforms[1].piracyPercent = 37;
    g.tables().platforms[1].stillInUsePercent = 83;
    g.tables().platforms[2].soldUnits = 987654;
    g.world().platformProtection[2].strength = 1000;
    int checked = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        g.rng.seed = seed * 7919;
        g.currentWeek = static_cast<int>(seed % 52) + 1;
        g.world().gamesImage = static_cast<u8>(seed * 3 % 101);
        g.world().regionDemand[seed % 3 + 1] = static_cast<i32>(50 + seed % 50);
        a.weeksOnSale = static_cast<i32>(seed % 7);  // the launch weeks and after
        a.salesScore = static_cast<u8>(55 + seed % 40);
        b.weeksOnSale = static_cast<i32>(seed % 5);
        b.weeklyOutput = seed % 4 == 0 ? 300 : 1000000;  // now and then the publisher runs short
        UpdateWeeklySales(g, p);
        for (int product : {1, 2}) {
            const ProductEntry& e = g.world().products[product];
            const GameTitle& title = g.tables().gameTitles[e.refA][e.refB];
            for (int r = 1; r <= 3; ++r) {
                const WhySales w = whySales(g, product, r);
                ASSERT_TRUE(w.unavailable.empty()) << w.unavailable;
                EXPECT_EQ(w.total, weekField(title, r)) << "seed " << seed << " product " << product << " region " << r;
                if (w.lines.empty()) {
                    EXPECT_EQ(w.total, 0);
                    EXPECT_FALSE(w.note.empty());
                    continue;
                }
                EXPECT_EQ(w.lines.size(), 14u);
                EXPECT_EQ(sum(w.lines), w.total) << "seed " << seed << " product " << product << " region " << r;
                ++checked;
            }
            const WhySales w = whySales(g, product, 1);
            ASSERT_EQ(w.shares.size(), 4u);
            EXPECT_EQ(w.shares[0].value, static_cast<std::int64_t>(title.weekSalesUS) + title.weekSalesEU +
                                             title.weekSalesAsia);
            EXPECT_EQ(w.shares[0].value + w.shares[1].value + w.shares[2].value, w.shares[3].value);
        }
    }
    EXPECT_GT(checked, 250);
}

TEST_F(PostMortemSalesTest, TheRecordedDrawsAreTheWeeksOwnAndReadingDrawsNothing) {
    GameTitle& t = playersTitle(1980, 80, 1);
    t.inEU = 1;
    g.rng.seed = 1234;
    UpdateWeeklySales(g, p);
    const WhySales us = whySales(g, 1, 1);
    ASSERT_EQ(us.lines[0].key, "score");
    // The score line is (60 + draw) x 32 x 5 with a draw of 0..9.
    EXPECT_EQ(us.lines[0].value % 160, 0);
    EXPECT_GE(us.lines[0].value, 60 * 160);
    EXPECT_LE(us.lines[0].value, 69 * 160);

    const std::uint32_t seed = g.rng.seed;
    std::vector<unsigned char> before(g.imageBytes(), g.imageBytes() + sizeof(SaveImage));
    for (int r = 1; r <= 3; ++r) (void)whySales(g, 1, r);
    (void)whyScoreOfProduct(g, 1);
    EXPECT_EQ(g.rng.seed, seed);
    EXPECT_EQ(std::memcmp(before.data(), g.imageBytes(), before.size()), 0);
}

TEST_F(PostMortemSalesTest, BeforeAnySalesWeekTheBreakdownSaysSo) {
    GameTitle& t = playersTitle(1980, 80, 1);
    t.weeksOnSale = 0;
    EXPECT_NE(whySales(g, 1, 1).unavailable.find("has not sold a week yet"), std::string::npos);
    // A title with weeks on sale but no week kept (a game just loaded).
    t.weeksOnSale = 5;
    t.weekSalesUS = 1234;
    EXPECT_NE(whySales(g, 1, 1).unavailable.find("is available from the next week"), std::string::npos);
    UpdateWeeklySales(g, p);
    EXPECT_TRUE(whySales(g, 1, 1).unavailable.empty());
    forgetSalesWeek(g);
    EXPECT_NE(whySales(g, 1, 1).unavailable.find("is available from the next week"), std::string::npos);
    // Unreleased, and no game at all.
    t.released = 0;
    EXPECT_NE(whySales(g, 1, 1).unavailable.find("is not on sale yet"), std::string::npos);
    EXPECT_EQ(whySales(g, 9, 1).unavailable, "Product 9 is no game.");
}

TEST_F(PostMortemSalesTest, ARegionWithoutDistributionOrAFlopSellsNothingAndSaysWhy) {
    GameTitle& t = playersTitle(1980, 80, 1);
    UpdateWeeklySales(g, p);
    const WhySales eu = whySales(g, 1, 2);
    EXPECT_EQ(eu.total, 0);
    EXPECT_TRUE(eu.lines.empty());
    EXPECT_NE(eu.note.find("is not distributed in Europe"), std::string::npos);
    t.salesScore = 50;
    UpdateWeeklySales(g, p);
    const WhySales us = whySales(g, 1, 1);
    EXPECT_EQ(us.total, 0);
    EXPECT_NE(us.note.find("50 or lower"), std::string::npos);
}

TEST_F(PostMortemSalesTest, CapacityAndSharesShowTheirOwnSteps) {
    GameTitle& t = playersTitle(1980, 80, 1);
    t.weeklyOutput = 10;  // 500 dollars of copies at a price of 50
    t.publisherShare = 20;
    t.partnerShare = 5;
    g.world().gamesImage = 40;
    UpdateWeeklySales(g, p);
    const WhySales w = whySales(g, 1, 1);
    ASSERT_EQ(w.lines.size(), 14u);
    EXPECT_EQ(w.lines[12].key, "public image");
    EXPECT_GT(w.lines[12].value, 0);
    EXPECT_EQ(w.lines[13].key, "publisher capacity");
    EXPECT_LT(w.lines[13].value, 0);
    EXPECT_EQ(w.total, 500);
    EXPECT_EQ(w.shares[1].value, -100);
    EXPECT_EQ(w.shares[2].value, -40);
    EXPECT_EQ(w.shares[3].value, 360);
    g.tables().platforms[1].soldUnits = 362402;
    UpdateWeeklySales(g, p);
    EXPECT_NE(whySales(g, 1, 1).lines[1].sentence.find("is in 362,402 homes"), std::string::npos);
}

// A game record scored like a finished game in a hand-built world.
class PostMortemScoreTest : public ::testing::Test, public test::MarketWorld {
protected:
    PostMortemScoreTest() {
        g.session.genreProfiles[1].name = "Action";
        g.session.genreProfiles[1].demands = {8, 4, 6};
        g.session.genreProfiles[1].weights = {40, 30, 30};
        GameTitle& t = playersTitle(1981, 0, 1);
        t.qualityGameplay = 120;
        t.qualityComplexity = 20;
        t.qualityReplayability = 70;
        t.researchProgramming = 50;
        t.researchDesign = 60;
        t.researchGraphics = 40;
        t.expProgramming = 90;
        t.expDesign = 40;
        t.expGraphics = 10;
        t.hype = 23;
        t.partnerShare = 2;
        t.soundStudioAtFinish = 1;
        t.extrasScore = 13;
        t.hasVoiceActor = 1;
    }
    GameTitle& game() { return g.tables().gameTitles[1981][1]; }
};

TEST_F(PostMortemScoreTest, TheAdditionsAddUpToTheStoredScore) {
    for (int studio : {0, 1, 3}) {
        for (int hype : {0, 23, 140}) {
            for (int level : {1, 2, 3}) {
                GameTitle& t = game();
                t.soundStudioAtFinish = static_cast<u8>(studio);
                t.hype = hype;
                g.world().gameLevel = level;
                ScoreSetting s = scoreSetting(g, t, 0);
                s.soundStudioLevel = studio;
                s.year = t.releaseYear;
                const int score = gameScoreIn(g, t, s);
                t.reviewScore = static_cast<u8>(score);
                t.salesScore = static_cast<u8>(score - 3);  // three weeks of decay
                const WhyScore w = whyScoreOfProduct(g, 1);
                ASSERT_TRUE(w.unavailable.empty());
                EXPECT_EQ(w.total, t.salesScore);
                EXPECT_EQ(sum(w.lines), w.total);
                ASSERT_EQ(w.lines.size(), 11u);
                EXPECT_EQ(w.lines[9].key, "since finished");
                EXPECT_EQ(w.lines[9].value, 0);
                EXPECT_EQ(w.lines[10].value, -3);
            }
        }
    }
}

TEST_F(PostMortemScoreTest, HypeSentenceAndTheBestChangesComeFromTheScoreItself) {
    GameTitle& t = game();
    t.hype = 0;
    const WhyScore w = whyScoreOfProduct(g, 1);
    EXPECT_EQ(w.lines[2].key, "hype");
    EXPECT_EQ(w.lines[2].value, 7);
    EXPECT_EQ(w.lines[2].sentence, "A new title without hype gets 7; advertising and a sequel's fans raise it.");
    ASSERT_FALSE(w.changes.empty());
    ASSERT_LE(w.changes.size(), 2u);
    // Research at 25..60 leaves the most on the table here.
    EXPECT_EQ(w.changes[0].key, "all three research sliders at 100");
    GameTitle copy = t;
    copy.researchProgramming = copy.researchDesign = copy.researchGraphics = 100;
    ScoreSetting s = scoreSetting(g, t, 0);
    s.soundStudioLevel = t.soundStudioAtFinish;
    s.year = t.releaseYear;
    EXPECT_EQ(w.changes[0].value, gameScoreIn(g, copy, s) - gameScoreIn(g, t, s));
    if (w.changes.size() == 2) {
        EXPECT_GE(w.changes[0].value, w.changes[1].value);
    }
    ASSERT_EQ(w.qualities.size(), 3u);
    EXPECT_EQ(w.qualities[1].value, 20);
    EXPECT_EQ(w.qualities[1].asked, 40);
}

TEST_F(PostMortemScoreTest, AGameFinishedInThisProgramIsTakenApartAsItWasScored) {
    GameTitle& t = game();
    GameTitle atFinish = t;
    atFinish.hype = 60;  // the deal after the finish took hype away again
    ScoreSetting s = scoreSetting(g, atFinish, 0);
    s.soundStudioLevel = 1;
    t.reviewScore = static_cast<u8>(gameScoreIn(g, atFinish, s));
    t.salesScore = t.reviewScore;
    rememberFinishedScore(g, 1, atFinish, s);
    WhyScore w = whyScoreOfProduct(g, 1);
    EXPECT_EQ(w.lines[2].value, 12);
    EXPECT_EQ(w.lines[9].value, 0);
    EXPECT_EQ(sum(w.lines), t.salesScore);
    // Another game in the entry, or a load, leaves only the record.
    forgetFinishedScores(g);
    w = whyScoreOfProduct(g, 1);
    EXPECT_EQ(w.lines[2].value, 4);
    EXPECT_EQ(w.lines[9].value, 8);
    EXPECT_EQ(sum(w.lines), t.salesScore);
}

TEST_F(PostMortemScoreTest, AScoreChangedSinceTheFinishIsReconciledNotHidden) {
    GameTitle& t = game();
    t.reviewScore = 90;  // finished with more hype than it has now
    t.salesScore = 85;
    const WhyScore w = whyScoreOfProduct(g, 1);
    EXPECT_EQ(w.total, 85);
    EXPECT_EQ(sum(w.lines), 85);
    EXPECT_EQ(w.lines[10].value, -5);
    EXPECT_NE(w.lines[9].value, 0);
}

TEST_F(PostMortemScoreTest, ABudgetPriceGainIsNoDecay) {
    GameTitle& t = game();
    ScoreSetting s = scoreSetting(g, t, 0);
    s.soundStudioLevel = t.soundStudioAtFinish;
    s.year = t.releaseYear;
    t.reviewScore = static_cast<u8>(gameScoreIn(g, t, s));
    t.salesScore = static_cast<u8>(t.reviewScore - 4 + t.reviewScore / 6);  // four weeks of decay, then budget
    t.price = 25;
    const WhyScore w = whyScoreOfProduct(g, 1);
    ASSERT_EQ(w.lines.size(), 12u);
    EXPECT_EQ(w.lines[10].key, "on sale");
    EXPECT_EQ(w.lines[10].value, -4);
    EXPECT_EQ(w.lines[11].key, "budget price");
    EXPECT_EQ(w.lines[11].value, t.reviewScore / 6);
    EXPECT_EQ(sum(w.lines), t.salesScore);
}

// A game in development is predicted the way the finish scores it: each
// platform's version with a third of that platform's engine, and the hype
// of the publisher deal the finish signs by default.
TEST(WhyScoreOfTask, PredictsEveryVersionWithTheDefaultPublisher) {
    test::TaskWorld w;
    w.world().ownEngines[1][1].rating = 120;  // a third is 40, a quarter 30
    w.world().ownEngines[2][1].rating = 60;
    Company& publisher = w.g.tables().companies[3];
    publisher.name = "Big Pub";
    publisher.money = 6000000;
    publisher.listRow = 7;
    publisher.firstYear = 1980;
    GameTitle& theirs = w.g.tables().gameTitles[1985][1];
    theirs.title = "Their Game";
    theirs.companyRow = 7;
    w.g.tables().titlesPerYear[1985] = 1;
    const int t = w.gameTask("Space Duel", w.hire(1, "Ann", 4, 3, 3), 300, 0);
    w.task(t).platformList = "1;2;";
    w.task(t).game.extrasScore = 240;  // both versions well above the floor
    w.task(t).game.hype = 10;

    const std::uint32_t seed = w.g.rng.seed;
    const WhyScore why = whyScoreOfTask(w.g, t);
    EXPECT_EQ(w.g.rng.seed, seed);
    ASSERT_TRUE(why.unavailable.empty());
    ASSERT_EQ(why.versions.size(), 2u);
    EXPECT_EQ(why.versions[0].platformName, "ZX Home");
    EXPECT_EQ(why.versions[1].platformName, "Comet 64");
    EXPECT_EQ(why.versions[0].lines[3].value, 40);
    EXPECT_EQ(why.versions[1].lines[3].value, 20);
    EXPECT_EQ(why.total, why.versions[0].total);
    for (const WhyVersion& v : why.versions) EXPECT_EQ(sum(v.lines), v.total);
    EXPECT_NE(why.publisher.find("Big Pub"), std::string::npos) << why.publisher;
    EXPECT_GT(why.versions[0].lines[2].value, 10 / 5 + 8);  // the deal's advertising is counted

    finishGame(w.g, w.p, t);
    const auto& held = w.g.tables().gameTitles[1978];
    ASSERT_EQ(held[1].companyRow, 3);
    // The deal's draw moves the hype by up to 2 either way: a point at most.
    EXPECT_NEAR(held[1].salesScore, why.versions[0].total, 1);
    EXPECT_NEAR(held[2].salesScore, why.versions[1].total, 1);

    // A game with its publisher signed is scored with the hype it has.
    const int u = w.gameTask("Second", w.hire(2, "Bob", 4, 3, 3), 300, 0);
    w.task(u).game.companyRow = 3;
    EXPECT_EQ(whyScoreOfTask(w.g, u).publisher, "Published by Big Pub: its advertising is in the hype already.");
    EXPECT_EQ(whyScoreOfTask(w.g, u).versions.size(), 1u);
}

}  // namespace
}  // namespace cw
