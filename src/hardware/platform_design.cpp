#include "hardware/platform_design.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "hardware/hardware_texts.h"
#include "people/staff_management.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {

namespace {

using Cpus = decltype(SaveImage::cpus);

constexpr const char* kCrLf = "\r\n";

const Cpu* cpuAt(const Game& g, int slot) {
    return slot > 0 && Cpus::inRange(slot) ? &g.tables().cpus[slot] : nullptr;
}

std::string cut(std::string s, std::size_t n) {
    if (s.size() > n) s.resize(n);
    return s;
}

std::string lowerCase(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Each processor's line in a choice box: the slot after the ";" is what the
// choice reads back.
NewPlatformScreen::Item boxItem(int slot, const Cpu& c) {
    const std::string head = cut(c.name.str() + " (", 27) + std::to_string(c.speed) + ")";
    return {slot, head + std::string(38, ' ') + ";" + std::to_string(slot), head};
}

std::vector<NewPlatformScreen::Item> boxItems(const Game& g, int cpuType) {
    std::vector<NewPlatformScreen::Item> items{{0, "None", "None"}};
    const auto& cpus = g.tables().cpus;
    for (int i = Cpus::first; i <= Cpus::last; ++i)
        if (cpus[i].announced && cpus[i].cpuType == cpuType) items.push_back(boxItem(i, cpus[i]));
    return items;
}

// Player actions refuse with a timed notification; the screen stays open.
ActionResult refuse(Player& p, const char* caption, const std::string& text, int ms) {
    p.notify(caption, text, ms);
    return Refusal{caption, text};
}

}  // namespace

DesignEstimate designEstimate(const Game& g, const PlatformDesign& d) {
    const World& w = g.world();
    i32 perf = w.bestCpuSpeed / 2;
    i32 cost = 0;
    if (const Cpu* c = cpuAt(g, d.mainCpu)) {
        perf += c->speed;
        cost += c->price;
    }
    // A second CPU adds half its speed for its full price.
    if (const Cpu* c = cpuAt(g, d.secondCpu)) {
        perf += c->speed / 2;
        cost += c->price;
    }
    for (int slot : {d.gpu, d.spu})
        if (const Cpu* c = cpuAt(g, slot)) {
            perf += c->speed;
            cost += c->price;
        }
    if (d.ramChoice >= 0) {
        cost += (d.ramChoice + 1) * 10 * (cost / 100);
        perf -= perf / (d.ramChoice + 3);
    }
    cost -= (cost / 100) * (w.factoryLevel * 5 + 10);
    cost += w.gameLevel * 50 + 100;
    if (d.bundleController) cost += 15;
    if (d.bundleGame) cost += 15;
    if (w.packagingCentralLevel > 0) cost -= 15 * w.packagingCentralLevel;

    DesignEstimate e;
    e.cost = cost;
    const double best = static_cast<double>(w.bestCpuSpeed) + w.bestGpuSpeed + w.bestSpuSpeed;
    // With no best processors yet there is nothing to measure against.
    if (perf > 0 && best > 0) {
        const double spec = std::nearbyint(1000.0 / (best / perf));
        e.spec = static_cast<i32>(std::clamp(spec, 0.0, static_cast<double>(INT_MAX)));
    }
    return e;
}

bool complexityAllowed(i32 designSpec, i32 hardware) {
    if (designSpec >= 1200) return hardware >= 90;
    if (designSpec >= 1100) return hardware >= 80;
    if (designSpec >= 1050) return hardware >= 70;
    if (designSpec >= 1000) return hardware >= 60;
    if (designSpec >= 900) return hardware >= 50;
    return true;
}

bool platformNameRefused(const Game& g, const std::string& name) {
    // The console is stored under its first 25 characters, so that is the
    // name that must not clash.
    const std::string typed = lowerCase(cut(name, 25));
    if (typed.empty() || typed == "new platform") return true;
    for (const Platform& pf : g.tables().platforms)
        if (lowerCase(pf.name.str()) == typed) return true;
    return false;
}

i32 developmentProductionCost(const Game& g, int task) {
    const auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task)) return 0;
    const Platform& pf = tasks[task].platform;
    const World& w = g.world();
    i32 b = 0;
    for (int slot : {pf.mainCpu, pf.secondCpu, pf.gpu, pf.spu})
        if (const Cpu* c = cpuAt(g, slot)) b += c->price;
    // The first memory choice adds nothing here, unlike in the estimate.
    if (pf.ramChoice != 0) b += (pf.ramChoice + 1) * 10 * (b / 100);
    b -= (b / 100) * (w.factoryLevel * 5 + 10);
    if (pf.bundleController) b += 15;
    if (pf.bundleGame) b += 15;
    if (w.packagingCentralLevel > 0) b -= 15 * w.packagingCentralLevel;
    return w.gameLevel * 50 + b - pf.costReduction + 100;
}

