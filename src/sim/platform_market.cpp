#include "sim/platform_market.h"

namespace cw {

void platformMarketPartOne(Game&, Player&) {}
void platformMarketPartTwo(Game&, Player&) {}

}  // namespace cw
