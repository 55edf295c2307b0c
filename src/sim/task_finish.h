// What finishing a task means: the game into the catalogue and the product
// list, a new or better engine, a building level, a raised skill, a cheaper
// console, each with its notice and letter.
#pragma once

#include <vector>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The platform indices of a game task's platformList, in list order.
std::vector<int> chosenPlatforms(const Task& t);

// The versions a finished game task is stored as, by the platform override
// each is scored with: {0} (its own platform) for one platform, otherwise
// every chosen platform.
std::vector<int> finishedVersionOverrides(const Task& t);

// Copies the game of task `task` into the first free catalogue slot of
// `year`, carrying 1/count of the task's spending as its development cost.
// Returns the slot, or 0 when the year has no free slot (nothing is copied).
int catalogueVersion(Game& g, int task, int year, int count);

// Computes the game's final score for its platform (override 0) or for one
// platform's version, and stores it as both sales and review score.
int scoreFinishedGame(Game& g, Task& t, int platformOverride);

void finishGame(Game& g, Player& p, int task);
void finishStudy(Game& g, Player& p, int task);
void finishEngine(Game& g, Player& p, int task);
void finishBuilding(Game& g, Player& p, int task);
// `platform` is the Platforms index the task reduces the cost of (0 for none).
void finishCostReduction(Game& g, Player& p, int task, int platform);

}  // namespace cw
