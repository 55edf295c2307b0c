#include "people/labour_market.h"

namespace cw {

void weeklySkillDrift(Game&) {}
i32 employeeCount(const Game& g) {
    i32 n = 0;
    for (const Person& person : g.tables().people)
        if (person.employed) ++n;
    return n;
}

}  // namespace cw
