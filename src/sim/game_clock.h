// The game clock: the player ends a turn with "Next Week" or lets "Fast
// forward" run week after week; game time never moves otherwise.
#pragma once

#include <string>

#include "state/files.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// Colour of a cash-change label: navy at 0, red below, green above.
enum class Tone { Neutral, Bad, Good };
Tone toneOf(i32 value);

// Recomputes the three cash-change labels under the cash display
// (session.weekCashChange, session.monthCashChange and yearCashChange).
void updateFinanceLabels(Game& g);
// The third label: the change of cash since the start of the year.
i32 yearCashChange(const Game& g);

// "Next Week": one week tick between the progress window's show and hide.
void nextWeek(Game& g, Player& p);

// "Fast forward": week after week until a stop is requested or the game
// ends. maxWeeks > 0 asks for a stop after that many weeks, as a click on
// "Stop fast forward" would.
void startFastForward(Game& g, Player& p, int maxWeeks = 0);
// "Stop fast forward": honoured after the week being played.
void requestStop(Game& g);

// "End Game": asks, and on yes shows the end screen; true when the game ended.
bool endGameFromMenu(Game& g, Player& p);

// The play-time timer's tick.
void addPlayTime(Game& g, int seconds);
// Writes the play time as the only line of "Cw2.tid" in the program folder
// (an existing file of that name in any letter case is reused). The stored
// time of earlier runs counts only while that file exists. Stored every
// tenth week, at the end screen and when the program ends (once a game
// has read the stored time: session.playTimeRead).
void storePlayTime(Game& g);

}  // namespace cw
