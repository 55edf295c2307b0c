#include "autoplay/autoplay.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>

#include "dev/dev_tools.h"
#include "dev/game_project.h"
#include "dev/product_finish.h"
#include "dev/release.h"
#include "engines/engine_catalogue.h"
#include "engines/engine_deal_screen.h"
#include "engines/engine_project.h"
#include "engines/product_status.h"
#include "finance/buildings.h"
#include "finance/bank.h"
#include "finance/board.h"
#include "finance/end_game.h"
#include "finance/shares.h"
#include "hardware/manufacturing.h"
#include "hardware/platform_design.h"
#include "hardware/platform_publisher_screen.h"
#include "hardware/platform_publishers.h"
#include "hardware/warehouse.h"
#include "market/expo.h"
#include "market/publishers.h"
#include "people/hiring.h"
#include "people/labour_market.h"
#include "people/staff_management.h"
#include "people/staff_screen.h"
#include "quality/game_quality.h"
#include "sim/game_clock.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {

namespace {

using i64 = std::int64_t;
using People = decltype(SaveImage::people);
using Tasks = decltype(SaveImage::tasks);

// The first whole number after `marker` in a dialog's text; -1 when there is none.
i32 numberAfter(std::string_view text, std::string_view marker) {
    const auto at = text.find(marker);
    if (at == std::string_view::npos) return -1;
    std::size_t i = at + marker.size();
    while (i < text.size() && (text[i] < '0' || text[i] > '9')) ++i;
    long long n = 0;
    bool any = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && n < 2000000000LL) {
        n = n * 10 + (text[i++] - '0');
        any = true;
    }
    return any ? static_cast<i32>(n) : -1;
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// A dialog's text on one transcript line: line breaks as "\n".
std::string flat(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\n' || text[i] == '\r') out += "\\n";
        else out += text[i];
    }
    return out;
}

constexpr const char* kHabitNames[] = {"buildings", "engines", "research", "sequels", "console",
                                       "study",     "expo",    "tools",    "licences"};

class Autoplayer;

// The computer's hands and eyes: it answers what the game asks in the
// middle of a step, by the plans the strategy has set, and passes on what a
// watching person would see.
class AutoPlayer : public SilentPlayer {
public:
    AutoPlayer(Game& g, Player& shown, Autoplayer& brain) : g_(g), shown_(shown), brain_(brain) {}

    // Plans for the questions the next action will ask.
    i32 engineBudget = 0;     // the most a "No Engine" offer may cost
    int leaderToPick = 0;     // the staff screen's click in manager mode
    int autoTeam = 0;         // how many idle employees a new leader takes (-1: as many as he can)
    bool replaceEngine = false;
    bool advertisingDeal = true;
    bool fireConfirmed = false;
    bool sellShares = false;
    bool buyProtection = false;

    std::string lastEndingCaption;
    std::string lastEndingText;

    void notify(std::string_view title, std::string_view text, int ms) override { shown_.notify(title, text, ms); }
    bool askDialog(std::string_view caption, std::string_view text, bool yesNo, bool second) override;
    bool messageBox(std::string_view caption, std::string_view text, bool yesNo) override;
    bool decideDialog(std::string_view caption, std::string_view text, bool yesNo, bool second);
    bool decideMessage(std::string_view caption, std::string_view text, bool yesNo);
    void showModal(ScreenId screen) override;
    void letterPosted(std::string_view subject, std::string_view body) override { shown_.letterPosted(subject, body); }
    void processEvents() override { shown_.processEvents(); }
    void playCue(SoundCue cue) override { shown_.playCue(cue); }
    void chooseStaff(StaffScreen& screen) override;
    int chooseAutoTeam(const AutoTeamOffer& offer) override;

private:
    Game& g_;
    Player& shown_;
    Autoplayer& brain_;
};

class Autoplayer {
public:
    Autoplayer(Game& g, Player& shown, const AutoplayOptions& o)
        : g_(g), o_(o), level_(std::clamp(o.level, 1, 3)), hands_(g, shown, *this) {}

    AutoplayReport run(Player& shown);

    // Called by the hands.
    void choosePublisher();
    void chooseRegions();
    void sortOutDebt();
    bool payForBugHelp(i32 cost) const { return level_ >= 2 && g_.world().money - cost > 2 * reserve(); }
    void unknownDialog(std::string_view caption) {
        ++report_.unknownDialogs;
        say("no rule for the dialog \"" + std::string(caption) + "\": first button");
    }
    void say(const std::string& line) const {
        if (o_.log) *o_.log << g_.currentYear << " w" << g_.currentWeek << ": " << line << '\n';
    }
    void tell(const std::string& line) const {
        if (o_.answered) o_.answered(line);
    }
    void visitExpo();
    // The console's dialogs: its status when the work is done, the platform
    // publishers, the assembly lines.
    void consoleStatus();
    void platformDeals();
    void runLines();
    bool payForRecall() const { return g_.world().money > 2 * reserve(); }
    AutoplayReport& report() { return report_; }

private:
    // --- what the computer looks at ---
    i32 payrollPerWeek() const;
    i32 reserve() const;
    bool isIdle(i32 person) const;
    std::vector<i32> idleStaff() const;
    int gamesInDevelopment() const;
    int ownGamesOfGenre(int genre) const;
    int enginesInDevelopment() const;
    bool engineTaskFor(int platform, int genre) const;
    i64 platformStrength(int platform) const;
    bool platformUsable(int platform) const;

    // --- one turn ---
    void turn();
    void releaseReadyGames();
    void manageMoney();
    void hireStaff();
    void cutStaff();
    bool tryHire(HiringScreen& screen, i32 person);
    void startEngine();
    void upgradeEngines();
    struct GamePlan {
        int row = 0;  // in the genre list
        int genre = 0;
        std::vector<int> platforms;
    };
    GamePlan planGame(DevelopmentScreen& screen, bool canBuy, int ownRating, int onlyGenre = 0) const;
    int usableEngines() const;
    void startGame();
    void fillTeams();
    void noteYear(i32 year);
    bool on(unsigned habit) const { return (o_.habits & habit) != 0; }
    i32 era() const { return eraLevel(g_.currentYear); }
    // The cash that is the company's own: the loan is the bank's.
    i64 ownCash() const { return static_cast<i64>(g_.world().money) - g_.world().loan; }
    int leaderCapacity() const;
    void build();
    void shrink();
    // The own cash against a year ago (0 in the first year).
    i64 trend() const {
        if (weekCount_ <= static_cast<int>(cashBook_.size())) return 0;
        return ownCash() - cashBook_[static_cast<std::size_t>(weekCount_ % cashBook_.size())];
    }
    bool growing() const { return trend() > 0; }
    void buyTools();
    void protect(int platform);
    void study();
    void licenceEngines();
    void designConsole();
    int consoleTask() const;
    int newestConsole() const;
    bool hireHardware();
    bool startConsoleDesign();
    i64 expectedIncome(const GameTitle& t, int region) const;

    Game& g_;
    AutoplayOptions o_;
    int level_;
    AutoPlayer hands_;
    AutoplayReport report_;
    int gameNumber_ = 0;
    int engineNumber_ = 0;
    int releasedThisYear_ = 0;
    int lastEngineWeek_ = 0;
    i64 scoreSumThisYear_ = 0;
    int lastLicenceWeek_ = 0;
    i64 consoleUnitsBefore_ = 0;
    i64 consoleIncomeBefore_ = 0;
    int consoleNumber_ = 0;
    int dealTask_ = 0;                 // the console task whose publishers were asked
    std::vector<int> companiesAsked_;  // for it, each asked once
    std::array<i64, 52> cashBook_{};  // the own cash of the last 52 weeks, a ring
    int weekCount_ = 0;
};

// --- the hands --------------------------------------------------------------

bool AutoPlayer::askDialog(std::string_view caption, std::string_view text, bool yesNo, bool second) {
    const bool first = decideDialog(caption, text, yesNo, second);
    const char* label = !second || first ? (yesNo ? "Yes" : "Ok") : (yesNo ? "No" : "Cancel");
    brain_.tell("[dialog] " + flat(caption) + " | " + flat(text) + " -> " + label);
    return first;
}

bool AutoPlayer::messageBox(std::string_view caption, std::string_view text, bool yesNo) {
    const bool yes = decideMessage(caption, text, yesNo);
    brain_.tell("[message] " + flat(caption) + " | " + flat(text) + " -> " + (!yesNo ? "Ok" : yes ? "Yes" : "No"));
    return yes;
}

int AutoPlayer::chooseAutoTeam(const AutoTeamOffer& offer) {
    const int n = autoTeam < 0 ? offer.capacity : std::min(autoTeam, offer.capacity);
    brain_.tell("[dialog] " + flat(offer.caption) + " | " + flat(offer.question) + " -> " +
                (n > 0 ? "Let teamleader choose (" + std::to_string(n) + ")" : std::string("No. I will choose the employees")));
    return n;
}

