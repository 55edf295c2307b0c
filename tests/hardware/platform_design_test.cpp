// The player's own console: the design estimate and rating, the refusals of
// "Start project" in their order, the new task and its draws, and a design
// that is developed, finished and released as the player's own platform.
#include "hardware/platform_design.h"

#include <gtest/gtest.h>

#include "dev/product_finish.h"
#include "dev/release.h"
#include "fakes/recording_player.h"
#include "hardware/hardware_world.h"
#include "sim/task_progress.h"
#include "sim/week_tick.h"
#include "state/tasks.h"

namespace cw {
namespace {

class PlatformDesignTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    NewPlatformScreen screen{g};

    PlatformDesignTest() {
        World& w = g.world();
        w.bestCpuSpeed = 1000;
        w.bestGpuSpeed = 600;
        w.bestSpuSpeed = 400;
        w.factoryLevel = 1;
        w.gameLevel = 2;
        test::putCpu(g, 1, "Slow CPU", 1, 400, 200, true);
        test::putCpu(g, 2, "Side CPU", 1, 300, 100, true);
        test::putCpu(g, 3, "Fast CPU", 1, 1000, 1000, true);
        test::putCpu(g, 4, "Future CPU", 1, 2000, 900, false);
        test::putCpu(g, 5, "Pixel", 2, 600, 300, true);
        test::putCpu(g, 6, "Beeper", 4, 400, 100, true);
        test::putPlatform(g, 1, "Zed", 700, 200);
        screen.open();
    }

