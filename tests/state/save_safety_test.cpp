// Saves that are killed, that meet a failing disk or odd files, and saves
// crafted with values the game's arithmetic cannot hold.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "cli/driver.h"
#include "cli/script.h"
#include "fakes/recording_player.h"
#include "state/inbox.h"
#include "state/save_file.h"
#include "state/save_game.h"
#include "state/save_ranges.h"
#include "state/save_slot.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

class SaveSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_safety_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
    }
    void TearDown() override {
        setSaveDiskHooks({});
        fs::remove_all(dir);
    }

    fs::path save(const std::string& name) { return dir / "savegame" / name; }
    std::string bytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    std::vector<std::string> savegameFiles() {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir / "savegame")) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void expectLoadsWithMoney(const std::string& name, i32 money) {
        EXPECT_FALSE(checkSaveFile(g, name));
        Game other;
        other.programFolder = dir.string();
        ASSERT_EQ(loadSaveImage(other, name, player), "");
        EXPECT_EQ(other.world().money, money);
    }

    fs::path dir;
    Game g;
    test::RecordingPlayer player;
};

}  // namespace

// Two real kills, each in a child process: the first between the two
// renames, the next save of that name while it writes its image.
TEST_F(SaveSafetyTest, TwoInterruptedSavesInARowKeepTheGame) {
    g.world().money = 1;
    ASSERT_EQ(writeSaveFiles(g, "s.sav"), "");
    g.world().money = 2;
    EXPECT_EXIT(
        {
            setSaveDiskHooks({{}, [](const std::string& step) {
                                  if (step == "image in place") std::_Exit(3);
                              }});
            writeSaveFiles(g, "s.sav");
        },
        ::testing::ExitedWithCode(3), "");
    g.world().money = 3;
    EXPECT_EXIT(
        {
            setSaveDiskHooks({[](const std::string& temp) {
                                  fs::resize_file(temp, 5000);
                                  std::_Exit(4);
                              },
                              {}});
            writeSaveFiles(g, "s.sav");
        },
        ::testing::ExitedWithCode(4), "");
    expectLoadsWithMoney("s.sav", 2);
    EXPECT_EQ(savegameFiles(), (std::vector<std::string>{"s.sav", "s.sav.tem"}));
}

// The same two kills as older builds left them, before any save completed
// the first: the waiting check file matches the image and must survive the
// clean-up of the second save's half image, under the old and new names.
TEST_F(SaveSafetyTest, AHalfImageNeverCostsTheCheckFileWaitingBesideTheImage) {
    g.world().money = 1;
    ASSERT_EQ(writeSaveFiles(g, "s.sav"), "");
    const std::string oldTem = bytes(save("s.sav.tem"));
    g.world().money = 2;
    ASSERT_EQ(writeSaveFiles(g, "s.sav"), "");
    const std::string newImage = bytes(save("s.sav"));
    const std::string newTem = bytes(save("s.sav.tem"));
    for (const auto& [waitingTem, halfImage] : {std::pair{"s.sav.tem.new", "s.sav.new"},
                                                std::pair{"s.sav.tem.4711-1.new", "s.sav.4711-2.new"}}) {
        put(save("s.sav.tem"), oldTem);
        put(save(waitingTem), newTem);
        put(save(halfImage), newImage.substr(0, 5000));
        expectLoadsWithMoney("s.sav", 2);
        EXPECT_EQ(savegameFiles(), (std::vector<std::string>{"s.sav", "s.sav.tem"}));
    }
    // A waiting check file of another image is thrown away.
    put(save("s.sav.tem.4711-3.new"), oldTem);
    EXPECT_EQ(listSaveFiles(g), (std::vector<std::string>{"s.sav"}));
    EXPECT_EQ(savegameFiles(), (std::vector<std::string>{"s.sav", "s.sav.tem"}));
}