bool AutoPlayer::decideDialog(std::string_view caption, std::string_view text, bool yesNo, bool second) {
    if (!yesNo || !second) {
        // One button: a message to read. The last one before the end screen
        // says how the game ended.
        lastEndingCaption = caption;
        lastEndingText = text;
        return true;
    }
    if (caption == "No Engine") {
        const i32 price = numberAfter(text, "offer for an engine for ");
        const bool buy = price >= 0 && price <= engineBudget;
        if (buy) ++brain_.report().enginesBought;
        brain_.say(std::string(buy ? "buys" : "declines") + " an engine for " + std::to_string(price));
        return buy;
    }
    if (caption == "Publisher Deal") {
        // The first question is the offer with advertising; a "No" brings the
        // one without, which is then taken.
        if (contains(text, "Note : press no")) return advertisingDeal;
        return true;
    }
    if (caption == "Celebrity Contract" || caption == "Voice") return false;  // never ticked
    if (caption == "Bug!" || caption == "BUG!") {
        const i32 cost = numberAfter(text, "will cost you $");
        return cost >= 0 && brain_.payForBugHelp(cost);
    }
    if (caption == "Assign a team leader" || caption == "Choose a Team Leader") return true;
    if (caption == "Are you sure") return sellShares;  // only a packet it means to sell
    if (caption == "New Cpu released") return false;
    // Keeping up with a rival's console costs an eighth more work; the
    // console is finished as designed.
    if (caption == "New Competing Platfrom released") return false;
    if (caption == "Platform Bug!") return brain_.payForRecall();
    if (caption == "Buy Piracy Protection") return buyProtection;
    // Facilities and the negotiation department are only asked for when meant.
    if (caption.starts_with("Setup ") || caption == "Upgrade Factory lines") return true;
    brain_.unknownDialog(caption);
    return true;
}

bool AutoPlayer::decideMessage(std::string_view caption, std::string_view text, bool yesNo) {
    if (!yesNo) return false;
    (void)text;
    if (caption == "Job offer") return true;  // keep the employee at the higher wage
    if (caption == "Engine already exist") return replaceEngine;
    if (caption == "Team Leader progamming abilities ") return false;
    if (caption.starts_with("Assign to project") || caption.starts_with("Assign a leader")) return true;
    if (caption == "Fire employee") return fireConfirmed;
    if (caption == "Intensified Study") return false;
    if (caption == "Construction") return true;  // only started when meant
    // The console path: each of these is only reached when meant.
    if (caption == "Assign Employees" || caption == "Publisher Deal" || caption == "Finish Product" ||
        caption == "Release Product")
        return true;
    if (caption == "No units in storage") return false;  // released only with stock
    brain_.unknownDialog(caption);
    return true;
}

void AutoPlayer::showModal(ScreenId screen) {
    switch (screen) {
        case ScreenId::PublisherChoice: brain_.choosePublisher(); break;
        case ScreenId::Distribution: brain_.chooseRegions(); break;
        case ScreenId::Bank: brain_.sortOutDebt(); break;
        case ScreenId::Expo: brain_.visitExpo(); break;
        case ScreenId::ProjectStatus: brain_.consoleStatus(); break;
        case ScreenId::PlatformPublishers: brain_.platformDeals(); break;
        case ScreenId::FactoryAssembly: brain_.runLines(); break;
        case ScreenId::EndScreen:
        case ScreenId::BoardMeeting: shown_.showModal(screen); return;
        default: break;  // read and closed
    }
    brain_.tell(std::string("[screen] ") + screenName(screen) + " -> closed");
}

void AutoPlayer::chooseStaff(StaffScreen& screen) {
    if (screen.mode() == StaffMode::Manager) {
        if (leaderToPick > 0) screen.pick(*this, leaderToPick);
        return;
    }
    // Members: the idle employees, until the team is full. A click rebuilds
    // the list, so the people are taken from it first.
    std::vector<i32> listed;
    for (const StaffRow& row : screen.rows()) listed.push_back(row.person);
    const i32 task = screen.targetTask();
    // Hardware people build consoles and nothing else; games get the others.
    const bool console = Tasks::inRange(task) && g_.tables().tasks[task].taskType == kTaskPlatform;
    for (const i32 person : listed) {
        if (screen.closeRequested() || !taskTakesStaff(g_, task)) break;
        if (filledStaffSlots(g_.tables().tasks[task]) >= taskCapacity(g_, task)) break;
        const Person& p = g_.tables().people[person];
        if (p.currentTask < 1 && (p.workArea == 2) == console) screen.pick(*this, person);
    }
}

// --- what the computer looks at --------------------------------------------

i32 Autoplayer::payrollPerWeek() const {
    i64 sum = 0;
    for (const Person& p : g_.tables().people)
        if (p.employed && !p.name.empty()) sum += p.salary / 4;
    for (const Task& t : g_.tables().tasks)
        if (!t.name.empty() && t.freelancers > 0) sum += 500LL * t.freelancers;
    return static_cast<i32>(std::min<i64>(sum, 100000000));
}

// The cash the computer keeps for bad weeks: half a year of wages, and never
// less than the distribution of a game.
i32 Autoplayer::reserve() const {
    const i32 level = std::clamp<i32>(g_.world().gameLevel, 1, 3);
    return std::max(26 * payrollPerWeek(), 150000 * level);
}

// Idle for a game, an engine, a course or a licence: the hardware people
// wait for the next console.
bool Autoplayer::isIdle(i32 person) const {
    const Person& p = g_.tables().people[person];
    return !p.name.empty() && p.employed && p.currentTask < 1 && p.workArea != 2;
}

std::vector<i32> Autoplayer::idleStaff() const {
    std::vector<i32> out;
    for (i32 i = People::first; i <= People::last; ++i)
        if (isIdle(i)) out.push_back(i);
    return out;
}

// Engines on platforms still on the market.
int Autoplayer::usableEngines() const {
    int n = 0;
    for (const auto& [p, gn] : ownEngineCells(g_))
        if (platformUsable(p) && g_.world().ownEngines[p][gn].codeLevel > 0) ++n;
    return n;
}

int Autoplayer::ownGamesOfGenre(int genre) const {
    int n = 0;
    const auto& products = g_.world().products;
    for (int k = products.first; k <= products.last; ++k)
        if (const GameTitle* t = productTitle(g_, k); t && products[k].kind == ProductGame && products[k].released &&
                                                       t->genre == genre && t->salesScore > 50)
            ++n;
    for (const Task& t : g_.tables().tasks)
        if (!t.name.empty() && !t.closedFlag && t.taskType == kTaskGame && t.game.genre == genre) ++n;
    return n;
}

int Autoplayer::gamesInDevelopment() const {
    int n = 0;
    for (const Task& t : g_.tables().tasks)
        if (!t.name.empty() && !t.closedFlag && t.taskType == kTaskGame) ++n;
    return n;
}

int Autoplayer::enginesInDevelopment() const {
    int n = 0;
    for (const Task& t : g_.tables().tasks)
        if (!t.name.empty() && !t.closedFlag && t.taskType == kTaskEngine) ++n;
    return n;
}

bool Autoplayer::engineTaskFor(int platform, int genre) const {
    for (const Task& t : g_.tables().tasks)
        if (!t.name.empty() && t.taskType == kTaskEngine && t.engine.platform == platform && t.engine.genre == genre)
            return true;
    return false;
}

// How many machines a game for the platform can reach: the units sold that
// are still in use, less the copies pirates take.
i64 Autoplayer::platformStrength(int platform) const {
    const Platform& p = g_.tables().platforms[platform];
    i64 base = p.soldUnits / 100;
    base = base * p.stillInUsePercent / 100;
    base = base * (100 - p.piracyPercent) / 100;
    return std::max<i64>(base, 0) * (p.marketShare + 10);
}

bool Autoplayer::platformUsable(int platform) const {
    const Platform& p = g_.tables().platforms[platform];
    return !p.name.empty() && p.released && !p.discontinued && engineCellInRange(platform, 1);
}

// --- the hands' choices ----------------------------------------------------

// The publisher that leaves the most of a game's money: the share it takes,
// the hype its advertising brings and the copies it can ship a week.
void Autoplayer::choosePublisher() {
    const int task = openPublisherTask();
    const std::vector<PublisherOffer> offers = publisherOffers(g_);
    int bestRow = -1;
    bool bestAdvertising = true;
    i64 bestValue = -1;
    for (std::size_t r = 0; r < offers.size(); ++r) {
        const PublisherOffer& o = offers[r];
        const i64 output = std::min(o.output, 12000);
        for (const bool ad : {true, false}) {
            const i64 kept = 100 - (ad ? o.share : o.share / 2);
            const i64 hype = ad ? 3 * AdvertisingLevel(g_, o.id) - 3 : 1;
            const i64 value = kept * (100 + 2 * std::max<i64>(hype, 0)) * output;
            if (value > bestValue) {
                bestValue = value;
                bestRow = static_cast<int>(r);
                bestAdvertising = ad;
            }
        }
    }
    if (bestRow < 0) return;  // nobody publishes: the game takes the default
    hands_.advertisingDeal = bestAdvertising;
    OfferDeal(g_, hands_, task, bestRow);
    hands_.advertisingDeal = true;
    say("signs " + offers[static_cast<std::size_t>(bestRow)].name + (bestAdvertising ? " with" : " without") +
        " advertising");
}

