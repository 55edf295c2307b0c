#include "hardware/cpu_market.h"

namespace cw {

void platformMarketRanking(Game&) {}
void cpuWeeklyHistory(Game&) {}
void cpuNews(Game&, Player&) {}

}  // namespace cw
