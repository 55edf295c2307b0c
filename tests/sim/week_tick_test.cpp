// The week tick: the order of its steps, the calendar and the year end, the
// ends of the game, debt, the cash cap and the fast forward's unwinding.
#include "sim/week_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/recording_player.h"
#include "sim/game_clock.h"
#include "state/calendar.h"
#include "state/inbox.h"
#include "state/log.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

fs::path makeTempDir(const fs::path& base = fs::temp_directory_path()) {
    std::random_device rd;
    fs::path dir = base / ("cw_tick_" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(dir);
    return dir;
}

// The log rewrites its whole file after every line; in memory that costs
// little, on a busy disk it costs seconds.
fs::path logBase() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// Installs a verbose log in a folder of its own and hands back the messages
// written, without time stamps, header or footer.
class LogCapture {
public:
    LogCapture() : dir_(makeTempDir(logBase())), log_(dir_.string(), "cwtest", "cwtest", "0") {
        log_.startLog();
        log_.debugLogging = true;
        installAppLog(&log_);
    }
    ~LogCapture() {
        installAppLog(nullptr);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        const auto& lines = log_.lines();
        if (lines.size() < static_cast<std::size_t>(Log::headerLines) + 3) return out;
        for (std::size_t i = Log::headerLines; i + 3 < lines.size(); ++i) {
            const std::size_t at = lines[i].find(" : ");
            out.push_back(at == std::string::npos ? lines[i] : lines[i].substr(at + 3));
        }
        return out;
    }
    int count(const std::string& message) const {
        const auto m = messages();
        return static_cast<int>(std::count(m.begin(), m.end(), message));
    }

private:
    fs::path dir_;
    Log log_;
};

class WeekTickTest : public ::testing::Test {
protected:
    Game g;
    test::RecordingPlayer p;
    fs::path dir = makeTempDir();

    void SetUp() override {
        g.programFolder = dir.string();
        g.world().gameLevel = 2;
        g.world().money = 1000000;
        // The player holds the shares of a new game, so no rival's empty
        // holding counts as a takeover.
        g.world().sharesOwnedPercent = 40;
        g.world().playerName = "Ann";
        g.currentYear = 1983;
        g.currentWeek = 5;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void at(int year, int week) {
        g.currentYear = year;
        g.currentWeek = week;
    }
    std::vector<test::Call> dialogs() const { return p.only("dialog"); }
    std::vector<std::string> screens() const {
        std::vector<std::string> out;
        for (const auto& c : p.only("screen")) out.push_back(c.a);
        return out;
    }
};

TEST_F(WeekTickTest, YearEndWritesOpeningCashBeforeChargingInterestAndSendsTheBankLetter) {
    World& w = g.world();
    at(1985, 52);
    w.yearlyLoanCost[1985] = 5000;
    for (int i = 1; i <= 52; ++i) {
        w.weeklyWages[i] = 10;
        w.weeklyPerkCost[i] = 1;
        w.weeklyCash[i] = 77;
        w.weeklyLoan[i] = 88;
    }
    g.tables().people[7].employed = 1;
    g.tables().people[4000].employed = 1;

    weekTick(g, p);

    EXPECT_EQ(g.currentYear, 1986);
    EXPECT_EQ(g.currentWeek, 1);
    EXPECT_EQ(w.yearlyCash[1986], 1000000);
    EXPECT_EQ(w.money, 995000);
    EXPECT_EQ(w.yearlyEmployees[1986], 2);
    // The sums are taken with the advanced week 53, over all 52 weeks; week
    // 52's own figures are this week's staff step, which paid nobody.
    EXPECT_EQ(w.yearlyWages[1985], 510);
    EXPECT_EQ(w.yearlyPerkCost[1985], 51);
    for (int i = 1; i <= 52; ++i) {
        EXPECT_EQ(w.weeklyWages[i], 0);
        EXPECT_EQ(w.weeklyPerkCost[i], 0);
        EXPECT_EQ(w.weeklyCash[i], 0);
        EXPECT_EQ(w.weeklyLoan[i], 0);
    }
    EXPECT_EQ(w.savedYear, 1986);
    EXPECT_EQ(w.savedWeek, 1);
    const auto letters = p.only("letter");
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_EQ(letters[0].a, "Financial, Bank");
    EXPECT_EQ(letters[0].b, "Dear Ann\r\nWe have credited your account, 5000 to pay the interest rate of your loan");
}

TEST_F(WeekTickTest, YearEndWithoutInterestSendsNoLetter) {
    at(1985, 52);
    weekTick(g, p);
    EXPECT_EQ(g.currentYear, 1986);
    EXPECT_EQ(g.world().money, 1000000);
    EXPECT_EQ(g.world().yearlyCash[1986], 1000000);
    EXPECT_TRUE(p.only("letter").empty());
}

TEST_F(WeekTickTest, WeeksInsideTheYearOnlyAdvanceTheWeekAndRecordCash) {
    World& w = g.world();
    w.loan = 300;
    w.weeklyWages[1] = 5;
    w.weeklyWages[6] = 7;  // the advanced week is included
    w.weeklyWages[7] = 1000;
    weekTick(g, p);
    EXPECT_EQ(g.currentYear, 1983);
    EXPECT_EQ(g.currentWeek, 6);
    EXPECT_EQ(w.weeklyCash[5], 1000000);
    EXPECT_EQ(w.weeklyLoan[5], 300);
    EXPECT_EQ(w.yearlyWages[1983], 12);
    EXPECT_EQ(w.yearlyCash[1984], 0);
}

TEST_F(WeekTickTest, TheLastYearIsPlayedToTheEndAndTheNextTickEndsTheGame) {
    at(2005, 52);
    weekTick(g, p);
    EXPECT_FALSE(g.gameOver);
    EXPECT_EQ(g.currentYear, 2006);
    EXPECT_EQ(g.currentWeek, 1);
    EXPECT_TRUE(dialogs().empty());

    p.calls.clear();
    p.progress.clear();
    g.session.sessionPlaySeconds = 580;  // in week 1: the tenth week is far
    weekTick(g, p);
    EXPECT_TRUE(g.gameOver);
    // The play time up to the end screen is kept.
    std::string played;
    std::getline(std::ifstream(dir / "Cw2.tid"), played);
    EXPECT_EQ(played, "580");
    const auto d = dialogs();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].a, "GAME");
    EXPECT_EQ(d[0].b,
              "Game is over.You managed to get to the end year, Congratulations\r\nYou can now view the result of you "
              "game. When done Choose Game options, End game");
    EXPECT_EQ(screens(), std::vector<std::string>{"Tform_end_screen"});
    // Nothing after the end: no week passes, the progress window is not filled.
    EXPECT_EQ(g.currentYear, 2006);
    EXPECT_EQ(g.currentWeek, 1);
    EXPECT_TRUE(p.progress.empty());
}