// The regions whose expected income, after the publisher's share, beats
// what shipping there costs; the USA when none does, since a game must
// reach some shop. Without the reserve only the USA.
void Autoplayer::chooseRegions() {
    const int task = openDistributionTask();
    const i32 spare = g_.world().money - reserve();
    Regions r{true, false, false};
    const auto& tasks = g_.tables().tasks;
    if (tasks.inRange(task) && spare > 0) {
        const GameTitle& t = tasks[task].game;
        const i64 kept = 100 - std::clamp<i64>(t.publisherShare, 0, 100);
        bool* in[3] = {&r.us, &r.eu, &r.asia};
        const Regions alone[3] = {{true, false, false}, {false, true, false}, {false, false, true}};
        i64 cost = 0;
        for (int k = 0; k < 3; ++k) {
            const i64 c = distributionCost(g_, alone[k]);
            *in[k] = expectedIncome(t, k + 1) * kept / 100 > c && cost + c <= spare;
            if (*in[k]) cost += c;
        }
        if (!r.any()) r.us = true;
    }
    chooseDistribution(g_, task, r);
    say(std::string("distributes in ") + (r.us ? "USA " : "") + (r.eu ? "Europe " : "") + (r.asia ? "Asia" : ""));
}

// The bank opened by a debt warning: borrow back above zero when it lends.
void Autoplayer::sortOutDebt() {
    World& w = g_.world();
    const i32 need = std::max<i32>(0, reserve() - w.money);
    if (need <= 0 || availableCredit(g_) <= kBankStep) return;
    i32 done = 0;
    if (!borrow(g_, hands_, need, &done) && done > 0) {
        ++report_.borrowed;
        say("borrows " + std::to_string(done) + " in the debt warning");
    }
}


// --- the habits --------------------------------------------------------------

// The most employees the best idle leader can take into a team.
int Autoplayer::leaderCapacity() const {
    int best = 0;
    for (const i32 c : idleStaff()) best = std::max(best, managerCapacity(g_.tables().people[c].leadership));
    return best;
}

// Offices once the team fills the ones there are, while a year of the wages
// of ten more people is covered; the test center and the sound studio when
// the cash is well above the reserve, since they cost nothing to run.
void Autoplayer::build() {
    if (!on(HabitBuildings) || g_.currentWeek % 4 != 2) return;
    const i64 own = ownCash();
    // A bigger headquarters reaches better candidates (the hiring screen
    // lists no one rated above what it reaches): the skills that keep the
    // games above the era's bar come from there.
    if (buildingLevel(g_, Building::Headquarters) < buildingInfo(Building::Headquarters).highestLevel &&
        constructionTask(g_, Building::Headquarters) == 0 && growing()) {
        const i64 price = buildingPrice(g_, Building::Headquarters);
        if (own - price > 2000000 + 2LL * reserve() && !startConstruction(g_, hands_, Building::Headquarters)) {
            ++report_.buildings;
            say("enlarges the headquarters for " + std::to_string(price));
            return;
        }
    }
    if (employeeCount(g_) + 1 >= officeCapacity(g_) && constructionTask(g_, Building::Office) == 0 &&
        buildingLevel(g_, Building::Office) < buildingInfo(Building::Office).highestLevel) {
        // Two years of the wages with ten more people on top of the price.
        const i64 price = buildingPrice(g_, Building::Office);
        const i64 wages = 2LL * 52 * (payrollPerWeek() + 10LL * std::max<i32>(minimumWage(g_), 3000) / 4);
        if (growing() && own - price - wages > 4000000 && !startConstruction(g_, hands_, Building::Office)) {
            ++report_.buildings;
            say("builds an office for " + std::to_string(price));
            return;
        }
    }
    // A tested game has no bugs to fix; a level of the studio is a point of score.
    const int levelWanted = std::clamp<int>(g_.world().gameLevel + 1, 2, 4);
    for (const Facility f : {Facility::GameTestCenter, Facility::SoundStudio}) {
        const int wanted = f == Facility::GameTestCenter ? levelWanted : 4;
        // A company still in its first headquarters needs its cash for a
        // bigger one first: only that brings more people and better ones.
        if (facilityLevel(g_, f) >= wanted || !growing() || weekCount_ < 52 ||
            buildingLevel(g_, Building::Headquarters) < 2)
            continue;
        const i64 price = facilityPrice(g_, f);
        // People come before the studio's point of score.
        const i64 margin = f == Facility::GameTestCenter ? 2000000 : 8000000;
        if (own - price < margin + 2LL * reserve()) continue;
        if (!setupFacility(g_, hands_, f)) {
            ++report_.buildings;
            say(std::string(f == Facility::GameTestCenter ? "sets up the test center" : "sets up the sound studio") +
                " level " + std::to_string(facilityLevel(g_, f)) + " for " + std::to_string(price));
            return;
        }
    }
}

// Better tools shorten every later game on a platform; they are bought for
// the platforms its games are made for, the cheapest first.
void Autoplayer::buyTools() {
    if (!on(HabitTools) || g_.currentWeek % 4 != 3) return;
    std::vector<int> platforms;
    for (const Task& t : g_.tables().tasks)
        if (!t.name.empty() && !t.closedFlag && t.taskType == kTaskGame)
            for (const int p : {static_cast<int>(t.game.platform)})
                if (p > 0 && std::find(platforms.begin(), platforms.end(), p) == platforms.end())
                    platforms.push_back(p);
    for (const int p : platforms) {
        for (const Tool tool : {Tool::Design, Tool::Code, Tool::Graphics}) {
            const ToolOffer offer = toolOffer(g_, tool, p);
            if (!offer.upgradeEnabled || ownCash() - offer.price < 500000 + 2LL * reserve()) continue;
            // After the first year only a company that earns buys more.
            if (weekCount_ > 52 && !growing()) continue;
            if (!upgradeTool(g_, hands_, tool, p)) {
                say(std::string("buys ") + toolWord(tool) + " tools level " + std::to_string(offer.level + 1) +
                    " for platform " + std::to_string(p) + " for " + std::to_string(offer.price));
                return;
            }
        }
    }
}

// Copy protection before a game goes on sale, where the pirates would take
// more than it costs.
void Autoplayer::protect(int platform) {
    if (!on(HabitTools) || platform <= 0) return;
    const ProtectionStatus st = protectionStatus(g_, platform);
    if (!st.buyAllowed || st.working) return;
    const Platform& p = g_.tables().platforms[platform];
    if (p.piracyPercent < 10 || g_.world().money - 250000LL * toolPriceFactor(g_, platform) / 100 < 2 * reserve()) return;
    const i32 before = g_.world().money;
    hands_.buyProtection = true;
    buyProtection(g_, hands_, platform, ProtectionKind::Advanced);
    hands_.buyProtection = false;
    if (g_.world().money < before) say("buys copy protection for platform " + std::to_string(platform) + " for " +
                                       std::to_string(before - g_.world().money));
}

// An idle employee whose best skill no longer beats the era's level brings
// no experience to a game: he studies that skill while the cash allows.
void Autoplayer::study() {
    if (!on(HabitStudy) || g_.currentWeek % 4 != 0 || g_.world().money < 2 * reserve()) return;
    // A course takes months; one student for every ten employees at a time.
    int students = 0;
    for (const Task& t : g_.tables().tasks)
        if (!t.name.empty() && !t.closedFlag && t.taskType == kTaskStudy) ++students;
    if (students >= std::max(1, employeeCount(g_) / 10)) return;
    const std::vector<i32> idle = idleStaff();
    // The people a game about to start would need stay at hand.
    if (gamesInDevelopment() == 0 || static_cast<int>(idle.size()) <= 1) return;
    for (const i32 i : idle) {
        const Person& p = g_.tables().people[i];
        if (isOwnPerson(g_, i)) continue;
        const int skills[3] = {p.programming, p.design, p.graphics};
        const int best = static_cast<int>(std::max_element(skills, skills + 3) - skills);
        if (skills[best] > eraStep(g_.currentYear) + 1 || skills[best] >= 10) continue;
        if (!startStudy(g_, hands_, i, StudyProgramming + best)) {
            ++report_.studies;
            say("sends #" + std::to_string(i) + " to study subject " + std::to_string(StudyProgramming + best));
            return;
        }
    }
}

// The show: a booth when a game is in development and the cash allows the
// publicity, otherwise a visit, which still enters its released games.
void Autoplayer::visitExpo() {
    ExpoShow* show = openExpo();
    if (!show) return;
    Booth booth = Booth::None;
    if (on(HabitExpo) && gamesInDevelopment() > 0 && growing()) {
        const i32 spare = g_.world().money - 2 * reserve();
        for (const Booth b : {Booth::Giant, Booth::Large, Booth::Medium})
            if (boothCost(b) * 8 <= spare) {
                booth = b;
                break;
            }
    }
    EnterExpo(g_, *show, booth);
    while (NextCategory(g_, *show)) {
    }
    if (booth != Booth::None) ++report_.booths;
    tell(std::string("[screen] TForm_E3 -> ") + kExpoEnterButton + " (" + boothWord(booth) + ")");
    say(std::string("goes to the show with booth ") + boothWord(booth));
}

