// Weekly hardware sales of the platforms.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The week's unit sales and prices of every platform on sale.
void platformSalesWeek(Game& g, Player& p);

}  // namespace cw
