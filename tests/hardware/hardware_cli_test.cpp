// The hardware commands of the headless driver print what the screens show.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/driver.h"
#include "hardware_world.h"

namespace cw::cli {
namespace {

class HardwareCliTest : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, "."};

    void SetUp() override {
        s.gameRunning = true;  // the world below stands for a game in progress
        Game& g = *s.game;
        g.currentYear = 1985;
        g.currentWeek = 3;
        Platform& a = test::putPlatform(g, 1, "Alpha", 1000, 250);
        a.weekSalesByRegion[1] = 10;
        a.soldUnits = 5000;
        Platform& b = test::putPlatform(g, 2, "Beta", 700, 600);
        b.weekSalesByRegion[1] = 30;
        b.weekSalesByRegion[3] = 2;
        b.soldUnits = 100;
        test::putPlatform(g, 3, "Gamma", 800, 100).discontinued = 1;
        Cpu& c = test::putCpu(g, 1, "Chip", 1, 50, 300, true, 1984, 3);
        c.priceHistory[1] = 320;
        test::putCpu(g, 2, "Beeper", 4, 5, 40, true, 1984, 3);
    }
    std::string run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        EXPECT_EQ(runScript(s, in, "t"), 0) << out.str();
        return out.str();
    }
};

TEST_F(HardwareCliTest, PlatformsPrintsTheGridsAndCharts) {
    const std::string expected =
        "TForm_platforms: week 3, 1985\n"
        "Grid 1: Platforms on the market (2)\n"
        "  N | Platform | Week total | Week US | Week EU | Week ASIA | Public opinion | Overall Index | CPU Spec | Price\n"
        "  2 | Beta     | 32         | 30      | 0       | 2         | okay           | 0             | 700      | 600$\n"
        "  1 | Alpha    | 10         | 10      | 0       | 0         | okay           | 0             | 1000     | 250$\n"
        "Grid 2: Sold platforms (2)\n"
        "  N | Platform | Sold number | Production Cost | Price | % Still in use  | % Piracy | Age\n"
        "  1 | Alpha    | 5000        | 0$              | 250$  | 100%            | 0%       | 6 Year(s),  45 Weeks\n"
        "  2 | Beta     | 100         | 0$              | 600$  | 100%            | 0%       | 6 Year(s),  45 Weeks\n"
        "Grid 3: Discontinued platforms (1)\n"
        "  N | Platform | Sold number | Production Cost |  | % Still in use  | % Piracy | Age\n"
        "  3 | Gamma    | 0           | 0$              |  | 100%            | 0%       | 6 Year(s),  45 Weeks\n"
        "Regions: America 40 | Europe 0 | Asia 2\n"
        "Top platforms: Beta 32 | Alpha 10\n";
    EXPECT_EQ(run("platforms\n"), expected);
    // Each row starts with the platform's index, the number other commands take.
    // One direction flag for all grids: ascending, then descending.
    const std::string sorted = run("platforms click=1,2 click=2,1\n");
    EXPECT_NE(sorted.find("  1 | Alpha    | 10 "), std::string::npos);
    EXPECT_LT(sorted.find("  1 | Alpha    | 10 "), sorted.find("  2 | Beta     | 32 "));
    EXPECT_LT(sorted.find("  2 | Beta     | 100 "), sorted.find("  1 | Alpha    | 5000 "));
}

TEST_F(HardwareCliTest, CpusPrintsTheListAndTheChartWithFilters) {
    const std::string expected =
        "Tform_cpu: week 3, 1985 (CPUs on, GPUs on, SPUs on)\n"
        "Processors (2)\n"
        "  CPU name | Speed Index | Price | Age                 | Bits | Type | ID\n"
        "  Chip     | 50          | 300   | 1 Year(s),  0 Weeks | 32   | CPU  | 1\n"
        "  Beeper   | 5           | 40    | 1 Year(s),  0 Weeks | 32   | SPU  | 2\n"
        "Price chart (2 series)\n"
        "  Chip: 1=320\n"
        "  Beeper: (no weeks yet)\n";
    EXPECT_EQ(run("cpus\n"), expected);
    const std::string filtered = run("cpus cpus=off\n");
    EXPECT_NE(filtered.find("(CPUs off, GPUs on, SPUs on)\nProcessors (1)\n"), std::string::npos);
    EXPECT_EQ(filtered.find("Chip"), std::string::npos);
}

TEST_F(HardwareCliTest, AnalysisAndBadArguments) {
    const std::string text = run("platform-analysis\n");
    EXPECT_EQ(text.substr(0, text.find('\n')), "TForm_platform_analysis: Week 3, 1985");
    EXPECT_NE(text.find("Platforms (3)\n"), std::string::npos);
    EXPECT_NE(text.find("Low specs,High Price"), std::string::npos);

    std::istringstream bad("platforms click=4,1\n");
    EXPECT_EQ(runScript(s, bad, "t"), 2);
    std::istringstream badColumn("cpus click=8\n");
    EXPECT_EQ(runScript(s, badColumn, "t"), 2);
    std::istringstream badBox("cpus gpus=maybe\n");
    EXPECT_EQ(runScript(s, badBox, "t"), 2);
}

}  // namespace
}  // namespace cw::cli