// Engine licences: every quarter the developers who ask for one of its
// engines get it for the price they offer and the shortest support, led by
// an idle employee.
void Autoplayer::licenceEngines() {
    if (!on(HabitLicences)) return;
    const int weeksNow = g_.currentYear * 52 + g_.currentWeek;
    if (weeksNow - lastLicenceWeek_ < 13) return;
    const std::vector<i32> idle = idleStaff();
    if (idle.empty()) return;
    lastLicenceWeek_ = weeksNow;
    for (const auto& [p, gn] : ownEngineCells(g_)) {
        if (g_.world().ownEngines[p][gn].codeLevel <= 0 || tryEngineSale(g_, p, gn)) continue;
        EngineDealScreen deal(g_, p, gn);
        for (std::size_t row = 0; row < deal.candidates().size(); ++row) {
            if (!deal.startNegotiation(static_cast<int>(row)) || !deal.interested()) continue;
            deal.setWeeks(26);
            if (!deal.suggest() || !deal.canMakeDeal()) continue;
            // The one who brings least to a game supports it.
            const i32 helper = *std::min_element(idle.begin(), idle.end(), [&](i32 a, i32 b) {
                const Person& x = g_.tables().people[a];
                const Person& y = g_.tables().people[b];
                return x.programming + x.design + x.graphics < y.programming + y.design + y.graphics;
            });
            const i32 price = deal.price();
            hands_.leaderToPick = helper;
            hands_.autoTeam = 0;
            const bool made = !deal.makeDeal(hands_);
            hands_.leaderToPick = 0;
            if (made) {
                ++report_.licences;
                say("licenses the engine of platform " + std::to_string(p) + ", genre " + std::to_string(gn) +
                    " for " + std::to_string(price));
            }
            return;
        }
    }
}

// A console of its own, at the computer's highest level only: a factory
// once the company earns, a hardware team hired for the design, the best
// design the team leader can manage for its price, the publishers that port
// their hits, and assembly lines that follow the sales. One console at a
// time; the next once the last has sold for two years.
void Autoplayer::designConsole() {
    if (!on(HabitConsole) || level_ < 3) return;
    runLines();
    if (g_.currentWeek % 4 != 2 || weekCount_ < 52 || !growing() || consoleTask() > 0) return;
    if (const int k = newestConsole(); k > 0) {
        const ProductEntry& e = g_.world().products[k];
        const Platform& pf = g_.tables().platforms[e.refA];
        if (!e.released || (!pf.discontinued && pf.weeksOnMarket < 104)) return;
    }
    // The design is two years of a hardware team, and the first production
    // runs cost about a million a line and week before anything sells.
    constexpr i64 kConsoleMargin = 10000000;
    const i64 own = ownCash();
    if (buildingLevel(g_, Building::Factory) == 0) {
        if (constructionTask(g_, Building::Factory) != 0) return;
        const i64 price = buildingPrice(g_, Building::Factory);
        if (own - price < kConsoleMargin + 2LL * reserve()) return;
        if (!startConstruction(g_, hands_, Building::Factory)) {
            ++report_.buildings;
            say("builds a factory for " + std::to_string(price));
        }
        return;
    }
    if (own < kConsoleMargin + 2LL * reserve()) return;
    hireHardware();
    startConsoleDesign();
}

// The live project designing a console, 0 when there is none.
int Autoplayer::consoleTask() const {
    const auto& tasks = g_.tables().tasks;
    for (int ti = tasks.first; ti <= tasks.last; ++ti)
        if (isNewPlatformTask(g_, ti)) return ti;
    return 0;
}

// The products entry of its newest console, 0 when it has none.
int Autoplayer::newestConsole() const {
    const auto& products = g_.world().products;
    const auto& platforms = g_.tables().platforms;
    int newest = 0;
    for (int k = products.first; k <= products.last; ++k) {
        const ProductEntry& e = products[k];
        if (e.kind != ProductPlatform || !platforms.inRange(e.refA) || platforms[e.refA].name.empty() ||
            !platforms[e.refA].playerOwned)
            continue;
        if (newest == 0 || e.refA > products[newest].refA) newest = k;
    }
    return newest;
}

// The design team: first a leader who can manage a big team, then as many
// as he can lead, the most work for the wage first (a member adds his
// hardware skill less 15 to the design each week), while the office has
// room and a year of the wages is covered.
bool Autoplayer::hireHardware() {
    const auto& people = g_.tables().people;
    int have = 0;
    int capacity = 0;
    for (const Person& p : people)
        if (!p.name.empty() && p.employed && p.workArea == 2 && p.currentTask < 1) {
            ++have;
            capacity = std::max(capacity, managerCapacity(p.leadership));
        }
    bool any = false;
    while ((have == 0 || have < std::min(capacity, 12) + 1) && employeeCount(g_) < officeCapacity(g_)) {
        HiringScreen screen(g_);
        screen.open();
        screen.setWorkArea(2);
        const i32 reach = companyReach(g_);
        const i32 appeal = companyAppeal(g_);
        i32 best = 0;
        i64 bestValue = 0;
        i32 bestOffer = 0;
        for (const CandidateRow& row : screen.rows()) {
            const Person& p = people[row.person];
            if (p.overallRating > reach || p.neverAgain || p.interviewCooldown > 0) continue;
            const i32 asking = p.employerCompany > 0 ? p.salary + p.salary / 3 : p.salary;
            const i32 offer = std::max(minimumWage(g_), asking + asking / 2 - appeal + 1);
            const i64 worth = have == 0 ? 100LL * managerCapacity(p.leadership) + p.hardware
                                        : std::max<i64>(p.hardware - 15, 0) * 1000000 / std::max(offer, 1);
            if (worth > bestValue) {
                bestValue = worth;
                best = row.person;
                bestOffer = offer;
            }
        }
        if (best == 0) break;
        if (static_cast<i64>(g_.world().money) - 2LL * reserve() < 52LL * (payrollPerWeek() + bestOffer / 4)) break;
        if (!tryHire(screen, best)) break;
        ++report_.hires;
        ++have;
        capacity = std::max(capacity, managerCapacity(people[best].leadership));
        any = true;
    }
    return any;
}

// The design that sells best for its price among those the best hardware
// man can lead: the parts are tried one box at a time, a few rounds over.
bool Autoplayer::startConsoleDesign() {
    i32 leader = 0;
    for (i32 i = People::first; i <= People::last; ++i) {
        const Person& p = g_.tables().people[i];
        if (p.name.empty() || !p.employed || p.workArea != 2 || p.currentTask >= 1) continue;
        // The biggest team makes the biggest design: leadership first.
        if (leader == 0 || managerCapacity(p.leadership) > managerCapacity(g_.tables().people[leader].leadership) ||
            (managerCapacity(p.leadership) == managerCapacity(g_.tables().people[leader].leadership) &&
             p.hardware > g_.tables().people[leader].hardware))
            leader = i;
    }
    if (leader == 0) return false;
    // A leader alone would take years: the design waits for his team.
    int members = 0;
    for (const Person& p : g_.tables().people)
        if (!p.name.empty() && p.employed && p.workArea == 2 && p.currentTask < 1) ++members;
    if (members - 1 < std::min(managerCapacity(g_.tables().people[leader].leadership), 4)) return false;
    const i32 skill = g_.tables().people[leader].hardware;
    NewPlatformScreen screen(g_);
    screen.open();
    screen.setBundleController(true);
    screen.setBundleGame(true);
    // What the market ranks a console by: its speed against its price; a
    // fast one gets the hardware fans on top.
    const auto value = [&]() -> i64 {
        const i64 spec = screen.designSpec();
        if (screen.design().mainCpu <= 0 || !complexityAllowed(screen.designSpec(), skill)) return -1;
        i64 v = (std::max<i64>(50, spec - 400) * 30 + 3000) * 1000 / (std::max<i64>(screen.designCost(), 1) + 300);
        if (spec > 750) v += v / 10;
        if (spec > 950) v += v / 10;
        return v;
    };
    using Choose = bool (NewPlatformScreen::*)(int);
    const auto tryBox = [&](const std::vector<NewPlatformScreen::Item>& items, Choose choose, int current) {
        i64 best = value();
        int bestSlot = current;
        for (const NewPlatformScreen::Item& item : items) {
            if (!(screen.*choose)(item.index)) continue;
            if (const i64 v = value(); v > best) {
                best = v;
                bestSlot = item.index;
            }
        }
        (screen.*choose)(bestSlot);
    };
    for (int round = 0; round < 3; ++round) {
        tryBox(screen.cpus(), &NewPlatformScreen::chooseMainCpu, screen.design().mainCpu);
        tryBox(screen.gpus(), &NewPlatformScreen::chooseGpu, screen.design().gpu);
        tryBox(screen.spus(), &NewPlatformScreen::chooseSpu, screen.design().spu);
        tryBox(screen.cpus(), &NewPlatformScreen::chooseSecondCpu, screen.design().secondCpu);
        i64 best = value();
        int bestMemory = screen.design().ramChoice;
        for (int m = 0; m <= 2; ++m) {
            screen.chooseMemory(m);
            if (const i64 v = value(); v > best) {
                best = v;
                bestMemory = m;
            }
        }
        screen.chooseMemory(bestMemory);
    }
    if (value() < 0) return false;
    std::string name;
    do name = "Auto Box " + std::to_string(++consoleNumber_);
    while (platformNameRefused(g_, name) && consoleNumber_ < 1000);
    screen.setName(name);
    if (screen.setLeader(leader)) return false;
    if (screen.startProject(hands_)) return false;
    ++report_.consoles;
    const Task& t = g_.tables().tasks[screen.createdTask()];
    say("designs the console " + name + ", spec " + std::to_string(screen.designSpec()) + ", unit cost " +
        std::to_string(screen.designCost()) + ", work " + std::to_string(t.workTotal) + ", team " +
        std::to_string(filledStaffSlots(t)));
    return true;
}

