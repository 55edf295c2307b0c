// The board: the first meeting, goals met and missed, the opinion over the
// years, the silent board, and the year end's ages, costs and retirement.
#include "finance/board.h"

#include <gtest/gtest.h>

#include "finance/finance_world.h"

namespace cw {
namespace {

using test::FinanceWorld;

void makeEngine(World& w) { w.ownEngines[3][5].name = "Blaster"; }

GameTitle& playersTitle(Game& g, int year, int index) {
    GameTitle& t = g.tables().gameTitles[year][index];
    t.isPlayers = 1;
    t.bestChartPos = 255;
    return t;
}

TEST(BoardMeeting, TheFirstMeetingSetsTheEngineGoal) {
    FinanceWorld f;
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardGoalNumber, 1);
    EXPECT_EQ(f.w().boardGoalType, GoalEngine);
    EXPECT_EQ(f.w().boardGoalYearsLeft, 4);  // 70 div 17
    EXPECT_EQ(f.w().boardOpinion, 30);
    EXPECT_EQ(f.g.session.boardMeetingText,
              "Welcome to our First annual board Meeting in Acme\r\n\r\nOur Intermediate goal will be : Make an "
              "engine. For one or more of current platforms\r\nWe expect the engine to finished in maximum 4 "
              "Year(s)\r\n\r\n\r\nOur financial situation is healthy at the moment.");
    EXPECT_EQ(f.p.only("screen").at(0).a, "TForm_boardmeeting");
    EXPECT_EQ(boardMeetingScreen(f.g).barValue, 32);

    FinanceWorld hard;
    hard.w().gameLevel = 3;
    hard.w().boardOpinion = 50;
    holdBoardMeeting(hard.g, hard.p);
    EXPECT_EQ(hard.w().boardGoalYearsLeft, 1);  // 50 div 31
}

TEST(BoardMeeting, AnEngineMadeEarlyCountsAtTheSecondMeeting) {
    FinanceWorld f;
    makeEngine(f.w());
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardGoalNumber, 1);
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardOpinion, 15);
    EXPECT_EQ(f.w().boardGoalNumber, 2);
    EXPECT_EQ(f.w().boardGoalType, GoalFirstGame);
    EXPECT_EQ(f.w().boardGoalYearsLeft, 5);  // 85 div 17
    EXPECT_EQ(f.g.session.boardMeetingText,
              "Welcome to our annual board Meeting in Acme\r\n\r\nFirst up our current main Goal for the previous "
              "year :\r\nMake an engine. For one or more of current platforms\r\n\r\n\r\nFantastic. Goal "
              "completed!.\r\nThe next years Goal is :Make your first game. For one or more of current "
              "platforms\r\nWe expect to reach the goal in maximum 5 Year(s)\r\n\r\n\r\n\r\nOur financial situation "
              "at the moment ok\r\n\r\nIf the mangement of Acme does not archieve current goal we will most likely "
              "be forced to hire a new management");
}

TEST(BoardMeeting, OpinionOverSeveralFailedYears) {
    FinanceWorld f;
    holdBoardMeeting(f.g, f.p);  // 4 years for the engine
    std::vector<i32> opinions;
    for (int year = 0; year < 6; ++year) {
        holdBoardMeeting(f.g, f.p);
        opinions.push_back(f.w().boardOpinion);
    }
    // Waiting costs 2 a year; the missed deadline 17 and buys one more year.
    EXPECT_EQ(opinions, (std::vector<i32>{32, 34, 36, 53, 70, 87}));
    EXPECT_EQ(f.w().boardGoalYearsLeft, 1);
    EXPECT_NE(f.g.session.boardMeetingText.find(
                  "\r\nYou did not manage to achieve our company goal in time! We will extend it by a year and hope "
                  "that you be able to have a positiv result for us by the end of this year\r\n"),
              std::string::npos);
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardOpinion, 104);
    // At 99 and above the board falls silent until a goal is reached.
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardOpinion, 104);
    EXPECT_EQ(f.g.session.boardMeetingText, "");
    makeEngine(f.w());
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardOpinion, 49);  // back to 98, then halved
    EXPECT_EQ(f.w().boardGoalNumber, 2);
}

