// A finished console through the headless driver: the status dialog with
// its queued buttons, the console in the product list and its release, and
// the advertising of a game in development.
#include <gtest/gtest.h>

#include "fakes/cli_session.h"
#include "state/tasks.h"

namespace cw {
namespace {

class FinishCliTest : public test::CliSessionTest {
protected:
    void SetUp() override {
        s.gameRunning = true;  // the world below stands for a game in progress
        Game& g = *s.game;
        g.world().sharesOwnedPercent = 40;
        g.currentYear = 1990;
        g.currentWeek = 20;
        g.world().money = 500000;
        g.world().warehouseLevel = 1;
        g.tables().people[5].name = "Stone,Ava";
        g.tables().people[5].employed = 1;
        g.tables().people[5].currentTask = 3;
        for (int i = 1; i <= 3; ++i) g.tables().platforms[i].name = "Market " + std::to_string(i);
        Task& t = g.tables().tasks[3];
        t.name = "New platform";
        t.taskType = kTaskPlatform;
        t.leader = 5;
        t.workTotal = 1000;
        t.progress = 1000;
        t.hype = 20;
        t.platform.name = "Nova 64";
        t.platform.cpuSpec = 900;
        t.platform.playerOwned = 1;
    }
};

TEST_F(FinishCliTest, TheDialogClosesByItselfAndTakesAQueuedImprovement) {
    ASSERT_EQ(run("project-status 3\n"), 0);
    EXPECT_EQ(out.str(),
              "TForm_project_finished: Product development status (task 3)\n"
              "  Product name: Nova 64\n"
              "  Project name : New platform\n"
              "  Product type : Hardware\n"
              "  Product Subtype : New product\n"
              "  Product quality : up-to-date (900)\n"
              "  Unit Stock : 0\n"
              "  Total storage left : 50000/50000\n"
              "  status: Stone,Ava : \\n\\nNew platform has been finished.\\nWhat would you like to do ?\n"
              "  buttons: [Improve product] [Finish Project] [Close]\n"
              "  nothing queued: Close\n"
              "[screen] TForm_project_finished -> closed\n");

    ASSERT_EQ(run("answer improve no\nproject-status 3\n"), 0);
    EXPECT_TRUE(
        printed("  choice: Improve product\n"
                "[message] Improment focus | Should your employees Focus on Lowering the hardware\\ncost of "
                "the product instead of improving power and speed ? -> No\n"
                "[notify] Improvment choosen | Improving New platform for 8 weeks\n"));
    const Task& t = s.game->tables().tasks[3];
    EXPECT_TRUE(t.improving);
    EXPECT_FALSE(t.improveCost);

    ASSERT_EQ(run("answer improve\nproject-status 3\n"), 0);
    EXPECT_TRUE(printed("  buttons: [Improve product (disabled)] [Finish Project] [Close]\n"));
    EXPECT_TRUE(printed("  refused: The improvement runs for 8 more week(s)\n"));

    ASSERT_EQ(run("project-status 9\n"), 0);
    EXPECT_EQ(out.str(), "task 9: no task in this slot\n");
    EXPECT_EQ(run("project-status\n"), 2);
    EXPECT_EQ(run("answer upgrade\n"), 2);
}

TEST_F(FinishCliTest, AFinishedConsoleIsListedAndReleasedForNextWeek) {
    ASSERT_EQ(run("answer finish yes\nproject-status 3\n"), 0);
    EXPECT_TRUE(printed("  choice: Finish Project\n[message] Finish Product | No more improvements"));
    EXPECT_TRUE(
        printed("[notify] Start production | Set up assembly lines to produce units of product\n"
                "[screen] TForm_factory_assembly -> closed\n"
                "  finished: platform 4, product 1 (ready for release)\n"
                "[screen] TForm_project_finished -> closed\n"));

    ASSERT_EQ(run("products\n"), 0);
    EXPECT_TRUE(printed("  1 | platform | Nova 64 | ready for release | - | - | -\n"));

    // No units in store: the question comes first, the release goes on.
    ASSERT_EQ(run("answer no no\nrelease 1\n"), 0);
    EXPECT_TRUE(printed("[message] No units in storage | You have no units of this product in your storage."));
    EXPECT_TRUE(
        printed("[message] Release Product | Release Product :\\nNova 64 ? -> No\n"
                "not released: product 1 stays ready for release\n"));
    ASSERT_EQ(run("answer no yes\nrelease 1\n"), 0);
    const Platform& pf = s.game->tables().platforms[4];
    EXPECT_TRUE(printed("released: product 1 is platform 4 (Nova 64), on the market from week 21 1990: market share " +
                        std::to_string(int(pf.marketShare)) + ", opinion " + std::to_string(pf.opinion) +
                        ", hype 20, bug cooldown " + std::to_string(int(pf.bugCooldown)) + " weeks\n"));
    EXPECT_TRUE(pf.launched);
    ASSERT_EQ(run("release 1\n"), 0);
    EXPECT_EQ(out.str(), "refused: The product is already released\n");
}

TEST_F(FinishCliTest, AGameInDevelopmentCanBeAdvertised) {
    Task& game = s.game->tables().tasks[2];
    game.name = "Game Quest";
    game.taskType = kTaskGame;
    game.workTotal = 500;
    ASSERT_EQ(run("advertise 2 3 area=continent\ncampaigns 2\n"), 0);
    EXPECT_TRUE(printed("started: Send detailed info and pictures to game magazines, continent, Price : 60000\n"));
    EXPECT_TRUE(printed("  3 | Send detailed info and pictures to game magazines (In progress) | 40 units\n"));
    EXPECT_EQ(s.game->world().money, 440000);

    Task& study = s.game->tables().tasks[4];
    study.name = "Study : Design";
    study.taskType = kTaskStudy;
    study.taskSubtype = 11;
    ASSERT_EQ(run("advertise 4 1\n"), 0);
    EXPECT_EQ(out.str(), "refused: Task 4 is not a game or platform project in development\n");

    // The game's project screen leads to its status: a game finishes by itself.
    ASSERT_EQ(run("project-status 2\n"), 0);
    EXPECT_TRUE(printed("  Product Subtype : New product\n"));
    EXPECT_TRUE(printed("  buttons: [Improve product (disabled)] [Finish Project (disabled)] [Close]\n"));
}

}  // namespace
}  // namespace cw