TEST_F(SaveSafetyTest, ACheckFileThatCannotBeReplacedStillLeavesALoadingSlot) {
    g.world().money = 1;
    player.textAnswers.push_back("slot");
    ASSERT_TRUE(saveGame(g, player));
    fs::remove(save("slot.sav.tem"));
    fs::create_directories(save("slot.sav.tem") / "in the way");
    g.world().money = 2;
    EXPECT_TRUE(saveGame(g, player));
    std::string waiting;
    for (const std::string& n : savegameFiles())
        if (n.rfind("slot.sav.tem.", 0) == 0) waiting = n;
    ASSERT_FALSE(waiting.empty());
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(player.only("message")[0].b,
              "The game has been saved, but not every file could be written.\r\n"
              "slot.sav.tem: the check file cannot be replaced (Is a directory)\r\n"
              "slot.sav holds this game, and its check file waits as " +
                  waiting + "; the slot loads this game. The previous save of this name is replaced.");
    expectLoadsWithMoney("slot.sav", 2);
    EXPECT_TRUE(fs::exists(save(waiting)));  // it matches the image: never removed
}

TEST_F(SaveSafetyTest, AnInboxThatCannotBeWrittenIsReportedWithWhatItStillHolds) {
    postLetter(g, player, "Good Luck", "Welcome");
    player.textAnswers.push_back("box");
    ASSERT_TRUE(saveGame(g, player));
    const std::string oldInbox = bytes(dir / "INbox.txt");
    postLetter(g, player, "Game finished", "Done");
    g.world().money = 2;
    setSaveDiskHooks({[](const std::string& temp) {
                          if (temp.find("INbox.txt") != std::string::npos) fs::resize_file(temp, 0);
                      },
                      {}});
    EXPECT_TRUE(saveGame(g, player));
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(player.only("message")[0].b,
              "The game has been saved, but not every file could be written.\r\n"
              "INbox.txt: the inbox cannot be written (the written file is 0 bytes long, not " +
                  std::to_string(inboxFileText(g).size()) +
                  ")\r\nbox.sav and box.sav.tem hold this game without its letters; INbox.txt still holds the "
                  "letters of the save before.");
    EXPECT_EQ(bytes(dir / "INbox.txt"), oldInbox);
    expectLoadsWithMoney("box.sav", 2);
    std::vector<std::string> gameFolder;
    for (const auto& e : fs::directory_iterator(dir)) gameFolder.push_back(e.path().filename().string());
    std::sort(gameFolder.begin(), gameFolder.end());
    EXPECT_EQ(gameFolder, (std::vector<std::string>{"INbox.txt", "savegame"}));
}

// Two games saved at once write their inbox under names of their own: a
// save never picks up another one's half-written inbox.
TEST_F(SaveSafetyTest, EveryTemporaryFileHasANameOfItsOwn) {
    std::vector<std::string> temps;
    setSaveDiskHooks({[&](const std::string& temp) { temps.push_back(fs::path(temp).filename().string()); }, {}});
    ASSERT_EQ(writeSaveFiles(g, "a.sav"), "");
    ASSERT_EQ(writeSaveFiles(g, "a.sav"), "");
    ASSERT_EQ(temps.size(), 6u);
    std::sort(temps.begin(), temps.end());
    EXPECT_EQ(std::unique(temps.begin(), temps.end()), temps.end());
    EXPECT_EQ(temps[0].rfind("INbox.txt.", 0), 0u);
    EXPECT_TRUE(isTemporaryOf(temps[0], "INbox.txt"));
    EXPECT_FALSE(isTemporaryOf("a.sav.tem.12-3.new", "a.sav"));
    EXPECT_TRUE(isTemporaryOf("A.SAV.12-3.new", "a.sav"));
    EXPECT_FALSE(isTemporaryOf("a.sav.x12-3.new", "a.sav"));
}

