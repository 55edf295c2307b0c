// The projects list and the task information panel, as the main screen and
// the driver show them.
#include "sim/task_panel.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/driver.h"
#include "hardware/platform_design.h"
#include "sim/task_world.h"

namespace cw {
namespace {

using test::TaskWorld;

TEST(TaskPanel, GameShowsTeamPhaseAndAreas) {
    TaskWorld w;
    const int ann = w.hire(1, "Ann", 4, 3, 3);
    w.person(ann).leadership = 45;
    const int t = w.gameTask("Space Duel", ann, 1000, 100);
    w.assign(t, 1, w.hire(2, "Bob", 3, 3, 3));
    w.task(t).progress = 250;
    w.task(t).game.workLeftGraphics = 40;

    TaskPanel panel = taskPanel(w.g, t);
    EXPECT_EQ(panel.teamLines, (std::vector<std::string>{"Team Manager :Ann (45)", "Can manage  up to 4 employees",
                                                         "Number of Employees : 1/4"}));
    EXPECT_EQ(panel.progressCaption, "Current progress - (developing product)");
    EXPECT_EQ(panel.progressMaximum, 1000);
    EXPECT_EQ(panel.progressPosition, 250);
    EXPECT_TRUE(panel.isGame);
    EXPECT_EQ(panel.phaseCaption, "Progress (changes to game core still possible)");
    EXPECT_FALSE(panel.slidersLocked);
    // Team output 90, 75, 75 with shares 34, 33, 33: 30, 24, 24 a week.
    EXPECT_EQ(panel.areas[0].weeksText, "3 Weeks");
    EXPECT_EQ(panel.areas[2].weeksText, "1 Weeks");
    EXPECT_EQ(panel.areas[2].workLeft, 40);
    EXPECT_EQ(panel.areas[2].maximum, 100);
    EXPECT_FALSE(panel.hasPublisher);

    w.task(t).progress = 1000;
    panel = taskPanel(w.g, t);
    EXPECT_TRUE(panel.slidersLocked);
    EXPECT_EQ(panel.phaseCaption, "Game Core/Idea Finished. Changes not possible");
    EXPECT_NE(taskPanelText(panel).find("  Programming: 3 Weeks (work left 100/100)\n"), std::string::npos);
}

TEST(TaskPanel, TheOtherKindsLines) {
    TaskWorld w;
    Person& ann = w.person(w.hire(1, "Ann", 3, 1, 1));
    ann.talentLeadership = 50;
    const int study = createTask(w.g, "Study", kTaskStudy, kStudyLeadership, 1, 0, 100);
    w.task(study).progress = 60;
    EXPECT_EQ(taskPanel(w.g, study).details,
              (std::vector<std::string>{"Study subject :LeaderShip", "Employee :Ann", "Finishes in approx. 2 Weeks"}));

    const int b = createTask(w.g, "Warehouse", kTaskWarehouse, kWorkConstruction, 0, 0, 1000);
    w.task(b).spent = 250000;
    const TaskPanel building = taskPanel(w.g, b);
    EXPECT_EQ(building.teamLines, (std::vector<std::string>{"Team Manager : Building contractor"}));
    EXPECT_EQ(building.details, (std::vector<std::string>{"Finishes in approx.     :9 Weeks",
                                                          "Total Building cost     :250000"}));

    w.world().products[7].refA = 5;
    const int cr = createTask(w.g, "Cut cost", kTaskPlatform, kWorkCostReduction, 0, 7, 6);
    w.task(cr).improvementPoints = 4;
    EXPECT_EQ(taskPanel(w.g, cr).details,
              (std::vector<std::string>{"NovaBox", "Finishes in approx.     :6 Weeks", "Development/design cost :0",
                                        "Cost reduction :4"}));

    const int e = createTask(w.g, "Engine Upgrade", kTaskEngine, kWorkUpgrade, 1, 0, 3000);
    w.task(e).engine.platform = 2;
    w.task(e).engine.genre = 1;
    w.task(e).engine.codeLevel = 3;
    w.task(e).engine.featureLevel = 5;
    const TaskPanel engine = taskPanel(w.g, e);
    EXPECT_EQ(engine.progressCaption, "Current progress - (Upgrading product)");
    EXPECT_EQ(engine.details, (std::vector<std::string>{
                                  "Finishes in approx. :66 Weeks", "Platform            : Comet 64",
                                  "Platform Code level :\r\n3.Simple AI. Multiple functionality, TurnBased",
                                  "Genre               : Action",
                                  "Genre level         :\r\n5.Extremely advanced. visionary ideas"}));

    // The licensee's game is the one the support task is named after.
    GameTitle& licensee = w.g.tables().gameTitles[1986][12];
    licensee.title = "Zap";
    licensee.platform = 2;
    licensee.genre = 1;
    licensee.usesPlayerEngine = 1;
    licensee.engineRoyalty = 3;
    licensee.releaseWeek = 20;
    licensee.releaseYear = 1986;
    const int s = createTask(w.g, "Support Engine Zap", kTaskEngine, kWorkEngineSupport, 1, 0, 78);
    w.task(s).engine = w.task(e).engine;
    w.task(s).engine.licenceIncome = 90000;
    w.task(s).progress = 8;
    const auto support = taskPanel(w.g, s).details;
    ASSERT_EQ(support.size(), 7u);
    EXPECT_EQ(support[0], "Finishes in approx. : 70 Weeks");
    EXPECT_EQ(support[1], "Profit              : 90000$");
    EXPECT_EQ(support[2], "Percentage of sales : 3%");
    EXPECT_EQ(support[3], "Game                : Zap");
    EXPECT_EQ(support[4], "Game release        : 20/1986");

    const int pf = createTask(w.g, "New platform", kTaskPlatform, kWorkNew, 1, 0, 500);
    w.task(pf).improving = 1;
    w.task(pf).improveWeeksLeft = 5;
    w.task(pf).platform.ramChoice = 1;
    const TaskPanel platform = taskPanel(w.g, pf);
    EXPECT_EQ(platform.progressCaption, "Current progress - (Improving product)");
    EXPECT_EQ(platform.progressMaximum, 8);
    EXPECT_EQ(platform.progressPosition, 3);
    EXPECT_EQ(platform.details[1], "Improving Product       :5 week(s)");
    EXPECT_EQ(platform.details.back(), "Ram      :128 KB");
}

TEST(TaskPanel, MemorySizesByYear) {
    Game g;
    g.currentYear = 1985;
    EXPECT_EQ(memorySizeText(g, 0), "64 KB");
    EXPECT_EQ(memorySizeText(g, 2), "256 KB");
    g.currentYear = 1989;
    EXPECT_EQ(memorySizeText(g, 0), "512 KB");
    EXPECT_EQ(memorySizeText(g, 1), "1 MB");
    g.currentYear = 2005;
    EXPECT_EQ(memorySizeText(g, 0), "508 MB");
    EXPECT_EQ(memorySizeText(g, 1), "1 GB");
    EXPECT_EQ(memorySizeText(g, 2), "2 GB");
    g.currentYear = 2011;
    EXPECT_EQ(memorySizeText(g, 1), "4 GB");
}

TEST(ProjectsList, OneRowPerTaskWithItsEstimate) {
    TaskWorld w;
    w.gameTask("Space Duel", w.hire(1, "Ann", 4, 3, 3), 1000, 100);
    const int st = createTask(w.g, "Study", kTaskStudy, kStudyDesign, 0, 0, 0);
    w.task(st).progress = 0;
    const auto rows = projectsList(w.g);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].task, 1);
    EXPECT_EQ(rows[0].name, "Space Duel");
    EXPECT_EQ(rows[0].kindText, "Game");
    EXPECT_EQ(rows[0].weeksText, "7");  // 100 work left at 15 a week in graphics
    EXPECT_EQ(rows[1].kindText, "Study");
    EXPECT_EQ(rows[1].weeksText, "Infinte");
}

TEST(TaskCommands, ListAndPanel) {
    std::ostringstream out;
    cli::Session s(out, ".");
    Game& g = *s.game;
    g.tables().people[1].name = "Ann";
    g.tables().people[1].leadership = 60;
    const int t = createTask(g, "Warehouse", kTaskWarehouse, kWorkConstruction, 0, 0, 1000);
    g.tables().tasks[t].progress = 500;
    std::istringstream in("tasks\ntask 1\ntask 2\ntask 501\n");
    EXPECT_EQ(cli::runScript(s, in, "t"), 2);  // 501 is no task number
    const std::string text = out.str();
    EXPECT_NE(text.find("Projects in progress: 1\n  1: Warehouse | Warehouse | 50% | 4 weeks\n"), std::string::npos);
    EXPECT_NE(text.find("Task 1: Warehouse\n  Team Manager : Building contractor\n"), std::string::npos);
    EXPECT_NE(text.find("  Finishes in approx.     :4 Weeks\n"), std::string::npos);
    EXPECT_NE(text.find("task 2: no task in this slot\n"), std::string::npos);
}

}  // namespace
}  // namespace cw