// The companies with the most games made and planned port them to the
// console; each is asked once, for as many games as a twentieth of the
// spare cash pays.
void Autoplayer::platformDeals() {
    const int task = openPlatformPublisherTask();
    if (!isNewPlatformTask(g_, task)) return;
    if (dealTask_ != task) {
        dealTask_ = task;
        companiesAsked_.clear();
    }
    PlatformPublisherScreen screen(g_, task);
    std::vector<PlatformPublisherRow> rows = screen.rows();
    std::stable_sort(rows.begin(), rows.end(), [](const PlatformPublisherRow& a, const PlatformPublisherRow& b) {
        return a.released + a.planned + 5 * a.hitGames > b.released + b.planned + 5 * b.hitGames;
    });
    for (const PlatformPublisherRow& r : rows) {
        if (dealCount(g_, task) >= kMaxPlatformDeals) break;
        if (hasDeal(g_, r.id, task) ||
            std::find(companiesAsked_.begin(), companiesAsked_.end(), r.id) != companiesAsked_.end())
            continue;
        companiesAsked_.push_back(r.id);
        const int row = screen.rowOf(r.id);
        if (row < 0 || !screen.choose(hands_, row)) continue;
        if (!screen.offerEnabled()) {
            screen.cancel();
            continue;
        }
        const i64 budget = (static_cast<i64>(g_.world().money) - 2LL * reserve()) / 20;
        int games = screen.maxGames();
        while (games > 0 && static_cast<i64>(screen.pricePerGame()) * (games + 1) > budget) --games;
        if (games < 1) {
            screen.cancel();
            continue;
        }
        const i32 price = screen.pricePerGame() * (games + 1);
        screen.gamesField = std::to_string(games);
        screen.offerField = std::to_string(price);
        if (screen.suggest(hands_) && screen.canMakeDeal() && !screen.makeDeal(hands_)) {
            ++report_.platformDeals;
            say("signs " + r.name + " for " + std::to_string(games) + " games on the console for " +
                std::to_string(price));
        } else {
            screen.cancel();
        }
    }
}

// The status dialog of a console whose work is done: finished as it is.
void Autoplayer::consoleStatus() {
    if (!on(HabitConsole)) return;
    const int task = openProjectStatusTask();
    const ProjectStatusDialog d = projectStatusDialog(g_, task);
    if (!d.console || !d.finishEnabled) return;
    const Task& t = g_.tables().tasks[task];
    if (t.progress < t.workTotal) return;
    const std::string name = t.platform.name.str();
    const FinishOutcome o = finishProject(g_, hands_, task);
    if (o.finished) say("finishes the console " + name + ": platform " + std::to_string(o.platform) + ", product " +
                        std::to_string(o.product));
}

// The lines follow the sales: stock for six weeks of them (three weeks of
// a line before the launch), no more than the cash allows, none once the
// console is off the market.
void Autoplayer::runLines() {
    const int k = newestConsole();
    if (k == 0 || g_.world().factoryLevel < 1) return;
    const ProductEntry& e = g_.world().products[k];
    const Platform& pf = g_.tables().platforms[e.refA];
    const i32 out = lineOutput(g_);
    const i64 stock = stockOf(g_, e.refA, 0, ProductPlatform);
    i64 weekly = 0;
    if (e.released)
        for (int r = 1; r <= 3; ++r) weekly += std::max(pf.weekSalesByRegion[r], 0);
    int lines = 0;
    if (!pf.discontinued) {
        const i64 target = std::max<i64>(6 * weekly, 3LL * out);
        const i64 need = target - stock;
        lines = need <= 0 ? 0 : static_cast<int>(std::min<i64>((need + out - 1) / out, visibleLines(g_)));
        const i64 lineCost = kLineWeeklyCost + static_cast<i64>(out) * std::max(pf.productionCost, 0);
        while (lines > 0 && g_.world().money - lines * lineCost < 2LL * reserve()) --lines;
    }
    int running = 0;
    for (int i = 1; i <= visibleLines(g_); ++i)
        if (g_.world().assemblyLines[i].linePlatform == e.refA) ++running;
    // Sold out with every line running: more lines, or faster ones, while
    // the company earns.
    if (e.released && !pf.discontinued && running == visibleLines(g_) && stock < out && g_.currentWeek % 4 == 0 &&
        growing()) {
        const i64 spare = ownCash() - 10000000LL - 2LL * reserve();
        // A console unit takes four places: a warehouse that holds less than
        // a week of the lines holds the sales back first.
        const bool storageShort = storageCapacity(g_) / 4 < static_cast<i64>(running) * out;
        if (storageShort && buildingLevel(g_, Building::Warehouse) < buildingInfo(Building::Warehouse).highestLevel) {
            const i32 price = buildingPrice(g_, Building::Warehouse);
            if (constructionTask(g_, Building::Warehouse) == 0 && spare > price &&
                !startConstruction(g_, hands_, Building::Warehouse)) {
                ++report_.buildings;
                say("builds a warehouse level for " + std::to_string(price));
            }
        } else if (buildingLevel(g_, Building::Factory) < buildingInfo(Building::Factory).highestLevel &&
            constructionTask(g_, Building::Factory) == 0 && spare > buildingPrice(g_, Building::Factory)) {
            const i32 price = buildingPrice(g_, Building::Factory);
            if (!startConstruction(g_, hands_, Building::Factory)) {
                ++report_.buildings;
                say("enlarges the factory for " + std::to_string(price));
            }
        } else if (g_.world().lineOutputLevel < kHighestLineLevel && spare > lineUpgradePrice(g_)) {
            const i32 price = lineUpgradePrice(g_);
            if (!upgradeAssemblyLines(g_, hands_))
                say("upgrades the assembly lines to level " + std::to_string(g_.world().lineOutputLevel) + " for " +
                    std::to_string(price));
        }
    }
    if (lines == running) return;
    if (!setAssemblyLines(g_, lines, k))
        say("runs " + std::to_string(lines) + " assembly lines for " + pf.name.str() + ", stock " +
            std::to_string(stock) + ", sold " + std::to_string(weekly) + " a week");
}

// What a game is expected to bring in one region over its life: the week's
// revenue as the sales rules make it for a middle draw, over the weeks its
// score lasts above 50.
i64 Autoplayer::expectedIncome(const GameTitle& t, int region) const {
    if (!decltype(SaveImage::platforms)::inRange(t.platform) || !decltype(SaveImage::genres)::inRange(t.genre))
        return 0;
    const Platform& p = g_.tables().platforms[t.platform];
    const i64 level = g_.world().gameLevel;
    const i64 score = t.salesScore;
    if (score <= 50) return 0;
    i64 base = p.soldUnits / 100;
    if (score < 65) base = score * base / 100;
    i64 v = (65 * (score - 48) * 5 + base);
    v = v * (100 - 10 * level) / 100 * p.stillInUsePercent / 100;
    v = v * std::max<i64>(g_.tables().genres[t.genre].interest + 30 - 10 * level, 0) / 100;
    v = v * 2 * std::max<i64>(g_.world().regionDemand[region] - 10 * level, 0) / 100;
    if (score < 70) v = v * score / 100;
    // The score loses about a point in three weeks, and faster where
    // stronger games of the genre pull it down; the sales fall with it.
    const i64 weeks = (score - 50) * 10 / 6;
    return v * weeks / 2;
}

// --- one turn ----------------------------------------------------------------

