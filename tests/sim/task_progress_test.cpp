// The weekly staff step and the weekly task step: wages, perks, upkeep, the
// staff's own work, hardware discoveries, the two phases of a game, the
// code bug and the order of every draw.
#include "sim/task_progress.h"

#include <gtest/gtest.h>

#include "quality/task_calculators.h"
#include "sim/task_world.h"

namespace cw {
namespace {

using test::TaskWorld;

TEST(StaffWeek, PaysWagesAndPerksWithDrawsInOrder) {
    TaskWorld w;
    w.g.rng.seed = 4242;
    Person& ann = w.person(w.hire(1, "Ann", 1, 1, 1, 2000));
    ann.freeCar = 1;
    ann.freePhone = 1;
    w.hire(2, "Bob", 1, 1, 1, 1002);
    Person& gone = w.person(3);  // not employed: no pay, no draws
    gone.name = "Cy";
    gone.salary = 5000;
    gone.freeComputer = 1;
    w.world().weeklyWages[3] = 777;

    Random replica = w.g.rng;
    const i32 extras = 500 + replica.randomInt(500) + 200 + replica.randomInt(300);
    const i32 annPay = (extras + 2000) / 4;
    staffWeek(w.g, w.p);
    EXPECT_EQ(w.g.rng.seed, replica.seed);
    EXPECT_EQ(w.world().money, 1000000 - annPay - 250);
    EXPECT_EQ(w.world().weeklyWages[3], annPay + 250);
    EXPECT_EQ(w.world().weeklyPerkCost[3], extras / 4);
    EXPECT_EQ(w.p.refreshes, 1);
}

TEST(StaffWeek, TheStaffsOwnWorkOnTheirTasks) {
    TaskWorld w;
    const int engine = createTask(w.g, "Engine Blaze", kTaskEngine, kWorkNew, w.hire(1, "Ann", 3, 1, 1, 400), 0, 9000);
    const int support = createTask(w.g, "Support Engine", kTaskEngine, kWorkEngineSupport, w.hire(2, "Bob", 3, 1, 1, 800),
                                   0, 52);
    Person& hw = w.person(w.hire(3, "Cy", 0, 0, 0, 100));
    hw.hardware = 12;
    hw.leadWeeksLeft = 2;
    const int platform = createTask(w.g, "New platform", kTaskPlatform, kWorkNew, 3, 0, 5000);
    Person& student = w.person(w.hire(4, "Di", 0, 0, 0));
    student.studyWeeksLeft = 3;
    student.leadWeeksLeft = 0;
    const int study = createTask(w.g, "Study", kTaskStudy, kStudyDesign, 4, 0, 100);
    staffWeek(w.g, w.p);
    EXPECT_EQ(w.task(engine).progress, 45);
    EXPECT_EQ(w.task(engine).engine.supportCost, 100);
    EXPECT_EQ(w.task(engine).spent, 100);
    EXPECT_EQ(w.task(support).progress, 1);
    EXPECT_EQ(w.task(support).engine.supportCost, 200);
    EXPECT_EQ(w.task(platform).progress, -3);  // hardware below 15 sets it back
    EXPECT_EQ(hw.leadWeeksLeft, 1);
    EXPECT_EQ(student.studyWeeksLeft, 2);
    EXPECT_EQ(w.task(study).progress, 0);  // study moves in the task step
}

TEST(StaffWeek, HardwareDiscoveriesEveryFourthWeek) {
    TaskWorld w;
    w.g.currentWeek = 4;
    Person& ann = w.person(w.hire(1, "Ann", 0, 0, 0));
    ann.hardware = 60;
    const int t = createTask(w.g, "New platform", kTaskPlatform, kWorkNew, 1, 0, 5000);
    w.task(t).platform.name = "NovaBox";
    w.task(t).platform.cpuSpec = 1000;
    const auto found = [](Random& r) { return r.randomInt(65) < 6; };

    w.g.rng.seed = test::seedWhere(found);
    staffWeek(w.g, w.p);
    EXPECT_EQ(w.task(t).improvementPoints, 6);
    ASSERT_EQ(w.p.only("letter").size(), 1u);
    EXPECT_EQ(w.p.only("letter")[0].a, "Hardware improvement, performance");
    EXPECT_EQ(w.p.only("letter")[0].b, "Employee Ann found a way to improve the performance of NovaBox");

    // Ten points are as many as performance can gain.
    w.task(t).improvementPoints = 10;
    w.g.rng.seed = test::seedWhere(found);
    staffWeek(w.g, w.p);
    EXPECT_EQ(w.task(t).improvementPoints, 10);
    EXPECT_EQ(w.p.only("letter").size(), 1u);

    w.task(t).improveCost = 1;
    w.g.rng.seed = test::seedWhere(found);
    staffWeek(w.g, w.p);
    EXPECT_EQ(w.task(t).platform.costReduction, 6);
    EXPECT_EQ(w.p.only("letter").back().a, "Hardware improvement, cost");
    EXPECT_EQ(w.p.only("letter").back().b, "Employee Ann found a way to lower cost of NovaBox");

    // Other weeks draw nothing.
    w.g.currentWeek = 5;
    const u32 before = w.g.rng.seed;
    staffWeek(w.g, w.p);
    EXPECT_EQ(w.g.rng.seed, before);
}

TEST(StaffWeek, BuildingUpkeepInEveryFourthWeekOnly) {
    TaskWorld w;
    World& world = w.world();
    world.headquartersLevel = 2;
    world.factoryLevel = 1;
    world.warehouseLevel = 3;
    world.extraOffices = 1;
    staffWeek(w.g, w.p);  // week 3
    EXPECT_EQ(world.money, 1000000);
    for (int week : {4, 52}) {
        w.g.currentWeek = week;
        world.money = 1000000;
        staffWeek(w.g, w.p);
        EXPECT_EQ(world.money, 1000000 - (5000 + 25000 + 1500 + 2500)) << week;
    }
    EXPECT_EQ(world.yearlyBuildingCost[1985], 2 * 34000);
}

struct GameWeek : TaskWorld {
    int t = 0;
    GameWeek() {
        t = gameTask("Space Duel", hire(1, "Ann", 4, 3, 2, 4000), 1000, 300);
        assign(t, 1, hire(2, "Bob", 3, 3, 3, 2000));
    }
};

TEST(AdvanceGame, CorePhaseWorksOffWorkAndRaisesProgress) {
    GameWeek w;
    w.task(w.t).freelancers = 1;
    const Triple rate = workRates(w.g, w.task(w.t));
    advanceTasks(w.g, w.p);
    const Task& t = w.task(w.t);
    EXPECT_EQ(t.progress, rate[0] + rate[1] + rate[2]);
    EXPECT_EQ(t.game.workLeftProgramming, 300 - rate[0]);
    EXPECT_EQ(t.spent, 500);  // the freelancer; the team's wages count in the staff step
    EXPECT_EQ(w.world().money, 1000000 - 500);
    EXPECT_EQ(w.world().weeklyWages[3], 0);  // freelancers count as wages only when finishing

    // Work left may go below 0 while the core is made.
    w.task(w.t).game.workLeftDesign = 2;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.task(w.t).game.workLeftDesign, 2 - rate[1]);
}

TEST(AdvanceGame, FinishingPhaseClampsAndFinishesAtOneEverywhere) {
    GameWeek w;
    Task& t = w.task(w.t);
    t.progress = 1000;
    t.freelancers = 2;
    t.game.shareProgramming = t.game.shareDesign = t.game.shareGraphics = 0;  // 1 a week each
    t.game.workLeftProgramming = 3;
    t.game.workLeftDesign = 1;
    t.game.workLeftGraphics = 0;
    advanceTasks(w.g, w.p);
    EXPECT_EQ(t.game.workLeftProgramming, 2);
    EXPECT_EQ(t.game.workLeftDesign, 0);
    EXPECT_EQ(t.game.workLeftGraphics, 0);
    EXPECT_EQ(w.world().weeklyWages[3], 1000);
    EXPECT_FALSE(t.name.empty());
    advanceTasks(w.g, w.p);  // 1 left in programming: done
    EXPECT_TRUE(w.task(w.t).name.empty());
    EXPECT_EQ(w.p.only("letter").at(0).a, "Game finished");
}

TEST(AdvanceGame, PinsTheWeeksDrawsAndTheCodeBug) {
    GameWeek w;  // era level 3: Ann gains in programming, Bob in nothing
    w.g.currentWeek = 8;
    w.world().gameLevel = 2;  // chance 300 - 100 + random(50)
    Task& t = w.task(w.t);
    t.progress = 500;  // half way: bugs can be found
    w.g.rng.seed = test::seedWhere([](Random& r) {
        const i32 chance = 200 + r.randomInt(50);
        return r.randomInt(1000) < chance + 1 && r.randomInt(100) <= 9;
    });
    w.p.buttonAnswers = {false};  // no expert help

    Random replica = w.g.rng;
    replica.randomInt(50);
    replica.randomInt(1000);
    replica.randomInt(100);
    const i32 cost = replica.randomInt(50000) + 8 * 1000;
    const bool gained = replica.randomInt(10) < 6;  // engine experience
    replica.randomInt(10);                          // Ann's programming experience
    advanceTasks(w.g, w.p);
    EXPECT_EQ(w.g.rng.seed, replica.seed);
    EXPECT_EQ(w.world().ownEngines[1][1].experience, gained ? 1 : 0);

    const auto dialogs = w.p.only("dialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].a, "Bug!");
    EXPECT_EQ(dialogs[0].b,
              "A major code bug has been Discovedered in the projectSpace Duel.\r\nThis means that the game will stay in "
              "development longer then you anticipatedYou can hire external expert help to sort this out fast, it "
              "will cost you $" +
                  std::to_string(cost) +
                  "\r\nDo you want to pay for the expert help ?\r\nNote: upgrade your test center to minimize the "
                  "chance of hidden bugs");
    // Refused: 20 %, 15 % and 5 % more work, before this week's work.
    const Triple rate = workRates(w.g, t);
    EXPECT_EQ(t.game.workLeftProgramming, 360 - rate[0]);
    EXPECT_EQ(t.game.workLeftDesign, 345 - rate[1]);
    EXPECT_EQ(t.game.workLeftGraphics, 315 - rate[2]);
    EXPECT_EQ(w.world().money, 1000000);
}

TEST(AdvanceGame, NoBugRollBeforeHalfWayOutsideFourthWeeksOrWithAGoodTestCenter) {
    GameWeek w;
    w.world().ownEngines[1][1].experience = 40;  // grown up: no engine draw
    Task& t = w.task(w.t);
    // Bob has skills 3 = the era level: no draws; Ann gains in programming.
    auto drawsOfAWeek = [&] {
        Random before = w.g.rng;
        advanceTasks(w.g, w.p);
        int n = 0;
        while (before.seed != w.g.rng.seed && n < 10) before.randomInt(2), ++n;
        return n;
    };
    w.g.currentWeek = 8;
    w.world().gameLevel = 2;
    t.progress = 400;  // below half of 1000
    EXPECT_EQ(drawsOfAWeek(), 2);  // the chance, Ann's experience
    t.progress = 500;
    w.g.currentWeek = 7;
    EXPECT_EQ(drawsOfAWeek(), 2);
    w.g.currentWeek = 8;
    t.progress = 500;
    w.world().gameLevel = 1;
    w.world().gameTestCenterLevel = 1;  // 150 - 200 + random(50) is always below 0
    EXPECT_EQ(drawsOfAWeek(), 2);
    EXPECT_TRUE(w.p.only("dialog").empty());
}

TEST(CodeBug, PaidHelpAndTheOtherKinds) {
    GameWeek w;
    Task& t = w.task(w.t);
    t.workTotal = 1000;
    const auto minor = [](Random& r) {
        const i32 k = r.randomInt(100);
        return k >= 10 && k <= 70;
    };
    w.g.rng.seed = test::seedWhere(minor);
    Random replica = w.g.rng;
    replica.randomInt(100);
    const i32 cost = replica.randomInt(25000) + 3 * 1000;
    codeBugEvent(w.g, w.p, w.t);  // paid: the default answer is yes
    EXPECT_EQ(w.p.only("dialog").at(0).a, "BUG!");
    EXPECT_EQ(w.p.only("dialog").at(0).b.substr(0, 80),
              "A minor code bug has been Discovedered in the projectSpace Duel.\r\nThis means tha");
    EXPECT_EQ(w.world().money, 1000000 - cost);
    EXPECT_EQ(t.spent, cost);
    EXPECT_EQ(t.game.workLeftProgramming, 300);

    w.g.rng.seed = test::seedWhere([](Random& r) { return r.randomInt(100) >= 71; });
    w.p.buttonAnswers = {false};
    codeBugEvent(w.g, w.p, w.t);
    EXPECT_EQ(w.p.only("dialog").at(1).b.substr(0, 48), "A code bug has been Discovedered in the projectS");
    EXPECT_EQ(t.game.workLeftProgramming, 330);
    EXPECT_EQ(t.game.workLeftDesign, 321);
    EXPECT_EQ(t.game.workLeftGraphics, 315);
}

}  // namespace
}  // namespace cw
