// A start or a load either completes or is refused with its message; a
// refusal leaves the running game, its tables and the game folder alone.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "fakes/recording_player.h"
#include "fakes/tiny_data.h"
#include "refdata/import.h"
#include "setup/load_game.h"
#include "setup/new_game.h"
#include "state/save_game.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

class StartRefusalTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_refusal_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.fixedSeed = 11;
    }
    void TearDown() override { fs::remove_all(dir); }

    // A started tiny world at `level`, saved as NAME.sav.
    void startAndSave(int level, const std::string& name) {
        test::writeTinyDataArchive(dir);
        NewGameOptions o;
        o.companyName = "Saved Co";
        o.playerName = "Ann";
        o.gameLevel = level;
        ASSERT_EQ(startNewGame(g, p, ref, o), "");
        p.textAnswers.push_back(name);
        ASSERT_TRUE(saveGame(g, p));
    }
    bool load(Game& into, test::RecordingPlayer& q, ReferenceTables& tables, const NewGameOptions& screen) {
        into.programFolder = dir.string();
        into.session.chosenSaveFile = "slot.sav";
        return loadChosenGame(
            into, q, [&] { return beginNewGame(into, q, tables, screen); }, [&] { finishNewGame(into, q, screen); });
    }

    fs::path dir;
    Game g;
    test::RecordingPlayer p;
    ReferenceTables ref;
};

}  // namespace

TEST_F(StartRefusalTest, ABrokenArchiveRefusesTheStartAndChangesNothing) {
    startAndSave(2, "slot");
    const i32 money = g.world().money;
    const int week = g.currentWeek;
    const auto cpus = ref.List_cpus.rows;
    const std::string names = "Ann\nSaved Co\n";

    std::ofstream(dir / "data.zip", std::ios::binary) << "broken";
    p.calls.clear();
    bool asked = false;
    NewGameHooks hooks;
    hooks.playerSetup = [&] {
        asked = true;
        return PlayerBonus{};
    };
    NewGameOptions o;
    o.playerName = "Bob";
    const std::string refused = startNewGame(g, p, ref, o, {}, hooks);
    EXPECT_EQ(refused.rfind("The reference data is incomplete: data.zip cannot be read (", 0), 0u);
    ASSERT_EQ(p.calls.size(), 1u);
    EXPECT_EQ(p.calls[0].kind, "message");
    EXPECT_EQ(p.calls[0].a, "UnZip failure");
    EXPECT_EQ(p.calls[0].b, refused);
    EXPECT_FALSE(asked);
    std::ifstream in(dir / "Namstart.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), names);
    EXPECT_EQ(g.world().money, money);
    EXPECT_EQ(g.world().playerName.str(), "Ann");
    EXPECT_EQ(g.currentWeek, week);
    EXPECT_EQ(ref.List_cpus.rows, cpus);
    EXPECT_EQ(ref.importProblem, "");
}

TEST_F(StartRefusalTest, TestIsRefusedWhileTheLastImportWasIncomplete) {
    test::writeTinyDataArchive(dir);
    ASSERT_EQ(importReferenceData(g, p, ref, ImportAction::ConvertData), "");
    std::string summary;
    ASSERT_TRUE(testWorld(g, p, ref, summary));
    EXPECT_EQ(summary.rfind("3 platforms", 0), 0u);

    fs::remove(dir / "data.zip");
    importReferenceData(g, p, ref, ImportAction::ConvertData);
    g.world().money = 42;
    p.calls.clear();
    EXPECT_FALSE(testWorld(g, p, ref, summary));
    EXPECT_EQ(summary, "");
    ASSERT_EQ(p.only("message").size(), 1u);
    EXPECT_EQ(p.only("message")[0].b, "The reference data is incomplete: data.zip is missing from the game folder.");
    EXPECT_EQ(g.world().money, 42);
}

TEST_F(StartRefusalTest, ALoadTakesNothingFromTheScreenAndItsLevelFromTheSave) {
    startAndSave(3, "slot");
    Game other;
    test::RecordingPlayer q;
    ReferenceTables tables;
    // Names the screen would refuse and another level: neither matters.
    NewGameOptions screen;
    screen.playerName = std::string(40, 'x');
    screen.gameLevel = 1;
    ASSERT_TRUE(load(other, q, tables, screen));
    EXPECT_EQ(other.world().playerName.str(), "Ann");
    EXPECT_EQ(other.world().companyName.str(), "Saved Co");
    EXPECT_EQ(other.world().gameLevel, 3);
    EXPECT_EQ(other.session.buildingBasePrice, 600000);
    EXPECT_EQ(tables.importProblem, "");
}

TEST_F(StartRefusalTest, ALoadRefusedByTheArchiveLeavesTheRunningGameAsItWas) {
    startAndSave(2, "slot");
    fs::remove(dir / "data.zip");
    Game other;
    other.world().money = 31337;
    other.session.currentGameName = "before.sav";
    test::RecordingPlayer q;
    ReferenceTables tables;
    EXPECT_FALSE(load(other, q, tables, NewGameOptions{}));
    EXPECT_EQ(other.world().money, 31337);
    EXPECT_FALSE(other.session.loadingSavedGame);
    EXPECT_EQ(other.session.currentGameName, "before.sav");
    ASSERT_EQ(q.only("message").size(), 1u);
    EXPECT_EQ(q.only("message")[0].a, "UnZip failure");
    EXPECT_EQ(q.calls.back().kind, "progressHide");
}

TEST_F(StartRefusalTest, SaveSummariesAreReadWithoutLoading) {
    startAndSave(2, "slot");
    const SaveSummary s = readSaveSummary(g, "SLOT.SAV");
    ASSERT_TRUE(s.readable);
    EXPECT_EQ(s.company, "Saved Co");
    EXPECT_EQ(s.year, 1980);
    EXPECT_EQ(s.week, 1);
    EXPECT_EQ(s.money, g.world().money);
    EXPECT_EQ(saveSummaryText(s), "Saved Co | 31. December, 1979 | $ 4,000,000");
    SaveSummary odd = s;
    odd.year = 2147420105;
    EXPECT_EQ(saveSummaryText(odd), "Saved Co | week 1, 2147420105 | $ 4,000,000");

    std::ofstream(dir / "savegame" / "short.sav") << "short";
    EXPECT_FALSE(readSaveSummary(g, "short.sav").readable);
    EXPECT_EQ(saveSummaryText(readSaveSummary(g, "short.sav")), "not a complete save");
    ASSERT_EQ(::mkfifo((dir / "savegame" / "pipe.sav").c_str(), 0600), 0);
    EXPECT_FALSE(readSaveSummary(g, "pipe.sav").readable);
    EXPECT_FALSE(readSaveSummary(g, "none.sav").readable);

    LoadScreen screen;
    screen.entries = {"short.sav", "slot.sav >>> 2026-01-01 10:00:00", "none.sav"};
    const auto now = fs::last_write_time(dir / "savegame" / "slot.sav");
    fs::last_write_time(dir / "savegame" / "short.sav", now - std::chrono::hours(5));
    EXPECT_EQ(newestSaveEntry(g, screen), 1);
    fs::last_write_time(dir / "savegame" / "short.sav", now + std::chrono::hours(5));
    EXPECT_EQ(newestSaveEntry(g, screen), 0);
    EXPECT_EQ(newestSaveEntry(g, LoadScreen{}), -1);
}

}  // namespace cw
