// The new-game screen's choices and what "Start new game" writes into the
// world from them before the world is built.
#pragma once

#include <string>

#include "state/game.h"

namespace cw {

struct NewGameOptions {
    std::string companyName = "My Company";  // "Company Name", at most 20 characters
    std::string playerName = "Player";       // "Player Name", at most 20 characters
    int companyValue = 4;                    // "Company value :" slider 2..6
    int gameLevel = 2;                       // "Game Level :" 1..3
    bool startWithPublisher = false;         // hidden on the screen, so off in play
    bool startWithWarehouse = false;
    bool startWithFactory = false;
    bool boardMeetings = true;  // "Annual Board Meeting"
    bool tutor = false;         // "Startup Tutor" (on when no "Namstart.txt" was found)
    bool music = true;          // "Music"
};

// The longest name the screen lets the player type.
inline constexpr int kMaxNewGameName = 20;

// The start-up level score: the harder the start, the lower the score.
int startupScore(const NewGameOptions& o);
// "Extreme" .. "Easiest" for a start-up score.
std::string startupLevelText(int score);
// "Beginner", "Normal", "Experinced" for levels 1..3.
std::string gameLevelName(int level);

// Why the choices cannot start a game (a name longer than the screen lets
// the player type, a value off the sliders); empty when they can.
std::string checkNewGameOptions(const NewGameOptions& o);

// Writes the choices into `World` as "Start new game" does, on a new date
// (week 1 of 1980), an empty inbox and fresh finance labels. Returns the
// reason of checkNewGameOptions when they are refused; nothing is changed then.
std::string applyNewGameOptions(Game& g, const NewGameOptions& o);

// "Namstart.txt" in the program folder: the player name, then the company name.
void writeNamesFile(const Game& g, const NewGameOptions& o);

}  // namespace cw
