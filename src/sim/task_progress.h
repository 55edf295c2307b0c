// The company's weekly work: wages and the progress of every task.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Wages, the staff's own contribution to platform and engine tasks, hardware
// discoveries, building upkeep.
void staffWeek(Game& g, Player& p);

// Moves every task forward and finishes those that are done.
void advanceTasks(Game& g, Player& p);

// A code bug found in game task `task`: the player pays for expert help or
// the work left grows.
void codeBugEvent(Game& g, Player& p, int task);

}  // namespace cw
