// A game made, signed, distributed and released through the headless
// driver, and its first weeks of sales.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "cli/driver.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

#ifdef CW_GAME_DIR_FOR_TESTS
class ReleaseCliTest : public ::testing::Test {
protected:
    fs::path dir = [] {
        std::random_device rd;
        fs::path d = fs::temp_directory_path() / ("cw_release_cli_" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(d);
        fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", d / "data.zip");
        return d;
    }();
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // A new game whose player leads a game project, then `script`.
    std::string play(const std::string& script) {
        std::ostringstream out;
        cli::Session s(out, dir.string());
        s.game->rng.fixedSeed = 42;
        std::istringstream start("new-game company=\"Acme\" player=\"Ann\" level=1\nautosave off\nstaff\n");
        EXPECT_EQ(cli::runScript(s, start, "t"), 0) << out.str();
        // The player's own line of the staff list starts with the person number.
        const std::string listing = out.str();
        const auto you = listing.rfind('\n', listing.find("*You*"));
        const std::string leader = listing.substr(you + 1, listing.find("*You*") - you - 1);
        std::istringstream in("develop name=\"Quest\" genre=Action platforms=\"Apple II\" leader=" +
                              std::to_string(std::stoi(leader)) + "\n" + script);
        EXPECT_EQ(cli::runScript(s, in, "t"), 0) << out.str();
        return out.str();
    }
};

TEST_F(ReleaseCliTest, QueuedChoicesSignDistributeAndTheReleaseSells) {
    const std::string text = play(
        "answer publisher=2 advertising=no regions=us,eu\nnext-week 40\nproducts\nrelease 1\nrelease 1\n"
        "next-week 3\nproducts\nproduct 1\n");
    EXPECT_NE(text.find("TForm_GamePublisher: task 1\n  row | Publisher | % of sales | Weekly OutPut | Advertising"),
              std::string::npos);
    EXPECT_NE(text.find("  choice: row 2 without advertising\n[dialog] Publisher Deal | Publisher : "),
              std::string::npos);
    EXPECT_NE(text.find("Advertising Amount : None\\nDo you want do make a deal with this publiher ? -> Yes"),
              std::string::npos);
    EXPECT_NE(text.find("Tform_releasegame: Distribution (task 1)\n  USA 50000 $, Europe 40000 $, Asia 30000 $"),
              std::string::npos);
    EXPECT_NE(text.find("  OK: USA Europe | Publisher get : "), std::string::npos);
    EXPECT_NE(text.find("  1 | game | Quest | ready for release | 0 | 0 | "), std::string::npos);
    EXPECT_NE(text.find("[notify] Game Released | You have released the game Quest\nreleased: product 1 is title "),
              std::string::npos);
    EXPECT_NE(text.find("refused: The product is already released"), std::string::npos);
    const auto after = text.rfind("  1 | game | Quest | released | ");
    ASSERT_NE(after, std::string::npos);
    // Total sales after three weeks on sale.
    const std::string line = text.substr(after, text.find('\n', after) - after);
    EXPECT_EQ(line.find(" | 0 | 255"), std::string::npos) << line;
    EXPECT_NE(text.find("  Product Info\n  Engine        :"), std::string::npos);
    EXPECT_NE(text.find("\n  Rating :"), std::string::npos);
    // A line of history per week on sale.
    EXPECT_NE(text.find(" week(s) on sale\n  week | chart | revenue\n  1 | "), std::string::npos) << text;
}

TEST_F(ReleaseCliTest, NothingQueuedTakesTheDefaults) {
    const std::string text = play("next-week 40\nproducts\n");
    EXPECT_NE(text.find("  nothing queued: the first offer, with advertising\n[screen] TForm_GamePublisher -> closed"),
              std::string::npos);
    EXPECT_NE(text.find("  nothing queued: every region the company can pay for\n  OK: USA Europe Asia | "),
              std::string::npos);
    EXPECT_NE(text.find("| ready for release |"), std::string::npos);
}

TEST_F(ReleaseCliTest, BadChoicesAreScriptErrors) {
    std::ostringstream out;
    cli::Session s(out, dir.string());
    std::istringstream in("new-game\nanswer regions=mars\n");
    EXPECT_EQ(cli::runScript(s, in, "t"), 2);
    EXPECT_NE(out.str().find("regions= takes us, eu and asia"), std::string::npos);
}
#endif

}  // namespace
}  // namespace cw
