// Processors and the platforms' market ranking.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The weekly market ranking of the platforms.
void platformMarketRanking(Game& g);

// Stores every processor's price in this week's slot of its price history.
void cpuWeeklyHistory(Game& g);

// Processors released this week, with their news.
void cpuNews(Game& g, Player& p);

}  // namespace cw
