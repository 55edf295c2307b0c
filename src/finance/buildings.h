// What the company's buildings give it, and how it gets more of them: the
// four buildings raised as construction projects, the four facilities set up
// at once, the publisher negotiation department, and the buildings panel.
#pragma once

#include <array>
#include <string>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// Units of products the company can store: the factory, the headquarters,
// the warehouse and the publishing department each give room by level.
i32 storageCapacity(const Game& g);

// Whether the cash covers a price; when it does not, shortfall is the
// (negative) money that would be left, which the notices print as it is.
struct Affordability {
    bool ok = true;
    i32 shortfall = 0;
};
Affordability canAfford(const Game& g, i32 price);

enum class Building { Headquarters, Office, Warehouse, Factory };
inline constexpr std::array<Building, 4> kBuildings = {Building::Headquarters, Building::Office, Building::Warehouse,
                                                       Building::Factory};

struct BuildingInfo {
    const char* title;     // the panel's heading: "Headquarters", ...
    const char* taskName;  // "*Build* HQ", ...
    int taskType;          // kTaskHeadquarters, ...
    i32 workTotal;
    int highestLevel;
};
const BuildingInfo& buildingInfo(Building b);
int buildingLevel(const Game& g, Building b);
// The price of building it or of its next level.
i32 buildingPrice(const Game& g, Building b);
// The running construction task of this building (0: none).
int constructionTask(const Game& g, Building b);

// "Build" and "Upgrade": starts the construction project after its checks;
// the price is paid when the builders are done.
ActionResult startConstruction(Game& g, Player& p, Building b);

enum class Facility { GameTestCenter, SoundStudio, HardwareTestCenter, PackagingCentral };
inline constexpr std::array<Facility, 4> kFacilities = {Facility::GameTestCenter, Facility::SoundStudio,
                                                        Facility::HardwareTestCenter, Facility::PackagingCentral};
int facilityLevel(const Game& g, Facility f);
i32 facilityPrice(const Game& g, Facility f);
// "Setup": asks, checks the cash, raises the level and pays at once.
ActionResult setupFacility(Game& g, Player& p, Facility f);

// The publisher negotiation department's "Setup" and "Close".
ActionResult openNegotiationDept(Game& g, Player& p);
ActionResult closeNegotiationDept(Game& g, Player& p);

// The entries the task list's menu offers for a task.
struct TaskMenu {
    bool exists = false;
    bool cancel = false;   // "Cancel project"
    bool speedUp = false;  // "Speed up the building process"
    bool staffing = false; // assigning employees, a leader, advertising, publishers
    bool platformDeals = false;  // "Platform publisher deals"
};
TaskMenu taskMenu(const Game& g, int task);
// The cost of one more speed-up of a construction task, as the question names it.
i32 speedUpCost(const Task& t);
ActionResult speedUpBuilding(Game& g, Player& p, int task);
// "Cancel project" for any kind of task; a building project charges a
// tenth of its cost for the work already done.
ActionResult cancelProject(Game& g, Player& p, int task);

// The buildings panel as the screen shows it.
struct BuildingRow {
    Building building{};
    std::string title;
    std::array<std::string, 2> lines;
    bool buildEnabled = false;
    bool upgradeEnabled = false;
    int level = 0;
    int constructionPercent = -1;  // -1 when nothing is being built
};
struct FacilityRow {
    Facility facility{};
    std::string title;
    std::string label;
    bool setupEnabled = false;
    int level = 0;
};
struct BuildingsPanel {
    std::array<BuildingRow, 4> buildings;
    std::array<FacilityRow, 4> facilities;
    std::string negotiationLabel;
    bool negotiationSetupEnabled = false;
    bool negotiationCloseEnabled = false;
    i32 storage = 0;
    i32 employees = 0;
    i32 officePlaces = 0;
};
BuildingsPanel refreshBuildingsPanel(const Game& g);

// The hint that explains the negotiation department.
inline constexpr const char* kNegotiationHint =
    "*To get better advertising deals, setup a Publisher negotiation department.";

}  // namespace cw