TEST_F(WeekTickTest, TheFourthCheatEndsTheGameAtTheNextTick) {
    g.session.cheatCount = 3;
    weekTick(g, p);
    EXPECT_FALSE(g.gameOver);
    g.session.cheatCount = 4;
    weekTick(g, p);
    EXPECT_TRUE(g.gameOver);
    const auto d = dialogs();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].a, "GAME");
    EXPECT_EQ(d[0].b, "Gameover. You cheated one to many times");
    EXPECT_EQ(screens(), std::vector<std::string>{"Tform_end_screen"});
    EXPECT_EQ(g.currentWeek, 6);
}

TEST_F(WeekTickTest, FiftyThousandBelowZeroIsNotYetDebt) {
    World& w = g.world();
    w.money = -50000;
    w.debtWeeks = 3;
    weekTick(g, p);
    EXPECT_EQ(w.debtWeeks, 3);
    EXPECT_TRUE(dialogs().empty());
    w.money = -50001;
    weekTick(g, p);
    EXPECT_EQ(w.debtWeeks, 4);
}

// A company without buildings gets no credit, so in debt it has always
// passed its credit maximum: the countdown warns at 15, 10, 5 and each of
// the last weeks.
TEST_F(WeekTickTest, DebtPastTheCreditMaximumCountsDownToBankruptcyAtTwentyOne) {
    World& w = g.world();
    w.money = -1000000;
    int ticks = 0;
    while (!g.gameOver && ticks < 40) {
        weekTick(g, p);
        ++ticks;
    }
    EXPECT_EQ(ticks, 21);
    EXPECT_EQ(w.debtWeeks, 21);
    const auto d = dialogs();
    std::vector<std::string> left;
    for (std::size_t i = 0; i + 1 < d.size(); ++i) {
        EXPECT_EQ(d[i].a, "Financial");
        const std::string tail = " Weeks to sort out your financial sitiuation";
        const std::size_t from = d[i].b.rfind("You have ") + 9;
        left.push_back(d[i].b.substr(from, d[i].b.size() - tail.size() - from));
    }
    EXPECT_EQ(left, (std::vector<std::string>{"15", "10", "5", "4", "3", "2", "1", "0", "-1"}));
    ASSERT_FALSE(d.empty());
    EXPECT_EQ(
        d.front().b,
        "Your Bank : You are in debt and has passed your credit max\r\nPlease make sure you repay the bank as fast "
        "as possible\r\nor  the bank will take over you company\r\nYou have 15 Weeks to sort out your financial "
        "sitiuation");
    EXPECT_EQ(d.back().a, "Bankrupt");
    EXPECT_EQ(d.back().b, "Your company was aquired by your bank to pay for your loan.");
    EXPECT_EQ(screens(), std::vector<std::string>{"Tform_end_screen"});
}

