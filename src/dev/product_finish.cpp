#include "dev/product_finish.h"

#include <cstdint>
#include <utility>

#include "dev/release.h"
#include "finance/buildings.h"
#include "hardware/hardware_texts.h"
#include "hardware/warehouse.h"
#include "state/codepage.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {
namespace {
// The game task whose dialog is on the screen.
int g_openTask = 0;
// The task whose status dialog is on the screen.
int g_statusTask = 0;

constexpr const char* kCrLf = "\r\n";
constexpr int kImproveWeeks = 8;

bool isConsoleTask(const Task& t) { return t.taskType == kTaskPlatform && t.taskSubtype == 0; }

const Task* taskAt(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].name.empty()) return nullptr;
    return &tasks[task];
}

std::string appendCut(const std::string& text, std::string_view more, int maxChars) {
    return cutText(text + std::string(more), maxChars);
}

// Which of the three texts the task gets: 1 finished, 2 far enough to go
// out as it is (about 70 %), 3 still in development; 0 for none.
int statusCase(const Task& t) {
    if (t.taskSubtype != 0 || t.closedFlag) return 0;
    if (t.progress >= t.workTotal) return 1;
    // Wide, because progress div 70 x 100 outgrows 32 bits for huge projects.
    if (std::int64_t{t.progress / 70} * 100 >= t.workTotal) return 2;
    return 3;
}

// An improvement whose weeks are still running is not done yet.
bool improvementRunning(const Task& t) { return t.improving && t.improveWeeksLeft > 0; }

Platform* firstFreePlatformSlot(Game& g, int& slot) {
    auto& platforms = g.tables().platforms;
    for (int i = 1; i <= 500; ++i)
        if (platforms[i].name.blank()) {
            slot = i;
            return &platforms[i];
        }
    slot = 0;
    return nullptr;
}

bool productListHasRoom(const Game& g) {
    for (const ProductEntry& e : g.world().products)
        if (productFree(e)) return true;
    return false;
}

}  // namespace
}  // namespace cw

