#include "sim/task_progress.h"

#include <algorithm>
#include <string>

#include "dev/product_finish.h"
#include "hardware/platform_publishers.h"
#include "quality/game_quality.h"
#include "quality/task_calculators.h"
#include "sim/task_finish.h"
#include "state/inbox.h"
#include "state/log.h"
#include "state/money.h"
#include "state/tasks.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr i32 kFreelancerWage = 500;

using Weeks = decltype(World::weeklyWages);
using Years = decltype(World::yearlyBuildingCost);

// Perks are drawn in the order car, phone, computer, and only for the
// perks the person has.
i32 drawExtras(Game& g, const Person& p) {
    i32 extras = 0;
    if (p.freeCar) extras += 500 + g.rng.randomInt(500);
    if (p.freePhone) extras += 200 + g.rng.randomInt(300);
    if (p.freeComputer) extras += 400 + g.rng.randomInt(200);
    return extras;
}

void hardwareDiscovery(Game& g, Player& p, const Person& person, Task& t) {
    const i32 hw = person.hardware;
    if (g.currentWeek % 4 != 0 || t.taskType != kTaskPlatform || hw < 35) return;
    if (g.rng.randomInt(125 - hw) >= hw / 10) return;
    if (!t.improveCost) {
        if (t.improvementPoints < 10 && t.platform.cpuSpec < 1150) {
            t.improvementPoints += hw / 10;
            postLetter(g, p, "Hardware improvement, performance",
                       "Employee " + person.name.str() + " found a way to improve the performance of " +
                           t.platform.name.str());
        }
    } else {
        t.platform.costReduction += hw / 10;
        postLetter(g, p, "Hardware improvement, cost",
                   "Employee " + person.name.str() + " found a way to lower cost of " + t.platform.name.str());
    }
}

void payBuildingUpkeep(Game& g) {
    World& w = g.world();
    const struct {
        u8 level;
        i32 rate;
    } buildings[] = {{w.headquartersLevel, 2500},
                     {w.factoryLevel, 25000},
                     {w.publisherLevel, 2500},
                     {w.warehouseLevel, 500},
                     {w.extraOffices, 2500}};
    for (const auto& b : buildings) {
        if (b.level == 0) continue;
        const i32 cost = b.level * b.rate;
        payCash(w.money, cost);
        if (Years::inRange(g.currentYear)) addToMoney(w.yearlyBuildingCost[g.currentYear], cost);
    }
}

void payFreelancers(Game& g, Task& t, bool countAsWages) {
    const long long cost = static_cast<long long>(kFreelancerWage) * t.freelancers;
    World& w = g.world();
    payCash(w.money, cost);
    if (countAsWages && Weeks::inRange(g.currentWeek)) addToMoney(w.weeklyWages[g.currentWeek], cost);
    addToMoney(t.spent, cost);
}

void subtractWork(GameTitle& game, const Triple& rate) {
    game.workLeftProgramming -= rate[0];
    game.workLeftDesign -= rate[1];
    game.workLeftGraphics -= rate[2];
}

void advanceGame(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    World& w = g.world();
    const i32 chance = w.gameLevel * 150 - (w.gameTestCenterLevel + 1) * 100 + g.rng.randomInt(50);
    if (chance >= 0 && 2 * t.progress >= t.workTotal && g.currentWeek % 4 == 0) {
        if (g.rng.randomInt(1000) < chance + 1) {
            codeBugEvent(g, p, ti);
            p.refreshMainScreen();
        }
    }

    if (w.ownEngines.inRange(t.game.platform) && Arr<EngineSlot, 1, 150>::inRange(t.game.genre)) {
        EngineSlot& e = w.ownEngines[t.game.platform][t.game.genre];
        if (e.experience < 40 && g.rng.randomInt(10) < 6) e.experience += 1;
    }

    // The team's wages are in the project's costs already: the staff step
    // adds each person's pay as it is paid.

    if (t.progress >= t.workTotal) {
        subtractWork(t.game, workRates(g, t));
        t.game.workLeftProgramming = std::max(t.game.workLeftProgramming, 0);
        t.game.workLeftDesign = std::max(t.game.workLeftDesign, 0);
        t.game.workLeftGraphics = std::max(t.game.workLeftGraphics, 0);
        const i32 largest = largestWorkLeft(t).largest;
        payFreelancers(g, t, true);
        if (largest <= 1) finishGame(g, p, ti);
    } else if (t.workTotal > 0) {
        payFreelancers(g, t, false);
        const Triple rate = workRates(g, t);
        subtractWork(t.game, rate);
        t.progress += rate[0] + rate[1] + rate[2];
        updateGameQuality(g, t);
    }
}

