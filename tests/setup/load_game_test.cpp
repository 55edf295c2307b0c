#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/driver.h"
#include "fakes/recording_player.h"
#include "fakes/tiny_data.h"
#include "setup/load_game.h"
#include "state/inbox.h"
#include "state/save_file.h"
#include "state/save_game.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

class SaveLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_saveload_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.world().playerName = "Ann";
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string bytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
    Game g;
    test::RecordingPlayer p;
};

}  // namespace

TEST_F(SaveLoadTest, TypedNameBecomesTheGameNameAndItsFile) {
    p.textAnswers.push_back("a:b?");
    EXPECT_TRUE(saveGameFromMenu(g, p));
    EXPECT_EQ(g.session.currentGameName, "a b ");
    EXPECT_TRUE(fs::exists(dir / "savegame" / "a b .sav"));
    EXPECT_TRUE(fs::exists(dir / "savegame" / "a b .sav.tem"));
    EXPECT_TRUE(fs::exists(dir / "INbox.txt"));
    const auto notes = p.only("notify");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].a, "Saving Game");
    EXPECT_EQ(notes[1].b, "Game has been saved");
    ASSERT_EQ(p.only("input").size(), 1u);
    EXPECT_EQ(p.only("input")[0].a, "Filename");
    EXPECT_EQ(p.only("input")[0].b, "Write a filename for the savefile");

    // The next save offers the current name.
    {
        test::RecordingPlayer q;
        EXPECT_TRUE(saveGame(g, q));
        EXPECT_TRUE(fs::exists(dir / "savegame" / "a b .sav"));
    }
}

TEST_F(SaveLoadTest, AutosaveKeepsTheGameName) {
    g.session.currentGameName = "mine";
    g.session.autosaveInProgress = true;
    EXPECT_TRUE(saveGame(g, p));
    EXPECT_TRUE(fs::exists(dir / "savegame" / "AutoSave.sav"));
    EXPECT_TRUE(fs::exists(dir / "savegame" / "AutoSave.sav.tem"));
    EXPECT_EQ(g.session.currentGameName, "mine");
    EXPECT_TRUE(p.only("input").empty());
}

TEST_F(SaveLoadTest, AFailedSaveSaysSoAndNeverClaimsSuccess) {
    std::ofstream(dir / "savegame") << "a file where the folder should be";
    p.textAnswers.push_back("x");
    EXPECT_FALSE(saveGameFromMenu(g, p));
    const auto notes = p.only("notify");
    ASSERT_EQ(notes.size(), 1u);  // "Saving Game" only
    ASSERT_EQ(p.only("message").size(), 1u);
    EXPECT_EQ(p.only("message")[0].a, "Save Game");
}

TEST_F(SaveLoadTest, LoadScreenChecksAndItsBackDoor) {
    p.textAnswers.push_back("good");
    ASSERT_TRUE(saveGame(g, p));
    std::ofstream(dir / "savegame" / "stray.sav") << "not a game";
    LoadScreen screen = openLoadScreen(g);
    ASSERT_EQ(screen.entries, (std::vector<std::string>{"good.sav", "stray.sav"}));
    EXPECT_FALSE(cw::loadGameClicked(g, p, screen, -1));  // nothing selected: nothing happens
    EXPECT_TRUE(p.only("message").empty());

    EXPECT_TRUE(annotateNextEntry(g, screen));
    EXPECT_EQ(screen.entries[0].rfind("good.sav >>> ", 0), 0u);
    EXPECT_TRUE(cw::loadGameClicked(g, p, screen, 0));
    EXPECT_EQ(g.session.chosenSaveFile, "good.sav");

    EXPECT_FALSE(cw::loadGameClicked(g, p, screen, 1));
    EXPECT_EQ(g.session.chosenSaveFile, "");
    ASSERT_EQ(p.only("message").size(), 1u);
    EXPECT_EQ(p.only("message")[0].b, "Error. File is not valid, mayby from an old build of the game");

    screen.hiddenText = "vtrqsb";
    EXPECT_TRUE(cw::loadGameClicked(g, p, screen, 1));
    EXPECT_EQ(g.session.chosenSaveFile, "stray.sav");
    cancelLoadScreen(g);
    EXPECT_EQ(g.session.chosenSaveFile, "");
}

