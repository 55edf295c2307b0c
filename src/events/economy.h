// The regions' economy and the financial news.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The economy's week; the platforms' hardware sales are its last part.
void economyWeek(Game& g, Player& p);

}  // namespace cw
