// What a task's team delivers each week, and the estimates shown for it.
// All pure: they read the tables.
#pragma once

#include <string>

#include "sim/game_quality.h"
#include "sim/tasks.h"
#include "state/game.h"

namespace cw {

// The weekly output of a game team per area before the shares.
Triple teamWork(const Game& g, const Task& t);
// The work the team takes off each area this week, at least 1.
Triple workRates(const Game& g, const Task& t);

struct WorkLeft {
    i32 largest = 1;
    Triple clamped{1, 1, 1};  // each area's work left, at least 1
};
WorkLeft largestWorkLeft(const Task& t);

// "Finishes in approx." in whole weeks, or "Infinte" when nothing moves it.
struct WeeksEstimate {
    bool infinite = false;
    i32 weeks = 0;
    std::string text() const;
};

// The estimate of one area of a game task (0 programming, 1 design, 2 graphics).
WeeksEstimate gameAreaEstimate(const Game& g, const Task& t, int area);

}  // namespace cw
