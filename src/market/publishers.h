// Game publishers: the companies that take the player's games to the shops.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Shows the publisher list for game task `task` and returns how many
// publishers it offered; a deal signed there sets the game's companyRow.
int ShowPublisherOffers(Game& g, Player& p, int task);

}  // namespace cw
