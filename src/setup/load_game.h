// "Load game": from the file chosen on the load screen to a running game.
#pragma once

#include <functional>
#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// Loads g.session.chosenSaveFile. `begin` runs "Start new game" in its
// loading form up to the world set-up (the import and the always-steps);
// the saved tables are then copied in, and `finish` runs the rest of the
// start (the main screen). The file is read and checked before anything
// else happens, so a damaged file is refused with a message and the running
// game stays as it was. Afterwards the inbox file is read and one week is
// played, as after every load. Returns true when a game was loaded.
bool loadChosenGame(Game& g, Player& p, const std::function<void()>& begin, const std::function<void()>& finish);

}  // namespace cw
