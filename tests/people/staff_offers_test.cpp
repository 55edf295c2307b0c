// The yearly wage review and the computer-run companies' hunt for staff:
// raises and letters at the anniversary, and the hunt's draws in order.
#include <gtest/gtest.h>

#include "people/people_fixture.h"
#include "people/people_generation.h"
#include "people/staff_fixture.h"
#include "people/staff_management.h"

namespace cw {
namespace {

using test::seedWhere;
using test::StaffTest;

class WageReviewTest : public StaffTest {};

TEST_F(WageReviewTest, TheAnniversaryRaiseAndThePromisesOwed) {
    g.session.inboxOptions.mailOnWageChange = true;
    g.world().gameLevel = 3;
    employee(2, "Kept,K", 40, 3050).hireWeek = 10;  // hired in this week of 1983
    Person& owed = employee(3, "Owed,O", 40, 3050);
    owed.hireWeek = 10;
    owed.studyWeeksLeft = 5;
    owed.leadWeeksLeft = 15;
    Person& later = employee(4, "Later,L", 40, 3050);
    later.hireWeek = 11;                   // a week after this one
    g.tables().people[1].hireYear = 1980;  // the player's own person never gets a raise
    g.tables().people[1].salary = 100;
    yearlyWageReview(g, player);

    EXPECT_EQ(g.tables().people[2].salary, 3141);  // 3050 x 3 div 100 = 91
    EXPECT_EQ(g.tables().people[3].salary, 3323);  // and 91 more for each promise still open
    EXPECT_EQ(g.tables().people[2].hireYear, 1984);
    EXPECT_EQ(g.tables().people[4].salary, 3050);
    EXPECT_EQ(g.tables().people[4].hireYear, 1983);
    EXPECT_EQ(g.tables().people[1].salary, 100);
    const auto letters = player.only("letter");
    ASSERT_EQ(letters.size(), 2u);
    EXPECT_EQ(letters[0].a, "NOTE : Employee wage");
    EXPECT_EQ(letters[0].b, "FYI : You and Kept,K agreed on a raise of wage from 3050 to 3141");
    EXPECT_EQ(letters[1].b,
              "FYI : You and Owed,O agreed on a raise of wage from 3050 to 3323"
              "\r\nWhen hiring the employee you promised more study time. The employee still have 5 Week(s) left of "
              "styding. Therefor you agreed to give the employee an extra raise in the wage. Make sure you handle this "
              "issue in the coming year by giving the employee time for study. "
              "\r\nWhen hiring the employee you promised the employee more time as a team leader on task and projects. "
              "The employee still have 15 Week(s) left of promised managing. Therefor you agreed to give the employee "
              "an extra raise in the wage.  Make sure you handle this issue in the coming year by assigning the "
              "employee as team leader on projects");

    // The review repeats only at the next anniversary; without the option no letter.
    g.session.inboxOptions.mailOnWageChange = false;
    yearlyWageReview(g, player);
    EXPECT_EQ(g.tables().people[2].salary, 3141);
    g.currentYear = 1985;
    yearlyWageReview(g, player);
    EXPECT_EQ(g.tables().people[2].salary, 3235);
    EXPECT_EQ(player.only("letter").size(), 2u);
}

// People 1..8 on the market or on the player's staff, the player's own
// person after them at 10, so that a hunt draws 1 + random(8).
class HuntTest : public StaffTest {
protected:
    void SetUp() override {
        StaffTest::SetUp();
        g.tables().people[1] = Person{};
        for (int i = 1; i <= 9; ++i) {
            Person& p = g.tables().people[i];
            p.name = "Free," + std::to_string(i);
            p.workArea = 1;
            p.rank = 4;
            p.salary = 2000;
            p.labourMarketYear = 1980;
        }
        employee(10, "*You* (Ann)", 50);
        Company& c = g.tables().companies[1];
        c.name = "Rival Soft";
        c.firstYear = 1980;
        c.gameCount = 50;  // wants 2
    }
    Person& staffer(int i, int salary) {
        Person& p = employee(i, "Mine," + std::to_string(i), 40, salary);
        p.rank = 4;
        return p;
    }
    // The draws of one try that finds its target at once, up to the wage
    // offered, replayed on a copy of the generator.
    Random replayToOffer(std::uint32_t seed, const Person& target) {
        Game scratch;
        scratch.currentYear = g.currentYear;
        scratch.rng.seed = seed;
        scratch.rng.randomInt(8);
        startingWage(scratch, target);
        return scratch.rng;
    }
};

TEST_F(HuntTest, ThePlayersOwnPersonMarksTheEndOfTheList) {
    EXPECT_EQ(peopleListRows(g), 10);
    g.tables().people[10] = Person{};
    EXPECT_EQ(peopleListRows(g), 10);  // where he would have been
}

TEST_F(HuntTest, AtTheEasiestLevelOnlyFreePeopleAreHired) {
    g.world().gameLevel = 1;
    staffer(5, 3000);
    g.tables().people[6].employerCompany = 2;
    g.tables().companies[2].staff[4] = 6;
    g.rng.seed = 1234;
    // The reference: 30 tries, each one pick and, for a person not on the
    // player's staff and not already the company's, one hiring draw.
    Random r;
    r.seed = 1234;
    std::vector<int> hired;
    for (int k = 0; k < 30; ++k) {
        const int p = 1 + r.randomInt(8);
        if (p == 5 || std::find(hired.begin(), hired.end(), p) != hired.end()) continue;
        if (r.randomInt(4) < 2) hired.push_back(p);
    }
    competitorHiring(g, player);
    EXPECT_EQ(g.rng.seed, r.seed);
    EXPECT_TRUE(player.only("message").empty());
    EXPECT_TRUE(g.tables().people[5].employed);
    const Company& c = g.tables().companies[1];
    for (std::size_t k = 0; k < hired.size(); ++k) {
        EXPECT_EQ(c.staff[static_cast<int>(k) + 1], hired[k]);
        EXPECT_EQ(g.tables().people[hired[k]].employerCompany, 1);
        EXPECT_EQ(g.tables().people[hired[k]].salary, 2040);
    }
    if (std::find(hired.begin(), hired.end(), 6) != hired.end()) {
        EXPECT_EQ(g.tables().companies[2].staff[4], 0);  // the old employer lets him go
    }
    ASSERT_FALSE(hired.empty());
}

TEST_F(HuntTest, AnEmployeeWhoIsNotMatchedLeavesAndTheCompanyStops) {
    Person& mine = staffer(5, 3000);
    const std::uint32_t seed = seedWhere([](Random& r) { return 1 + r.randomInt(8) == 5; });
    const Random afterOffer = replayToOffer(seed, mine);
    g.rng.seed = seed;
    player.buttonAnswers = {false};
    competitorHiring(g, player);
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(player.only("message")[0].a, "Job offer");
    EXPECT_EQ(player.only("message")[0].b,
              "Your employee Mine,5 got a new job offer \r\nThey offer him a monthly salary of 3150$ \r\nCurrently the "
              "employee is not attached to any projects/task in your company. \r\nYou can keep the employee by "
              "offering a monthly salary of 3360$\r\nKeep employee ?");
    EXPECT_EQ(g.rng.seed, afterOffer.seed);  // no try after the poach
    EXPECT_FALSE(mine.employed);
    EXPECT_EQ(mine.salary, 3150);
    EXPECT_EQ(mine.employerCompany, 1);
    EXPECT_EQ(mine.interviewCooldown, 12);
    EXPECT_EQ(mine.currentTask, -1);
    EXPECT_EQ(g.tables().companies[1].staff[1], 5);
}

TEST_F(HuntTest, AMatchedEmployeeStaysAndTheHuntGoesOn) {
    Person& mine = staffer(5, 3000);
    const std::uint32_t seed = seedWhere([](Random& r) { return 1 + r.randomInt(8) == 5; });
    g.rng.seed = seed;
    competitorHiring(g, player);  // every offer matched
    const auto offers = player.only("message");
    ASSERT_GE(offers.size(), 1u);
    i32 salary = 3000;
    for (std::size_t k = 0; k < offers.size(); ++k) salary = salary * 112 / 100;
    EXPECT_TRUE(mine.employed);
    EXPECT_EQ(mine.salary, salary);
    EXPECT_NE(g.rng.seed, replayToOffer(seed, mine).seed);
}

TEST_F(HuntTest, AtLevelTwoTheCompanyLooksFurtherAndWarnsAboutALeader) {
    staffer(5, 3000);
    employee(3, "Member,M", 30).rank = 4;
    const int t = project("Space Duel", 5, {3});
    // The first pick misses; one of the next ten finds person 5.
    const std::uint32_t seed = seedWhere([](Random& r) {
        const int first = 1 + r.randomInt(8);
        if (first == 5 || first == 3) return false;
        for (int k = 0; k < 10; ++k) {
            const int q = 1 + r.randomInt(8);
            if (q == 3) return false;  // the member must not be found first
            if (q == 5) return true;
        }
        return false;
    });
    g.rng.seed = seed;
    player.buttonAnswers = {false};
    competitorHiring(g, player);
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(player.only("message")[0].b,
              "Your employee Mine,5 got a new job offer. \r\nThey offer him a monthly salary of 3150$. \r\nThe "
              "employee is Team leader on the project/task Space Duel\r\n.WARNING. the project will be canceled if you "
              "let this employee go!!.\r\nYou can keep the employee with a monthly salary of 3360$\r\nKeep employee ?");
    EXPECT_TRUE(g.tables().tasks[t].name.empty());    // cancelled
    EXPECT_EQ(g.tables().people[3].currentTask, -1);  // and its team set free
    EXPECT_TRUE(g.tables().people[3].employed);
}

TEST_F(HuntTest, AMemberIsTakenOffHisProjectQuietly) {
    Person& mine = staffer(5, 3000);
    employee(3, "Boss,B", 60).rank = 4;
    const int t = project("Space Duel", 3, {5});
    const std::uint32_t seed = seedWhere([](Random& r) { return 1 + r.randomInt(8) == 5; });
    g.rng.seed = seed;
    player.buttonAnswers = {false};
    competitorHiring(g, player);
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(player.only("message")[0].b,
              "Your employee Mine,5 got a new job offer\r\nThey offer him a monthly salary of 3150$. \r\nThe employee "
              "is attached to the project/task Space Duel. \r\nYou can keep the employee by offering a monthly salary "
              "of 3360$.\r\n Keep employee ?");
    EXPECT_TRUE(player.only("notify").empty());
    EXPECT_EQ(g.tables().tasks[t].staff[1], 0);
    EXPECT_EQ(mine.currentTask, -1);
}

TEST_F(HuntTest, ACompanyThatHasWhatItWantsOrIsNotYetFoundedTakesNoPart) {
    Company& c = g.tables().companies[1];
    c.staff[1] = 7;
    c.staff[2] = 8;
    g.rng.seed = 77;
    competitorHiring(g, player);
    EXPECT_EQ(g.rng.seed, 77u);
    c.staff[2] = 0;
    c.firstYear = 1985;
    competitorHiring(g, player);
    EXPECT_EQ(g.rng.seed, 77u);
}

TEST_F(HuntTest, AFullCompanyStopsHiring) {
    Company& c = g.tables().companies[1];
    c.gameCount = 1000;  // wants 10
    for (int k = 1; k <= 9; ++k) c.staff[k] = 100 + k;
    g.world().gameLevel = 1;
    g.rng.seed = 99;
    competitorHiring(g, player);
    EXPECT_NE(c.staff[10], 0);
    int working = 0;
    for (int i = 1; i <= 9; ++i)
        if (g.tables().people[i].employerCompany == 1) ++working;
    EXPECT_EQ(working, 1);  // nobody works for it outside its ten places
}

}  // namespace
}  // namespace cw