TEST_F(SaveLoadTest, LoadingWeek52PlaysIntoTheNextYear) {
    g.currentYear = 1999;
    g.currentWeek = 52;
    g.world().money = 777777;
    g.tables().people[6].currentTask = 12;  // a slot that holds no task
    postLetter(g, p, "Good Luck", "Hello");
    p.textAnswers.push_back("late");
    ASSERT_TRUE(saveGame(g, p));

    Game other;
    other.programFolder = dir.string();
    other.session.chosenSaveFile = "late.sav";
    other.session.lastCash = 4000000;  // left from the world the start sequence built
    other.session.monthCashChange = -5000;
    bool started = false;
    test::RecordingPlayer q;
    ASSERT_TRUE(loadChosenGame(other, q,
                               [&] {
                                   started = true;
                                   return std::string();
                               },
                               {}));
    EXPECT_TRUE(started);
    EXPECT_EQ(other.session.currentGameName, "late.sav");
    EXPECT_EQ(other.currentYear, 2000);
    EXPECT_EQ(other.currentWeek, 1);
    EXPECT_EQ(other.world().money, 777777);
    EXPECT_EQ(other.tables().people[6].currentTask, -1);  // not attached to the next task made there
    // The next week's cash change counts from the loaded cash.
    EXPECT_EQ(other.session.lastCash, 777777);
    EXPECT_EQ(other.session.monthCashChange, 0);
    ASSERT_GE(other.inbox.rows.size(), 3u);
    EXPECT_EQ(other.inbox.rows[1].cells[2], "Good Luck");
    EXPECT_EQ(q.progress.front().caption, "Loading Game...");
}

TEST_F(SaveLoadTest, SavingALoadedGameReplacesItsSlot) {
    p.textAnswers.push_back("PixelForge27");
    ASSERT_TRUE(saveGame(g, p));
    Game other;
    other.programFolder = dir.string();
    other.session.chosenSaveFile = "PixelForge27.sav";
    test::RecordingPlayer q;
    ASSERT_TRUE(loadChosenGame(other, q, [] { return std::string(); }, {}));
    // The offered name is the loaded file's; confirming it saves the slot
    // again, and so does the same name typed in capitals.
    ASSERT_TRUE(saveGame(other, q));
    q.textAnswers.push_back("PixelForge27.SAV");
    ASSERT_TRUE(saveGame(other, q));
    EXPECT_EQ(other.session.currentGameName, "PixelForge27");
    EXPECT_EQ(listSaveFiles(other), (std::vector<std::string>{"PixelForge27.sav"}));
    // A killed run's inbox file goes with the next load, not only the next save.
    std::ofstream(dir / "INbox.txt.4242-7.new") << "half a letter";
    ASSERT_TRUE(loadChosenGame(other, q, [] { return std::string(); }, {}));
    EXPECT_FALSE(fs::exists(dir / "INbox.txt.4242-7.new"));
    q.textAnswers.push_back(" .sav");
    EXPECT_FALSE(saveGame(other, q));
    EXPECT_EQ(q.only("message").back().b, "The game was not saved.\r\nThe file name is empty");
}

TEST_F(SaveLoadTest, NothingChosenOrADamagedFileLeavesTheGameAlone) {
    g.world().money = 5;
    g.session.chosenSaveFile = "";
    EXPECT_FALSE(loadChosenGame(g, p, {}, {}));
    ASSERT_EQ(p.only("notify").size(), 1u);
    EXPECT_EQ(p.only("notify")[0].a, "No file selected");
    EXPECT_EQ(p.only("notify")[0].b, "No file was selected");

    fs::create_directories(dir / "savegame");
    std::ofstream(dir / "savegame" / "short.sav") << "too short";
    g.session.chosenSaveFile = "short.sav";
    bool started = false;
    EXPECT_FALSE(loadChosenGame(g, p,
                                [&] {
                                    started = true;
                                    return std::string();
                                },
                                {}));
    EXPECT_FALSE(started);
    EXPECT_EQ(g.world().money, 5);
    EXPECT_EQ(p.only("message").back().a, "Load Error");
}

TEST_F(SaveLoadTest, SameSeedAndScriptGiveByteIdenticalSaves) {
    auto play = [&](const std::string& sub) {
        fs::create_directories(dir / sub);
        test::writeTinyDataArchive(dir / sub);
        std::ostringstream out;
        cli::Session s(out, (dir / sub).string());
        s.game->rng.fixedSeed = 99;
        s.game->rng.randomizeSeed();
        std::istringstream script("new-game company=\"Same Co\"\nnext-week 12\nsave slot\nload slot.sav\nsave again\n");
        EXPECT_EQ(cli::runScript(s, script, "t"), 0) << out.str();
        return bytes(dir / sub / "savegame" / "again.sav");
    };
    const std::string a = play("one");
    const std::string b = play("two");
    EXPECT_EQ(a.size(), kSaveImageSize);
    EXPECT_TRUE(a == b);
}

}  // namespace cw
