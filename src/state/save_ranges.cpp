#include "state/save_ranges.h"

namespace cw {
namespace {

bool yearOk(i32 year) { return year >= 0 && year <= kLatestRecordYear; }
bool weekOk(i32 week) { return week >= 0 && week <= 53; }
bool speedOk(i32 speed) { return speed >= -kLargestSpeed && speed <= kLargestSpeed; }
bool within(i32 value, i32 low, i32 high) { return value >= low && value <= high; }

// The fields of a game record the week's sales count with.
bool titleOk(const GameTitle& t) {
    return within(t.weeksOnSale, 0, kLargestWeeksOnSale) && within(t.weeklyOutput, 0, kLargestWeeklyOutput);
}
std::string titleProblem(const std::string& record, const GameTitle& t) {
    if (!within(t.weeksOnSale, 0, kLargestWeeksOnSale))
        return record + " has " + std::to_string(t.weeksOnSale) + " weeks on sale";
    if (!within(t.weeklyOutput, 0, kLargestWeeklyOutput))
        return record + " has the weekly output " + std::to_string(t.weeklyOutput);
    return {};
}

std::string what(const std::string& record, int index, const std::string& field, i32 value) {
    return record + " " + std::to_string(index) + " has the " + field + " " + std::to_string(value);
}

}  // namespace

std::string saveImageRangeProblem(const SaveImage& image) {
    const World& w = image.world;
    // The date indexes every weekly and yearly table; a date outside the
    // game would make the first week read outside them.
    if (w.savedWeek < 1 || w.savedWeek > 52 || w.savedYear < 1980 || w.savedYear > 2015)
        return "its date is not a game week";
    for (int i = 1; i <= decltype(image.cpus)::last; ++i) {
        const Cpu& c = image.cpus[i];
        if (!yearOk(c.releaseYear)) return what("processor", i, "release year", c.releaseYear);
        if (!weekOk(c.releaseWeek)) return what("processor", i, "release week", c.releaseWeek);
        if (!speedOk(c.speed)) return what("processor", i, "speed", c.speed);
    }
    for (int i = 1; i <= decltype(image.platforms)::last; ++i) {
        const Platform& p = image.platforms[i];
        if (!yearOk(p.releaseYear)) return what("platform", i, "release year", p.releaseYear);
        if (!speedOk(p.cpuSpec)) return what("platform", i, "processor rating", p.cpuSpec);
    }
    for (int y = decltype(image.gameTitles)::first; y <= decltype(image.gameTitles)::last; ++y)
        for (int i = 1; i <= 3500; ++i) {
            const GameTitle& t = image.gameTitles[y][i];
            if (yearOk(t.releaseYear) && titleOk(t)) continue;
            const std::string record = "title " + std::to_string(y) + "/" + std::to_string(i);
            if (!yearOk(t.releaseYear)) return record + " has the release year " + std::to_string(t.releaseYear);
            return titleProblem(record, t);
        }
    for (int i = 1; i <= decltype(image.people)::last; ++i) {
        const Person& p = image.people[i];
        if (!yearOk(p.hireYear)) return what("person", i, "hiring year", p.hireYear);
        if (!weekOk(p.hireWeek)) return what("person", i, "hiring week", p.hireWeek);
        if (!yearOk(p.labourMarketYear)) return what("person", i, "labour market year", p.labourMarketYear);
        if (!within(p.salary, 0, kLargestSalary)) return what("person", i, "salary", p.salary);
    }
    for (int i = 1; i <= decltype(image.companies)::last; ++i)
        if (!yearOk(image.companies[i].firstYear))
            return what("company", i, "first year", image.companies[i].firstYear);
    for (int i = 1; i <= decltype(image.genres)::last; ++i)
        if (!yearOk(image.genres[i].yearAvailable))
            return what("genre", i, "first year", image.genres[i].yearAvailable);
    for (int i = 1; i <= decltype(image.tasks)::last; ++i) {
        const Task& t = image.tasks[i];
        if (!yearOk(t.game.releaseYear)) return what("task", i, "release year", t.game.releaseYear);
        if (!yearOk(t.platform.releaseYear)) return what("task", i, "platform release year", t.platform.releaseYear);
        if (!speedOk(t.platform.cpuSpec)) return what("task", i, "processor rating", t.platform.cpuSpec);
        if (!within(t.freelancers, 0, kLargestFreelancers)) return what("task", i, "freelancer count", t.freelancers);
        if (!within(t.workTotal, -kLargestWork, kLargestWork)) return what("task", i, "work", t.workTotal);
        if (!within(t.progress, -kLargestWork, kLargestWork)) return what("task", i, "progress", t.progress);
        if (!titleOk(t.game)) return titleProblem("task " + std::to_string(i) + "'s game", t.game);
    }
    if (!yearOk(w.lastOilCrisisYear)) return "the last oil crisis has the year " + std::to_string(w.lastOilCrisisYear);
    if (w.money < -kLargestCash || w.money > kLargestCash) return "the cash is " + std::to_string(w.money);
    if (w.loan < -kLargestCash || w.loan > kLargestCash) return "the loan is " + std::to_string(w.loan);
    for (const i32 best : {w.bestCpuSpeed, w.bestGpuSpeed, w.bestSpuSpeed})
        if (!speedOk(best)) return "the fastest processor has the speed " + std::to_string(best);
    if (!within(w.boardOpinion, -kLargestBoardOpinion, kLargestBoardOpinion))
        return "the board's opinion is " + std::to_string(w.boardOpinion);
    return {};
}

int detachStaleTasks(SaveImage& image) {
    int freed = 0;
    for (Person& p : image.people) {
        if (p.currentTask < 1) continue;
        if (image.tasks.inRange(p.currentTask) && !image.tasks[p.currentTask].name.empty()) continue;
        p.currentTask = -1;
        ++freed;
    }
    return freed;
}

}  // namespace cw
