#include "people/staff_management.h"

namespace cw {

void competitorHiring(Game&, Player&) {}
void yearlyWageReview(Game&, Player&) {}
int chooseTeamLeader(Game&, Player&, int, bool) { return -1; }
void assignEmployees(Game&, Player&, int) {}
int offerAutoTeam(Game&, Player&, int) { return 0; }
void autoAssignIdle(Game&, int, int) {}

}  // namespace cw