void Autoplayer::releaseReadyGames() {
    const auto& products = g_.world().products;
    for (int k = products.first; k <= products.last; ++k) {
        const ProductEntry& e = products[k];
        if (e.kind == ProductPlatform && !e.released && e.refB < 1 && on(HabitConsole)) {
            // A console goes on sale with a week of a line in stock.
            if (stockOf(g_, e.refA, 0, ProductPlatform) < lineOutput(g_)) continue;
            const std::string name = g_.tables().platforms[e.refA].name.str();
            if (releaseProduct(g_, hands_, k).empty() && e.released) {
                ++report_.consolesReleased;
                say("releases the console " + name + ", product " + std::to_string(k));
            }
            continue;
        }
        if (e.kind != ProductGame || e.released) continue;
        if (const GameTitle* t = productTitle(g_, k)) protect(t->platform);
        if (releaseProduct(g_, hands_, k).empty()) {
            ++report_.gamesReleased;
            ++releasedThisYear_;
            const GameTitle* t = productTitle(g_, k);
            scoreSumThisYear_ += t ? t->salesScore : 0;
            say("releases product " + std::to_string(k) + ", score " + std::to_string(t ? t->salesScore : 0));
        }
    }
}

// Borrow before the cash runs below the reserve; pay the loan back once the
// cash is well above it. A board that asks for a lower loan gets it sooner.
void Autoplayer::manageMoney() {
    World& w = g_.world();
    const i32 keep = reserve();
    if (w.money < keep && availableCredit(g_) > kBankStep) {
        i32 done = 0;
        if (!borrow(g_, hands_, 2 * keep - w.money, &done) && done > 0) {
            ++report_.borrowed;
            say("borrows " + std::to_string(done));
        }
        return;
    }
    if (w.money < 0 && availableCredit(g_) <= kBankStep) {
        // From level 2 a packet of shares goes first, while the owner keeps
        // well ahead of any rival's holding (an equal one takes the company).
        i32 rival = 0;
        for (const Company& c : g_.tables().companies) rival = std::max(rival, c.playerSharesHeld);
        if (level_ >= 2 && w.sharesOwnedPercent - 5 >= rival + 5 + 10) {
            const i32 before = w.money;
            hands_.sellShares = true;
            issueShares(g_, hands_);
            hands_.sellShares = false;
            if (w.money > before) {
                say("sells 5% of the shares for " + std::to_string(w.money - before));
                return;
            }
        }
        cutStaff();
        return;
    }
    const bool boardWantsLess = w.boardGoalType == GoalLoan && w.loan >= w.boardGoalAmount;
    const i32 spare = w.money - (boardWantsLess ? keep : 3 * keep);
    if (w.loan >= kBankStep && w.money >= kBankStep && spare >= kBankStep) {
        i32 done = 0;
        if (!repay(g_, hands_, std::min(spare, w.loan), &done) && done > 0) say("repays " + std::to_string(done));
    }
}

// With the cash gone and the bank lending no more, the wages go first: the
// employee who brings least for his wage is let go, one a week, before the
// bank takes the company. A team leader is not fired while he leads.
void Autoplayer::cutStaff() {
    i32 worst = 0;
    i64 worstValue = 0;
    for (i32 i = People::first; i <= People::last; ++i) {
        const Person& p = g_.tables().people[i];
        if (p.name.empty() || !p.employed || isOwnPerson(g_, i) || p.salary <= 0) continue;
        if (Tasks::inRange(p.currentTask) && g_.tables().tasks[p.currentTask].leader == i) continue;
        const i64 value = (p.programming + p.design + p.graphics) * 1000000LL / p.salary;
        if (worst == 0 || value < worstValue) {
            worst = i;
            worstValue = value;
        }
    }
    if (worst == 0) return;
    hands_.fireConfirmed = true;
    const bool refused = fireEmployee(g_, hands_, worst).has_value();
    hands_.fireConfirmed = false;
    if (!refused && !g_.tables().people[worst].employed) {
        ++report_.fired;
        say("fires #" + std::to_string(worst) + " to save his wage");
    }
}

// Fills the office with software people while a year of their wages is
// covered, the cheapest skills first.
void Autoplayer::hireStaff() {
    if (employeeCount(g_) >= officeCapacity(g_)) return;
    if (g_.currentWeek % 4 != 1) return;  // a look at the market once a month
    // Beyond the first five the company grows only while the last year
    // earned more than it spent.
    if (employeeCount(g_) >= 5 && !growing()) return;
    HiringScreen screen(g_);
    screen.open();
    screen.setWorkArea(1);
    const i32 reach = companyReach(g_);
    const i32 appeal = companyAppeal(g_);
    i32 best = 0;
    i64 bestValue = 0;
    for (const CandidateRow& row : screen.rows()) {
        const Person& p = g_.tables().people[row.person];
        if (p.overallRating > reach || p.neverAgain || p.interviewCooldown > 0) continue;
        const i32 asking = p.employerCompany > 0 ? p.salary + p.salary / 3 : p.salary;
        const i32 offer = std::max(minimumWage(g_), asking + asking / 2 - appeal + 1);
        // Only skill above the era's level brings a game experience.
        // A member adds to a game's quality only in the skills that reach
        // the era's step; the next step is where the years go.
        i64 skills = 0;
        for (const int v : {p.programming, p.design, p.graphics})
            if (v > eraStep(g_.currentYear)) skills += v;
        const i64 value = skills * 1000000 / std::max(offer, 1);
        if (value > bestValue) {
            bestValue = value;
            best = row.person;
        }
    }
    if (best == 0) return;
    const Person& p = g_.tables().people[best];
    const i32 asking = p.employerCompany > 0 ? p.salary + p.salary / 3 : p.salary;
    const i32 offer = std::max(minimumWage(g_), asking + asking / 2 - appeal + 1);
    // A year of the wages with the newcomer, on top of the reserve.
    const i64 yearly = 52LL * (payrollPerWeek() + offer / 4);
    if (static_cast<i64>(g_.world().money) - reserve() < yearly) return;
    if (employeeCount(g_) >= 5 && ownCash() < 2 * yearly) return;
    if (tryHire(screen, best)) ++report_.hires;
}

bool Autoplayer::tryHire(HiringScreen& screen, i32 person) {
    screen.select(person);
    screen.moveToInterest();
    if (!screen.hireEnabled() || screen.hire(hands_)) return false;
    const Interview& iv = screen.interview();
    if (!iv.open || !iv.offerEnabled) {
        screen.cancel();
        return false;
    }
    const i32 offer =
        std::max(minimumWage(g_), iv.askingWage + iv.askingWage / 2 - iv.companyAppeal + 1);
    if (screen.suggest(hands_, std::to_string(offer), "0") || !iv.hireEnabled) {
        screen.cancel();
        return false;
    }
    const bool hired = screen.confirmHire(hands_);
    if (hired) say("hires #" + std::to_string(person) + " for " + std::to_string(offer));
    return hired;
}

// An engine of its own for the strongest platform and the genre most in
// demand, when nobody is needed for a game and nothing else is built.
void Autoplayer::startEngine() {
    if (!on(HabitEngines) || level_ < 2 || enginesInDevelopment() > 0) return;
    // Two engines on platforms on the market are enough; a new one comes
    // once a year at most, as the old ones fall behind.
    std::vector<i32> idle = idleStaff();
    if (idle.size() < 2 && gamesInDevelopment() == 0) return;  // the game comes first
    if (idle.empty()) return;
    const int weeksNow = g_.currentYear * 52 + g_.currentWeek;
    if (weeksNow - lastEngineWeek_ < 52 && usableEngines() >= 2) return;
    // The best programmer who is not the best leader: he leads the games.
    const i32 gameLeader = *std::max_element(idle.begin(), idle.end(), [&](i32 a, i32 b) {
        return g_.tables().people[a].leadership < g_.tables().people[b].leadership;
    });
    i32 leader = 0;
    for (const i32 c : idle)
        if ((c != gameLeader || gamesInDevelopment() > 0) &&
            (leader == 0 || g_.tables().people[c].programming > g_.tables().people[leader].programming))
            leader = c;
    if (leader == 0) return;
    // The engine for the game the company would make if it had every engine.
    DevelopmentScreen plans(g_);
    plans.open();
    const GamePlan plan = planGame(plans, false, 90);
    if (plan.platforms.empty()) return;
    const int bestPlatform = plan.platforms.front();
    const int bestGenre = plan.genre;
    const EngineSlot& existing = g_.world().ownEngines[bestPlatform][bestGenre];
    if (existing.codeLevel > 0 || engineTaskFor(bestPlatform, bestGenre)) return;
    NewEngineScreen screen(g_);
    screen.open();
    if (bestPlatform == 0 || !screen.choosePlatform(bestPlatform) || !screen.chooseGenre(bestGenre)) return;
    if (screen.setLeader(leader)) return;
    screen.setFreelancers(screen.freelancersMax());
    // The newest functions raise the core the most; older ones are added
    // while the engine stays a half-year's work.
    for (int l = 0; l < 3; ++l)
        for (std::size_t i = 0; i < screen.functions()[static_cast<std::size_t>(l)].size(); ++i)
            screen.tick(l, static_cast<int>(i), false);
    for (int l = 2; l >= 0; --l)
        for (std::size_t i = 0; i < screen.functions()[static_cast<std::size_t>(l)].size(); ++i) {
            screen.tick(l, static_cast<int>(i), true);
            if (screen.estimate().weeks > 26) {
                screen.tick(l, static_cast<int>(i), false);
                break;
            }
        }
    // An engine without a function would be no work at all; the smallest
    // one is the least an engine is made of.
    if (screen.work() == 0) {
        int bestList = -1, bestItem = 0;
        i32 smallest = 0;
        for (int l = 0; l < 3; ++l)
            for (std::size_t i = 0; i < screen.functions()[static_cast<std::size_t>(l)].size(); ++i) {
                screen.tick(l, static_cast<int>(i), true);
                if (bestList < 0 || screen.work() < smallest) {
                    smallest = screen.work();
                    bestList = l;
                    bestItem = static_cast<int>(i);
                }
                screen.tick(l, static_cast<int>(i), false);
            }
        if (bestList < 0) return;
        screen.tick(bestList, bestItem, true);
    }
    for (const EngineOption opt : {EngineOption::ArtificialIntelligence, EngineOption::Testing}) {
        screen.setOption(opt, true);
        if (screen.estimate().weeks > 26) screen.setOption(opt, false);
    }
    if (g_.world().money - screen.estimate().cost < 2 * reserve()) screen.setFreelancers(0);
    screen.setName("Engine " + std::to_string(++engineNumber_));
    hands_.replaceEngine = false;
    if (!screen.startDevelopment(hands_)) {
        ++report_.enginesStarted;
        lastEngineWeek_ = weeksNow;
        say("starts an engine for platform " + std::to_string(bestPlatform) + ", genre " + std::to_string(bestGenre) +
            ", feature level " + std::to_string(screen.featureLevel()) + ", " +
            std::to_string(screen.estimate().weeks) + " weeks");
    }
}

