#include "people/staff_management.h"

namespace cw {

void competitorHiring(Game&, Player&) {}
void yearlyWageReview(Game&, Player&) {}

}  // namespace cw
