// Competitor releases and what they do to the market, ports to the player's
// platforms, and the genre trends.
#include "market/competitors.h"

#include <gtest/gtest.h>

#include <random>

#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

class ReleaseTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;

    // An unreleased title of the current year coming out this week.
    GameTitle& coming(int score, int platform = 1) {
        GameTitle& t = title(g.currentYear, score, platform);
        t.released = 0;
        t.weeksOnSale = 0;
        t.releaseWeek = static_cast<u8>(g.currentWeek);
        return t;
    }
    Person& staffMember(int company, int slot, int person, int area, int rating) {
        Person& x = g.tables().people[person];
        x.workArea = static_cast<u8>(area);
        x.overallRating = rating;
        g.tables().companies[company].staff[slot] = person;
        return x;
    }
};

TEST_F(ReleaseTest, OnlyTitlesAboveFiftyComeOutInTheirWeek) {
    GameTitle& weak = coming(50);
    GameTitle& ok = coming(51);
    ok.companyRow = 5;
    GameTitle& later = coming(80);
    later.releaseWeek = static_cast<u8>(g.currentWeek + 1);
    ok.totalSales = 99;
    g.tables().companies[3].money = 0;
    ReleaseCompetitorTitles(g, p);
    EXPECT_FALSE(weak.released);
    EXPECT_TRUE(ok.released);
    EXPECT_EQ(ok.totalSales, 0);
    EXPECT_EQ(ok.weeksOnSale, 0);
    EXPECT_FALSE(later.released);
    // Its company pays the development budget, 100,000..299,000.
    const i32 money = g.tables().companies[3].money;
    EXPECT_LE(money, -100000);
    EXPECT_GE(money, -299000);
    EXPECT_EQ(money % 1000, 0);
    ASSERT_FALSE(p.progress.empty());
    EXPECT_EQ(p.progress.front().statusText, " Populating Releases....");
    EXPECT_EQ(p.progress.back().statusText, " Ready");
    EXPECT_EQ(p.progress.back().listing, std::vector<std::string>{"Title 1980/2 Released 45, 1980 For Zed"});
}

TEST_F(ReleaseTest, StaffBonusCountsSoftwarePeopleAboveForty) {
    EXPECT_EQ(StaffBonus(g, 5), 0);   // no staff
    EXPECT_EQ(StaffBonus(g, 99), 0);  // no company
    staffMember(3, 2, 10, 1, 40);
    staffMember(3, 3, 11, 2, 90);
    EXPECT_EQ(StaffBonus(g, 5), 0);
    staffMember(3, 4, 12, 1, 41);
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        g.rng.seed = seed;
        const int bonus = StaffBonus(g, 5);
        EXPECT_GE(bonus, 1);
        EXPECT_LE(bonus, 5);
    }
}

TEST_F(ReleaseTest, TheScoreStaysAByteAtTheTop) {
    GameTitle& t = coming(250);
    t.companyRow = 5;
    for (int slot = 1; slot <= 10; ++slot) staffMember(3, slot, 20 + slot, 1, 99);
    ReleaseCompetitorTitles(g, p);
    EXPECT_EQ(t.salesScore, 255);
}

TEST_F(ReleaseTest, AStrongReleaseWeakensTheWeakerTitlesOnItsPlatform) {
    GameTitle& same = title(1979, 100);
    GameTitle& otherGenre = title(1979, 100);
    otherGenre.genre = 2;
    GameTitle& stronger = title(1979, 130);
    GameTitle& otherPlatform = title(1979, 100, 2);
    GameTitle& notSelling = title(1979, 50);
    GameTitle& unreleased = title(1979, 100);
    unreleased.released = 0;
    GameTitle& strong = coming(120);
    ReleaseCompetitorTitles(g, p);
    EXPECT_EQ(strong.salesScore, 120);
    EXPECT_EQ(same.salesScore, 99 - (120 - 99) / 5);
    EXPECT_EQ(otherGenre.salesScore, 99);
    EXPECT_EQ(stronger.salesScore, 130);
    EXPECT_EQ(otherPlatform.salesScore, 100);
    EXPECT_EQ(notSelling.salesScore, 50);
    EXPECT_EQ(unreleased.salesScore, 100);
}

