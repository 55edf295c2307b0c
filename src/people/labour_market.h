// The labour market: everybody who is not the player's employee.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Skills of people who do not work for the player grow a little each week.
void weeklySkillDrift(Game& g);

// People with the employed flag, over all 5000 entries.
i32 employeeCount(const Game& g);

}  // namespace cw
