// The factory's assembly lines and the warehouse: the weekly production,
// the hardware bugs of new consoles, the assembly and storage screens, the
// lines' output upgrade and the projects that make a console cheaper.
#pragma once

#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// Hardware bugs of recently released consoles, with the recall offer.
void platformBugCheck(Game& g, Player& p);

// The factory's weekly production run; stops when the warehouse is full.
void factoryProduction(Game& g, Player& p);

// Frees every warehouse entry that has been sold out.
void clearEmptyEntries(Game& g);

// Units one line builds in a week at the current output level.
i32 lineOutput(const Game& g);
// The lines the factory shows: three a level, at most nine.
int visibleLines(const Game& g);
// What a loaded line costs to run for a week, besides the units it builds.
inline constexpr i32 kLineWeeklyCost = 15000;
inline constexpr int kHighestLineLevel = 3;

// "Factory Assembly": what the screen shows. Opening it recomputes lineLoad.
struct AssemblyLineRow {
    int line = 0;
    i32 platform = 0;   // 0: idle
    std::string label;  // "Assign Product" or the console's name
};
struct AssemblyItem {
    int product = 0;  // the products entry
    i32 platform = 0;
    std::string text;  // name + "   (Stock : " + units + ")"
};
struct AssemblyScreen {
    i32 totalOutput = 0;  // all visible lines together, units a week
    i32 lineOutput = 0;   // one line, units a week
    i32 lineLoad = 0;
    std::string storageText;  // free + "/" + capacity
    int outputLevel = 1;
    bool upgradeEnabled = false;  // "Upgrade Assembly Lines": below the highest level
    i32 upgradePrice = 0;
    std::vector<AssemblyLineRow> lines;
    std::vector<AssemblyItem> products;  // what a click on a line offers
};
AssemblyScreen openAssemblyScreen(Game& g);
AssemblyScreen assemblyScreen(const Game& g);

// A click on a product of a line's list, and the line's "Stop".
ActionResult assignLine(Game& g, int line, int product);
ActionResult stopLine(Game& g, int line);
// Puts the console of `product` on lines 1..count and stops the other
// visible lines (count 0 stops them all).
ActionResult setAssemblyLines(Game& g, int count, int product);

// "Upgrade Assembly Lines": asks, checks the cash and raises the output level.
i32 lineUpgradePrice(const Game& g);
ActionResult upgradeAssemblyLines(Game& g, Player& p);

// "Storage": one row per warehouse entry; rows of anything but a console
// stay blank.
struct StorageRow {
    int entry = 0;
    std::string item;  // the console's name; empty for a blank row
    i32 stock = 0;
};
struct StorageScreen {
    i32 freeSpace = 0;
    i32 capacity = 0;
    std::vector<StorageRow> rows;  // used entries only, in entry order
};
StorageScreen storageScreen(const Game& g);

// "New project" (TForm_newtask_dialog): a header, what the number counts, a
// team leader found on the staff screen and a number 4..250. Each use starts
// afresh, so a cancelled dialog never spoils the next one.
class NewTaskDialog {
public:
    static constexpr int kLowest = 4;
    static constexpr int kHighest = 250;

    NewTaskDialog(Game& g, std::string header, std::string measure);
    const std::string& header() const { return header_; }
    const std::string& measure() const { return measure_; }
    std::string leaderText() const;  // "None" or the chosen person's name
    int leader() const { return leader_; }
    int amount() const { return amount_; }
    bool okEnabled() const { return leader_ > 0; }
    // "Find": the staff screen picks a team manager for a new project.
    bool find(Player& p);
    void setAmount(int n);
    // "OK" only closes; "Cancel" (and Esc) marks this use cancelled.
    void pressOk() {}
    void pressCancel() { cancelled_ = true; }
    // A leader was chosen and the dialog not cancelled.
    bool accepted() const { return leader_ > 0 && !cancelled_; }

private:
    Game& g_;
    std::string header_;
    std::string measure_;
    int leader_ = 0;
    int amount_ = kLowest;
    bool cancelled_ = false;
};

// "Lower production cost" on a console in the product lists; createdTask
// receives the new task.
ActionResult startCostReduction(Game& g, Player& p, int product, int* createdTask = nullptr);

}  // namespace cw
