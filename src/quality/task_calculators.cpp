#include "quality/task_calculators.h"

#include <algorithm>

namespace cw {
namespace {

// The sum of one skill over the leader and the members.
template <typename Skill>
i32 teamSum(const Game& g, const Task& t, Skill skill) {
    i32 sum = 0;
    if (const Person* p = personOf(g, t.leader)) sum += skill(*p);
    for (i32 member : t.staff)
        if (const Person* p = personOf(g, member)) sum += skill(*p);
    return sum;
}

WeeksEstimate weeksOf(i32 work, i32 rate) {
    if (rate <= 0) return {true, 0};
    return {false, std::max(work / rate, 0)};
}

}  // namespace

const Person* personOf(const Game& g, i32 index) {
    const auto& people = g.tables().people;
    return index > 0 && people.inRange(index) ? &people[index] : nullptr;
}

Person* personOf(Game& g, i32 index) {
    auto& people = g.tables().people;
    return index > 0 && people.inRange(index) ? &people[index] : nullptr;
}

int costReductionPlatform(const Game& g, const Task& t) {
    const auto& products = g.world().products;
    if (!products.inRange(t.productSlot)) return 0;
    const i32 platform = products[t.productSlot].refA;
    return decltype(SaveImage::platforms)::inRange(platform) ? platform : 0;
}

int staffCount(const Task& t) {
    return static_cast<int>(std::count_if(t.staff.begin(), t.staff.end(), [](i32 s) { return s != 0; }));
}

std::string WeeksEstimate::text() const { return infinite ? "Infinte" : std::to_string(weeks); }

Triple teamWork(const Game& g, const Task& t) {
    Triple work{0, 0, 0};
    if (const Person* p = personOf(g, t.leader)) {
        work[0] += 15 * p->programming;
        work[1] += 15 * p->design;
        work[2] += 15 * p->graphics;
    }
    for (i32 member : t.staff) {
        if (const Person* p = personOf(g, member)) {
            work[0] += 10 * p->programming;
            work[1] += 10 * p->design;
            work[2] += 10 * p->graphics;
        }
    }
    if (t.freelancers > 0)
        for (i32& w : work) w += 8 * t.freelancers;
    return work;
}

Triple workRates(const Game& g, const Task& t) {
    const Triple work = teamWork(g, t);
    const u8 share[3] = {t.game.shareProgramming, t.game.shareDesign, t.game.shareGraphics};
    Triple rate{};
    for (std::size_t a = 0; a < 3; ++a) rate[a] = std::max(1, work[a] * share[a] / 100);
    return rate;
}

WorkLeft largestWorkLeft(const Task& t) {
    WorkLeft left;
    left.clamped = {std::max(t.game.workLeftProgramming, 1), std::max(t.game.workLeftDesign, 1),
                    std::max(t.game.workLeftGraphics, 1)};
    left.largest = *std::max_element(left.clamped.begin(), left.clamped.end());
    return left;
}

i32 weeklyTeamCost(const Game& g, const Task& t) {
    return teamSum(g, t, [](const Person& p) { return p.salary / 4; });
}

i32 studyRate(const Game& g, int taskSubtype, int person) {
    const Person* p = personOf(g, person);
    i32 aptitude = 0;
    if (p) {
        switch (taskSubtype) {
            case kStudyLeadership: aptitude = p->talentLeadership; break;
            case kStudyProgramming: aptitude = p->talentProgramming; break;
            case kStudyDesign: aptitude = p->talentDesign; break;
            case kStudyGraphics: aptitude = p->talentGraphics; break;
            case kStudyHardware: aptitude = p->talentHardware; break;
            default: break;
        }
    }
    return std::max(aptitude - 30, 5);
}

WeeksEstimate gameAreaEstimate(const Game& g, const Task& t, int area) {
    const WorkLeft left = largestWorkLeft(t);
    const Triple rate = workRates(g, t);
    const auto a = static_cast<std::size_t>(std::clamp(area, 0, 2));
    return weeksOf(left.clamped[a], rate[a]);
}

WeeksEstimate taskEstimate(const Game& g, const Task& t, EstimateView view) {
    const i32 remaining = t.workTotal - t.progress;
    if (isGameTask(t)) {
        WeeksEstimate longest;
        for (int a = 0; a < 3; ++a) longest.weeks = std::max(longest.weeks, gameAreaEstimate(g, t, a).weeks);
        return longest;
    }
    if (t.taskType == kTaskEngine) {
        const i32 programming = teamSum(g, t, [](const Person& p) { return static_cast<i32>(p.programming); });
        switch (t.taskSubtype) {
            case kWorkEngineSupport: {
                if (view == EstimateView::Panel) return {false, std::max(remaining, 0)};
                const i32 people = (t.leader != 0 ? 1 : 0) + staffCount(t);
                return weeksOf(4 * remaining, 4 * people);
            }
            case kWorkUpgrade: return weeksOf(4 * remaining, 60 * programming);
            default: return weeksOf(4 * remaining, 60 * programming + 40 * t.freelancers);
        }
    }
    if (isCostReductionTask(t)) return {false, std::max(t.workTotal, 0)};
    if (t.taskType == kTaskPlatform) {
        const i32 hardware = teamSum(g, t, [](const Person& p) { return p.hardware - 15; });
        return weeksOf(4 * remaining, 4 * hardware);
    }
    if (t.taskType == kTaskStudy) {
        if (remaining <= 0) return {true, 0};
        return weeksOf(remaining, studyRate(g, t.taskSubtype, t.leader));
    }
    if (isBuildingTask(t)) return weeksOf(remaining, 101);
    return {true, 0};
}

int taskPercent(const Task& t) {
    if (t.workTotal <= 0) return 0;
    const long long pct = static_cast<long long>(t.progress) * 100 / t.workTotal;
    return static_cast<int>(std::clamp<long long>(pct, 0, 100));
}

}  // namespace cw