namespace cw {

int openDistributionTask() { return g_openTask; }

bool distributionDialog(Game& g, Player& p, int task) {
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return false;
    const int previous = std::exchange(g_openTask, task);
    p.showModal(ScreenId::Distribution);
    g_openTask = previous;
    // Closing the dialog without a region must not hold the week: the game
    // goes to every region the company can pay for.
    const GameTitle& game = tasks[task].game;
    if (!game.inUS && !game.inEU && !game.inAsia) chooseDistribution(g, task, defaultRegions(g));
    return true;
}

const std::array<const char*, 7> ProjectStatusDialog::kLabels = {
    "Product name:",     "Project name :", "Product type :",      "Product Subtype :",
    "Product quality :", "Unit Stock :",   "Total storage left :"};

std::string projectStatusText(const Game& g, int task) {
    const Task* t = taskAt(g, task);
    if (!t) return {};
    const int which = statusCase(*t);
    if (which == 0) return {};
    const auto& people = g.tables().people;
    const std::string leader = people.inRange(t->leader) ? people[t->leader].name.str() : std::string();
    std::string s = cutText(leader + " : " + kCrLf + kCrLf + t->name.str(), 67);
    if (which == 1) {
        s = appendCut(s, " has been finished.", 86);
        s = appendCut(s, kCrLf, 88);
        if (t->improving && !improvementRunning(*t))
            s += std::string("Requested improvement of the product is done.") + kCrLf;
        s += "What would you like to do ?";
    } else if (which == 2) {
        s = appendCut(s, " is not 100% finished but can be released as is.", 115);
        s = appendCut(s, kCrLf, 117);
        s = appendCut(s, "If you release the product now the product quality will suffer.", 180);
    } else {
        s = appendCut(s, " is still in development.", 92);
        s = appendCut(s, kCrLf, 94);
        s = appendCut(s, "Everything is going according to our plan", 135);
    }
    return s;
}

ProjectStatusDialog projectStatusDialog(const Game& g, int task) {
    ProjectStatusDialog d;
    const Task* t = taskAt(g, task);
    if (!t) {
        d.improveHint = d.finishHint = "There is no project in this slot";
        return d;
    }
    d.task = task;
    d.console = isConsoleTask(*t);
    const bool consoleRecord = t->taskType == kTaskPlatform;
    d.values[0] = consoleRecord ? t->platform.name.str() : t->game.title.str();
    d.values[1] = t->name.str();
    d.values[2] = taskTypeText(t->taskType);
    d.values[3] = taskSubtypeText(t->taskSubtype);
    if (consoleRecord) d.values[4] = cpuSpecRatingText(t->platform.cpuSpec + t->improvementPoints);
    d.values[5] = std::to_string(t->platform.unitStock);
    d.values[6] = std::to_string(freeStorage(g)) + "/" + std::to_string(storageCapacity(g));
    if (t->taskType == kTaskGame) {
        d.game = true;
        d.platformsText = std::string("Will be developed for the following platforms :") + kCrLf;
        for (int platform : chosenPlatforms(*t))
            if (g.tables().platforms.inRange(platform))
                d.platformsText += g.tables().platforms[platform].name.str() + " . ";
    }
    d.statusText = projectStatusText(g, task);

    // Only a console is improved or finished from here: a game, an engine or
    // a building finishes by itself when its work is done.
    const int which = statusCase(*t);
    if (!d.console) {
        d.improveHint = d.finishHint = "Only a console in development is improved or finished from here";
    } else if (which == 1) {
        d.finishEnabled = true;
        d.improveEnabled = !improvementRunning(*t);
        if (!d.improveEnabled)
            d.improveHint = "The improvement runs for " + std::to_string(t->improveWeeksLeft) + " more week(s)";
    } else if (which == 2) {
        d.finishEnabled = true;
        d.improveHint = "A product can be improved once it is finished";
    } else {
        d.improveHint = "A product can be improved once it is finished";
        d.finishHint = "The product can be finished once about 70% of the work is done";
    }
    return d;
}

int openProjectStatusTask() { return g_statusTask; }

void showProjectStatus(Game& g, Player& p, int task) {
    if (!taskAt(g, task)) return;
    const int previous = std::exchange(g_statusTask, task);
    p.showModal(ScreenId::ProjectStatus);
    g_statusTask = previous;
}

std::string improveProduct(Game& g, Player& p, int task) {
    const ProjectStatusDialog d = projectStatusDialog(g, task);
    if (d.task == 0) return "There is no project " + std::to_string(task);
    if (!d.improveEnabled) return d.improveHint;
    Task& t = g.tables().tasks[task];
    t.improving = 1;
    t.improveWeeksLeft = kImproveWeeks;
    t.improveCost = p.messageBox("Improment focus",
                                 std::string("Should your employees Focus on Lowering the hardware") + kCrLf +
                                     "cost of the product instead of improving power and speed ?",
                                 true);
    t.platform.cpuSpec += t.improvementPoints;
    t.improvementPoints = 0;
    p.notify("Improvment choosen", "Improving " + t.name.str() + " for 8 weeks", 2000);
    return {};
}

FinishOutcome finishProject(Game& g, Player& p, int task) {
    FinishOutcome out;
    const ProjectStatusDialog d = projectStatusDialog(g, task);
    if (d.task == 0) {
        out.refusal = "There is no project " + std::to_string(task);
        return out;
    }
    if (!d.finishEnabled) {
        out.refusal = d.finishHint;
        return out;
    }
    const bool yes = p.messageBox(
        "Finish Product",
        std::string("No more improvements will be possible after the product has been moved to \"ready for release\"") +
            kCrLf + "If moved remember to set up assembly lines to start making units of pruduct for sale?" + kCrLf +
            "Finish product and move it to ready for release ?",
        true);
    if (!yes) return out;

    Task& t = g.tables().tasks[task];
    int slot = 0;
    Platform* target = firstFreePlatformSlot(g, slot);
    // With no room the console stays a finished project, so it can still be
    // finished once there is room; nothing of it is lost.
    if (!target) {
        out.refusal = "There is no room on the market for another platform: all 500 platform places are taken.";
        p.messageBox("Finish Product", out.refusal + kCrLf + t.name.str() + " stays a finished project.", false);
        return out;
    }
    if (!productListHasRoom(g)) {
        out.refusal = "The product list is full: all 3500 places are taken.";
        p.messageBox("Finish Product", out.refusal + kCrLf + t.name.str() + " stays a finished project.", false);
        return out;
    }
    // The platform's own index, of which the record holds the low byte.
    t.platform.selfIndex = static_cast<u8>(slot);
    *target = t.platform;
    target->hype = t.hype;
    out.product = addProduct(g, task, slot, 0, ProductPlatform, false);
    out.platform = slot;
    out.finished = true;
    p.notify("Start production", "Set up assembly lines to produce units of product", 5000);
    p.showModal(ScreenId::FactoryAssembly);
    p.refreshMainScreen();
    return out;
}

}  // namespace cw
