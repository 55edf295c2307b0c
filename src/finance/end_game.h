// The end of a game: the final score, the high-score file and the end screen.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// How a final score came about; its parts make up the score.
struct FinalScoreParts {
    i32 buildings = 0;
    i32 cash = 0;
    i32 startup = 0;
    i32 multiplier = 1;  // level × level, applied to a positive sum
};

// The score the end screen shows.
i32 finalScore(const Game& g, FinalScoreParts* why = nullptr);

// Shows the end screen and waits for it; closing it ends the game. The score
// is computed first and a beaten high score goes to "hs.tmp".
void showEndScreen(Game& g, Player& p);

// Writes `score` as the only line of "hs.tmp" in `folder`; false when the
// file could not be written.
bool writeHighScore(const std::string& folder, i32 score);

// "Game is over" as its screen shows it.
struct EndScreen {
    std::string caption = "Game is over";
    std::string heading = "Game Over";
    std::string scoreCaption = "Final Score :";
    i32 score = 0;
    i32 previousHighScore = 0;
    bool newHighScore = false;
    std::string company;
    std::string dateText;  // "Week 12, 1994"
    i32 money = 0;
    i32 loan = 0;
    FinalScoreParts parts;
};
EndScreen endScreen(const Game& g);

}  // namespace cw
