#include "sim/task_panel.h"

#include <algorithm>

#include "engines/engine_texts.h"
#include "hardware/hardware_texts.h"
#include "hardware/platform_design.h"
#include "sim/task_calculators.h"
#include "sim/tasks.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string genreName(const Game& g, int genre) {
    const auto& genres = g.tables().genres;
    return genres.inRange(genre) ? genres[genre].name.str() : std::string();
}

std::string cpuName(const Game& g, i32 slot) {
    const auto& cpus = g.tables().cpus;
    return cpus.inRange(slot) ? cpus[slot].name.str() : std::string();
}

// The licensee's game of an engine support deal: the task carries no link
// to it, only its name, so it is found as the deal made it: a game of the
// engine's platform and genre, using the player's engine, whose support
// task name this is.
const GameTitle* supportedGame(const Game& g, const Task& t) {
    const auto& years = g.tables().gameTitles;
    for (int year = g.currentYear; year <= g.currentYear + 2; ++year) {
        if (!years.inRange(year)) continue;
        for (const GameTitle& title : years[year]) {
            if (!title.usesPlayerEngine || title.platform != t.engine.platform || title.genre != t.engine.genre)
                continue;
            pstr<20> expected{};
            expected = "Support Engine " + title.title.str();
            if (expected.view() == t.name.view()) return &title;
        }
    }
    return nullptr;
}

std::string studySubject(int subtype) {
    switch (subtype) {
        case kStudyLeadership: return "LeaderShip";
        case kStudyProgramming: return "Programming technics";
        case kStudyDesign: return "Design/GUI";
        case kStudyGraphics: return "Graphic";
        case kStudyHardware: return "Hardware design";
        default: return "";
    }
}

void gameDetails(const Game& g, const Task& t, TaskPanel& panel) {
    const GameTitle& game = t.game;
    panel.isGame = true;
    panel.gameTitle = game.title.str();
    panel.research = {game.researchProgramming, game.researchDesign, game.researchGraphics};
    panel.slidersLocked = t.progress >= t.workTotal;
    panel.phaseCaption = panel.slidersLocked ? "Game Core/Idea Finished. Changes not possible"
                                             : "Progress (changes to game core still possible)";
    const WorkLeft left = largestWorkLeft(t);
    static constexpr const char* kAreas[3] = {"Programming", "Design", "Graphics"};
    for (std::size_t a = 0; a < 3; ++a)
        panel.areas[a] = {kAreas[a], gameAreaEstimate(g, t, static_cast<int>(a)).text() + " Weeks", left.clamped[a],
                          left.largest};
    panel.hype = game.hype;
    panel.hasPublisher = game.companyRow != 0;
}

void engineDetails(const Game& g, const Task& t, TaskPanel& panel) {
    const std::string platform = platformNameText(g, t.engine.platform);
    const std::string genre = genreName(g, t.engine.genre);
    auto& d = panel.details;
    if (t.taskSubtype == kWorkEngineSupport) {
        const GameTitle* licensee = supportedGame(g, t);
        d.push_back("Finishes in approx. : " + std::to_string(t.workTotal - t.progress) + " Weeks");
        d.push_back("Profit              : " + std::to_string(t.engine.licenceIncome) + "$");
        d.push_back("Percentage of sales : " + std::to_string(licensee ? licensee->engineRoyalty : 0) + "%");
        d.push_back("Game                : " + (licensee ? licensee->title.str() : std::string()));
        d.push_back("Game release        : " +
                    (licensee ? std::to_string(licensee->releaseWeek) + "/" + std::to_string(licensee->releaseYear)
                              : std::string()));
        d.push_back("Platform            : " + platform);
        d.push_back("Genre               : " + genre);
        return;
    }
    d.push_back("Finishes in approx. :" + taskEstimate(g, t, EstimateView::Panel).text() + " Weeks");
    d.push_back("Platform            : " + platform);
    d.push_back("Platform Code level :" + std::string(kCrLf) + std::to_string(t.engine.codeLevel) + "." +
                codeLevelRemark(t.engine.codeLevel));
    d.push_back("Genre               : " + genre);
    d.push_back("Genre level         :" + std::string(kCrLf) + std::to_string(t.engine.featureLevel) + "." +
                genreLevelWord(t.engine.featureLevel));
}

