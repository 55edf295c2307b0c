// The hardware market through the real week tick: a processor comes out on
// its week, prices are recorded, and the platforms are ranked.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "fakes/recording_player.h"
#include "hardware_world.h"
#include "sim/week_tick.h"
#include "state/shared_ops.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

TEST(HardwareWeeks, AProcessorComesOutOnItsWeekAndPricesAreRecordedEachWeek) {
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("cw_hw_week_" + std::to_string(rd()));
    fs::create_directories(dir);
    Game g;
    test::RecordingPlayer p;
    g.programFolder = dir.string();
    g.world().gameLevel = 2;
    g.world().money = 1000000;
    g.world().playerName = "Ann";
    g.currentYear = 1983;
    g.currentWeek = 5;
    g.world().bestCpuSpeed = 10;
    Cpu& chip = test::putCpu(g, 7, "Quasar 16", 1, 90, 700, false, 1983, 7);
    Cpu& old = test::putCpu(g, 3, "Old 8", 1, 10, 200, true, 1979, 1);
    test::putPlatform(g, 1, "Alpha", 1100, 300);
    // The cheaper and stronger one ranks first; the price of 50 rises to
    // 126..150 in the first week's sales.
    test::putPlatform(g, 2, "Beta", 1300, 50);

    weekTick(g, p);  // week 5
    weekTick(g, p);  // week 6
    EXPECT_FALSE(chip.announced);
    EXPECT_EQ(g.world().newsItems[NewsHardware][1].title.len, 0);
    EXPECT_EQ(g.tables().platforms[2].marketRank, 1);
    EXPECT_EQ(g.tables().platforms[1].marketRank, 2);
    EXPECT_EQ(g.tables().platforms[1].previousMarketRank, 2);

    weekTick(g, p);  // week 7: the release
    EXPECT_TRUE(chip.announced);
    EXPECT_EQ(g.world().bestCpuSpeed, 90);
    EXPECT_EQ(g.world().newsItems[NewsHardware][1].title.str(), "Hardware News, CPU");
    EXPECT_EQ(g.world().newsItems[NewsHardware][1].text.str().substr(0, 22), "Ultra fast Cpu was rel");
    EXPECT_LT(old.price, 200);  // the new best made the old one cheaper
    EXPECT_EQ(chip.priceHistory[5], 700);
    EXPECT_EQ(chip.priceHistory[7], 700);
    EXPECT_EQ(old.priceHistory[6], 200);
    EXPECT_EQ(old.priceHistory[7], 200);  // recorded before the release cut it
    EXPECT_EQ(g.currentWeek, 8);
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
}  // namespace cw
