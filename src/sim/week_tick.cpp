#include "sim/week_tick.h"

#include <algorithm>
#include <string>

#include "events/economy.h"
#include "finance/bank.h"
#include "finance/board.h"
#include "finance/shares.h"
#include "hardware/cpu_market.h"
#include "hardware/manufacturing.h"
#include "hardware/platform_design.h"
#include "hardware/platform_publishers.h"
#include "market/advertising.h"
#include "market/competitors.h"
#include "market/expo.h"
#include "market/sales.h"
#include "people/labour_market.h"
#include "people/staff_management.h"
#include "sim/game_clock.h"
#include "sim/platform_market.h"
#include "sim/task_progress.h"
#include "state/calendar.h"
#include "state/inbox.h"
#include "state/log.h"
#include "state/money.h"
#include "state/save_game.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

constexpr i32 kCashCap = 2000000000;
const char* const kDashes = "- - - - - - - - - - - - - - - - - -";

using Years = decltype(World::yearlyCash);

enum class Outcome { Played, GameOver };

// Every way the week tick ends the game: the dialog, then the end screen;
// nothing after it runs and nothing is saved.
Outcome endTheGame(Game& g, Player& p, const char* caption, const char* text) {
    p.askDialog(caption, text, false, false);
    showEndScreen(g, p);
    g.gameOver = true;
    return Outcome::GameOver;
}

void capCash(World& w) {
    if (w.money > kCashCap) w.money = kCashCap;
}

// The week's opening: the banner, the yearly show, the autosave, the inbox
// clean-up and the two ways the game can be over before anything moves.
Outcome openWeek(Game& g, Player& p) {
    World& w = g.world();
    Session& s = g.session;
    verboseLog("Next week initiated, Y:" + std::to_string(g.currentYear) + "W:" + std::to_string(g.currentWeek));
    verboseLog(kDashes);
    if (w.platformsImage > 100) w.platformsImage = 100;

    if (g.currentWeek >= 38 && g.currentWeek <= 47)
        p.setChristmasBanner("Christmas sales\r\n" + std::to_string(48 - g.currentWeek) + " weeks left");
    else
        p.setChristmasBanner("");

    if (g.currentWeek == 4 && g.currentYear > 1980) {
        verboseLog("Showing Computer show");
        ShowExpo(g, p);
    }

    if (g.currentWeek % 10 == 0) {
        if (s.autosave) {
            s.autosaveInProgress = true;
            p.notify("Saving Game", "Saving game...", 2000);
            p.processEvents();
            verboseLog("Auto save...");
            // A failed autosave has told the player why; it must not also
            // claim the game was saved.
            if (saveGame(g, p)) p.notify("Game saved", "Game has been saved", 2000);
            s.autosaveInProgress = false;
        }
        storePlayTime(g);
    }

    if (s.inboxOptions.deleteOldMail) {
        verboseLog("Checking inbox...");
        deleteOldLetters(g, [] { verboseLog("Deleting mail.."); });
    }

    if (s.cheatCount > 3) {
        verboseLog("Cheated more than 3 times... terminating");
        return endTheGame(g, p, "GAME", "Gameover. You cheated one to many times");
    }
    if (Session::endYear < g.currentYear)
        return endTheGame(g, p, "GAME",
                          "Game is over.You managed to get to the end year, Congratulations\r\nYou can now view the "
                          "result of you game. When done Choose Game options, End game");
    return Outcome::Played;
}

// Staff offers and contracts, then shares.
void companySteps(Game& g, Player& p) {
    World& w = g.world();
    // A level outside 1..3 (an unset or damaged world) must not divide by zero.
    const int level = std::clamp<int>(w.gameLevel, 1, 3);
    if (g.currentWeek % (16 / level) == 0) {
        verboseLog("AI looking for employess");
        competitorHiring(g, p);
    }
    verboseLog("Checking Employees contracts..");
    yearlyWageReview(g, p);
    if (g.currentWeek == 1 || g.currentWeek % 12 == 0) {
        verboseLog("calc company shares..");
        updateSharePrices(g);
    }
    w.sharePriceHistory[105] = sharePrice(g);
    verboseLog("Sharekurs setting values..");
    for (int i = 1; i <= 104; ++i) w.sharePriceHistory[i] = w.sharePriceHistory[i + 1];
}

