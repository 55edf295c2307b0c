#include "dev/project_screen.h"

#include <algorithm>

#include "dev/game_project.h"
#include "dev/product_finish.h"
#include "hardware/platform_publishers.h"
#include "market/advertising.h"
#include "market/publishers.h"
#include "market/reviews.h"
#include "people/staff_management.h"
#include "quality/game_quality.h"
#include "quality/task_calculators.h"
#include "dev/game_project.h"
#include "state/tasks.h"
#include "state/text_format.h"

namespace cw {

const std::array<const char*, 3> ProjectScreen::kWorkCaptions = {"Programming left :", "Designing Left :",
                                                                  "Graphics Left :"};
const std::array<const char*, 3> ProjectScreen::kShareCaptions = {"Programming", "Designing", "Graphics"};
const std::array<const char*, 3> ProjectScreen::kFocusCaptions = {"GamePlay", "Complexity", "replayability"};
const std::array<const char*, 3> ProjectScreen::kResearchCaptions = {"Programming", "Design/GUI", "Graphics"};
const std::array<const char*, 3> ProjectScreen::kQualityCaptions = {
    "Gameplay quality:", "Complexity quality: :", "Replayability quality :"};

i32 qualityChangeNextWeek(const Game& g, const Task& t, int area) {
    if (area < 0 || area > 2) return 0;
    const GameTitle& game = t.game;
    const auto skill = effectiveSkill(g, t);
    const i32 sums[3] = {skill[0] + skill[1], skill[0] + skill[1], skill[2] + skill[1]};
    const i32 quality[3] = {game.qualityGameplay, game.qualityComplexity, game.qualityReplayability};
    const i32 focus[3] = {game.focusGameplay, game.focusComplexity, game.focusReplayability};
    const auto demands = genreDemands(g, game.genre);
    const i32 q = quality[area];
    const i32 want = 10 * demands[static_cast<std::size_t>(area)];
    i32 target = g.world().gameLevel * 20 + (g.currentYear - 1977) * 8;
    if (q < want)
        target = target * (100 - std::min(50, (want - q) / 2)) / 100;
    else
        target = target * (100 + std::min(50, (q - want) / 2)) / 100;
    const i32 v = sums[area] * focus[area] / 100;
    return v > target ? (v - target) / 10 : -(100 - v) / 10;
}

TrafficLight trafficLight(i32 change) {
    if (change < -2) return TrafficLight::Red;
    if (change > 2) return TrafficLight::Green;
    return TrafficLight::Yellow;
}

std::vector<int> gameTasks(const Game& g) {
    std::vector<int> out;
    const auto& tasks = g.tables().tasks;
    for (int i = tasks.first; i <= tasks.last; ++i)
        if (!tasks[i].name.empty() && !tasks[i].closedFlag && tasks[i].taskType == kTaskGame &&
            tasks[i].taskSubtype == 0)
            out.push_back(i);
    return out;
}

ProjectScreen::ProjectScreen(Game& g, int task) : g_(g), task_(task) {}

bool ProjectScreen::valid() const {
    if (!decltype(SaveImage::tasks)::inRange(task_)) return false;
    const Task& x = t();
    return !x.name.empty() && !x.closedFlag && x.taskType == kTaskGame && x.taskSubtype == 0;
}

std::string ProjectScreen::name() const { return t().name.str(); }
i32 ProjectScreen::progress() const { return t().progress; }
i32 ProjectScreen::workTotal() const { return t().workTotal; }
i32 ProjectScreen::hype() const { return std::clamp(projectHype(t()), 0, 100); }

i32 ProjectScreen::workLeft(int area) const {
    const GameTitle& game = t().game;
    const i32 v = area == 0 ? game.workLeftProgramming : area == 1 ? game.workLeftDesign : game.workLeftGraphics;
    return std::max(0, v);
}

i32 ProjectScreen::workBarMaximum() const { return largestWorkLeft(t()).largest; }

i32 ProjectScreen::weeksLeft(int area) const { return gameAreaEstimate(g_, t(), area).weeks; }

std::string ProjectScreen::weeksText(int area) const { return gameAreaEstimate(g_, t(), area).text() + " Weeks"; }

std::array<i32, 3> ProjectScreen::shares() const {
    const GameTitle& game = t().game;
    return {game.shareProgramming, game.shareDesign, game.shareGraphics};
}

std::array<i32, 3> ProjectScreen::focus() const {
    const GameTitle& game = t().game;
    return {game.focusGameplay, game.focusComplexity, game.focusReplayability};
}

namespace {
void storeShares(GameTitle& game, const std::array<i32, 3>& v) {
    game.shareProgramming = static_cast<u8>(v[0]);
    game.shareDesign = static_cast<u8>(v[1]);
    game.shareGraphics = static_cast<u8>(v[2]);
}
void storeFocus(GameTitle& game, const std::array<i32, 3>& v) {
    game.focusGameplay = static_cast<u8>(v[0]);
    game.focusComplexity = static_cast<u8>(v[1]);
    game.focusReplayability = static_cast<u8>(v[2]);
}
bool reachable(const std::array<i32, 3>& v) {
    return v[0] + v[1] + v[2] == 100 && std::all_of(v.begin(), v.end(), [](i32 x) { return x >= 1 && x <= 98; });
}
}  // namespace

void ProjectScreen::moveShare(int which, i32 value) {
    auto v = shares();
    keepSum100(v, which, value, 1, 98);
    storeShares(t().game, v);
}

void ProjectScreen::moveFocus(int which, i32 value) {
    auto v = focus();
    keepSum100(v, which, value, 1, 98);
    storeFocus(t().game, v);
}

bool ProjectScreen::setShares(const std::array<i32, 3>& v) {
    if (!reachable(v)) return false;
    storeShares(t().game, v);
    return true;
}

bool ProjectScreen::setFocus(const std::array<i32, 3>& v) {
    if (!reachable(v)) return false;
    storeFocus(t().game, v);
    return true;
}

std::array<i32, 3> ProjectScreen::research() const {
    const GameTitle& game = t().game;
    return {game.researchProgramming, game.researchDesign, game.researchGraphics};
}

bool ProjectScreen::researchLocked() const { return t().progress >= t().workTotal; }

ActionResult ProjectScreen::setResearch(const std::array<i32, 3>& v) { return setGameResearch(g_, task_, v); }

i32 ProjectScreen::quality(int area) const {
    const GameTitle& game = t().game;
    return area == 0 ? game.qualityGameplay : area == 1 ? game.qualityComplexity : game.qualityReplayability;
}

i32 ProjectScreen::qualityBarMaximum(int area) const {
    // Twice what the genre asks for at the start leaves room to grow.
    const auto demands = genreDemands(g_, t().game.genre);
    return std::max({20 * demands[static_cast<std::size_t>(std::clamp(area, 0, 2))], quality(area), 1});
}

TrafficLight ProjectScreen::light(int area) const { return trafficLight(qualityChangeNextWeek(g_, t(), area)); }

std::vector<ProjectButton> ProjectScreen::buttons() const {
    return {
        {"Publisher deals", true, {}},
        {"Advertising", true, {}},
        {"Assign employees to this task", true, {}},
        {"Details", true, {}},
        {"Preview game", true, {}},
        {"Close", true, {}},
    };
}

void ProjectScreen::publisherDeals(Player& p) {
    if (isNewPlatformTask(g_, task_))
        openPlatformPublishers(g_, p, task_);
    else if (valid())
        ShowPublisherOffers(g_, p, task_);
}

void ProjectScreen::advertising(Player& p) {
    if (valid()) ShowAdvertising(g_, p, task_);
}

void ProjectScreen::details(Player& p) {
    if (valid()) showProjectStatus(g_, p, task_);
}

void ProjectScreen::assignEmployees(Player& p) {
    if (valid()) cw::assignEmployees(g_, p, task_);
}

void ProjectScreen::previewGame(Player& p) {
    if (valid()) RequestPreview(g_, p, task_);
}

std::vector<std::string> ProjectScreen::describe() const {
    std::vector<std::string> out;
    static const char* const kLights[3] = {"red", "yellow", "green"};
    out.push_back("Project properties: " + name() + " (task " + std::to_string(task_) + ")");
    out.push_back("Current Progress: " + thousands(progress()) + " of " + thousands(workTotal()));
    out.push_back("Hype: " + std::to_string(hype()));
    for (int a = 0; a < 3; ++a)
        out.push_back(std::string(kWorkCaptions[static_cast<std::size_t>(a)]) + " " + thousands(workLeft(a)) + " of " +
                      thousands(workBarMaximum()) + ", " + weeksText(a));
    const auto s = shares();
    out.push_back("Development focus (%): Programming " + std::to_string(s[0]) + ", Designing " +
                  std::to_string(s[1]) + ", Graphics " + std::to_string(s[2]));
    const auto f = focus();
    out.push_back("GamePlay " + std::to_string(f[0]) + ", Complexity " + std::to_string(f[1]) + ", replayability " +
                  std::to_string(f[2]));
    const auto r = research();
    out.push_back("Employee Reseach Amount: Programming " + std::to_string(r[0]) + ", Design/GUI " +
                  std::to_string(r[1]) + ", Graphics " + std::to_string(r[2]) +
                  (researchLocked() ? " (locked: Game Core/Idea Finished)" : ""));
    for (int a = 0; a < 3; ++a)
        out.push_back(std::string(kQualityCaptions[static_cast<std::size_t>(a)]) + " " + std::to_string(quality(a)) +
                      " (" + kLights[static_cast<int>(light(a))] + ", " +
                      std::to_string(qualityChangeNextWeek(g_, t(), a)) + " next week)");
    std::string b = "Buttons:";
    for (const ProjectButton& button : buttons())
        b += " [" + button.caption + (button.enabled ? "]" : " (disabled)]");
    out.push_back(b);
    return out;
}

}  // namespace cw
