// Saving the running game, and the load screen's model.
#pragma once

#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// Saves the running game: the autosave file while an autosave runs,
// otherwise under a name the player types (offered: the current game name).
// A failure is shown and logged with what each file now holds. It is
// reported as false when the slot does not hold this game; a failure after
// the image is in place (the check file, the inbox) still saved the game,
// so it is reported as true with its message.
bool saveGame(Game& g, Player& p);

// "Save Game" in the main screen's Game Options.
bool saveGameFromMenu(Game& g, Player& p);

// "Load a saved game".
struct LoadScreen {
    std::vector<std::string> entries;  // file names, each annotated in turn with its date
    std::size_t annotated = 0;         // entries annotated so far
    std::string hiddenText;            // the text box outside the visible area
};

// Showing the screen: no file chosen, the list filled with every "*.sav".
LoadScreen openLoadScreen(Game& g);
// One tick of the 250 ms annotation timer; false when all are annotated.
bool annotateNextEntry(const Game& g, LoadScreen& screen);
// "Load Game" with entry `index` selected (nothing happens without a
// selection). Runs the checks in their order; a refusal is shown as a
// message box and the screen stays open. Returns true when the screen closes.
bool loadGameClicked(Game& g, Player& p, const LoadScreen& screen, int index);
// "Cancel".
void cancelLoadScreen(Game& g);

}  // namespace cw
