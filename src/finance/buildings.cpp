#include "finance/buildings.h"

#include <algorithm>
#include <array>

#include "people/labour_market.h"
#include "quality/task_calculators.h"
#include "state/tasks.h"
#include "state/money.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

template <std::size_t N>
i32 byLevel(const std::array<i32, N>& room, int level) {
    // A level no building reaches adds nothing.
    return level >= 0 && static_cast<std::size_t>(level) < N ? room[static_cast<std::size_t>(level)] : 0;
}

constexpr std::array<i32, 4> kFactory = {0, 10000, 20000, 30000};
constexpr std::array<i32, 4> kHeadquarters = {0, 5000, 10000, 20000};
// Levels 6..10 cannot be built; a world may still start with them.
constexpr std::array<i32, 11> kWarehouse = {0,      50000,   100000,  200000,  350000, 500000,
                                            750000, 1000000, 1300000, 1600000, 2000000};
constexpr std::array<i32, 4> kPublisher = {0, 5000, 10000, 15000};

constexpr const char* kCrLf = "\r\n";

constexpr BuildingInfo kBuildingInfo[] = {
    {"Headquarters", "*Build* HQ", kTaskHeadquarters, 10000, 3},
    {"Offices", "*Build* Office", kTaskExtraOffice, 6000, 10},
    {"Warehouse", "*Build* Warehouse", kTaskWarehouse, 7000, 5},
    {"Factory", "*Build* Factory", kTaskFactory, 10000, 3},
};

struct FacilityText {
    const char* title;          // the panel's heading
    i32 unit;                   // the price of a level is (L + 1) times this
    const char* askTitle;
    const char* question;
    const char* setupLabel;     // level 0
    const char* upgradeLabel;   // levels 1..3, after "Level L"
    const char* advancedLabel;  // level 4 and above
    const char* history;        // "... lvl L has been setup"
};

constexpr FacilityText kFacilityText[] = {
    {"Games test center", 250000, "Setup testcenter", "Are you sure you will setup a test center ?",
     "Setup Game testcenter : ", "-Upgrade game testcenter : ", "Advanced Games test center has been setup",
     "Games test center lvl "},
    {"Sound studio", 250000, "Setup Sound Studio", "Are you sure you want to setup a sound Studio ?",
     "Setup Sound Studio : ", "-Upgrade Sound studio : ", "Advanced Sound studio has been setup",
     "Sound studio lvl "},
    {"Hardware test center", 500000, "Setup Hardware testcenter", "Are you sure you will setup a test center ?",
     "Setup Hardware testcenter : ", "-Upgrade HW testcenter : ", "Advanced Hardware test center has been setup",
     "Hardware test center lvl "},
    {"Packaging central", 500000, "Setup Packaging central", "Are you sure you will setup a Packaging central ?",
     "Setup Packaging Central : ", "-Upgrade packaging central : ", "Advanced Packaging central has been setup",
     "Packaging Central lvl "},
};

constexpr int kHighestFacilityLevel = 4;

const FacilityText& facilityText(Facility f) { return kFacilityText[static_cast<int>(f)]; }

template <class W>
auto* facilityField(W& w, Facility f) {
    switch (f) {
        case Facility::GameTestCenter: return &w.gameTestCenterLevel;
        case Facility::SoundStudio: return &w.soundStudioLevel;
        case Facility::HardwareTestCenter: return &w.hardwareTestCenterLevel;
        case Facility::PackagingCentral: return &w.packagingCentralLevel;
    }
    return &w.gameTestCenterLevel;
}

void addBuildingCost(Game& g, i32 amount) {
    auto& years = g.world().yearlyBuildingCost;
    if (std::remove_reference_t<decltype(years)>::inRange(g.currentYear))
        years[g.currentYear] = addMoney(years[g.currentYear], amount);
}

const Task* liveTask(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].name.empty() || tasks[task].closedFlag) return nullptr;
    return &tasks[task];
}

}  // namespace

i32 storageCapacity(const Game& g) {
    const World& w = g.world();
    return byLevel(kFactory, w.factoryLevel) + byLevel(kHeadquarters, w.headquartersLevel) +
           byLevel(kWarehouse, w.warehouseLevel) + byLevel(kPublisher, w.publisherLevel);
}

Affordability canAfford(const Game& g, i32 price) {
    const i32 left = subtractMoney(g.world().money, price);
    if (left >= 0) return {true, 0};
    return {false, left};
}

const BuildingInfo& buildingInfo(Building b) { return kBuildingInfo[static_cast<int>(b)]; }

int buildingLevel(const Game& g, Building b) {
    const World& w = g.world();
    switch (b) {
        case Building::Headquarters: return w.headquartersLevel;
        case Building::Office: return w.extraOffices;
        case Building::Warehouse: return w.warehouseLevel;
        case Building::Factory: return w.factoryLevel;
    }
    return 0;
}

