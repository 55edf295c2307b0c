// Game companies that port their titles to the player's consoles.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The weekly deals of one released console of the player (a `Platforms` index).
void weeklyPlatformDeals(Game& g, Player& p, int platform);

// The signed publisher deals of the console a platform task designs.
int dealCount(const Game& g, int task);

// The publisher screen for a platform task in new development.
void openPlatformPublishers(Game& g, Player& p, int task);

}  // namespace cw
