#include "state/tasks.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace cw {

void clearTask(Game& g, int taskIndex) {
    if (!decltype(SaveImage::tasks)::inRange(taskIndex)) return;
    auto& people = g.tables().people;
    const Task& t = g.tables().tasks[taskIndex];
    auto release = [&](i32 person) {
        if (people.inRange(person) && people[person].currentTask == taskIndex) people[person].currentTask = -1;
    };
    release(t.leader);
    for (i32 s : t.staff) release(s);
    std::memset(static_cast<void*>(&g.tables().tasks[taskIndex]), 0, sizeof(Task));
}

int createTask(Game& g, std::string_view name, int taskType, int taskSubtype, int leader, int link,
               int workTotal) {
    auto& tasks = g.tables().tasks;
    int index = 0;
    for (int i = tasks.first; i <= tasks.last; ++i) {
        if (tasks[i].name.empty() || tasks[i].closedFlag) {
            index = i;
            break;
        }
    }
    if (index == 0) return 0;
    clearTask(g, index);
    Task& t = tasks[index];
    t.name = name;
    t.selfIndex = index;
    t.leader = leader;
    t.taskType = static_cast<u8>(taskType);
    t.taskSubtype = static_cast<u8>(taskSubtype);
    auto& people = g.tables().people;
    if (people.inRange(leader)) people[leader].currentTask = index;
    t.platform.unitStock = 0;
    for (auto& s : t.staff) s = 0;
    t.progress = 0;
    t.improvementPoints = 0;
    t.unknown1212 = 0;
    if (taskType == kTaskPlatform) t.productSlot = link;
    if (taskType == kTaskGame) t.linkArg456 = link;
    t.workTotal = workTotal;
    return index;
}

int engineRating(const Game& g, int platform, int genre) {
    using Row = Arr<EngineSlot, 1, 150>;
    if (platform <= 0 || genre <= 0 || !decltype(World::ownEngines)::inRange(platform) || !Row::inRange(genre))
        return 0;
    const EngineSlot& s = g.world().ownEngines[platform][genre];
    return s.experience + 7 * std::min<int>(s.codeLevel, 10) + 7 * std::min<int>(s.featureLevel, 5);
}

int managerCapacity(int leadership) {
    int cap = 1;
    if (leadership > 95) cap += 5;
    for (int step : {90, 85, 80, 75, 70, 65, 60})
        if (leadership > step) cap += 3;
    if (leadership > 55) cap += 2;
    if (leadership > 50) cap += 1;
    for (int step : {45, 40, 37})
        if (leadership >= step) cap += 1;
    return cap;
}

std::vector<int> chosenPlatforms(const Task& t) {
    std::vector<int> out;
    const std::string_view list = t.platformList.view();
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find(';', start);
        if (end == std::string_view::npos) end = list.size();
        const std::string_view item = list.substr(start, end - start);
        int value = 0;
        // Anything but a number in the list is not a platform; skipping it
        // beats finishing a version for platform 0.
        const auto [ptr, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (!item.empty() && ec == std::errc() && ptr == item.data() + item.size() && value > 0)
            out.push_back(value);
        start = end + 1;
    }
    return out;
}

std::vector<int> finishedVersionOverrides(const Task& t) {
    std::vector<int> platforms = chosenPlatforms(t);
    if (platforms.size() <= 1) return {0};
    return platforms;
}

}  // namespace cw
