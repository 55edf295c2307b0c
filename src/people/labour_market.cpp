#include "people/labour_market.h"

#include <algorithm>
#include <array>

namespace cw {

void weeklySkillDrift(Game& g) {
    auto draw = [&](i32 n) { return g.rng.randomInt(n); };
    const i32 week = g.currentWeek;
    // Draws short-circuit: a failed first test leaves the later ones undrawn,
    // which is what keeps a seeded game repeatable.
    for (Person& p : g.tables().people) {
        if (p.employed) continue;
        if (week % 10 == 0) {
            if (draw(10) > 6 && draw(125 - p.talentHardware) < 3 && draw(p.hardware / 10) > 3)
                p.hardware = static_cast<u8>(std::min(p.hardware + 1 + draw(5), 100));
            if (draw(10) > 6 && draw(125 - p.publishing) < 3 && draw(p.publishing / 10) > 3)
                p.publishing = static_cast<u8>(std::min(p.publishing + 1 + draw(5), 100));
        }
        if (week % 25 == 0) {
            if (draw(25) < 2 && draw(125 - p.talentProgramming) < 2 && p.programming < 255) ++p.programming;
        }
        if (draw(10) > 8 && draw(125 - p.talentLeadership) < 3) {
            if (draw(p.talentLeadership / 10) > 3) ++p.leadership;
        }
        if (p.leadership > 100) p.leadership = 100;
    }
}

i32 employeeCount(const Game& g) {
    i32 n = 0;
    for (const Person& person : g.tables().people)
        if (person.employed) ++n;
    return n;
}

i32 officeCapacity(const Game& g) {
    const World& w = g.world();
    return 20 * w.headquartersLevel - 15 + 10 * w.extraOffices + 5 * w.publisherLevel;
}

std::string personRatingWord(i32 value) {
    if (value < 20) return "Poor    (1)";
    if (value < 40) return "Mediocre(2)";
    if (value < 60) return "Average (3)";
    if (value < 80) return "Good    (4)";
    if (value <= 100) return "Extreme( 5)";
    return {};
}

std::string skillLevelWord(i32 level) {
    static const std::array<const char*, 10> kWords = {
        "Inexperienced(1)", "Beginner     (2)", "fairly small (3)", "Below Average(4)", "Average      (5)",
        "Above Average(6)", "Fairly Exp.  (7)", "Experienced. (8)", "Very exp.    (9)", "God like    (10)"};
    if (level < 1 || level > 10) return {};
    return kWords[static_cast<std::size_t>(level - 1)];
}

std::string workAreaName(i32 area) {
    static const std::array<const char*, 4> kNames = {"Software area", "Hardware area", "Publishers area", "Misc."};
    if (area < 1 || area > 4) return {};
    return kNames[static_cast<std::size_t>(area - 1)];
}

}  // namespace cw
