#include "market/platform_sales.h"

namespace cw {

void platformSalesWeek(Game&, Player&) {}

}  // namespace cw
