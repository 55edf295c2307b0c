// The factory commands of the headless driver: the assembly screen and its
// lines, the upgrade's question, the storage screen and a cost-reduction
// project started with a team manager.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/driver.h"
#include "hardware/warehouse.h"
#include "hardware_world.h"
#include "state/shared_ops.h"

namespace cw::cli {
namespace {

class FactoryCliTest : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, "."};

    void SetUp() override {
        s.gameRunning = true;
        Game& g = *s.game;
        g.currentYear = 1995;
        World& w = g.world();
        w.factoryLevel = 1;
        w.lineOutputLevel = 1;
        w.money = 3000000;
        Platform& pf = test::putPlatform(g, 3, "Orbit", 900, 199);
        pf.playerOwned = 1;
        pf.productionCost = 120;
        pf.soldByRegion[1] = 700;
        pf.soldByRegion[3] = 50;
        w.products[2] = ProductEntry{3, 0, 0, ProductPlatform, 0, 1, {}};
        Person& ann = g.tables().people[7];
        ann.name = "Ann Hale";
        ann.employed = 1;
        ann.currentTask = -1;
    }
    std::string run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        EXPECT_EQ(runScript(s, in, "t"), 0) << out.str();
        return out.str();
    }
};

TEST_F(FactoryCliTest, AssemblyStorageUpgradeAndCostReduction) {
    EXPECT_EQ(run("assembly lines=2\n"),
              "assembly: done, cash 3000000\n"
              "TForm_factory_assembly: Factory Assembly\n"
              "  capacity: 3900 units a week, 1300 a line, line load 200\n"
              "  storage: 10000/10000\n"
              "  output level 1, Upgrade Assembly Lines: enabled ($2000000)\n"
              "  line 1: Orbit (running)\n"
              "  line 2: Orbit (running)\n"
              "  line 3: Assign Product\n"
              "  product 2: Orbit   (Stock : 0)\n");
    EXPECT_NE(run("assembly lines=4\n").find("assembly: not done: Factory Assembly | The factory has 3 assembly lines"),
              std::string::npos);

    addStock(*s.game, 3, 0, ProductPlatform, 1000);
    EXPECT_EQ(run("storage\n"), "TForm_storage: Storage\n  free 6000 of 10000\n  1: Orbit | 1000 units\n");
    const std::string product = run("product 2\n");
    EXPECT_NE(product.find("  units in stock: 1000\n  units sold: US 700, Europe 0, Asia 50\n  unit cost: 120\n"),
              std::string::npos)
        << product;

    const std::string no = run("answer no\nupgrade-lines\n");
    EXPECT_NE(no.find("upgrade-lines: not done: Upgrade Factory lines"), std::string::npos) << no;
    EXPECT_NE(run("upgrade-lines\n").find("output level 2, 1800 units a line a week"), std::string::npos);

    const std::string started = run("cost-reduction 2 manager=7 weeks=12\n");
    EXPECT_NE(started.find("[screen] TForm_newtask_dialog | Cost reduction of : Orbit | Weeks\n"), std::string::npos)
        << started;
    EXPECT_NE(started.find("[dialog] New project | leader Ann Hale, 12 Weeks -> OK\n"), std::string::npos) << started;
    EXPECT_NE(started.find("created: task 1 \"Cost Orbit\", 12 weeks\n"), std::string::npos) << started;
    // Ann leads that project now: the staff screen refuses her and the dialog cancels.
    const std::string busy = run("cost-reduction 2 manager=7\n");
    EXPECT_NE(busy.find("cost-reduction: not done: New project | No team leader was chosen"), std::string::npos)
        << busy;
}

}  // namespace
}  // namespace cw::cli
