// What a team delivers and costs, and the estimates of every task kind.
#include "quality/task_calculators.h"

#include <gtest/gtest.h>

#include "sim/task_world.h"

namespace cw {
namespace {

using test::TaskWorld;

struct TeamWorld : TaskWorld {
    int t = 0;
    TeamWorld() {
        t = gameTask("Space Duel", hire(1, "Ann", 3, 2, 1, 1003), 1000, 100);
        assign(t, 1, hire(2, "Bob", 2, 2, 2, 2000));
        assign(t, 4, hire(3, "Cy", 1, 0, 4, 399));
        task(t).freelancers = 2;
    }
};

TEST(TeamCalculators, WorkRatesAndCost) {
    TeamWorld w;
    EXPECT_EQ(teamWork(w.g, w.task(w.t)), (Triple{45 + 20 + 10 + 16, 30 + 20 + 0 + 16, 15 + 20 + 40 + 16}));
    // 91 * 34 / 100, 66 * 33 / 100, 91 * 33 / 100.
    EXPECT_EQ(workRates(w.g, w.task(w.t)), (Triple{30, 21, 30}));
    w.task(w.t).game.shareDesign = 0;
    EXPECT_EQ(workRates(w.g, w.task(w.t))[1], 1);  // never below 1
    EXPECT_EQ(weeklyTeamCost(w.g, w.task(w.t)), 250 + 500 + 99);

    GameTitle& game = w.task(w.t).game;
    game.workLeftProgramming = -5;
    game.workLeftDesign = 0;
    game.workLeftGraphics = 7;
    const WorkLeft left = largestWorkLeft(w.task(w.t));
    EXPECT_EQ(left.clamped, (Triple{1, 1, 7}));
    EXPECT_EQ(left.largest, 7);
}

TEST(TeamCalculators, StudyRateIsAptitudeLessThirtyAtLeastFive) {
    TaskWorld w;
    Person& p = w.person(w.hire(1, "Ann", 1, 1, 1));
    p.talentLeadership = 50;
    p.talentProgramming = 35;
    p.talentHardware = 36;
    EXPECT_EQ(studyRate(w.g, kStudyLeadership, 1), 20);
    EXPECT_EQ(studyRate(w.g, kStudyProgramming, 1), 5);
    EXPECT_EQ(studyRate(w.g, kStudyHardware, 1), 6);
    EXPECT_EQ(studyRate(w.g, 9, 1), 5);
    EXPECT_EQ(studyRate(w.g, kStudyLeadership, 0), 5);
}

TEST(Estimates, EveryTaskKind) {
    TeamWorld w;
    GameTitle& game = w.task(w.t).game;
    game.workLeftProgramming = 100;  // rates 30, 21, 30
    game.workLeftDesign = 50;
    game.workLeftGraphics = 7;
    EXPECT_EQ(gameAreaEstimate(w.g, w.task(w.t), 0).weeks, 3);
    EXPECT_EQ(gameAreaEstimate(w.g, w.task(w.t), 1).weeks, 2);
    EXPECT_EQ(gameAreaEstimate(w.g, w.task(w.t), 2).weeks, 0);
    EXPECT_EQ(taskEstimate(w.g, w.task(w.t), EstimateView::List).text(), "3");

    // Engines count 60 lines a week per programming point, 40 per freelancer.
    const int e = createTask(w.g, "Engine", kTaskEngine, kWorkNew, 2, 0, 1000);
    w.assign(e, 1, 3);  // programming 2 + 1
    w.task(e).progress = 400;
    w.task(e).freelancers = 2;
    EXPECT_EQ(taskEstimate(w.g, w.task(e), EstimateView::Panel).weeks, 4 * 600 / (180 + 80));
    w.task(e).taskSubtype = kWorkUpgrade;
    EXPECT_EQ(taskEstimate(w.g, w.task(e), EstimateView::Panel).weeks, 4 * 600 / 180);
    w.task(e).taskSubtype = kWorkEngineSupport;
    w.task(e).workTotal = 52;
    w.task(e).progress = 12;
    EXPECT_EQ(taskEstimate(w.g, w.task(e), EstimateView::List).weeks, 4 * 40 / (4 * 2));
    EXPECT_EQ(taskEstimate(w.g, w.task(e), EstimateView::Panel).weeks, 40);
    w.task(e).taskSubtype = kWorkUpgrade;
    w.task(e).leader = 0;
    w.task(e).staff[1] = 0;
    EXPECT_EQ(taskEstimate(w.g, w.task(e), EstimateView::Panel).text(), "Infinte");

    // A platform: hardware above 15 helps, below 15 holds it back.
    const int pf = createTask(w.g, "New platform", kTaskPlatform, kWorkNew, 1, 0, 5000);
    w.person(1).hardware = 40;
    w.task(pf).staff[1] = 2;
    w.person(2).hardware = 10;
    w.task(pf).progress = 1000;
    EXPECT_EQ(taskEstimate(w.g, w.task(pf), EstimateView::Panel).weeks, 4 * 4000 / (4 * (25 - 5)));
    w.person(1).hardware = 15;
    EXPECT_EQ(taskEstimate(w.g, w.task(pf), EstimateView::Panel).text(), "Infinte");

    const int cr = createTask(w.g, "Cut cost", kTaskPlatform, kWorkCostReduction, 1, 0, 7);
    EXPECT_EQ(taskEstimate(w.g, w.task(cr), EstimateView::Panel).weeks, 7);

    const int st = createTask(w.g, "Study", kTaskStudy, kStudyLeadership, 3, 0, 100);
    w.person(3).talentLeadership = 50;
    w.task(st).progress = 40;
    EXPECT_EQ(taskEstimate(w.g, w.task(st), EstimateView::Panel).weeks, 3);
    w.task(st).progress = 100;
    EXPECT_EQ(taskEstimate(w.g, w.task(st), EstimateView::Panel).text(), "Infinte");

    const int b = createTask(w.g, "Warehouse", kTaskWarehouse, kWorkConstruction, 0, 0, 5000);
    w.task(b).progress = 1000;
    EXPECT_EQ(taskEstimate(w.g, w.task(b), EstimateView::Panel).weeks, 39);
    w.task(b).progress = 5200;  // past the end: never negative
    EXPECT_EQ(taskEstimate(w.g, w.task(b), EstimateView::Panel).text(), "0");
}

}  // namespace
}  // namespace cw
