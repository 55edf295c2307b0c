#include "market/sales.h"

namespace cw {

void UpdateWeeklySales(Game&, Player&) {}
void PayCompanyWages(Game&) {}

}  // namespace cw
