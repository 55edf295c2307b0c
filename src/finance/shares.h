// The player's shares and the stock market.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The computer-run companies' own share prices (week 1 and every twelfth week).
void updateSharePrices(Game& g);

// The player's share price. Until the market is modelled it stays at the
// newest price in the history.
i32 sharePrice(const Game& g);

// Competitors buying 5% packets of the player's company (every 25th week).
void competitorShareBuying(Game& g, Player& p);

// A computer-run company holds more of the player's shares than the player.
bool takeoverComplete(const Game& g);

// A computer-run company is one packet away from taking the company over.
bool takeoverThreatening(const Game& g);

}  // namespace cw
