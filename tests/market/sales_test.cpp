// Weekly game sales: the revenue formula at its boundaries, the player's
// branch (capacity, income, image) and the company bookings and wages.
#include "market/sales.h"

#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "market/company_list.h"
#include "market/market_world.h"
#include "sim/week_tick.h"

namespace cw {
namespace {

class SalesTest : public ::testing::Test, public test::MarketWorld {
protected:
    test::RecordingPlayer p;

    // One region's revenue with the draw fixed at `draw`.
    i32 revenue(const GameTitle& t, int draw = 0, int region = 1) {
        g.rng.seed = test::seedDrawing(10, draw);
        const bool preferred = region != 3 && t.platform == 2;
        return regionRevenue(g, t, region, preferred);
    }
    std::vector<test::Call> letters() const { return p.only("letter"); }
};

TEST_F(SalesTest, RevenueFollowsEveryStepInOrder) {
    GameTitle& t = title(1980, 80);
    EXPECT_EQ(revenue(t), 17966);  // 9600, 8640, 8600, 7740, 10780, then 100/60
    t.platform = 2;
    EXPECT_EQ(revenue(t), 26883);  // preferred: 10780 + 107 * 50
    EXPECT_EQ(revenue(t, 0, 3), 17966);

    GameTitle& small = title(1980, 60);
    g.tables().platforms[1].soldUnits = 123456;
    EXPECT_EQ(revenue(small), 4760);  // the installed base counts 60 % below 65, the score 60 % below 70
}

TEST_F(SalesTest, ScoreFiftyOneStartsFromNineHundredToOneThousandThirtyFive) {
    GameTitle& t = title(1980, 51);
    EXPECT_EQ(revenue(t, 0), 831);  // 900
    EXPECT_EQ(revenue(t, 9), 951);  // 1035

    // 50 does not sell at all.
    GameTitle& flop = title(1980, 50);
    flop.weekSalesUS = 777;
    UpdateWeeklySales(g, p);
    EXPECT_EQ(flop.weekSalesUS, 0);
    EXPECT_EQ(flop.weeksOnSale, 10);
    EXPECT_EQ(flop.chartPos, 255);
    EXPECT_EQ(flop.salesScore, 50);
}

TEST_F(SalesTest, SeasonFactorsByPeriodOfTheYear) {
    GameTitle& t = title(1980, 80);
    const std::pair<int, i32> weeks[] = {{1, 5390},   {4, 5390},   {5, 6288},  {9, 8085}, {44, 17068},
                                         {45, 17966}, {48, 17966}, {49, 5390}, {52, 5390}};
    for (auto [week, expected] : weeks) {
        g.currentWeek = week;
        EXPECT_EQ(revenue(t), expected) << "week " << week;
    }
}

TEST_F(SalesTest, LaunchWeeksSellMore) {
    GameTitle& t = title(1980, 80);
    const i32 expected[] = {35932, 29943, 25665, 22457, 17966};
    for (int w = 1; w <= 5; ++w) {
        t.weeksOnSale = w;
        EXPECT_EQ(revenue(t), expected[w - 1]) << "week on sale " << w;
    }
}

TEST_F(SalesTest, APlayersTitlePricedTwentyNineSellsHalf) {
    GameTitle& t = playersTitle(1980, 80, 1);
    t.price = 30;
    EXPECT_EQ(revenue(t), 17966);
    t.price = 29;
    EXPECT_EQ(revenue(t), 8866);  // halved after the still-in-use step: 4300, 3870, 5320
    // Without copy protection piracy takes its share.
    g.tables().platforms[1].piracyPercent = 20;
    EXPECT_EQ(revenue(t), 7000);
    g.world().platformProtection[1].strength = 5;
    EXPECT_EQ(revenue(t), 8866);
}

TEST_F(SalesTest, WeeklyOutputZeroEarnsNothingAndComplainsEveryWeek) {
    GameTitle& t = playersTitle(1980, 80, 1);
    t.weeklyOutput = 0;
    const i32 money = g.world().money = 1000;
    for (int week = 0; week < 2; ++week) UpdateWeeklySales(g, p);
    EXPECT_EQ(t.weekSalesUS + t.weekSalesEU + t.weekSalesAsia, 0);
    EXPECT_EQ(t.totalSales, 0);
    EXPECT_EQ(g.world().money, money);
    ASSERT_EQ(letters().size(), 2u);
    EXPECT_EQ(letters()[0].a, "Insufficient copies");
    EXPECT_EQ(letters()[0].b,
              "Your Publisher cannot produce enough copies for the demand of you gameTitle 1980/1\r\nFor your next "
              "game you should properly get a deal with a bigger publisher");
}

TEST_F(SalesTest, AEuropeOnlyTitleHasTheWholeCapacity) {
    GameTitle& t = playersTitle(1980, 200, 1);
    t.inUS = 0;
    t.inEU = 1;
    t.weeklyOutput = 100;
    UpdateWeeklySales(g, p);
    EXPECT_EQ(t.weekSalesUS, 0);
    EXPECT_EQ(t.weekSalesEU, 5000);  // 100 copies at 50
    EXPECT_EQ(letters().size(), 1u);

    t.weeklyOutput = 1000000;
    UpdateWeeklySales(g, p);
    EXPECT_GT(t.weekSalesEU, 5000);
    EXPECT_EQ(letters().size(), 1u);
}

TEST_F(SalesTest, ThePlayersIncomeAfterPublisherAndPartner) {
    GameTitle& t = playersTitle(1980, 80, 7);
    t.publisherShare = 20;
    t.partnerShare = 5;
    g.world().money = 0;
    UpdateWeeklySales(g, p);
    const i32 sales = t.weekSalesUS;
    ASSERT_GT(sales, 0);
    const i32 publisher = (sales / 100) * 20;
    const i32 partner = ((sales - publisher) / 100) * 10;
    EXPECT_EQ(t.totalSales, sales);
    EXPECT_EQ(t.paidToPartners, publisher + partner);
    EXPECT_EQ(g.world().money, sales - publisher - partner);
    EXPECT_EQ(g.world().yearlyIncome[1980], sales - publisher - partner);
    // Alone on the chart: position 1, drawn into the product's curve.
    EXPECT_EQ(t.chartPos, 1);
    EXPECT_EQ(g.world().productHistory[7].chartPos[10], 1);
    EXPECT_EQ(g.world().productHistory[7].weekRevenue[10], sales);
}

TEST_F(SalesTest, SharesFromADamagedSaveNeverTakeMoreThanTheWeek) {
    GameTitle& t = playersTitle(1980, 80, 7);
    t.publisherShare = 250;
    t.partnerShare = 200;
    g.world().money = 0;
    UpdateWeeklySales(g, p);
    ASSERT_GT(t.weekSalesUS, 0);
    // The publisher takes every whole hundred, the player keeps the rest.
    EXPECT_EQ(t.paidToPartners, (t.weekSalesUS / 100) * 100);
    EXPECT_EQ(g.world().money, t.weekSalesUS - (t.weekSalesUS / 100) * 100);

    t.publisherShare = 0;
    t.partnerShare = 51;  // twice that is more than the whole
    t.paidToPartners = 0;
    g.world().money = 0;
    UpdateWeeklySales(g, p);
    EXPECT_EQ(g.world().money, t.weekSalesUS - (t.weekSalesUS / 100) * 100);
    EXPECT_GE(g.world().money, 0);

    // A competitor's game on the player's engine pays at most its sales.
    GameTitle& licensee = title(1980, 80);
    licensee.usesPlayerEngine = 1;
    licensee.engineRoyalty = 1000;
    t.released = 0;
    g.world().money = 0;
    UpdateWeeklySales(g, p);
    const i32 week = licensee.weekSalesUS + licensee.weekSalesEU + licensee.weekSalesAsia;
    ASSERT_GT(week, 0);
    EXPECT_EQ(g.world().money, (week / 100) * 100);
}

TEST_F(SalesTest, ATitleOfTheYearsBefore1980EarnsNothingAndIsNotRanked) {
    g.currentYear = 1981;
    GameTitle& t = playersTitle(1979, 80, 1);
    g.world().money = 0;
    UpdateWeeklySales(g, p);
    EXPECT_GT(t.weekSalesUS, 0);
    EXPECT_EQ(t.totalSales, 0);
    EXPECT_EQ(g.world().money, 0);
    EXPECT_EQ(t.chartPos, 255);
    EXPECT_EQ(g.world().productHistory[1].weekRevenue[10], 0);
}

TEST_F(SalesTest, PublicImageMovesOnlyInsideItsLimits) {
    GameTitle& t = playersTitle(1980, 80, 1);
    t.reviewScore = 99;
    t.weeksOnSale = 0;  // first week on sale
    g.world().gamesImage = 98;
    UpdateWeeklySales(g, p);
    EXPECT_EQ(t.chartPos, 1);
    EXPECT_EQ(g.world().gamesImage, 100);  // +3 capped, then no +1 at 100

    t.released = 0;
    GameTitle& weak = playersTitle(1980, 80, 2);
    weak.reviewScore = 60;
    weak.weeksOnSale = 0;
    g.world().gamesImage = 10;
    UpdateWeeklySales(g, p);
    EXPECT_EQ(g.world().gamesImage, 11);  // a weak launch lowers it only above 10; the chart top adds 1
}

TEST_F(SalesTest, RevenueIsBookedToTheCompanyInColumnFour) {
    GameTitle& booked = title(1980, 90);
    booked.companyRow = 5;
    booked.inEU = 1;
    GameTitle& lone = title(1980, 90);
    lone.companyRow = 6;
    g.tables().companies[3].money = 1000;
    UpdateWeeklySales(g, p);
    const i32 sum = booked.weekSalesUS + booked.weekSalesEU;
    EXPECT_GT(booked.weekSalesEU, 0);
    EXPECT_EQ(g.tables().companies[3].money, 1000 + sum);
    EXPECT_EQ(booked.totalSales, sum);
    EXPECT_EQ(lone.totalSales, lone.weekSalesUS);
}

TEST(CompanyListTest, ColumnFourNamesACompaniesEntryOrNone) {
    Game g;
    ReferenceTables ref;
    StringTable& list = ref.List_Company;
    list.setRowCount(7);
    const char* cells[] = {"", " 3 ", "", "x", "600", "0", "12"};
    for (int r = 1; r < 7; ++r) {
        list.setCell(0, r, "Row " + std::to_string(r));
        list.setCell(4, r, cells[r]);
    }
    loadCompanyList(g, ref);
    const i32 expected[] = {0, 3, 0, 0, 0, 0, 12};
    for (int r = 1; r < 7; ++r) EXPECT_EQ(companyOfRow(g, r), expected[r]) << "row " << r;
    EXPECT_EQ(companyRowName(g, 6), "Row 6");
    EXPECT_EQ(companyRowName(g, 7), "");
    EXPECT_EQ(companyOfRow(g, -1), 0);
}

TEST(CompanyWagesTest, StaffArePaidEveryFourthWeek) {
    Game g;
    test::RecordingPlayer p;
    g.world().gameLevel = 2;
    g.programFolder = ::testing::TempDir();
    g.session.inboxOptions.deleteOldMail = false;
    SaveImage& t = g.tables();
    Company& c = t.companies[2];
    c.name = "Payer";
    c.money = 10000;
    c.staff[1] = 7;
    c.staff[4] = 9;
    c.staff[5] = 99999;  // not a person: skipped
    t.people[7].salary = 1200;
    t.people[9].salary = 800;
    PayCompanyWages(g);
    EXPECT_EQ(c.money, 8000);

    g.currentYear = 1990;
    g.currentWeek = 3;
    weekTick(g, p);
    EXPECT_EQ(c.money, 8000);
    weekTick(g, p);  // week 4
    EXPECT_EQ(c.money, 6000);
}

}  // namespace
}  // namespace cw
