#include "market/platform_sales.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "hardware/cpu_market.h"
#include "hardware/warehouse.h"
#include "market/region_lists.h"
#include "state/money.h"
#include "state/shared_ops.h"

namespace cw {

namespace {

constexpr int kPlatformSlots = decltype(SaveImage::platforms)::last;

i32 clampToI32(std::int64_t v) { return saturatedMoney(v); }

// A maker losing money or favour counts trouble weeks; they add up over the
// platform's whole life and stop its production at the tenth.
void makerTrouble(Game& g, Platform& pf) {
    const std::string name = pf.name.str();
    if ((pf.opinion <= 5 && pf.makerEarnings < 1700000) || pf.makerEarnings < -1000000) {
        ++pf.troubleWeeks;
        if (pf.troubleWeeks == 5 && pf.soldUnits > 500000)
            postNews(g, NewsFinancial, "Financial problems",
                     "Creators of " + name + " is in deep finanicial troubles, allthough good sales.");
        if (pf.troubleWeeks == 10) {
            pf.discontinued = 1;
            addWorldHistory(g, g.currentWeek, "Production of " + name + " was stopped due to finanicial troubles.");
        }
    } else if (pf.opinion <= 5) {
        ++pf.troubleWeeks;
        if (pf.troubleWeeks == 10) {
            pf.discontinued = 1;
            addWorldHistory(g, g.currentWeek, "Production of " + name + " was stopped due to declining sales.");
        }
    }
}

void priceMoves(Game& g, Platform& pf, i32 e0) {
    const i32 e1 = pf.makerEarnings;
    const i32 r = pf.standingRank;
    auto cut = [&](i32 range, i32 base) { pf.price -= g.rng.randomInt(range) + base; };
    auto crossed = [&](i32 threshold) { return e0 < threshold && threshold < e1; };
    if (r > 3 && e1 > 3000000) cut(20, 20);
    if (r > 2 && e1 > 10000000) cut(20, 20);
    if (r > 1 && e1 > 30000000) cut(20, 20);
    if (e1 < 2000000 && pf.price < 700) pf.price += g.rng.randomInt(20) + 20;
    if (crossed(5000000) && r > 3 && pf.price > 320) cut(20, 20);
    if (crossed(10000000) && r > 3 && pf.price > 320) cut(50, 50);
    if (crossed(20000000) && r > 3 && pf.price > 300) cut(50, 50);
    if (crossed(30000000) && r > 3 && pf.price > 400) cut(100, 100);
    if (crossed(40000000) && r > 3 && pf.price > 400) cut(100, 150);
    if (crossed(50000000) && r > 3 && pf.price > 400) cut(150, 150);
    if (crossed(100000000) && r > 3 && pf.price > 400) cut(150, 150);
    if (pf.price < 150) pf.price = 150 - g.rng.randomInt(25);
}

// The player's console reaches the shops only as far as the warehouse holds it.
void sellFromStock(Game& g, int i) {
    World& w = g.world();
    Platform& pf = g.tables().platforms[i];
    pf.productionCost = playerPlatformUnitCost(g, i);
    for (int r = 1; r <= 3; ++r) {
        const i32 s = stockOf(g, i, 0, ProductPlatform);
        if (s <= 0) {
            pf.weekSalesByRegion[r] = 0;
            continue;
        }
        const i32 n = std::min(s, pf.weekSalesByRegion[r]);
        const i32 revenue = clampToI32(std::int64_t{n} * pf.price);
        receiveCash(w.money, revenue);
        if (decltype(World::yearlyIncome)::inRange(g.currentYear))
            w.yearlyIncome[g.currentYear] = addMoney(w.yearlyIncome[g.currentYear], revenue);
        pf.makerEarnings = addMoney(pf.makerEarnings, revenue);
        pf.weekSalesByRegion[r] = n;
        pf.soldByRegion[r] = addMoney(pf.soldByRegion[r], n);
        removeStock(g, i, 0, ProductPlatform, n);
    }
}

void weeklySale(Game& g, int i) {
    World& w = g.world();
    Platform& pf = g.tables().platforms[i];
    // Demand runs in 64 bits: a platform far beyond the reference data's
    // favour must not wrap round into negative sales.
    std::int64_t d = 0;
    if (!pf.playerOwned) makerTrouble(g, pf);
    if (pf.playerOwned) {
        d = 1;
        if (pf.weeksOnMarket % 10 == 0 && pf.weeksOnMarket > 8 && pf.weeksOnMarket < 208) {
            for (const i32 units : {100000, 250000, 500000})
                if (pf.soldUnits > units) w.platformsImage = static_cast<u8>(w.platformsImage + g.rng.randomInt(2));
        }
    }
    if (pf.opinion < 1) pf.opinion = 1;
    d += std::int64_t{pf.overallIndex} * 200 + std::int64_t{pf.marketShare} * 50 + (g.currentYear - 1975) * 100;
    d = (d / 100) * pf.opinion;
    if (pf.weeksOnMarket < 8) {
        d += std::max<i32>(200, 2000 - pf.price);
        if (w.hardwareConsumers > 1) {
            // A platform on sale is always ranked; the guard keeps a damaged
            // save from dividing by zero.
            const i32 rank = std::max<i32>(pf.marketRank, 1);
            const i32 t = (w.hardwareConsumers / (rank * 3)) * 2;
            d += t;
            w.hardwareConsumers -= t;
        } else {
            w.hardwareConsumers = 1;
        }
    }
    if (pf.standingRank > 3 && d > 1000) {
        d -= pf.standingRank * 300;
        if (d < 100) d = 100 - g.rng.randomInt(40);
    }
    bool preferred[4] = {false, hardwarePreferred(pf, 1), hardwarePreferred(pf, 2), hardwarePreferred(pf, 3)};
    const i32 interest = w.hardwareInterestNow;
    if (g.rng.randomInt(75) + 800 < pf.cpuSpec) d += interest / 10;
    if (pf.weeksOnMarket < 104 && pf.cpuSpec > 950) d += interest / 10;
    if (pf.weeksOnMarket < 208 && pf.standingRank < 4 && pf.cpuSpec > 750) d += interest / 20;
    d = (d + 3) / 3;

    const i32 e0 = pf.makerEarnings;
    for (int r = 1; r <= 3; ++r) {
        std::int64_t u = d;
        if (preferred[r]) u = (u / 100) * 150;
        const i32 sold = clampToI32((u / 100) * w.regionDemand[r]);
        pf.weekSalesByRegion[r] = sold;
        if (!pf.playerOwned)
            pf.makerEarnings = clampToI32(std::int64_t{pf.makerEarnings} + std::int64_t{sold} * pf.price -
                                          std::int64_t{sold} * pf.productionCost);
        pf.soldUnits = addMoney(pf.soldUnits, sold);
    }
    if (pf.playerOwned) sellFromStock(g, i);
    if (!pf.playerOwned && !pf.discontinued) priceMoves(g, pf, e0);
}

void lowSalesCheck(Game& g, Platform& pf) {
    const auto& s = pf.weekSalesByRegion;
    if (std::int64_t{s[1]} + s[2] + s[3] > 10) {
        pf.lowSalesWeeks = 0;
        return;
    }
    ++pf.lowSalesWeeks;
    if (pf.lowSalesWeeks <= 15) return;
    pf.discontinued = 1;
    const std::string text = "Production of " + pf.name.str() + " was stopped due to declining sale.";
    addWorldHistory(g, g.currentWeek, text);
    postNews(g, NewsFinancial, "Production stopped", text);
}

}  // namespace

const std::string& hardwarePreferenceList(int region) {
    static const std::string us = std::string(ConsoleNames) + " " + ComputerNames;
    static const std::string europe = std::string(HandheldNames) + " " + ComputerNames;
    static const std::string asia = std::string(HandheldNames) + " " + ConsoleNames;
    static const std::string none;
    switch (region) {
        case 1: return us;
        case 2: return europe;
        case 3: return asia;
        default: return none;
    }
}

bool hardwarePreferred(const Platform& pf, int region) {
    if (region < 1 || region > 3) return false;
    // Asked for every platform and region each week; the answer depends on
    // the name alone, so each name is searched once.
    static std::unordered_map<std::string, u8> known;
    auto [it, added] = known.try_emplace(std::string(pf.name.view()), u8{0});
    if (added)
        for (int r = 1; r <= 3; ++r)
            if (nameInList(hardwarePreferenceList(r), pf.name.str())) it->second = static_cast<u8>(it->second | (1 << r));
    return (it->second & (1 << region)) != 0;
}

void updateOverallIndex(Game& g) {
    const u8 image = g.world().platformsImage;
    for (Platform& pf : g.tables().platforms) {
        pf.overallIndex = 0;
        if (pf.name.empty() || !pf.released) continue;
        const std::int64_t v = std::max<std::int64_t>(50, std::int64_t{pf.cpuSpec} - 400);
        std::int64_t x = v * 30 + (std::int64_t{pf.opinion} + 1) * 100 + (std::int64_t{pf.marketShare} + 1) * 100;
        if (pf.playerOwned && x > 8) {
            x = (x - 8) * ((image + 3) / 4);
            x = x > 10 ? x / 10 : 1;
        }
        // The player may set a price of 0; it counts as one dollar.
        x = x / std::max<i32>(pf.price, 1);
        pf.overallIndex = static_cast<i32>(std::clamp<std::int64_t>(x, 1, 200));
    }
}

i32 platformStandingScore(const Platform& pf) {
    return pf.overallIndex + (pf.soldUnits / 50000 + 1) + pf.gameCount / 10;
}

void platformStanding(Game& g, bool withArrows) {
    auto& pfs = g.tables().platforms;
    PlatformTopFive& top = g.session.topPlatforms;
    top.names.fill("#");
    struct Entry {
        int slot;
        i32 score;
    };
    std::vector<Entry> standing;
    for (int p = 1; p <= kPlatformSlots; ++p)
        if (pfs[p].released && !pfs[p].name.empty()) standing.push_back({p, platformStandingScore(pfs[p])});
    for (const Entry& e : standing) {
        int rank = 1;
        for (const Entry& q : standing)
            if (q.slot != e.slot && (q.score > e.score || (q.score == e.score && q.slot < e.slot))) ++rank;
        Platform& pf = pfs[e.slot];
        pf.standingRank = static_cast<u8>(std::min(rank, 255));
        if (pf.marketRank < 1 || pf.marketRank > 5) continue;
        const auto row = static_cast<std::size_t>(pf.marketRank - 1);
        if (withArrows) {
            if (pf.weeksOnMarket <= 2)
                top.arrows[row] = 315;
            else if (pf.previousMarketRank == pf.marketRank)
                top.arrows[row] = 90;
            else if (pf.previousMarketRank < pf.marketRank)
                top.arrows[row] = 180;
            else
                top.arrows[row] = 1;
        }
        top.names[row] = pf.name.str();
    }
}

i32 playerPlatformUnitCost(const Game& g, int platform) {
    if (!decltype(SaveImage::platforms)::inRange(platform)) return 0;
    const Platform& pf = g.tables().platforms[platform];
    const World& w = g.world();
    const i32 u = pf.soldUnits;
    i32 cost = 0;
    for (const i32 chip : {pf.mainCpu, pf.secondCpu, pf.gpu, pf.spu})
        if (decltype(SaveImage::cpus)::inRange(chip)) cost += g.tables().cpus[chip].price;
    if (pf.ramChoice != 0) cost += (cost / 100) * (pf.ramChoice + 1) * 10;
    // Volume discounts: a console that sells well gets cheaper parts.
    for (const i32 units : {25000, 50000, 100000})
        if (u > units) cost -= 8;
    cost -= (cost / 100) * (w.factoryLevel * 5 + 10);
    if (pf.bundleGame) cost += 15;
    if (pf.bundleController) cost += 15;
    if (w.packagingCentralLevel > 0) cost -= 15 * w.packagingCentralLevel;
    i32 a = w.gameLevel * 50 + 100;
    for (const i32 units : {25000, 50000, 100000, 150000, 250000})
        if (u > units) a -= 10;
    cost -= pf.costReduction;
    return cost + a;
}

void platformSalesWeek(Game& g, Player&) {
    World& w = g.world();
    auto& interest = w.hardwareInterest;
    const i32 k = (g.currentYear - 1980) * 52 + g.currentWeek;
    using Interest = std::remove_reference_t<decltype(interest)>;
    w.hardwareInterestNow = (Interest::inRange(k) ? interest[k] : 0) + (Interest::inRange(k + 156) ? interest[k + 156] : 0);
    updateOverallIndex(g);
    platformMarketRanking(g);
    platformStanding(g, true);
    if (w.hardwareConsumers > 400000) w.hardwareConsumers = 400000;
    auto& pfs = g.tables().platforms;
    for (int i = 1; i <= kPlatformSlots; ++i) {
        Platform& pf = pfs[i];
        if (pf.price > 3000) pf.price = 3000;
        if (pf.name.empty()) continue;
        if (!pf.released || pf.discontinued) continue;
        weeklySale(g, i);
        if (!pf.discontinued) lowSalesCheck(g, pf);
    }
    platformStanding(g, false);
}

}  // namespace cw