void advanceStudy(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    t.progress += studyRate(g, t.taskSubtype, t.leader);
    if (t.progress >= t.workTotal) finishStudy(g, p, ti);
}

void advanceEngine(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    if (t.progress < t.workTotal) {
        if (t.freelancers > 0) {
            const long long cost = static_cast<long long>(kFreelancerWage) * t.freelancers;
            payCash(g.world().money, cost);
            addToMoney(t.engine.supportCost, cost);
            t.progress += 10 * t.freelancers;
        }
        return;
    }
    finishEngine(g, p, ti);
}

void advanceBuilding(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    t.progress += 84 + g.rng.randomInt(33);
    if (t.progress >= t.workTotal) finishBuilding(g, p, ti);
}

void advanceCostReduction(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    const int platform = costReductionPlatform(g, t);
    t.workTotal -= 1;
    // Without a console to work on there is nothing to discover.
    if (t.workTotal > 0 && platform > 0 && g.tables().platforms[platform].costReduction < 150) {
        if (const Person* leader = personOf(g, t.leader)) {
            const i32 hw = leader->hardware;
            if (g.rng.randomInt(112 - hw) < hw / 10) t.improvementPoints += hw / 10;
        }
        for (i32 member : t.staff) {
            const Person* s = personOf(g, member);
            if (!s || s->hardware < 35) continue;
            const i32 hw = s->hardware;
            if (g.rng.randomInt(120 - hw) < hw / 10) t.improvementPoints += hw / 10;
        }
    }
    if (t.workTotal <= 0) finishCostReduction(g, p, ti, platform);
}

void advancePlatform(Game& g, Player& p, int ti) {
    Task& t = g.tables().tasks[ti];
    if (!t.improving && t.progress >= t.workTotal) {
        if (dealCount(g, ti) < 3) {
            p.askDialog("Publisher",
                        std::string("You still have space for more main Game publishers on your platform") + kCrLf +
                            "By establishing releations with publishers you can sell even more if they make good "
                            "games for the platform",
                        false, false);
            openPlatformPublishers(g, p, ti);
        }
        showProjectStatus(g, p, ti);
        return;
    }
    if (t.improving && t.improveWeeksLeft <= 0) showProjectStatus(g, p, ti);
}

bool stillThere(const Task& t) { return !t.name.empty() && !t.closedFlag; }

}  // namespace