std::string memorySizeText(const Game& g, int variant) {
    // Year from which a size is on the market, size in kilobytes.
    static constexpr struct {
        i32 year, size;
    } kMemory[] = {{1977, 4},       {1981, 8},        {1983, 32},       {1985, 128},     {1987, 512},
                   {1989, 1024},    {1991, 4096},     {1993, 16384},    {1995, 32768},   {1998, 131072},
                   {2000, 262144},  {2002, 524288},   {2005, 1042000},  {2008, 2084000}, {2011, 4096000}};
    i32 size = kMemory[0].size;
    for (const auto& m : kMemory)
        if (m.year <= g.currentYear) size = m.size;
    const i32 value = variant <= 0 ? size / 2 : variant == 1 ? size : 2 * size;
    if (value < 1024) return std::to_string(value) + " KB";
    if (value < 1042000) return std::to_string(value / 1024) + " MB";
    // The table counts 1,042,000 KB as one gigabyte and 4,096,000 as four.
    return std::to_string(value / 1024000) + " GB";
}

// ---------------------------------------------------------------------------

NewPlatformScreen::NewPlatformScreen(Game& g) : g_(g) {}

void NewPlatformScreen::open() {
    cpus_ = boxItems(g_, 1);
    gpus_ = boxItems(g_, 2);
    spus_ = boxItems(g_, 4);
    memory_ = {memorySizeText(g_, 0), memorySizeText(g_, 1), memorySizeText(g_, 2)};
    const int memoryChoice = design_.ramChoice < 0 ? 1 : design_.ramChoice;
    design_ = PlatformDesign{};
    design_.ramChoice = memoryChoice;
    leader_ = 0;
    createdTask_ = 0;
    rebuild();
}

void NewPlatformScreen::rebuild() {
    grid_ = {{"CPU name", "Speed Index", "Price", "Type"}, {}};
    const auto& cpus = g_.tables().cpus;
    for (int i = Cpus::first; i <= Cpus::last; ++i) {
        const Cpu& c = cpus[i];
        if (!c.announced) continue;
        const bool shown = (c.cpuType == 1 && showCpus) || (c.cpuType == 2 && showGpus) ||
                           (c.cpuType == 4 && showSpus) || c.cpuType == 3;
        if (shown)
            grid_.rows.push_back(
                {i, {c.name.str(), std::to_string(c.speed), std::to_string(c.price), cpuTypeText(c.cpuType)}});
    }
    sortGrid(grid_, 1, true);
    nextDescending = false;
    estimate();
}

void NewPlatformScreen::headerClicked(int column) {
    sortGrid(grid_, column, nextDescending);
    nextDescending = !nextDescending;
}

void NewPlatformScreen::estimate() {
    const DesignEstimate e = designEstimate(g_, design_);
    designCost_ = e.cost;
    designSpec_ = e.spec;
}

std::string NewPlatformScreen::leaderText() const {
    const auto& people = g_.tables().people;
    return leader_ > 0 && people.inRange(leader_) ? people[leader_].name.str() : "None";
}

std::string NewPlatformScreen::costText() const { return "Approx. per unit : " + std::to_string(designCost_) + "$"; }

std::string NewPlatformScreen::ratingText() const { return cpuSpecRatingText(designSpec_); }

bool NewPlatformScreen::offers(const std::vector<Item>& items, int slot) {
    return std::any_of(items.begin(), items.end(), [slot](const Item& i) { return i.index == slot; });
}

bool NewPlatformScreen::chooseMainCpu(int slot) {
    if (!offers(cpus_, slot)) return false;
    design_.mainCpu = slot;
    // Without a main CPU there is no second one.
    if (slot == 0) design_.secondCpu = 0;
    estimate();
    return true;
}

bool NewPlatformScreen::chooseSecondCpu(int slot) {
    if (!offers(cpus_, slot) || (slot != 0 && !secondCpuEnabled())) return false;
    design_.secondCpu = slot;
    estimate();
    return true;
}

bool NewPlatformScreen::chooseGpu(int slot) {
    if (!offers(gpus_, slot)) return false;
    design_.gpu = slot;
    estimate();
    return true;
}

bool NewPlatformScreen::chooseSpu(int slot) {
    if (!offers(spus_, slot)) return false;
    design_.spu = slot;
    estimate();
    return true;
}

bool NewPlatformScreen::chooseMemory(int choice) {
    if (choice < 0 || choice > 2) return false;
    design_.ramChoice = choice;
    estimate();
    return true;
}

void NewPlatformScreen::setBundleController(bool on) {
    design_.bundleController = on;
    estimate();
}

void NewPlatformScreen::setBundleGame(bool on) {
    design_.bundleGame = on;
    estimate();
}

bool NewPlatformScreen::findLeader(Player& p) {
    const int chosen = chooseTeamLeader(g_, p, -1, true);
    const bool taken = chosen > 0 && !setLeader(chosen);
    rebuild();
    return taken;
}

ActionResult NewPlatformScreen::setLeader(int person) {
    if (ActionResult refused = leaderRefusal(g_, person)) return refused;
    leader_ = person;
    return std::nullopt;
}

