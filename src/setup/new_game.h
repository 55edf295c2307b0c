// The new-game screen's choices, its texts and files, and "Start new game":
// the player setup, the reference import and the world set-up in their order.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "finance/high_score.h"
#include "finance/player_bonus.h"
#include "refdata/mods.h"
#include "refdata/reference_tables.h"
#include "setup/world_init.h"
#include "state/game.h"
#include "state/player.h"

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
// The score the screen holds before it first computes one.
inline constexpr int kInitialStartupScore = 10;

// The start-up level score: the harder the start, the lower the score.
int startupScore(const NewGameOptions& o);
// "Extreme" .. "Easiest" for a start-up score.
std::string startupLevelText(int score);
// "Beginner", "Normal", "Experinced" for levels 1..3.
std::string gameLevelName(int level);
// The three lines under the level name: buildings, staff, competition.
std::string gameLevelEffectsText(int level);
// The money line for a company value: "$ 6,000,000(Start cash:4,000,000)" for 4.
std::string startMoneyText(int companyValue);

// Why the choices cannot start a game (a name longer than the screen lets
// the player type, a value off the sliders); empty when they can.
std::string checkNewGameOptions(const NewGameOptions& o);

// Writes the choices into `World` as "Start new game" does, on a new date
// (week 1 of 1980), an empty inbox and fresh finance labels. Returns the
// reason of checkNewGameOptions when they are refused; nothing is changed then.
std::string applyNewGameOptions(Game& g, const NewGameOptions& o);

// "Namstart.txt" in the program folder: the player name, then the company name.
void writeNamesFile(const Game& g, const NewGameOptions& o);
// Fills the names from "Namstart.txt". "Startup Tutor" is on only when the
// file is missing, for a newcomer. A line the file lacks keeps its default
// name, and a name longer than the screen allows is cut.
void readNamesFile(const std::string& folder, NewGameOptions& o);

// What the new-game screen starts from: the names of the last game and the
// highest score.
struct StarterDefaults {
    NewGameOptions options;
    int highScore = 0;
};
StarterDefaults loadStarterDefaults(const std::string& folder);

// What "Start new game" asks of the windowing side. Every hook may be left
// empty; the steps around it keep their order.
struct NewGameHooks {
    // Shows "Player setup" and waits for "Continue"; without it the choice
    // passed to startNewGame is taken.
    std::function<PlayerBonus()> playerSetup;
    std::function<void()> closeStarter;
    // A load: copies the save file into the tables once the world is set up.
    std::function<void()> loadSavedGame;
    // The main screen with the headquarters picture, uncovered.
    std::function<void()> showMainScreen;
    std::function<void()> showTips;
    std::function<void()> openTutor;  // only with "Startup Tutor"
    std::function<void()> switchToGameSound;
    std::function<void()> startMusic;  // only with "Music"
    std::function<void()> startMapTraffic;
    WorldScreenHooks world;
};

// The caption of the message that refuses a start without complete
// reference data.
inline constexpr const char* kReferenceDataCaption = "UnZip failure";

// "Start new game": the reference import, "Namstart.txt" and the player
// setup (not for a load), the progress window, a fresh seed, the choices
// into `World`, the world set-up, the save file for a load, and the main
// screen. Refused choices change nothing and return the reason. An import
// that leaves a table file missing, damaged or empty refuses too, with a
// message that names it; nothing is written or asked then, and the running
// game and its tables stay as they were. A load is never refused for the
// screen's choices: its save file brings its own.
std::string startNewGame(Game& g, Player& p, ReferenceTables& ref, const NewGameOptions& o,
                         const PlayerBonus& bonus = {}, const NewGameHooks& hooks = {});

// The two halves of startNewGame, for a load that reads its save file in
// between: the first runs up to the world set-up (for a load: the import and
// the always-steps), the second from the save file's hook to the main screen.
std::string beginNewGame(Game& g, Player& p, ReferenceTables& ref, const NewGameOptions& o,
                         const PlayerBonus& bonus = {}, const NewGameHooks& hooks = {});
void finishNewGame(Game& g, Player& p, const NewGameOptions& o, const NewGameHooks& hooks = {});

}  // namespace cw