// The best engine of all gets a better core once it is behind the market's.
void Autoplayer::upgradeEngines() {
    if (!on(HabitEngines) || level_ < 3 || enginesInDevelopment() > 0 || g_.currentWeek % 13 != 0) return;
    std::vector<i32> idle = idleStaff();
    if (idle.empty()) return;
    const World& w = g_.world();
    for (const auto& [p, gn] : ownEngineCells(g_)) {
        const EngineSlot& e = w.ownEngines[p][gn];
        if (e.codeLevel == 0 || e.codeLevel > 9 || !platformUsable(p)) continue;
        if (w.marketEngines[p][gn].rating <= e.rating) continue;
        for (const i32 leader : idle) {
            const Person& m = g_.tables().people[leader];
            if (m.programming + (m.platformExperience == p ? 1 : 0) < e.codeLevel + 1) continue;
            if (g_.world().money - 1000 * e.codeLevel * 50 < 2 * reserve()) return;
            hands_.leaderToPick = leader;
            hands_.autoTeam = 0;
            int task = 0;
            const bool started = !upgradeEngine(g_, hands_, p, gn, EngineUpgrade::Code, &task);
            hands_.leaderToPick = 0;
            if (started) {
                ++report_.enginesStarted;
                say("upgrades the engine of platform " + std::to_string(p) + ", genre " + std::to_string(gn));
            }
            return;
        }
    }
}

// The game worth making now: the genre most in demand, for its size, on the
// strongest platforms with an engine. `buyPrice` > 0 lets a missing engine be
// bought; `ownRating` > 0 counts every missing engine as one of that rating
// (the plan an engine of one's own is made for).
Autoplayer::GamePlan Autoplayer::planGame(DevelopmentScreen& screen, bool canBuy, int ownRating, int onlyGenre) const {
    GamePlan plan;
    i64 bestValue = 0;
    const int maxPlatforms = level_ >= 3 ? 2 : 1;
    for (std::size_t row = 1; row < screen.genres().size(); ++row) {
        const int genre = screen.genres()[row].genre;
        if (onlyGenre > 0 && genre != onlyGenre) continue;
        screen.chooseGenre(static_cast<int>(row));
        // The platforms worth a game, best first.
        std::vector<std::pair<i64, int>> ranked;
        for (const auto& line : screen.platformLines()) {
            if (line.platform <= 0 || !platformUsable(line.platform)) continue;
            const bool own = line.rating > 0;
            i64 rating = line.rating;
            if (!own && ownRating > 0) rating = ownRating;
            // An engine bought with the game costs half a million and rates
            // less than one made at home; one still in the making is waited for.
            else if (!own && canBuy && !engineTaskFor(line.platform, genre)) rating = 45;
            if (rating <= 0) continue;
            ranked.emplace_back(platformStrength(line.platform) * rating, line.platform);
        }
        std::sort(ranked.begin(), ranked.end(), std::greater<>());
        if (ranked.empty()) continue;
        const i64 interest = g_.tables().genres[genre].interest + 2 * g_.tables().genres[genre].trend;
        // A genre whose games outgrow the team is worth less.
        const i64 size = std::max<i64>(screen.shownTotal(), 1);
        i64 value = ranked.front().first * std::max<i64>(interest, 1) * 100 / std::max<i64>(size, 20);
        // Stronger games of a genre pull the others down, its own too: a
        // genre it already sells or makes is worth less.
        value /= 1 + 2 * ownGamesOfGenre(genre);
        if (value > bestValue) {
            bestValue = value;
            plan.row = static_cast<int>(row);
            plan.genre = genre;
            plan.platforms.clear();
            for (std::size_t k = 0; k < ranked.size() && static_cast<int>(k) < maxPlatforms; ++k)
                // A second platform only with an engine already there.
                if (k == 0 || g_.world().ownEngines[ranked[k].second][genre].rating > 0)
                    plan.platforms.push_back(ranked[k].second);
        }
    }
    return plan;
}

// A game when none is in development: the genre most in demand on the
// strongest platform the company has or can buy an engine for, led by the
// idle employee with the most leadership.
void Autoplayer::startGame() {
    // The quality a team brings is the sum of its skills: a bigger company
    // runs a second game only once a game for every twenty employees.
    const int games = gamesInDevelopment();
    if (games > 0 && games >= 1 + (employeeCount(g_) - 1) / 30) return;
    std::vector<i32> idle = idleStaff();
    if (idle.empty() || (games > 0 && idle.size() < 3)) return;
    const i32 leader = *std::max_element(idle.begin(), idle.end(), [&](i32 a, i32 b) {
        return g_.tables().people[a].leadership < g_.tables().people[b].leadership;
    });
    DevelopmentScreen screen(g_);
    screen.open();
    const World& w = g_.world();
    const i32 spare = w.money - 2 * reserve();
    // An engine bought with the game costs up to 600,000. A company that
    // makes its own engines buys one only while it has none to use.
    bool canBuy = spare > 600000;
    if (on(HabitEngines) && level_ >= 2 && (usableEngines() > 0 || enginesInDevelopment() > 0)) canBuy = false;
    GamePlan plan = planGame(screen, canBuy, 0);
    // The fans of a hit make its sequel's hype: the hit with the most fans
    // gets one, in its genre, where that genre can be made now.
    i32 sequelYear = 0, sequelSlot = 0;
    if (on(HabitSequels)) {
        int mostFans = 8;
        int genre = 0;
        for (const DevelopmentScreen::SequelRow& row : screen.sequelRows()) {
            const GameTitle& t = g_.tables().gameTitles[row.year][row.slot];
            if (t.fans > mostFans) {
                mostFans = t.fans;
                sequelYear = row.year;
                sequelSlot = row.slot;
                genre = t.genre;
            }
        }
        if (sequelYear > 0) {
            const GamePlan own = planGame(screen, canBuy, 0, genre);
            if (own.row > 0) plan = own;
            else sequelYear = 0;
        }
    }
    const int bestRow = plan.row;
    const std::vector<int>& bestPlatforms = plan.platforms;
    if (bestRow == 0) return;
    if (sequelYear > 0) screen.chooseSequel(sequelYear, sequelSlot);
    screen.chooseGenre(bestRow);
    for (std::size_t i = 0; i < screen.platformLines().size(); ++i) screen.checkPlatform(static_cast<int>(i), false);
    for (const int platform : bestPlatforms)
        for (std::size_t i = 0; i < screen.platformLines().size(); ++i)
            if (screen.platformLines()[i].platform == platform) screen.checkPlatform(static_cast<int>(i), true);
    if (screen.setLeader(leader)) return;
    // Freelancers fill the leader's team while the cash allows them.
    const int team = static_cast<int>(idle.size()) - 1;
    const int free = std::max(0, screen.freelancersMax() - team);
    const i32 weeklyBudget = std::max<i32>(0, spare / 52);
    screen.setFreelancers(std::min(free, static_cast<int>(weeklyBudget / 500)));
    // Quality sells: the extras, the best music and as much research as
    // keeps the game within the weeks a team of this size can do.
    for (const Extra e : {Extra::GameEditor, Extra::ModEditor, Extra::Multiplayer, Extra::Network})
        screen.setExtra(e, true);
    if (g_.currentYear >= 1995) screen.setExtra(Extra::Mmo, true);
    while (screen.music() != 4) screen.cycleMusic();
    // The estimate's "man-weeks" are about the weeks a team of three and the
    // freelancers need; a bigger team affords more research in the same time.
    const int members = std::min<int>(static_cast<int>(idle.size()), 1 + leaderCapacity());
    const int fl = screen.freelancers();
    i32 weeksTarget = 35;
    if (on(HabitResearch)) weeksTarget = std::clamp<i32>(35 * (members + fl) / (3 + fl), 35, 70);
    const auto fitResearch = [&] {
        for (i32 research = 100; research > 25; research -= 15) {
            if (!on(HabitResearch)) break;
            for (int a = 0; a < 3; ++a) screen.moveResearch(a, research);
            if (screen.shownTotal() <= weeksTarget) break;
        }
        if (screen.shownTotal() > weeksTarget)
            for (int a = 0; a < 3; ++a) screen.moveResearch(a, 25);
    };
    // Research is worth an eighth of the sliders' sum in score, and a game
    // that scores in the fifties no longer sells from the late eighties on:
    // the sliders stay at 100, the extras go first when the game outgrows
    // its team, and then a second platform.
    const auto fitForScore = [&] {
        for (int a = 0; a < 3; ++a) screen.moveResearch(a, 100);
        for (const Extra e : {Extra::Mmo, Extra::Network, Extra::Multiplayer, Extra::ModEditor, Extra::GameEditor})
            if (screen.shownTotal() > weeksTarget) screen.setExtra(e, false);
    };
    if (on(HabitResearch)) fitForScore();
    else fitResearch();
    if (on(HabitResearch) && screen.shownTotal() > weeksTarget && screen.checkedCount() > 1) {
        for (int i = static_cast<int>(screen.platformLines().size()) - 1; i >= 0; --i)
            if (screen.platformLines()[static_cast<std::size_t>(i)].checked &&
                screen.platformLines()[static_cast<std::size_t>(i)].platform != bestPlatforms.front()) {
                screen.checkPlatform(i, false);
                break;
            }
        fitForScore();
    }
    // Still too big: the extras go, the biggest first.
    for (const Extra e : {Extra::Mmo, Extra::Network, Extra::Multiplayer, Extra::ModEditor, Extra::GameEditor})
        if (screen.shownTotal() > weeksTarget) screen.setExtra(e, false);
    screen.setName("Auto Game " + std::to_string(++gameNumber_));
    hands_.engineBudget = canBuy ? spare : 0;
    hands_.autoTeam = -1;
    const ActionResult refused = screen.startDevelopment(hands_);
    hands_.engineBudget = 0;
    hands_.autoTeam = 0;
    if (!refused) {
        ++report_.gamesStarted;
        const Task& t = g_.tables().tasks[screen.createdTask()];
        say("starts " + screen.name() + ", genre " + std::to_string(screen.genre()) + ", platforms " +
            t.platformList.str() + ", freelancers " + std::to_string(screen.freelancers()) + ", research " +
            std::to_string(screen.research()[0]) + ", work " + std::to_string(screen.shownTotal()) +
            (screen.sequelChosen() ? ", a sequel" : ""));
        if (screen.sequelChosen()) ++report_.sequels;
    }
}