// The factory, the sales and the markets.
void marketSteps(Game& g, Player& p) {
    World& w = g.world();
    auto& t = g.tables();
    // A stop asked for earlier in this week stays asked for: clearing it
    // here lost every click made before the week reached this point, and
    // the fast forward ran on for another week or more. The request is
    // cleared when a turn starts instead.
    p.progressShow();
    verboseLog("Turn wiz ON");
    w.weeklyCash[g.currentWeek] = w.money;
    w.weeklyLoan[g.currentWeek] = w.loan;

    platformBugCheck(g, p);
    factoryProduction(g, p);
    platformMarketRanking(g);

    verboseLog("Calculating sales..");
    UpdateWeeklySales(g, p);
    capCash(w);

    if (w.publisherNegotiationDept > 0) {
        payCash(w.money, 2500);
        if (Years::inRange(g.currentYear)) w.yearlyBuildingCost[g.currentYear] += 2500;
    }

    verboseLog("Checking player games releases deals(publisher)");
    for (const ProductEntry& product : w.products) {
        if (product.refA <= 0 || product.kind != ProductPlatform) continue;
        if (!decltype(SaveImage::platforms)::inRange(product.refA)) continue;
        if (t.platforms[product.refA].released) weeklyPlatformDeals(g, p, product.refA);
    }

    platformMarketPartOne(g, p);
    if (g.currentWeek % 10 == 0 || g.currentWeek <= 1) UpdateGenreTrends(g);

    verboseLog("Finding new releases..");
    ReleaseCompetitorTitles(g, p);
    economyWeek(g, p);
    cpuWeeklyHistory(g);
    cpuNews(g, p);
    RunCampaigns(g, p);
}

// Weekly countdowns of tasks, companies and people.
void countdowns(Game& g) {
    auto& t = g.tables();
    for (int i = 1; i <= decltype(SaveImage::tasks)::last; ++i) {
        Task& task = t.tasks[i];
        if (task.name.empty()) continue;
        if (task.taskType == 1 && task.taskSubtype == 0) task.platform.productionCost = developmentProductionCost(g, i);
        if (task.improving) task.improveWeeksLeft = std::max(task.improveWeeksLeft - 1, 0);
    }
    // Counted down first, then reset when above 100: a cooldown of 101 ends
    // at 100, anything higher (a byte that wrapped below 0) at once.
    auto countDown = [](u8& weeks) {
        if (weeks > 0) --weeks;
        if (weeks > 100) weeks = 0;
    };
    for (Company& c : t.companies) countDown(c.busyWeeks);
    for (Person& person : t.people) countDown(person.interviewCooldown);
}

// The calendar, with the year end in the tick that leaves week 52.
void advanceCalendar(Game& g, Player& p) {
    World& w = g.world();
    ++g.currentWeek;

    verboseLog("updating WEEKLY curves and stats");
    const int weeks = std::min(g.currentWeek, 52);
    i32 wages = 0, perks = 0;
    for (int i = 1; i <= weeks; ++i) {
        wages = addMoney(wages, w.weeklyWages[i]);
        perks += w.weeklyPerkCost[i];
    }
    if (Years::inRange(g.currentYear)) {
        w.yearlyWages[g.currentYear] = wages;
        w.yearlyPerkCost[g.currentYear] = perks;
    }

    verboseLog("updating YEARLY curves and stats");
    if (g.currentWeek != 53) return;
    const int year = g.currentYear;
    // The new year's opening cash is taken before the interest is paid.
    if (Years::inRange(year + 1)) {
        w.yearlyCash[year + 1] = w.money;
        w.yearlyEmployees[year + 1] = employeeCount(g);
    }
    // The bank's letter is dated in the first week of the closing year.
    g.currentWeek = 1;
    yearEndInterest(g, p);
    ++g.currentYear;
    g.session.lastYearCash.assign(w.weeklyCash.begin(), w.weeklyCash.end());
    for (int i = 1; i <= 52; ++i) {
        w.weeklyCash[i] = 0;
        w.weeklyLoan[i] = 0;
        w.weeklyPerkCost[i] = 0;
        w.weeklyWages[i] = 0;
    }
}

// The saved date, the progress window and the screens.
void reportWeek(Game& g, Player& p) {
    World& w = g.world();
    w.savedYear = g.currentYear;
    w.savedWeek = static_cast<u8>(g.currentWeek);

    ProgressInfo info;
    info.weekText = "Week " + std::to_string(g.currentWeek) + ", " + std::to_string(g.currentYear);
    info.dateText = progressDateText(g.currentYear, g.currentWeek);
    for (const Platform& pf : g.tables().platforms) {
        if (!pf.released) continue;
        info.platforms.push_back(pf.name.str() + " - " + std::to_string(pf.marketShare) + " - " +
                                 std::to_string(pf.cpuSpec) + " - " + std::to_string(pf.price));
    }
    info.inboxText = inboxProgressText(g);
    p.progressUpdate(info);

    verboseLog("Turn wiz calculating DONE");
    clearEmptyEntries(g);
    updateUnreadCount(g, p);
    p.refreshMainScreen();
}

// Debt warnings and the bank's takeover.
Outcome debtCheck(Game& g, Player& p) {
    World& w = g.world();
    if (w.money >= -50000) return Outcome::Played;
    if (maxCredit(g) > w.loan + 50000) {
        p.askDialog("Financial",
                    "You are in debt and have to repay some money to the bank.\r\nYou have not yet reached you credit "
                    "max so you can go to your bank and sort this out right away.\r\nYou have " +
                        std::to_string(20 - w.debtWeeks) + " Weeks to sort out your financial sitiuation",
                    false, false);
        p.showModal(ScreenId::Bank);
        ++w.debtWeeks;
    } else {
        ++w.debtWeeks;
        const i32 left = 20 - w.debtWeeks;
        if (left % 5 == 0 || left < 5)
            p.askDialog("Financial",
                        "Your Bank : You are in debt and has passed your credit max\r\nPlease make sure you repay the "
                        "bank as fast as possible\r\nor  the bank will take over you company\r\nYou have " +
                            std::to_string(left) + " Weeks to sort out your financial sitiuation",
                        false, false);
    }
    // The player may have borrowed in the bank screen just now.
    if (maxCredit(g) > w.loan + 50000 && w.money > 0) w.debtWeeks = 0;
    p.refreshMainScreen();
    if (w.debtWeeks >= 21)
        return endTheGame(g, p, "Bankrupt", "Your company was aquired by your bank to pay for your loan.");
    return Outcome::Played;
}

