// The company's tasks: everything it works on is a Task record.
#pragma once

#include "state/game.h"

namespace cw {

// Sets a task record to its empty state (empty texts, zero numbers, false
// flags), which frees the slot.
void clearTask(Game& g, int taskIndex);

}  // namespace cw