// A negative loan leaves the (empty) credit line above the loan: the branch
// of a player who can still borrow.
TEST_F(WeekTickTest, DebtWithCreditLeftSendsThePlayerToTheBank) {
    World& w = g.world();
    w.money = -60000;
    w.loan = -100000;
    weekTick(g, p);
    const auto d = dialogs();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].a, "Financial");
    EXPECT_EQ(d[0].b,
              "You are in debt and have to repay some money to the bank.\r\nYou have not yet reached you credit max so "
              "you can go to your bank and sort this out right away.\r\nYou have 20 Weeks to sort out your financial "
              "sitiuation");
    EXPECT_EQ(screens(), std::vector<std::string>{"Tform_bank"});
    EXPECT_EQ(w.debtWeeks, 1);
}

TEST_F(WeekTickTest, AiHiringRunsEvery16Or8Or5WeeksByLevel) {
    for (int level : {0, 1, 2, 3}) {
        LogCapture log;
        g.world().gameLevel = static_cast<u8>(level);
        at(1983, 1);
        for (int i = 0; i < 16; ++i) weekTick(g, p);
        const int expected = level == 3 ? 3 : level == 2 ? 2 : 1;  // an unset level counts as 1
        EXPECT_EQ(log.count("AI looking for employess"), expected) << "level " << level;
        EXPECT_EQ(log.count("Checking Employees contracts.."), 16);
    }
}