    int hire(int slot, int hardware) {
        Person& x = g.tables().people[slot];
        x.name = "Hal " + std::to_string(slot);
        x.employed = 1;
        x.hardware = static_cast<u8>(hardware);
        x.currentTask = 0;
        return slot;
    }
};

TEST_F(PlatformDesignTest, TheScreenOffersTheAnnouncedProcessorsAndTheYearsMemory) {
    ASSERT_EQ(screen.cpus().size(), 4u);  // "None" and three announced CPUs
    EXPECT_EQ(screen.cpus()[0].name, "None");
    EXPECT_EQ(screen.cpus()[1].name, "Slow CPU (400)");
    EXPECT_EQ(screen.cpus()[1].text, "Slow CPU (400)" + std::string(38, ' ') + ";1");
    EXPECT_EQ(screen.gpus().size(), 2u);
    EXPECT_EQ(screen.spus().size(), 2u);
    EXPECT_FALSE(screen.chooseMainCpu(4));  // not on the market yet
    EXPECT_FALSE(screen.chooseMainCpu(5));  // a graphics chip
    EXPECT_EQ(screen.memory(), (std::vector<std::string>{"2 KB", "4 KB", "8 KB"}));
    EXPECT_EQ(screen.design().ramChoice, 1);
    g.currentYear = 1990;
    screen.open();
    EXPECT_EQ(screen.memory(), (std::vector<std::string>{"512 KB", "1 MB", "2 MB"}));
    g.currentYear = 2005;
    EXPECT_EQ(memorySizeText(g, 0), "508 MB");  // 521,000 KB
    EXPECT_EQ(memorySizeText(g, 2), "2 GB");
    // The second CPU needs a main one and goes when the main one does.
    EXPECT_FALSE(screen.chooseSecondCpu(2));
    ASSERT_TRUE(screen.chooseMainCpu(1));
    ASSERT_TRUE(screen.chooseSecondCpu(2));
    ASSERT_TRUE(screen.chooseMainCpu(0));
    EXPECT_EQ(screen.design().secondCpu, 0);
    EXPECT_FALSE(screen.secondCpuEnabled());
}

TEST_F(PlatformDesignTest, EstimateAndRatingAtTheirEdges) {
    // No parts but memory: the base cost, and half the best CPU less the
    // memory's division (500 - 500/3 = 334 of 2000).
    PlatformDesign d;
    d.ramChoice = 0;
    EXPECT_EQ(designEstimate(g, d).cost, 200);
    EXPECT_EQ(designEstimate(g, d).spec, 167);
    g.world().packagingCentralLevel = 2;
    EXPECT_EQ(designEstimate(g, d).cost, 170);
    g.world().packagingCentralLevel = 0;

    // The second CPU: half its speed, its full price.
    d = PlatformDesign{};
    d.mainCpu = 1;
    d.secondCpu = 2;
    EXPECT_EQ(designEstimate(g, d).cost, 300 - 3 * 15 + 200);
    EXPECT_EQ(designEstimate(g, d).spec, 525);  // (500 + 400 + 150) of 2000
    d.bundleController = d.bundleGame = true;
    EXPECT_EQ(designEstimate(g, d).cost, 455 + 30);

    // Nothing to measure against: no rating.
    g.world().bestCpuSpeed = g.world().bestGpuSpeed = g.world().bestSpuSpeed = 0;
    EXPECT_EQ(designEstimate(g, d).spec, 0);

    EXPECT_TRUE(complexityAllowed(899, 0));
    EXPECT_FALSE(complexityAllowed(900, 49));
    EXPECT_TRUE(complexityAllowed(900, 50));
    EXPECT_FALSE(complexityAllowed(1000, 59));
    EXPECT_FALSE(complexityAllowed(1050, 69));
    EXPECT_TRUE(complexityAllowed(1199, 80));
    EXPECT_FALSE(complexityAllowed(1200, 89));
    EXPECT_TRUE(complexityAllowed(1200, 90));
}

TEST_F(PlatformDesignTest, TheFirstMemoryChoiceCostsInTheEstimateButNotInTheWeeklyCost) {
    ASSERT_TRUE(screen.chooseMainCpu(3));
    ASSERT_TRUE(screen.chooseMemory(0));
    // 1000 + 10 % = 1100, less 11 x 15, plus 200.
    EXPECT_EQ(screen.designCost(), 1135);
    EXPECT_EQ(screen.costText(), "Approx. per unit : 1135$");
    screen.setName("Box");
    ASSERT_TRUE(screen.setLeader(hire(10, 90)) == std::nullopt);
    ASSERT_EQ(screen.startProject(p), std::nullopt);
    const int ti = screen.createdTask();
    EXPECT_EQ(g.tables().tasks[ti].platform.productionCost, 1135);
    EXPECT_EQ(developmentProductionCost(g, ti), 1000 - 10 * 15 + 200);
    // The processors get cheaper and the team finds savings.
    g.tables().cpus[3].price = 500;
    g.tables().tasks[ti].platform.costReduction = 20;
    EXPECT_EQ(developmentProductionCost(g, ti), 500 - 5 * 15 + 200 - 20);
}

TEST_F(PlatformDesignTest, StartProjectRefusesInOrder) {
    auto refusal = [&] {
        const ActionResult r = screen.startProject(p);
        return r ? r->caption : std::string();
    };
    EXPECT_EQ(refusal(), "Choose a CPU");
    EXPECT_EQ(p.calls.back().number, 4000);
    ASSERT_TRUE(screen.chooseMainCpu(3));
    ASSERT_TRUE(screen.chooseGpu(5));
    ASSERT_TRUE(screen.chooseSpu(6));
    EXPECT_EQ(refusal(), "Platform name");  // still "New Platform"
    screen.setName("zED");
    EXPECT_EQ(refusal(), "Platform name");
    screen.setName("");
    EXPECT_EQ(refusal(), "Platform name");
    screen.setName("Box");
    EXPECT_EQ(refusal(), "No Team Manager choosen");
    EXPECT_EQ(p.calls.back().number, 7000);
    ASSERT_GE(screen.designSpec(), 900);
    ASSERT_LT(screen.designSpec(), 1000);
    ASSERT_EQ(screen.setLeader(hire(10, 49)), std::nullopt);
    EXPECT_EQ(refusal(), "Platform complexity");
    EXPECT_EQ(p.calls.back().b,
              "The platform Complexity is to high for the current Team Leader.\r\nEither choose lower tech "
              "CPU/GPU/SPU or choose a Team leader with better Hardware Knowledge.\r\nYou can choose an other team "
              "manager by pressing the \"Find\" button located just below the Platform name");
    EXPECT_EQ(screen.createdTask(), 0);
    EXPECT_TRUE(g.tables().tasks[1].name.empty());
    // A leader busy elsewhere is no leader.
    ASSERT_EQ(screen.setLeader(hire(11, 50)), std::nullopt);
    g.tables().people[11].currentTask = 7;
    EXPECT_EQ(refusal(), "No Team Manager choosen");
    g.tables().people[11].currentTask = 0;
    ASSERT_EQ(screen.setLeader(11), std::nullopt);
    EXPECT_EQ(refusal(), "");
}

TEST_F(PlatformDesignTest, TheNewTaskCarriesTheConsoleWithItsDraws) {
    ASSERT_TRUE(screen.chooseMainCpu(1));
    ASSERT_TRUE(screen.chooseGpu(5));
    screen.setBundleController(true);
    screen.setBundleGame(true);
    screen.setName("Home Box With A Rather Long Name");
    const int leader = hire(10, 60);
    ASSERT_EQ(screen.setLeader(leader), std::nullopt);
    g.session.referenceGameRows = 120;  // one halving
    Random r = g.rng;
    p.buttonAnswers = {false};  // no employees now
    ASSERT_EQ(screen.startProject(p), std::nullopt);

    const int ti = screen.createdTask();
    ASSERT_EQ(ti, 1);
    const Task& t = g.tables().tasks[ti];
    EXPECT_EQ(t.name.str(), "New platform");
    EXPECT_EQ(t.taskType, kTaskPlatform);
    EXPECT_EQ(t.taskSubtype, kWorkNew);
    EXPECT_EQ(t.leader, leader);
    EXPECT_EQ(g.tables().people[leader].currentTask, ti);
    i32 work = 6000 + 4 * 2000;
    work += r.randomInt(500) + 1500;
    work += r.randomInt(250) + 500;
    work += 2 * 300;
    EXPECT_EQ(t.workTotal, work);
    const Platform& pf = t.platform;
    EXPECT_EQ(pf.name.str(), "Home Box With A Rather Lo");
    EXPECT_EQ(pf.mainCpu, 1);
    EXPECT_EQ(pf.gpu, 5);
    EXPECT_EQ(pf.ramChoice, 1);
    EXPECT_TRUE(pf.playerOwned);
    EXPECT_FALSE(pf.released);
    EXPECT_EQ(pf.platformKind, 1);
    EXPECT_EQ(pf.price, screen.designCost() + 300);
    EXPECT_EQ(pf.productionCost, screen.designCost());
    EXPECT_EQ(pf.cpuSpec, screen.designSpec());
    EXPECT_EQ(pf.overallIndex, 100 - pf.price / 5);
    EXPECT_EQ(pf.reserved_172[0], 100 - r.randomInt(50));
    EXPECT_EQ(pf.standingRank, 255);
    i32 share = (10 + pf.cpuSpec / 50) / 2;
    i32 opinion = 0;
    for (int bundle = 0; bundle < 2; ++bundle) {
        share += r.randomInt(4) + 2;
        opinion += r.randomInt(3) + 4;
    }
    EXPECT_EQ(pf.marketShare, share);
    EXPECT_EQ(pf.opinion, opinion);
    EXPECT_EQ(t.hype, share / 3 + opinion / 2);
    EXPECT_EQ(g.rng.seed, r.seed);  // no other draw

    const auto notes = p.only("notify");
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.back().a, "Assign Employees");
    EXPECT_EQ(notes.back().number, 9000);
    EXPECT_EQ(p.only("message").back().a, "Assign Employees");
}

