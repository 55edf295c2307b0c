// The staff commands of the headless driver, and the staff screen and team
// dialog answered from the queue.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/driver.h"
#include "people/staff_management.h"
#include "state/tasks.h"

namespace cw::cli {
namespace {

class StaffCliTest : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, std::filesystem::temp_directory_path().string()};

    void SetUp() override {
        World& w = s.game->world();
        w.headquartersLevel = 1;
        w.gameLevel = 2;
        w.money = 1000000;
        w.playerName = "Ann";
        s.game->currentYear = 1984;
        add(1, "*You* (Ann)", 50, 0);
        add(2, "Lead,Lo", 45, 4000);
        add(3, "Stone,Ava", 30, 2500).talentDesign = 60;
        add(4, "Marsh,Bo", 30, 2600);
        task = createTask(*s.game, "Space Duel", kTaskGame, 0, 2, 0, 1000);
    }
    Person& add(int i, const char* name, int leadership, int salary) {
        Person& p = s.game->tables().people[i];
        p.name = name;
        p.employed = 1;
        p.workArea = 1;
        p.leadership = static_cast<u8>(leadership);
        p.programming = 2;
        p.design = 3;
        p.graphics = 4;
        p.hardware = 40;
        p.publishing = 12;
        p.salary = salary;
        return p;
    }
    int run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return runScript(s, in, "t");
    }
    bool printed(const std::string& text) const { return out.str().find(text) != std::string::npos; }
    int task = 0;
};

TEST_F(StaffCliTest, TheStaffListAndASheet) {
    ASSERT_EQ(run("staff sort=lead\n"), 0);
    EXPECT_EQ(out.str(),
              "Manage Employees: Viewing Employees\n"
              "employees: 4 of 5 office places\n"
              "   ID.  Name         Area            Lead Code  GUI  GFX   HW  Pub   Salary  Project\n"
              "     3  Stone,Ava    Software area     30    2    3    4   40   12     2500  -\n"
              "     4  Marsh,Bo     Software area     30    2    3    4   40   12     2600  -\n"
              "     2  Lead,Lo      Software area     45    2    3    4   40   12     4000  1 Space Duel (manager)\n"
              "     1  *You* (Ann)  Software area     50    2    3    4   40   12        0  -\n");
    ASSERT_EQ(run("employee \"lead,lo\"\n"), 0);
    EXPECT_TRUE(printed("  Current project : Space Duel\n  Assigned as team Manager\n"));
    EXPECT_EQ(run("employee 40\n"), 2);
    EXPECT_TRUE(printed("person 40 is not one of your employees"));
    EXPECT_EQ(run("staff sort=age\n"), 2);
}

TEST_F(StaffCliTest, TeamsFromTheCommandLine) {
    ASSERT_EQ(run("assign 3 1\nassign 4 1\nanswer no\nassign 1 1\n"), 0);
    EXPECT_TRUE(
        printed("Manage Employees: Assigen Employees (project : Space Duel)\n"
                "[message] Assign to project : Space Duel | Assign employee to project Space Duel -> Yes\n"
                "task 1 \"Space Duel\": manager 2 Lead,Lo, team 1 of 4\n"));
    EXPECT_TRUE(printed("team 2 of 4\n"));
    EXPECT_TRUE(printed("-> No\ntask 1 \"Space Duel\": manager 2 Lead,Lo, team 2 of 4\n"));
    // A stronger manager takes over; the old one is free again.
    ASSERT_EQ(run("manager 1 1\n"), 0);
    EXPECT_TRUE(
        printed("[message] Assign a leader : Space Duel | Assign as team manager on project Space Duel. \\n*You* "
                "(Ann) can manage up to 4 employees. -> Yes\n"
                "task 1 \"Space Duel\": manager 1 *You* (Ann), team 2 of 4\n"));
    ASSERT_EQ(run("unassign 2\nunassign 1\nunassign 3\n"), 0);
    EXPECT_TRUE(printed("unassign: \"Remove from project\" is disabled for Lead,Lo\n"));
    EXPECT_TRUE(printed("[notify] Cannot remove employee from projct | "));
    EXPECT_TRUE(
        printed("[notify] Employee removed | Employee Removed from project.\n"
                "task 1 \"Space Duel\": manager 1 *You* (Ann), team 1 of 4\n"));
    EXPECT_EQ(run("assign 3 7\n"), 2);
    EXPECT_TRUE(printed("task 7 is not one of your projects"));
}

