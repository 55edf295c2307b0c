#include "setup/world_init.h"

#include "setup/new_game.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstring>
#include <fstream>

#include "market/company_list.h"
#include "market/competitors.h"
#include "market/region_lists.h"
#include "people/people_generation.h"
#include "refdata/import.h"
#include "sim/game_clock.h"
#include "state/inbox.h"
#include "state/log.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

constexpr i32 kNeverYear = 2999;

// Reference cells are read as integers without further checks; a text that
// holds no number reads as 0 rather than stopping the set-up.
i32 intOf(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    if (b < e && s[b] == '+') ++b;
    i32 v = 0;
    const auto r = std::from_chars(s.data() + b, s.data() + e, v);
    return r.ec == std::errc() ? v : 0;
}

i32 cellInt(const StringTable& t, int col, int row) { return intOf(t.cell(col, row)); }

bool cellBlank(const StringTable& t, int col, int row) {
    for (char c : t.cell(col, row))
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string upper(std::string_view s) {
    std::string u(s);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

// The status line and the bar of the progress window.
class SetupProgress {
public:
    explicit SetupProgress(Player& p) : player_(p) {}

    void status(std::string text) {
        caption_ = std::move(text);
        send();
    }
    void range(int max) {
        max_ = max;
        pos_ = 0;
        send();
    }
    void position(int pos) {
        pos_ = pos;
        send();
    }
    // Moves the bar and lets the windows take their events.
    void step(int pos) {
        position(pos);
        player_.processEvents();
    }

private:
    // The window is told only what it would show differently: redrawing it
    // for every few catalogue rows would cost more than placing them.
    void send() {
        ProgressInfo info;
        info.caption = caption_;
        info.barPercent = max_ > 0 ? std::clamp(pos_ * 100 / max_, 0, 100) : 0;
        if (info.caption == sentCaption_ && info.barPercent == sentPercent_) return;
        sentCaption_ = info.caption;
        sentPercent_ = info.barPercent;
        player_.progressUpdate(info);
    }

    Player& player_;
    std::string caption_;
    int max_ = 0;
    int pos_ = 0;
    std::string sentCaption_;
    int sentPercent_ = -1;
};

struct WorldBuilder {
    Game& g;
    Player& p;
    const ReferenceTables& ref;
    SetupProgress progress;
    std::string platformLine;  // the mod lines, upper-cased once
    std::string genreLine;

    World& w() { return g.world(); }
    SaveImage& t() { return g.tables(); }
    i32 year() const { return g.currentYear; }
    int draw(int n) { return g.rng.randomInt(n); }

    bool platformExcluded(std::string_view name) const {
        return !platformLine.empty() && platformLine.find(";" + upper(name) + ";") != std::string::npos;
    }
    bool genreExcluded(std::string_view name) const {
        return !genreLine.empty() && genreLine.find(";" + upper(name) + ";") != std::string::npos;
    }

    void resetBoardAndHistory();
    void resetCompanyState();
    void openingTexts();
    void resetProductsAndCatalogueSlots();
    void buildPlatforms();
    void buildProcessors();
    void genreAvailability();
    void placeCatalogue();
    void buildCompanies();
    void hireCompanyStaff();
    void buildGenres();
    void releasePastPlatforms();
};

void WorldBuilder::resetBoardAndHistory() {
    writeLog("NEW game started");
    w().boardOpinion = 10 * w().gameLevel + 20;
    w().boardGoalNumber = 0;
    w().boardGoalType = 0;
    w().boardGoalAmount = 0;
    w().boardGoalChartPos = 0;
    w().boardGoalLevel = 0;
    w().boardGoalYearsLeft = 0;
    w().companyGoalText = "None";

    for (i32& v : w().sharePriceHistory) v = 0;

    for (int y = 1980; y <= 2015; ++y) {
        w().yearlyEmployees[y] = 0;
        w().yearlyLoanCost[y] = 0;
        w().yearlyIncome[y] = 0;
        w().yearlyWages[y] = 0;
        w().yearlyPerkCost[y] = 0;
        for (auto& line : w().companyHistory[y]) line.clear();
        for (auto& line : w().worldHistory[y]) line.clear();
    }

    writeLog("Init competitor & player engines");
    for (auto* engines : {&w().marketEngines, &w().ownEngines}) {
        for (auto& row : *engines) {
            for (EngineSlot& e : row) {
                e.name.clear();
                e.genre = e.featureLevel = e.platform = e.codeLevel = 0;
                e.rating = e.experience = e.licenceIncome = e.supportCost = 0;
            }
        }
    }

    writeLog("Init Platforms...");
    for (int i = 1; i <= 500; ++i) {
        w().platformProtection[i].strength = -1;
        w().platformProtection[i].cracked = 0;
        for (int table = 1; table <= 8; ++table) w().devToolTables[table][i] = 1;
    }
}

void WorldBuilder::resetCompanyState() {
    World& wo = w();
    wo.publisherNegotiationDept = 0;
    wo.hardwareTestCenterLevel = 0;
    wo.gameTestCenterLevel = 0;
    wo.soundStudioLevel = 0;
    wo.packagingCentralLevel = 0;
    wo.debtWeeks = 0;
    wo.hardwareConsumers = draw(25000) + 50000;
    for (int r = 1; r <= 3; ++r) {
        wo.regionDemand[r] = static_cast<u8>(75 + draw(16) - 8);
        wo.economyLevel[r] = 5;
    }
    wo.costIndex = 100;
    wo.platformsImage = 0;
    wo.gamesImage = static_cast<u8>(70 - 20 * wo.gameLevel);
    wo.bestCpuSpeed = 10;
    wo.bestGpuSpeed = 5;
    wo.bestSpuSpeed = 5;
    wo.oilCrisisCount = 0;
    wo.lastOilCrisisYear = year();
    wo.lineLoad = 0;
    wo.lineOutputLevel = 1;
    wo.loan = 0;
    wo.sharesOwnedPercent = 40;
    if (decltype(World::yearlyCash)::inRange(year())) wo.yearlyCash[year()] = wo.money;
}

void WorldBuilder::openingTexts() {
    const std::string company = w().companyName.str();
    addCompanyHistory(g, 1, "Company " + company + " formed");
    postLetter(g, p, "Good Luck", "Good luck on your business\r\nKind regards, Your bank");
    postNews(g, NewsFinancial, "New company",
             "New company, " + company + " is a reality. Owner " + w().playerName.str() + ".........................");
    postLetter(g, p, "Stock Exchange", "We have issued 60% of your companys stocks. You still own 40% of " + company);

    for (i32& v : w().hardwareInterest) v = 0;
    for (int i = 1; i <= 2600; ++i) w().hardwareInterest[i] = ((i / 40) + 5) * 500 + draw(2000);
}

void WorldBuilder::resetProductsAndCatalogueSlots() {
    writeLog("Init Rleased products...");
    // The fifth integer of a product slot outlives the slot's reuse, so it
    // is left alone here as well.
    for (ProductEntry& e : w().products) {
        e.refA = e.refB = e.value8 = e.kind = 0;
        e.released = 0;
    }
    for (StorageEntry& e : w().storageEntries) {
        e.itemKey = e.itemKey2 = e.stock = e.itemKind = 0;
        e.reserved_16[4] = 0;
    }
    for (i32& slot : t().titlesPerYear) slot = 1;
}

void WorldBuilder::buildPlatforms() {
    const StringTable& list = ref.list_platforms;
    const int rows = list.rowCount();
    const int catalogueRows = ref.List_games.rowCount();
    progress.range(rows);
    progress.status(" Populating Platforms Database.... ");
    writeLog("Init Platforms database...");
    g.rng.randomizeSeed();
    for (int r = 1; r <= rows && r <= 500; ++r) {
        if (cellBlank(list, 0, r)) continue;
        Platform& pl = t().platforms[r];
        pl.name = list.cell(0, r);
        pl.platformKind = platformKindOf(pl.name.str());
        pl.selfIndex = static_cast<u8>(r);

        pl.price = draw(300) + 600 / (pl.platformKind + 1);
        pl.opinion = 40 + draw(10);
        for (DealSlot& d : pl.deals) d.dealCompany = d.dealGamesLeft = 0;
        pl.cpuSpec = 1200 - draw(250);
        pl.releaseWeek = static_cast<u8>(1 + draw(46));
        pl.gameCount = cellInt(list, 1, r);
        pl.releaseYear = cellInt(list, 2, r) + draw(2) - 1;
        if (platformExcluded(pl.name.str())) pl.releaseYear = kNeverYear;

        pl.released = 0;
        pl.launched = 0;
        pl.weeksOnMarket = 0;
        if (pl.releaseYear < year()) {
            pl.released = 1;
            pl.weeksOnMarket = (year() - 1 - pl.releaseYear) * 52 + (52 - pl.releaseWeek);
        }
        pl.playerOwned = 0;
        pl.soldUnits = pl.gameCount * 100 * (year() - 1977) + draw(10000);
        pl.lowSalesWeeks = pl.troubleWeeks = 0;
        pl.discontinued = 0;
        pl.marketShare = 50;
        for (i32& s : pl.weekSalesByRegion) s = 0;
        pl.hype = 0;
        pl.stillInUsePercent = 100;
        pl.piracyPercent = 0;
        pl.overallIndex = pl.cpuSpec / 10 + pl.marketShare - pl.price / 5;
        pl.reserved_172[0] = static_cast<u8>(100 - draw(50));
        pl.standingRank = 255;
        pl.previousMarketRank = 255;
        pl.productionCost = pl.cpuSpec / 2 - pl.cpuSpec / 10;
        pl.costReduction = 0;

        // Platforms with few catalogue games start smaller and less liked.
        if (pl.gameCount < catalogueRows / 60) {
            pl.soldUnits /= 2;
            pl.marketShare = static_cast<u8>(pl.marketShare / 2);
            pl.opinion /= 2;
            if (pl.gameCount < catalogueRows / 180) {
                pl.soldUnits /= 2;
                pl.marketShare = static_cast<u8>(pl.marketShare / 2);
                pl.opinion /= 2;
            }
        }
        pl.makerEarnings = (pl.soldUnits / 50) * pl.price + 2500000;
        progress.position(r);
    }
}

void WorldBuilder::buildProcessors() {
    const StringTable& list = ref.List_cpus;
    const int rows = list.rowCount();
    progress.range(rows);
    progress.status(" Populating CPUs Database.... ");
    g.rng.randomizeSeed();
    writeLog("Init CPU database...");
    // Row 1 of the processor file is its title line.
    for (int r = 2; r <= rows && r <= 500; ++r) {
        if (cellBlank(list, 0, r)) continue;
        Cpu& c = t().cpus[r];
        c.name = list.cell(0, r);
        c.cpuType = static_cast<u8>(cellInt(list, 6, r));
        c.releaseYear = cellInt(list, 1, r);
        c.releaseWeek = 1 + draw(50);
        c.refColumn2 = cellInt(list, 2, r);
        c.bits = list.cell(3, r);
        c.speed = cellInt(list, 4, r);

        // Half-dollars round up: the base price is whole dollars, so the
        // product is exact or ends in .5.
        const long long base = cellInt(list, 5, r);
        c.launchPrice = static_cast<i32>(base >= 0 ? (base * 3 + 1) / 2 : -((-base * 3 + 1) / 2));
        c.launchPrice = c.launchPrice + draw(c.launchPrice / 10) - c.launchPrice / 20;
        c.speed = c.speed + draw(c.speed / 10) - c.speed / 20;
        if ((year() - c.releaseYear) * 52 + (g.currentWeek - c.releaseWeek) >= 0) {
            c.announced = 1;
            c.launchPrice = c.launchPrice - (year() + 1 - c.releaseYear) * 20;
        } else {
            c.announced = 0;
        }
        if (c.cpuType >= 1 && c.cpuType <= 4) c.price = c.launchPrice;
        progress.position(r);
    }
}

void WorldBuilder::genreAvailability() {
    const StringTable& list = ref.list_genre;
    progress.range(list.rowCount());
    progress.status(" Setting up Genres MODs.... ");
    for (int r = 1; r <= list.rowCount() && r <= 500; ++r) {
        if (!cellBlank(list, 0, r) && !cellBlank(list, 2, r)) {
            Genre& gn = t().genres[r];
            gn.name = list.cell(2, r);
            gn.yearAvailable = genreExcluded(list.cell(2, r)) ? kNeverYear : cellInt(list, 3, r);
        }
        if (r % 5 == 0) progress.step(r);
    }
}

void WorldBuilder::placeCatalogue() {
    const StringTable& list = ref.List_games;
    const int rows = list.rowCount();
    progress.range(rows);
    progress.status(" Populating Game database.... ");
    writeLog("Populating Game database...");

    // What the titles need of their platform and genre does not change while
    // they are placed, so it is worked out once per index.
    struct PlatformFacts {
        bool inEU = false, inAsia = false, excluded = false;
    };
    std::array<PlatformFacts, 256> facts{};
    const std::string euList = std::string(ComputerNames) + "," + HandheldNames;
    const std::string asiaList = std::string(ConsoleNames) + "," + HandheldNames;
    for (int i = 1; i <= 255; ++i) {
        const std::string name = t().platforms[i].name.str();
        facts[static_cast<std::size_t>(i)] = {nameInList(euList, name), nameInList(asiaList, name),
                                              platformExcluded(name)};
    }
    std::array<bool, 256> genreOut{};
    for (int i = 1; i <= 255; ++i) genreOut[static_cast<std::size_t>(i)] = genreExcluded(t().genres[i].name.str());

    for (int r = 1; r <= rows; ++r) {
        if (!cellBlank(list, 0, r) && !cellBlank(list, 1, r)) {
            const std::string& platformsCell = list.cell(4, r);
            std::size_t from = 0;
            while (from <= platformsCell.size()) {
                std::size_t to = platformsCell.find(',', from);
                if (to == std::string::npos) to = platformsCell.size();
                const std::string_view field(platformsCell.data() + from, to - from);
                from = to + 1;

                std::size_t b = 0, e = field.size();
                while (b < e && std::isspace(static_cast<unsigned char>(field[b]))) ++b;
                while (e > b && std::isspace(static_cast<unsigned char>(field[e - 1]))) --e;
                i32 pi = 0;
                const auto parsed = std::from_chars(field.data() + b, field.data() + e, pi);
                // A title names its platform in one byte; anything else is
                // not a platform of the world.
                if (b == e || parsed.ec != std::errc() || pi < 1 || pi > 255) continue;
                const Platform& pl = t().platforms[pi];

                i32 y = cellInt(list, 1, r);
                if (y < pl.releaseYear && pl.releaseYear < kNeverYear) y = pl.releaseYear + 1;
                // Years outside the catalogue and full years have no slot.
                if (!decltype(SaveImage::titlesPerYear)::inRange(y)) continue;
                const i32 s = t().titlesPerYear[y];
                if (s < 1 || s > 3500) continue;

                GameTitle& gt = t().gameTitles[y][s];
                gt.focusGameplay = gt.focusComplexity = gt.focusReplayability = 0;
                gt.qualityGameplay = gt.qualityComplexity = gt.qualityReplayability = 0;
                gt.researchProgramming = gt.researchDesign = gt.researchGraphics = 0;
                gt.workLeftProgramming = gt.workLeftDesign = gt.workLeftGraphics = 0;
                gt.sequelNumber = 0;
                gt.hasSequel = 0;
                gt.releaseYear = y;
                gt.title = list.cell(0, r);
                gt.companyRow = cellInt(list, 2, r);
                gt.genre = static_cast<u8>(cellInt(list, 3, r));
                gt.platform = static_cast<u8>(pi);
                gt.isPlayers = 0;
                gt.released = 0;
                gt.salesScore = static_cast<u8>(catalogueRating(g, ref, r));
                gt.reviewScore = gt.salesScore;
                gt.totalSales = gt.weekSalesUS = gt.weekSalesEU = gt.weekSalesAsia = 0;
                gt.paidToPartners = 0;
                gt.hasGameEditor = gt.hasModEditor = gt.hasMultiplayer = gt.hasSerialNetwork = gt.hasMmo = 0;
                gt.hasCutsceneActor = gt.hasVoiceActor = gt.hasCelebrity = 0;
                gt.extrasScore = gt.soundStudioAtFinish = gt.partnerShare = 0;

                const PlatformFacts& f = facts[static_cast<std::size_t>(pi)];
                gt.inUS = 1;
                gt.inEU = (f.inEU || gt.salesScore > 95) ? 1 : 0;
                gt.inAsia = (f.inAsia || gt.salesScore > 95) ? 1 : 0;
                gt.bestChartPos = 255;
                gt.chartPos = 255;
                gt.price = 50;
                const i32 fifty = 50;
                std::memcpy(gt.reserved_148, &fifty, sizeof fifty);

                if (f.excluded || genreOut[gt.genre]) gt.releaseYear = kNeverYear;

                gt.releaseWeek = static_cast<u8>(1 + draw(48));
                // Strong titles come out in the autumn, launch titles 1..3
                // weeks after their platform.
                if (w().gameLevel >= 2 && draw(10) + 90 < gt.salesScore)
                    gt.releaseWeek = static_cast<u8>(34 + draw(14));
                if (pl.releaseYear == y) gt.releaseWeek = static_cast<u8>(pl.releaseWeek + 1 + draw(3));
                t().titlesPerYear[y] += 1;
            }
        }
        if (r % 25 == 0) progress.step(r);
    }
}

void WorldBuilder::buildCompanies() {
    writeLog("Sort Companys...");
    const StringTable& ltds = ref.List_LTDs;
    const StringTable& companies = ref.List_Company;
    progress.range(ltds.rowCount());
    progress.status(" Setting up AI Companys.... ");
    for (int i = 1; i <= ltds.rowCount() && i <= 500; ++i) {
        if (!cellBlank(ltds, 0, i) && !cellBlank(ltds, 1, i)) {
            const int row = cellInt(ltds, 1, i);
            Company& c = t().companies[i];
            c.gameCount = cellInt(companies, 1, row);
            c.listRow = row;
            c.name = ltds.cell(0, i);
            c.money = draw(25000) * (c.gameCount / 10 + 1) + 75000;
            std::memset(c.reserved_52, 0, sizeof c.reserved_52);
            c.playerOwnsPercent = 0;
            c.firstYear = cellInt(companies, 2, row);
            c.playerSharesHeld = 0;
            c.companyLoan = 0;
            c.sharePrice = 100;
            c.reserved_120[0] = 0;
            c.busyWeeks = 0;
            if (draw(3) == 0) c.companyLoan = draw(15000) * (c.gameCount / 10 + 1) + 55000;
            for (i32& s : c.staff) s = 0;
        }
        if (i % 25 == 0) progress.step(i);
    }
}

void WorldBuilder::hireCompanyStaff() {
    progress.range(500);
    progress.status(" Setting up AI Company and employee relations ");
    const int peopleRows = ref.list_people.rowCount();
    for (int i = 1; i <= 500; ++i) {
        Company& c = t().companies[i];
        if (!c.name.empty()) {
            const int slots = companyStaffSlots(c.gameCount);
            for (int k = 1; k <= slots; ++k) {
                int found = 0;
                int draws = 0;
                for (draws = 1; draws <= 5001; ++draws) {
                    const int q = 1 + draw(peopleRows - 2);
                    if (q > 5000) continue;
                    const Person& person = t().people[q];
                    if (person.employerCompany == 0 && person.workArea == 1) {
                        found = q;
                        break;
                    }
                }
                // Only a find within the first 4999 draws is hired.
                if (found == 0 || draws > 4999) continue;
                t().people[found].employerCompany = i;
                c.staff[k] = found;
                t().people[found].labourMarketYear = c.firstYear;
            }
        }
        progress.step(i);
    }
}

void WorldBuilder::buildGenres() {
    writeLog("Sort genres...");
    const StringTable& list = ref.list_genre;
    progress.range(list.rowCount());
    progress.status(" Setting up Genres.... ");
    for (int r = 1; r <= list.rowCount() && r <= 500; ++r) {
        if (!cellBlank(list, 0, r) && !cellBlank(list, 2, r)) {
            Genre& gn = t().genres[r];
            gn.name = list.cell(2, r);
            gn.upcomingHits = cellInt(list, 1, r);
            gn.shortName = list.cell(0, r);
            gn.yearAvailable = genreExcluded(list.cell(2, r)) ? kNeverYear : cellInt(list, 3, r);
            gn.interest = 40 + draw(20);
            gn.trend = draw(3) - 1;
        }
        if (r % 5 == 0) progress.step(r);
    }
}

void WorldBuilder::releasePastPlatforms() {
    writeLog("Find releases Begin...");
    ReleasePastTitles(g, p);
    writeLog("Find releases DONE");
    for (Platform& pl : t().platforms) {
        if (pl.name.empty() || pl.releaseYear >= year()) continue;
        pl.released = 1;
        pl.cpuSpec = pl.cpuSpec - (draw(104) + 62);
    }
}

}  // namespace

void readStoredPlayTime(Game& g) {
    Session& s = g.session;
    s.sessionPlaySeconds = 0;
    s.storedPlaySeconds = 0;
    s.playTimeRead = true;
    const std::string path = existingFileNoCase(g.writableFolder(), "Cw2.tid");
    if (path.empty()) return;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line)) return;
    // A damaged play-time file only loses the stored time.
    s.storedPlaySeconds = intOf(line);
}

