// The game clock (Next Week, Fast forward, the finance labels, End Game) and
// what a new game writes into the world.
#include "sim/game_clock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "fakes/recording_player.h"
#include "setup/new_game.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

class GameClockTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    fs::path dir;

    void SetUp() override {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("cw_clock_" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.world().gameLevel = 2;
        g.world().sharesOwnedPercent = 40;  // no takeover by an empty holding
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    // One turn's label update at `week` with the cash at `money`.
    void labelsAt(int week, i32 money) {
        g.currentWeek = week;
        g.world().money = money;
        updateFinanceLabels(g);
    }
};

TEST_F(GameClockTest, FinanceLabelsSumTheMonthAndStartOverAfterWeeks1And4And8) {
    g.session.lastCash = 1000;
    labelsAt(1, 1500);
    EXPECT_EQ(g.session.weekCashChange, 500);
    EXPECT_EQ(g.session.monthCashChange, 0);  // reset after week 1
    EXPECT_EQ(g.session.lastCash, 1500);
    labelsAt(2, 1600);
    labelsAt(3, 1400);
    EXPECT_EQ(g.session.weekCashChange, -200);
    EXPECT_EQ(g.session.monthCashChange, -100);
    labelsAt(4, 1450);
    EXPECT_EQ(g.session.weekCashChange, 50);
    EXPECT_EQ(g.session.monthCashChange, 0);
    labelsAt(5, 1460);
    labelsAt(7, 1470);
    EXPECT_EQ(g.session.monthCashChange, 20);
    labelsAt(8, 1480);
    EXPECT_EQ(g.session.monthCashChange, 0);
    labelsAt(9, 1480);
    EXPECT_EQ(g.session.weekCashChange, 0);
}

TEST_F(GameClockTest, YearChangeAndTones) {
    g.currentYear = 1984;
    g.world().yearlyCash[1984] = 300;
    g.world().money = 250;
    EXPECT_EQ(yearCashChange(g), -50);
    EXPECT_EQ(toneOf(0), Tone::Neutral);
    EXPECT_EQ(toneOf(-1), Tone::Bad);
    EXPECT_EQ(toneOf(1), Tone::Good);
}

TEST_F(GameClockTest, NextWeekShowsTheWeekJustPlayedAndClosesAfterIt) {
    g.world().money = 4000000;
    g.session.lastCash = 4000000;
    g.world().publisherNegotiationDept = 1;  // the tick itself spends 2500
    g.world().money -= 100000;               // bought between turns
    nextWeek(g, p);
    EXPECT_EQ(g.currentWeek, 2);
    // The turn's purchase and the week just played show at once.
    EXPECT_EQ(g.session.weekCashChange, -102500);
    EXPECT_EQ(g.session.lastCash, 4000000 - 102500);
    ASSERT_GE(p.calls.size(), 3u);
    EXPECT_EQ(p.calls.front().kind, "progressShow");
    EXPECT_EQ(p.calls[p.calls.size() - 2].kind, "pause");
    EXPECT_EQ(p.calls[p.calls.size() - 2].number, 250);
    EXPECT_EQ(p.calls.back().kind, "progressHide");
    nextWeek(g, p);
    EXPECT_EQ(g.session.weekCashChange, -2500);
}

TEST_F(GameClockTest, FastForwardShowsEveryWeekItPlaysAsItGoes) {
    g.world().money = 4000000;
    g.session.lastCash = 4000000;
    g.world().publisherNegotiationDept = 1;
    g.world().money -= 579471;  // an engine bought before the run
    struct Watch : test::RecordingPlayer {
        Game* game = nullptr;
        std::vector<std::pair<i32, i32>> seen;  // week and month labels at each wait
        void pause(int ms) override {
            RecordingPlayer::pause(ms);
            if (ms == 100) seen.emplace_back(game->session.weekCashChange, game->session.monthCashShown);
        }
    } watch;
    watch.game = &g;
    startFastForward(g, watch, 5);
    EXPECT_EQ(g.currentWeek, 6);
    ASSERT_EQ(watch.seen.size(), 5u);
    EXPECT_EQ(watch.seen[0].first, -579471 - 2500);
    for (std::size_t k = 1; k < 5; ++k) EXPECT_EQ(watch.seen[k].first, -2500) << "week " << k + 1;
    // The period closes when week 4 comes and starts over.
    EXPECT_EQ(watch.seen[2].second, -579471 - 7500);
    EXPECT_EQ(watch.seen[4].second, -5000);
    EXPECT_EQ(g.session.weekCashChange, -2500);
}

TEST_F(GameClockTest, FastForwardStopsOnRequestAfterTheWeekInPlay) {
    startFastForward(g, p, 2);
    EXPECT_EQ(g.currentWeek, 3);
    EXPECT_FALSE(g.session.fastForward);
    EXPECT_EQ(g.session.fastForwardWeeksLeft, 0);

    // A stop requested before the fast forward starts is no request for it;
    // a click during the wait after a week stops before the next one.
    requestStop(g);
    EXPECT_TRUE(g.session.stopRequested);
    struct ClickStop : test::RecordingPlayer {
        Game* game = nullptr;
        int clickAfter = 0;
        void pause(int ms) override {
            RecordingPlayer::pause(ms);
            if (ms == 100 && --clickAfter == 0) requestStop(*game);
        }
    } clicker;
    clicker.game = &g;
    clicker.clickAfter = 4;
    startFastForward(g, clicker);
    EXPECT_EQ(g.currentWeek, 7);
    EXPECT_FALSE(g.session.fastForward);
}

TEST_F(GameClockTest, TheLicenceWaitCountsDownEveryWeekPlayedAndStopsAtZero) {
    g.session.engineSaleWait = 4;
    nextWeek(g, p);
    EXPECT_EQ(g.session.engineSaleWait, 3);
    // A fast forward of two weeks counts both weeks, not the one turn.
    startFastForward(g, p, 2);
    EXPECT_EQ(g.currentWeek, 4);
    EXPECT_EQ(g.session.engineSaleWait, 1);
    startFastForward(g, p, 3);
    EXPECT_EQ(g.session.engineSaleWait, 0);
    nextWeek(g, p);
    EXPECT_EQ(g.session.engineSaleWait, 0);
}

TEST_F(GameClockTest, EndGameAsksAndEndsOnlyOnYes) {
    p.buttonAnswers = {false, true};
    EXPECT_FALSE(endGameFromMenu(g, p));
    EXPECT_FALSE(g.gameOver);
    EXPECT_TRUE(p.only("screen").empty());
    EXPECT_FALSE(fs::exists(dir / "Cw2.tid"));
    addPlayTime(g, 30);
    EXPECT_TRUE(endGameFromMenu(g, p));
    EXPECT_TRUE(g.gameOver);
    // Quitting keeps the time played since the last tenth week.
    std::string played;
    std::getline(std::ifstream(dir / "Cw2.tid"), played);
    EXPECT_EQ(played, "30");
    const auto d = p.only("dialog");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].a, "Quit Current Game");
    EXPECT_EQ(d[1].b, "Are you sure you will quit current game ?");
    ASSERT_EQ(p.only("screen").size(), 1u);
    EXPECT_EQ(p.only("screen")[0].a, "Tform_end_screen");
}

