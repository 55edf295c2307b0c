// The people commands of the headless driver: the hiring screen as text.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/driver.h"

namespace cw::cli {
namespace {

class PeopleCliTest : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, std::filesystem::temp_directory_path().string()};

    void SetUp() override {
        s.gameRunning = true;  // the world below stands for a game in progress
        World& w = s.game->world();
        w.headquartersLevel = 1;
        w.money = 1000000;
        add(1, "*You* (Ann)", 1, 1, 0).employed = 1;
        add(20, "Stone,Ava", 1, 40, 2400);
        add(21, "Marsh,Bo", 1, 30, 12000);
        add(22, "Field,Cy", 2, 30, 3000);
        s.game->rng.seed = 3;
    }
    Person& add(int i, const char* name, int area, int rating, int salary) {
        Person& p = s.game->tables().people[i];
        p.name = name;
        p.workArea = static_cast<u8>(area);
        p.overallRating = rating;
        p.salary = salary;
        p.labourMarketYear = 1980;
        return p;
    }
    int run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return runScript(s, in, "t");
    }
    bool printed(const std::string& text) const { return out.str().find(text) != std::string::npos; }
};

TEST_F(PeopleCliTest, TheListFollowsTheFiltersAndTheSort) {
    ASSERT_EQ(run("people sort=salary sort=salary\n"), 0);
    EXPECT_EQ(out.str(),
              "Hire/view Employees: Software area, rating Max 45, skill Any, level (disabled), sorted by Monthly "
              "Salary descending\n"
              "employees: 1 of 5 office places\n"
              "candidates: 2\n"
              "  Name      | Monthly Salary | Hired by | overall Rating | ID\n"
              "  Marsh,Bo  | 12000          |          | 30             | 21\n"
              "  Stone,Ava | 2400           |          | 40             | 20\n");
    ASSERT_EQ(run("people area=hardware level=2\n"), 0);
    EXPECT_TRUE(printed("Hardware area, rating Max 45, skill Hardware, level 2, sorted by Monthly Salary descending"));
    EXPECT_TRUE(printed("candidates: 0\n"));
    EXPECT_EQ(run("people skill=any level=3\n"), 2);
    EXPECT_TRUE(printed("the level box is disabled while the skill is Any"));
    EXPECT_EQ(run("people area=garden\n"), 2);
}

TEST_F(PeopleCliTest, AnInterviewFromRefusalsToTheContract) {
    ASSERT_EQ(run("hire\ninterview 21\n"), 0);
    EXPECT_TRUE(printed("hire: no interview is open\n"));
    EXPECT_TRUE(printed("interview: #21 Marsh,Bo\n  Name : Marsh,Bo\n"));
    EXPECT_TRUE(printed("company appeal: 600\n"));
    EXPECT_TRUE(printed("Previous wage : 12000\nWage : 12100\nnon-recurring: 0\n"));
    ASSERT_EQ(run("offer salary=lots\noffer salary=19000 oneoff=0 car=yes study=much\nhire\n"), 0);
    EXPECT_TRUE(printed("[notify] Error in suggested wage | Keep the suggested wage numric\n"));
    EXPECT_TRUE(printed("time for Study MUCH"));
    EXPECT_TRUE(printed("answer (accepted): "));
    EXPECT_TRUE(printed("[notify] New employee hired | You just hired a new employee Marsh,Bo\n"));
    EXPECT_TRUE(
        printed("hired: #21 Marsh,Bo, salary 19000, study weeks 15, managing weeks 0, money 1000000, "
                "employees 2 of 5\n"));
    ASSERT_EQ(run("interview 21\nperson 99\ninterview 4000\n"), 0);
    EXPECT_TRUE(printed("interview: refused: #21 Marsh,Bo is already employed by you\n"));
    EXPECT_TRUE(printed("person 99: nobody\n"));
    EXPECT_TRUE(printed("person 4000 is not on the labour market\n"));
    EXPECT_EQ(run("offer car=maybe\n"), 0);  // no interview open: nothing to check
    EXPECT_TRUE(printed("offer: no interview is open\n"));
}

}  // namespace
}  // namespace cw::cli
