// The weekly ageing of the platform market.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Consumer growth, still-in-use and piracy drift, cracker-group news, the
// demand forecast.
void platformMarketPartOne(Game& g, Player& p);

// Platform releases of the week, competition between platforms, ageing and
// price drift of released platforms.
void platformMarketPartTwo(Game& g, Player& p);

}  // namespace cw