void platformDetails(const Game& g, const Task& t, TaskPanel& panel) {
    auto& d = panel.details;
    const Platform& pf = t.platform;
    d.push_back("Publisher deals");
    if (t.improving)
        d.push_back("Improving Product       :" + std::to_string(t.improveWeeksLeft) + " week(s)");
    else
        d.push_back("Finishes in approx.     :" + taskEstimate(g, t, EstimateView::Panel).text() + " Weeks");
    d.push_back("Development/design cost :" + std::to_string(t.spent));
    d.push_back("Production cost(1 unit) :" + std::to_string(pf.productionCost));
    d.push_back("Configuration :" + std::string(kCrLf) + "Main CPU :" + cpuName(g, pf.mainCpu));
    d.push_back("Sec. CPU :" + cpuName(g, pf.secondCpu));
    d.push_back("Main GPU :" + cpuName(g, pf.gpu));
    d.push_back("Main SPU :" + cpuName(g, pf.spu));
    d.push_back("Ram      :" + (pf.ramChoice >= 0 ? memorySizeText(g, pf.ramChoice) : std::string()));
}

std::string withLineBreaks(const std::string& text, const std::string& indent) {
    std::string out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(kCrLf, start);
        out += indent + text.substr(start, end == std::string::npos ? std::string::npos : end - start) + '\n';
        if (end == std::string::npos) return out;
        start = end + 2;
    }
}

}  // namespace

std::string taskKindText(const Task& t) {
    switch (t.taskType) {
        case kTaskGame: return "Game";
        case kTaskPlatform: return t.taskSubtype == kWorkCostReduction ? "Cost reduction" : "Platform";
        case kTaskEngine:
            if (t.taskSubtype == kWorkEngineSupport) return "Engine support";
            if (t.taskSubtype == kWorkUpgrade) return "Engine upgrade";
            return "Engine";
        case kTaskWarehouse: return "Warehouse";
        case kTaskPublishingDept: return "Publishing dept.";
        case kTaskExtraOffice: return "Extra office";
        case kTaskHeadquarters: return "Headquarters";
        case kTaskFactory: return "Factory";
        case kTaskStudy: return "Study";
        default: return "Unknown Type";
    }
}

std::vector<ProjectRow> projectsList(const Game& g) {
    std::vector<ProjectRow> rows;
    const auto& tasks = g.tables().tasks;
    for (int i = tasks.first; i <= tasks.last; ++i) {
        const Task& t = tasks[i];
        if (t.name.empty() || t.closedFlag) continue;
        rows.push_back({i, t.name.str(), taskKindText(t), taskPercent(t), taskEstimate(g, t, EstimateView::List).text()});
    }
    return rows;
}

ActionResult setGameResearch(Game& g, int task, const std::array<i32, 3>& research) {
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].name.blank() || tasks[task].taskType != kTaskGame)
        return Refusal{"Employee Reseach Amount", "Task " + std::to_string(task) + " is no game in development"};
    Task& t = tasks[task];
    if (t.progress >= t.workTotal)
        return Refusal{"Employee Reseach Amount", "Game Core/Idea Finished. Changes not possible"};
    for (i32 v : research)
        if (v < 25 || v > 100) return Refusal{"Employee Reseach Amount", "Each research amount is 25..100"};
    t.game.researchProgramming = static_cast<u8>(research[0]);
    t.game.researchDesign = static_cast<u8>(research[1]);
    t.game.researchGraphics = static_cast<u8>(research[2]);
    return std::nullopt;
}

