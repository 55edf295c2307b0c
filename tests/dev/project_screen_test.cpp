// The "Project properties" screen's model for a game in development.
#include "dev/project_screen.h"

#include <gtest/gtest.h>

#include "dev/dev_world.h"
#include "dev/game_project.h"
#include "fakes/recording_player.h"
#include "quality/task_calculators.h"
#include "sim/task_panel.h"

namespace cw {
namespace {

class ProjectScreenTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    int task = 0;
    void SetUp() override {
        test::makeDevWorld(g);
        DevelopmentScreen s(g);
        s.chooseGenre(1);
        ASSERT_FALSE(s.setLeader(5));
        s.setName("Space Duel");
        ASSERT_FALSE(s.startDevelopment(p));
        task = s.createdTask();
    }
};

TEST_F(ProjectScreenTest, ShowsTheGameTaskAndOnlyIt) {
    ProjectScreen screen(g, task);
    ASSERT_TRUE(screen.valid());
    EXPECT_EQ(gameTasks(g), (std::vector<int>{task}));
    EXPECT_EQ(screen.name(), "Game Space Duel");
    const Task& t = g.tables().tasks[task];
    EXPECT_EQ(screen.workBarMaximum(), largestWorkLeft(t).largest);
    for (int a = 0; a < 3; ++a) EXPECT_EQ(screen.weeksText(a), gameAreaEstimate(g, t, a).text() + " Weeks");
    g.tables().tasks[task].game.workLeftDesign = -40;  // the core phase may overshoot
    EXPECT_EQ(screen.workLeft(1), 0);
    // A game's meter shows the game's own hype, the one its score and sales
    // read and its campaigns raise.
    g.tables().tasks[task].hype = 3;
    g.tables().tasks[task].game.hype = 130;
    EXPECT_EQ(screen.hype(), 100);

    EXPECT_FALSE(ProjectScreen(g, 0).valid());
    EXPECT_FALSE(ProjectScreen(g, 501).valid());
    g.tables().tasks[7].name = "Study : Design";
    g.tables().tasks[7].taskType = 8;
    EXPECT_FALSE(ProjectScreen(g, 7).valid());

    std::vector<std::string> captions;
    for (const ProjectButton& b : screen.buttons()) {
        captions.push_back(b.caption);
        EXPECT_EQ(b.enabled, b.hint.empty()) << b.caption;
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Publisher deals", "Advertising", "Assign employees to this task",
                                                  "Details", "Preview game", "Close"}));
}

TEST_F(ProjectScreenTest, SlidersKeepTheirSumAndNeverGoBelowOne) {
    ProjectScreen screen(g, task);
    screen.moveShare(0, 98);
    EXPECT_EQ(screen.shares(), (std::array<i32, 3>{98, 1, 1}));
    screen.moveShare(1, 40);  // the programming share gives way; graphics is at 1
    EXPECT_EQ(screen.shares(), (std::array<i32, 3>{59, 40, 1}));
    screen.moveFocus(2, 1);
    EXPECT_EQ(screen.focus()[2], 1);
    EXPECT_EQ(screen.focus()[0] + screen.focus()[1], 99);
    EXPECT_FALSE(screen.setShares({99, 1, 0}));
    EXPECT_FALSE(screen.setFocus({50, 30, 30}));
    EXPECT_TRUE(screen.setFocus({20, 40, 40}));
    EXPECT_EQ(g.tables().tasks[task].game.focusComplexity, 40);
}

TEST_F(ProjectScreenTest, ResearchMovesInTheCorePhaseOnly) {
    ProjectScreen screen(g, task);
    EXPECT_EQ(screen.research(), (std::array<i32, 3>{25, 25, 25}));
    EXPECT_FALSE(screen.setResearch({100, 60, 25}));
    EXPECT_EQ(screen.research(), (std::array<i32, 3>{100, 60, 25}));
    EXPECT_EQ(taskPanel(g, task).research, (std::array<int, 3>{100, 60, 25}));
    const ActionResult low = screen.setResearch({24, 60, 25});
    ASSERT_TRUE(low);
    EXPECT_EQ(low->text, "Each research amount is 25..100");
    EXPECT_EQ(screen.research(), (std::array<i32, 3>{100, 60, 25}));
    Task& t = g.tables().tasks[task];
    t.progress = t.workTotal;  // the finishing phase
    EXPECT_TRUE(screen.researchLocked());
    const ActionResult locked = setGameResearch(g, task, {50, 50, 50});
    ASSERT_TRUE(locked);
    EXPECT_EQ(locked->text, "Game Core/Idea Finished. Changes not possible");
    EXPECT_EQ(screen.research(), (std::array<i32, 3>{100, 60, 25}));
    EXPECT_EQ(setGameResearch(g, 9, {50, 50, 50})->text, "Task 9 is no game in development");
}

TEST_F(ProjectScreenTest, TheTrafficLightsShowNextWeeksChange) {
    EXPECT_EQ(trafficLight(-3), TrafficLight::Red);
    EXPECT_EQ(trafficLight(-2), TrafficLight::Yellow);
    EXPECT_EQ(trafficLight(2), TrafficLight::Yellow);
    EXPECT_EQ(trafficLight(3), TrafficLight::Green);
    Task& t = g.tables().tasks[task];
    // Leader skills 3/2/2 give a weighted skill far below the year's target:
    // the quality falls by (100 - v) / 10.
    const i32 v = (15 * 3 + 15 * 2) * t.game.focusGameplay / 100;
    EXPECT_EQ(qualityChangeNextWeek(g, t, 0), -(100 - v) / 10);
    EXPECT_EQ(ProjectScreen(g, task).light(0), TrafficLight::Red);
    Person& leader = g.tables().people[5];
    leader.programming = 40;
    leader.design = 40;
    // base 2 * 20 + 3 * 8 = 64, quality at the genre's demand: target 64.
    const i32 strong = (15 * 40 + 15 * 40) * t.game.focusGameplay / 100;
    EXPECT_EQ(qualityChangeNextWeek(g, t, 0), (strong - 64) / 10);
    EXPECT_EQ(ProjectScreen(g, task).light(0), TrafficLight::Green);
}

}  // namespace
}  // namespace cw
