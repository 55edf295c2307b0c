// The board of directors, its yearly goals, and the owner's retirement.
#pragma once

#include <string>

#include "finance/end_game.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// Goal kinds the board sets.
enum BoardGoalKind : u8 {
    GoalNone = 0,
    GoalEngine = 1,
    GoalFirstGame = 2,
    GoalChartPosition = 3,
    GoalCash = 4,
    GoalHeadquarters = 5,
    GoalFactory = 6,
    GoalLoan = 9,
};

// The current goal is reached (no goal counts as reached).
bool boardGoalAchieved(const Game& g);

// Chooses the next goal of the sequence.
void nextBoardGoal(Game& g);

// Clears the goal, its amounts, its years and its text.
void resetBoardGoal(Game& g);

// The annual board meeting (week 2): judges the goal, moves the opinion,
// writes the meeting's text and shows the meeting screen.
void holdBoardMeeting(Game& g, Player& p);

// "Annual board meeting" as its screen shows it.
struct BoardMeetingScreen {
    std::string caption = "Annual board meeting";
    std::string picture;  // "gfx\bm1.jpg" .. "gfx\bm3.jpg", by the headquarters
    std::string text;
    std::string barCaption = "Board members opinion about you :";
    int barValue = 0;  // 0 "Good" .. 100 "Bad"
};
BoardMeetingScreen boardMeetingScreen(const Game& g);

// "Good", "Neutral" or "Bad": the third of the bar the opinion stands in.
const char* opinionBarWord(int barValue);

// The year-end step for everybody's age, the cost index and the owner's
// retirement; acts in week 52. A retired owner ends the game.
void yearEndPeopleStep(Game& g, Player& p);

}  // namespace cw
