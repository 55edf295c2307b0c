#include "sim/task_progress.h"

namespace cw {

void staffWeek(Game&, Player&) {}
void advanceTasks(Game&, Player&) {}

}  // namespace cw
