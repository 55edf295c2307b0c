#include "people/staff_management.h"

namespace cw {

void competitorHiring(Game&, Player&) {}
void yearlyWageReview(Game&, Player&) {}
int chooseTeamLeader(Game&, Player&, int, bool) { return -1; }

}  // namespace cw
