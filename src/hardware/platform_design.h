// The player's own console designs.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The production cost of the console a platform task (1..500) is designing.
// Until the design model exists the cost stays as it is.
i32 developmentProductionCost(const Game& g, int task);

}  // namespace cw
