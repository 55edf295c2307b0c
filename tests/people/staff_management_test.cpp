// Teams, study and firing on the "Manage Employees" screen: every refusal in
// its order, and what each action changes.
#include "people/staff_management.h"

#include <gtest/gtest.h>

#include "people/hiring.h"
#include "people/staff_fixture.h"
#include "people/staff_screen.h"

namespace cw {
namespace {

using test::StaffTest;

TEST_F(StaffTest, MembersJoinWithinTheManagersCapacity) {
    employee(2, "Lead,Lo", 37);  // manages two
    employee(3, "Able,A", 30);
    employee(4, "Baker,B", 30);
    employee(5, "Cole,C", 30);
    const int t = project("Space Duel", 2);
    StaffScreen screen(g);
    screen.openEmployees(t);
    EXPECT_EQ(screen.title(), "Assigen Employees (project : Space Duel)");

    player.buttonAnswers = {false};  // "No" changes nothing
    EXPECT_FALSE(screen.pick(player, 3));
    EXPECT_EQ(last("message").a, "Assign to project : Space Duel");
    EXPECT_EQ(last("message").b, "Assign employee to project Space Duel");
    EXPECT_EQ(g.tables().people[3].currentTask, 0);

    EXPECT_FALSE(screen.pick(player, 3));
    EXPECT_FALSE(screen.pick(player, 4));
    EXPECT_EQ(g.tables().tasks[t].staff[1], 3);
    EXPECT_EQ(g.tables().tasks[t].staff[2], 4);
    EXPECT_EQ(g.tables().people[4].currentTask, t);
    EXPECT_EQ(screen.rows()[2].cells[1], "Space Duel");  // the list is rebuilt

    const ActionResult full = screen.pick(player, 5);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->caption, "No more employees can be added to project");
    EXPECT_EQ(full->text,
              "No more room for employee on this team. if you wish to add more employees to the projectYou need a "
              "team manager with better leadership");
    EXPECT_EQ(last("notify").number, 4000);
    EXPECT_EQ(g.tables().people[5].currentTask, 0);

    // Somebody on a project is refused before any question.
    const std::size_t asked = player.only("message").size();
    const ActionResult busy = screen.pick(player, 4);
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->caption, "Employee already assigned to a project");
    EXPECT_EQ(busy->text, "Employee already assigned to the project \"Space Duel\"");
    EXPECT_EQ(last("notify").number, 500);
    EXPECT_EQ(player.only("message").size(), asked);
    EXPECT_FALSE(screen.closeRequested());
}

TEST_F(StaffTest, AWeakerNewManagerSendsTheSurplusHomeFromTheTop) {
    employee(2, "Strong,S", 61);  // 10
    employee(6, "Weak,W", 37);    // 2
    for (int i = 10; i < 15; ++i) employee(i, "Member," + std::to_string(i), 30);
    const int t = project("Big One", 2, {10, 11, 12, 13, 14});
    StaffScreen screen(g);
    screen.openManager(t, false);
    EXPECT_EQ(screen.title(), " Assigen team manager (project : Big One)");
    EXPECT_FALSE(screen.pick(player, 6));
    EXPECT_EQ(last("message").a, "Assign a leader : Big One");
    EXPECT_EQ(last("message").b, "Assign as team manager on project Big One. \r\nWeak,W can manage up to 2 employees.");
    EXPECT_EQ(last("notify").a, "Max limit of employees");
    EXPECT_EQ(last("notify").b,
              "The new leader can handle the amount of employees already assigned to the project. removing 3");
    const Task& task = g.tables().tasks[t];
    EXPECT_EQ(task.leader, 6);
    EXPECT_EQ(g.tables().people[6].currentTask, t);
    EXPECT_EQ(g.tables().people[2].currentTask, -1);
    EXPECT_EQ(task.staff[1], 10);
    EXPECT_EQ(task.staff[2], 11);
    EXPECT_EQ(task.staff[3], 0);
    EXPECT_EQ(g.tables().people[14].currentTask, -1);
    EXPECT_TRUE(screen.closeRequested());
}

TEST_F(StaffTest, ChoosingTheManagerOfANewProject) {
    employee(2, "Lead,Lo", 45);
    player.staffPicks = {2};
    player.buttonAnswers = {false};
    EXPECT_EQ(chooseTeamLeader(g, player, 0, true), -1);
    EXPECT_EQ(player.calls[0].a, "Assigen team manager (New project)");
    EXPECT_EQ(last("message").a, "Assign a leader");
    EXPECT_EQ(last("message").b,
              "Assign Lead,Lo as team manager to the new project. \r\nLead,Lo can manage up to 4 "
              "employees.");
    player.staffPicks = {2};
    EXPECT_EQ(chooseTeamLeader(g, player, 0, true), 2);
    EXPECT_EQ(g.tables().people[2].currentTask, 0);       // the new project's screen does the rest
    EXPECT_EQ(chooseTeamLeader(g, player, 0, true), -1);  // closed without a click
}

