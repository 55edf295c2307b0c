#include "state/save_ranges.h"

namespace cw {
namespace {

bool yearOk(i32 year) { return year >= 0 && year <= kLatestRecordYear; }
bool weekOk(i32 week) { return week >= 0 && week <= 53; }
bool speedOk(i32 speed) { return speed >= -kLargestSpeed && speed <= kLargestSpeed; }

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
        for (int i = 1; i <= 3500; ++i)
            if (const i32 year = image.gameTitles[y][i].releaseYear; !yearOk(year))
                return "title " + std::to_string(y) + "/" + std::to_string(i) + " has the release year " +
                       std::to_string(year);
    for (int i = 1; i <= decltype(image.people)::last; ++i) {
        const Person& p = image.people[i];
        if (!yearOk(p.hireYear)) return what("person", i, "hiring year", p.hireYear);
        if (!weekOk(p.hireWeek)) return what("person", i, "hiring week", p.hireWeek);
        if (!yearOk(p.labourMarketYear)) return what("person", i, "labour market year", p.labourMarketYear);
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
    }
    if (!yearOk(w.lastOilCrisisYear)) return "the last oil crisis has the year " + std::to_string(w.lastOilCrisisYear);
    if (w.money < -kLargestCash || w.money > kLargestCash) return "the cash is " + std::to_string(w.money);
    if (w.loan < -kLargestCash || w.loan > kLargestCash) return "the loan is " + std::to_string(w.loan);
    for (const i32 best : {w.bestCpuSpeed, w.bestGpuSpeed, w.bestSpuSpeed})
        if (!speedOk(best)) return "the fastest processor has the speed " + std::to_string(best);
    return {};
}

}  // namespace cw
