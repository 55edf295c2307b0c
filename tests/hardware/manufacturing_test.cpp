// The factory: production up to the warehouse's capacity, the screens'
// figures, the lines' upgrade, the hardware bugs and their recall, and the
// cost-reduction project's start.
#include "hardware/manufacturing.h"

#include <gtest/gtest.h>

#include "fakes/recording_player.h"
#include "hardware/warehouse.h"
#include "hardware_world.h"
#include "state/game.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {
namespace {

// A company with a level-1 factory (room for 10,000) and its console "Orbit"
// (platform 3, product 2) on sale.
void consoleWorld(Game& g) {
    g.currentYear = 1995;
    g.currentWeek = 10;
    World& w = g.world();
    w.factoryLevel = 1;
    w.lineOutputLevel = 1;
    w.gameLevel = 2;
    w.money = 5000000;
    Platform& pf = test::putPlatform(g, 3, "Orbit", 900, 199);
    pf.playerOwned = 1;
    pf.productionCost = 120;
    pf.soldUnits = 10000;
    pf.opinion = 60;
    pf.marketShare = 30;
    w.platformsImage = 90;
    w.products[2] = ProductEntry{3, 0, 0, ProductPlatform, 0, 1, {}};
    w.products[1] = ProductEntry{1995, 1, 0, ProductGame, 0, 1, {}};
}

TEST(FactoryProduction, FillsTheWarehouseToItsCapacityAndNoFurther) {
    Game g;
    consoleWorld(g);
    g.session.inboxOptions.mailOnProductionStop = true;
    test::RecordingPlayer p;
    ASSERT_FALSE(setAssemblyLines(g, 3, 2));
    factoryProduction(g, p);
    // Line 1 builds its 1,300; line 2 only the 1,200 that still fit; line 3
    // finds the warehouse full and the letter ends the run.
    EXPECT_EQ(stockOf(g, 3, 0, ProductPlatform), 2500);
    EXPECT_EQ(freeStorage(g), 0);
    const i32 spent = 2 * kLineWeeklyCost + 2500 * 120;
    EXPECT_EQ(g.world().money, 5000000 - spent);
    EXPECT_EQ(g.world().yearlyDevelopmentCost[1995], spent);
    EXPECT_EQ(g.tables().platforms[3].productionSpending, 2500 * 120);
    ASSERT_EQ(p.only("letter").size(), 1u);
    EXPECT_EQ(p.only("letter")[0].a, "Production stopped !");
    EXPECT_EQ(p.only("letter")[0].b, "Your storage space is full.\r\nUpgrade your warehouse to get more storage space");

    // Full: nothing more is built or paid, week after week.
    factoryProduction(g, p);
    EXPECT_EQ(stockOf(g, 3, 0, ProductPlatform), 2500);
    EXPECT_EQ(g.world().money, 5000000 - spent);
    EXPECT_EQ(p.only("letter").size(), 2u);
    // Without the option the run goes on silently.
    g.session.inboxOptions.mailOnProductionStop = false;
    factoryProduction(g, p);
    EXPECT_EQ(p.only("letter").size(), 2u);

    // Sold out: the entry is freed at the week's end.
    removeStock(g, 3, 0, ProductPlatform, 2500);
    clearEmptyEntries(g);
    EXPECT_EQ(g.world().storageEntries[1].itemKey, 0);
    EXPECT_EQ(g.world().storageEntries[1].itemKind, 0);
}

TEST(FactoryProduction, OutputByLevelAndTheScreensFigures) {
    Game g;
    consoleWorld(g);
    g.world().factoryLevel = 2;
    g.world().lineOutputLevel = 3;
    EXPECT_EQ(lineOutput(g), 2300);
    assignLine(g, 2, 2);
    assignLine(g, 5, 2);
    const AssemblyScreen s = openAssemblyScreen(g);
    EXPECT_EQ(s.lines.size(), 6u);
    EXPECT_EQ(s.totalOutput, 6 * 2300);
    EXPECT_EQ(s.lineLoad, 200);
    EXPECT_EQ(s.lines[0].label, "Assign Product");
    EXPECT_EQ(s.lines[1].label, "Orbit");
    ASSERT_EQ(s.products.size(), 1u);  // the game is no console
    EXPECT_EQ(s.products[0].text, "Orbit   (Stock : 0)");
    EXPECT_EQ(s.storageText, "20000/20000");
    EXPECT_FALSE(s.upgradeEnabled);
    g.world().factoryLevel = 3;
    EXPECT_EQ(openAssemblyScreen(g).lines.size(), 9u);

    // The refusals of a line, in order.
    Game none;
    consoleWorld(none);
    none.world().factoryLevel = 0;
    EXPECT_EQ(assignLine(none, 1, 2)->text, "You have no factory");
    EXPECT_EQ(assignLine(g, 10, 2)->text, "The factory has assembly lines 1 to 9 only");
    EXPECT_EQ(assignLine(g, 1, 1)->text, "Product 1 is not one of your platforms");
    EXPECT_EQ(setAssemblyLines(g, 10, 2)->text, "The factory has 9 assembly lines");
    EXPECT_FALSE(stopLine(g, 2));
    EXPECT_EQ(g.world().assemblyLines[2].linePlatform, 0);

    // The storage screen lists consoles and leaves a game's row blank.
    addStock(g, 3, 0, ProductPlatform, 1000);
    addStock(g, 1995, 1, ProductGame, 500);
    const StorageScreen st = storageScreen(g);
    EXPECT_EQ(st.freeSpace, 30000 - 4500);
    ASSERT_EQ(st.rows.size(), 2u);
    EXPECT_EQ(st.rows[0].item, "Orbit");
    EXPECT_EQ(st.rows[0].stock, 1000);
    EXPECT_EQ(st.rows[1].item, "");
}

TEST(UpgradeAssemblyLines, RefusesInOrderThenPaysAndRaisesTheLevel) {
    Game g;
    consoleWorld(g);
    test::RecordingPlayer p;
    g.world().factoryLevel = 0;
    EXPECT_EQ(upgradeAssemblyLines(g, p)->text, "You have no factory");
    g.world().factoryLevel = 1;
    g.world().lineOutputLevel = 3;
    EXPECT_EQ(upgradeAssemblyLines(g, p)->text, "The assembly lines already run at the highest output level");
    EXPECT_TRUE(p.calls.empty());  // nothing is asked at the top level

    g.world().lineOutputLevel = 1;
    p.buttonAnswers = {false};
    ASSERT_TRUE(upgradeAssemblyLines(g, p));
    EXPECT_EQ(p.calls[0].a, "Upgrade Factory lines");
    EXPECT_EQ(p.calls[0].b,
              "Do you want to upgrade factory lines output level ?\r\nUpgrading from level 1 To level 2\r\n"
              "It will cost you : $2000000");
    g.world().money = 1500000;
    EXPECT_EQ(upgradeAssemblyLines(g, p)->text, "You do not have enough money. You are missing -500000");
    EXPECT_EQ(p.only("notify").back().number, 2000);
    EXPECT_EQ(g.world().lineOutputLevel, 1);

    g.world().money = 3500000;
    EXPECT_FALSE(upgradeAssemblyLines(g, p));
    EXPECT_EQ(g.world().lineOutputLevel, 2);
    EXPECT_EQ(g.world().money, 1500000);
    EXPECT_EQ(lineUpgradePrice(g), 3000000);
}

// A seed whose first draw of random(100) + 1 lies in [low, high].
void seedFor(Game& g, int low, int high) {
    for (std::uint32_t seed = 1;; ++seed) {
        Random probe;
        probe.seed = seed;
        const int r = probe.randomInt(100) + 1;
        if (r >= low && r <= high) {
            g.rng.seed = seed;
            return;
        }
    }
}

TEST(PlatformBugCheck, AFatalBugOffersTheRecallAndYesPaysIt) {
    Game g;
    consoleWorld(g);
    test::RecordingPlayer p;
    seedFor(g, 90, 99);  // 96 - 3 x gameLevel 2 = 90
    platformBugCheck(g, p);
    ASSERT_EQ(p.only("dialog").size(), 1u);
    EXPECT_EQ(p.calls[0].a, "Platform Bug!");
    EXPECT_EQ(p.calls[0].b,
              "A fatal bug has been Discovedered on platform Orbit.\r\nYou need to recall and fix all 10000 units\r\n"
              "This oparation will cost you 20000\r\nIf you do not fix the units your future sales might suffer.\r\n"
              "Do you want to correct this problem ?\r\n");
    EXPECT_EQ(g.world().money, 5000000 - 20000);
    EXPECT_EQ(g.world().yearlyDevelopmentCost[1995], 0);  // a recall is in no statistic
    const int cooldown = g.tables().platforms[3].bugCooldown;
    EXPECT_GE(cooldown, 20);
    EXPECT_LE(cooldown, 27);
    // The cooldown counts down and no bug can appear meanwhile.
    platformBugCheck(g, p);
    EXPECT_EQ(g.tables().platforms[3].bugCooldown, cooldown - 1);
    EXPECT_EQ(p.only("dialog").size(), 1u);
}

TEST(PlatformBugCheck, AnErrorRefusedCutsOpinionShareAndImage) {
    Game g;
    consoleWorld(g);
    test::RecordingPlayer p;
    p.buttonAnswers = {false};
    seedFor(g, 40, 69);  // 60 - 10 x gameLevel 2 = 40
    platformBugCheck(g, p);
    ASSERT_EQ(p.only("dialog").size(), 1u);
    EXPECT_EQ(p.calls[0].b,
              "An error has been Discovedered in your platform Orbit.\r\nYou need to fix some of the sold units\r\n"
              "This oparation will cost you 10000\r\nIf you do not fix the units your future sales might suffer.\r\n"
              "Do you want to correct this problem ?\r\n");
    EXPECT_EQ(g.world().money, 5000000);
    EXPECT_EQ(g.tables().platforms[3].opinion, 30);
    EXPECT_EQ(g.tables().platforms[3].marketShare, 15);
    EXPECT_EQ(g.world().platformsImage, 45);
}

TEST(PlatformBugCheck, NoBugBelowRating800OrAfterAYearOrForOthers) {
    for (const int variant : {0, 1, 2}) {
        Game g;
        consoleWorld(g);
        test::RecordingPlayer p;
        Platform& pf = g.tables().platforms[3];
        if (variant == 0) pf.cpuSpec = 799;
        if (variant == 1) pf.weeksOnMarket = 53;
        if (variant == 2) pf.playerOwned = 0;
        seedFor(g, 90, 99);
        const std::uint32_t before = g.rng.seed;
        platformBugCheck(g, p);
        EXPECT_TRUE(p.calls.empty()) << variant;
        // A console rated too low still takes its draw; the others none.
        Random probe;
        probe.seed = before;
        if (variant == 0) probe.randomInt(100);
        EXPECT_EQ(g.rng.seed, probe.seed) << variant;
    }
}

TEST(CostReduction, RefusesInOrderAndCreatesTheTask) {
    Game g;
    consoleWorld(g);
    Person& ann = g.tables().people[7];
    ann.name = "Ann Hale";
    ann.employed = 1;
    ann.currentTask = -1;
    test::RecordingPlayer p;
    EXPECT_EQ(startCostReduction(g, p, 1)->text, "Product 1 is not one of your platforms");
    p.buttonAnswers = {false};
    const ActionResult no = startCostReduction(g, p, 2);
    ASSERT_TRUE(no);
    EXPECT_EQ(no->caption, "Task : Lower production cost");
    EXPECT_EQ(no->text, "Would you like to try and lower the production cost of Orbit");
    // A cancelled dialog refuses once and leaves the next one whole.
    p.newTaskAmounts = {-1, 30};
    EXPECT_EQ(startCostReduction(g, p, 2)->text, "No team leader was chosen");
    p.staffPicks = {7};
    int task = 0;
    ASSERT_FALSE(startCostReduction(g, p, 2, &task));
    const auto dialogs = p.only("newTask");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].a, "Cost reduction of : Orbit");
    EXPECT_EQ(dialogs[1].b, "Weeks");
    ASSERT_GT(task, 0);
    const Task& t = g.tables().tasks[task];
    EXPECT_EQ(t.name.str(), "Cost Orbit");
    EXPECT_EQ(t.taskType, kTaskPlatform);
    EXPECT_EQ(t.taskSubtype, kWorkCostReduction);
    EXPECT_EQ(t.leader, 7);
    EXPECT_EQ(t.productSlot, 2);
    EXPECT_EQ(t.workTotal, 30);
    EXPECT_EQ(g.tables().people[7].currentTask, task);
}

TEST(NewTaskDialog, StartsAtFourAndKeepsTheNumberInRange) {
    Game g;
    NewTaskDialog d(g, "Cost reduction of : Orbit", "Weeks");
    EXPECT_EQ(d.amount(), 4);
    EXPECT_EQ(d.leaderText(), "None");
    EXPECT_FALSE(d.okEnabled());
    d.setAmount(1000);
    EXPECT_EQ(d.amount(), 250);
    d.setAmount(0);
    EXPECT_EQ(d.amount(), 4);
    d.pressOk();
    EXPECT_FALSE(d.accepted());  // no leader: OK was never possible
}

}  // namespace
}  // namespace cw
