// Buildings and facilities: prices, the refusals of a construction in their
// order, speeding up and cancelling, the facilities and their labels, the
// negotiation department, and a finished office that makes room for a
// sixth person.
#include "finance/buildings.h"

#include <gtest/gtest.h>

#include "finance/finance_world.h"
#include "people/hiring.h"
#include "people/labour_market.h"
#include "sim/task_progress.h"
#include "state/tasks.h"

namespace cw {
namespace {

using test::FinanceWorld;

struct BuildingsWorld : FinanceWorld {
    BuildingsWorld(int level = 1) {
        w().gameLevel = static_cast<u8>(level);
        g.session.buildingBasePrice = 200000 * level;
    }
    Task& task(int i) { return g.tables().tasks[i]; }
};

TEST(BuildingPrices, FollowTheLevelAndTheGameLevel) {
    BuildingsWorld f(2);
    EXPECT_EQ(buildingPrice(f.g, Building::Office), 1600000);
    EXPECT_EQ(buildingPrice(f.g, Building::Headquarters), 6000000);
    EXPECT_EQ(buildingPrice(f.g, Building::Warehouse), 800000);
    EXPECT_EQ(buildingPrice(f.g, Building::Factory), 4800000);
    f.w().extraOffices = 3;
    f.w().warehouseLevel = 2;
    EXPECT_EQ(buildingPrice(f.g, Building::Office), 400000 * 2 * 5);
    EXPECT_EQ(buildingPrice(f.g, Building::Warehouse), 400000 * 4);
}

TEST(BuildingPrices, CanAffordGivesTheNegativeShortfall) {
    BuildingsWorld f;
    f.w().money = 100;
    EXPECT_TRUE(canAfford(f.g, 100).ok);
    const Affordability a = canAfford(f.g, 350);
    EXPECT_FALSE(a.ok);
    EXPECT_EQ(a.shortfall, -250);
}

TEST(Construction, RefusalsInOrderAndNothingPaidAtTheStart) {
    BuildingsWorld f;
    f.w().money = 799999;  // an office costs 800,000
    EXPECT_EQ(startConstruction(f.g, f.p, Building::Office),
              (Refusal{"Not enough funds", "Not enough funds.\r\nMissing : -1$"}));
    EXPECT_EQ(f.p.only("notify").back().number, 2000);

    f.w().money = 800000;
    f.p.buttonAnswers = {false};
    ASSERT_TRUE(startConstruction(f.g, f.p, Building::Office).has_value());
    EXPECT_EQ(f.p.calls.back().a, "Construction");
    EXPECT_EQ(f.p.calls.back().b, "Start Construction. Construction Cost 800000$");
    EXPECT_TRUE(f.task(1).name.empty());

    EXPECT_FALSE(startConstruction(f.g, f.p, Building::Office).has_value());
    EXPECT_EQ(f.task(1).name.str(), "*Build* Office");
    EXPECT_EQ(f.task(1).taskType, kTaskExtraOffice);
    EXPECT_EQ(f.task(1).taskSubtype, kWorkConstruction);
    EXPECT_EQ(f.task(1).workTotal, 6000);
    EXPECT_EQ(f.task(1).spent, 800000);
    EXPECT_EQ(f.w().money, 800000);
    EXPECT_EQ(f.p.calls.back().b, "Funds ok.\r\nConstruction started");

    // Already building comes before the funds.
    f.w().money = 0;
    EXPECT_EQ(startConstruction(f.g, f.p, Building::Office),
              (Refusal{"Building already in progress", "Construction already in progress on this building"}));
    const BuildingsPanel panel = refreshBuildingsPanel(f.g);
    EXPECT_EQ(panel.buildings[1].lines[0], "No building");
    EXPECT_EQ(panel.buildings[1].lines[1], "Build Cost : 800000");
    EXPECT_EQ(panel.buildings[1].constructionPercent, 0);
}

TEST(Construction, AFinishedOfficeMakesRoomForASixthPerson) {
    BuildingsWorld f;
    f.w().money = 5000000;
    for (int i = 1; i <= 6; ++i) {
        Person& p = f.g.tables().people[i];
        p.name = "Person," + std::to_string(i);
        p.workArea = 1;
        p.overallRating = 1;
        p.labourMarketYear = 1980;
        p.employed = i <= 5;
    }
    HiringScreen screen(f.g);
    screen.setPersonOfInterest(6);
    EXPECT_EQ(screen.hire(f.p)->caption, "Office space");

    ASSERT_FALSE(startConstruction(f.g, f.p, Building::Office).has_value());
    int weeks = 0;
    while (!f.task(1).name.empty() && weeks < 100) {
        advanceTasks(f.g, f.p);
        ++weeks;
    }
    EXPECT_GE(weeks, 6000 / 116);
    EXPECT_LE(weeks, 6000 / 84 + 1);
    EXPECT_EQ(f.w().extraOffices, 1);
    EXPECT_EQ(f.w().money, 5000000 - 800000);
    EXPECT_EQ(f.w().yearlyBuildingCost[1985], 800000);
    EXPECT_EQ(officeCapacity(f.g), 15);
    const ActionResult r = screen.hire(f.p);
    EXPECT_TRUE(!r || r->caption != "Office space");
    const BuildingsPanel panel = refreshBuildingsPanel(f.g);
    EXPECT_EQ(panel.buildings[1].lines[0], "Current Level   : 1");
    EXPECT_EQ(panel.buildings[1].lines[1], "Cost next Level : 1200000");
    EXPECT_FALSE(panel.buildings[1].buildEnabled);
    EXPECT_TRUE(panel.buildings[1].upgradeEnabled);
    EXPECT_EQ(panel.officePlaces, 15);
}

TEST(Construction, SpeedUpWithNoWeeksLeftIsFreeAndStillHelps) {
    BuildingsWorld f;
    f.w().money = 1000000;
    ASSERT_FALSE(startConstruction(f.g, f.p, Building::Warehouse).has_value());
    Task& t = f.task(1);
    EXPECT_EQ(t.spent, 400000);
    // Less than 101 left: no whole week, nothing to pay.
    t.workTotal = 3000;
    t.progress = 2950;
    EXPECT_EQ(speedUpCost(t), 0);
    EXPECT_FALSE(speedUpBuilding(f.g, f.p, 1).has_value());
    EXPECT_EQ(f.p.calls.back().b, "Do you which to speed up the building project *Build* Warehouse\r\nIt will cost you 0$");
    EXPECT_GE(t.progress, 2950 + 1500);
    EXPECT_LT(t.progress, 2950 + 1900);
    EXPECT_EQ(t.spent, 400000);
    // Past 4000 the entry is gone.
    EXPECT_FALSE(taskMenu(f.g, 1).speedUp);
    EXPECT_TRUE(speedUpBuilding(f.g, f.p, 1).has_value());
}

TEST(Construction, CancellingASpedUpWarehouseCostsATenth) {
    BuildingsWorld f;
    f.w().money = 1000000;
    ASSERT_FALSE(startConstruction(f.g, f.p, Building::Warehouse).has_value());
    Task& t = f.task(1);
    // 7000 − 1950 = 5050 → 50 weeks × 4000 = 200,000 for the speed-up.
    t.progress = 1950;
    EXPECT_EQ(speedUpCost(t), 200000);
    t.progress = 0;
    t.spent = 420000;  // 400,000 and one speed-up of 20,000
    EXPECT_TRUE(taskMenu(f.g, 1).cancel);
    f.p.buttonAnswers = {false};
    EXPECT_TRUE(cancelProject(f.g, f.p, 1).has_value());
    EXPECT_EQ(f.p.calls.back().a, "Cancel project ?");
    EXPECT_EQ(f.p.calls.back().b,
              "Do you which to cancel the building project *Build* WarehouseIt will cost you 42000$ for the work "
              "allready done by the construction company");
    EXPECT_EQ(f.w().money, 1000000);
    EXPECT_FALSE(cancelProject(f.g, f.p, 1).has_value());
    EXPECT_EQ(f.w().money, 958000);
    EXPECT_EQ(f.w().yearlyBuildingCost[1985], 42000);
    EXPECT_EQ(f.w().warehouseLevel, 0);
    EXPECT_TRUE(f.task(1).name.empty());

    // Past 1000 of progress the builders cannot be stopped.
    ASSERT_FALSE(startConstruction(f.g, f.p, Building::Warehouse).has_value());
    f.task(1).progress = 1001;
    EXPECT_FALSE(taskMenu(f.g, 1).cancel);
    EXPECT_TRUE(cancelProject(f.g, f.p, 1).has_value());
    EXPECT_FALSE(f.task(1).name.empty());
}

TEST(Construction, CancellingAnyOtherTaskAsksByName) {
    BuildingsWorld f;
    const int ti = createTask(f.g, "Game Rocket", kTaskGame, 0, 0, 0, 5000);
    f.task(ti).progress = 4000;
    EXPECT_TRUE(taskMenu(f.g, ti).cancel);
    EXPECT_FALSE(taskMenu(f.g, ti).speedUp);
    EXPECT_TRUE(speedUpBuilding(f.g, f.p, ti).has_value());
    EXPECT_FALSE(cancelProject(f.g, f.p, ti).has_value());
    EXPECT_EQ(f.p.only("message").back().b, "Are you sure you want to Cancel project : Game Rocket");
    EXPECT_TRUE(f.task(ti).name.empty());
    EXPECT_EQ(f.w().money, 500000);
    EXPECT_TRUE(cancelProject(f.g, f.p, ti).has_value());

    // A game of that name is no building site.
    createTask(f.g, "Game *Build* Office", kTaskGame, 0, 0, 0, 5000);
    f.w().money = 800000;
    EXPECT_FALSE(startConstruction(f.g, f.p, Building::Office).has_value());
}

TEST(Facilities, ExactlyThePriceLeavesNothingAndTheLabelMovesOn) {
    BuildingsWorld f;
    f.w().money = 250000;
    EXPECT_EQ(refreshBuildingsPanel(f.g).facilities[0].label, "Setup Game testcenter : 250000$");
    EXPECT_FALSE(setupFacility(f.g, f.p, Facility::GameTestCenter).has_value());
    EXPECT_EQ(f.p.calls[0].a, "Setup testcenter");
    EXPECT_EQ(f.p.calls[0].b, "Are you sure you will setup a test center ?");
    EXPECT_EQ(f.w().money, 0);
    EXPECT_EQ(f.w().gameTestCenterLevel, 1);
    EXPECT_EQ(f.g.world().yearlyBuildingCost[1985], 0);
    EXPECT_EQ(refreshBuildingsPanel(f.g).facilities[0].label, "Level 1-Upgrade game testcenter : 500000$");

    EXPECT_EQ(setupFacility(f.g, f.p, Facility::SoundStudio),
              (Refusal{"Not enough funds", "You are missing -250000$"}));
    EXPECT_EQ(f.p.calls.back().number, 3000);
    f.w().money = 5000000;
    f.p.buttonAnswers = {false};
    EXPECT_TRUE(setupFacility(f.g, f.p, Facility::SoundStudio).has_value());
    EXPECT_EQ(f.w().soundStudioLevel, 0);
    f.w().packagingCentralLevel = 4;
    const BuildingsPanel panel = refreshBuildingsPanel(f.g);
    EXPECT_EQ(panel.facilities[3].label, "Advanced Packaging central has been setup");
    EXPECT_FALSE(panel.facilities[3].setupEnabled);
    EXPECT_EQ(panel.facilities[2].label, "Setup Hardware testcenter : 500000$");
    EXPECT_TRUE(setupFacility(f.g, f.p, Facility::PackagingCentral).has_value());
    EXPECT_EQ(f.w().packagingCentralLevel, 4);
}

TEST(Facilities, NegotiationDepartmentCostsAgainAfterClosing) {
    BuildingsWorld f;
    f.w().money = 50000;  // no funds check: the debt rules take over
    EXPECT_FALSE(openNegotiationDept(f.g, f.p).has_value());
    EXPECT_EQ(f.w().money, -50000);
    EXPECT_FALSE(refreshBuildingsPanel(f.g).negotiationSetupEnabled);
    EXPECT_TRUE(refreshBuildingsPanel(f.g).negotiationCloseEnabled);
    EXPECT_FALSE(closeNegotiationDept(f.g, f.p).has_value());
    EXPECT_EQ(f.w().publisherNegotiationDept, 0);
    EXPECT_EQ(f.w().money, -50000);
    EXPECT_FALSE(openNegotiationDept(f.g, f.p).has_value());
    EXPECT_EQ(f.w().money, -150000);
    EXPECT_EQ(f.p.calls[1].b, "Are you sure you will close your Publisher negotiation department ?");
}

TEST(Construction, TheTopLevelOffersNoButton) {
    BuildingsWorld f;
    f.w().headquartersLevel = 3;
    f.w().money = 100000000;
    const BuildingsPanel panel = refreshBuildingsPanel(f.g);
    EXPECT_EQ(panel.buildings[0].lines[0], "Current Level   : 3");
    EXPECT_EQ(panel.buildings[0].lines[1], "Cost next Level : 5000000");
    EXPECT_FALSE(panel.buildings[0].buildEnabled);
    EXPECT_FALSE(panel.buildings[0].upgradeEnabled);
    EXPECT_TRUE(startConstruction(f.g, f.p, Building::Headquarters).has_value());
    EXPECT_TRUE(f.p.calls.empty());
}

}  // namespace
}  // namespace cw
