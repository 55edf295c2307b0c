#include "setup/new_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/driver.h"
#include "fakes/recording_player.h"
#include "fakes/tiny_data.h"
#include "finance/player_bonus.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

class StartNewGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_newgame_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.fixedSeed = 99;
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    fs::path dir;
    Game g;
    test::RecordingPlayer player;
    ReferenceTables ref;
};

TEST(StartupLevel, ScoreAndWordsAtTheLimits) {
    NewGameOptions o;
    o.companyValue = 2;
    EXPECT_EQ(startupScore(o), 10);
    EXPECT_EQ(startupLevelText(startupScore(o)), "Extreme");
    o.boardMeetings = false;
    EXPECT_EQ(startupScore(o), 15);
    o.companyValue = 6;
    o.boardMeetings = true;
    EXPECT_EQ(startupScore(o), 30);
    EXPECT_EQ(startupLevelText(startupScore(o)), "Easiest");
    o.startWithFactory = o.startWithWarehouse = o.startWithPublisher = true;
    EXPECT_EQ(startupScore(o), 50);
    const std::pair<int, const char*> words[] = {{10, "Extreme"}, {11, "Very Hard"}, {14, "Very Hard"}, {15, "Hard"},
                                                 {19, "Hard"},    {20, "Medium"},    {24, "Medium"},    {25, "Easy"},
                                                 {29, "Easy"},    {30, "Easiest"}};
    for (const auto& [score, word] : words) EXPECT_EQ(startupLevelText(score), word) << score;
}

TEST(StartupLevel, LevelNamesEffectsAndMoney) {
    EXPECT_EQ(gameLevelName(3), "Experinced");
    EXPECT_EQ(gameLevelEffectsText(1), "Cheap Buildings\r\nEmployees stay\r\nEasy compertition");
    EXPECT_EQ(gameLevelEffectsText(2), "Standard building prices\r\nEmployees Switch\r\nFair compertition");
    EXPECT_EQ(gameLevelEffectsText(3), "Expensive Buildings\r\nEmployees Switch\r\nCut-throat compertition");
    EXPECT_EQ(startMoneyText(4), "$ 6,000,000(Start cash:4,000,000)");
    EXPECT_EQ(startMoneyText(2), "$ 3,000,000(Start cash:2,000,000)");
    EXPECT_EQ(startMoneyText(6), "$ 9,000,000(Start cash:6,000,000)");
}

TEST(HighScore, DigitsStoredByTheEndScreenReadBack) {
    for (int score : {0, 7, 28536, 2147483647}) EXPECT_EQ(decodeHighScore(encodeHighScore(score)), score) << score;
    EXPECT_EQ(encodeHighScore(105), std::string("\xF7\xF6\xFB"));
    // Any other byte reads as the first digit of its code plus 10.
    EXPECT_EQ(decodeHighScore("A"), 7);
    EXPECT_EQ(decodeHighScore(" \xF7\xF6 \r"), 10);
    EXPECT_EQ(decodeHighScore(""), 0);
    EXPECT_EQ(decodeHighScore("\xF8\xF8\xF8\xF8\xF8\xF8\xF8\xF8\xF8\xF8\xF8"), 0);  // too large: a broken file
}

TEST_F(StartNewGameTest, HighScoreFileFirstLineOnly) {
    EXPECT_EQ(readHighScore(g.programFolder), 0);
    write("HS.tmp", encodeHighScore(4321) + "\r\n" + encodeHighScore(9));
    EXPECT_EQ(readHighScore(g.programFolder), 4321);
}

TEST_F(StartNewGameTest, NamesFileGivesTheLastNamesAndTurnsTheTutorOff) {
    StarterDefaults d = loadStarterDefaults(g.programFolder);
    EXPECT_TRUE(d.options.tutor);
    EXPECT_EQ(d.options.playerName, "Player");
    EXPECT_EQ(d.options.companyName, "My Company");
    EXPECT_EQ(d.highScore, 0);

    write("Namstart.txt", "Ann\r\nPixel Forge\r\n");
    d = loadStarterDefaults(g.programFolder);
    EXPECT_FALSE(d.options.tutor);
    EXPECT_EQ(d.options.playerName, "Ann");
    EXPECT_EQ(d.options.companyName, "Pixel Forge");

    write("Namstart.txt", "A name far longer than twenty");
    d = loadStarterDefaults(g.programFolder);
    EXPECT_FALSE(d.options.tutor);
    EXPECT_EQ(d.options.playerName, "A name far longer th");
    EXPECT_EQ(d.options.companyName, "My Company");
    EXPECT_TRUE(checkNewGameOptions(d.options).empty());
}

TEST(PlayerSetup, ChoicesAreCheckedAndStored) {
    Game g;
    EXPECT_EQ(specialtyFromText("graphics"), 3);
    EXPECT_EQ(specialtyFromText("4"), 4);
    EXPECT_EQ(specialtyFromText("Cooking"), -1);
    EXPECT_EQ(applyPlayerBonus(g, {15, 0}), "The player's age is 16..40");
    EXPECT_EQ(applyPlayerBonus(g, {30, 5}),
              "The special ability is one of Leadership, Programming, Designing, Graphics, Hardware");
    EXPECT_EQ(g.session.chosenPlayerAge, 30);
    EXPECT_EQ(applyPlayerBonus(g, {40, 4}), "");
    EXPECT_EQ(g.session.chosenPlayerAge, 40);
    EXPECT_EQ(g.session.chosenPlayerSpecialty, 4);
    resetPlayerSetup(g);
    EXPECT_EQ(g.session.chosenPlayerAge, 30);
    EXPECT_EQ(g.session.chosenPlayerSpecialty, 0);
    EXPECT_EQ(retirementYear(40), 2005);
    EXPECT_EQ(retirementText(40), "The board retires you at the end of 2005");
}

