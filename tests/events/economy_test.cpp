// The regions' economy: drift, downturns, crashes, oil crises, the demand
// every fourth week and the words and needles the main screen shows.
#include <gtest/gtest.h>

#include <functional>

#include "events/economy.h"
#include "fakes/recording_player.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

// The first seed whose draws satisfy `wanted`.
std::uint32_t seedWhere(const std::function<bool(Random&)>& wanted) {
    for (std::uint32_t s = 1; s < 2000000; ++s) {
        Random r;
        r.seed = s;
        if (wanted(r)) return s;
    }
    return 0;
}

struct EconomyTest : ::testing::Test {
    Game g;
    test::RecordingPlayer player;
    void SetUp() override {
        g.currentYear = 1990;
        g.currentWeek = 5;  // no demand update
        World& w = g.world();
        w.gameLevel = 1;
        w.savedYear = 1990;
        w.lastOilCrisisYear = 1990;  // no oil crisis unless a test allows one
        for (int r = 1; r <= 3; ++r) {
            w.economyLevel[r] = 5;
            w.regionDemand[r] = 70;
        }
    }
    // Region 1 moves (r = 1) without a downturn and drifts by `drift`, which
    // posts news; regions 2 and 3 stay still.
    void seedRegionOne(int drift) {
        g.rng.seed = seedWhere([&](Random& r) {
            return r.randomInt(10) == 1 && r.randomInt(200) >= 0 && r.randomInt(75) + 1 <= 73 &&
                   r.randomInt(11) == drift && r.randomInt(5) >= 0 && r.randomInt(10) != 1 && r.randomInt(10) != 1;
        });
        ASSERT_NE(g.rng.seed, 0u);
    }
    std::string newsText(int k) const { return g.world().newsItems[NewsFinancial][k].text.str(); }
};

TEST_F(EconomyTest, LevelZeroRisesByDrift) {
    g.world().economyLevel[1] = 0;
    // The rise to 1 posts nothing, so no news draw follows: the next draws
    // are the other regions'.
    g.rng.seed = seedWhere([](Random& r) {
        return r.randomInt(10) == 1 && r.randomInt(200) >= 0 && r.randomInt(75) >= 0 && r.randomInt(11) == 7 &&
               r.randomInt(10) != 1 && r.randomInt(10) != 1;
    });
    economyWeek(g, player);
    EXPECT_EQ(g.world().economyLevel[1], 1);
    EXPECT_TRUE(g.world().newsItems[NewsFinancial][1].title.empty());
}

TEST_F(EconomyTest, AFallFromThreeThroughTwoIsACrash) {
    g.world().economyLevel[1] = 3;
    seedRegionOne(6);
    economyWeek(g, player);
    EXPECT_EQ(g.world().economyLevel[1], 0);
    EXPECT_EQ(g.world().newsItems[NewsFinancial][1].title.str(), "Financial News :USA");
    EXPECT_EQ(newsText(1).rfind("Top Story :", 0), 0u);
}

TEST_F(EconomyTest, ARiseOutOfTheCrisisJumpsToFive) {
    g.world().economyLevel[1] = 2;
    seedRegionOne(3);
    economyWeek(g, player);
    EXPECT_EQ(g.world().economyLevel[1], 5);
    EXPECT_EQ(newsText(1).rfind("Top story : World Econmics are ", 0), 0u);
}

TEST_F(EconomyTest, ADownturnToTwoMakesTwoTheComparisonLevel) {
    g.world().economyLevel[1] = 3;
    // Downturn (75 > 73) from 3 to 2 with news, then a drift from 2 to 1:
    // no news and no crash.
    g.rng.seed = seedWhere([](Random& r) {
        return r.randomInt(10) == 1 && r.randomInt(200) >= 0 && r.randomInt(75) + 1 == 75 && r.randomInt(5) >= 0 &&
               r.randomInt(11) >= 6 && r.randomInt(10) != 1 && r.randomInt(10) != 1;
    });
    economyWeek(g, player);
    EXPECT_EQ(g.world().economyLevel[1], 1);
    EXPECT_EQ(newsText(1).rfind("Top Story :", 0), 0u);
    EXPECT_TRUE(g.world().newsItems[NewsFinancial][2].title.empty());
}