TEST_F(WeekTickTest, OneTickLogsItsStepsInOrder) {
    LogCapture log;
    at(1983, 12);  // shares and wages weeks
    weekTick(g, p);
    const std::vector<std::string> expected = {"Next week initiated, Y:1983W:12",
                                               "- - - - - - - - - - - - - - - - - -",
                                               "Checking inbox...",
                                               "Checking Employees contracts..",
                                               "calc company shares..",
                                               "Sharekurs setting values..",
                                               "Turn wiz ON",
                                               "Calculating sales..",
                                               "Checking sales for Releases Y:1980",
                                               " Releases that year ::0",
                                               "Checking sales for Releases Y:1981",
                                               " Releases that year ::0",
                                               "Checking sales for Releases Y:1982",
                                               " Releases that year ::0",
                                               "Checking sales for Releases Y:1983",
                                               " Releases that year ::0",
                                               "Checking player games releases deals(publisher)",
                                               "Checking Number of hardware consumers",
                                               "Checking Number of still used on platforms",
                                               "Finding new releases..",
                                               "Turn wiz calculating..",
                                               "AI paying...",
                                               "player paying...",
                                               "Checking tasks...",
                                               "Checking tasks DONE!",
                                               "updating WEEKLY curves and stats",
                                               "updating YEARLY curves and stats",
                                               "Turn wiz calculating DONE",
                                               "Turning on Timer3..",
                                               "Done week turn..",
                                               "- - - - - - - - - - - - - - - - - -"};
    EXPECT_EQ(log.messages(), expected);
}

TEST_F(WeekTickTest, SharePriceHistoryShiftsWithTheNewPriceInTheLastTwoEntries) {
    World& w = g.world();
    for (int i = 1; i <= 105; ++i) w.sharePriceHistory[i] = i * 10;
    // (3,000,000 div 10,000 + (1,000,000 + 3,000,000) div 100,000) div 3
    w.startCompanyValue = 3000000;
    w.headquartersLevel = 1;
    weekTick(g, p);
    EXPECT_EQ(w.sharePriceHistory[1], 20);
    EXPECT_EQ(w.sharePriceHistory[103], 1040);
    EXPECT_EQ(w.sharePriceHistory[104], 113);
    EXPECT_EQ(w.sharePriceHistory[105], 113);
}

TEST_F(WeekTickTest, CashIsCappedAtTwoBillion) {
    g.world().money = 2100000000;
    weekTick(g, p);
    EXPECT_EQ(g.world().money, 2000000000);
    g.world().money = 1999999999;
    weekTick(g, p);
    EXPECT_EQ(g.world().money, 1999999999);
    g.world().platformsImage = 150;
    weekTick(g, p);
    EXPECT_EQ(g.world().platformsImage, 100);
}

TEST_F(WeekTickTest, ChristmasBannerCountsDownInWeeks38To47) {
    for (int week : {37, 38, 47, 48}) {
        at(1983, week);
        weekTick(g, p);
    }
    EXPECT_EQ(p.banners, (std::vector<std::string>{"", "Christmas sales\r\n10 weeks left",
                                                   "Christmas sales\r\n1 weeks left", ""}));
}

TEST_F(WeekTickTest, TenthWeekWithoutAutosaveWritesOnlyThePlayTime) {
    g.session.sessionPlaySeconds = 120;
    g.session.storedPlaySeconds = 500;
    at(1983, 9);
    weekTick(g, p);
    EXPECT_FALSE(fs::exists(dir / "Cw2.tid"));

    weekTick(g, p);  // week 10
    EXPECT_TRUE(p.only("notify").empty());
    std::ifstream in(dir / "Cw2.tid");
    std::stringstream text;
    text << in.rdbuf();
    // Without a file from earlier runs only this session's time counts.
    EXPECT_EQ(text.str(), "120\n");
}

TEST_F(WeekTickTest, TenthWeekWithAutosaveSavesAndReusesAnExistingPlayTimeFile) {
    std::ofstream(dir / "CW2.TID") << "500\n";
    g.session.autosave = true;
    g.session.sessionPlaySeconds = 120;
    g.session.storedPlaySeconds = 500;
    at(1983, 20);
    weekTick(g, p);
    const auto n = p.only("notify");
    ASSERT_EQ(n.size(), 2u);
    EXPECT_EQ(n[0].a, "Saving Game");
    EXPECT_EQ(n[0].b, "Saving game...");
    EXPECT_EQ(n[0].number, 2000);
    EXPECT_EQ(n[1].a, "Game saved");
    EXPECT_EQ(n[1].b, "Game has been saved");
    EXPECT_FALSE(g.session.autosaveInProgress);
    EXPECT_TRUE(fs::exists(dir / "savegame" / "AutoSave.sav"));
    EXPECT_TRUE(fs::exists(dir / "savegame" / "AutoSave.sav.tem"));
    // The play-time file found in another letter case is reused, not doubled.
    EXPECT_FALSE(fs::exists(dir / "Cw2.tid") && fs::exists(dir / "CW2.TID") && !fs::equivalent(dir / "Cw2.tid", dir / "CW2.TID"));
    std::ifstream in(dir / "CW2.TID");
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "620");
}

