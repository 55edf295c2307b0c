#include "hardware/manufacturing.h"

#include <algorithm>

#include "finance/buildings.h"
#include "hardware/warehouse.h"
#include "people/staff_management.h"
#include "state/inbox.h"
#include "state/money.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr i32 kConsoleKind = ProductPlatform;
// The weekly run walks the first ten lines whatever the factory shows.
constexpr int kProductionLines = 10;
constexpr int kMostVisibleLines = 9;

using Years = decltype(World::yearlyDevelopmentCost);
using Platforms = decltype(SaveImage::platforms);

void bookDevelopmentCost(Game& g, long long amount) {
    if (Years::inRange(g.currentYear)) addToMoney(g.world().yearlyDevelopmentCost[g.currentYear], amount);
}

bool isConsole(const Game& g, i32 platform) {
    return Platforms::inRange(platform) && !g.tables().platforms[platform].name.blank();
}

// The console of a products entry, or 0 when the entry is no console.
i32 consoleOfProduct(const Game& g, int product) {
    const auto& products = g.world().products;
    if (!products.inRange(product) || productFree(products[product])) return 0;
    const ProductEntry& e = products[product];
    return e.kind == ProductPlatform && isConsole(g, e.refA) ? e.refA : 0;
}

// The text so far, cut to `length` characters.
std::string cut(std::string text, std::size_t length) {
    if (text.size() > length) text.resize(length);
    return text;
}

}  // namespace

i32 lineOutput(const Game& g) { return 800 + 500 * g.world().lineOutputLevel; }

int visibleLines(const Game& g) { return std::min(g.world().factoryLevel * 3, kMostVisibleLines); }

void factoryProduction(Game& g, Player& p) {
    World& w = g.world();
    const i32 out = lineOutput(g);
    for (int i = 1; i <= kProductionLines; ++i) {
        const AssemblyLine& line = w.assemblyLines[i];
        const i32 space = freeStorage(g);
        const bool loaded = line.linePlatform > 0 && line.lineKind == kConsoleKind && isConsole(g, line.linePlatform);
        // A console unit needs room for its whole box: the warehouse fills
        // to its capacity and never past it.
        const i32 room = loaded ? space / line.lineKind : space;
        if (room < 1) {
            if (g.session.inboxOptions.mailOnProductionStop) {
                postLetter(g, p, "Production stopped !",
                           std::string("Your storage space is full.") + kCrLf +
                               "Upgrade your warehouse to get more storage space");
                return;
            }
            continue;
        }
        if (!loaded) continue;
        const i32 units = std::min(out, room);
        Platform& pf = g.tables().platforms[line.linePlatform];
        addStock(g, line.linePlatform, 0, line.lineKind, units);
        payCash(w.money, kLineWeeklyCost);
        bookDevelopmentCost(g, kLineWeeklyCost);
        const long long cost = static_cast<long long>(pf.productionCost) * units;
        addToMoney(pf.productionSpending, cost);
        payCash(w.money, cost);
        bookDevelopmentCost(g, cost);
    }
}

void clearEmptyEntries(Game& g) {
    for (StorageEntry& e : g.world().storageEntries)
        if (e.itemKey != 0 && e.stock <= 0) e = StorageEntry{};
}

void platformBugCheck(Game& g, Player& p) {
    World& w = g.world();
    for (Platform& pf : g.tables().platforms) {
        if (pf.bugCooldown > 0) pf.bugCooldown -= 1;
        if (pf.bugCooldown != 0 || !pf.playerOwned || pf.weeksOnMarket > 52) continue;
        i32 r = 100;
        if (w.hardwareTestCenterLevel > 0) r = g.rng.randomInt(100 - 10 * w.hardwareTestCenterLevel);
        if (r <= 50) continue;
        r = g.rng.randomInt(100) + 1;
        if (pf.cpuSpec / 100 <= 7) continue;
        const std::string name = pf.name.str();
        const std::string tail = std::string("If you do not fix the units your future sales might suffer.") + kCrLf +
                                 "Do you want to correct this problem ?" + kCrLf;
        i32 cost = 0;
        std::string text;
        int divisor = 0;
        if (r >= 96 - 3 * w.gameLevel && r <= 99) {
            pf.bugCooldown = static_cast<u8>(g.rng.randomInt(8) + 20);
            cost = pf.soldUnits * w.gameLevel;
            text = cut("A fatal bug has been Discovedered on platform " + name, 71) + "." + kCrLf +
                   "You need to recall and fix all " + std::to_string(pf.soldUnits) + " units" + kCrLf +
                   "This oparation will cost you " + std::to_string(cost) + kCrLf + tail;
            divisor = 3;
        } else if (r >= 60 - 10 * w.gameLevel && r <= 69) {
            pf.bugCooldown = static_cast<u8>(g.rng.randomInt(8) + 20);
            cost = (pf.soldUnits / 2) * w.gameLevel;
            text = cut("An error has been Discovedered in your platform " + name, 73) + "." + kCrLf +
                   "You need to fix some of the sold units" + kCrLf + "This oparation will cost you " +
                   std::to_string(cost) + kCrLf + tail;
            divisor = 2;
        } else {
            continue;
        }
        if (p.askDialog("Platform Bug!", text, true, true)) {
            payCash(w.money, cost);
        } else {
            pf.opinion /= divisor;
            pf.marketShare = static_cast<u8>(pf.marketShare / divisor);
            w.platformsImage = static_cast<u8>(w.platformsImage / divisor);
        }
    }
}