TEST_F(EconomyTest, AnOilCrisisLowersEveryRegionOncePerYear) {
    World& w = g.world();
    w.lastOilCrisisYear = 1989;
    w.economyLevel[1] = 9;
    w.economyLevel[2] = 3;
    w.economyLevel[3] = 6;
    // Region 1 draws o = 200 (> 198): crisis. Drift up, 5 -> 6 silently.
    g.rng.seed = seedWhere([](Random& r) {
        return r.randomInt(10) == 1 && r.randomInt(200) + 1 == 200 && r.randomInt(75) + 1 <= 73 &&
               r.randomInt(11) <= 5 && r.randomInt(10) != 1 && r.randomInt(10) != 1;
    });
    economyWeek(g, player);
    EXPECT_EQ(w.economyLevel[1], 6);
    EXPECT_EQ(w.economyLevel[2], 0);
    EXPECT_EQ(w.economyLevel[3], 2);
    EXPECT_EQ(w.oilCrisisCount, 1);
    EXPECT_EQ(w.lastOilCrisisYear, 1990);
    EXPECT_EQ(w.newsItems[NewsFinancial][1].title.str(), "Financial News World");
    EXPECT_EQ(newsText(1), "World economic markets very unstable, because of oil crisis");
    // The same draws again in the same year: no second crisis.
    w.economyLevel[1] = 9;
    g.rng.seed = seedWhere([](Random& r) {
        return r.randomInt(10) == 1 && r.randomInt(200) + 1 == 200 && r.randomInt(75) + 1 <= 73 &&
               r.randomInt(11) <= 5 && r.randomInt(10) != 1 && r.randomInt(10) != 1;
    });
    economyWeek(g, player);
    EXPECT_EQ(w.oilCrisisCount, 1);
    EXPECT_EQ(w.economyLevel[1], 10);
}

TEST_F(EconomyTest, DemandMovesOnlyEveryFourthWeekAndStaysInItsBand) {
    World& w = g.world();
    w.economyLevel[1] = 10;
    w.economyLevel[2] = 0;
    w.economyLevel[3] = 4;
    w.regionDemand[1] = 99;
    w.regionDemand[2] = 51;
    // No region moves its economy; region 1 gains 1 + 1 + 3.
    g.rng.seed = seedWhere([](Random& r) {
        return r.randomInt(10) != 1 && r.randomInt(10) != 1 && r.randomInt(10) != 1 && r.randomInt(10) == 9 &&
               r.randomInt(10) == 9 && r.randomInt(10) == 9 && r.randomInt(10) == 0 && r.randomInt(10) == 9 &&
               r.randomInt(10) == 9;
    });
    const std::uint32_t seed = g.rng.seed;
    economyWeek(g, player);  // week 5: nothing
    EXPECT_EQ(w.regionDemand[1], 99);
    g.currentWeek = 8;
    g.rng.seed = seed;
    economyWeek(g, player);
    EXPECT_EQ(w.regionDemand[1], 100);  // 104, capped
    EXPECT_EQ(w.regionDemand[2], 50);   // 51 - 2 - 3, raised to the floor
    EXPECT_EQ(w.regionDemand[3], 70);   // levels 2..5 leave it
}

TEST(EconomyTextTest, WordsNeedlesAndNewsTexts) {
    EXPECT_EQ(regionDemandWord(91), "Very good");
    EXPECT_EQ(regionDemandWord(90), "Good");
    EXPECT_EQ(regionDemandWord(76), "Good");
    EXPECT_EQ(regionDemandWord(75), "OK");
    EXPECT_EQ(regionDemandWord(66), "OK");
    EXPECT_EQ(regionDemandWord(65), "Bad");
    EXPECT_EQ(regionDemandWord(56), "Bad");
    EXPECT_EQ(regionDemandWord(55), "Very Bad");
    EXPECT_EQ(economyNeedleAngle(0), 122);
    EXPECT_EQ(economyNeedleAngle(10), 42);
    Game g;
    g.rng.seed = seedWhere([](Random& r) { return r.randomInt(5) == 3; });
    EXPECT_EQ(economyNewsText(g, 5, 2), "Top Story :Econmic Crisis in Japan.  Hardware and software sales are declininga bit");
    g.rng.seed = seedWhere([](Random& r) { return r.randomInt(5) == 1; });
    EXPECT_EQ(economyNewsText(g, 2, 5), "Top story : World Econmics are sable at the moment");
}

}  // namespace
}  // namespace cw