void fillGenreProfiles(Session& s) {
    struct Row {
        const char* name;
        i32 size;
        u8 w1, w2, w3, d1, d2, d3;
    };
    static constexpr Row kRows[9] = {
        {"Action", 8, 40, 20, 40, 40, 10, 50},         {"Simulation", 9, 40, 10, 50, 20, 55, 25},
        {"Adventure", 6, 20, 30, 50, 50, 45, 5},       {"Sports", 7, 35, 30, 35, 20, 20, 60},
        {"Strategy", 8, 35, 35, 30, 20, 40, 40},       {"Role-Playing (RPG)", 7, 20, 35, 45, 25, 25, 50},
        {"Puzzle/solving", 4, 40, 40, 20, 33, 33, 34}, {"Racing / Driving", 8, 40, 20, 40, 20, 40, 40},
        {"Educational", 4, 50, 40, 10, 30, 40, 30},
    };
    s.genreProfiles[0] = GenreProfile{};
    for (int i = 0; i < 9; ++i) {
        const Row& r = kRows[i];
        s.genreProfiles[static_cast<std::size_t>(i + 1)] =
            GenreProfile{r.name, r.size, {r.w1, r.w2, r.w3}, {r.d1, r.d2, r.d3}};
    }
}

bool excludedByMod(std::string_view line, std::string_view name) {
    return upper(line).find(";" + upper(name) + ";") != std::string::npos;
}

