// The engine commands of the headless driver: engine-functions, new-engine
// and upgrade-engine, and the engine list's numbering.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/driver.h"
#include "dev/dev_world.h"

namespace cw::cli {
namespace {

class EngineCliTest : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, std::filesystem::temp_directory_path().string()};

    void SetUp() override {
        test::makeDevWorld(*s.game);
        s.game->tables().people[5].programming = 6;
        s.gameRunning = true;
    }
    int run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return runScript(s, in, "t");
    }
    bool printed(const std::string& text) const { return out.str().find(text) != std::string::npos; }
};

TEST_F(EngineCliTest, NumbersBeyond32BitsAreRefused) {
    // 4294967298 would be platform 2, 4294967301 person 5.
    EXPECT_EQ(run("new-engine platform=4294967298 genre=2 manager=5\n"), 2);
    EXPECT_EQ(run("new-engine platform=2 genre=4294967298 manager=5\n"), 2);
    EXPECT_EQ(run("new-engine platform=2 genre=2 manager=4294967301\n"), 2);
    EXPECT_EQ(run("new-engine platform=2 genre=2 manager=5 freelancers=4294967296\n"), 2);
    EXPECT_EQ(run("new-engine platform=2 genre=2 manager=5 functions=s4294967297\n"), 2);
}

TEST_F(EngineCliTest, FunctionsNewEngineAndUpgrade) {
    ASSERT_EQ(run("engine-functions\n"), 0);
    EXPECT_TRUE(printed("Simple Functions : 4\n  s1 [ ] Text mode (500 Codelines)\n"));
    EXPECT_TRUE(printed("  s4 [x] Save Game function (375 Codelines)\n"));
    EXPECT_TRUE(printed("Advanced Functions 3\n  a1 [ ] 2D Graphical Mode (2200 Codelines)\n"));

    ASSERT_EQ(run("new-engine name=Zap platform=2 genre=2 manager=5 freelancers=0 functions=s1,a1 "
                  "options=programming\n"),
              0);
    EXPECT_TRUE(printed("functions: s1, a1, feature level 3\n"));
    EXPECT_TRUE(printed("3672 Lines, 81 Week(s), 324000 $\n"));
    EXPECT_TRUE(printed("created: task 1 \"Engine Zap\", work 3672, code level 3, genre level 1, rating 54\n"));

    ASSERT_EQ(run("new-engine name=X platform=1 genre=1 manager=6 functions=q9\n"), 2);
    EXPECT_TRUE(printed("function \"q9\" is not offered"));

    // Engine 1 of the list is Alpha/Action, code level 1.
    ASSERT_EQ(run("answer ok\nanswer \"6\"\nanswer yes\nupgrade-engine 1 code\n"), 0);
    EXPECT_TRUE(printed("created: task 2 \"Engine Upgrade\", work 1000"));
    ASSERT_EQ(run("upgrade-engine 9 code\n"), 2);
    EXPECT_TRUE(printed("no engine 9 (see engines)"));

    // Without a name the engine is named after its genre; an empty name is refused.
    ASSERT_EQ(run("new-engine name=\"\" platform=1 genre=1 manager=6 functions=s1\n"), 0);
    EXPECT_TRUE(printed("New Engine: (no name), platform 1, genre 1"));
    ASSERT_EQ(run("new-engine platform=1 genre=1 manager=6 functions=s1\n"), 0);
    EXPECT_TRUE(printed("New Engine: Action, platform 1, genre 1"));
}

TEST_F(EngineCliTest, PlatformsAndGenresByIndexOrName) {
    ASSERT_EQ(run("new-engine name=Zap platform=beta genre=\"Action,Adventure\" manager=5 functions=s1\n"), 0);
    EXPECT_TRUE(printed("New Engine: Zap, platform 2, genre 2,"));
    ASSERT_EQ(run("view-engines Beta\n"), 0);
    EXPECT_TRUE(printed("View Platform : 2\n"));
    ASSERT_EQ(run("view-engines 2\n"), 0);
    EXPECT_TRUE(printed("View Platform : 2\n"));
    ASSERT_EQ(run("engine-release-chart Alpha action\n"), 0);
    ASSERT_EQ(run("engine-release-chart 1 1\n"), 0);
    EXPECT_EQ(run("view-engines Zeta\n"), 2);
    EXPECT_TRUE(printed("\"Zeta\" is no platform's number or name"));
    EXPECT_EQ(run("new-engine platform=1 genre=Puzzle manager=5\n"), 2);
    EXPECT_TRUE(printed("\"Puzzle\" is no genre's number or name"));
    EXPECT_EQ(run("new-engine platform=4294967297 genre=1 manager=5\n"), 2);
}

