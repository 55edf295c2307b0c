// The weekly skill drift of people outside the company, the office room and
// the words every person sheet uses.
#include "people/labour_market.h"

#include <gtest/gtest.h>

#include "people/people_fixture.h"

namespace cw {
namespace {

using test::seedWhere;

// Everybody works for the player except person 7, so only person 7 draws.
class SkillDriftTest : public ::testing::Test {
protected:
    Game g;
    Person& free7 = g.tables().people[7];

    void SetUp() override {
        for (Person& p : g.tables().people) p.employed = 1;
        free7 = Person{};
        free7.name = "Free,Agent";
    }
    void weekAt(int week, std::uint32_t seed) {
        g.currentWeek = week;
        g.rng.seed = seed;
        weeklySkillDrift(g);
    }
};

TEST_F(SkillDriftTest, TheCompanysOwnStaffNeverDraw) {
    free7.employed = 1;
    weekAt(50, 1234);
    EXPECT_EQ(g.rng.seed, 1234u);
}

TEST_F(SkillDriftTest, HardwareGrowsInTenthWeeksUpTo100) {
    free7.hardware = 97;
    free7.talentHardware = 124;  // random(1) is always 0, below 3
    free7.publishing = 20;
    free7.talentLeadership = 40;
    int grow = -1;
    const auto seed = seedWhere([&](Random& r) {
        if (r.randomInt(10) <= 6 || r.randomInt(1) >= 3 || r.randomInt(9) <= 3) return false;
        grow = 1 + r.randomInt(5);
        if (grow < 4) return false;             // enough to pass 100
        if (r.randomInt(10) > 6) return false;  // publishing: first test fails
        return r.randomInt(10) <= 8;            // leadership: first test fails
    });
    Random after;
    after.seed = seed;
    for (int n : {10, 1, 9, 5, 10, 10}) after.randomInt(n);
    weekAt(20, seed);
    EXPECT_EQ(free7.hardware, 100);
    EXPECT_EQ(free7.publishing, 20);
    EXPECT_EQ(g.rng.seed, after.seed);  // no draw more, no draw less
}

TEST_F(SkillDriftTest, ProgrammingGrowsInWeeksOf25AndLeadershipAnyWeek) {
    free7.talentProgramming = 124;  // random(1) = 0 < 2
    free7.talentLeadership = 60;    // random(6) can exceed 3
    free7.programming = 4;
    free7.leadership = 70;
    const auto seed = seedWhere([](Random& r) {
        return r.randomInt(25) < 2 && r.randomInt(1) < 2 && r.randomInt(10) > 8 && r.randomInt(65) < 3 &&
               r.randomInt(6) > 3;
    });
    weekAt(25, seed);
    EXPECT_EQ(free7.programming, 5);
    EXPECT_EQ(free7.leadership, 71);
}

TEST_F(SkillDriftTest, LowSkillsAndTalentsNeverGrowAndLeadershipIsCutTo100) {
    free7.hardware = 49;
    free7.publishing = 49;
    free7.talentHardware = 120;
    free7.talentLeadership = 49;
    free7.leadership = 50;
    g.rng.seed = 1;
    for (int week = 1; week <= 52 * 20; ++week) {
        g.currentWeek = week % 52 + 1;
        weeklySkillDrift(g);
    }
    EXPECT_EQ(free7.hardware, 49);
    EXPECT_EQ(free7.publishing, 49);
    EXPECT_EQ(free7.leadership, 50);

    free7.leadership = 140;
    weekAt(3, 5);
    EXPECT_EQ(free7.leadership, 100);
}

TEST(OfficeCapacity, BuildingsAddRoom) {
    Game g;
    World& w = g.world();
    w.headquartersLevel = 1;
    EXPECT_EQ(officeCapacity(g), 5);  // the player's own person takes one place
    w.publisherLevel = 1;
    EXPECT_EQ(officeCapacity(g), 10);
    w.headquartersLevel = 3;
    w.extraOffices = 2;
    w.publisherLevel = 0;
    EXPECT_EQ(officeCapacity(g), 65);
    w.headquartersLevel = 0;
    w.extraOffices = 0;
    EXPECT_EQ(officeCapacity(g), -15);
}

TEST(EmployeeCount, CountsTheFlagOverAllEntries) {
    Game g;
    g.tables().people[1].employed = 1;
    g.tables().people[5000].employed = 1;  // a nameless entry still counts
    EXPECT_EQ(employeeCount(g), 2);
}

TEST(PersonWords, RatingBandsAndSkillLevels) {
    EXPECT_EQ(personRatingWord(0), "Poor    (1)");
    EXPECT_EQ(personRatingWord(19), "Poor    (1)");
    EXPECT_EQ(personRatingWord(20), "Mediocre(2)");
    EXPECT_EQ(personRatingWord(39), "Mediocre(2)");
    EXPECT_EQ(personRatingWord(40), "Average (3)");
    EXPECT_EQ(personRatingWord(60), "Good    (4)");
    EXPECT_EQ(personRatingWord(79), "Good    (4)");
    EXPECT_EQ(personRatingWord(80), "Extreme( 5)");
    EXPECT_EQ(personRatingWord(100), "Extreme( 5)");
    EXPECT_EQ(personRatingWord(101), "");
    EXPECT_EQ(skillLevelWord(0), "");
    EXPECT_EQ(skillLevelWord(1), "Inexperienced(1)");
    EXPECT_EQ(skillLevelWord(3), "fairly small (3)");
    EXPECT_EQ(skillLevelWord(8), "Experienced. (8)");
    EXPECT_EQ(skillLevelWord(10), "God like    (10)");
    EXPECT_EQ(skillLevelWord(11), "");
}

}  // namespace
}  // namespace cw