int catalogueRating(Game& g, const ReferenceTables& ref, int row) {
    const auto listed = [&](int col) { return trimmed(ref.List_games.cell(col, row)) == "1"; };
    int rating = 60 + g.rng.randomInt(40);
    if (listed(5)) rating += 20;
    if (listed(6)) rating += 10;
    if (listed(7)) rating += 10;
    if (listed(8)) rating += 10;
    return rating;
}

void hireCompanyStaff(Game& g, Player& p, const ReferenceTables& ref) {
    WorldBuilder b{g, p, ref, SetupProgress(p), {}, {}};
    b.hireCompanyStaff();
}

int companyStaffSlots(i32 gameCount) { return std::clamp<i32>(gameCount / 25, 1, 7); }

void initWorld(Game& g, Player& p, const ReferenceTables& ref, const WorldScreenHooks& hooks) {
    WorldBuilder b{g, p, ref, SetupProgress(p), upper(g.session.modPlatformLine), upper(g.session.modGenreLine)};

    b.progress.status(" Initializing... ");
    writeLog("Init of game data...");
    readStoredPlayTime(g);
    if (hooks.startPlayTimer) hooks.startPlayTimer();
    fillGenreProfiles(g.session);
    loadCompanyList(g, ref);
    g.session.referenceGameRows = ref.List_games.rowCount();
    // A load computes this again once its saved world has arrived.
    deriveFromGameLevel(g);

    if (g.session.loadingSavedGame) {
        writeLog("Existing game loading");
    } else {
        b.resetBoardAndHistory();
        b.resetCompanyState();
        b.openingTexts();
        b.resetProductsAndCatalogueSlots();
        b.buildPlatforms();
        b.buildProcessors();
        b.genreAvailability();
        b.placeCatalogue();
        b.progress.status(" Done ");
        writeLog("Sort employess...");
        generatePeople(g, ref);
        b.buildCompanies();
        writeLog("AI hiring...");
        b.hireCompanyStaff();
        writeLog("Add player...");
        createPlayerPerson(g, ref);
        b.buildGenres();
        b.releasePastPlatforms();
    }

    writeLog("Init MAP graphics...");
    if (hooks.showMapBuildings) hooks.showMapBuildings();
    writeLog("Finding computer pics...");
    if (hooks.chooseEraPictures) hooks.chooseEraPictures();
    writeLog("Updating Inbox...");
    updateUnreadCount(g, p);
    writeLog("Init done,Ready");
}

