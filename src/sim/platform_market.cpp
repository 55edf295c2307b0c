#include "sim/platform_market.h"

#include <algorithm>
#include <cstdint>

#include "hardware/hardware_texts.h"
#include "state/codepage.h"
#include "state/log.h"
#include "state/shared_ops.h"

namespace cw {

namespace {

constexpr int kPlatformSlots = decltype(SaveImage::platforms)::last;
constexpr int kTaskSlots = decltype(SaveImage::tasks)::last;

std::string trimmedName(const Platform& pf) {
    std::string name = trimEnd(pf.name.str());
    const auto first = name.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : name.substr(first);
}

// Early home computers and consoles bring the first buyers into the market.
void earlyConsumers(Game& g) {
    if (g.currentYear >= 1983) return;
    World& w = g.world();
    for (const Platform& pf : g.tables().platforms)
        if (pf.weeksOnMarket > 120 && pf.weeksOnMarket < 204) w.hardwareConsumers += g.rng.randomInt(200) + 100;
}

void consumerGrowth(Game& g) {
    World& w = g.world();
    verboseLog("Checking Number of hardware consumers");
    for (Platform& pf : g.tables().platforms) {
        pf.costReduction = std::min<i32>(pf.costReduction, 150);
        if (pf.weeksOnMarket > 204 && pf.weeksOnMarket < 520) w.hardwareConsumers += g.rng.randomInt(250) + 250;
    }
}

void stillInUse(Game& g) {
    verboseLog("Checking Number of still used on platforms");
    for (Platform& pf : g.tables().platforms) {
        if (pf.weeksOnMarket <= 52 || pf.weeksOnMarket % 8 != 0 || g.rng.randomInt(10) <= 3) continue;
        pf.stillInUsePercent = static_cast<u8>(std::max<i32>(10, pf.stillInUsePercent - pf.weeksOnMarket / 100));
    }
}

void piracy(Game& g) {
    for (Platform& pf : g.tables().platforms) {
        if (pf.weeksOnMarket <= 26 || pf.weeksOnMarket % 10 != 0 || g.rng.randomInt(10) <= 3) continue;
        i32 percent = pf.piracyPercent + g.rng.randomInt(3) + 1;
        if (percent > 30) percent = g.rng.randomInt(4) + 28;
        pf.piracyPercent = static_cast<u8>(percent);
    }
    for (Platform& pf : g.tables().platforms) {
        if (pf.piracyPercent <= 15 || pf.weeksOnMarket % 30 != 0 || g.rng.randomInt(10) <= 6) continue;
        pf.piracyPercent = static_cast<u8>(pf.piracyPercent - (g.rng.randomInt(5) + 5));
        postNews(g, NewsSoftware, trimmedName(pf) + " cracker groups caught by police",
                 "A ring of pirats and crackers was caught by the police yesterday");
    }
}

// The demand of the next two years: every release near week k takes buyers
// away from the platforms already out, every old platform about to be
// replaced adds a few. The running value carries from one week to the next.
void demandForecast(Game& g) {
    World& w = g.world();
    struct Upcoming {
        std::int64_t weeksAway;
        i32 weeksOnMarket;
    };
    std::vector<Upcoming> platforms;
    for (const Platform& pf : g.tables().platforms) {
        const std::int64_t away =
            std::int64_t{pf.releaseWeek} + (std::int64_t{pf.releaseYear} - g.currentYear) * 52 - g.currentWeek;
        // Only a release within reach of the 104 weeks or an age that will
        // reach 256 within them can move the forecast.
        const bool near = away >= -1 && away <= 106;
        const bool ageing = pf.weeksOnMarket >= 152 && pf.weeksOnMarket <= 255;
        if (near || ageing) platforms.push_back({away, pf.weeksOnMarket});
    }
    i32 d = w.hardwareConsumers / 5000 + 10;
    for (i32 k = 1; k <= 104; ++k) {
        const i32 c = w.hardwareConsumers + k * 500;
        for (const Upcoming& u : platforms) {
            if (u.weeksAway + 2 == k) d -= c / 10000;
            if (u.weeksAway == k) d -= c / 18000;
            if (u.weeksAway - 2 == k) d -= c / 25000;
            if (u.weeksOnMarket == 256 - k) d += 4;
        }
        if (k % 2 == 0) d += 1;
        if (d < 3) d = 3;
        w.hardwareDemandForecast[k] = d;
    }
}

void askAboutCompetition(Game& g, Player& p, const Platform& released) {
    if (released.cpuSpec <= 800) return;
    for (int j = 1; j <= kTaskSlots; ++j) {
        Task& task = g.tables().tasks[j];
        if (task.name.empty() || task.taskType != 1 || task.taskSubtype != 0) continue;
        if (std::int64_t{task.workTotal} - task.progress <= 1000) continue;
        if (p.askDialog("New Competing Platfrom released",
                        competingPlatformQuestion(released.name.str(), task.platform.name.str()), true, true))
            task.workTotal += (task.workTotal / 100) * 12;
        else
            task.platform.cpuSpec -= g.rng.randomInt(25) + 25;
    }
}

void keepOpinion(Platform& pf) {
    if (pf.opinion < 1) pf.opinion = 1;
}

void productionCostFloor(Game& g, Platform& pf) {
    if (!pf.playerOwned && pf.productionCost < 100) pf.productionCost = 100 - g.rng.randomInt(30);
}

// A new platform far ahead of the others takes their buyers' favour; one
// that is far behind suffers all three cuts in one week.
void competition(Game& g, int i) {
    auto& pfs = g.tables().platforms;
    Platform& fresh = pfs[i];
    for (int j = 1; j <= kPlatformSlots; ++j) {
        Platform& old = pfs[j];
        if (j == i || !old.released) continue;
        if (std::int64_t{old.cpuSpec} + 150 < fresh.cpuSpec) {
            old.opinion -= old.opinion / 10;
            keepOpinion(fresh);
            keepOpinion(old);
            if (old.marketShare > 15) old.marketShare = static_cast<u8>(old.marketShare - (g.rng.randomInt(5) + 5));
            productionCostFloor(g, old);
        }
        for (const i32 gap : {400, 600}) {
            if (std::int64_t{old.cpuSpec} + gap >= fresh.cpuSpec) continue;
            old.productionCost -= g.rng.randomInt(5) + 5;
            old.opinion -= old.opinion / (gap == 400 ? 10 : 5);
            keepOpinion(fresh);
            keepOpinion(old);
            if (old.marketShare > 15) old.marketShare = static_cast<u8>(old.marketShare - old.marketShare / 10);
            productionCostFloor(g, old);
        }
    }
}

void release(Game& g, Player& p, int i) {
    Platform& pf = g.tables().platforms[i];
    askAboutCompetition(g, p, pf);
    pf.released = 1;
    if (g.session.inboxOptions.mailOnHardwareNews) {
        const char* speed = pf.cpuSpec > 700
                                ? "The platform is very fast and genrally has high specification hardware"
                                : "The platform is nothing out of the ordanairy when looking at the hardware specs.";
        postNews(g, NewsHardware, "Hardware News", pf.name.str() + " was released this week." + "\r\n" + speed);
        addWorldHistory(g, g.currentWeek, pf.name.str() + " was released this week. Rating :" + cpuSpecRatingText(pf.cpuSpec));
    }
    pf.weeksOnMarket = 0;
    competition(g, i);
}

void age(Game& g, Platform& pf) {
    if (pf.weeksOnMarket > 150) pf.cpuSpec -= g.rng.randomInt(3);
    if (pf.weeksOnMarket > 250 && g.currentWeek % 8 == 0 && pf.opinion > 10)
        pf.opinion = std::max<i32>(1, pf.opinion - g.rng.randomInt(3));
    // A rating above 10,000 would divide by zero; the reference data never
    // holds one, so such a maker simply keeps its earnings.
    if (pf.weeksOnMarket % 4 == 0 && !pf.playerOwned && pf.makerEarnings > 100000 && pf.cpuSpec > 0 &&
        pf.cpuSpec <= 10000)
        pf.makerEarnings -= pf.makerEarnings / (10000 / pf.cpuSpec);
    if (pf.weeksOnMarket % 25 == 0 && !pf.playerOwned) pf.productionCost -= pf.productionCost / 20;
    pf.cpuSpec -= g.rng.randomInt(3) + 1;
    if (pf.cpuSpec > 900) pf.cpuSpec -= g.rng.randomInt(pf.cpuSpec / 200) + 1;
    if (pf.cpuSpec < 10) pf.cpuSpec = 10;
    keepOpinion(pf);
    pf.weeksOnMarket += 1;
}

}  // namespace

std::string consumerLabelText(i32 hardwareConsumers) { return std::to_string(hardwareConsumers / 4100) + "%"; }

std::string competingPlatformQuestion(const std::string& releasedName, const std::string& designedName) {
    std::string first = "New competing PLatform released by competitior\r\nThe platform " + releasedName +
                        " was just released." + "\r\n" + "Do you want your team working on " + designedName +
                        " to research the technology of the new platform. ?" + "\r\n";
    return cutText(first, 217) + "Pros : Ensure that your new platform won't be out of date before it is ever released." +
           "\r\n" + "Cons : Development of your console will be lengthen";
}

void platformMarketPartOne(Game& g, Player&) {
    earlyConsumers(g);
    for (Task& task : g.tables().tasks)
        if (!task.name.empty()) task.platform.costReduction = std::min<i32>(task.platform.costReduction, 150);
    consumerGrowth(g);
    stillInUse(g);
    piracy(g);
    g.session.consumerLabel = consumerLabelText(g.world().hardwareConsumers);
    demandForecast(g);
}

void platformMarketPartTwo(Game& g, Player& p) {
    auto& pfs = g.tables().platforms;
    for (int i = 1; i <= kPlatformSlots; ++i) {
        Platform& pf = pfs[i];
        if (pf.name.empty()) continue;
        if (!pf.released && pf.releaseYear == g.currentYear && pf.releaseWeek == g.currentWeek) release(g, p, i);
        if (pf.released) age(g, pf);
    }
}

}  // namespace cw