void staffWeek(Game& g, Player& p) {
    World& w = g.world();
    auto& image = g.tables();
    const bool weekInRange = Weeks::inRange(g.currentWeek);
    if (weekInRange) {
        w.weeklyWages[g.currentWeek] = 0;
        w.weeklyPerkCost[g.currentWeek] = 0;
    }
    for (int i = image.people.first; i <= image.people.last; ++i) {
        Person& person = image.people[i];
        if (!person.employed) continue;
        const i32 extras = drawExtras(g, person);
        const i32 pay = saturatedMoney(static_cast<long long>(extras) + person.salary);
        const i32 weeklyPay = pay / 4;
        const i32 weeklyExtras = extras / 4;
        payCash(w.money, weeklyPay);
        if (weekInRange) {
            addToMoney(w.weeklyWages[g.currentWeek], weeklyPay);
            addToMoney(w.weeklyPerkCost[g.currentWeek], weeklyExtras);
        }

        const i32 ti = person.currentTask;
        // An index to a slot that holds no task any more (a stale one from
        // an old save) is no work to pay into.
        if (ti <= 0 || !image.tasks.inRange(ti) || image.tasks[ti].name.empty()) continue;
        Task& t = image.tasks[ti];
        hardwareDiscovery(g, p, person, t);
        addToMoney(t.spent, weeklyPay);
        if (t.leader == i && person.leadWeeksLeft > 0) person.leadWeeksLeft -= 1;
        if (t.taskType == kTaskStudy && person.studyWeeksLeft > 0) person.studyWeeksLeft -= 1;
        if (t.taskType == kTaskEngine) {
            if (t.taskSubtype == kWorkEngineSupport)
                t.progress += 1;
            else
                t.progress += 15 * person.programming;
            addToMoney(t.engine.supportCost, weeklyPay);
        }
        if (t.taskType == kTaskPlatform) t.progress += person.hardware - 15;
    }
    if (g.currentWeek % 4 == 0) payBuildingUpkeep(g);
    p.refreshMainScreen();
}

void advanceTasks(Game& g, Player& p) {
    auto& tasks = g.tables().tasks;
    for (int i = tasks.first; i <= tasks.last; ++i) {
        Task& t = tasks[i];
        if (!stillThere(t)) continue;
        if (debugLogging()) verboseLog("Checking task:" + t.name.str());
        if (isGameTask(t)) advanceGame(g, p, i);
        if (stillThere(t) && t.taskType == kTaskStudy) advanceStudy(g, p, i);
        if (stillThere(t) && t.taskType == kTaskEngine) advanceEngine(g, p, i);
        if (stillThere(t) && isBuildingTask(t)) advanceBuilding(g, p, i);
        if (stillThere(t) && isCostReductionTask(t)) advanceCostReduction(g, p, i);
        if (stillThere(t) && isPlatformTask(t)) advancePlatform(g, p, i);
    }
}

void codeBugEvent(Game& g, Player& p, int ti) {
    if (!g.tables().tasks.inRange(ti)) return;
    Task& t = g.tables().tasks[ti];
    p.playCue(SoundCue::CodeBug);
    struct Kind {
        const char* title;
        const char* first;
        const char* consequence;
        i32 costRange, costPerWork;
        i32 percent[3];
    };
    static constexpr Kind kMajor{"Bug!", "A major code bug has been Discovedered in the project",
                                 "This means that the game will stay in development longer then you anticipated",
                                 50000, 8, {20, 15, 5}};
    static constexpr Kind kMinor{"BUG!", "A minor code bug has been Discovedered in the project",
                                 "This means that the game will stay in development a bit longer then you anticipated",
                                 25000, 3, {6, 3, 3}};
    static constexpr Kind kNormal{"BUG!", "A code bug has been Discovedered in the project",
                                  "This means that the game will stay in development longer then you anticipated",
                                  30000, 5, {10, 7, 5}};
    const i32 r = g.rng.randomInt(100);
    const Kind& k = r <= 9 ? kMajor : r <= 70 ? kMinor : kNormal;
    const i32 cost = saturatedMoney(g.rng.randomInt(k.costRange) + static_cast<long long>(k.costPerWork) * t.workTotal);
    const std::string text = std::string(k.first) + t.name.str() + "." + kCrLf + k.consequence +
                             "You can hire external expert help to sort this out fast, it will cost you $" +
                             std::to_string(cost) + kCrLf + "Do you want to pay for the expert help ?" + kCrLf +
                             "Note: upgrade your test center to minimize the chance of hidden bugs";
    if (p.askDialog(k.title, text, true, true)) {
        payCash(g.world().money, cost);
        addToMoney(t.spent, cost);
        return;
    }
    i32* left[3] = {&t.game.workLeftProgramming, &t.game.workLeftDesign, &t.game.workLeftGraphics};
    for (std::size_t a = 0; a < 3; ++a) *left[a] = *left[a] + *left[a] * k.percent[a] / 100;
}

}  // namespace cw
