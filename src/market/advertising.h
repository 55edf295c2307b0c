// Advertising campaigns for the player's projects.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The weekly hype drift of the running campaigns.
void RunCampaigns(Game& g, Player& p);

}  // namespace cw
