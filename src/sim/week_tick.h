// The week tick: one strictly ordered pass that moves the whole world on by
// one game week. Every weekly step of the game runs from here, in a fixed
// order.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Plays one week; while a fast forward is on it goes on playing weeks until
// a stop is requested. Returns at once, with g.gameOver set, when the game
// ends (end year, cheating, bankruptcy, takeover, retirement).
void weekTick(Game& g, Player& p);

// Ends a running fast forward: hides the progress window and redraws the
// main screen.
void stopFastForward(Game& g, Player& p);

}  // namespace cw
