// The factory's assembly lines and the warehouse.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Hardware bugs of recently released consoles, with the recall offer.
void platformBugCheck(Game& g, Player& p);

// The factory's weekly production run; stops when the warehouse is full.
void factoryProduction(Game& g, Player& p);

// Frees every warehouse entry that has been sold out.
void clearEmptyEntries(Game& g);

}  // namespace cw