TEST_F(StaffTest, AssigningEmployeesClicksUntilTheScreenIsClosed) {
    employee(2, "Lead,Lo", 45);  // 4
    employee(3, "Able,A", 30);
    employee(4, "Baker,B", 30);
    const int t = project("Space Duel", 2);
    player.staffPicks = {3, 2, 4};
    assignEmployees(g, player, t);
    EXPECT_EQ(player.calls[0].a, "Assigen Employees (project : Space Duel)");
    EXPECT_EQ(g.tables().tasks[t].staff[1], 3);
    EXPECT_EQ(g.tables().tasks[t].staff[2], 4);  // the manager himself was refused
    EXPECT_EQ(player.only("notify")[0].b, "Employee already assigned to the project \"Space Duel\"");
    EXPECT_EQ(player.refreshes, 1);
}

TEST_F(StaffTest, TheLeaderPicksIdlePeopleWithLittleLeadershipFirst) {
    employee(2, "Lead,Lo", 61);  // 10
    employee(3, "Mid,M", 55);
    employee(4, "Low,L", 35);
    employee(5, "High,H", 70);
    employee(6, "Busy,B", 20).currentTask = 77;
    employee(7, "Low2,L", 45);
    const int t = project("Team", 2);
    g.tables().tasks[t].staff[1] = 9;  // somebody already in slot 1
    autoAssignIdle(g, 4, t);
    const Task& task = g.tables().tasks[t];
    // The player (50) counts as idle: pass 1 takes 4, pass 2 takes 1 and 7.
    EXPECT_EQ(task.staff[2], 4);
    EXPECT_EQ(task.staff[3], 1);
    EXPECT_EQ(task.staff[4], 7);
    EXPECT_EQ(task.staff[5], 0);
    EXPECT_EQ(g.tables().people[3].currentTask, 0);
    EXPECT_EQ(g.tables().people[9].currentTask, 0);  // slot 1 was kept

    player.autoTeamAnswers = {99};
    EXPECT_EQ(offerAutoTeam(g, player, 2), 10);
    EXPECT_EQ(last("autoTeam").a, "Let team leader choose employees");
    EXPECT_EQ(last("autoTeam").b,
              "Would you like the Team Leader to choose \r\nhis own team of idle employees ?|Teamleader can manage a "
              "maximum of 10 employee(s)");
    EXPECT_EQ(last("autoTeam").number, 5);
}

TEST_F(StaffTest, RemovingFromAProject) {
    employee(2, "Lead,Lo", 61);
    employee(3, "Member,M", 30);
    const int t = project("Team", 2, {3});
    EXPECT_FALSE(removeFromTask(g, player, 4));  // nobody there: nothing happens
    const ActionResult leader = removeFromTask(g, player, 2);
    ASSERT_TRUE(leader);
    EXPECT_EQ(leader->caption, "Cannot remove employee from projct");
    EXPECT_EQ(leader->text,
              "Employee assigned to a project as team manager.\r\nIf you wish to remove this employee from his current "
              "project\r\nthen assign a new Team manager to the project instead.");
    EXPECT_EQ(last("notify").number, 5000);
    StaffScreen screen(g);
    screen.openViewing();
    screen.select(3);
    EXPECT_TRUE(screen.canRemove());
    EXPECT_FALSE(screen.removeSelected(player));
    EXPECT_EQ(last("notify").a, "Employee removed");
    EXPECT_EQ(last("notify").b, "Employee Removed from project.");
    EXPECT_EQ(g.tables().tasks[t].staff[1], 0);
    EXPECT_EQ(g.tables().people[3].currentTask, -1);
    EXPECT_FALSE(screen.canRemove());
}

