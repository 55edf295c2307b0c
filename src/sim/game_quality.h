// The game quality model: how a project's people move its gameplay,
// complexity and replayability against what its genre asks, and the score a
// finished game gets. Every calculator here reads the tables only, so the
// development screen, the project screen and the week see the same numbers.
#pragma once

#include <array>

#include "sim/tasks.h"
#include "state/game.h"

namespace cw {

// Three values that travel together: programming, design, graphics for
// work and skills; gameplay, complexity, replayability for quality.
using Triple = std::array<i32, 3>;

// How much harder it gets to contribute as the years pass (1 up to 1982 .. 7 from 2006).
int eraStep(int year);

// What players of genre g ask for in gameplay, complexity and replayability,
// and how its work splits over programming, design and graphics: the average
// of the base genres its name is made of.
Triple genreDemands(const Game& g, int genre);
Triple genreWeights(const Game& g, int genre);

// The programming, design and graphics the team of a game task brings this week.
Triple effectiveSkill(const Game& g, const Task& t);

// The score of the game of task t, for its own platform or, when
// `platformOverride` is not 0, for that platform's version.
int gameScore(const Game& g, const Task& t, int platformOverride);

}  // namespace cw