TEST_F(SaveSafetyTest, AFifoInPlaceOfASaveFileIsRefusedAtOnce) {
    ASSERT_EQ(writeSaveFiles(g, "f.sav"), "");
    const std::string tem = bytes(save("f.sav.tem"));
    fs::remove(save("f.sav.tem"));
    ASSERT_EQ(::mkfifo(save("f.sav.tem").c_str(), 0644), 0);
    const std::string changed = "Error. File is not valid. Dont change the files outside the game";
    EXPECT_EQ(checkSaveFile(g, "f.sav")->text, changed);
    ASSERT_EQ(::mkfifo(save("f.sav.tem.5-5.new").c_str(), 0644), 0);
    EXPECT_EQ(checkSaveFile(g, "f.sav")->text, changed);
    EXPECT_FALSE(fs::exists(save("f.sav.tem.5-5.new")));

    fs::remove(save("f.sav.tem"));
    put(save("f.sav.tem"), tem);
    fs::remove(save("f.sav"));
    ASSERT_EQ(::mkfifo(save("f.sav").c_str(), 0644), 0);
    EXPECT_EQ(checkSaveFile(g, "f.sav")->text, "Error. File is not a valid cw2 savegame, error:22");
    std::unique_ptr<SaveImage> image;
    EXPECT_EQ(readSaveImage(g, "f.sav", image), "The save file f.sav cannot be opened.");

    test::RecordingPlayer p;
    postLetter(g, p, "Good Luck", "Welcome");
    fs::remove(dir / "INbox.txt");
    ASSERT_EQ(::mkfifo((dir / "INbox.txt").c_str(), 0644), 0);
    EXPECT_FALSE(readInboxFile(g, (dir / "INbox.txt").string()));
    EXPECT_EQ(g.inbox.rows[1].cells[2], "Good Luck");
}

