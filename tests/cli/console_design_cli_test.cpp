// The console design as a script sees it: the new game's "Start with" boxes
// and their start-up points, and new-platform's refusals and faults.
#include <gtest/gtest.h>

#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"

namespace cw::cli {
namespace {

class ConsoleDesignCliTest : public test::CliSessionTest {
protected:
    void SetUp() override { test::writeTinyDataArchive(dir); }
};

TEST_F(ConsoleDesignCliTest, TheStartWithBoxesGiveTheirBuildingsAndPoints) {
    ASSERT_EQ(run("new-game factory=yes warehouse=yes publisher=yes\n"), 0);
    EXPECT_TRUE(printed("start-up 40 (Easiest)")) << out.str();
    const World& w = s.game->world();
    EXPECT_EQ(w.factoryLevel, 1);
    EXPECT_EQ(w.warehouseLevel, 1);
    EXPECT_EQ(w.publisherLevel, 1);
    EXPECT_EQ(run("new-game factory=maybe\n"), 2);
    EXPECT_TRUE(printed("factory must be yes/on or no/off")) << out.str();
}

TEST_F(ConsoleDesignCliTest, NewPlatformPrintsTheEstimateAndTheFirstRefusal) {
    ASSERT_EQ(run("new-game\n"), 0);
    // Without a factory the screen cannot be opened.
    EXPECT_EQ(run("new-platform name=\"Box\" cpu=0 gpu=0 sound=0 memory=1 manager=1\n"), 2);
    EXPECT_TRUE(printed("the company has no factory")) << out.str();

    ASSERT_EQ(run("new-game factory=yes\n"), 0);
    ASSERT_EQ(run("new-platform name=\"Box\" cpu=0 gpu=0 sound=0 memory=0\n"), 0);
    EXPECT_TRUE(printed("Create New Platform: \"Box\", manager None")) << out.str();
    EXPECT_TRUE(printed("Main CPU : None, Sec. CPU : None, Main GPU : None, Main SPU : None, Ram : 2 KB"));
    EXPECT_TRUE(printed("Approx. per unit : 200$"));
    EXPECT_TRUE(printed("new-platform: refused: Choose a CPU | Please choose a Main CPU for the project\\nChoose a "
                        "CPU in the box CPU in the upper right corner."));
    EXPECT_EQ(run("new-platform memory=3\n"), 2);
    EXPECT_TRUE(printed("memory must be 0, 1 or 2"));
    EXPECT_EQ(run("new-platform cpu=99999\n"), 2);
    EXPECT_TRUE(printed("main CPU 99999 is not offered (see cpus)"));
    EXPECT_EQ(run("new-platform cpu2=1\n"), 2);
    EXPECT_TRUE(printed("second CPU 1 is not offered"));
}

}  // namespace
}  // namespace cw::cli