// Idle employees join the game in development.
void Autoplayer::fillTeams() {
    if (idleStaff().empty()) return;
    const auto& tasks = g_.tables().tasks;
    for (int ti = tasks.first; ti <= tasks.last; ++ti) {
        const Task& t = tasks[ti];
        if (t.name.empty() || t.closedFlag || t.taskType != kTaskGame) continue;
        if (filledStaffSlots(t) >= taskCapacity(g_, ti)) continue;
        StaffScreen screen(g_);
        screen.openEmployees(ti);
        hands_.chooseStaff(screen);
    }
}

// A company that lost money over the last year and has less than two
// years of its wages left lets the weakest employee go each month, down to
// the first five.
void Autoplayer::shrink() {
    if (g_.currentWeek % 4 != 3 || employeeCount(g_) <= 5 || growing() || trend() == 0) return;
    if (ownCash() > 2LL * 52 * payrollPerWeek()) return;
    cutStaff();
}

void Autoplayer::turn() {
    cashBook_[static_cast<std::size_t>(weekCount_++ % cashBook_.size())] = ownCash();
    releaseReadyGames();
    manageMoney();
    shrink();
    build();
    hireStaff();
    buyTools();
    designConsole();
    // An engine due takes its programmer before the next game takes the rest.
    startEngine();
    startGame();
    upgradeEngines();
    licenceEngines();
    fillTeams();
    study();
}

void Autoplayer::noteYear(i32 year) {
    AutoplayYear y;
    y.year = year;
    y.cash = g_.world().money;
    y.loan = g_.world().loan;
    y.employees = employeeCount(g_);
    y.gamesReleased = releasedThisYear_;
    y.meanScore = releasedThisYear_ > 0 ? static_cast<i32>(scoreSumThisYear_ / releasedThisYear_) : 0;
    for (const Platform& p : g_.tables().platforms)
        if (!p.name.empty() && p.released && !p.discontinued) ++y.platformsOnMarket;
    i64 units = 0;
    i64 earned = 0;
    for (const Platform& p : g_.tables().platforms)
        if (!p.name.empty() && p.playerOwned) {
            units += std::max(p.soldUnits, 0);
            earned += p.makerEarnings;
        }
    y.consoleIncome = static_cast<i32>(std::clamp<i64>(earned - consoleIncomeBefore_, -2000000000, 2000000000));
    consoleIncomeBefore_ = earned;
    y.consoleUnits = static_cast<i32>(std::min<i64>(units - consoleUnitsBefore_, 2000000000));
    if (decltype(World::yearlyIncome)::inRange(year)) y.income = g_.world().yearlyIncome[year];
    consoleUnitsBefore_ = units;
    releasedThisYear_ = 0;
    scoreSumThisYear_ = 0;
    report_.years.push_back(y);
}

AutoplayReport Autoplayer::run(Player& shown) {
    (void)shown;
    // The computer never waits for a fast forward's stop, so it plays week by week.
    while (!g_.gameOver && (o_.untilYear <= 0 || g_.currentYear <= o_.untilYear)) {
        turn();
        const i32 year = g_.currentYear;
        nextWeek(g_, hands_);
        ++report_.weeksPlayed;
        if (g_.currentYear != year && !g_.gameOver) {
            noteYear(year);
            if (o_.yearEnd) o_.yearEnd(g_);
        }
    }
    const auto& products = g_.world().products;
    for (int k = products.first; k <= products.last; ++k)
        if (const GameTitle* t = productTitle(g_, k); t && products[k].released && t->bestChartPos > 0)
            report_.bestChartPos = std::min<int>(report_.bestChartPos, t->bestChartPos);
    report_.gameOver = g_.gameOver;
    report_.endYear = g_.currentYear;
    report_.endWeek = g_.currentWeek;
    report_.finalScore = g_.session.endScreenShown ? g_.session.finalScore : finalScore(g_);
    if (!g_.gameOver) {
        report_.ending = "stopped";
    } else {
        const std::string& c = hands_.lastEndingCaption;
        const std::string& t = hands_.lastEndingText;
        if (c == "GAME" && contains(t, "end year")) report_.ending = "end year";
        else if (c == "GAME") report_.ending = "cheating";
        else if (c == "Bankrupt") report_.ending = "bankrupt";
        else if (c == "Financial" && contains(t, "buy you out")) report_.ending = "takeover";
        else if (c == "Retirement") report_.ending = "retired";
        else report_.ending = "quit";
        // A game that ended during a year still shows that year's cash.
        if (report_.ending != "end year" && (report_.years.empty() || report_.years.back().year < g_.currentYear))
            noteYear(g_.currentYear);
    }
    return report_;
}

}  // namespace

unsigned habitBit(std::string_view name) {
    for (unsigned i = 0; i < std::size(kHabitNames); ++i)
        if (name == kHabitNames[i]) return 1u << i;
    return 0;
}

const char* habitName(unsigned bit) {
    for (unsigned i = 0; i < std::size(kHabitNames); ++i)
        if (bit == 1u << i) return kHabitNames[i];
    return "";
}

AutoplayReport autoplay(Game& g, Player& shown, const AutoplayOptions& options) {
    Autoplayer brain(g, shown, options);
    return brain.run(shown);
}

std::string autoplaySummary(const AutoplayReport& r) {
    std::ostringstream out;
    out << "autoplay: " << r.ending << " in week " << r.endWeek << ", " << r.endYear << "; " << r.weeksPlayed
        << " weeks played, " << r.hires << " hired, " << r.gamesStarted << " games started, " << r.gamesReleased
        << " released, " << r.enginesStarted << " engines started, " << r.enginesBought << " bought, best chart "
        << (r.bestChartPos >= 255 ? std::string("none") : std::to_string(r.bestChartPos)) << ", score "
        << r.finalScore;
    if (r.unknownDialogs > 0) out << ", " << r.unknownDialogs << " dialogs without a rule";
    return out.str();
}

}  // namespace cw