TEST(BoardMeeting, TheGoalRemainsWithItsYears) {
    FinanceWorld f;
    holdBoardMeeting(f.g, f.p);
    holdBoardMeeting(f.g, f.p);
    EXPECT_NE(f.g.session.boardMeetingText.find(
                  "\r\nOur goal remains :Make an engine. For one or more of current platforms\r\nOur aim is to "
                  "complete this goal in 3 years"),
              std::string::npos);
    holdBoardMeeting(f.g, f.p);
    holdBoardMeeting(f.g, f.p);
    EXPECT_NE(f.g.session.boardMeetingText.find("\r\nThe aim is to finish the goal this year"), std::string::npos);
}

struct GoalCase {
    BoardGoalKind kind;
    void (*setUp)(test::FinanceWorld&);
    void (*meet)(test::FinanceWorld&);
};

TEST(BoardGoals, EachKindMissedThenMet) {
    const GoalCase cases[] = {
        {GoalEngine, [](FinanceWorld&) {}, [](FinanceWorld& f) { makeEngine(f.w()); }},
        {GoalFirstGame, [](FinanceWorld& f) { playersTitle(f.g, 1986, 1); },  // next year's does not count
         [](FinanceWorld& f) { playersTitle(f.g, 1980, 7); }},
        {GoalChartPosition,
         [](FinanceWorld& f) {
             f.w().boardGoalChartPos = 60;
             playersTitle(f.g, 1983, 1).bestChartPos = 1;  // too old
             playersTitle(f.g, 1985, 2).bestChartPos = 61;
             playersTitle(f.g, 1984, 3).bestChartPos = 0;  // never charted
         },
         [](FinanceWorld& f) { playersTitle(f.g, 1984, 4).bestChartPos = 60; }},
        {GoalCash,
         [](FinanceWorld& f) {
             f.w().boardGoalAmount = 1500000;
             f.w().money = 2000000;
             f.w().loan = 500000;
         },
         [](FinanceWorld& f) { f.w().money = 2000001; }},
        {GoalHeadquarters, [](FinanceWorld& f) { f.w().boardGoalLevel = 2; },
         [](FinanceWorld& f) { f.w().headquartersLevel = 2; }},
        {GoalFactory, [](FinanceWorld&) {}, [](FinanceWorld& f) { f.w().factoryLevel = 1; }},
        {GoalLoan,
         [](FinanceWorld& f) {
             f.w().boardGoalAmount = 100000;
             f.w().loan = 100000;
         },
         [](FinanceWorld& f) { f.w().loan = 99999; }},
    };
    for (const GoalCase& c : cases) {
        FinanceWorld f;
        f.w().boardGoalType = c.kind;
        c.setUp(f);
        EXPECT_FALSE(boardGoalAchieved(f.g)) << int(c.kind);
        c.meet(f);
        EXPECT_TRUE(boardGoalAchieved(f.g)) << int(c.kind);
    }
    FinanceWorld none;
    EXPECT_TRUE(boardGoalAchieved(none.g));
}

