// "Load game": from the file chosen on the load screen to a running game,
// and what the load screen tells about each file before any is loaded.
#pragma once

#include <functional>
#include <string>

#include "state/game.h"
#include "state/player.h"
#include "state/save_game.h"

namespace cw {

// Loads g.session.chosenSaveFile. `begin` runs "Start new game" in its
// loading form up to the world set-up (the import and the always-steps) and
// returns its refusal, already shown to the player, or an empty text; the
// saved tables are then copied in, and `finish` runs the rest of the start
// (the main screen). The file is read and checked before anything else
// happens, so a damaged file, like a refused start, is refused with a
// message and the running game stays as it was. Afterwards everything the
// game level decides is taken from the loaded game, the inbox file is read
// and one week is played, as after every load. Returns true when a game was
// loaded.
bool loadChosenGame(Game& g, Player& p, const std::function<std::string()>& begin, const std::function<void()>& finish);

// A save file's company, game date and cash, read from their places in the
// file without loading it.
struct SaveSummary {
    bool readable = false;  // a regular file of a save's length
    std::string company;
    i32 year = 0;
    int week = 0;
    i32 money = 0;
};
SaveSummary readSaveSummary(const Game& g, const std::string& fileName);
// "Acme | 27. January, 1980 | $ 4,000,000"
std::string saveSummaryText(const SaveSummary& s);

// The load screen's entry with the newest file, which the screen selects;
// -1 without entries.
int newestSaveEntry(const Game& g, const LoadScreen& screen);

}  // namespace cw
