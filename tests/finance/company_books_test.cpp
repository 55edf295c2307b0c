// The company's books: the words at their boundaries, each graph's
// statistic, the annual report's columns and colours, and the CLI's view of
// them after whole seeded years.
#include "finance/company_books.h"

#include <gtest/gtest.h>

#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"
#include "finance/company_texts.h"
#include "finance/finance_world.h"

namespace cw {
namespace {

TEST(CompanyWordsTest, BuildingSizesAndFansAtTheirBoundaries) {
    const std::pair<i32, const char*> sizes[] = {{-1, ""},      {0, "None"}, {1, "Small"},
                                                 {2, "Medium"}, {3, "Large"}, {4, ""}, {5, ""}};
    for (auto [level, word] : sizes) EXPECT_EQ(buildingSizeText(level), word) << level;
    const std::pair<i32, const char*> fans[] = {
        {-1, ""},
        {0, "No devoted fans"},
        {5, "No devoted fans"},
        {6, "Very Small number, but devoted"},
        {10, "Very Small number, but devoted"},
        {11, "Small Number. A few very devoted"},
        {30, "Small Number. A few very devoted"},
        {31, "Fair. Some very devoted"},
        {50, "Fair. Some very devoted"},
        {51, "Large number of fans"},
        {75, "Large number of fans"},
        {76, "Huge number of fans"},
        {95, "Huge number of fans"},
        {96, "Huge number. Regarded as one of the best game of all time"},
        {200, "Huge number. Regarded as one of the best game of all time"},
        {201, ""}};
    for (auto [value, word] : fans) EXPECT_EQ(fansText(value), word) << value;
}

class BooksTest : public ::testing::Test, public test::FinanceWorld {};

TEST_F(BooksTest, EachGraphReadsItsStatistic) {
    g.currentYear = 1982;
    g.currentWeek = 4;
    World& w = g.world();
    w.yearlyBuildingCost[1981] = 101;
    w.yearlyCash[1981] = 102;
    w.yearlyDevelopmentCost[1981] = 103;
    w.yearlyEmployees[1981] = 104;
    w.yearlyLoanCost[1981] = 105;
    w.yearlyIncome[1981] = 106;
    w.weeklyCash[2] = 110;
    w.weeklyLoan[2] = 111;
    w.weeklyWages[2] = 112;
    w.weeklyPerkCost[2] = 113;
    for (int kind = 1; kind <= 6; ++kind) {
        const FinanceGraph f = showFinanceGraph(g, kind);
        EXPECT_EQ(f.xAxis, "Year");
        ASSERT_EQ(f.points.size(), 4u) << kind;  // 1979 and 1980..1982
        EXPECT_EQ(f.points[0], (std::pair<i32, i32>{1979, 0}));
        EXPECT_EQ(f.points[2], (std::pair<i32, i32>{1981, 100 + kind})) << kind;
    }
    for (int kind = 10; kind <= 13; ++kind) {
        const FinanceGraph f = showFinanceGraph(g, kind);
        EXPECT_EQ(f.xAxis, "Week");
        ASSERT_EQ(f.points.size(), 3u) << kind;  // the weeks before week 4
        EXPECT_EQ(f.points[1], (std::pair<i32, i32>{2, 100 + kind})) << kind;
    }
    EXPECT_EQ(showFinanceGraph(g, 1).title, "Company Construction and buildings cost");
    EXPECT_EQ(showFinanceGraph(g, 13).title, "Cost of Free employee phone,Car and computers");
    EXPECT_EQ(showFinanceGraph(g, 2).button, "Moneys");
    EXPECT_TRUE(showFinanceGraph(g, 7).points.empty());
    EXPECT_FALSE(financeGraphKind(7));
    g.currentWeek = 1;
    EXPECT_TRUE(showFinanceGraph(g, 10).points.empty());
}

TEST_F(BooksTest, AnnualReportColumnsAndColours) {
    g.currentYear = 1981;
    World& w = g.world();
    w.yearlyIncome[1981] = 1000;
    w.yearlyDevelopmentCost[1981] = 100;
    w.yearlyBuildingCost[1981] = 200;
    w.yearlyWages[1981] = 300;
    w.yearlyPerkCost[1981] = 50;
    w.yearlyLoanCost[1981] = 25;
    w.yearlyCash[1981] = 7000;
    w.yearlyEmployees[1981] = 3;
    w.yearlyIncome[1980] = 10;
    w.yearlyWages[1980] = 20;
    w.yearlyCash[1980] = 9000;
    const AnnualReport r = showAnnualReport(g);
    ASSERT_EQ(r.captions.size(), 18u);
    EXPECT_EQ(r.columns[0].year, 1981);
    EXPECT_EQ(r.columns[1].year, 1980);
    EXPECT_EQ(r.columns[2].year, 1979);
    const auto& now = r.columns[0].lines;
    ASSERT_EQ(now.size(), 18u);
    EXPECT_EQ(r.captions[0], "Income");
    EXPECT_EQ(now[0].text, "1000");
    EXPECT_EQ(now[0].colour, ReportColour::Green);
    EXPECT_EQ(r.captions[4], "Employee wages -");
    EXPECT_EQ(now[4].text, "300");
    EXPECT_EQ(now[4].colour, ReportColour::Red);
    EXPECT_EQ(r.captions[9], "Bank Loan cost");
    EXPECT_EQ(now[9].text, "25");
    EXPECT_EQ(r.captions[11], "Result Year");
    EXPECT_EQ(now[11].text, "325");
    EXPECT_EQ(now[11].colour, ReportColour::Green);
    EXPECT_EQ(r.captions[15], "Start of year :");
    EXPECT_EQ(now[15].text, "7000");
    EXPECT_EQ(r.captions[17], "Num of employees");
    EXPECT_EQ(now[17].text, "3");
    // A loss paints the result, the cash and the staff red.
    const auto& before = r.columns[1].lines;
    EXPECT_EQ(before[11].text, "-10");
    for (int i : {11, 15, 17}) EXPECT_EQ(before[static_cast<std::size_t>(i)].colour, ReportColour::Red) << i;
    EXPECT_FALSE(r.columns[2].available);
    EXPECT_EQ(r.columns[2].lines[0].text, "Not available");
    // Costs beyond the int range stop at its end.
    w.yearlyWages[1981] = 2000000000;
    w.yearlyPerkCost[1981] = 2000000000;
    w.yearlyIncome[1981] = -2000000000;
    EXPECT_EQ(showAnnualReport(g).columns[0].result, INT32_MIN);
}

TEST_F(BooksTest, OverviewListsOnlyReleasedOwnProducts) {
    g.currentYear = 1981;
    World& w = g.world();
    w.warehouseLevel = 4;
    w.headquartersLevel = 2;
    w.companyGoalText = "Make a profit";
    w.boardOpinion = 120;
    SaveImage& t = g.tables();
    t.titlesPerYear[1981] = 3;
    auto& a = t.gameTitles[1981][1];
    a.title = "Released";
    a.isPlayers = a.released = 1;
    a.totalSales = 5000;
    a.fans = 40;
    auto& b = t.gameTitles[1981][2];
    b.title = "Finished only";
    b.isPlayers = 1;
    auto& c = t.gameTitles[1981][3];
    c.title = "Rival";
    c.released = 1;
    t.platforms[7].name = "Own Box";
    t.platforms[7].playerOwned = t.platforms[7].released = 1;
    t.platforms[7].makerEarnings = 900;
    t.platforms[7].productionSpending = 400;
    const CompanyOverview o = companyOverview(g, 25, OverviewTab::Games);
    EXPECT_EQ(o.company, "Company :Acme");
    EXPECT_EQ(o.cash, "Cash :500000$");
    EXPECT_EQ(o.shares, "Shares ownede :40%");
    EXPECT_EQ(o.headquarters, "Headquater :Medium");
    EXPECT_EQ(o.warehouse, "Warehouse :");
    EXPECT_EQ(o.officeSpace, "Office space:25");
    EXPECT_EQ(o.goal, "Make a profit");
    EXPECT_EQ(o.opinion, 100);
    EXPECT_EQ(o.titles[2], "Public image");
    ASSERT_EQ(o.rows.size(), 1u);
    EXPECT_EQ(o.rows[0].name, "Released");
    EXPECT_EQ(o.rows[0].third, "Fair. Some very devoted");
    const CompanyOverview p = companyOverview(g, 25, OverviewTab::Platforms);
    EXPECT_EQ(p.titles[2], "Expenses");
    ASSERT_EQ(p.rows.size(), 1u);
    EXPECT_EQ(p.rows[0].income, 900);
    EXPECT_EQ(p.rows[0].third, "400");
}

TEST_F(BooksTest, TheCashCurveReachesBackAYearAcrossTheYearEnd) {
    World& w = g.world();
    g.currentWeek = 3;
    w.weeklyCash[1] = 501;
    w.weeklyCash[2] = 502;
    w.money = 503;
    EXPECT_EQ(recentCash(g), (std::vector<i32>{501, 502, 503}));  // no year kept yet
    g.session.lastYearCash.assign(52, 0);
    for (int i = 0; i < 52; ++i) g.session.lastYearCash[static_cast<std::size_t>(i)] = 1000 + i + 1;
    const std::vector<i32> curve = recentCash(g);
    ASSERT_EQ(curve.size(), 53u);  // weeks 3..52 of last year, weeks 1..2, and now
    EXPECT_EQ(curve.front(), 1003);
    EXPECT_EQ(curve[49], 1052);
    EXPECT_EQ(curve[50], 501);
    EXPECT_EQ(curve.back(), 503);
}

TEST_F(BooksTest, MilestonesYearByYear) {
    g.currentYear = 1981;
    g.world().companyHistory[1980][1] = "Founded";
    g.world().companyHistory[1981][3] = "First hit";
    g.world().worldHistory[1981][1] = "A console";
    EXPECT_EQ(showMilestones(g, false),
              (std::vector<std::string>{"Year : 1980", "Founded", "Year : 1981", "First hit"}));
    EXPECT_EQ(showMilestones(g, true), (std::vector<std::string>{"Year : 1980", "Year : 1981", "A console"}));
}

class BooksCliTest : public test::CliSessionTest {
protected:
    void SetUp() override {
        test::writeTinyDataArchive(dir);
        ASSERT_EQ(run("new-game company=\"Acme\" player=\"Ann\" level=1 board=off\n"), 0);
    }
};

TEST_F(BooksCliTest, TwoYearsOfBooks) {
    ASSERT_EQ(run("next-week 105\nstatus\n"), 0);
    ASSERT_TRUE(printed("year: 1982\n"));
    ASSERT_EQ(run("annual-report\n"), 0);
    const std::string report = out.str();
    EXPECT_NE(report.find("| 1982"), std::string::npos);
    EXPECT_NE(report.find("| 1981"), std::string::npos);
    EXPECT_NE(report.find("| 1980"), std::string::npos);
    EXPECT_EQ(report.find("Not available"), std::string::npos);
    EXPECT_NE(report.find("Start of year :"), std::string::npos);
    ASSERT_EQ(run("graph 2\ngraph 10\ngraph 7\n"), 2);
    EXPECT_TRUE(printed("graph 2 \"Moneys\": Company cash (x axis Year)\n  Year 1979: 0\n  Year 1980: "));
    EXPECT_TRUE(printed("graph 10 \"Moneys\": Company cash (x axis Week)\n  Week 1: "));
    ASSERT_EQ(run("overview tab=platforms\nmilestones company\n"), 0);
    EXPECT_TRUE(printed("Platforms:  | Income | Expenses\n  (none)\n"));
    EXPECT_TRUE(printed("Company Milestones\n  Year : 1980\n"));
}

TEST_F(BooksCliTest, TheEndScreenShowsTheFinalReportWhenAsked) {
    ASSERT_EQ(run("answer yes \"reports\"\nend-game\n"), 0);
    EXPECT_TRUE(printed("  Final Score : "));
    EXPECT_TRUE(printed("Annual report\n"));
    EXPECT_TRUE(printed("Not available"));  // 1979 and 1978
    EXPECT_TRUE(printed("[screen] Tform_end_screen -> closed\n"));
}

TEST_F(BooksCliTest, ToolsAndProtectionByIndexOrName) {
    ASSERT_EQ(run("tools\n"), 0);
    const std::string grids = out.str();
    const auto first = grids.find("\n  ");
    ASSERT_NE(first, std::string::npos);
    // "  N Name | level": take the first platform the grid lists.
    const std::string row = grids.substr(first + 3, grids.find('\n', first + 3) - first - 3);
    const std::string index = row.substr(0, row.find(' '));
    const std::string name = row.substr(index.size() + 1, row.find(" | ") - index.size() - 1);
    ASSERT_EQ(run("buy-tool " + index + " code\nbuy-tool \"" + name + "\" code\n"), 0);
    // A new world starts with the bundled tools (level 1).
    EXPECT_TRUE(printed("bought: code tool for "));
    EXPECT_TRUE(printed("  code: (3) Professional Licence | Upgrade Price :"));
    ASSERT_EQ(run("answer yes\nbuy-protection " + index + " simple\nprotection " + index + "\n"), 0);
    EXPECT_TRUE(printed("[dialog] Buy Piracy Protection | The Piracy protection will cost you :"));
    EXPECT_TRUE(printed("  Piracy Protection is working and has not been broken yet\n"));
    EXPECT_TRUE(printed("marker: green, buying: not allowed\n"));
    EXPECT_EQ(run("buy-tool 9999 code\n"), 2);
    EXPECT_EQ(run("buy-tool " + index + " sound\n"), 2);
}

}  // namespace
}  // namespace cw
