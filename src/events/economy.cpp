#include "events/economy.h"

#include <algorithm>

#include "market/platform_sales.h"
#include "state/shared_ops.h"

namespace cw {

namespace {

// Texts by economy level; only the levels that post news have any.
const char* const kNewsTexts[11][5] = {
    {"Oil supply crisis. Oil prices is expected to reach its highste point since the early 1970s ",
     "War !. Situation in the middleeast is escalating into war.Hardware and software sales are declining",
     "Major crisis between Superpowers", "Natural Disaster in USA. Hardware and software sales are declining",
     "Natural Disaster in ASIA"},
    {},
    {"Minor crisis between Super powers. Hardware and software sales are declininga bit",
     "Peach talks in the middleeast has broken down. Market unsable. Hardware and software sales are declining",
     "Economic crisis in germany. Hardware and software sales are declininga bit",
     "Econmic Crisis in Japan.  Hardware and software sales are declininga bit",
     "Econmic Crisis in USA.  Hardware and software sales are declininga bit"},
    {},
    {},
    {"World Econmics are good. Hardware/software sales might even increase a bit",
     "World Econmics are sable at the moment",
     "World Econmics are good. Hardware/software sales might even increase a bit",
     "World Econmics are good. Hardware/software sales might even increase a bit",
     "World Econmics are good. Hardware/software sales might even increase a bit"},
    {},
    {},
    {"World Economics are very good. Hardware and software sales is increasing",
     "World Economics are very good. Hardware and software sales is increasing",
     "World Economics are very good. Hardware and software sales is increasing",
     "World Economics are very good. Hardware and software sales is increasing",
     "World Economics are very good. Hardware and software sales is increasing"},
    {},
    {"World Economics are booming", "World Economics are booming", "World Economics are booming",
     "World Economics are booming", "World Economics are booming"},
};

void regionalNews(Game& g, int region, int previous, int level) {
    postNews(g, NewsFinancial, "Financial News :" + regionText(region), economyNewsText(g, previous, level));
}

void oilCrisis(Game& g) {
    World& w = g.world();
    for (int j = 1; j <= 3; ++j) w.economyLevel[j] = static_cast<u8>(w.economyLevel[j] <= 4 ? 0 : w.economyLevel[j] - 4);
    ++w.oilCrisisCount;
    w.lastOilCrisisYear = g.currentYear;
    postNews(g, NewsFinancial, "Financial News World", "World economic markets very unstable, because of oil crisis");
}

void economyUpdate(Game& g, int i) {
    World& w = g.world();
    if (g.rng.randomInt(10) != 1) return;
    // A damaged save may hold a level above 10; it drifts back from there.
    int e = w.economyLevel[i];
    int previous = e;
    const int o = g.rng.randomInt(200) + 1;
    if (w.savedYear > w.lastOilCrisisYear && w.oilCrisisCount < w.gameLevel * 10 && o > 199 - i) {
        oilCrisis(g);
        e = previous = w.economyLevel[i];
    }
    const int d = g.rng.randomInt(75) + 1;
    if (d > 74 - i && e > 1) {
        --e;
        if (e == 0 || e == 2) regionalNews(g, i, previous, e);
        previous = e;
    }
    const int s = g.rng.randomInt(11);
    if (s >= 6 && e > 0) {
        --e;
        // Falling out of the good years through level 2 is a crash.
        if (previous > 2 && e == 2) e = 0;
        if (e == 0 || e == 2) regionalNews(g, i, previous, e);
    } else if (e < 10) {
        ++e;
        // Leaving the crisis levels lifts the region straight to a steady economy.
        if (previous < 3 && e == 3) e = 5;
        if (e == 5 || e == 8 || e == 10) regionalNews(g, i, previous, e);
    }
    w.economyLevel[i] = static_cast<u8>(e);
}

void demandUpdate(Game& g, int i) {
    World& w = g.world();
    int d = w.regionDemand[i];
    const int e = w.economyLevel[i];
    if (e < 2) {
        if (g.rng.randomInt(10) > 8) d += 1;
        if (g.rng.randomInt(10) > 5) d -= 2;
        if (e == 0 && g.rng.randomInt(10) > 2) d -= 3;
    } else {
        if (e >= 6 && g.rng.randomInt(10) > 8) d += 1;
        if (e >= 8 && g.rng.randomInt(10) > 6) d += 1;
        if (e == 10 && g.rng.randomInt(10) > 3) d += 3;
    }
    w.regionDemand[i] = static_cast<u8>(std::clamp(d, 50, 100));
}

}  // namespace

std::string economyNewsText(Game& g, int previous, int level) {
    const int pick = g.rng.randomInt(5);
    const char* text = level >= 0 && level <= 10 && kNewsTexts[level][pick] ? kNewsTexts[level][pick] : "";
    return (previous > level ? std::string("Top Story :") : std::string("Top story : ")) + text;
}

std::string regionDemandWord(int demand) {
    if (demand > 90) return "Very good";
    if (demand >= 76) return "Good";
    if (demand >= 66) return "OK";
    if (demand >= 56) return "Bad";
    return "Very Bad";
}

int economyNeedleAngle(int level) { return 130 - 8 * (level + 1); }

void economyWeek(Game& g, Player& p) {
    for (int i = 1; i <= 3; ++i) economyUpdate(g, i);
    if (g.currentWeek % 4 == 0)
        for (int i = 1; i <= 3; ++i) demandUpdate(g, i);
    // The hardware sales close the economy's week: they read the demand it just moved.
    platformSalesWeek(g, p);
}

}  // namespace cw
