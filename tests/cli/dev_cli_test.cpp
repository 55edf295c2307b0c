// The game project commands of the headless driver: genres, engines,
// develop and project.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/driver.h"
#include "dev/dev_world.h"

namespace cw::cli {
namespace {

class DevCliTest : public ::testing::Test {
protected:
    std::ostringstream out;
    Session s{out, std::filesystem::temp_directory_path().string()};

    void SetUp() override { test::makeDevWorld(*s.game); }
    int run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return runScript(s, in, "t");
    }
    bool printed(const std::string& text) const { return out.str().find(text) != std::string::npos; }
};

TEST_F(DevCliTest, GenresAndEnginesListWhatTheScreenOffers) {
    ASSERT_EQ(run("genres\n"), 0);
    EXPECT_EQ(out.str(), "genres: 3\n  genre | name | interest | trend\n  1 | Action | 0 | 0\n  2 | Action,Adventure | 0 | 0\n"
              "  4 | Nonsense | 0 | 0\n");
    ASSERT_EQ(run("engines\n"), 0);
    EXPECT_EQ(out.str(),
              "engines: 3\n  N | platform | genre | name | rating | best competitor\n"
              "  1 | 1 Alpha | 1 Action | Engine 1 | 50 | None\n  2 | 2 Beta | 1 Action | Engine 2 | 40 | None\n"
              "  3 | 3 Gamma | 1 Action | Engine 3 | 30 | None\nbest competitor engines: 0\n");
}

TEST_F(DevCliTest, DevelopFillsTheScreenAndStartsTheGame) {
    ASSERT_EQ(run("develop name=\"Space Duel\" genre=ACTION platforms=beta,1 leader=5 freelancers=0 extras=editor "
                  "music=1 focus=50,25,25 research=25,50,25\n"),
              0);
    EXPECT_TRUE(printed("Game Development: Space Duel, genre Action, leader Stone,Ava, freelancers 0 (Cost 0$ "
                        "weekly)\nplatforms: (Engine:50)Alpha, (Engine:40)Beta\n"
                        "extras score 5, Music Quality : Low (They get 2%), focus 50,25,25, research 25,50,25\n"
                        "Approx. work (man-weeks) :"));
    EXPECT_TRUE(printed("[notify] New Game | Game Development started\ncreated: task 1 \"Game Space Duel\""));
    EXPECT_TRUE(printed("platforms 1;2;"));
    const Task& t = s.game->tables().tasks[1];
    EXPECT_EQ(t.game.focusGameplay, 50);
    EXPECT_EQ(t.game.researchDesign, 50);
    EXPECT_EQ(t.game.partnerShare, 1);

    ASSERT_EQ(run("project 1 shares=50,30,20 focus=1,1,98\n"), 0);
    EXPECT_TRUE(printed("Project properties: Game Space Duel (task 1)\nCurrent Progress: 0 of "));
    EXPECT_TRUE(printed("Development focus (%): Programming 50, Designing 30, Graphics 20\n"
                        "GamePlay 1, Complexity 1, replayability 98\n"));
    EXPECT_TRUE(printed("[Publisher deals] [Advertising] [Assign employees to this task] [Details]"));
    EXPECT_EQ(run("project 1 shares=50,30,30\n"), 2);
    EXPECT_TRUE(printed("shares must be three values 1..98 that sum to 100"));
    ASSERT_EQ(run("project 1 research=100,70,30\n"), 0);
    EXPECT_TRUE(printed("Employee Reseach Amount: Programming 100, Design/GUI 70, Graphics 30\n"));
    ASSERT_EQ(run("project 1 research=100,20,30\n"), 0);
    EXPECT_TRUE(printed("[refused] Employee Reseach Amount | Each research amount is 25..100\n"));
    ASSERT_EQ(run("project 2\n"), 0);
    EXPECT_EQ(out.str(), "project 2: not a game in development\n");
}

TEST_F(DevCliTest, RefusalsAndQueuedAnswersArePrinted) {
    ASSERT_EQ(run("develop name=X\n"), 0);
    EXPECT_TRUE(printed("develop: \"Start development\" is disabled: Choose a genre first\n"));
    ASSERT_EQ(run("develop genre=1 leader=5\n"), 0);
    EXPECT_TRUE(printed("[dialog] Missing Game name | You need to name your new Game -> Ok\n"
                        "develop: refused: Missing Game name\n"));
    ASSERT_EQ(run("answer no\ndevelop name=X genre=1 leader=6 platforms=delta\n"), 0);
    EXPECT_TRUE(printed("platforms: (No engine)Delta\n"));
    EXPECT_TRUE(printed("[dialog] No Engine | You have no engine for Delta platform and Action genre\\nYou got an "
                        "offer for an engine for "));
    EXPECT_TRUE(printed("-> No\n[dialog] No platform | "));
    ASSERT_EQ(run("develop name=X genre=1 leader=99\n"), 0);
    EXPECT_TRUE(printed("[refused] Choose Team Leader | Only an employee of your company can lead the project\n"));

    EXPECT_EQ(run("develop genre=Strategy\n"), 2);
    EXPECT_TRUE(printed("genre \"Strategy\" is not offered this year"));
    EXPECT_EQ(run("develop genre=1 platforms=1,2,3,4\n"), 2);
    EXPECT_TRUE(printed("Max choose 3 platforms."));
    EXPECT_EQ(run("develop genre=1 focus=60,60,60\n"), 2);
    EXPECT_EQ(run("develop genre=1 extras=jetpack\n"), 2);
    EXPECT_EQ(run("develop genre=1 music=5\n"), 2);
    EXPECT_EQ(run("develop sequel=1980:1\n"), 2);
    // A number beyond 32 bits would alias person 5 or 0 freelancers.
    EXPECT_EQ(run("develop genre=1 leader=4294967301\n"), 2);
    EXPECT_EQ(run("develop genre=1 freelancers=4294967296\n"), 2);
}

}  // namespace
}  // namespace cw::cli