// The window grouped by platform gives the same scores as a scan of the
// whole window for every release.
TEST_F(ReleaseTest, CompetitionByPlatformMatchesAScanOfTheWindow) {
    std::mt19937 rng(9);
    platform(3, "Third");
    for (int y = 1977; y <= 1980; ++y) {
        for (int n = 0; n < 400; ++n) {
            GameTitle& t = title(y, 40 + static_cast<int>(rng() % 120), 1 + static_cast<int>(rng() % 3));
            t.genre = static_cast<u8>(1 + rng() % 3);
            t.released = rng() % 5 != 0;
        }
    }
    test::MarketWorld scanned;
    test::copyGame(g, scanned.g);
    PlatformTitles window;
    window.build(g);
    for (int release = 0; release < 60; ++release) {
        const int score = 60 + static_cast<int>(rng() % 150), pf = 1 + static_cast<int>(rng() % 3),
                  genre = 1 + static_cast<int>(rng() % 3);
        ApplyCompetition(g, window, score, pf, genre);
        for (int y = 1977; y <= 1980; ++y) {
            for (int n = 1; n < scanned.g.tables().titlesPerYear[y]; ++n) {
                GameTitle& u = scanned.g.tables().gameTitles[y][n];
                if (!u.released || u.salesScore <= 50 || u.platform != pf) continue;
                if (u.salesScore < score) --u.salesScore;
                if (u.genre == genre && u.salesScore < score)
                    u.salesScore = static_cast<u8>(u.salesScore - (score - u.salesScore) / 5);
            }
        }
    }
    for (int y = 1977; y <= 1980; ++y)
        for (int n = 1; n <= 400; ++n)
            ASSERT_EQ(g.tables().gameTitles[y][n].salesScore, scanned.g.tables().gameTitles[y][n].salesScore);
}

// The counts taken in one walk are the counts of one platform at a time,
// the titles still to come this year left out, and a port written into the
// catalogue is counted once the counts are forgotten.
TEST_F(ReleaseTest, PlatformGameCountsMatchCountingOnePlatform) {
    std::mt19937 rng(4);
    g.currentYear = 1982;
    g.currentWeek = 20;
    for (int y = 1977; y <= 1983; ++y) {
        for (int n = 0; n < 150; ++n) {
            GameTitle& t = title(y, 60, static_cast<int>(rng() % 6));
            t.releaseWeek = static_cast<u8>(1 + rng() % 52);
        }
    }
    g.tables().titlesPerYear[1979] = 4000;  // a damaged count is held to the year's entries
    PlatformGameCounts counts;
    for (int pf = -1; pf <= 300; ++pf) {
        const int once = CountPlatformGames(g, pf);
        g.tables().platforms[1].gameCount = -1;
        ASSERT_EQ(counts.count(g, pf), once) << pf;
        if (pf == 1) {
            EXPECT_EQ(g.tables().platforms[1].gameCount, once);
        }
    }
    EXPECT_GT(counts.count(g, 3), 0);

    GameTitle& early = title(1982, 60, 3);
    early.releaseWeek = 5;
    EXPECT_EQ(counts.count(g, 3), CountPlatformGames(g, 3) - 1);  // not seen until told
    counts.thisYearGrew();
    EXPECT_EQ(counts.count(g, 3), CountPlatformGames(g, 3));

    // Entries added at the end of this year, each over the blank entry the
    // count ended on, out this week or later, and ports to the player's console.
    Platform& own = platform(4, "Own Box");
    own.playerOwned = 1;
    own.soldUnits = 2000000;
    own.weeksOnMarket = 10;
    for (int added = 0; added < 40; ++added) {
        if (added % 2 == 0) {
            g.rng.seed = static_cast<std::uint32_t>(added + 1);
            SpawnPorts(g, 1982, 1);
        } else {
            title(1982, 60, static_cast<int>(rng() % 6)).releaseWeek = static_cast<u8>(1 + rng() % 52);
        }
        counts.thisYearGrew();
        for (int pf = 0; pf <= 5; ++pf) ASSERT_EQ(counts.count(g, pf), CountPlatformGames(g, pf)) << added << " " << pf;
    }

    // A year outside the catalogue counts the years up to its end.
    g.currentYear = 2016;
    PlatformGameCounts late;
    for (int pf = 0; pf <= 5; ++pf) EXPECT_EQ(late.count(g, pf), CountPlatformGames(g, pf)) << pf;
}

