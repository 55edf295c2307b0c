// The project status dialog of every kind of task: its labels, the three
// status texts at their boundaries and lengths, which buttons work, the
// improvement of a finished console and finishing it into a platform slot,
// also when the market has no slot left.
#include "dev/product_finish.h"

#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "hardware/warehouse.h"
#include "state/game.h"
#include "state/tasks.h"

namespace cw {
namespace {

constexpr int kTask = 3;
constexpr int kLeader = 5;

class ProjectStatusTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;

    void SetUp() override {
        g.currentYear = 1990;
        g.currentWeek = 20;
        Person& leader = g.tables().people[kLeader];
        leader.name = "Stone,Ava";
        leader.employed = 1;
        leader.currentTask = kTask;
        for (int i = 1; i <= 3; ++i) g.tables().platforms[i].name = "Market " + std::to_string(i);
    }

    // A console designed by task kTask, `percent` of its 1000 points done.
    Task& console(int percent) {
        Task& t = g.tables().tasks[kTask];
        t.name = "New platform";
        t.selfIndex = kTask;
        t.taskType = kTaskPlatform;
        t.taskSubtype = 0;
        t.leader = kLeader;
        t.workTotal = 1000;
        t.progress = percent * 10;
        t.hype = 12;
        t.platform.name = "Nova 64";
        t.platform.cpuSpec = 940;
        t.platform.price = 299;
        t.platform.playerOwned = 1;
        t.platform.productionCost = 120;
        return t;
    }
};

TEST_F(ProjectStatusTest, AConsoleAtSixtyNinePercentIsInDevelopmentAtSeventyItCanGoOut) {
    Task& t = console(69);
    t.progress = 699;
    ProjectStatusDialog d = projectStatusDialog(g, kTask);
    EXPECT_EQ(d.statusText,
              "Stone,Ava : \r\n\r\nNew platform is still in development.\r\nEverything is going according to our plan");
    EXPECT_FALSE(d.improveEnabled);
    EXPECT_FALSE(d.finishEnabled);
    EXPECT_FALSE(d.finishHint.empty());

    t.progress = 700;  // 700 div 70 x 100 reaches the work total
    d = projectStatusDialog(g, kTask);
    EXPECT_EQ(d.statusText,
              "Stone,Ava : \r\n\r\nNew platform is not 100% finished but can be released as is.\r\n"
              "If you release the product now the product quality will suffer.");
    EXPECT_FALSE(d.improveEnabled);
    EXPECT_TRUE(d.finishEnabled);
    EXPECT_TRUE(d.finishHint.empty());

    t.progress = 1000;
    d = projectStatusDialog(g, kTask);
    EXPECT_EQ(d.statusText, "Stone,Ava : \r\n\r\nNew platform has been finished.\r\nWhat would you like to do ?");
    EXPECT_TRUE(d.improveEnabled && d.finishEnabled);

    // Other kinds of work and closed slots get no text and no buttons.
    t.taskSubtype = 4;
    d = projectStatusDialog(g, kTask);
    EXPECT_EQ(d.statusText, "");
    EXPECT_FALSE(d.improveEnabled || d.finishEnabled);
    t.taskSubtype = 0;
    t.closedFlag = 1;
    EXPECT_EQ(projectStatusText(g, kTask), "");
}

TEST_F(ProjectStatusTest, TheLongestNamesFillTheTextsToTheirCuts) {
    Task& t = console(100);
    g.tables().people[kLeader].name = std::string(40, 'L');
    t.name = std::string(20, 'N');
    const std::string head = std::string(40, 'L') + " : \r\n\r\n" + std::string(20, 'N');
    ASSERT_EQ(head.size(), 67u);
    EXPECT_EQ(projectStatusText(g, kTask).size(), 88u + 27u);  // + "What would you like to do ?"
    t.progress = 800;
    EXPECT_EQ(projectStatusText(g, kTask).size(), 180u);
    t.progress = 10;
    EXPECT_EQ(projectStatusText(g, kTask).size(), 135u);
    EXPECT_EQ(projectStatusText(g, kTask).substr(0, 67), head);

    // Without a leader the text starts with the bare separator.
    t.leader = 0;
    EXPECT_EQ(projectStatusText(g, kTask).substr(0, 7), " : \r\n\r\n");
}

TEST_F(ProjectStatusTest, TheLabelsOfAConsoleAndOfAGame) {
    Task& t = console(100);
    t.improvementPoints = 15;
    t.platform.unitStock = 7;
    g.world().warehouseLevel = 1;
    g.world().factoryLevel = 1;
    g.world().headquartersLevel = 1;
    addStock(g, 2, 0, 4, 2500);  // 10,000 of 65,000 in use
    ProjectStatusDialog d = projectStatusDialog(g, kTask);
    EXPECT_TRUE(d.console);
    EXPECT_EQ(d.values, (std::array<std::string, 7>{"Nova 64", "New platform", "Hardware", "New product",
                                                    "Next generation (955)", "7", "55000/65000"}));
    EXPECT_EQ(d.platformsText, "");

    Task& game = g.tables().tasks[4];
    game.name = "Game Quest";
    game.taskType = kTaskGame;
    game.game.title = "Quest";
    game.platformList = "1;3;";
    game.workTotal = 500;
    d = projectStatusDialog(g, 4);
    EXPECT_FALSE(d.console);
    EXPECT_EQ(d.values[0], "Quest");
    EXPECT_EQ(d.values[2], "Software");
    EXPECT_EQ(d.values[4], "");
    EXPECT_EQ(d.platformsText, "Will be developed for the following platforms :\r\nMarket 1 . Market 3 . ");
    // Only a console is improved or finished here; a game finishes by itself.
    EXPECT_FALSE(d.improveEnabled || d.finishEnabled);
    EXPECT_EQ(improveProduct(g, p, 4), d.improveHint);
    EXPECT_EQ(finishProject(g, p, 4).refusal, d.finishHint);
    EXPECT_TRUE(p.calls.empty());

    showProjectStatus(g, p, 4);
    ASSERT_EQ(p.only("screen").size(), 1u);
    EXPECT_EQ(p.only("screen")[0].a, "TForm_project_finished");
    EXPECT_EQ(openProjectStatusTask(), 0);
    showProjectStatus(g, p, 9);  // a free slot shows nothing
    EXPECT_EQ(p.only("screen").size(), 1u);
}

TEST_F(ProjectStatusTest, ImprovingAFinishedConsoleForEightWeeks) {
    Task& t = console(100);
    t.improvementPoints = 25;
    p.buttonAnswers = {true};  // lower the cost
    EXPECT_EQ(improveProduct(g, p, kTask), "");
    EXPECT_TRUE(t.improving);
    EXPECT_EQ(t.improveWeeksLeft, 8);
    EXPECT_TRUE(t.improveCost);
    EXPECT_EQ(t.platform.cpuSpec, 965);
    EXPECT_EQ(t.improvementPoints, 0);
    ASSERT_EQ(p.calls.size(), 2u);
    EXPECT_EQ(p.calls[0].kind, "message");
    EXPECT_EQ(p.calls[0].a, "Improment focus");
    EXPECT_EQ(p.calls[0].b,
              "Should your employees Focus on Lowering the hardware\r\ncost of the product instead of improving power "
              "and speed ?");
    EXPECT_EQ(p.calls[1].kind, "notify");
    EXPECT_EQ(p.calls[1].a, "Improvment choosen");
    EXPECT_EQ(p.calls[1].b, "Improving New platform for 8 weeks");
    EXPECT_EQ(p.calls[1].number, 2000);

    // While the weeks run the improvement is not done and cannot start again.
    ProjectStatusDialog d = projectStatusDialog(g, kTask);
    EXPECT_EQ(d.statusText, "Stone,Ava : \r\n\r\nNew platform has been finished.\r\nWhat would you like to do ?");
    EXPECT_FALSE(d.improveEnabled);
    EXPECT_TRUE(d.finishEnabled);
    EXPECT_EQ(improveProduct(g, p, kTask), "The improvement runs for 8 more week(s)");

    t.improveWeeksLeft = 0;
    t.improvementPoints = 4;
    d = projectStatusDialog(g, kTask);
    EXPECT_EQ(d.statusText,
              "Stone,Ava : \r\n\r\nNew platform has been finished.\r\nRequested improvement of the product is done.\r\n"
              "What would you like to do ?");
    EXPECT_EQ(d.values[4], "Next generation (969)");
    p.buttonAnswers = {false};  // more power and speed
    EXPECT_EQ(improveProduct(g, p, kTask), "");
    EXPECT_FALSE(t.improveCost);
    EXPECT_EQ(t.platform.cpuSpec, 969);
}

TEST_F(ProjectStatusTest, FinishingCopiesTheDesignIntoTheFirstFreePlatformSlot) {
    Task& t = console(75);
    t.improvementPoints = 9;  // found since the last improvement: not added
    p.buttonAnswers = {false};
    FinishOutcome o = finishProject(g, p, kTask);
    EXPECT_FALSE(o.finished);
    EXPECT_EQ(o.refusal, "");
    EXPECT_EQ(t.name.str(), "New platform");
    ASSERT_EQ(p.only("message").size(), 1u);
    EXPECT_EQ(p.only("message")[0].a, "Finish Product");
    EXPECT_EQ(p.only("message")[0].b,
              "No more improvements will be possible after the product has been moved to \"ready for release\"\r\n"
              "If moved remember to set up assembly lines to start making units of pruduct for sale?\r\n"
              "Finish product and move it to ready for release ?");

    p.calls.clear();
    o = finishProject(g, p, kTask);
    ASSERT_TRUE(o.finished);
    EXPECT_EQ(o.platform, 4);
    const Platform& made = g.tables().platforms[4];
    EXPECT_EQ(made.name.str(), "Nova 64");
    EXPECT_EQ(made.selfIndex, 4);
    EXPECT_EQ(made.cpuSpec, 940);
    EXPECT_EQ(made.price, 299);
    EXPECT_EQ(made.productionCost, 120);
    EXPECT_TRUE(made.playerOwned);
    EXPECT_EQ(made.hype, 12);
    const ProductEntry& e = g.world().products[o.product];
    EXPECT_EQ(e.kind, 4);
    EXPECT_EQ(e.refA, 4);
    EXPECT_EQ(e.refB, 0);
    EXPECT_FALSE(e.released);
    EXPECT_TRUE(g.tables().tasks[kTask].name.empty());  // the task is cleared
    EXPECT_EQ(g.tables().people[kLeader].currentTask, -1);
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "Start production");
    EXPECT_EQ(p.only("notify")[0].b, "Set up assembly lines to produce units of product");
    EXPECT_EQ(p.only("notify")[0].number, 5000);
    ASSERT_EQ(p.only("screen").size(), 1u);
    EXPECT_EQ(p.only("screen")[0].a, "TForm_factory_assembly");
}

