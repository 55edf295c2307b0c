#include "sim/task_calculators.h"

#include <algorithm>

namespace cw {

Triple teamWork(const Game& g, const Task& t) {
    const auto& people = g.tables().people;
    Triple w{};
    auto add = [&](i32 who, i32 factor) {
        if (who <= 0 || !people.inRange(who)) return;
        const Person& p = people[who];
        w[0] += factor * p.programming;
        w[1] += factor * p.design;
        w[2] += factor * p.graphics;
    };
    add(t.leader, 15);
    for (i32 who : t.staff) add(who, 10);
    if (t.freelancers > 0)
        for (auto& v : w) v += 8 * t.freelancers;
    return w;
}

Triple workRates(const Game& g, const Task& t) {
    const auto w = teamWork(g, t);
    return {std::max(1, w[0] * t.game.shareProgramming / 100), std::max(1, w[1] * t.game.shareDesign / 100),
            std::max(1, w[2] * t.game.shareGraphics / 100)};
}

WorkLeft largestWorkLeft(const Task& t) {
    WorkLeft w;
    w.clamped = {std::max(1, t.game.workLeftProgramming), std::max(1, t.game.workLeftDesign),
                 std::max(1, t.game.workLeftGraphics)};
    w.largest = std::max({w.clamped[0], w.clamped[1], w.clamped[2]});
    return w;
}

std::string WeeksEstimate::text() const { return infinite ? "Infinte" : std::to_string(weeks); }

WeeksEstimate gameAreaEstimate(const Game& g, const Task& t, int area) {
    const auto a = static_cast<std::size_t>(std::clamp(area, 0, 2));
    const i32 rate = workRates(g, t)[a];
    if (rate <= 0) return {true, 0};
    return {false, std::max(0, largestWorkLeft(t).clamped[a] / rate)};
}


}  // namespace cw
