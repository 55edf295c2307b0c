// Processors coming on the market, their prices, and the weekly ranking of
// the platforms.
#include "hardware/cpu_market.h"

#include <gtest/gtest.h>

#include <climits>

#include "fakes/recording_player.h"
#include "hardware/hardware_texts.h"
#include "hardware_world.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

using test::putCpu;
using test::putPlatform;
using test::putTitle;

const std::string kUltra =
    "Ultra fast Cpu was released this week.\r\nPlatforms apploying this CPU will set new standards for whats posible "
    "in computer entertainment";
const std::string kVeryFast =
    "Very fast Cpu was released this week.\r\nPlatforms apploying this CPU will set new standards in the gaming world";
const std::string kMedium = "New medium fast Cpu was released this week.\r\n";
const std::string kOld =
    "New Cpu was released this week.\r\nThe CPU is built on old at reliable methods. The CPU lacks a bit of speed "
    "compared to the fastest in the industry";

class CpuMarketTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;

    void SetUp() override {
        g.currentYear = 1983;
        g.currentWeek = 12;
        g.rng.seed = 4242;
        World& w = g.world();
        w.bestCpuSpeed = 200;
        w.bestGpuSpeed = 100;
        w.bestSpuSpeed = 50;
    }
    // The first item of an empty news list.
    const NewsItem& latestHardwareNews() const { return g.world().newsItems[NewsHardware][1]; }
};

TEST_F(CpuMarketTest, ReleaseTextsCompareWithTheBestMainCpu) {
    EXPECT_EQ(cpuReleaseText(g, 250), kUltra);
    EXPECT_EQ(cpuReleaseText(g, 249), kVeryFast);
    EXPECT_EQ(cpuReleaseText(g, 200), kVeryFast);
    EXPECT_EQ(cpuReleaseText(g, 199), kOld);
    EXPECT_EQ(cpuReleaseText(g, 100), kOld);  // exactly 100 slower is still "New Cpu"
    EXPECT_EQ(cpuReleaseText(g, 99), kMedium);
}

TEST_F(CpuMarketTest, NothingHappensBeforeTheReleaseWeek) {
    putCpu(g, 3, "Z80", 1, 150, 400, false, 1983, 13);
    Platform& pf = putPlatform(g, 1, "Alpha", 900, 300);
    const u32 seed = g.rng.seed;
    cpuNews(g, p);
    EXPECT_FALSE(g.tables().cpus[3].announced);
    EXPECT_TRUE(latestHardwareNews().title.empty());
    EXPECT_EQ(pf.cpuSpec, 900);
    EXPECT_EQ(g.rng.seed, seed);  // no draw at all
}

TEST_F(CpuMarketTest, ALateProcessorComesOutOnTheFirstWeekAfterItsDate) {
    putCpu(g, 3, "Z80", 1, 150, 400, false, 1982, 40);
    cpuNews(g, p);
    EXPECT_TRUE(g.tables().cpus[3].announced);
    EXPECT_EQ(latestHardwareNews().title.str(), "Hardware News, CPU");
    EXPECT_EQ(latestHardwareNews().text.str(), kOld + "\r\n\r\n");
}

TEST_F(CpuMarketTest, ExtremeDatesAndRatingsNeverWrap) {
    // A release year far in the future is still in the future, and one far
    // in the past long gone, whatever 52 times it would be in 32 bits.
    putCpu(g, 3, "Late", 1, 150, 400, false, 2147420105, 1);
    putCpu(g, 4, "Early", 1, 150, 400, false, -2147420105, 1);
    Platform& low = putPlatform(g, 1, "Low", INT_MIN + 3, 300);
    Platform& high = putPlatform(g, 2, "High", INT_MAX, 300);
    cpuNews(g, p);
    EXPECT_FALSE(g.tables().cpus[3].announced);
    EXPECT_TRUE(g.tables().cpus[4].announced);
    EXPECT_EQ(low.cpuSpec, INT_MIN);  // held at the end of the range
    EXPECT_LT(high.cpuSpec, INT_MAX);
    // The lead of one rating over another is taken in 64 bits.
    high.cpuSpec = 2'000'000'000;
    low.cpuSpec = -2'000'000'000;
    platformMarketRanking(g);
    EXPECT_EQ(high.marketRank, 1);
    EXPECT_EQ(low.marketRank, 2);
    EXPECT_EQ(platformRankingScore(g, 2), (1 + 40'000'000) / 4);
}