TEST_F(StaffTest, FiringChecksInOrder) {
    employee(2, "Lead,Lo", 61);
    employee(3, "Member,M", 30);
    project("Team", 2, {3});
    StaffScreen screen(g);
    screen.openViewing();
    ActionResult r = screen.fireSelected(player);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text, "No employee choosen. Choose an employee and try again");
    screen.select(1);
    r = screen.fireSelected(player);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Could not fire Employee ");
    EXPECT_EQ(r->text, "You cannot fire yourself. The board Members will take care of that ;-)");
    screen.select(2);
    r = screen.fireSelected(player);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text,
              "The Employee is currently Team leader on a Task. Please choose another teamleader for that task before "
              "proceeding");
    screen.select(3);
    player.buttonAnswers = {false};
    EXPECT_FALSE(screen.fireSelected(player));
    EXPECT_EQ(last("message").b, "Are you sure you want to fire Member,M ?");
    EXPECT_TRUE(g.tables().people[3].employed);

    player.calls.clear();
    g.tables().people[3].employerCompany = 7;
    EXPECT_FALSE(screen.fireSelected(player));
    ASSERT_EQ(player.only("notify").size(), 2u);
    EXPECT_EQ(player.only("notify")[0].b, "Employee Removed from project.");
    EXPECT_EQ(player.only("notify")[1].a, "Employee Fired");
    EXPECT_EQ(player.only("notify")[1].b, "Employee was fired");
    const Person& fired = g.tables().people[3];
    EXPECT_FALSE(fired.employed);
    EXPECT_EQ(fired.employerCompany, 0);
    EXPECT_EQ(fired.interviewCooldown, 12);
    EXPECT_EQ(fired.currentTask, -1);
    EXPECT_EQ(screen.selected(), 0);
    EXPECT_EQ(screen.rows().size(), 2u);
}

TEST_F(StaffTest, StudyLevelsAndTheirLimits) {
    Person& p = employee(2, "Keen,K", 50);
    p.talentProgramming = 55;  // 25 a week
    p.programming = 10;
    p.hardware = 100;
    EXPECT_EQ(studyLevelWord(1), "Beginner(1)");
    EXPECT_EQ(studyLevelWord(10), "God like(10)");
    EXPECT_EQ(studyLevelWord(11), "");
    EXPECT_EQ(studyTargetLevel(p, StudyLeadership), 4);
    ActionResult r = startStudy(g, player, 2, StudyProgramming);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Maximum level reached");
    EXPECT_EQ(r->text, "Maximum study level reached");
    EXPECT_TRUE(startStudy(g, player, 2, StudyHardware));
    p.hardware = 99;
    EXPECT_EQ(studyTargetLevel(p, StudyHardware), 10);

    p.programming = 4;
    EXPECT_EQ(studyFlairWord(p, StudyProgramming), "Average (3)");
    EXPECT_EQ(studyCurrentWord(p, StudyProgramming), "Average(4)");
    EXPECT_EQ(studyCurrentWord(p, StudyHardware), "Extreme( 5)");
    EXPECT_FALSE(startStudy(g, player, 2, StudyProgramming));
    EXPECT_EQ(last("notify").a, "Study Project started");
    EXPECT_EQ(last("notify").b, "Keen,K is assigned to a study project");
    const int t = p.currentTask;
    ASSERT_GT(t, 0);
    const Task& task = g.tables().tasks[t];
    EXPECT_EQ(task.name.str(), "Study : Programming");
    EXPECT_EQ(task.taskType, kTaskStudy);
    EXPECT_EQ(task.taskSubtype, 11);
    EXPECT_EQ(task.leader, 2);
    EXPECT_EQ(task.workTotal, 5000);

    r = startStudy(g, player, 2, StudyDesign);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Employee Busy");
    EXPECT_EQ(r->text, "Employee already assigned to another task");

    // 5000 at 25 a week is 200 weeks: 500,000 dollars for a jump of a third.
    EXPECT_EQ(intensifyCost(g, t), 500000);
    EXPECT_FALSE(intensifyStudy(g, player, t));
    EXPECT_EQ(last("message").a, "Intensified Study");
    EXPECT_EQ(last("message").b,
              "Do you wish to pay for intensified study course for this worker ?\r\nIt will cost you : 500000$");
    EXPECT_EQ(task.progress, 1666);
    EXPECT_EQ(g.world().money, 500000);
    g.tables().tasks[t].progress = 2499;  // 2 x 2500 is not below 5000
    r = intensifyStudy(g, player, t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "Not Possible");
    EXPECT_EQ(r->text,
              "Its not possible to intensify this employees study as the employee has already study more than half of "
              "what he needs ");
    g.tables().tasks[t].progress = 2498;
    player.buttonAnswers = {false};
    EXPECT_FALSE(intensifyStudy(g, player, t));
    EXPECT_EQ(g.tables().tasks[t].progress, 2498);
}

TEST_F(StaffTest, StudyIsRefusedWhenEveryTaskSlotIsTaken) {
    employee(2, "Keen,K", 50);
    for (int i = 1; i <= 500; ++i) g.tables().tasks[i].name = "Busy";
    const ActionResult r = startStudy(g, player, 2, StudyDesign);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->caption, "No room for more projects");
    EXPECT_EQ(g.tables().people[2].currentTask, 0);
}

