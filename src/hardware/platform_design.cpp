#include "hardware/platform_design.h"

namespace cw {

i32 developmentProductionCost(const Game& g, int task) { return g.tables().tasks[task].platform.productionCost; }

}  // namespace cw
