// The computer-run companies' releases and the genre trends.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The public interest in each genre (week 1 and every tenth week).
void UpdateGenreTrends(Game& g);

// Releases every catalogue title whose week has come.
void ReleaseCompetitorTitles(Game& g, Player& p);

// At world set-up: puts on the market the catalogue titles of the years
// before the start.
void ReleasePastTitles(Game& g, Player& p);

}  // namespace cw
