// The company's tasks: everything it works on is a Task record.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace cw {

// Task kinds as stored in Task::taskType.
enum TaskType : int {
    kTaskGame = 0,
    kTaskPlatform = 1,
    kTaskEngine = 2,
    kTaskWarehouse = 3,
    kTaskPublishingDept = 4,
    kTaskExtraOffice = 5,
    kTaskHeadquarters = 6,
    kTaskFactory = 7,
    kTaskStudy = 8,
};

// What kind of work a task is, as stored in Task::taskSubtype.
enum TaskSubtype : int {
    kWorkNew = 0,
    kWorkConstruction = 2,
    kWorkCostReduction = 4,
    kWorkEngineSupport = 5,
    kWorkUpgrade = 6,
    kStudyLeadership = 10,
    kStudyProgramming = 11,
    kStudyDesign = 12,
    kStudyGraphics = 13,
    kStudyHardware = 14,
};

// Three values that travel together: programming, design, graphics for
// work and skills; gameplay, complexity, replayability for quality.
using Triple = std::array<i32, 3>;

// Sets a task record to its empty state (empty texts, zero numbers, false
// flags), which frees the slot. The leader and staff who were on the task
// are free again (currentTask -1): a finished or cancelled project must not
// keep its people, nor hand them to the next task that takes the slot.
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

// The platform indices of a game task's platformList, in list order.
std::vector<int> chosenPlatforms(const Task& t);

// The versions a finished game task is stored as, by the platform override
// each is scored with: {0} (its own platform) for one platform, otherwise
// every chosen platform.
std::vector<int> finishedVersionOverrides(const Task& t);

}  // namespace cw
