#include "market/sales.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <map>
#include <string>

#include "market/company_list.h"
#include "market/region_lists.h"
#include "state/money.h"
#include "state/inbox.h"
#include "state/log.h"

namespace cw {

namespace {

using i64 = std::int64_t;

// Revenue is worked in 64 bits and kept in the 32-bit fields: a sum that
// would not fit is held at the limit instead of turning into a loss.
i32 fit(i64 v) { return static_cast<i32>(std::clamp<i64>(v, INT32_MIN, INT32_MAX)); }
void addTo(i32& field, i64 amount) { field = fit(static_cast<i64>(field) + amount); }

bool distributedIn(const GameTitle& t, int region) {
    return region == 1 ? t.inUS != 0 : region == 2 ? t.inEU != 0 : t.inAsia != 0;
}

i32& weekField(GameTitle& t, int region) {
    return region == 1 ? t.weekSalesUS : region == 2 ? t.weekSalesEU : t.weekSalesAsia;
}

// Which regions prefer a platform, looked up once per platform and pass:
// the lists are searched as text.
class RegionPreferences {
public:
    explicit RegionPreferences(const SaveImage& t) : tables_(t) {}
    bool preferred(int platform, int region) {
        u8& bits = known_[static_cast<std::size_t>(platform)];
        if ((bits & 1) == 0) {
            bits = 1;
            const std::string_view name = tables_.platforms[platform].name.view();
            for (int r = 1; r <= 3; ++r)
                if (preferredInRegion(name, r)) bits = static_cast<u8>(bits | (1 << r));
        }
        return (bits & (1 << region)) != 0;
    }

private:
    const SaveImage& tables_;
    std::array<u8, 256> known_{};
};

// The side table of the last sales week, by game: program memory only, so
// neither a save nor the generator sees it.
std::map<const Game*, SalesWeekRecord>& keptWeeks() {
    static std::map<const Game*, SalesWeekRecord> kept;
    return kept;
}

struct Pass {
    Game& g;
    Player& p;
    ChartScan reference;
    SalesChart chart;
    RegionPreferences prefs;
    SalesWeekRecord& kept;
};

// Copies the publisher cannot make are not sold: the regions are served in
// the order US, Europe, Asia, each as far as the copies left reach.
void applyPublisherCapacity(Pass& pass, GameTitle& t, TitleSalesRecord* why) {
    const i32 unit = std::max<i32>(t.price, 1);  // a damaged price must not divide by zero
    i32 left = t.weeklyOutput;
    auto serve = [&](i32& sales) {
        if (sales < unit) return;
        const i32 copies = sales / unit;
        if (left < copies) sales = fit(static_cast<i64>(unit) * left);
        left -= copies;
    };
    serve(t.weekSalesUS);
    if (left < 0) left = 0;
    if (left > 0) {
        serve(t.weekSalesEU);
        if (left < 0) left = 0;
    } else {
        t.weekSalesEU = 0;
    }
    if (left > 0)
        serve(t.weekSalesAsia);
    else
        t.weekSalesAsia = 0;
    if (why) why->capacityUsedUp = left <= 0;
    if (left <= 0)
        postLetter(pass.g, pass.p, "Insufficient copies",
                   "Your Publisher cannot produce enough copies for the demand of you game" + t.title.str() +
                       "\r\nFor your next game you should properly get a deal with a bigger publisher");
}

void addCompanyIncome(Game& g, i64 amount) {
    World& w = g.world();
    receiveCash(w.money, amount);
    if (decltype(World::yearlyIncome)::inRange(g.currentYear)) addTo(w.yearlyIncome[g.currentYear], amount);
}

// Copy protection, image boost, publisher capacity, the player's income,
// the chart, fans and public image.
void sellPlayersTitle(Pass& pass, GameTitle& t, int year, int index, int k, TitleSalesRecord* why) {
    Game& g = pass.g;
    World& w = g.world();
    ProtectionState& protection = w.platformProtection[t.platform];
    if (protection.strength > 0) {
        protection.strength -= g.rng.randomInt(3);
        if (protection.strength <= 0) {
            protection.cracked = 1;
            protection.strength = 0;
        }
    }

    if (w.gamesImage > 15) {
        for (int r = 1; r <= 3; ++r) {
            i32& week = weekField(t, r);
            week = fit(week + (static_cast<i64>(week) * w.gamesImage / 100) / 2);
        }
    }
    if (why) {
        why->earnsPlayer = true;
        why->gamesImage = w.gamesImage;
        why->weeklyOutput = t.weeklyOutput;
        for (int r = 1; r <= 3; ++r) why->region[r].after[RegionSalesSteps::PublicImage] = weekField(t, r);
    }
    applyPublisherCapacity(pass, t, why);
    if (why)
        for (int r = 1; r <= 3; ++r) why->region[r].after[RegionSalesSteps::PublisherCapacity] = weekField(t, r);

    i64 income = static_cast<i64>(t.weekSalesUS) + t.weekSalesEU + t.weekSalesAsia;
    addTo(t.totalSales, income);
    // Shares from a damaged save are held to the whole: the partners are
    // never paid more than the week brought in.
    const i64 publisher = (income / 100) * std::min<i64>(t.publisherShare, 100);
    addTo(t.paidToPartners, publisher);
    income -= publisher;
    const i64 partner = (income / 100) * std::min<i64>(2 * t.partnerShare, 100);
    addTo(t.paidToPartners, partner);
    income -= partner;
    addCompanyIncome(g, income);
    if (why) {
        why->revenue = publisher + partner + income;
        why->publisherPercent = t.publisherShare;
        why->publisherShare = publisher;
        why->partnerPercent = t.partnerShare;
        why->partnerShare = partner;
        why->toPlayer = income;
    }

    const i32 sum = weekSalesSum(t);
    const int pos = pass.reference ? pass.reference(g, year, index) : pass.chart.positionNow(k, sum);
    storePlayerChartPos(g, year, index, pos, sum);

    if (t.salesScore > 59 && t.fans < 100) {
        for (i32 threshold : {500000, 1500000, 3000000})
            if (t.totalSales > threshold) t.fans += g.rng.randomInt(2);
    }
    if (t.fans > 100) t.fans = 100;

    u8& image = w.gamesImage;
    if (t.reviewScore < 68 && t.weeksOnSale == 1 && image > 10) --image;
    if (t.chartPos > 150 && t.weeksOnSale < 5 && image > 10) --image;
    if (t.reviewScore > 98 && t.weeksOnSale == 1 && image < 100) image = static_cast<u8>(std::min(image + 3, 100));
    if (t.chartPos < 10 && image < 100) ++image;
}

void sellTitle(Pass& pass, GameTitle& t, int year, int index, int k) {
    Game& g = pass.g;
    if (t.released)
        ++t.weeksOnSale;
    else if (t.isPlayers && t.hype > 10)
        --t.hype;
    t.weekSalesUS = t.weekSalesEU = t.weekSalesAsia = 0;
    const bool players = t.isPlayers != 0;
    TitleSalesRecord* why = nullptr;
    if (players) {
        why = &pass.kept.titles.emplace_back();
        why->year = year;
        why->index = index;
        why->salesScore = t.salesScore;
        why->weeksOnSale = t.weeksOnSale;
    }
    if (!t.released || t.salesScore <= 50) return;
    // A title without a platform or genre slot has no market to sell in.
    if (t.platform == 0 || t.genre == 0) return;
    if (why) why->sold = true;

    const i32 company = players ? 0 : companyOfRow(g, t.companyRow);
    for (int r = 1; r <= 3; ++r) {
        if (!distributedIn(t, r)) continue;
        RegionSalesSteps* steps = why ? &why->region[r] : nullptr;
        const i32 v = regionRevenue(g, t, r, pass.prefs.preferred(t.platform, r), steps);
        if (steps) steps->after[RegionSalesSteps::PublicImage] = steps->after[RegionSalesSteps::PublisherCapacity] = v;
        weekField(t, r) = v;
        if (company > 0) addTo(g.tables().companies[company].money, v);
        if (!players) addTo(t.totalSales, v);
    }

    if (players) {
        if (t.releaseYear > 1979) sellPlayersTitle(pass, t, year, index, k, why);
    } else if (pass.reference) {
        storeChartPos(t, pass.reference(g, year, index));
    } else {
        pass.chart.rankLater(k, weekSalesSum(t), t);
    }

    if (t.usesPlayerEngine && t.engineRoyalty > 0) {
        const i64 royalty =
            ((static_cast<i64>(t.weekSalesUS) + t.weekSalesEU + t.weekSalesAsia) / 100) * std::min(t.engineRoyalty, 100);
        addCompanyIncome(g, royalty);
        auto& engines = g.world().ownEngines;
        if (engines.inRange(t.platform) && engines[t.platform].inRange(t.genre))
            addTo(engines[t.platform][t.genre].licenceIncome, royalty);
    }

    if (g.rng.randomInt(5) >= 2) t.salesScore = static_cast<u8>(t.salesScore - g.rng.randomInt(2));
}

}  // namespace

i32 regionRevenue(Game& g, const GameTitle& t, int region, bool preferred, RegionSalesSteps* why) {
    const SaveImage& tables = g.tables();
    const World& w = g.world();
    const Platform& p = tables.platforms[t.platform];
    const Genre& genre = tables.genres[t.genre];
    const i64 level = w.gameLevel;
    const i64 score = t.salesScore;

    using S = RegionSalesSteps;
    const i32 draw = g.rng.randomInt(10);
    i64 v = (60 + draw) * (score - 48) * 5;
    if (why) why->after[S::Score] = v;
    i64 base = p.soldUnits / 100;
    if (score < 65) base = score * base / 100;
    v = ((v + base) / 2) * 2;
    if (why) why->after[S::InstalledBase] = v;
    v = (v / 100) * (100 - 10 * level);
    if (why) why->after[S::GameLevel] = v;
    const bool piracy = t.isPlayers && w.platformProtection[t.platform].strength <= 0;
    if (piracy) v = (v / 100) * (100 - p.piracyPercent);
    if (why) why->after[S::Piracy] = v;
    v = (v / 100) * p.stillInUsePercent;
    if (why) why->after[S::StillInUse] = v;
    if (t.isPlayers && t.price < 30) v = v / 2;
    if (why) why->after[S::Price] = v;
    v = (v / 100) * (genre.interest + 30 - 10 * level);
    if (why) why->after[S::GenreInterest] = v;
    v = (v / 100) * 2 * (w.regionDemand[region] - 10 * level);
    if (why) why->after[S::RegionalDemand] = v;
    if (preferred) v = v + (v / 100) * 50;
    if (why) why->after[S::PreferredPlatform] = v;
    if (score < 70) v = v * score / 100;
    if (why) why->after[S::LowScore] = v;
    const i32 season = SeasonFactor[std::clamp(salesPeriod(g.currentWeek), 1, 13)];
    v = v * season / 60;
    if (why) why->after[S::Season] = v;
    // The launch weeks sell more; a damaged week count must not divide by zero.
    if (t.weeksOnSale < 5 && t.weeksOnSale + 4 > 0) v = v * 10 / (t.weeksOnSale + 4);
    const i32 result = fit(v);
    if (why) {
        // The limit of the 32-bit field, if ever reached, shows in the last rule.
        why->after[S::LaunchWeeks] = result;
        why->distributed = true;
        why->draw = draw;
        why->salesScore = t.salesScore;
        why->soldUnits = p.soldUnits;
        why->gameLevel = w.gameLevel;
        why->piracyApplies = piracy;
        why->piracyPercent = p.piracyPercent;
        why->stillInUsePercent = p.stillInUsePercent;
        why->price = t.price;
        why->genreInterest = genre.interest;
        why->regionDemand = w.regionDemand[region];
        why->preferred = preferred;
        why->seasonFactor = season;
        why->weeksOnSale = t.weeksOnSale;
    }
    return result;
}

void UpdateWeeklySales(Game& g, Player& p, ChartScan reference) {
    ProgressInfo status;
    status.statusText = " Calculating sales.... ";
    p.progressUpdate(status);
    p.processEvents();

    const int firstYear = std::max(g.currentYear - 3, decltype(SaveImage::titlesPerYear)::first);
    const int lastYear = std::min(g.currentYear, decltype(SaveImage::titlesPerYear)::last);
    SalesWeekRecord& kept = keptWeeks()[&g];
    kept.clear();
    kept.computed = true;
    kept.year = g.currentYear;
    kept.week = g.currentWeek;
    if (firstYear > lastYear) return;
    SaveImage& tables = g.tables();
    Pass pass{g, p, reference, {}, RegionPreferences(tables), kept};
    if (!reference) pass.chart.begin(g, firstYear, lastYear);

    int k = 0;
    for (int y = firstYear; y <= lastYear; ++y) {
        if (debugLogging()) {
            verboseLog("Checking sales for Releases Y:" + std::to_string(y));
            verboseLog(" Releases that year ::" + std::to_string(tables.titlesPerYear[y]));
        }
        const int count = std::clamp<i32>(tables.titlesPerYear[y], 0, 3500);
        for (int n = 1; n <= count; ++n, ++k) {
            GameTitle& t = tables.gameTitles[y][n];
            sellTitle(pass, t, y, n, k);
            if (!reference) pass.chart.passed(k, t);
        }
    }
    if (!reference) pass.chart.finish();
}

const SalesWeekRecord& lastSalesWeek(const Game& g) {
    static const SalesWeekRecord none;
    const auto& kept = keptWeeks();
    const auto it = kept.find(&g);
    return it == kept.end() ? none : it->second;
}

void forgetSalesWeek(const Game& g) { keptWeeks().erase(&g); }

bool sellingThisWeek(const Game& g, int year, const GameTitle& t) {
    return t.released && t.salesScore > 50 && year >= g.currentYear - 3 && year <= g.currentYear;
}

std::vector<int> titlesOnSaleByCompany(const Game& g) {
    std::vector<int> counts(decltype(SaveImage::companies)::last + 1, 0);
    const SaveImage& tables = g.tables();
    const int firstYear = std::max(g.currentYear - 3, decltype(SaveImage::titlesPerYear)::first);
    const int lastYear = std::min(g.currentYear, decltype(SaveImage::titlesPerYear)::last);
    for (int y = firstYear; y <= lastYear; ++y) {
        const int count = std::clamp<i32>(tables.titlesPerYear[y], 0, 3500);
        for (int n = 1; n <= count; ++n) {
            const GameTitle& t = tables.gameTitles[y][n];
            if (t.isPlayers || !sellingThisWeek(g, y, t)) continue;
            const i32 company = companyOfRow(g, t.companyRow);
            if (company > 0) ++counts[static_cast<std::size_t>(company)];
        }
    }
    return counts;
}

void PayCompanyWages(Game& g) {
    SaveImage& tables = g.tables();
    for (Company& c : tables.companies) {
        i64 wages = 0;
        for (i32 person : c.staff)
            if (person > 0 && tables.people.inRange(person)) wages += tables.people[person].salary;
        addTo(c.money, -wages);
    }
}

}  // namespace cw
