// The computer player on the shipped data: whole stretches of a game played
// through the player's actions. These are the canary of the game's balance
// and of its determinism: a change that makes the plain strategy go broke
// before 1990, or that lets the same seed play out differently, fails here.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "autoplay/autoplay.h"
#include "finance/bank.h"
#include "people/labour_market.h"
#include "fakes/cli_session.h"
#include "fakes/recording_player.h"
#include "setup/new_game.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

class AutoplayTest : public test::CliSessionTest {
protected:
    void SetUp() override {
        std::error_code ec;
        fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip", ec);
        ASSERT_FALSE(ec) << "data.zip is missing from the game folder; build the cw_data target first";
    }

    // A new level-1 game from the seed, played by the computer to the end of `until`.
    AutoplayReport play(std::uint32_t seed, int until, int level = 2) {
        s.game->rng.fixedSeed = seed;
        EXPECT_EQ(run("new-game level=1\nautosave off\n"), 0);
        test::RecordingPlayer shown;
        AutoplayOptions o;
        o.untilYear = until;
        o.level = level;
        return autoplay(*s.game, shown, o);
    }

    std::string fileBytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(AutoplayTest, ThreeSeedsAtLevelOneReach1990WithoutBankruptcy) {
    for (const std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const AutoplayReport r = play(seed, 1989);
        EXPECT_FALSE(r.gameOver) << r.ending;
        EXPECT_EQ(r.ending, "stopped");
        EXPECT_EQ(s.game->currentYear, 1990);
        EXPECT_EQ(s.game->currentWeek, 1);
        EXPECT_EQ(s.game->world().debtWeeks, 0);
        // It played the game, not just the weeks: staff, games, releases.
        EXPECT_EQ(r.years.size(), 10u);
        EXPECT_GT(r.hires, 0);
        EXPECT_GT(r.gamesReleased, 3);
        EXPECT_LT(r.bestChartPos, 255);
        EXPECT_EQ(r.unknownDialogs, 0);
    }
}

// Two runs of the program with the same seed, each in a fresh game folder
// (the names file and the high score of an earlier game change what a new
// game starts from, as they would for a person).
TEST_F(AutoplayTest, TheSameSeedGivesTheSameSaveByteForByte) {
    std::string saves[2];
    for (int round = 0; round < 2; ++round) {
        const fs::path folder = dir / ("round" + std::to_string(round));
        fs::create_directories(folder);
        fs::copy_file(dir / "data.zip", folder / "data.zip");
        std::ostringstream transcript;
        cli::Session session(transcript, folder.string());
        session.game->rng.fixedSeed = 7;
        std::istringstream script("new-game level=1\nautosave off\nautoplay until=1984\nsave canary\n");
        ASSERT_EQ(cli::runScript(session, script, "t"), 0);
        EXPECT_NE(transcript.str().find("autoplay: stopped in week 1, 1985"), std::string::npos) << transcript.str();
        saves[round] = fileBytes(folder / "savegame" / "canary.sav");
        ASSERT_EQ(saves[round].size(), sizeof(SaveImage));
    }
    EXPECT_TRUE(saves[0] == saves[1]) << "two games of seed 7 saved different bytes";
}

// The canary of every game level: a seed that plays the longest at each,
// played twice in fresh game folders with the whole set of habits. Level 1
// must stay solvent to the last year (with its consoles), levels 2 and 3 to
// the year before the one the seed goes bankrupt in, and each pair of saves
// must match byte for byte.
TEST_F(AutoplayTest, EveryGameLevelPlaysOnAndTheSameSeedSavesTheSameBytes) {
    struct Canary {
        int level;
        std::uint32_t seed;
        int until;
    };
    for (const Canary c : {Canary{1, 2, 2004}, Canary{2, 2, 1993}, Canary{3, 2, 1984}}) {
        SCOPED_TRACE("game level " + std::to_string(c.level));
        std::string saves[2];
        for (int round = 0; round < 2; ++round) {
            const fs::path folder = dir / ("L" + std::to_string(c.level) + "_" + std::to_string(round));
            fs::create_directories(folder);
            fs::copy_file(dir / "data.zip", folder / "data.zip");
            std::ostringstream transcript;
            cli::Session session(transcript, folder.string());
            session.game->rng.fixedSeed = c.seed;
            std::istringstream script("new-game level=" + std::to_string(c.level) +
                                      "\nautosave off\nautoplay level=3 until=" + std::to_string(c.until) +
                                      "\nsave canary\n");
            ASSERT_EQ(cli::runScript(session, script, "t"), 0);
            EXPECT_NE(transcript.str().find("autoplay: stopped in week 1, " + std::to_string(c.until + 1)),
                      std::string::npos)
                << transcript.str().substr(transcript.str().size() > 3000 ? transcript.str().size() - 3000 : 0);
            EXPECT_EQ(transcript.str().find("dialogs without a rule"), std::string::npos);
            saves[round] = fileBytes(folder / "savegame" / "canary.sav");
            ASSERT_EQ(saves[round].size(), sizeof(SaveImage));
        }
        EXPECT_TRUE(saves[0] == saves[1]) << "two games of the same seed saved different bytes";
    }
}

// Every question the computer answers is printed with its answer, down to
// the debt warnings and the bankruptcy; the habits are left out by name.
TEST_F(AutoplayTest, TheTranscriptShowsEveryAnswerAndHabitsCanBeLeftOut) {
    s.game->rng.fixedSeed = 1;
    ASSERT_EQ(run("new-game level=3\nautosave off\nautoplay level=3 transcript=yes no=sequels|expo\n"), 0);
    EXPECT_TRUE(printed("[dialog] Publisher Deal | ")) << out.str();
    EXPECT_TRUE(printed("[dialog] Financial | ")) << out.str();
    EXPECT_TRUE(printed("[dialog] Bankrupt | ")) << out.str();
    EXPECT_TRUE(printed("[screen] TForm_E3 -> Go to the show >> (none)")) << out.str();
    EXPECT_TRUE(printed("0 sequels, 0 booths, ")) << out.str();
    EXPECT_TRUE(printed("autoplay: bankrupt in week ")) << out.str();

    EXPECT_EQ(run("autoplay no=buildings|flying\n"), 2);
    EXPECT_TRUE(printed("no takes habits buildings|engines|research|sequels|console|study|expo|tools|licences, "
                        "not \"flying\"")) << out.str();
    for (unsigned bit = 1; bit < kAllHabits; bit <<= 1) EXPECT_EQ(habitBit(habitName(bit)), bit);
    EXPECT_EQ(habitBit("console"), HabitConsole);
    EXPECT_EQ(habitBit(""), 0u);
}

TEST_F(AutoplayTest, EveryLevelPlaysAFirstYearThroughTheActions) {
    for (const int level : {1, 2, 3}) {
        SCOPED_TRACE("level " + std::to_string(level));
        const AutoplayReport r = play(11, 1980, level);
        EXPECT_EQ(r.weeksPlayed, 52);
        EXPECT_GE(r.hires, 1);
        EXPECT_GE(r.gamesStarted, 1);
        // Level 1 buys its engines, the others make their own.
        if (level == 1) {
            EXPECT_EQ(r.enginesStarted, 0);
        } else {
            EXPECT_GE(r.enginesStarted, 1);
            EXPECT_EQ(r.enginesBought, 0);
        }
        ASSERT_EQ(r.years.size(), 1u);
        EXPECT_EQ(r.years[0].year, 1980);
        EXPECT_EQ(r.years[0].cash, s.game->world().yearlyCash[1981]);
    }
}

TEST_F(AutoplayTest, TheCommandPrintsTheYearsAndRefusesBadOptions) {
    s.game->rng.fixedSeed = 3;
    ASSERT_EQ(run("new-game level=1\nautosave off\nautoplay until=1981 level=1\n"), 0);
    EXPECT_TRUE(printed("  1980: cash ")) << out.str();
    EXPECT_TRUE(printed("  1981: cash ")) << out.str();
    EXPECT_TRUE(printed("autoplay: stopped in week 1, 1982; 104 weeks played")) << out.str();
    EXPECT_EQ(run("autoplay level=4\n"), 2);
    EXPECT_TRUE(printed("level must be 1..3")) << out.str();
    EXPECT_EQ(run("autoplay until=1979\n"), 2);
    EXPECT_EQ(run("autoplay fast\n"), 2);
    EXPECT_EQ(run("autoplay log=maybe\n"), 2);
}

// Out of cash with the bank lending no more: level 1 lets the weakest
// employee go, week by week; level 2 first sells a packet of shares.
TEST_F(AutoplayTest, WithoutCashOrCreditItCutsWagesOrSellsShares) {
    for (const int level : {1, 2}) {
        SCOPED_TRACE("level " + std::to_string(level));
        play(5, 1980, level);
        World& w = s.game->world();
        const i32 staff = employeeCount(*s.game);
        ASSERT_GT(staff, 1);
        w.loan = maxCredit(*s.game);
        w.money = -60000;
        const i32 sharesBefore = w.sharesOwnedPercent;
        std::ostringstream log;
        test::RecordingPlayer shown;
        AutoplayOptions o;
        o.untilYear = 1981;
        o.level = level;
        o.log = &log;
        const AutoplayReport r = autoplay(*s.game, shown, o);
        if (level == 1) {
            EXPECT_GE(r.fired, 1) << log.str();
            EXPECT_NE(log.str().find("1981 w1: fires #"), std::string::npos) << log.str();
            EXPECT_EQ(w.sharesOwnedPercent, sharesBefore);
        } else {
            EXPECT_NE(log.str().find("1981 w1: sells 5% of the shares for "), std::string::npos) << log.str();
            EXPECT_EQ(w.sharesOwnedPercent, sharesBefore - 5);
        }
    }
}

// At its highest level the computer builds a factory, hires a hardware
// team, designs a console, signs platform publishers, runs the assembly
// lines and sells units; without the habit it does none of it.
TEST_F(AutoplayTest, TheConsoleHabitDesignsReleasesAndSellsAConsole) {
    for (const bool console : {true, false}) {
        SCOPED_TRACE(console ? "with the console" : "no=console");
        s.game->rng.fixedSeed = 2;
        ASSERT_EQ(run("new-game level=1\nautosave off\n"), 0);
        std::ostringstream log;
        test::RecordingPlayer shown;
        AutoplayOptions o;
        o.untilYear = 1989;
        o.level = 3;
        o.log = &log;
        if (!console) o.habits = kAllHabits & ~HabitConsole;
        const AutoplayReport r = autoplay(*s.game, shown, o);
        EXPECT_EQ(r.ending, "stopped");
        EXPECT_EQ(r.unknownDialogs, 0) << log.str();
        i32 units = 0;
        std::int64_t consoleIncome = 0;
        for (const AutoplayYear& y : r.years) {
            units += y.consoleUnits;
            consoleIncome += y.consoleIncome;
            EXPECT_LE(y.consoleIncome, y.income) << y.year;
        }
        int own = 0;
        for (const Platform& p : s.game->tables().platforms)
            if (!p.name.empty() && p.playerOwned) ++own;
        const std::string text = log.str();
        if (console) {
            EXPECT_GE(r.consoles, 1);
            EXPECT_GE(r.consolesReleased, 1);
            EXPECT_GE(r.platformDeals, 1);
            EXPECT_EQ(own, r.consolesReleased);
            EXPECT_GT(units, 100000);
            EXPECT_GT(consoleIncome, 100000000LL);
            EXPECT_GE(s.game->world().factoryLevel, 1);
            for (const char* step : {"builds a factory for ", "designs the console Auto Box 1, spec ", " games on the console for ",
                                     "finishes the console Auto Box 1: platform ", "releases the console Auto Box 1",
                                     " assembly lines for Auto Box 1, stock "})
                EXPECT_NE(text.find(step), std::string::npos) << step << "\n" << text;
        } else {
            EXPECT_EQ(r.consoles, 0);
            EXPECT_EQ(r.consolesReleased, 0);
            EXPECT_EQ(own, 0);
            EXPECT_EQ(units, 0);
            EXPECT_EQ(consoleIncome, 0);
            EXPECT_EQ(text.find("console"), std::string::npos) << text;
        }
    }
}

TEST_F(AutoplayTest, NeedsAGame) {
    EXPECT_EQ(run("autoplay\n"), 2);
    EXPECT_TRUE(printed("there is no game yet")) << out.str();
}

TEST(AutoplaySummary, NamesTheEndingAndTheFigures) {
    AutoplayReport r;
    r.ending = "bankrupt";
    r.endYear = 1994;
    r.endWeek = 12;
    r.weeksPlayed = 740;
    r.hires = 4;
    r.gamesStarted = 9;
    r.gamesReleased = 8;
    r.enginesStarted = 3;
    r.finalScore = 1500;
    EXPECT_EQ(autoplaySummary(r),
              "autoplay: bankrupt in week 12, 1994; 740 weeks played, 4 hired, 9 games started, 8 released, 3 "
              "engines started, 0 bought, best chart none, score 1500");
    r.bestChartPos = 3;
    r.unknownDialogs = 2;
    EXPECT_NE(autoplaySummary(r).find("best chart 3, score 1500, 2 dialogs without a rule"), std::string::npos);
}

}  // namespace
}  // namespace cw