ActionResult NewPlatformScreen::startProject(Player& p) {
    createdTask_ = 0;
    if (design_.mainCpu <= 0)
        return refuse(p, "Choose a CPU",
                      std::string("Please choose a Main CPU for the project") + kCrLf +
                          "Choose a CPU in the box CPU in the upper right corner.",
                      4000);
    if (platformNameRefused(g_, name_))
        return refuse(p, "Platform name",
                      std::string("Please choose another platform name") + kCrLf +
                          "You can write a platform name in the field located located in the top left",
                      4000);
    // A manager who took other work while the screen stayed open no longer
    // counts as chosen.
    if (leader_ > 0 && leaderRefusal(g_, leader_)) leader_ = 0;
    if (leader_ <= 0)
        return refuse(p, "No Team Manager choosen",
                      std::string("Please Choose a team manager") + kCrLf +
                          "The project cannot be started if no Team manager is chosen" + kCrLf +
                          "You can choose a team manager by pressing the \"Find\" button located just below the "
                          "Platform name",
                      7000);
    if (!complexityAllowed(designSpec_, g_.tables().people[leader_].hardware))
        return refuse(p, "Platform complexity",
                      std::string("The platform Complexity is to high for the current Team Leader.") + kCrLf +
                          "Either choose lower tech CPU/GPU/SPU or choose a Team leader with better Hardware "
                          "Knowledge." +
                          kCrLf +
                          "You can choose an other team manager by pressing the \"Find\" button located just below "
                          "the Platform name",
                      7000);

    const int ti = createTask(g_, "New platform", kTaskPlatform, kWorkNew, leader_, 0, 0);
    // Every project place taken: nothing is overwritten, the design stays.
    if (ti == 0)
        return refuse(p, "No free project slot",
                      "Your company already runs 500 projects. Finish one before you start a new platform.", 4000);
    Task& t = g_.tables().tasks[ti];
    Platform& pf = t.platform;
    pf.mainCpu = design_.mainCpu;
    pf.secondCpu = design_.secondCpu;
    pf.gpu = design_.gpu;
    pf.spu = design_.spu;
    pf.ramChoice = design_.ramChoice;
    pf.bundleController = design_.bundleController;
    pf.bundleGame = design_.bundleGame;
    pf.unitStock = 0;

    Random& rng = g_.rng;
    i32 work = 6000 + (g_.currentYear - 1976) * 2000;
    if (pf.mainCpu > 0) work += rng.randomInt(500) + 1500;
    if (pf.secondCpu > 0) work += rng.randomInt(500) + 1500;
    if (pf.gpu > 0) work += rng.randomInt(250) + 500;
    if (pf.spu > 0) work += rng.randomInt(250) + 500;
    if (pf.ramChoice != -1) work += (pf.ramChoice + 1) * 300;
    t.workTotal = work;

    pf.name = cut(name_, 25);
    pf.platformKind = 1;
    pf.stillInUsePercent = 100;
    pf.price = designCost_ + 300;
    pf.productionCost = designCost_;
    pf.cpuSpec = designSpec_;
    pf.playerOwned = 1;
    pf.overallIndex = 100;
    i32 share = 10 + pf.cpuSpec / 50;
    pf.overallIndex = pf.overallIndex - pf.price / 5;
    pf.reserved_172[0] = static_cast<u8>(100 - rng.randomInt(50));
    pf.standingRank = 255;
    pf.previousMarketRank = 255;
    // A big reference catalogue makes a newcomer's start harder.
    const i32 rows = g_.session.referenceGameRows;
    if (rows / 60 > pf.gameCount) {
        pf.soldUnits /= 2;
        share /= 2;
        pf.opinion /= 2;
        if (rows >= 180) {
            pf.soldUnits /= 2;
            share /= 2;
            pf.opinion /= 2;
        }
    }
    for (bool bundle : {design_.bundleController, design_.bundleGame}) {
        if (!bundle) continue;
        share += rng.randomInt(4) + 2;
        pf.opinion += rng.randomInt(3) + 4;
    }
    pf.marketShare = static_cast<u8>(std::clamp<i32>(share, 0, 255));
    if (pf.marketShare > 3) t.hype += pf.marketShare / 3;
    if (pf.opinion > 2) t.hype += pf.opinion / 2;

    addCompanyHistory(g_, g_.currentWeek,
                      cut(cut("New Platform " + pf.name.str(), 38) + " development begun", 56));
    p.refreshMainScreen();
    createdTask_ = ti;
    if (p.messageBox("Assign Employees",
                     std::string("To finish project faster you need to assign Additional Employess to this project.") +
                         kCrLf + "Assign employees now ?",
                     true))
        assignEmployees(g_, p, ti);
    else
        p.notify("Assign Employees",
                 std::string("Remember to assign employess to project for faster completion") + kCrLf +
                     "You can assign employees by right clicking on the project in the \"current task\" box",
                 9000);
    return std::nullopt;
}

}  // namespace cw
