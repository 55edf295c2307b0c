// What a task's team delivers and costs each week, and the estimates the
// task panel and the projects list show. All pure: they read the tables.
#pragma once

#include <string>

#include "state/game.h"
#include "state/tasks.h"

namespace cw {

// The weekly output of a game team per area before the shares: the leader
// counts 15 times his skill, each member 10 times, each freelancer 8.
Triple teamWork(const Game& g, const Task& t);

// The work the team takes off each area this week: its share of the team's
// output, at least 1.
Triple workRates(const Game& g, const Task& t);

struct WorkLeft {
    i32 largest = 1;
    Triple clamped{1, 1, 1};  // each area's work left, at least 1
};
WorkLeft largestWorkLeft(const Task& t);

// The wages of the leader and the members for one week.
i32 weeklyTeamCost(const Game& g, const Task& t);

// How much a person learns per week of a study subject (subtypes 10..14).
i32 studyRate(const Game& g, int taskSubtype, int person);

// "Finishes in approx." in whole weeks, or "Infinte" when nothing moves the
// task forward.
struct WeeksEstimate {
    bool infinite = false;
    i32 weeks = 0;
    // The number, or "Infinte".
    std::string text() const;
};

// The estimate of one area of a game task (0 programming, 1 design, 2 graphics).
WeeksEstimate gameAreaEstimate(const Game& g, const Task& t, int area);

// Where the estimate is shown decides one case: the projects list counts an
// engine support deal by its people, the task panel by its weeks left.
enum class EstimateView { List, Panel };
WeeksEstimate taskEstimate(const Game& g, const Task& t, EstimateView view);

// Work done in percent, 0..100, for the projects list's bar.
int taskPercent(const Task& t);

// Whether the task's subtype and type make it one of the kinds below.
inline bool isGameTask(const Task& t) { return t.taskType == kTaskGame && t.taskSubtype == kWorkNew; }
inline bool isBuildingTask(const Task& t) { return t.taskSubtype == kWorkConstruction; }
inline bool isCostReductionTask(const Task& t) {
    return t.taskType == kTaskPlatform && t.taskSubtype == kWorkCostReduction;
}
inline bool isPlatformTask(const Task& t) { return t.taskType == kTaskPlatform && t.taskSubtype == kWorkNew; }

// The Platforms index of the console a cost-reduction task works on (through
// its product slot), or 0 when the slot names no platform.
int costReductionPlatform(const Game& g, const Task& t);

// The number of filled staff slots.
int staffCount(const Task& t);

// The person at an index, or null for 0 and indices outside the table.
const Person* personOf(const Game& g, i32 index);
Person* personOf(Game& g, i32 index);

}  // namespace cw
