// The player's own console designs.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The production cost of the console a platform task (1..500) is designing.
// Until the design model exists the cost stays as it is.
i32 developmentProductionCost(const Game& g, int task);

// The memory size of choice `variant` (0 half, 1 the year's size, 2 double)
// in the current year: "512 KB", "4 MB", "2 GB".
std::string memorySizeText(const Game& g, int variant);

}  // namespace cw