TEST_F(GameClockTest, PlayTimeCountsTheStoredTimeOnlyWhenItsFileExists) {
    addPlayTime(g, 10);
    addPlayTime(g, 10);
    g.session.storedPlaySeconds = 1000;
    storePlayTime(g);
    std::string line;
    std::getline(std::ifstream(dir / "Cw2.tid"), line);
    EXPECT_EQ(line, "20");
    storePlayTime(g);
    std::getline(std::ifstream(dir / "Cw2.tid"), line);
    EXPECT_EQ(line, "1020");

    // An edited file near the largest count: the sum stops there.
    g.session.storedPlaySeconds = 2147483640;  // + the session's 20
    storePlayTime(g);
    std::getline(std::ifstream(dir / "Cw2.tid"), line);
    EXPECT_EQ(line, "2147483647");
}

// ---------------------------------------------------------------------------

TEST(NewGameTest, StartUpScoreAndLevelText) {
    NewGameOptions o;
    EXPECT_EQ(startupScore(o), 20);
    EXPECT_EQ(startupLevelText(20), "Medium");
    o.companyValue = 2;
    EXPECT_EQ(startupScore(o), 10);
    EXPECT_EQ(startupLevelText(10), "Extreme");
    o.boardMeetings = false;
    EXPECT_EQ(startupScore(o), 15);
    EXPECT_EQ(startupLevelText(15), "Hard");
    o.companyValue = 6;
    o.boardMeetings = true;
    EXPECT_EQ(startupScore(o), 30);
    EXPECT_EQ(startupLevelText(30), "Easiest");
    o.startWithFactory = o.startWithWarehouse = o.startWithPublisher = true;
    EXPECT_EQ(startupScore(o), 50);
    EXPECT_EQ(startupLevelText(11), "Very Hard");
    EXPECT_EQ(startupLevelText(29), "Easy");
    EXPECT_EQ(gameLevelName(3), "Experinced");
}