TEST_F(SaveSafetyTest, ACraftedSaveWithExtremeValuesIsRefusedOnLoading) {
    g.currentYear = g.world().savedYear = 1990;
    g.currentWeek = g.world().savedWeek = 5;
    EXPECT_EQ(saveImageRangeProblem(g.tables()), "");
    g.tables().cpus[3].name = "Z80";
    g.tables().cpus[3].releaseYear = 2147420105;
    // The game's own save checks the same ranges and writes nothing ...
    EXPECT_EQ(writeSaveFiles(g, "big.sav"),
              "big.sav: the game holds a value a saved game cannot have (processor 3 has the release year "
              "2147420105)\r\nNo save of this name was written.");
    EXPECT_FALSE(fs::exists(save("big.sav")));
    // ... so the crafted file is written by hand, with a matching check file.
    {
        std::ofstream out(save("big.sav"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(g.imageBytes()), static_cast<std::streamsize>(kSaveImageSize));
    }
    std::ofstream(save("big.sav.tem"), std::ios::binary) << checkFileText(fileChecksum(save("big.sav").string()));
    EXPECT_FALSE(checkSaveFile(g, "big.sav"));  // the file itself is whole
    Game running;
    running.programFolder = dir.string();
    running.world().money = 77;
    EXPECT_EQ(loadSaveImage(running, "big.sav", player),
              "The save file big.sav is damaged: processor 3 has the release year 2147420105.");
    EXPECT_EQ(running.world().money, 77);
    EXPECT_EQ(running.tables().cpus[3].releaseYear, 0);

    g.tables().cpus[3].releaseYear = 1985;
    g.tables().platforms[5].cpuSpec = INT_MIN;
    EXPECT_EQ(saveImageRangeProblem(g.tables()), "platform 5 has the processor rating -2147483648");
    g.tables().platforms[5].cpuSpec = kLargestSpeed;
    g.tables().gameTitles[1999][12].releaseYear = -1;
    EXPECT_EQ(saveImageRangeProblem(g.tables()), "title 1999/12 has the release year -1");
    g.tables().gameTitles[1999][12].releaseYear = 1999;
    g.tables().genres[2].yearAvailable = 2999;  // never available
    g.tables().people[9].hireWeek = 54;
    EXPECT_EQ(saveImageRangeProblem(g.tables()), "person 9 has the hiring week 54");
    g.tables().people[9].hireWeek = 52;
    g.world().money = -2'000'000'001;
    EXPECT_EQ(saveImageRangeProblem(g.tables()), "the cash is -2000000001");
    g.world().money = 0;

    // The counts the weekly steps multiply and add to.
    struct Case {
        std::function<void(SaveImage&, i32)> set;
        i32 good, bad;
        std::string problem;
    };
    const Case cases[] = {
        {[](SaveImage& t, i32 v) { t.people[9].salary = v; }, kLargestSalary, kLargestSalary + 1,
         "person 9 has the salary 100000001"},
        {[](SaveImage& t, i32 v) { t.people[9].salary = v; }, 0, -1, "person 9 has the salary -1"},
        {[](SaveImage& t, i32 v) { t.tasks[4].freelancers = v; }, kLargestFreelancers, INT_MAX,
         "task 4 has the freelancer count 2147483647"},
        {[](SaveImage& t, i32 v) { t.tasks[4].workTotal = v; }, -kLargestWork, INT_MIN,
         "task 4 has the work -2147483648"},
        {[](SaveImage& t, i32 v) { t.tasks[4].progress = v; }, kLargestWork, kLargestWork + 1,
         "task 4 has the progress 100000001"},
        {[](SaveImage& t, i32 v) { t.tasks[4].game.weeksOnSale = v; }, 0, -5, "task 4's game has -5 weeks on sale"},
        {[](SaveImage& t, i32 v) { t.gameTitles[2001][7].weeksOnSale = v; }, kLargestWeeksOnSale, INT_MAX,
         "title 2001/7 has 2147483647 weeks on sale"},
        {[](SaveImage& t, i32 v) { t.gameTitles[2001][7].weeklyOutput = v; }, kLargestWeeklyOutput, -1,
         "title 2001/7 has the weekly output -1"},
        {[](SaveImage& t, i32 v) { t.world.boardOpinion = v; }, -kLargestBoardOpinion, INT_MIN,
         "the board's opinion is -2147483648"},
    };
    for (const Case& c : cases) {
        c.set(g.tables(), c.bad);
        EXPECT_EQ(saveImageRangeProblem(g.tables()), c.problem);
        c.set(g.tables(), c.good);
        EXPECT_EQ(saveImageRangeProblem(g.tables()), "") << c.problem;
    }
}

TEST_F(SaveSafetyTest, APersonOfAVanishedTaskIsFreedOnLoading) {
    g.tables().tasks[3].name = "Running";
    g.tables().people[5].currentTask = 3;
    g.tables().people[6].currentTask = 12;    // an empty slot
    g.tables().people[7].currentTask = 9999;  // beyond the table
    g.tables().people[8].currentTask = -1;
    EXPECT_EQ(detachStaleTasks(g.tables()), 2);
    EXPECT_EQ(g.tables().people[5].currentTask, 3);
    EXPECT_EQ(g.tables().people[6].currentTask, -1);
    EXPECT_EQ(g.tables().people[7].currentTask, -1);
    EXPECT_EQ(g.tables().people[8].currentTask, -1);
}

#ifdef CW_GAME_DIR_FOR_TESTS
// A game of the shipped world, played for some weeks, keeps every range.
TEST_F(SaveSafetyTest, AWorldPlayedForSomeWeeksSavesAndLoadsAgain) {
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    std::ostringstream out;
    cli::Session s(out, dir.string());
    s.game->rng.fixedSeed = 11;
    std::istringstream in("new-game company=\"Acme\" player=\"Ann\" level=1 age=40 specialty=Hardware music=off\n"
                          "next-week 60\nsave played\nload played.sav\n");
    EXPECT_EQ(cli::runScript(s, in, "t"), 0);
    EXPECT_NE(out.str().find("saved: played.sav\n"), std::string::npos);
    EXPECT_NE(out.str().find("loaded: played.sav, week "), std::string::npos) << out.str().substr(0, 2000);
}
#endif

}  // namespace cw
