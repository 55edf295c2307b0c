// The board of directors, the owner's retirement and the end of a game.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The year-end step for everybody's age and the cost index; acts in week 52.
void yearEndPeopleStep(Game& g, Player& p);

// The annual board meeting (week 2).
void holdBoardMeeting(Game& g, Player& p);

// Shows the end screen and waits for it; closing it ends the game.
void showEndScreen(Game& g, Player& p);

}  // namespace cw