WorldSummary summarizeWorld(const Game& g) {
    WorldSummary s;
    const SaveImage& t = g.tables();
    for (const Platform& pl : t.platforms) {
        if (pl.name.empty()) continue;
        ++s.platforms;
        if (pl.released) ++s.releasedPlatforms;
    }
    for (const Cpu& c : t.cpus) {
        if (c.name.empty()) continue;
        ++s.processors;
        if (c.announced) ++s.announcedProcessors;
    }
    for (const Genre& gn : t.genres)
        if (!gn.name.empty()) ++s.genres;
    for (const Company& c : t.companies) {
        if (c.name.empty()) continue;
        ++s.companies;
        for (i32 q : c.staff)
            if (q > 0) ++s.companyStaff;
    }
    for (const Person& person : t.people)
        if (!person.name.empty()) ++s.people;
    for (int y = 1977; y <= 2015; ++y) {
        const i32 placed = std::clamp<i32>(t.titlesPerYear[y] - 1, 0, 3500);
        s.catalogueTitles += placed;
        for (int i = 1; i <= placed; ++i)
            if (t.gameTitles[y][i].released) ++s.releasedTitles;
    }
    return s;
}

std::string worldSummaryText(const WorldSummary& w) {
    return std::to_string(w.platforms) + " platforms (" + std::to_string(w.releasedPlatforms) + " released), " +
           std::to_string(w.processors) + " processors (" + std::to_string(w.announcedProcessors) +
           " on the market), " + std::to_string(w.genres) + " genres, " + std::to_string(w.companies) +
           " companies (" + std::to_string(w.companyStaff) + " staff), " + std::to_string(w.people) + " people, " +
           std::to_string(w.catalogueTitles) + " catalogue titles (" + std::to_string(w.releasedTitles) + " on sale)";
}

void deriveFromGameLevel(Game& g) { g.session.buildingBasePrice = 200000 * g.world().gameLevel; }

bool testWorld(Game& g, Player& p, const ReferenceTables& ref, std::string& summary) {
    summary.clear();
    if (const std::string refusal = referenceDataRefusal(ref); !refusal.empty()) {
        p.messageBox(kReferenceDataCaption, refusal, false);
        return false;
    }
    g.reset();
    g.tables().catalogueGamesPerYear = ref.catalogueGamesPerYear;
    g.rng.randomizeSeed();
    g.session.loadingSavedGame = false;
    applyNewGameOptions(g, NewGameOptions{});
    initWorld(g, p, ref);
    summary = worldSummaryText(summarizeWorld(g));
    return true;
}

}  // namespace cw