TEST_F(StaffCliTest, StudyIntensifyAndFire) {
    ASSERT_EQ(run("study 3 design\n"), 0);
    EXPECT_TRUE(
        printed("Studying: Stone,Ava, Designing to level 4\n"
                "[notify] Study Project started | Stone,Ava is assigned to a study project\n"
                "task 2 \"Study : Design\": student 3, work 4000, weeks 133\n"));
    ASSERT_EQ(run("study 3 graphics\nintensify 2\n"), 0);
    EXPECT_TRUE(printed("[notify] Employee Busy | Employee already assigned to another task\n"));
    EXPECT_TRUE(
        printed("It will cost you : 332500$ -> Yes\ntask 2 \"Study : Design\": progress 1333 of 4000, money "
                "667500\n"));
    EXPECT_EQ(run("assign 4 2\n"), 2);
    EXPECT_TRUE(printed("task 2 is a study: it takes no team"));
    EXPECT_EQ(run("study 4 cooking\n"), 2);

    ASSERT_EQ(run("fire 1\nanswer no\nfire 4\nfire 4\n"), 0);
    EXPECT_TRUE(
        printed("[message] Could not fire Employee  | You cannot fire yourself. The board Members will take "
                "care of that ;-) -> Ok\n"));
    EXPECT_TRUE(printed("[message] Fire employee | Are you sure you want to fire Marsh,Bo ? -> No\n"));
    EXPECT_TRUE(printed("[notify] Employee Fired | Employee was fired\nemployees: 3\n"));
    EXPECT_EQ(run("fire 4\n"), 2);
}

TEST_F(StaffCliTest, TheLeaderChoiceAndTheTeamDialogTakeQueuedAnswers) {
    ASSERT_EQ(run("answer \"2,4\" yes\n"), 0);
    EXPECT_EQ(chooseTeamLeader(*s.game, s.player, 0, true), 4);
    EXPECT_EQ(out.str(),
              "[screen] Assigen team manager (New project)\n"
              "[click] 2\n"
              "[notify] Employee already assigned to a project | Employee already assigned to the project \"Space "
              "Duel\"\n"
              "[click] 4\n"
              "[message] Assign a leader | Assign Marsh,Bo as team manager to the new project. \\nMarsh,Bo can manage "
              "up to 1 employees. -> Yes\n"
              "[screen] closed -> team manager 4\n");
    out.str("");
    EXPECT_EQ(chooseTeamLeader(*s.game, s.player, 0, true), -1);  // nothing queued: closed at once
    EXPECT_TRUE(printed("[screen] closed -> nobody chosen\n"));

    ASSERT_EQ(run("answer \"1\" \"max\"\n"), 0);
    out.str("");
    EXPECT_EQ(offerAutoTeam(*s.game, s.player, 2), 1);
    EXPECT_EQ(offerAutoTeam(*s.game, s.player, 2), 4);
    EXPECT_EQ(offerAutoTeam(*s.game, s.player, 2), 0);
    EXPECT_TRUE(
        printed("[dialog] Let team leader choose employees | Would you like the Team Leader to choose \\nhis "
                "own team of idle employees ? Teamleader can manage a maximum of 4 employee(s) -> Let "
                "teamleader choose (1)\n"));
    EXPECT_TRUE(printed("-> Let teamleader choose maximum of idle employees (4)\n"));
    EXPECT_TRUE(printed("-> No. I will choose the employees\n"));
}

TEST_F(StaffCliTest, AJobOfferInTheWeekTakesAQueuedAnswer) {
    for (int i = 5; i <= 9; ++i) {
        Person& p = s.game->tables().people[i];
        p.name = "Free," + std::to_string(i);
        p.rank = 4;
        p.workArea = 1;
    }
    s.game->tables().people[1] = Person{};
    add(10, "*You* (Ann)", 50, 0);
    Company& c = s.game->tables().companies[1];
    c.name = "Rival Soft";
    c.firstYear = 1980;
    s.game->world().gameLevel = 3;
    s.game->rng.seed = 4;
    ASSERT_EQ(run("answer no no no\n"), 0);
    competitorHiring(*s.game, s.player);
    EXPECT_TRUE(printed("[message] Job offer | Your employee "));
    EXPECT_TRUE(printed("Keep employee ? -> No\n"));
    EXPECT_EQ(s.game->tables().companies[1].staff[1] > 0, true);
}

}  // namespace
}  // namespace cw::cli
