// The review commands of the headless driver: "preview TASK" with its
// refusal and dialog, "review N" of a product, and the review a finished
// game prints as it is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "cli/driver.h"
#include "dev/dev_world.h"
#include "dev/game_project.h"
#include "fakes/cli_session.h"
#include "state/shared_ops.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

class ReviewCliTest : public test::CliSessionTest {
protected:
    int task = 0;
    void SetUp() override {
        Game& g = *s.game;
        test::makeDevWorld(g);
        g.world().sharesOwnedPercent = 40;
        g.world().companyName = "Acme";
        g.world().playerName = "Ann";
        s.gameRunning = true;
        DevelopmentScreen d(g);
        d.chooseGenre(1);
        ASSERT_FALSE(d.setLeader(5));
        d.setName("Quest");
        ASSERT_FALSE(d.startDevelopment(s.player));
        task = d.createdTask();
        Task& t = g.tables().tasks[task];
        t.workTotal = 1000;
        t.game.workLeftProgramming = 1000;
        t.game.workLeftDesign = 200;
        t.game.workLeftGraphics = 100;
    }
};

TEST_F(ReviewCliTest, PreviewIsRefusedEarlyThenAsksAndShowsThePreview) {
    s.game->tables().tasks[task].progress = 500;
    ASSERT_EQ(run("preview " + std::to_string(task) + "\n"), 0) << out.str();
    EXPECT_TRUE(printed("[notify] To early... | The game needs further development before a playable beta version is "
                        "ready. Try again later\npreview 1: refused, too early\n"))
        << out.str();

    s.game->tables().tasks[task].progress = 501;
    ASSERT_EQ(run("answer no\npreview 1\n"), 0) << out.str();
    EXPECT_TRUE(printed("[message] Prepare game preview | Do you want your employees to prepare the game for a "
                        "playable preview version. The total development time of the game will increase. -> No\n"
                        "preview 1: not prepared\n"))
        << out.str();

    ASSERT_EQ(run("answer yes\npreview 1\n"), 0) << out.str();
    EXPECT_TRUE(printed("-> Yes\n[screen] TForm_preview: Review\n  Quest | Action | Alpha\n  PREVIEW\n  \n"))
        << out.str();
    EXPECT_TRUE(printed("\n  Gameplay : ")) << out.str();
    EXPECT_TRUE(printed("\n  Replayability: ")) << out.str();
    EXPECT_TRUE(printed("\n  written by ")) << out.str();
    EXPECT_TRUE(printed("[screen] TForm_preview -> closed\npreview 1: work left now programming 1030, design 206, "
                        "graphics 103\n"))
        << out.str();

    ASSERT_EQ(run("preview 7\n"), 0);
    EXPECT_TRUE(printed("preview 7: not a game in development\n"));
    EXPECT_EQ(run("preview\n"), 2);
    EXPECT_EQ(run("preview 501\n"), 2);
}

TEST_F(ReviewCliTest, ReviewOfAProductReadsTheSameEveryTime) {
    Game& g = *s.game;
    g.tables().gameTitles[1978][2] = g.tables().tasks[task].game;
    const int k = addProduct(g, 0, 1978, 2, ProductGame, false);
    ASSERT_EQ(k, 1);
    const std::uint32_t seed = g.rng.seed;
    ASSERT_EQ(run("review 1\n"), 0) << out.str();
    const std::string first = out.str();
    EXPECT_EQ(first.rfind("review of product 1:\n  Quest | Action | Alpha\n", 0), 0u) << first;
    EXPECT_NE(first.find("\n  Overall "), std::string::npos);
    ASSERT_EQ(run("review 1\n"), 0);
    EXPECT_EQ(out.str(), first);
    EXPECT_EQ(g.rng.seed, seed);

    ASSERT_EQ(run("review 2\n"), 0);
    EXPECT_TRUE(printed("product 2: no game product\n"));
    EXPECT_EQ(run("review x\n"), 2);
}

#ifdef CW_GAME_DIR_FOR_TESTS
TEST(ReviewCliGameTest, AFinishedGamePrintsItsReviewAndReviewShowsItAgain) {
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("cw_review_cli_" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(dir);
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    std::ostringstream out;
    {
        cli::Session s(out, dir.string());
        s.game->rng.fixedSeed = 42;
        std::istringstream start("new-game company=\"Acme\" player=\"Ann\" level=1\nautosave off\nstaff\n");
        ASSERT_EQ(cli::runScript(s, start, "t"), 0) << out.str();
        const std::string listing = out.str();
        const auto you = listing.rfind('\n', listing.find("*You*"));
        const std::string leader = listing.substr(you + 1, listing.find("*You*") - you - 1);
        std::istringstream in("develop name=\"Quest\" genre=Action platforms=\"Apple II\" leader=" +
                              std::to_string(std::stoi(leader)) + "\npreview 1\nnext-week 40\necho ---\nreview 1\n");
        ASSERT_EQ(cli::runScript(s, in, "t"), 0) << out.str();
    }
    const std::string text = out.str();
    EXPECT_NE(text.find("[notify] To early... | "), std::string::npos);
    const auto shown = text.find("[screen] TForm_preview: Review\n");
    ASSERT_NE(shown, std::string::npos) << text;
    const auto from = text.find('\n', shown) + 1;
    const std::string lines = text.substr(from, text.find("[screen] TForm_preview -> closed", from) - from);
    EXPECT_EQ(lines.rfind("  Quest | Action | Apple II\n", 0), 0u) << lines;
    // Read again after the weeks that followed: the very same text.
    const auto again = text.find("---\nreview of product 1:\n");
    ASSERT_NE(again, std::string::npos) << text;
    EXPECT_EQ(text.substr(again + std::string("---\nreview of product 1:\n").size(), lines.size()), lines);
    std::error_code ec;
    fs::remove_all(dir, ec);
}
#endif

}  // namespace
}  // namespace cw
