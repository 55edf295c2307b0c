// The regions' economy and the financial news.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The economy's week; the platforms' hardware sales are its last part.
void economyWeek(Game& g, Player& p);

// The financial news of a region's move from level `previous` to `level`
// (one draw picks one of the level's five texts).
std::string economyNewsText(Game& g, int previous, int level);

// The word the main screen shows for a region's demand: "Very good" .. "Very Bad".
std::string regionDemandWord(int demand);

// The angle of a region's economy needle: 122 degrees at level 0, 42 at 10.
int economyNeedleAngle(int level);

}  // namespace cw
