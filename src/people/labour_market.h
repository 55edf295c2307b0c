// The labour market: everybody who is not the player's employee, the words
// every person sheet uses, and the room the company has for staff.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Skills of people who do not work for the player grow a little each week.
void weeklySkillDrift(Game& g);

// People with the employed flag, over all 5000 entries.
i32 employeeCount(const Game& g);

// How many employees the company's buildings hold (the player counts).
i32 officeCapacity(const Game& g);

// "Poor    (1)" .. "Extreme( 5)" for 0..100; nothing above 100.
std::string personRatingWord(i32 value);

// "Inexperienced(1)" .. "God like    (10)" for levels 1..10; nothing otherwise.
std::string skillLevelWord(i32 level);

// The work areas 1..4 as the hiring screen names them; empty otherwise.
std::string workAreaName(i32 area);

}  // namespace cw