TEST_F(StartNewGameTest, StartNewGameRunsItsStepsInOrder) {
    std::vector<std::string> steps;
    NewGameHooks hooks;
    hooks.playerSetup = [&] {
        steps.push_back("setup:" + read("Namstart.txt"));
        EXPECT_EQ(g.session.chosenPlayerAge, 30);
        return PlayerBonus{22, 2};
    };
    hooks.closeStarter = [&] { steps.push_back("close:" + std::to_string(player.calls.size())); };
    hooks.showMainScreen = [&] { steps.push_back("main"); };
    hooks.showTips = [&] { steps.push_back("tips"); };
    hooks.openTutor = [&] { steps.push_back("tutor"); };
    hooks.startMusic = [&] { steps.push_back("music"); };
    hooks.startMapTraffic = [&] { steps.push_back("traffic"); };
    hooks.loadSavedGame = [&] { steps.push_back("load"); };
    hooks.world.showMapBuildings = [&] { steps.push_back("map"); };
    g.session.chosenPlayerAge = 18;

    NewGameOptions o;
    o.companyName = "Acme";
    o.playerName = "Ann";
    o.companyValue = 3;
    o.music = false;
    test::writeTinyDataArchive(dir);
    EXPECT_EQ(startNewGame(g, player, ref, o, {}, hooks), "");

    // The import comes first and says nothing; then the names file, the
    // player setup and the progress window.
    ASSERT_GE(player.calls.size(), 4u);
    EXPECT_EQ(player.calls[0].kind, "progressShow");
    EXPECT_EQ(player.calls.back().kind, "progressHide");
    EXPECT_TRUE(player.only("message").empty());
    EXPECT_EQ(steps, (std::vector<std::string>{"setup:Ann\nAcme\n", "close:1", "map", "main", "tips", "traffic"}));
    EXPECT_EQ(g.session.chosenPlayerAge, 22);
    EXPECT_EQ(g.session.chosenPlayerSpecialty, 2);
    EXPECT_EQ(g.world().money, 3000000);
    EXPECT_EQ(g.world().startCompanyValue, 4500000);
    EXPECT_EQ(g.world().boardOpinion, 40);
    EXPECT_EQ(g.inbox.unread, 2);
    EXPECT_EQ(player.refreshes, 1);
    EXPECT_EQ(summarizeWorld(g).platforms, 3);
    EXPECT_EQ(g.session.buildingBasePrice, 400000);
}

TEST_F(StartNewGameTest, ALoadSkipsTheNamesAndThePlayerSetup) {
    g.session.loadingSavedGame = true;
    std::vector<std::string> steps;
    NewGameHooks hooks;
    hooks.playerSetup = [&] {
        steps.push_back("setup");
        return PlayerBonus{};
    };
    hooks.loadSavedGame = [&] { steps.push_back("load"); };
    hooks.openTutor = [&] { steps.push_back("tutor"); };
    NewGameOptions o;
    o.tutor = true;
    test::writeTinyDataArchive(dir);
    EXPECT_EQ(startNewGame(g, player, ref, o, {}, hooks), "");
    EXPECT_EQ(steps, (std::vector<std::string>{"load", "tutor"}));
    EXPECT_FALSE(fs::exists(dir / "Namstart.txt"));
    ASSERT_FALSE(player.progress.empty());
    EXPECT_EQ(player.progress.back().caption, "Game Loaded");
    EXPECT_TRUE(player.only("letter").empty());
}

TEST_F(StartNewGameTest, RefusedChoicesChangeNothing) {
    NewGameOptions o;
    o.playerName = std::string(21, 'x');
    EXPECT_EQ(startNewGame(g, player, ref, o), "The player name can have at most 20 characters");
    EXPECT_EQ(startNewGame(g, player, ref, {}, {41, 0}), "The player's age is 16..40");
    EXPECT_TRUE(player.calls.empty());
    EXPECT_FALSE(fs::exists(dir / "Namstart.txt"));
    EXPECT_EQ(g.world().money, 0);
}

#ifdef CW_GAME_DIR_FOR_TESTS
// The whole start with the shipped data, as a script runs it.
TEST_F(StartNewGameTest, CliStartsASeededWorldFromTheShippedData) {
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    std::ostringstream out;
    cli::Session s(out, dir.string());
    s.game->rng.fixedSeed = 7;
    std::istringstream in("new-game company=\"Acme\" player=\"Ann\" level=1 age=40 specialty=Hardware music=off\n");
    EXPECT_EQ(cli::runScript(s, in, "t"), 0);
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("new game: company \"Acme\", player \"Ann\", level 1 (Beginner), start-up 20 (Medium), "
                         "money 4000000\nplayer setup: age 40, Hardware\n[letter] Good Luck | ",
                         0),
              0u);
    const WorldSummary w = summarizeWorld(*s.game);
    EXPECT_GT(w.platforms, 50);
    EXPECT_GT(w.processors, 100);
    EXPECT_GT(w.catalogueTitles, 20000);
    EXPECT_GT(w.companies, 100);
    EXPECT_NE(text.find("world: " + std::to_string(w.platforms) + " platforms ("), std::string::npos);
    EXPECT_EQ(s.game->session.chosenPlayerAge, 40);
    EXPECT_EQ(s.game->session.buildingBasePrice, 200000);

    out.str("");
    std::istringstream bad("new-game age=12\nnew-game specialty=Cooking\n");
    EXPECT_EQ(cli::runScript(s, bad, "t"), 2);
    EXPECT_EQ(out.str().rfind("error: t:1: new-game: The player's age is 16..40 (usage: ", 0), 0u);
}
#endif

}  // namespace
}  // namespace cw