TEST_F(CpuMarketTest, TwoReleasesMakeOneNewsItemAndPlatformsLoseSpecOnce) {
    putCpu(g, 2, "Slowpoke", 1, 50, 100, false, 1983, 12);
    putCpu(g, 5, "Sound One", 4, 20, 30, false, 1983, 12);
    Platform& a = putPlatform(g, 1, "Alpha", 900, 300);
    Platform& b = putPlatform(g, 4, "Beta", 700, 200, false);  // not released: loses spec all the same
    Random ref = g.rng;
    cpuNews(g, p);

    ASSERT_EQ(g.world().newsItems[NewsHardware][2].title.len, 0);  // one item only
    EXPECT_EQ(latestHardwareNews().text.str(), kMedium + "\r\n\r\n" + kMedium + "\r\n\r\n");
    // The sound chip is slower than the best sound chip: no new best, no draws.
    EXPECT_EQ(g.world().bestSpuSpeed, 50);
    const i32 lossA = ref.randomInt(5) + 5;
    const i32 lossB = ref.randomInt(5) + 5;
    EXPECT_EQ(a.cpuSpec, 900 - lossA);
    EXPECT_EQ(b.cpuSpec, 700 - lossB);
    EXPECT_EQ(g.rng.seed, ref.seed);
}

TEST_F(CpuMarketTest, ANewBestCutsThePricesOfSlowerProcessorsOfItsType) {
    putCpu(g, 1, "Old CPU", 1, 100, 1000, true);
    putCpu(g, 2, "A GPU", 2, 50, 500, true);
    putCpu(g, 3, "Future CPU", 1, 150, 800, false, 1990, 1);  // not out yet, still cheaper
    putCpu(g, 4, "Fast CPU", 1, 300, 2000, false, 1983, 12);
    putCpu(g, 6, "Faster later", 1, 400, 3000, false, 1995, 1);
    Random ref = g.rng;
    cpuNews(g, p);

    EXPECT_EQ(g.world().bestCpuSpeed, 300);
    const i32 d1 = ref.randomInt(5) + 5;
    const i32 d3 = ref.randomInt(5) + 5;
    EXPECT_EQ(g.tables().cpus[1].price, 1000 - 1000 / d1);
    EXPECT_EQ(g.tables().cpus[3].price, 800 - 800 / d3);
    EXPECT_EQ(g.tables().cpus[2].price, 500);   // another type
    EXPECT_EQ(g.tables().cpus[4].price, 2000);  // the new best itself
    EXPECT_EQ(g.tables().cpus[6].price, 3000);  // faster
    EXPECT_EQ(g.rng.seed, ref.seed);            // no platform: no more draws
    // The text was chosen against the best before the new one counted.
    EXPECT_EQ(latestHardwareNews().text.str(), kUltra + "\r\n\r\n");
}

TEST_F(CpuMarketTest, ASlowerReleaseKeepsTheBestAndCutsNothing) {
    putCpu(g, 1, "Old CPU", 1, 100, 1000, true);
    putCpu(g, 2, "Slow CPU", 1, 150, 900, false, 1983, 12);
    const u32 seed = g.rng.seed;
    cpuNews(g, p);
    EXPECT_EQ(g.world().bestCpuSpeed, 200);
    EXPECT_EQ(g.tables().cpus[1].price, 1000);
    EXPECT_EQ(g.rng.seed, seed);
}

TEST_F(CpuMarketTest, AFastGraphicsChipGetsTheMainCpuTextAndItsOwnBest) {
    putCpu(g, 1, "Big GPU", 2, 260, 900, false, 1983, 12);
    cpuNews(g, p);
    EXPECT_EQ(latestHardwareNews().text.str(), kUltra + "\r\n\r\n");
    EXPECT_EQ(g.world().bestGpuSpeed, 260);
    EXPECT_EQ(g.world().bestCpuSpeed, 200);
    EXPECT_TRUE(p.only("dialog").empty());  // only main CPUs raise the question
}

