#include "events/economy.h"

#include "market/platform_sales.h"

namespace cw {

void economyWeek(Game& g, Player& p) {
    // The hardware sales close the economy's week: they read the demand it just moved.
    platformSalesWeek(g, p);
}

}  // namespace cw