TEST(NewGameTest, WritesTheChoicesIntoTheWorldOnAFreshDate) {
    Game g;
    g.currentYear = 1990;
    g.currentWeek = 30;
    g.world().factoryLevel = 2;
    test::RecordingPlayer p;
    postLetter(g, p, "Old", "x");
    g.session.monthCashChange = 77;
    NewGameOptions o;
    o.companyName = "Acme Games";
    o.playerName = "Ann";
    o.companyValue = 5;
    o.gameLevel = 3;
    o.boardMeetings = false;
    o.startWithWarehouse = true;
    ASSERT_EQ(applyNewGameOptions(g, o), "");
    const World& w = g.world();
    EXPECT_EQ(w.gameLevel, 3);
    EXPECT_EQ(w.startupScore, 34);
    EXPECT_EQ(w.startCompanyValue, 7500000);
    EXPECT_EQ(w.money, 5000000);
    EXPECT_EQ(w.companyName.str(), "Acme Games");
    EXPECT_EQ(w.playerName.str(), "Ann");
    EXPECT_EQ(w.headquartersLevel, 1);
    EXPECT_EQ(w.factoryLevel, 0);
    EXPECT_EQ(w.publisherLevel, 0);
    EXPECT_EQ(w.warehouseLevel, 1);
    EXPECT_EQ(w.boardMeetingsEnabled, 0);
    EXPECT_EQ(g.currentYear, 1980);
    EXPECT_EQ(g.currentWeek, 1);
    EXPECT_EQ(g.inbox.rows.size(), 2u);
    EXPECT_EQ(g.session.lastCash, 5000000);
    EXPECT_EQ(g.session.monthCashChange, 0);
}

TEST(NewGameTest, NamesLongerThanTheScreenAllowsAreRefusedWithoutChanges) {
    Game g;
    NewGameOptions o;
    o.playerName = std::string(20, 'p');
    o.companyName = std::string(21, 'c');
    EXPECT_EQ(applyNewGameOptions(g, o), "The company name can have at most 20 characters");
    EXPECT_EQ(g.world().money, 0);
    o.companyName = "Acme";
    o.playerName = std::string(21, 'p');
    EXPECT_EQ(applyNewGameOptions(g, o), "The player name can have at most 20 characters");
    o.playerName = std::string(20, 'p');
    o.gameLevel = 4;
    EXPECT_EQ(applyNewGameOptions(g, o), "The game level is 1..3");
    o.gameLevel = 1;
    o.companyValue = 7;
    EXPECT_EQ(applyNewGameOptions(g, o), "The company value is 2..6");
    o.companyValue = 2;
    EXPECT_EQ(applyNewGameOptions(g, o), "");
    EXPECT_EQ(g.world().playerName.str(), std::string(20, 'p'));
}

}  // namespace
}  // namespace cw
