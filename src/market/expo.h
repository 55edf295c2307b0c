// The yearly computer and games show.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Offers the booth and runs the show (week 4 of every year after 1980).
void ShowExpo(Game& g, Player& p);

}  // namespace cw
