// Building commands of the headless driver: the buildings panel, building
// and upgrading, the facilities, the negotiation department, and the task
// list menu's "Speed up the building process" and "Cancel project".
#include "cli/commands.h"
#include "cli/driver.h"
#include "finance/buildings.h"

namespace cw::cli {
namespace {

void printResult(Session& s, const char* what, const ActionResult& r) {
    if (r)
        s.out << what << ": not done: " << r->caption << " | " << oneLine(r->text) << '\n';
    else
        s.out << what << ": done, cash " << s.game->world().money << '\n';
}

const char* enabled(bool on) { return on ? "enabled" : "disabled"; }

std::string cmdBuildings(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const BuildingsPanel p = refreshBuildingsPanel(*s.game);
    s.out << "Buildings\n";
    for (const BuildingRow& b : p.buildings) {
        s.out << "  " << b.title << ": " << b.lines[0] << " | " << b.lines[1] << " | Build " << enabled(b.buildEnabled)
              << ", Upgrade " << enabled(b.upgradeEnabled);
        if (b.constructionPercent >= 0) s.out << " | under construction " << b.constructionPercent << "%";
        s.out << '\n';
    }
    s.out << "Facilities\n";
    for (const FacilityRow& f : p.facilities)
        s.out << "  " << f.title << ": " << f.label << " | Setup " << enabled(f.setupEnabled) << '\n';
    s.out << "  " << p.negotiationLabel << " | Setup " << enabled(p.negotiationSetupEnabled) << ", Close "
          << enabled(p.negotiationCloseEnabled) << '\n';
    s.out << "storageCapacity: " << p.storage << '\n';
    s.out << "offices: " << p.employees << "/" << p.officePlaces << " (employees/office places)\n";
    return {};
}

std::string cmdBuild(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (cmd.args.size() != 1 || pos.size() != 1) return "takes one of office, warehouse, factory, hq";
    Building b{};
    if (pos[0] == "office") b = Building::Office;
    else if (pos[0] == "warehouse") b = Building::Warehouse;
    else if (pos[0] == "factory") b = Building::Factory;
    else if (pos[0] == "hq") b = Building::Headquarters;
    else return "\"" + pos[0] + "\" is not office, warehouse, factory or hq";
    printResult(s, "build", startConstruction(*s.game, s.player, b));
    return {};
}

std::string cmdSetup(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (cmd.args.size() != 1 || pos.size() != 1) return "takes one of testcenter, soundstudio, hwtestcenter, packaging";
    Facility f{};
    if (pos[0] == "testcenter") f = Facility::GameTestCenter;
    else if (pos[0] == "soundstudio") f = Facility::SoundStudio;
    else if (pos[0] == "hwtestcenter") f = Facility::HardwareTestCenter;
    else if (pos[0] == "packaging") f = Facility::PackagingCentral;
    else return "\"" + pos[0] + "\" is not testcenter, soundstudio, hwtestcenter or packaging";
    printResult(s, "setup", setupFacility(*s.game, s.player, f));
    return {};
}

std::string cmdNegotiation(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (cmd.args.size() != 1 || pos.size() != 1 || (pos[0] != "open" && pos[0] != "close"))
        return "takes open or close";
    const bool open = pos[0] == "open";
    printResult(s, "negotiation", open ? openNegotiationDept(*s.game, s.player) : closeNegotiationDept(*s.game, s.player));
    return {};
}

std::string cmdSpeedUp(Session& s, const Command& cmd) {
    long long n = 0;
    if (cmd.args.size() != 1) return "takes one task number";
    if (auto err = needInt(cmd, 0, 1, 500, n); !err.empty()) return err;
    printResult(s, "speed-up", speedUpBuilding(*s.game, s.player, static_cast<int>(n)));
    return {};
}

std::string cmdCancel(Session& s, const Command& cmd) {
    long long n = 0;
    if (cmd.args.size() != 1) return "takes one task number";
    if (auto err = needInt(cmd, 0, 1, 500, n); !err.empty()) return err;
    printResult(s, "cancel", cancelProject(*s.game, s.player, static_cast<int>(n)));
    return {};
}

}  // namespace

void registerBuildingCommands(CommandTable& t) {
    t.add({"buildings", "buildings",
           "the buildings panel: each building's lines and buttons, the facilities, the negotiation department, "
           "storageCapacity and office places",
           cmdBuildings, kNeedsGame});
    t.add({"build", "build office|warehouse|factory|hq",
           "\"Build\" or \"Upgrade\" a building (asks \"Construction\"; Yes unless an answer is queued)", cmdBuild,
           kNeedsGame});
    t.add({"setup", "setup testcenter|soundstudio|hwtestcenter|packaging", "\"Setup\" a facility or its next level",
           cmdSetup, kNeedsGame});
    t.add({"negotiation", "negotiation open|close", "\"Setup\" or \"Close\" the publisher negotiation department",
           cmdNegotiation, kNeedsGame});
    t.add({"speed-up", "speed-up TASK", "\"Speed up the building process\" of construction task TASK", cmdSpeedUp,
           kNeedsGame});
    t.add({"cancel", "cancel TASK", "\"Cancel project\" on task TASK (any kind of task)", cmdCancel, kNeedsGame});
}

}  // namespace cw::cli
