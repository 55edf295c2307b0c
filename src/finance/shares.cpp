#include "finance/shares.h"

namespace cw {

void updateSharePrices(Game&) {}
i32 sharePrice(const Game& g) { return g.world().sharePriceHistory[105]; }
void competitorShareBuying(Game&, Player&) {}
bool takeoverComplete(const Game&) { return false; }
bool takeoverThreatening(const Game&) { return false; }

}  // namespace cw
