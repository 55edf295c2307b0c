// The platform publisher commands: the screen as text, the talks across
// commands, and the console's deals on its product screen.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/driver.h"
#include "state/tasks.h"

namespace cw::cli {
namespace {

class PlatformPublisherCli : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, "."};

    void SetUp() override {
        s.gameRunning = true;
        Game& g = *s.game;
        g.currentYear = 1990;
        g.currentWeek = 10;
        g.rng.seed = 99;
        g.world().money = 500000;
        auto& t = g.tables();
        for (i32& n : t.titlesPerYear) n = 1;
        Company& c = t.companies[5];
        c.name = "Ocean Soft";
        c.listRow = 7;
        c.firstYear = 1980;
        GameTitle& x = t.gameTitles[1988][1];
        x.title = "Old Game";
        x.companyRow = 7;
        x.reviewScore = 80;
        x.platform = 1;
        t.titlesPerYear[1988] = 2;
        Task& task = t.tasks[2];
        task.name = "Cube";
        task.taskType = kTaskPlatform;
        task.platform.name = "Cube";
    }
    std::string run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        EXPECT_EQ(runScript(s, in, "t"), 0) << out.str();
        return out.str();
    }
};

TEST_F(PlatformPublisherCli, TalksLastAcrossCommandsUntilTheDealIsSigned) {
    const std::string list = run("platform-publishers 2\n");
    EXPECT_NE(list.find("Tform_platformPublisher: Cube (task 2)\n  Deals 0/3\n"), std::string::npos) << list;
    EXPECT_NE(list.find("  5 | Ocean Soft | 0 | 1 | 0 | 0\n"), std::string::npos) << list;

    const std::string low = run("answer yes\nplatform-deal 2 5 games=1 price=10\n");
    EXPECT_NE(low.find("[message] Publisher Deal | try to make a plublisher deal with this publisher -> Yes"),
              std::string::npos)
        << low;
    EXPECT_NE(low.find("[Suggest] games 1, offer 10\n"), std::string::npos) << low;
    EXPECT_EQ(low.find("[Make Deal]"), std::string::npos) << low;

    // The second offer goes to the same talks: no new question.
    const std::string high = run("platform-deal 2 5 games=1 price=200000\n");
    EXPECT_EQ(high.find("[message]"), std::string::npos) << high;
    EXPECT_NE(high.find("[Make Deal] signed company 5\n  Deals 1/3\n    Ocean Soft(1)\n"), std::string::npos) << high;
    EXPECT_LT(s.game->world().money, 500000);

    EXPECT_NE(run("platform-deal 3 5\n").find("platform-deal: task 3 designs no new console"), std::string::npos);
}

}  // namespace
}  // namespace cw::cli