TEST(BoardGoals, TheSequenceByNumber) {
    FinanceWorld f;
    auto goalAfter = [&f](i32 reached) {
        f.w().boardGoalNumber = reached;
        f.w().boardGoalType = GoalNone;
        nextBoardGoal(f.g);
        return f.w().companyGoalText.str();
    };
    EXPECT_EQ(goalAfter(3), "Company Cash (deducted with company loan) should exceed 1.5 mill.");
    EXPECT_EQ(f.w().boardGoalAmount, 1500000);
    f.w().money = 1500001;
    EXPECT_EQ(goalAfter(3), "Make a game that gets at least a top 70 position on the charts");
    EXPECT_EQ(goalAfter(4), "Make a game that gets at least a top 60 position on the charts");
    EXPECT_EQ(goalAfter(5), "Make a game that gets at least a top 50 position on the charts");  // 60 - 10
    EXPECT_EQ(goalAfter(6), "Upgrade Company Headquater. Company needs to expand to attract the best people");
    EXPECT_EQ(f.w().boardGoalLevel, 2);
    EXPECT_EQ(goalAfter(8), "Make a game that gets at least a top 30 position on the charts");
    EXPECT_EQ(goalAfter(9), "build a factory. Company owners would like to expand into the platfom business");
    EXPECT_EQ(goalAfter(10), "Company Cash (deducted with company loan) should exceed 2500001$");
    f.w().loan = 1000000;
    EXPECT_EQ(goalAfter(10), "Bring down company bank Loan to less than 100000$");
    // No credit room: the chart goal becomes the loan goal.
    EXPECT_EQ(goalAfter(7), "Bring down company bank Loan to 500001$");
    EXPECT_EQ(f.w().boardGoalAmount, 500000);
    f.w().loan = 0;
    f.w().money = 10;
    EXPECT_EQ(goalAfter(12), "Company Cash (deducted with company loan) should exceed 1.000.000 $");
}

TEST(BoardGoals, GoalTenWithAFactoryIsNoGoalAndCountsAsDone) {
    FinanceWorld f;
    f.w().factoryLevel = 1;
    f.w().boardGoalNumber = 9;
    f.w().boardGoalType = GoalHeadquarters;
    f.w().boardGoalLevel = 1;
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardGoalNumber, 10);
    EXPECT_EQ(f.w().boardGoalType, GoalNone);
    EXPECT_EQ(f.w().companyGoalText.str(), "");
    holdBoardMeeting(f.g, f.p);
    EXPECT_EQ(f.w().boardGoalNumber, 11);
    EXPECT_NE(f.g.session.boardMeetingText.find("Fantastic. Goal completed!."), std::string::npos);
}

TEST(YearEnd, EverybodyAgesAndTheOwnerIsToldTheYearsLeft) {
    FinanceWorld f;
    Person& me = f.g.tables().people[7];
    me.name = "*you* (Ann)";  // found whatever the letter case
    me.age = 30;
    me.employed = 1;
    me.salary = 5000;
    Person& other = f.g.tables().people[8];
    other.name = "Bob";
    other.age = 40;
    other.salary = 5050;
    f.g.currentWeek = 51;
    yearEndPeopleStep(f.g, f.p);
    EXPECT_EQ(me.age, 30);  // only in week 52
    f.g.currentWeek = 52;
    yearEndPeopleStep(f.g, f.p);
    EXPECT_EQ(me.age, 31);
    EXPECT_EQ(other.age, 41);
    const auto d = f.p.only("dialog");
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].a, "Retirement");
    EXPECT_EQ(d[0].b, "For age reasons you will be retired in 34 by the board of directors");
    EXPECT_GT(f.w().costIndex, 100);
    EXPECT_EQ(other.salary, 50 * f.w().costIndex);
    EXPECT_EQ(me.salary, 5000);  // the player's staff keep their wages
}

TEST(YearEnd, RetiredAt65AfterTheLastYear) {
    FinanceWorld f;
    Person& me = f.g.tables().people[1];
    me.name = "*You* (Ann)";
    me.age = 64;
    f.g.currentWeek = 52;
    yearEndPeopleStep(f.g, f.p);
    EXPECT_EQ(f.p.only("dialog").back().b, "This is your last year as managing director.");
    EXPECT_FALSE(f.g.gameOver);
    yearEndPeopleStep(f.g, f.p);
    EXPECT_EQ(f.p.only("dialog").back().b, "You was replaced as managing director.");
    EXPECT_TRUE(f.g.gameOver);
    EXPECT_EQ(f.p.only("screen").back().a, "Tform_end_screen");
}

TEST(YearEnd, TheCostIndexDriftsWithinItsBounds) {
    FinanceWorld f;
    f.g.currentWeek = 52;
    f.w().costIndex = 115;
    for (int i = 0; i < 200; ++i) yearEndPeopleStep(f.g, f.p);
    EXPECT_GE(f.w().costIndex, 95);
    EXPECT_LE(f.w().costIndex, 116);
}

}  // namespace
}  // namespace cw
