// The yearly show and the planning views through the headless driver: the
// booth taken from the queue, the award show printed category by category,
// and the charts, calendar, analysis and genre demand of a played game.
#include <filesystem>

#include "fakes/cli_session.h"

namespace cw {
namespace {

#ifdef CW_GAME_DIR_FOR_TESTS
class ExpoCliTest : public test::CliSessionTest {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
        s.game->rng.fixedSeed = 7;
    }
};

TEST_F(ExpoCliTest, TheShowInWeekFourTakesTheQueuedBoothAndThePlanningViewsPrint) {
    ASSERT_EQ(run("new-game\nautosave off\nexpo\nnext-week 55\nstatus\n"), 0) << out.str();
    EXPECT_TRUE(printed("expo: no show yet in this run"));
    EXPECT_FALSE(printed("TForm_E3"));
    const std::string before = out.str();
    const long long money = std::stoll(before.substr(before.find("money: ") + 7));

    ASSERT_EQ(run("answer medium\nnext-week\nexpo\nstatus\n"), 0) << out.str();
    EXPECT_TRUE(printed("[x] Yes. I would like to buy space for a Medium sized booth. Price $250.000"));
    EXPECT_TRUE(printed("[ ] NO. I will just attend the show as a regular visitor.  Price $10"));
    EXPECT_TRUE(printed("  -> Go to the show >> (medium, $250,000)"));
    EXPECT_TRUE(printed("  Best game of 1980\n    You have the following items in this category : (none)\n    5. "));
    EXPECT_TRUE(printed("  -> Next >>\n  Best selling games of 1980\n"));
    EXPECT_TRUE(printed("  Your impression from this years E3/Award show :"));
    EXPECT_TRUE(printed("[screen] TForm_E3 -> closed"));
    EXPECT_TRUE(printed("expo: the show of 1981"));
    const std::string after = out.str();
    EXPECT_LT(std::stoll(after.substr(after.find("money: ") + 7)), money - 240000);

    ASSERT_EQ(run("charts region=asia\ncharts platform=all genre=Action\ngenre-demand\ncalendar half=2 consoles=no\n"
                  "answer no\nanalyse title=\"Space Duel\" platform=1 genre=action\n"
                  "analyse title=\"Space Duel\" platform=1 genre=1\n"),
              0)
        << out.str();
    EXPECT_TRUE(printed("TForm_salesCharts: Sales Charts, week 5, 1981\n  Continent: Asia | Platform: All | Genre: All"));
    EXPECT_TRUE(printed("  Continent: America | Platform: All | Genre: Action"));
    EXPECT_TRUE(printed("  Pos | Publisher | Platform | Genre | Game Name | LW | NW\n  1 | "));
    EXPECT_TRUE(printed("TForm_genredemands: Genre Demand\n  Genre Demands\n"));
    EXPECT_TRUE(printed("Tform_Calendar: Release Calendar, 1981, Week 27 - 52"));
    EXPECT_FALSE(printed("[platform]"));
    EXPECT_TRUE(printed("[dialog] Analysis of release | Pay 5000$ for an analysis of the next 3 months game sales -> No"));
    EXPECT_TRUE(printed("Tform_Analyse: Release Analysis (paid 5000"));
    EXPECT_TRUE(printed("  Release in 3 months :  (from week 18, 1981;"));

    EXPECT_EQ(run("charts region=mars\n"), 2);
    EXPECT_TRUE(printed("region= takes us, eu or asia"));
    EXPECT_EQ(run("calendar platform=Nowhere\n"), 2);
    EXPECT_EQ(run("analyse title=X genre=1\n"), 2);
}

// A game of the player's released last year brings its platform and genre
// into the show, each with a category of its own.
TEST_F(ExpoCliTest, APlayersGameOfLastYearOpensItsPlatformAndGenreCategories) {
    s.game->rng.fixedSeed = 42;  // as crestwork-cli --seed 42 starts
    s.game->rng.randomizeSeed();
    ASSERT_EQ(run("new-game company=\"Acme Soft\" player=Ann\nautosave off\ninterview 18\noffer salary=9700\nhire\n"
                  "interview 92\noffer salary=5000\nhire\nanswer yes\n"
                  "develop name=\"Space Duel\" genre=Action platforms=1 leader=4493\nassign 18 1\nassign 92 1\n"
                  "next-week 40\nrelease 1\nnext-week 15\nanswer small\nnext-week\nnews\n"),
              0)
        << out.str();
    EXPECT_TRUE(printed("  Best games on Apple II\n    You have the following items in this category :\n"
                        "      Space Duel (Apple II)\n"));
    EXPECT_TRUE(printed("  Best Action games of the year\n"));
    EXPECT_TRUE(printed("Award show | Best game of 1980 : "));
}

TEST_F(ExpoCliTest, SkippingTheShowCostsNothing) {
    ASSERT_EQ(run("new-game\nautosave off\nnext-week 55\nanswer skip\nnext-week\nexpo\n"), 0) << out.str();
    EXPECT_TRUE(printed("  -> Skip the show\n"));
    EXPECT_FALSE(printed("Best game of 1980"));
}
#endif

}  // namespace
}  // namespace cw