// ---------------------------------------------------------------------------
AssemblyScreen assemblyScreen(const Game& g) {
    const World& w = g.world();
    AssemblyScreen s;
    s.lineOutput = lineOutput(g);
    s.totalOutput = s.lineOutput * w.factoryLevel * 3;
    s.lineLoad = w.lineLoad;
    s.storageText = std::to_string(freeStorage(g)) + "/" + std::to_string(storageCapacity(g));
    s.outputLevel = w.lineOutputLevel;
    s.upgradeEnabled = w.factoryLevel > 0 && w.lineOutputLevel < kHighestLineLevel;
    s.upgradePrice = lineUpgradePrice(g);
    for (int i = 1; i <= visibleLines(g); ++i) {
        const AssemblyLine& line = w.assemblyLines[i];
        AssemblyLineRow row;
        row.line = i;
        if (line.linePlatform > 0) {
            row.platform = line.linePlatform;
            row.label = isConsole(g, line.linePlatform) ? g.tables().platforms[line.linePlatform].name.str() : "?";
        } else {
            row.label = "Assign Product";
        }
        s.lines.push_back(row);
    }
    const auto& products = w.products;
    for (int k = products.first; k <= products.last; ++k) {
        const i32 platform = consoleOfProduct(g, k);
        if (platform == 0) continue;
        AssemblyItem item;
        item.product = k;
        item.platform = platform;
        item.text = g.tables().platforms[platform].name.str() + "   (Stock : " +
                    std::to_string(stockOf(g, platform, 0, kConsoleKind)) + ")";
        s.products.push_back(item);
    }
    return s;
}

AssemblyScreen openAssemblyScreen(Game& g) {
    World& w = g.world();
    i32 active = 0;
    for (int i = 1; i <= visibleLines(g); ++i)
        if (w.assemblyLines[i].linePlatform > 0) ++active;
    w.lineLoad = 100 * active;
    return assemblyScreen(g);
}

namespace {

ActionResult lineRefusal(const Game& g, int line) {
    if (g.world().factoryLevel < 1) return Refusal{"Factory Assembly", "You have no factory"};
    if (line < 1 || line > visibleLines(g))
        return Refusal{"Factory Assembly",
                       "The factory has assembly lines 1 to " + std::to_string(visibleLines(g)) + " only"};
    return std::nullopt;
}

}  // namespace

ActionResult assignLine(Game& g, int line, int product) {
    if (ActionResult r = lineRefusal(g, line)) return r;
    const i32 platform = consoleOfProduct(g, product);
    if (platform == 0)
        return Refusal{"Factory Assembly", "Product " + std::to_string(product) + " is not one of your platforms"};
    AssemblyLine& l = g.world().assemblyLines[line];
    l.linePlatform = platform;
    l.value4 = 0;
    l.lineKind = kConsoleKind;
    return std::nullopt;
}

ActionResult stopLine(Game& g, int line) {
    if (ActionResult r = lineRefusal(g, line)) return r;
    g.world().assemblyLines[line].linePlatform = 0;
    return std::nullopt;
}

