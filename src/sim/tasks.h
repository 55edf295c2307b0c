// The company's tasks: everything it works on is a Task record.
#pragma once

#include <string_view>

#include "state/game.h"

namespace cw {

// Task kinds as stored in Task::taskType.
enum TaskType : int {
    kTaskGame = 0,
    kTaskPlatform = 1,
    kTaskEngine = 2,
    kTaskStudy = 8,
};

// Sets a task record to its empty state (empty texts, zero numbers, false
// flags), which frees the slot.
void clearTask(Game& g, int taskIndex);

// Takes the first free slot 1..500 (empty name or closed), starts it afresh
// and returns its index; the caller fills the rest. Returns 0 when every
// slot is in use, so a creating screen can refuse instead of overwriting.
int createTask(Game& g, std::string_view name, int taskType, int taskSubtype, int leader, int link,
               int workTotal);

// The rating of the player's engine for a platform and genre (0 for none).
int engineRating(const Game& g, int platform, int genre);

// How many employees a team leader with this leadership can manage (1..33).
int managerCapacity(int leadership);

}  // namespace cw
