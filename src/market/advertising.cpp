#include "market/advertising.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "state/money.h"
#include "state/tasks.h"

namespace cw {
namespace {

struct CampaignKind {
    const char* caption;
    i32 range;  // a unit raises the hype when random(range) <= 5
    i32 gain;
};

constexpr CampaignKind kKinds[8] = {
    {"", 1, 0},
    {"Create and send out small poster for game shops", 700, 1},
    {"Create and send out billboards for game shops", 700, 2},
    {"Send detailed info and pictures to game magazines", 350, 2},
    {"Make radio spot", 500, 3},
    {"Advertise in newspapers", 400, 4},
    {"Advertise in Movie-theater", 400, 5},
    {"Advertise on TV", 300, 7},
};

bool validType(int type) { return type >= 1 && type <= 7; }

int g_openTask = 0;

i32& hypeOf(Task& t) { return t.taskType == kTaskGame ? t.game.hype : t.hype; }

// The seven counters follow the task's hype in the record, in the bytes
// the record keeps after it.
constexpr std::size_t kCounterBytes = sizeof(Task::reserved_1228);
static_assert(kCounterBytes >= 7 * sizeof(i32));

}  // namespace

std::string campaignCaption(int type) { return validType(type) ? kKinds[type].caption : ""; }

std::string campaignAreaText(int area) {
    switch (area) {
        case 1: return "National";
        case 2: return "continent";
        case 3: return "World wide";
        default: return {};
    }
}

i32 campaignPrice(int type, int area) { return type * 10000 * area; }

i32 campaignWeeks(const Task& t, int type) {
    if (!validType(type)) return 0;
    i32 v = 0;
    std::memcpy(&v, t.reserved_1228 + (type - 1) * sizeof(i32), sizeof v);
    return v;
}

void setCampaignWeeks(Task& t, int type, i32 units) {
    if (!validType(type)) return;
    std::memcpy(t.reserved_1228 + (type - 1) * sizeof(i32), &units, sizeof units);
}

std::string campaignStatus(const Task& t, int type) {
    return campaignWeeks(t, type) > 0 ? "(In progress)" : "(Ready)";
}

i32 projectHype(const Task& t) { return t.taskType == kTaskGame ? t.game.hype : t.hype; }

std::string advertisingRefusal(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].name.empty() || tasks[task].closedFlag)
        return "There is no task " + std::to_string(task);
    const Task& t = tasks[task];
    if ((t.taskType != kTaskGame && t.taskType != kTaskPlatform) || t.taskSubtype != 0)
        return "Task " + std::to_string(task) + " is not a game or platform project in development";
    return {};
}

std::string ShowAdvertising(Game& g, Player& p, int task) {
    if (std::string refusal = advertisingRefusal(g, task); !refusal.empty()) return refusal;
    const int previous = std::exchange(g_openTask, task);
    p.showModal(ScreenId::Advertising);
    g_openTask = previous;
    return {};
}

int openAdvertisingTask() { return g_openTask; }

bool ChooseCampaign(Game& g, Player& p, int type, int area) {
    if (!validType(type) || area < 1 || area > 3) return false;
    if (g.world().money >= campaignPrice(type, area)) return true;
    p.notify("Not enough Cash", "You do not have enough cash for this selection", 3000);
    return false;
}

bool StartCampaign(Game& g, Player& p, int task, int type, int area) {
    auto& tasks = g.tables().tasks;
    if (!advertisingRefusal(g, task).empty() || !validType(type) || area < 1 || area > 3) return false;
    World& w = g.world();
    Task& t = tasks[task];
    const i32 price = campaignPrice(type, area);
    if (w.money < price) {
        p.notify("Not enough Cash", "You do not have enough cash for this selection", 3000);
        return false;
    }
    // Both refusals used to leave the player guessing why nothing happened.
    if (w.publisherLevel != 0) {
        p.notify("Campaign not started",
                 "No campaign can be bought while the company has its own publishing department.", 3000);
        return false;
    }
    if (campaignWeeks(t, type) > 0) {
        p.notify("Campaign not started",
                 campaignCaption(type) + " is still running; a new one can start when it has ended.", 3000);
        return false;
    }
    setCampaignWeeks(t, type, 20 * area);
    payCash(w.money, price);
    if (w.yearlyDevelopmentCost.inRange(g.currentYear)) addToMoney(w.yearlyDevelopmentCost[g.currentYear], price);
    addToMoney(t.spent, price);
    return true;
}

void RunCampaigns(Game& g, Player&) {
    auto& tasks = g.tables().tasks;
    for (int i = tasks.first; i <= tasks.last; ++i) {
        Task& t = tasks[i];
        for (int k = 1; k <= 7; ++k) {
            i32 units = campaignWeeks(t, k);
            if (units <= 0) continue;
            const int n = std::min(units / 3 + 1, 5);
            for (int r = 0; r < n; ++r) {
                --units;
                if (g.rng.randomInt(kKinds[k].range) <= 5) hypeOf(t) += kKinds[k].gain;
            }
            setCampaignWeeks(t, k, units);
        }
    }
}

}  // namespace cw
