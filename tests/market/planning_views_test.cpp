// The planning views: the sales chart's ranks, LW and NW and its marks, the
// calendar's rating filters, the release analysis against hand-worked
// windows, and the genre demand words.
#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "market/market_world.h"
#include "market/release_analysis.h"
#include "market/sales.h"
#include "market/sales_charts.h"

namespace cw {
namespace {

class ChartViewTest : public ::testing::Test, public test::MarketWorld {
protected:
    ChartViewTest() {
        g.currentYear = 1985;
        g.currentWeek = 10;
    }
    GameTitle& selling(int year, i32 us, i32 asia = 0) {
        GameTitle& t = title(year, 80);
        t.totalSales = 1000;
        t.weekSalesUS = us;
        t.weekSalesAsia = asia;
        t.inAsia = asia > 0;
        return t;
    }
};

TEST_F(ChartViewTest, LastWeekAndWeeksOnTheChart) {
    GameTitle& a = selling(1985, 500);
    a.chartPos = 7;
    a.weeksOnSale = 12;
    selling(1985, 400).chartPos = 255;
    selling(1985, 300).chartPos = 0;
    const SalesChartView c = buildSalesChart(g, 1, 0, 0);
    EXPECT_EQ(c.rows[0].lw, "7");
    EXPECT_EQ(c.rows[0].nw, 12);
    EXPECT_EQ(c.rows[1].lw, "-");
    EXPECT_EQ(c.rows[2].lw, "-");
    EXPECT_EQ(c.rows[0].publisher, "Lone Coder");
    EXPECT_EQ(c.rows[0].platform, "Zed");
    EXPECT_EQ(c.rows[0].genre, "Action");
    EXPECT_TRUE(c.rows[3].empty);
}

TEST_F(ChartViewTest, EqualSalesPutTheLaterTitleFirstAndAsiaRanksByAsia) {
    selling(1983, 100, 50);
    selling(1985, 100, 0);      // not sold in Asia
    selling(1985, 100, 50);     // 1985/2
    selling(1981, 900, 900);    // before the four years
    const SalesChartView us = buildSalesChart(g, 1, 0, 0);
    EXPECT_EQ(us.rows[0].year * 10 + us.rows[0].index, 19852);
    EXPECT_EQ(us.rows[1].year * 10 + us.rows[1].index, 19851);
    EXPECT_EQ(us.rows[2].year * 10 + us.rows[2].index, 19831);
    const SalesChartView asia = buildSalesChart(g, 3, 0, 0);
    EXPECT_EQ(asia.candidates, 2);
    EXPECT_EQ(asia.rows[0].year * 10 + asia.rows[0].index, 19852);
    EXPECT_EQ(asia.rows[0].value, 50);
    EXPECT_EQ(buildSalesChart(g, 1, 2, 0).candidates, 0);  // nothing on Apple II
}

TEST_F(ChartViewTest, MarksAndTheEmptyHundredthRow) {
    for (int i = 0; i < 120; ++i) selling(1984, 10 + i);
    GameTitle& engine = selling(1985, 5000);
    engine.usesPlayerEngine = 1;
    engine.engineRoyalty = 5;
    GameTitle& own = selling(1985, 4000);
    own.isPlayers = 1;
    own.usesPlayerEngine = 1;
    own.companyRow = 3;
    const SalesChartView c = buildSalesChart(g, 1, 0, 0);
    EXPECT_EQ(c.rows[0].name, engine.title.str() + " (Your engine)");
    EXPECT_EQ(c.rows[0].nameColour, ViewColour::Aqua);
    EXPECT_EQ(c.rows[0].publisher, "Lone Coder (You get 5%)");
    EXPECT_EQ(c.rows[0].publisherColour, ViewColour::Aqua);
    EXPECT_EQ(c.rows[1].nameColour, ViewColour::Red);
    EXPECT_EQ(c.rows[1].publisher, "Three Soft");
    EXPECT_FALSE(c.rows[98].empty);
    EXPECT_TRUE(c.rows[99].empty);
    EXPECT_EQ(c.rows[99].pos, 100);
}

TEST_F(ChartViewTest, CalendarShowsRatingsByTheTicks) {
    auto at = [this](int score, int week, const char* name) {
        GameTitle& t = title(1985, score);
        t.releaseWeek = static_cast<u8>(week);
        t.title = name;
    };
    at(54, 3, "Never");
    at(81, 3, "Average");
    at(80, 3, "Mediocre");
    at(106, 3, "Exactly twenty chars");
    Platform& p = platform(3, "Zap");
    p.releaseYear = 1985;
    p.releaseWeek = 3;
    p.cpuSpec = 120;
    CalendarOptions o;
    o.year = 1985;
    CalendarBox box = fillCalendarWeek(g, o, 3);
    EXPECT_EQ(box.title, "Week 3, 1985");
    ASSERT_EQ(box.lines.size(), 3u);
    EXPECT_EQ(box.lines[0].text, "Zap (120)");
    EXPECT_EQ(box.lines[1].text, "Average");
    EXPECT_EQ(box.lines[1].colour, ViewColour::Maroon);
    EXPECT_EQ(box.lines[2].text, "Exactly twenty cha..");
    EXPECT_EQ(box.lines[2].platform, "Zed");
    o.average = false;
    o.mediocre = true;
    o.consoles = false;
    box = fillCalendarWeek(g, o, 3);
    ASSERT_EQ(box.lines.size(), 2u);
    EXPECT_EQ(box.lines[0].text, "Mediocre");
    EXPECT_FALSE(box.current);
    o.offset = 0;
    EXPECT_TRUE(fillCalendarWeek(g, o, 10).current);
}

class AnalysisTest : public ChartViewTest {
protected:
    void at(int year, int week, int genre, int salesScore, int platform = 1) {
        GameTitle& t = title(year, 50, platform);
        t.releaseWeek = static_cast<u8>(week);
        t.genre = static_cast<u8>(genre);
        t.salesScore = static_cast<u8>(salesScore);
    }
};

TEST_F(AnalysisTest, TwoWindowsWorkedOutByHand) {
    at(1985, 10, 1, 101);     // now: 1 + 2 + 2, one high rated
    at(1985, 30, 2, 80);      // both windows: 1
    at(1985, 31, 1, 120);     // later: 1 + 2 + 2, one high rated
    at(1985, 20, 1, 72);      // now: 2
    at(1985, 15, 1, 120, 2);  // another platform
    const ReleaseAnalysis a = releaseAnalysis(g, "Space Duel", 1, 1);
    EXPECT_EQ(a.platform, "Zed");
    EXPECT_EQ(a.genre, "Action");
    // Now: weeks 10..30; T = 8; season 45 this week, 60 in five weeks:
    // 8 - ((60 - 60) + (45 - 60)) div 2 = 8 + 7 = 15.
    EXPECT_EQ(a.now.threat, 8);
    EXPECT_EQ(a.now.highRated, 1);
    EXPECT_EQ(a.now.corrected, 15);
    EXPECT_EQ(a.now.text(),
              "Consumer Demand :Mediocre(2)\r\n\r\nNumber of Competitor games :\r\nProperly no problem\r\n"
              "High rated games releasing :1\r\n\r\nRecommendation :Good Timing\r\n");
    // In 3 months: weeks 23..43; T = 6; season 45: 6 + 15 = 21.
    EXPECT_EQ(a.later.firstWeek, 23);
    EXPECT_EQ(a.later.threat, 6);
    EXPECT_EQ(a.later.corrected, 21);
    EXPECT_EQ(a.later.competitors, "No problem at all\r\n");
    EXPECT_EQ(a.later.recommendation, "Fair Timing\r\n");
}

TEST_F(AnalysisTest, WindowsRunIntoTheNextYear) {
    g.currentWeek = 40;
    at(1986, 21, 2, 80);
    at(1986, 22, 2, 80);
    at(1985, 40, 2, 80);
    const ReleaseAnalysis a = releaseAnalysis(g, "X", 1, 1);
    EXPECT_EQ(a.later.firstWeek, 1);
    EXPECT_EQ(a.later.firstYear, 1986);
    EXPECT_EQ(a.later.threat, 1);  // 1986 weeks 1..21
    EXPECT_EQ(a.now.threat, 1);    // 1985 weeks 40..52, 1986 weeks 1..8
    g.currentWeek = 52;
    at(1986, 1, 2, 80);
    const ReleaseAnalysis b = releaseAnalysis(g, "X", 1, 1);
    EXPECT_EQ(b.now.firstWeek, 1);
    EXPECT_EQ(b.now.firstYear, 1986);
    EXPECT_EQ(b.now.threat, 2);  // 1986 weeks 1..21
    EXPECT_EQ(b.now.demand, "LOW(1)");  // the demand of week 52
}

TEST_F(AnalysisTest, PayingAsksAndMayGoIntoDebt) {
    test::RecordingPlayer p;
    g.world().money = 1000;
    EXPECT_TRUE(buyReleaseAnalysis(g, p));
    EXPECT_EQ(g.world().money, -4000);
    ASSERT_EQ(p.only("dialog").size(), 1u);
    EXPECT_EQ(p.only("dialog")[0].a, "Analysis of release");
    EXPECT_EQ(p.only("dialog")[0].b, "Pay 5000$ for an analysis of the next 3 months game sales");
    p.buttonAnswers.push_back(false);
    EXPECT_FALSE(buyReleaseAnalysis(g, p));
    EXPECT_EQ(g.world().money, -4000);
}

TEST(DemandWords, SeasonTrendAndInterest) {
    const char* expected[14] = {"",     "LOW(1)", "LOW(1)", "Mediocre(2)", "OK(3)", "Good(4)",     "Mediocre(2)",
                                "Mediocre(2)", "Mediocre(2)", "OK(3)", "HIGH(5)", "HIGH(5)", "HIGH(5)", "LOW(1)"};
    for (int period = 1; period <= 13; ++period) EXPECT_EQ(demandWord(SeasonFactor[period]), expected[period]) << period;
    EXPECT_EQ(demandWord(101), "");
    Genre genre{};
    genre.trend = 4;
    EXPECT_EQ(genreOutlookWord(genre), "Low Sales");
    genre.trend = -4;
    EXPECT_EQ(genreOutlookWord(genre), "OK sales");
    genre.trend = 0;
    genre.upcomingHits = 40;  // 9 + 10
    EXPECT_EQ(genreOutlookWord(genre), "Fair sales");
    EXPECT_EQ(interestWord(95), "Superb");
    EXPECT_EQ(interestWord(94), "High");
    EXPECT_EQ(interestWord(55), "Fair");
    EXPECT_EQ(interestWord(54), "Low");
}

}  // namespace
}  // namespace cw