// The week's window leaves out what no release of the week can touch (flops,
// titles not on sale, titles of other weeks); the week's releases weaken
// exactly the titles the whole window would.
TEST_F(ReleaseTest, TheWeeksWindowWeakensWhatTheWholeWindowWould) {
    std::mt19937 rng(11);
    std::vector<std::pair<int, int>> releases;  // year, entry
    for (int y = 1977; y <= 1980; ++y) {
        for (int n = 0; n < 400; ++n) {
            const int pf = 1 + static_cast<int>(rng() % 3);
            GameTitle& t = title(y, 30 + static_cast<int>(rng() % 140), pf);
            t.genre = static_cast<u8>(1 + rng() % 3);
            t.released = rng() % 4 != 0;
            t.releaseWeek = static_cast<u8>(g.currentWeek - 1 + static_cast<int>(rng() % 3));
            if (!t.released && y == g.currentYear && t.releaseWeek == g.currentWeek && t.salesScore > 50)
                releases.emplace_back(y, g.tables().titlesPerYear[y] - 1);
        }
    }
    ASSERT_GT(releases.size(), 10u);
    test::MarketWorld whole;
    test::copyGame(g, whole.g);
    PlatformTitles week, all;
    week.buildForThisWeek(g);
    all.build(whole.g);
    for (const auto& [y, n] : releases) {
        for (Game* game : {&g, &whole.g}) {
            GameTitle& t = game->tables().gameTitles[y][n];
            if (t.salesScore <= 50) continue;
            t.released = 1;
            t.salesScore = static_cast<u8>(std::min(t.salesScore + 20, 255));
            ApplyCompetition(*game, game == &g ? week : all, t.salesScore, t.platform, t.genre);
        }
    }
    for (int y = 1977; y <= 1980; ++y)
        for (int n = 1; n <= 400; ++n)
            ASSERT_EQ(g.tables().gameTitles[y][n].salesScore, whole.g.tables().gameTitles[y][n].salesScore);
}

TEST_F(ReleaseTest, PlatformEffectsStayInsideOneToHundred) {
    Platform& pl = g.tables().platforms[1];
    pl.marketShare = 1;
    pl.opinion = 1;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        g.rng.seed = seed;
        ApplyPlatformEffect(g, 60, 1);  // share -2, opinion +1..0
        EXPECT_EQ(pl.marketShare, 1);
        EXPECT_GE(pl.opinion, 1);
    }
    pl.marketShare = 99;
    pl.opinion = 100;
    pl.playerOwned = 1;
    ApplyPlatformEffect(g, 200, 1);
    EXPECT_EQ(pl.marketShare, 100);
    EXPECT_EQ(pl.opinion, 100);
    EXPECT_EQ(pl.gameCount, 0);  // counted for the player's own platform
}

TEST_F(ReleaseTest, AStrongReleaseLeadsTheEngineMarket) {
    GameTitle& t = coming(100);
    t.companyRow = 5;
    EngineSlot& market = g.world().marketEngines[1][1];
    // Draw until the engine effect happens (six times in ten).
    for (std::uint32_t seed = 1;; ++seed) {
        g.rng.seed = seed;
        ApplyEngineEffect(g, 100, 1, 1, 5);
        if (market.rating > 0) break;
    }
    EXPECT_EQ(market.rating, 60 + 100 / 8);
    EXPECT_EQ(market.name.str(), "Three Soft");
}