i32 buildingPrice(const Game& g, Building b) {
    const i32 base = g.session.buildingBasePrice;
    const i32 level = buildingLevel(g, b);
    long long price = 0;
    switch (b) {
        case Building::Office: price = static_cast<long long>(base) * 2 * (level + 2); break;
        case Building::Warehouse: price = static_cast<long long>(base) * (level + 2); break;
        case Building::Factory: price = static_cast<long long>(base) * 6 * (level + 2); break;
        case Building::Headquarters: price = static_cast<long long>(base) * 5 * (level + 2); break;
    }
    return saturatedMoney(price);
}

int constructionTask(const Game& g, Building b) {
    const std::string_view name = buildingInfo(b).taskName;
    const auto& tasks = g.tables().tasks;
    for (int i = tasks.first; i <= tasks.last; ++i) {
        // Only building projects count: a game the player happened to call
        // "*Build* Office" must not keep the builders away.
        if (liveTask(g, i) && isBuildingTask(tasks[i]) && tasks[i].name.view().find(name) != std::string_view::npos)
            return i;
    }
    return 0;
}

ActionResult startConstruction(Game& g, Player& p, Building b) {
    const BuildingInfo& info = buildingInfo(b);
    // The panel disables both buttons at the top level; the driver may still ask.
    if (buildingLevel(g, b) >= info.highestLevel)
        return Refusal{"Construction", std::string(info.title) + " cannot be enlarged any further"};
    const i32 price = buildingPrice(g, b);
    if (constructionTask(g, b) != 0) {
        Refusal r{"Building already in progress", "Construction already in progress on this building"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    if (const Affordability a = canAfford(g, price); !a.ok) {
        Refusal r{"Not enough funds", std::string("Not enough funds.") + kCrLf + "Missing : " +
                                          std::to_string(a.shortfall) + "$"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    const std::string question = "Start Construction. Construction Cost " + std::to_string(price) + "$";
    if (!p.messageBox("Construction", question, true)) return Refusal{"Construction", question};
    const int ti = createTask(g, info.taskName, info.taskType, kWorkConstruction, 0, 0, info.workTotal);
    if (ti == 0) return Refusal{"No free project slot", "Your company already runs 500 projects. Finish one first."};
    g.tables().tasks[ti].spent = price;
    p.notify("Construction", std::string("Funds ok.") + kCrLf + "Construction started", 2000);
    p.refreshMainScreen();
    return std::nullopt;
}

int facilityLevel(const Game& g, Facility f) { return *facilityField(g.world(), f); }

i32 facilityPrice(const Game& g, Facility f) {
    const long long level = facilityLevel(g, f);
    return saturatedMoney((level + 1) * facilityText(f).unit);
}

ActionResult setupFacility(Game& g, Player& p, Facility f) {
    const FacilityText& t = facilityText(f);
    if (facilityLevel(g, f) >= kHighestFacilityLevel) return Refusal{t.askTitle, t.advancedLabel};
    if (!p.askDialog(t.askTitle, t.question, true, true)) return Refusal{t.askTitle, t.question};
    const i32 price = facilityPrice(g, f);
    if (const Affordability a = canAfford(g, price); !a.ok) {
        Refusal r{"Not enough funds", "You are missing " + std::to_string(a.shortfall) + "$"};
        p.notify(r.caption, r.text, 3000);
        return r;
    }
    World& w = g.world();
    i32& level = *facilityField(w, f);
    level += 1;
    payCash(w.money, price);
    addCompanyHistory(g, g.currentWeek, t.history + std::to_string(level) + " has been setup");
    p.refreshMainScreen();
    return std::nullopt;
}

ActionResult openNegotiationDept(Game& g, Player& p) {
    World& w = g.world();
    if (w.publisherNegotiationDept > 0) return Refusal{"Setup Publisher department", "The department is open"};
    const char* question = "Are you sure you will setup a Publisher negotiation department ?";
    if (!p.askDialog("Setup Publisher department", question, true, true))
        return Refusal{"Setup Publisher department", question};
    w.publisherNegotiationDept += 1;
    payCash(w.money, 100000);
    addCompanyHistory(g, g.currentWeek, "Publisher negotiation department opened ");
    p.refreshMainScreen();
    return std::nullopt;
}

ActionResult closeNegotiationDept(Game& g, Player& p) {
    World& w = g.world();
    if (w.publisherNegotiationDept <= 0) return Refusal{"Close Publisher department", "The department is closed"};
    const char* question = "Are you sure you will close your Publisher negotiation department ?";
    if (!p.askDialog("Close Publisher department", question, true, true))
        return Refusal{"Close Publisher department", question};
    w.publisherNegotiationDept = 0;
    addCompanyHistory(g, g.currentWeek, "Publisher negotiation department Closed");
    p.refreshMainScreen();
    return std::nullopt;
}

TaskMenu taskMenu(const Game& g, int task) {
    TaskMenu m;
    const Task* t = liveTask(g, task);
    if (!t) return m;
    m.exists = true;
    if (isBuildingTask(*t)) {
        m.cancel = t->progress <= 1000;
        m.speedUp = t->progress < 4000;
    } else {
        m.cancel = true;
        m.staffing = true;
        m.platformDeals = t->taskType == kTaskPlatform && t->taskSubtype == 0;
    }
    return m;
}

i32 speedUpCost(const Task& t) {
    const i32 weeksLeft = std::max(0, (t.workTotal - t.progress) / 101);
    return saturatedMoney(static_cast<long long>(weeksLeft) * (t.spent / 100));
}

ActionResult speedUpBuilding(Game& g, Player& p, int task) {
    const TaskMenu m = taskMenu(g, task);
    if (!m.exists) return Refusal{"Speed up project ?", "There is no project in this place"};
    if (!m.speedUp) return Refusal{"Speed up project ?", "The building process cannot be sped up any more"};
    Task& t = g.tables().tasks[task];
    const i32 cost = speedUpCost(t);
    const std::string text = "Do you which to speed up the building project " + t.name.str() + kCrLf +
                             "It will cost you " + std::to_string(cost) + "$";
    if (!p.messageBox("Speed up project ?", text, true)) return Refusal{"Speed up project ?", text};
    t.progress += 1500 + g.rng.randomInt(400);
    t.spent = addMoney(t.spent, cost);
    p.refreshMainScreen();
    return std::nullopt;
}

ActionResult cancelProject(Game& g, Player& p, int task) {
    const TaskMenu m = taskMenu(g, task);
    if (!m.exists) return Refusal{"Cancel project ?", "There is no project in this place"};
    if (!m.cancel) return Refusal{"Cancel project ?", "The builders are too far on to stop now"};
    Task& t = g.tables().tasks[task];
    if (isBuildingTask(t)) {
        const i32 fee = t.spent / 10;
        const std::string text = "Do you which to cancel the building project " + t.name.str() + "It will cost you " +
                                 std::to_string(fee) + "$ for the work allready done by the construction company";
        if (!p.messageBox("Cancel project ?", text, true)) return Refusal{"Cancel project ?", text};
        World& w = g.world();
        payCash(w.money, fee);
        addBuildingCost(g, fee);
    } else {
        const std::string text = "Are you sure you want to Cancel project : " + t.name.str();
        if (!p.messageBox("Cancel project ?", text, true)) return Refusal{"Cancel project ?", text};
    }
    clearTask(g, task);
    p.refreshMainScreen();
    return std::nullopt;
}

BuildingsPanel refreshBuildingsPanel(const Game& g) {
    BuildingsPanel panel;
    for (std::size_t i = 0; i < kBuildings.size(); ++i) {
        const Building b = kBuildings[i];
        const BuildingInfo& info = buildingInfo(b);
        BuildingRow& row = panel.buildings[i];
        row.building = b;
        row.title = info.title;
        row.level = buildingLevel(g, b);
        const std::string price = std::to_string(buildingPrice(g, b));
        if (row.level <= 0) {
            row.lines = {"No building", "Build Cost : " + price};
            row.buildEnabled = true;
        } else {
            row.lines = {"Current Level   : " + std::to_string(row.level), "Cost next Level : " + price};
            row.upgradeEnabled = row.level < info.highestLevel;
        }
        if (const int ti = constructionTask(g, b)) {
            const Task& t = g.tables().tasks[ti];
            row.constructionPercent =
                t.workTotal > 0 ? std::clamp(static_cast<int>(100LL * t.progress / t.workTotal), 0, 100) : 0;
        }
    }
    for (std::size_t i = 0; i < kFacilities.size(); ++i) {
        const Facility f = kFacilities[i];
        const FacilityText& t = facilityText(f);
        FacilityRow& row = panel.facilities[i];
        row.facility = f;
        row.title = t.title;
        row.level = facilityLevel(g, f);
        const std::string price = std::to_string(facilityPrice(g, f)) + "$";
        if (row.level >= kHighestFacilityLevel) {
            row.label = t.advancedLabel;
        } else if (row.level >= 1) {
            row.label = "Level " + std::to_string(row.level) + t.upgradeLabel + price;
            row.setupEnabled = true;
        } else {
            row.label = t.setupLabel + price;
            row.setupEnabled = true;
        }
    }
    const bool open = g.world().publisherNegotiationDept > 0;
    panel.negotiationLabel = open ? "Publisher negotiation department : open" : "Publisher negotiation department";
    panel.negotiationSetupEnabled = !open;
    panel.negotiationCloseEnabled = open;
    panel.storage = storageCapacity(g);
    panel.employees = employeeCount(g);
    panel.officePlaces = officeCapacity(g);
    return panel;
}

}  // namespace cw