TEST_F(WeekTickTest, CooldownsCountDownAndAbove100AreReset) {
    const int before[] = {0, 1, 100, 101, 102, 255};
    const int after[] = {0, 0, 99, 100, 0, 0};
    for (int i = 0; i < 6; ++i) {
        g.tables().companies[i + 1].busyWeeks = static_cast<u8>(before[i]);
        g.tables().people[i + 4990].interviewCooldown = static_cast<u8>(before[i]);
    }
    weekTick(g, p);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(g.tables().companies[i + 1].busyWeeks, after[i]) << before[i];
        EXPECT_EQ(g.tables().people[i + 4990].interviewCooldown, after[i]) << before[i];
    }
}

TEST_F(WeekTickTest, ImprovementCountdownStopsAtZeroAndSkipsFreeSlots) {
    auto& tasks = g.tables().tasks;
    // Games still being made, so that the task step keeps them.
    for (int i = 1; i <= 3; ++i) tasks[i].workTotal = 1000;
    tasks[1].name = "Game";
    tasks[1].improving = 1;
    tasks[1].improveWeeksLeft = 2;
    tasks[2].name = "Done";
    tasks[2].improving = 1;
    tasks[2].improveWeeksLeft = 0;
    tasks[3].name = "Idle";
    tasks[3].improveWeeksLeft = 5;
    tasks[4].improving = 1;  // no name: a free slot
    tasks[4].improveWeeksLeft = 3;
    weekTick(g, p);
    EXPECT_EQ(tasks[1].improveWeeksLeft, 1);
    EXPECT_EQ(tasks[2].improveWeeksLeft, 0);
    EXPECT_EQ(tasks[3].improveWeeksLeft, 5);
    EXPECT_EQ(tasks[4].improveWeeksLeft, 3);
}

TEST_F(WeekTickTest, NegotiationDepartmentCostsItsWeeklyFee) {
    g.world().publisherNegotiationDept = 1;
    weekTick(g, p);
    EXPECT_EQ(g.world().money, 997500);
    EXPECT_EQ(g.world().yearlyBuildingCost[1983], 2500);
}

TEST_F(WeekTickTest, ProgressWindowShowsTheNewWeekAndTheReleasedPlatforms) {
    auto& pf = g.tables().platforms;
    pf[3].name = "Atari";
    pf[3].released = 1;
    pf[3].marketShare = 12;
    pf[3].cpuSpec = 300;
    pf[3].price = 199;
    // Earnings that keep the maker from raising the price this week.
    pf[3].makerEarnings = 2500000;
    pf[4].name = "Future";
    at(1983, 52);
    weekTick(g, p);
    ASSERT_FALSE(p.progress.empty());
    const ProgressInfo& info = p.progress.back();
    EXPECT_EQ(info.weekText, "Week 1, 1984");
    EXPECT_EQ(info.dateText, progressDateText(1984, 1));
    // The week's ageing takes one to three points off the platform's `cpuSpec`.
    EXPECT_EQ(info.platforms, std::vector<std::string>{"Atari - 12 - 297 - 199"});
    EXPECT_EQ(info.inboxText, "Inbox messages :0");
    EXPECT_GE(p.refreshes, 1);
}