TEST_F(ReleaseTest, GoodReleasesMakeSoftwareNews) {
    GameTitle& t = coming(130);
    t.companyRow = 5;
    ReleaseCompetitorTitles(g, p);
    const NewsItem& item = g.world().newsItems[NewsSoftware][1];
    EXPECT_EQ(item.title.str(), "Software News");
    EXPECT_EQ(item.text.str(),
              "The game Title 1980/1 was released this week by Three Soft.\r\nThe game is for the Zed platform.\r\n\r\n"
              "The game has some new and exciting features and will be a must have for nearly most gamers ");
    g.session.inboxOptions.mailOnSoftwareNews = false;
    coming(150);
    ReleaseCompetitorTitles(g, p);
    EXPECT_TRUE(g.world().newsItems[NewsSoftware][2].title.empty());
}

TEST_F(ReleaseTest, PortsToThePlayersPlatformComeOutLater) {
    g.currentWeek = 40;
    Platform& own = platform(9, "Own Box");
    own.playerOwned = 1;
    own.soldUnits = 2000000;
    own.weeksOnMarket = 10;
    GameTitle& source = title(1980, 90);
    source.reviewScore = 95;
    int ports = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        g.rng.seed = seed;
        SpawnPorts(g, 1980, 1);
    }
    for (int y = 1980; y <= 1981; ++y) {
        for (int n = 1; n < g.tables().titlesPerYear[y]; ++n) {
            const GameTitle& port = g.tables().gameTitles[y][n];
            if (port.platform != 9) continue;
            ++ports;
            EXPECT_FALSE(port.released);
            EXPECT_EQ(port.title.str(), "Title 1980/1");
            EXPECT_EQ(port.releaseYear, y);
            EXPECT_TRUE(y == 1980 ? port.releaseWeek >= 43 : port.releaseWeek <= 16);
            EXPECT_GE(port.reviewScore, 86);
            EXPECT_EQ(port.salesScore, port.reviewScore);
            EXPECT_EQ(port.chartPos, 255);
            EXPECT_TRUE(port.inUS && port.inEU && port.inAsia);
        }
    }
    EXPECT_GT(ports, 5);
}

TEST_F(ReleaseTest, PastTitlesAreOnSaleAtTheStart) {
    g.currentYear = 1980;
    GameTitle& old = title(1978, 80);
    old.released = 0;
    GameTitle& flop = title(1978, 50);
    flop.released = 0;
    ReleasePastTitles(g, p);
    EXPECT_TRUE(old.released);
    EXPECT_GE(old.weeksOnSale, 1);
    EXPECT_LE(old.weeksOnSale, 20);
    EXPECT_FALSE(flop.released);
}

TEST_F(ReleaseTest, GenreInterestFollowsTheComingHitsAndStaysInsideFiftyToHundred) {
    g.currentWeek = 10;
    Genre& genre = g.tables().genres[1];
    genre.trend = 0;
    for (int i = 0; i < 10; ++i) {
        GameTitle& hit = title(1981, 100);
        hit.reviewScore = 100;
    }
    GameTitle& past = title(1980, 100);  // came out more than five weeks ago
    past.releaseWeek = 4;
    g.rng.seed = 3;
    UpdateGenreTrends(g);
    EXPECT_EQ(genre.upcomingHits, 30);
    EXPECT_EQ(genre.interest, 56);
    EXPECT_GE(genre.trend, -4);

    for (int i = 2; i <= 40; ++i) {
        Genre& other = g.tables().genres[i];
        other.name = "Genre " + std::to_string(i);
        other.trend = i % 9 - 4;
        other.interest = 0;
    }
    for (int week = 0; week < 30; ++week) {
        i32 trends[41] = {};
        for (int i = 2; i <= 40; ++i) trends[i] = g.tables().genres[i].trend;
        UpdateGenreTrends(g);
        for (int i = 2; i <= 40; ++i) {
            const Genre& other = g.tables().genres[i];
            // Nothing strong is coming: 50 moved by the trend, never below 50.
            EXPECT_EQ(other.interest, std::clamp(50 + 8 * trends[i], 50, 100));
            EXPECT_GE(other.trend, -4);
            EXPECT_LE(other.trend, 4);
        }
    }
}

}  // namespace
}  // namespace cw