TEST_F(StaffTest, TheSheetAndTheList) {
    g.tables().genres[3].name = "Action";
    g.tables().platforms[5].name = "Nova 64";
    g.tables().platforms[5].releaseYear = 1985;  // not out yet
    Person& p = employee(2, "Doe,John", 45, 4200);
    p.age = 31;
    p.genreExperience = 3;
    p.platformExperience = 5;
    p.hardware = 62;
    p.publishing = 10;
    p.platformPorting = 85;
    p.talentLeadership = 45;
    p.talentDesign = p.talentGraphics = p.talentProgramming = 70;
    p.talentHardware = 19;
    p.studyWeeksLeft = 5;
    p.leadWeeksLeft = 30;
    const int t = project("Space Duel", 2);
    EXPECT_EQ(employeeSheet(g, 2),
              "Name : Doe,John\r\n"
              "Age   : 31, Wage  : 4200\r\n"
              "\r\nContract renegotiation in :\r\n"
              "  0 Year(s),  10 Weeks\r\n"
              "Current project : Space Duel\r\n"
              "Assigned as team Manager\r\n"
              "\r\nCompany promised employee : \r\n"
              "5 week(s) of studying\r\n"
              "30 week(s) as team manager on projects\r\n\r\n"
              "Experince\r\n"
              "LeaderShip  : Average (3)\r\n"
              "Can manage up to 4 employees\r\n"
              "Programming : fairly small (3)\r\n"
              "Design      : fairly small (3)\r\n"
              "Graphics    : fairly small (3)\r\n\r\n"
              "Genre Spec. : Action\r\n"
              "Expert on   : None \r\n"
              "Hardware    : Good    (4)\r\n"
              "Publishing  : Poor    (1)\r\n"
              "Platform Porting : Extreme( 5)\r\n"
              "\r\nFlair for study\r\n"
              "Leadership : Average (3)\r\n"
              "Software   : Good    (4)\r\n"
              "Hardware   : Poor    (1)\r\n");
    g.currentYear = 1986;
    EXPECT_EQ(timeUntil(g, 1984, 20), "-1 Year(s),  -42 Weeks");

    StaffScreen screen(g);
    screen.openViewing();
    EXPECT_EQ(screen.title(), "Viewing Employees");
    ASSERT_EQ(screen.rows().size(), 2u);
    const std::array<std::string, 10> row = {"Doe,John", "Space Duel", "45", "3", "3", "3", "62", "10", "Nova 64", "2"};
    EXPECT_EQ(screen.rows()[1].cells, row);
    EXPECT_EQ(screen.rows()[0].cells[1], "");
    EXPECT_EQ(screen.rows()[0].cells[8], "None");
    screen.sortBy(2);  // Lead, numerically: 45 before 50
    EXPECT_EQ(screen.rows()[0].person, 2);
    screen.sortBy(2);
    EXPECT_EQ(screen.rows()[0].person, 1);
    EXPECT_EQ(screen.staffedTasks(), std::vector<i32>{t});
}

TEST_F(StaffTest, AHiredPersonIsInTheStaffListAtOnce) {
    Person& c = g.tables().people[40];
    c.name = "New,Nina";
    c.workArea = 1;
    c.overallRating = 30;
    c.salary = 2000;
    c.labourMarketYear = 1980;
    HiringScreen hiring(g);
    hiring.open();
    hiring.select(40);
    hiring.moveToInterest();
    g.rng.seed = 5;
    ASSERT_FALSE(hiring.hire(player));
    ASSERT_FALSE(hiring.suggest(player, "9000", "0"));
    ASSERT_TRUE(hiring.interview().hireEnabled);
    ASSERT_TRUE(hiring.confirmHire(player));
    StaffScreen screen(g);
    screen.openViewing();
    ASSERT_EQ(screen.rows().size(), 2u);
    EXPECT_EQ(screen.rows()[1].cells[0], "New,Nina");
    EXPECT_EQ(screen.rows()[1].cells[9], "40");
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

TEST_F(StaffTest, TheOwnersSheetHasNoContractToRenegotiate) {
    Person& you = employee(7, "*You* (Ann)", 65, 0);
    you.hireYear = 0;
    you.hireWeek = 0;
    const std::string sheet = employeeSheet(g, 7);
    EXPECT_EQ(sheet.find("Contract renegotiation"), std::string::npos);
    EXPECT_EQ(sheet.find("-1979"), std::string::npos);
    employee(3, "Doe,Jane", 40);
    EXPECT_NE(employeeSheet(g, 3).find("Contract renegotiation in"), std::string::npos);
}

}  // namespace
}  // namespace cw