TEST_F(CpuMarketTest, EveryTenthWeekPricesDriftInSlotOrder) {
    g.currentWeek = 20;
    putCpu(g, 1, "Slow", 1, 100, 1000, true);
    putCpu(g, 2, "Best", 1, 200, 1000, true);
    putCpu(g, 3, "Cheap", 1, 100, 9, true);
    putCpu(g, 4, "New", 1, 100, 1000, false, 1983, 20);  // out this week: no drift yet
    Random ref = g.rng;
    cpuNews(g, p);

    auto drift = [&ref](i32 price, bool slower) {
        if (ref.randomInt(10) > 4) price -= price / 50;
        if (ref.randomInt(10) > 4 && slower) price -= price / 25;
        if (price < 10) price = 10 - ref.randomInt(3);
        return price;
    };
    EXPECT_EQ(g.tables().cpus[1].price, drift(1000, true));
    EXPECT_EQ(g.tables().cpus[2].price, drift(1000, false));
    EXPECT_EQ(g.tables().cpus[3].price, drift(9, true));
    EXPECT_EQ(g.tables().cpus[4].price, 1000);
    EXPECT_EQ(g.rng.seed, ref.seed);
}

TEST_F(CpuMarketTest, ALowPriceIsResetToEightToTenOnATenthWeek) {
    for (int i = 1; i <= 40; ++i) putCpu(g, i, "Cheap " + std::to_string(i), 1 + i % 4, 50, i % 12, true);
    for (int week = 10; week <= 50; week += 10) {
        g.currentWeek = week;
        cpuNews(g, p);
        for (int i = 1; i <= 40; ++i) {
            EXPECT_GE(g.tables().cpus[i].price, 8) << "slot " << i << " week " << week;
            EXPECT_LE(g.tables().cpus[i].price, 11) << "slot " << i << " week " << week;
        }
    }
    // Off the tenth weeks nothing moves.
    g.currentWeek = 11;
    putCpu(g, 41, "Free", 1, 50, 3, true);
    cpuNews(g, p);
    EXPECT_EQ(g.tables().cpus[41].price, 3);
}

class CpuQuestionTest : public CpuMarketTest {
protected:
    Task& designTask(int slot, i32 cpuSpec, i32 workTotal, i32 progress) {
        Task& t = g.tables().tasks[slot];
        t.name = "Console project";
        t.taskType = 1;
        t.taskSubtype = 0;
        t.platform.name = "Dream Box";
        t.platform.cpuSpec = cpuSpec;
        t.workTotal = workTotal;
        t.progress = progress;
        return t;
    }
};

TEST_F(CpuQuestionTest, QuestionTextIsBuiltPieceByPiece) {
    const std::string expected =
        "New Cpu was released this week.\r\nThe CPU Hyper 9 was just released.\r\nDo you want your team working on "
        "Dream Box to research the cpu. ?\r\nPros : Prevent your platform from being out of date before release.\r\n"
        "Cons : Development of your console will be lengthen";
    EXPECT_EQ(cpuResearchQuestion("Hyper 9", "Dream Box"), expected);
    // Each piece has a fixed room: a processor name longer than 25 is cut.
    const std::string longName(30, 'x');
    EXPECT_EQ(cpuResearchQuestion(longName, "P").substr(41, 26), std::string(25, 'x') + " ");
}

TEST_F(CpuQuestionTest, YesLengthensTheWorkNoCostsSpec) {
    Task& yes = designTask(2, 900, 5000, 1000);
    Task& no = designTask(7, 801, 3000, 1999);
    Task& nearlyDone = designTask(8, 900, 3000, 2000);  // 1000 left: not asked
    Task& lowSpec = designTask(9, 800, 9000, 0);        // spec 800: not asked
    Task& game = designTask(10, 900, 9000, 0);
    game.taskSubtype = 2;
    putCpu(g, 1, "Hyper 9", 1, 150, 500, false, 1983, 12);
    p.buttonAnswers = {true, false};
    Random ref = g.rng;
    cpuNews(g, p);

    const auto dialogs = p.only("dialog");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].a, "New Cpu released");
    EXPECT_EQ(dialogs[0].b, cpuResearchQuestion("Hyper 9", "Dream Box"));
    EXPECT_EQ(yes.workTotal, 5000 + 50 * 3);
    EXPECT_EQ(yes.platform.cpuSpec, 900);
    EXPECT_EQ(no.workTotal, 3000);
    EXPECT_EQ(no.platform.cpuSpec, 801 - (ref.randomInt(5) + 5));
    EXPECT_EQ(nearlyDone.workTotal, 3000);
    EXPECT_EQ(lowSpec.platform.cpuSpec, 800);
}

