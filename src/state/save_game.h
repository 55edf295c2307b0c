// Saving the running game to its file.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Saves the running game; while `g.session.autosaveInProgress` is set the
// autosave file is written without asking the player.
void saveGame(Game& g, Player& p);

}  // namespace cw
