// Weekly hardware sales of the platforms.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The week's unit sales and prices of every platform on sale.
void platformSalesWeek(Game& g, Player& p);

// Every platform's "Overall Index": what its hardware, favour and share
// offer for its price, 1..200; 0 for a platform not on the market.
void updateOverallIndex(Game& g);

// Orders the released platforms by standing and fills the main screen's
// top-five list; with arrows the list also shows how each moved.
void platformStanding(Game& g, bool withArrows);

// The unit production cost of one of the player's released platforms.
i32 playerPlatformUnitCost(const Game& g, int platform);

// The standing score of a released platform.
i32 platformStandingScore(const Platform& pf);

// The regions' lists of preferred hardware (1 US, 2 Europe, 3 Asia): unlike
// the games' lists they leave out handhelds in the US and consoles in Europe.
const std::string& hardwarePreferenceList(int region);
bool hardwarePreferred(const Platform& pf, int region);

}  // namespace cw