TEST_F(CpuMarketTest, WeeklyHistoryRecordsEverySlotsPrice) {
    putCpu(g, 1, "A", 1, 100, 700, true);
    putCpu(g, 500, "B", 2, 100, 33, false);
    g.tables().cpus[1].priceHistory[12] = 999;
    cpuWeeklyHistory(g);
    EXPECT_EQ(g.tables().cpus[1].priceHistory[12], 700);
    EXPECT_EQ(g.tables().cpus[500].priceHistory[12], 33);
    EXPECT_EQ(g.tables().cpus[1].priceHistory[11], 0);
}

class RankingTest : public ::testing::Test {
protected:
    Game g;
    void SetUp() override { g.currentYear = 1985; }
    i32 rank(int p) const { return g.tables().platforms[p].marketRank; }
};

TEST_F(RankingTest, ScoreIsSpecLeadPlusUpcomingTitlesOverPriceClass) {
    putPlatform(g, 1, "Strong", 1000, 250);
    putPlatform(g, 2, "Weak", 650, 50);
    putPlatform(g, 3, "Close", 950, 99);
    putTitle(g, 1985, 2);
    putTitle(g, 1986, 2);
    putTitle(g, 1987, 2);
    putTitle(g, 1988, 2);  // three years ahead: not counted
    putTitle(g, 1984, 2);  // last year: not counted
    // Strong leads Weak by 350 (3) and Close by only 50 (nothing): (1 + 3) / (250 / 100 + 1).
    EXPECT_EQ(platformRankingScore(g, 1), 4 / 3);
    EXPECT_EQ(platformRankingScore(g, 2), 1 + 3);
    // Close leads Weak by 300: 1 + 3, price 99 divides by 1.
    EXPECT_EQ(platformRankingScore(g, 3), 4);
    platformMarketRanking(g);
    // Weak and Close tie on 4: the lower index goes first.
    EXPECT_EQ(rank(2), 1);
    EXPECT_EQ(rank(3), 2);
    EXPECT_EQ(rank(1), 3);
}

TEST_F(RankingTest, OnlyReleasedNamedProducedPlatformsAreRankedAndTheOldRankIsKept) {
    Platform& a = putPlatform(g, 1, "A", 900, 100);
    Platform& gone = putPlatform(g, 2, "Gone", 2000, 100);
    gone.discontinued = 1;
    gone.marketRank = 300;  // the previous rank keeps only its low byte
    Platform& future = putPlatform(g, 3, "Future", 3000, 100, false);
    future.marketRank = 2;
    Platform& b = putPlatform(g, 4, "B", 1200, 100);
    b.marketRank = 7;
    platformMarketRanking(g);
    EXPECT_EQ(gone.marketRank, 0);
    EXPECT_EQ(gone.previousMarketRank, 300 % 256);
    EXPECT_EQ(future.marketRank, 0);
    EXPECT_EQ(future.previousMarketRank, 2);
    EXPECT_EQ(b.marketRank, 1);
    EXPECT_EQ(b.previousMarketRank, 7);
    EXPECT_EQ(a.marketRank, 2);
    EXPECT_EQ(platformRankingScore(g, 2), 0);
}

TEST_F(RankingTest, RanksRunWithoutGapsWhenAllScoresTie) {
    for (int p = 10; p >= 6; --p) putPlatform(g, p, "P" + std::to_string(p), 1000, 500);
    platformMarketRanking(g);
    for (int p = 6; p <= 10; ++p) EXPECT_EQ(rank(p), p - 5);
}

}  // namespace
}  // namespace cw
