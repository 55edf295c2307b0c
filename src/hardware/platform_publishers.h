// Game companies that port their titles to the player's consoles.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The weekly deals of one released console of the player (a `Platforms` index).
void weeklyPlatformDeals(Game& g, Player& p, int platform);

}  // namespace cw
