// Weekly game sales and the competitors' wages.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The week's revenue of every released game, the charts and the player's income.
void UpdateWeeklySales(Game& g, Player& p);

// The computer-run companies pay their staff (every fourth week).
void PayCompanyWages(Game& g);

}  // namespace cw