TEST_F(EngineCliTest, SellEngineNegotiatesAndMakesTheDeal) {
    for (int slot = 1; slot <= 20; ++slot) {
        GameTitle& t = s.game->tables().gameTitles[1981][slot];
        t.title = "Rival " + std::to_string(slot);
        t.releaseYear = 1981;
        t.releaseWeek = 5;
        t.genre = 1;
        t.platform = 1;
        t.salesScore = 40;
    }
    ASSERT_EQ(run("answer ok\nanswer \"6\"\nanswer yes\nsell-engine 1 game=1 price=10000 make=yes\n"), 0);
    EXPECT_TRUE(printed("  N | Game | Game preview score\n  1 | Rival "));
    EXPECT_TRUE(printed("What is you offer ?\nWill pay you: 10000, You get 0% of the sales , 78 Weeks support\n"
                        "Great, lets make the deal.\n"));
    EXPECT_TRUE(printed("created: task 1 \"Support Engine Rival\", price 10000, royalty 0%\n"));
    ASSERT_EQ(run("sell-engine 1 game=99\n"), 2);
    EXPECT_TRUE(printed("no game 99 in the list"));
}

TEST_F(EngineCliTest, ProductShowsAnyProductAndPriceSetsAConsole) {
    Game& g = *s.game;
    ProductEntry& engine = g.world().products[1];
    engine.kind = 2;
    engine.refA = 1;
    engine.refB = 1;
    engine.released = 1;
    ProductEntry& console = g.world().products[2];
    console.kind = 4;
    console.refA = 3;
    g.tables().platforms[3].price = 199;
    ASSERT_EQ(run("product 1\n"), 0);
    EXPECT_TRUE(printed("product 1: Engine 1 - Engine (in use)\n  Support cost: 0\n  Licence income: 0\n"));
    EXPECT_TRUE(printed("  price: NA\n  Product Info\n  Engine score       : 50\n"));
    EXPECT_TRUE(printed("TForm_product_status: engine\n  Code level  : (1) Very Simple\n"));
    EXPECT_TRUE(printed("  Upgrade Engine: Core code level 1 to 2; the leader needs programming 2, work 1000\n"));
    EXPECT_TRUE(printed("  Update Engine: The engine is updated to the maximum at its level\n"));
    EXPECT_TRUE(printed("  Try to Sell Engine: enabled\n"));

    ASSERT_EQ(run("product 2\nprice 2 abc\nprice 2 10\nprice 2 4500\nprice 1 300\nproduct 9\n"), 0);
    EXPECT_TRUE(printed("product 2: Gamma - Platform (ready for release)\n"));
    EXPECT_TRUE(printed("  price: 199\n  production cost: 0\n  Product Info\n  Publisher Deals  \n"));
    EXPECT_TRUE(printed("  gauge: 0/100\n  units in stock: 0\n  units sold: US 0, Europe 0, Asia 0\n  unit cost: 0\n"
                        "  ready: release 2 puts it on sale next week\n"));
    EXPECT_TRUE(printed("price: \"abc\" is not a number; nothing changed\n"));
    EXPECT_TRUE(printed("price field: 50\nPrice : 50$\nprice field: 3000\nPrice : 3000$\n"));
    EXPECT_EQ(g.tables().platforms[3].price, 3000);
    EXPECT_TRUE(printed("product 1: the price of this Engine is not set here"));
    EXPECT_TRUE(printed("product 9: no product\n"));
    EXPECT_EQ(run("price 2\n"), 2);
}

TEST_F(EngineCliTest, AfterALicenceTryTheDevelopersWantFourWeeks) {
    ProductEntry& engine = s.game->world().products[1];
    engine.kind = 2;
    engine.refA = 1;
    engine.refB = 1;
    ASSERT_EQ(run("sell-engine 1\n"), 0);
    EXPECT_TRUE(printed("Try to Sell Engine: 0 game(s)\n"));
    // The same week the open screen is used again, without a new draw.
    ASSERT_EQ(run("sell-engine 1\n"), 0);
    EXPECT_TRUE(printed("Try to Sell Engine: 0 game(s)\n"));
    s.game->currentWeek += 1;
    ASSERT_EQ(run("sell-engine 1\nproduct 1\n"), 0);
    EXPECT_TRUE(printed("sell-engine: refused: Try to Sell Engine | The developers take up licence talks again in 4 "
                        "week(s)\n"));
    EXPECT_TRUE(printed("  Try to Sell Engine: disabled (The developers take up licence talks again in 4 week(s))\n"));
    s.game->session.engineSaleWait = 0;
    ASSERT_EQ(run("sell-engine 1\n"), 0);
    EXPECT_TRUE(printed("Try to Sell Engine: 0 game(s)\n"));
}

}  // namespace
}  // namespace cw::cli