TEST_F(WeekTickTest, OldLettersAreDeletedOnlyWithTheOption) {
    at(1983, 5);
    postLetter(g, p, "Old", "a");
    postLetter(g, p, "Older", "b");
    at(1985, 5);
    {
        LogCapture log;
        g.session.inboxOptions.deleteOldMail = false;
        weekTick(g, p);
        EXPECT_EQ(log.count("Checking inbox..."), 0);
        EXPECT_EQ(g.inbox.rows.size(), 4u);
    }
    LogCapture log;
    g.session.inboxOptions.deleteOldMail = true;
    weekTick(g, p);
    EXPECT_EQ(log.count("Checking inbox..."), 1);
    EXPECT_EQ(log.count("Deleting mail.."), static_cast<int>(4 - g.inbox.rows.size()));
    EXPECT_EQ(g.inbox.rows.size(), 2u);
}

// Each week's closing steps wait until the later weeks have finished, as
// when every week started the next one from inside itself.
TEST_F(WeekTickTest, FastForwardUnwindsTheClosingStepsNewestWeekFirst) {
    LogCapture log;
    startFastForward(g, p, 3);
    std::vector<std::string> seen;
    for (const auto& m : log.messages()) {
        if (m.rfind("Next week initiated", 0) == 0)
            seen.push_back("start " + m.substr(m.find("W:") + 2));
        else if (m == "Fast forwarding.." || m == "Going to \"Next week\".." || m == "Done week turn..")
            seen.push_back(m);
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"start 5", "Fast forwarding..", "Going to \"Next week\"..", "start 6",
                                        "Fast forwarding..", "Going to \"Next week\"..", "start 7", "Fast forwarding..",
                                        "Done week turn..", "Done week turn..", "Done week turn.."}));
    EXPECT_EQ(g.currentWeek, 8);
    EXPECT_FALSE(g.session.fastForward);
    std::vector<int> pauses;
    for (const auto& c : p.only("pause")) pauses.push_back(c.number);
    EXPECT_EQ(pauses, (std::vector<int>{100, 100, 100, 250}));
}

// "Stop fast forward" pressed while a week is being played: the windows take
// the click wherever the week lets them (here at its banner, the first thing
// it shows). The week in play is the last one, whatever step it had reached.
TEST_F(WeekTickTest, FastForwardStopsAtTheEndOfTheWeekInWhichStopWasPressed) {
    struct StopInWeek : test::RecordingPlayer {
        Game* game = nullptr;
        int stopInWeek = 0;
        int weeksStarted = 0;
        void setChristmasBanner(std::string_view text) override {
            RecordingPlayer::setChristmasBanner(text);
            if (++weeksStarted == stopInWeek) requestStop(*game);
        }
    };
    for (int stopIn : {1, 3}) {
        SCOPED_TRACE(stopIn);
        at(1983, 5);
        StopInWeek clicker;
        clicker.game = &g;
        clicker.stopInWeek = stopIn;
        startFastForward(g, clicker);
        EXPECT_EQ(clicker.weeksStarted, stopIn);
        EXPECT_EQ(g.currentWeek, 5 + stopIn);
        EXPECT_FALSE(g.session.fastForward);
    }
    // A stop left over from before is no request for the next fast forward.
    at(1983, 5);
    requestStop(g);
    startFastForward(g, p, 2);
    EXPECT_EQ(g.currentWeek, 7);
}

TEST_F(WeekTickTest, GameOverDuringFastForwardEndsEveryPendingWeek) {
    LogCapture log;
    at(2005, 51);
    startFastForward(g, p);
    EXPECT_TRUE(g.gameOver);
    EXPECT_EQ(g.currentYear, 2006);
    EXPECT_EQ(log.count("Going to \"Next week\".."), 2);
    EXPECT_EQ(log.count("Done week turn.."), 0);
    EXPECT_EQ(screens(), std::vector<std::string>{"Tform_end_screen"});
    EXPECT_EQ(p.only("pause").size(), 2u);  // the two waits between the three weeks, none after the end
}

}  // namespace
}  // namespace cw