TEST_F(ProjectStatusTest, WithEveryPlatformSlotTakenNothingIsLost) {
    Task& t = console(100);
    for (int i = 1; i <= 500; ++i) g.tables().platforms[i].name = "Market " + std::to_string(i);
    const FinishOutcome o = finishProject(g, p, kTask);
    EXPECT_FALSE(o.finished);
    EXPECT_EQ(o.refusal, "There is no room on the market for another platform: all 500 platform places are taken.");
    const auto messages = p.only("message");
    ASSERT_EQ(messages.size(), 2u);  // the question, then why nothing happened
    EXPECT_EQ(messages[1].a, "Finish Product");
    EXPECT_EQ(messages[1].b, o.refusal + "\r\nNew platform stays a finished project.");
    EXPECT_EQ(t.name.str(), "New platform");
    EXPECT_EQ(t.platform.name.str(), "Nova 64");
    EXPECT_EQ(g.tables().platforms[500].name.str(), "Market 500");
    for (const ProductEntry& e : g.world().products) EXPECT_EQ(e.kind, 0);
    EXPECT_TRUE(p.only("notify").empty());

    // Once a slot is free the same console finishes; the record keeps the
    // low byte of an index beyond 255.
    g.tables().platforms[300].name = "";
    const FinishOutcome later = finishProject(g, p, kTask);
    ASSERT_TRUE(later.finished);
    EXPECT_EQ(later.platform, 300);
    EXPECT_EQ(g.tables().platforms[300].selfIndex, 300 % 256);
}

TEST_F(ProjectStatusTest, AFullProductListKeepsTheConsoleToo) {
    Task& t = console(100);
    for (ProductEntry& e : g.world().products) e.refA = 1;
    const FinishOutcome o = finishProject(g, p, kTask);
    EXPECT_FALSE(o.finished);
    EXPECT_EQ(o.refusal, "The product list is full: all 3500 places are taken.");
    EXPECT_EQ(t.name.str(), "New platform");
    EXPECT_TRUE(g.tables().platforms[4].name.empty());
}

}  // namespace
}  // namespace cw