TaskPanel taskPanel(const Game& g, int ti) {
    TaskPanel panel;
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(ti) || tasks[ti].name.empty()) return panel;
    const Task& t = tasks[ti];
    panel.task = ti;
    panel.name = t.name.str();

    if (isBuildingTask(t)) {
        panel.teamLines.push_back("Team Manager : Building contractor");
    } else {
        const Person* leader = personOf(g, t.leader);
        const int leadership = leader ? leader->leadership : 0;
        const int capacity = managerCapacity(leadership);
        panel.teamLines.push_back("Team Manager :" + (leader ? leader->name.str() : std::string()) + " (" +
                                  std::to_string(leadership) + ")");
        panel.teamLines.push_back("Can manage  up to " + std::to_string(capacity) + " employees");
        panel.teamLines.push_back("Number of Employees : " + std::to_string(staffCount(t)) + "/" +
                                  std::to_string(capacity));
    }

    if (t.improving) {
        panel.progressCaption = "Current progress - (Improving product)";
        panel.progressMaximum = 8;
        panel.progressPosition = 8 - t.improveWeeksLeft;
    } else {
        panel.progressCaption = t.taskSubtype == kWorkUpgrade ? "Current progress - (Upgrading product)"
                                                              : "Current progress - (developing product)";
        panel.progressMaximum = t.workTotal;
        panel.progressPosition = t.progress;
    }

    auto& d = panel.details;
    if (isGameTask(t)) {
        gameDetails(g, t, panel);
    } else if (t.taskType == kTaskEngine) {
        engineDetails(g, t, panel);
    } else if (isCostReductionTask(t)) {
        d.push_back(platformNameText(g, costReductionPlatform(g, t)));
        d.push_back("Finishes in approx.     :" + std::to_string(t.workTotal) + " Weeks");
        d.push_back("Development/design cost :" + std::to_string(t.spent));
        d.push_back("Cost reduction :" + std::to_string(t.improvementPoints));
    } else if (isPlatformTask(t)) {
        platformDetails(g, t, panel);
    } else if (t.taskType == kTaskStudy) {
        panel.isStudy = true;
        const Person* student = personOf(g, t.leader);
        d.push_back("Study subject :" + studySubject(t.taskSubtype));
        d.push_back("Employee :" + (student ? student->name.str() : std::string()));
        d.push_back("Finishes in approx. " + taskEstimate(g, t, EstimateView::Panel).text() + " Weeks");
    } else if (isBuildingTask(t)) {
        d.push_back("Finishes in approx.     :" + taskEstimate(g, t, EstimateView::Panel).text() + " Weeks");
        d.push_back("Total Building cost     :" + std::to_string(t.spent));
    }
    return panel;
}

std::string taskPanelText(const TaskPanel& panel) {
    if (panel.task == 0) return "No task\n";
    std::string out = "Task " + std::to_string(panel.task) + ": " + panel.name + '\n';
    for (const std::string& line : panel.teamLines) out += "  " + line + '\n';
    out += "  " + panel.progressCaption + ": " + std::to_string(panel.progressPosition) + "/" +
           std::to_string(panel.progressMaximum) + '\n';
    if (panel.isGame) {
        out += "  " + panel.gameTitle + '\n';
        out += "  " + panel.phaseCaption + '\n';
        out += "  Employee Reseach Amount: " + std::to_string(panel.research[0]) + ", " +
               std::to_string(panel.research[1]) + ", " + std::to_string(panel.research[2]) +
               (panel.slidersLocked ? " (locked)" : "") + '\n';
        for (const AreaProgress& a : panel.areas)
            out += "  " + a.name + ": " + a.weeksText + " (work left " + std::to_string(a.workLeft) + "/" +
                   std::to_string(a.maximum) + ")\n";
        out += "  Hype: " + std::to_string(panel.hype) + '\n';
        out += std::string("  Publisher: ") + (panel.hasPublisher ? "found" : "none yet (\"Find Publisher\")") + '\n';
    }
    for (const std::string& line : panel.details) out += withLineBreaks(line, "  ");
    return out;
}

}  // namespace cw
