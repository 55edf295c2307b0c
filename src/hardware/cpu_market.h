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

// A platform takes part in the market ranking.
bool platformRanked(const Platform& pf);

// The ranking score of platform `p` before ranks are given: its lead in
// processor power over weaker ranked platforms plus the titles announced
// for it, divided by its price class. 0 for a platform that is not ranked.
i32 platformRankingScore(const Game& g, int p);

// The question put to the player when a processor comes out while a team
// designs a platform around an older one.
std::string cpuResearchQuestion(const std::string& cpuName, const std::string& platformName);

}  // namespace cw
