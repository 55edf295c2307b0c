// The player's staff: the weekly steps that touch the employees.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The computer-run companies' job offers to the player's staff.
void competitorHiring(Game& g, Player& p);

// Wage review at each employee's hiring anniversary, with the raises owed
// for unkept promises.
void yearlyWageReview(Game& g, Player& p);

// Opens the staff screen in manager mode and returns the chosen person, or -1
// when the player chose nobody.
int chooseTeamLeader(Game& g, Player& p, int task, bool newProject);
// Opens the staff screen in employee mode for the task.
void assignEmployees(Game& g, Player& p, int task);
// Offers to let the new leader pick his own team; returns how many idle
// employees he should take (0: the player chooses).
int offerAutoTeam(Game& g, Player& p, int leader);
// The leader takes up to `count` idle employees, those with little
// leadership first.
void autoAssignIdle(Game& g, int count, int task);

}  // namespace cw
