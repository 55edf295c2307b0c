#include "sim/tasks.h"

#include <cstring>

namespace cw {

void clearTask(Game& g, int taskIndex) {
    if (!decltype(SaveImage::tasks)::inRange(taskIndex)) return;
    std::memset(static_cast<void*>(&g.tables().tasks[taskIndex]), 0, sizeof(Task));
}

}  // namespace cw