ActionResult setAssemblyLines(Game& g, int count, int product) {
    if (g.world().factoryLevel < 1) return Refusal{"Factory Assembly", "You have no factory"};
    if (count < 0 || count > visibleLines(g))
        return Refusal{"Factory Assembly", "The factory has " + std::to_string(visibleLines(g)) + " assembly lines"};
    if (count > 0 && consoleOfProduct(g, product) == 0)
        return Refusal{"Factory Assembly", "Product " + std::to_string(product) + " is not one of your platforms"};
    for (int i = 1; i <= visibleLines(g); ++i) {
        if (i <= count) assignLine(g, i, product);
        else stopLine(g, i);
    }
    return std::nullopt;
}

i32 lineUpgradePrice(const Game& g) { return g.world().lineOutputLevel * 1000000 + 1000000; }

ActionResult upgradeAssemblyLines(Game& g, Player& p) {
    World& w = g.world();
    const char* caption = "Upgrade Factory lines";
    if (w.factoryLevel < 1) return Refusal{caption, "You have no factory"};
    if (w.lineOutputLevel >= kHighestLineLevel)
        return Refusal{caption, "The assembly lines already run at the highest output level"};
    const i32 price = lineUpgradePrice(g);
    const int level = w.lineOutputLevel;
    const std::string question = std::string("Do you want to upgrade factory lines output level ?") + kCrLf +
                                 "Upgrading from level " + std::to_string(level) + " To level " +
                                 std::to_string(level + 1) + kCrLf + "It will cost you : $" + std::to_string(price);
    if (!p.askDialog(caption, question, true, true)) return Refusal{caption, question};
    if (const Affordability a = canAfford(g, price); !a.ok) {
        Refusal r{"Not enough money", "You do not have enough money. You are missing " + std::to_string(a.shortfall)};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    w.lineOutputLevel = static_cast<u8>(level + 1);
    payCash(w.money, price);
    p.refreshMainScreen();
    return std::nullopt;
}

StorageScreen storageScreen(const Game& g) {
    StorageScreen s;
    s.freeSpace = freeStorage(g);
    s.capacity = storageCapacity(g);
    const auto& entries = g.world().storageEntries;
    for (int i = entries.first; i <= entries.last; ++i) {
        const StorageEntry& e = entries[i];
        if (e.itemKey == 0 && e.itemKind == 0) continue;
        StorageRow row;
        row.entry = i;
        if (e.itemKind == kConsoleKind && e.itemKey2 <= 0 && isConsole(g, e.itemKey)) {
            row.item = g.tables().platforms[e.itemKey].name.str();
            row.stock = e.stock;
        }
        s.rows.push_back(row);
    }
    return s;
}

// ---------------------------------------------------------------------------
NewTaskDialog::NewTaskDialog(Game& g, std::string header, std::string measure)
    : g_(g), header_(std::move(header)), measure_(std::move(measure)) {}

std::string NewTaskDialog::leaderText() const {
    const auto& people = g_.tables().people;
    if (leader_ <= 0 || !people.inRange(leader_)) return "None";
    return people[leader_].name.str();
}

bool NewTaskDialog::find(Player& p) {
    const int chosen = chooseTeamLeader(g_, p, -1, true);
    if (chosen <= 0) return false;
    leader_ = chosen;
    return true;
}

void NewTaskDialog::setAmount(int n) { amount_ = std::clamp(n, kLowest, kHighest); }

ActionResult startCostReduction(Game& g, Player& p, int product, int* createdTask) {
    if (createdTask) *createdTask = 0;
    const char* caption = "Task : Lower production cost";
    const i32 platform = consoleOfProduct(g, product);
    if (platform == 0) return Refusal{caption, "Product " + std::to_string(product) + " is not one of your platforms"};
    const std::string name = g.tables().platforms[platform].name.str();
    const std::string question = "Would you like to try and lower the production cost of " + name;
    if (!p.askDialog(caption, question, true, true)) return Refusal{caption, question};
    NewTaskDialog dialog(g, "Cost reduction of : " + name, "Weeks");
    p.newTaskDialog(dialog);
    if (!dialog.accepted()) return Refusal{"New project", "No team leader was chosen"};
    const int ti = createTask(g, "Cost " + name, kTaskPlatform, kWorkCostReduction, dialog.leader(), product,
                              dialog.amount());
    if (ti == 0) return Refusal{"No free project slot", "Your company already runs 500 projects. Finish one first."};
    if (createdTask) *createdTask = ti;
    p.refreshMainScreen();
    return std::nullopt;
}

}  // namespace cw
