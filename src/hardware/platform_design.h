// The player's own console designs: the design screen (TForm_newplatform),
// its estimate of cost and rating, "Start project", and the production cost
// of a console while its team develops it.
#pragma once

#include <string>
#include <vector>

#include "hardware/platform_screens.h"
#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// The parts of a design: Cpus slots (0 = none), the memory choice 0..2
// (-1 = none) and the two bundles.
struct PlatformDesign {
    int mainCpu = 0;
    int secondCpu = 0;
    int gpu = 0;
    int spu = 0;
    int ramChoice = -1;
    bool bundleController = false;
    bool bundleGame = false;
};

// "Approx. per unit" and the hardware rating of a design.
struct DesignEstimate {
    i32 cost = 0;
    i32 spec = 0;
};
DesignEstimate designEstimate(const Game& g, const PlatformDesign& d);

// Whether a team leader with this hardware skill can manage a design of
// this rating.
bool complexityAllowed(i32 designSpec, i32 hardware);

// The typed name cannot be a console's name: empty, "New Platform", or
// (ignoring case) the name of a platform on the market.
bool platformNameRefused(const Game& g, const std::string& name);

// The production cost of the console a platform task (1..500) is designing,
// from the processors' current prices; the week stores it in the design.
i32 developmentProductionCost(const Game& g, int task);

// The memory size of choice `variant` (0 half, 1 the year's size, 2 double)
// in the current year: "512 KB", "4 MB", "2 GB".
std::string memorySizeText(const Game& g, int variant);

// The design screen. The view shows the lists and texts and forwards the
// player's choices; "Start project" decides here.
class NewPlatformScreen {
public:
    static constexpr const char* kCaption = "Create New Platform";

    struct Item {
        int index = 0;     // Cpus slot, 0 for "None"
        std::string text;  // name + " (" + speed + ")" + blanks + ";" + slot, as the box holds it
        std::string name;  // what a drop-down shows: "None" or "name (speed)"
    };

    explicit NewPlatformScreen(Game& g);

    // On show: the choice boxes refilled and reset, the bundles unchecked,
    // the leader cleared, the grid rebuilt and the estimate made.
    void open();
    // A filter box changed or the leader was found: the grid and the
    // estimate again, the choice boxes kept.
    void rebuild();

    // --- what the screen shows ---
    const std::vector<Item>& cpus() const { return cpus_; }  // main and second CPU boxes
    const std::vector<Item>& gpus() const { return gpus_; }
    const std::vector<Item>& spus() const { return spus_; }
    const std::vector<std::string>& memory() const { return memory_; }
    const PlatformDesign& design() const { return design_; }
    bool secondCpuEnabled() const { return design_.mainCpu > 0; }
    int leader() const { return leader_; }
    std::string leaderText() const;  // the leader's name or "None"
    const std::string& name() const { return name_; }
    i32 designCost() const { return designCost_; }
    i32 designSpec() const { return designSpec_; }
    std::string costText() const;    // "Approx. per unit : 450$"
    std::string ratingText() const;  // "up-to-date (900)"
    // The processor grid: "CPU name", "Speed Index", "Price", "Type".
    const Grid& processors() const { return grid_; }
    bool showCpus = true;
    bool showGpus = true;
    bool showSpus = true;
    void headerClicked(int column);
    int createdTask() const { return createdTask_; }

    // --- the player's choices; false when the box does not offer the slot ---
    bool chooseMainCpu(int slot);
    bool chooseSecondCpu(int slot);
    bool chooseGpu(int slot);
    bool chooseSpu(int slot);
    bool chooseMemory(int choice);  // 0..2
    void setBundleController(bool on);
    void setBundleGame(bool on);
    void setName(std::string name) { name_ = std::move(name); }
    // "Find": the manager picker; the chosen person becomes the leader.
    bool findLeader(Player& p);
    // The CLI and tests name the leader directly: only an employee who is on
    // no project may lead.
    ActionResult setLeader(int person);

    // "Start project": the first failing check's notification, or nothing
    // when the task was created (createdTask()) and the screen closes.
    ActionResult startProject(Player& p);

private:
    void estimate();
    static bool offers(const std::vector<Item>& items, int slot);

    Game& g_;
    std::vector<Item> cpus_, gpus_, spus_;
    std::vector<std::string> memory_;
    PlatformDesign design_;
    int leader_ = 0;
    std::string name_ = "New Platform";
    i32 designCost_ = 0;
    i32 designSpec_ = 0;
    Grid grid_;
    bool nextDescending = false;
    int createdTask_ = 0;
};

}  // namespace cw