TEST_F(PlatformDesignTest, ADesignedConsoleIsDevelopedFinishedAndReleasedAsThePlayersOwn) {
    ASSERT_TRUE(screen.chooseMainCpu(1));
    screen.setName("Home Box");
    const int leader = hire(10, 95);
    ASSERT_EQ(screen.setLeader(leader), std::nullopt);
    p.buttonAnswers = {false};
    ASSERT_EQ(screen.startProject(p), std::nullopt);
    const int ti = screen.createdTask();
    Task& t = g.tables().tasks[ti];

    // Only the team's hardware moves it: 80 a week from this leader.
    const i32 before = t.progress;
    staffWeek(g, p);
    EXPECT_EQ(t.progress - before, 95 - 15);
    t.progress = t.workTotal;
    p.calls.clear();
    advanceTasks(g, p);
    EXPECT_FALSE(p.only("screen").empty());
    EXPECT_EQ(p.only("screen").back().a, screenName(ScreenId::ProjectStatus));

    p.buttonAnswers = {true};  // "Finish product and move it to ready for release ?"
    const FinishOutcome done = finishProject(g, p, ti);
    ASSERT_TRUE(done.finished) << done.refusal;
    const Platform& own = g.tables().platforms[done.platform];
    EXPECT_EQ(own.name.str(), "Home Box");
    EXPECT_TRUE(own.playerOwned);
    EXPECT_TRUE(t.name.empty() || t.closedFlag);

    // Released without stock: the storage question is declined, the
    // release confirmed.
    p.buttonAnswers = {false, true};
    EXPECT_EQ(releaseProduct(g, p, done.product), "");
    EXPECT_TRUE(g.world().products[done.product].released);
    EXPECT_TRUE(own.launched);
    EXPECT_TRUE(own.playerOwned);
}

}  // namespace
}  // namespace cw