// Hostile takeover.
Outcome shareChecks(Game& g, Player& p) {
    if (takeoverComplete(g))
        return endTheGame(g, p, "Financial",
                          "A company managed to buy you out, by getting more shares in your company then you owned. "
                          "Next time try to keep an eye out for these hostile takeovers");
    if (g.currentWeek % 25 == 0) competitorShareBuying(g, p);
    if (takeoverThreatening(g)) {
        p.askDialog("Financial", "A company is trying to buy you out, make sure you buy back some shares next week",
                    false, false);
        g.session.stopRequested = true;
    }
    if (g.session.stopRequested) stopFastForward(g, p);
    return Outcome::Played;
}

// One week, up to the board meeting.
Outcome playWeek(Game& g, Player& p) {
    World& w = g.world();
    const int yearBefore = g.currentYear;
    const i32 cashBefore = w.money;
    if (openWeek(g, p) == Outcome::GameOver) return Outcome::GameOver;
    companySteps(g, p);
    marketSteps(g, p);
    countdowns(g);
    platformMarketPartTwo(g, p);

    verboseLog("Turn wiz calculating..");
    if (g.currentWeek % 4 == 0) {
        verboseLog("AI paying...");
        PayCompanyWages(g);
    }
    verboseLog("player paying...");
    staffWeek(g, p);
    verboseLog("Checking tasks...");
    advanceTasks(g, p);
    verboseLog("Checking tasks DONE!");

    advanceCalendar(g, p);
    weeklySkillDrift(g);
    yearEndPeopleStep(g, p);
    if (g.gameOver) return Outcome::GameOver;  // the owner was retired

    weeklyInterest(g);

    reportWeek(g, p);
    weekEndCues(p, yearBefore, g.currentYear, cashBefore, w.money);
    if (debtCheck(g, p) == Outcome::GameOver) return Outcome::GameOver;
    if (shareChecks(g, p) == Outcome::GameOver) return Outcome::GameOver;

    if (g.currentWeek == 2 && w.boardMeetingsEnabled) {
        verboseLog("Showing board meeting");
        holdBoardMeeting(g, p);
        if (g.gameOver) return Outcome::GameOver;
    }
    return Outcome::Played;
}

// The fast forward's wait after a week; true when the next week starts.
bool fastForwardGoesOn(Game& g, Player& p) {
    Session& s = g.session;
    if (!s.fastForward) return false;
    verboseLog("Fast forwarding..");
    p.pause(100);
    // A limit set by a headless run acts like a click on "Stop" during the wait.
    if (s.fastForwardWeeksLeft > 0 && --s.fastForwardWeeksLeft == 0) s.stopRequested = true;
    if (s.stopRequested) {
        stopFastForward(g, p);
        return false;
    }
    verboseLog("Going to \"Next week\"..");
    return true;
}

// The closing of a week.
void closeWeek(Game& g) {
    // The progress window's animation needs no stop of its own here: it ends
    // with the window's hiding, by stopFastForward or by "Next Week" itself.
    capCash(g.world());
    verboseLog("Turning on Timer3..");
    verboseLog("Done week turn..");
    verboseLog(kDashes);
}

}  // namespace

void stopFastForward(Game& g, Player& p) {
    p.progressHide();
    p.refreshMainScreen();
    g.session.fastForward = false;
}

void weekTick(Game& g, Player& p) {
    // A fast forward used to start the next week from inside the week before,
    // right after its wait, so each week's closing (the finance labels, the
    // cash cap and the last log lines) ran only after every later week had
    // finished. Thousands of weeks deep that would overflow the stack, so the
    // weeks are played in a loop and the closings run afterwards, newest week
    // first, exactly as the nested calls would have unwound. A game over ends
    // every pending week at once.
    // The finance labels are drawn after every week, so "This week" and
    // "This month" tell about the week just played, also while a fast
    // forward goes on (drawn only once it ended, they showed one week's
    // change as the whole run's and then nothing).
    int pendingWeeks = 0;
    for (;;) {
        if (playWeek(g, p) == Outcome::GameOver) {
            // The time played up to the end screen is kept, not only the
            // time up to the last tenth week.
            storePlayTime(g);
            return;
        }
        updateFinanceLabels(g);
        if (!fastForwardGoesOn(g, p)) break;
        p.refreshMainScreen();
        ++pendingWeeks;
    }
    closeWeek(g);
    for (; pendingWeeks > 0; --pendingWeeks) closeWeek(g);
}

}  // namespace cw
