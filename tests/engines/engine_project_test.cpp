// The "New Engine" page from its manager to the engine task, the task's end
// as an engine the game screen offers, and the three improvements with their
// checks in order and their work.
#include "engines/engine_project.h"

#include <gtest/gtest.h>

#include "dev/dev_world.h"
#include "dev/game_project.h"
#include "fakes/recording_player.h"
#include "sim/task_finish.h"
#include "state/tasks.h"

namespace cw {
namespace {

using test::RecordingPlayer;

class EngineProjectTest : public ::testing::Test {
protected:
    Game g;
    RecordingPlayer p;
    void SetUp() override {
        test::makeDevWorld(g);
        g.tables().people[5].programming = 6;
    }
    Person& ava() { return g.tables().people[5]; }
    std::string lastCaption(const std::string& kind = "message") const {
        const auto c = p.only(kind);
        return c.empty() ? std::string() : c.back().a;
    }
};

TEST_F(EngineProjectTest, TheManagerDecidesOptionsAndFreelancers) {
    NewEngineScreen s(g);
    EXPECT_FALSE(s.optionsEnabled());
    EXPECT_EQ(s.costText(), "Cost 0$ weekly");
    s.setOption(EngineOption::Testing, true);
    EXPECT_FALSE(s.option(EngineOption::Testing));

    ava().programming = 4;  // enough for AI and testing, not for the programming options
    ASSERT_FALSE(s.setLeader(5));
    EXPECT_FALSE(s.optionAvailable(EngineOption::Optimizing));
    EXPECT_FALSE(s.optionAvailable(EngineOption::Programming));
    EXPECT_TRUE(s.optionAvailable(EngineOption::ArtificialIntelligence));
    EXPECT_TRUE(s.optionAvailable(EngineOption::Testing));
    s.setOption(EngineOption::Programming, true);
    EXPECT_FALSE(s.option(EngineOption::Programming));
    EXPECT_EQ(s.freelancers(), managerCapacity(61));
    s.setFreelancers(3);
    EXPECT_EQ(s.costText(), "Cost 1500$ weekly");
    s.setFreelancers(99);
    EXPECT_EQ(s.freelancers(), s.freelancersMax());

    // The platform list carries the index after ";" and offers released platforms only.
    EXPECT_EQ(s.platforms().front().text, "Alpha;1");
    EXPECT_FALSE(s.choosePlatform(5));
}

TEST_F(EngineProjectTest, StartDevelopmentChecksInOrder) {
    NewEngineScreen s(g);
    EXPECT_EQ(s.startDevelopment(p)->caption, "Choose Team Leader");
    EXPECT_EQ(lastCaption(), "Choose Team Leader");
    ASSERT_FALSE(s.setLeader(5));
    EXPECT_EQ(s.startDevelopment(p)->caption, "Choose Platform and genre");
    ASSERT_TRUE(s.choosePlatform(1));
    ASSERT_TRUE(s.chooseGenre(1));
    p.buttonAnswers = {false};  // keep the engine there is
    EXPECT_EQ(s.startDevelopment(p)->caption, "Engine already exist");
    EXPECT_TRUE(s.wantsNameFocus());
    p.buttonAnswers = {true};
    EXPECT_EQ(s.startDevelopment(p)->caption, "Missing engine name");
    EXPECT_EQ(g.tables().tasks[1].name.str(), "");
}

TEST_F(EngineProjectTest, AnEngineTaskBecomesAnEngineTheGameScreenOffers) {
    NewEngineScreen s(g);
    ASSERT_TRUE(s.choosePlatform(2));
    ASSERT_TRUE(s.chooseGenre(2));
    ASSERT_FALSE(s.setLeader(5));
    s.setFreelancers(1);
    s.setName("Zap");
    EXPECT_EQ(s.engineLines()[0], "Current Engine code level : None - None");
    EXPECT_EQ(s.engineLines()[2], "Engine Score : 54/150");
    EXPECT_EQ(s.leadingCompetitor(), "None");
    // The page starts with "Controller: Keyboard" (500) and "Save Game function" (375).
    EXPECT_EQ(s.work(), 875 + 8);
    ASSERT_FALSE(s.startDevelopment(p));
    const int ti = s.createdTask();
    ASSERT_GT(ti, 0);
    const Task& t = g.tables().tasks[ti];
    EXPECT_EQ(t.name.str(), "Engine Zap");
    EXPECT_EQ(t.taskType, kTaskEngine);
    EXPECT_EQ(t.taskSubtype, kWorkNew);
    EXPECT_EQ(t.workTotal, 883);
    EXPECT_EQ(t.freelancers, 1);
    EXPECT_EQ(t.engine.codeLevel, 1);
    EXPECT_EQ(t.engine.featureLevel, 1);
    EXPECT_EQ(t.engine.rating, 54);
    EXPECT_EQ(t.engine.experience, 40);
    EXPECT_EQ(lastCaption("notify"), "New Engine");

    finishEngine(g, p, ti);
    const EngineSlot& e = g.world().ownEngines[2][2];
    EXPECT_EQ(e.name.str(), "Zap");
    EXPECT_EQ(e.rating, 40 + 7 + 7);
    // The game screen lists the platform with its engine: no engine to buy.
    DevelopmentScreen dev(g);
    dev.chooseGenre(2);  // "Action,Adventure"
    bool offered = false;
    for (const auto& line : dev.platformLines()) offered = offered || line.text == "(Engine:54)Beta";
    EXPECT_TRUE(offered);
}

TEST_F(EngineProjectTest, AWeakManagerKeepsTheLevelsWhenThePlayerAgrees) {
    ava().programming = 1;  // not above the engine's code level 1
    NewEngineScreen s(g);
    s.choosePlatform(1);
    s.chooseGenre(1);
    s.setLeader(5);
    s.setName("Again");
    p.buttonAnswers = {true, false};
    EXPECT_EQ(s.startDevelopment(p)->caption, "Team Leader progamming abilities ");
    p.buttonAnswers = {true, true};
    ASSERT_FALSE(s.startDevelopment(p));
    const Task& t = g.tables().tasks[s.createdTask()];
    EXPECT_EQ(t.workTotal, (68 * 10 - 1 * 10) * 10);
    EXPECT_EQ(t.engine.codeLevel, 1);
    EXPECT_EQ(t.engine.rating, 68);
}

TEST_F(EngineProjectTest, UpgradesCheckInOrderAndCostTheirWork) {
    EngineSlot& e = g.world().ownEngines[1][1];
    int ti = 0;
    e.codeLevel = 10;
    EXPECT_EQ(upgradeEngine(g, p, 1, 1, EngineUpgrade::Code, &ti)->caption, "Upgrade no possible");
    EXPECT_TRUE(p.only("dialog").empty());
    e.featureLevel = 5;
    EXPECT_EQ(upgradeEngine(g, p, 1, 1, EngineUpgrade::Genre)->caption, "Upgrade no possible");
    e.experience = 40;
    EXPECT_EQ(upgradeEngine(g, p, 1, 1, EngineUpgrade::Update)->caption, "Update not nesssary");
    EXPECT_EQ(upgradeEngine(g, p, 4, 2, EngineUpgrade::Update)->caption, "No engine");

    e.codeLevel = 6;
    p.buttonAnswers = {false};
    EXPECT_EQ(upgradeEngine(g, p, 1, 1, EngineUpgrade::Code)->caption, "Assign a team leader");
    EXPECT_EQ(upgradeEngine(g, p, 1, 1, EngineUpgrade::Code)->caption, "No team leader assigned");
    // Programming 6 is short of level 7 unless the manager knows the platform.
    p.staffPicks = {5};
    EXPECT_EQ(upgradeEngine(g, p, 1, 1, EngineUpgrade::Code)->caption, "Team leader problem");
    ava().platformExperience = 1;
    p.staffPicks = {5};
    ASSERT_FALSE(upgradeEngine(g, p, 1, 1, EngineUpgrade::Code, &ti));
    const Task& t = g.tables().tasks[ti];
    EXPECT_EQ(t.name.str(), "Engine Upgrade");
    EXPECT_EQ(t.taskSubtype, kWorkUpgrade);
    EXPECT_EQ(t.workTotal, 6000);
    EXPECT_EQ(t.engine.codeLevel, 7);
    EXPECT_EQ(t.engine.rating, 40 + 49 + 35);
    EXPECT_EQ(lastCaption("notify"), "Engine Upgrade ");

    // An update's work never falls below 300.
    clearTask(g, ti);
    e.experience = 10;
    p.staffPicks = {5};
    ASSERT_FALSE(upgradeEngine(g, p, 1, 1, EngineUpgrade::Update, &ti));
    EXPECT_EQ(g.tables().tasks[ti].workTotal, 4500);
    clearTask(g, ti);
    e.experience = 39;
    p.staffPicks = {5};
    ASSERT_FALSE(upgradeEngine(g, p, 1, 1, EngineUpgrade::Update, &ti));
    EXPECT_EQ(g.tables().tasks[ti].workTotal, 300);
    EXPECT_EQ(g.tables().tasks[ti].engine.experience, 40);
    clearTask(g, ti);

    e.featureLevel = 3;
    ava().design = 3;  // short of level 4 unless the manager knows the genre
    p.staffPicks = {5};
    EXPECT_EQ(upgradeEngine(g, p, 1, 1, EngineUpgrade::Genre)->caption, "Team leader problem");
    ava().genreExperience = 1;
    p.staffPicks = {5};
    ASSERT_FALSE(upgradeEngine(g, p, 1, 1, EngineUpgrade::Genre, &ti));
    EXPECT_EQ(g.tables().tasks[ti].name.str(), "Engine Genre Upgrade");
    EXPECT_EQ(g.tables().tasks[ti].workTotal, 3000);
    EXPECT_EQ(g.tables().tasks[ti].engine.featureLevel, 4);
}

TEST_F(EngineProjectTest, ViewEnginesCutsLongNamesAndShowsMissingEngines) {
    EngineSlot& m = g.world().marketEngines[1][1];
    m.name = "Sixteen letters!";
    m.rating = 77;
    g.world().marketEngines[1][2].name = "Fifteen letters";
    g.world().marketEngines[1][2].rating = 60;
    const auto rows = viewEngineRows(g, 1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].competitor, "77/150 - Sixteen lett...");
    EXPECT_EQ(rows[0].own, "50/150 - Engine 1");
    EXPECT_EQ(rows[1].competitor, "60/150 - Fifteen letters");
    EXPECT_EQ(rows[1].own, "No engine");
    EXPECT_EQ(competitorEngineText(g, 1, 1), "Sixteen letters! - Rating : 77/150");
    EXPECT_TRUE(viewEngineRows(g, 151).empty());
}

}  // namespace
}  // namespace cw
