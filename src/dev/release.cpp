#include "dev/release.h"

#include <algorithm>

#include "hardware/hardware_texts.h"
#include "hardware/platform_publishers.h"
#include "hardware/warehouse.h"
#include "state/catalogue_slots.h"
#include "state/shared_ops.h"
#include "state/money.h"
#include "state/tasks.h"

namespace cw {

int distributionShare(const Game& g, int task, Regions r) {
    const int level = g.world().gameLevel;
    int share = g.tables().tasks.inRange(task) ? g.tables().tasks[task].game.publisherShare : 0;
    if (r.us) share += level;
    if (r.eu) share += level;
    if (r.asia) share += level;
    return share;
}

i32 distributionCost(const Game& g, Regions r) {
    const i32 level = g.world().gameLevel;
    i32 cost = 0;
    if (r.us) cost += 50000 * level;
    if (r.eu) cost += 40000 * level;
    if (r.asia) cost += 30000 * level;
    return cost;
}

Regions defaultRegions(const Game& g) {
    const i32 money = g.world().money;
    Regions r;
    r.us = distributionCost(g, {true, false, false}) <= money;
    r.eu = distributionCost(g, {r.us, true, false}) <= money;
    r.asia = distributionCost(g, {r.us, r.eu, true}) <= money;
    if (!r.any()) r.us = true;
    return r;
}

std::string chooseDistribution(Game& g, int task, Regions r) {
    auto& tasks = g.tables().tasks;
    if (!tasks.inRange(task) || tasks[task].taskType != kTaskGame) return "There is no game to distribute";
    if (!r.any()) return "Choose at least one region";
    const int share = distributionShare(g, task, r);
    const i32 cost = distributionCost(g, r);
    GameTitle& game = tasks[task].game;
    game.publisherShare = static_cast<u8>(std::clamp(share, 0, 255));
    game.inUS = r.us;
    game.inEU = r.eu;
    game.inAsia = r.asia;
    payCash(g.world().money, cost);
    return {};
}

void nextWeekDate(const Game& g, int& year, int& week) {
    year = g.currentYear;
    week = g.currentWeek + 1;
    if (week == 53) {
        week = 1;
        ++year;
    }
}

namespace {

constexpr const char* kCrLf = "\r\n";
// The hype above each of these gives the new console a further opinion draw.
constexpr i32 kHypeSteps[] = {7, 15, 20, 25, 30, 40, 45};

std::string releaseConsole(Game& g, Player& p, ProductEntry& e) {
    auto& platforms = g.tables().platforms;
    if (!platforms.inRange(e.refA) || platforms[e.refA].name.blank()) return "The product has no platform record";
    const int slot = e.refA;
    if (stockOf(g, slot, 0, ProductPlatform) < 1) {
        if (p.messageBox("No units in storage",
                         std::string("You have no units of this product in your storage.") + kCrLf +
                             "Before releaseing a product it is always a good idea to have some units in the storage" +
                             kCrLf + "Setup product of product ?",
                         true))
            p.showModal(ScreenId::FactoryAssembly);
    }
    Platform& pf = platforms[slot];
    if (!p.messageBox("Release Product", "Release Product :" + std::string(kCrLf) + pf.name.str() + " ?", true))
        return {};
    i32 share = 10;
    e.released = 1;
    if (pf.hype > 0) share += g.rng.randomInt(3) + 1 + pf.hype / 2;
    // Popularity runs 1..100; a huge hype must not wrap the byte round.
    pf.marketShare = static_cast<u8>(std::min(share, 100));
    pf.bugCooldown = static_cast<u8>(g.rng.randomInt(8) + 8);
    pf.opinion = launchOpinion(g, slot);
    pf.launched = 1;
    if (pf.hype > 0)
        for (i32 step : kHypeSteps)
            if (pf.hype > step) pf.opinion += g.rng.randomInt(2) + 2;
    int y = 0;
    int w = 0;
    nextWeekDate(g, y, w);
    pf.releaseYear = y;
    pf.releaseWeek = static_cast<u8>(w);
    weeklyPlatformDeals(g, p, slot);
    p.playCue(SoundCue::Release);
    p.refreshMainScreen();
    return {};
}

}  // namespace

std::string releaseProduct(Game& g, Player& p, int k) {
    auto& products = g.world().products;
    if (!products.inRange(k) || products[k].kind == 0) return "There is no product " + std::to_string(k);
    ProductEntry& e = products[k];
    if (e.kind != ProductGame && e.kind != ProductPlatform) return "Only games and consoles are released";
    if (e.released) return "The product is already released";
    if (e.refB < 1) {
        if (e.kind != ProductPlatform) return "The product has no game record";
        return releaseConsole(g, p, e);
    }
    GameTitle* held = productTitle(g, k);
    if (!held) return "The product has no game record";
    int y = 0;
    int w = 0;
    nextWeekDate(g, y, w);
    auto& image = g.tables();
    // The copy goes to the first really free entry after the year's count:
    // the entry the count names may hold a port or another release, and a
    // full year has no index left, so releasing would overwrite somebody
    // else's title.
    const int index = image.gameTitles.inRange(y)
                          ? freeCatalogueSlot(image, y, std::max(image.titlesPerYear[y], 0) + 1)
                          : 0;
    if (index == 0) return "There is no room for more releases in " + std::to_string(y);
    e.released = true;
    p.notify("Game Released", "You have released the game " + held->title.str(), 2000);
    held->released = true;
    held->isPlayers = true;
    image.titlesPerYear[y] = index;
    GameTitle& copy = image.gameTitles[y][index];
    copy = *held;
    e.refA = y;
    e.refB = index;
    copy.releaseYear = y;
    copy.releaseWeek = static_cast<u8>(w);
    if (copy.price == 0) copy.price = 50;
    p.playCue(SoundCue::Release);
    p.refreshMainScreen();
    return {};
}

}  // namespace cw

namespace cw {

std::string gameEngineLines(const Game& g, int platform, int genre) {
    const World& w = g.world();
    if (!w.ownEngines.inRange(platform) || !w.ownEngines[platform].inRange(genre)) return "Engine        :None\r\n";
    const EngineSlot& e = w.ownEngines[platform][genre];
    if (e.name.empty() && e.codeLevel == 0) return "Engine        :None\r\n";
    return "Engine        :" + e.name.str() + "\r\n" + "Engine score  :" + std::to_string(e.rating) + "/150\r\n";
}

bool gameProductPanel(const Game& g, int k, GameProductPanel& out) {
    const GameTitle* t = productTitle(g, k);
    if (!t) return false;
    const auto& image = g.tables();
    out.title = t->title.str();
    out.paidToPartners = t->paidToPartners;
    out.totalSales = t->totalSales;
    out.net = t->totalSales - t->paidToPartners;
    out.price = t->price;
    out.priceMarked = t->price > 30 || t->price < 1;
    const std::string publisher =
        image.companies.inRange(t->companyRow) ? image.companies[t->companyRow].name.str() : std::string();
    const std::string platform =
        t->platform >= 1 && image.platforms.inRange(t->platform) ? image.platforms[t->platform].name.str() : "";
    const std::string genre = t->genre >= 1 && image.genres.inRange(t->genre) ? image.genres[t->genre].name.str() : "";
    out.info = std::string("Product Info\r\n") + gameEngineLines(g, t->platform, t->genre) + "Publisher     :" +
               publisher + "\r\n" + "Platform      :" + platform + "\r\n" + "Genre         :" + genre + "\r\n" +
               "\r\n" + "Rating :" + ratingWord(t->salesScore, true) + "\r\n";
    return true;
}

int launchOpinion(const Game& g, int platform) {
    const auto& platforms = g.tables().platforms;
    if (!platforms.inRange(platform)) return 15;
    i32 best = 600;
    for (const Platform& q : platforms)
        if (!q.name.blank() && q.released && !q.discontinued) best = std::max(best, q.cpuSpec);
    const i32 spec = platforms[platform].cpuSpec;
    if (spec >= best) return 30;
    return std::max(30 - (best - spec) / 20, 15);
}

std::string productStateText(const Game& g, int k) {
    const auto& products = g.world().products;
    if (!products.inRange(k) || products[k].kind == 0) return {};
    return products[k].released ? "released" : "ready for release";
}

i32 budgetPriceBonus(const GameTitle& t) { return t.reviewScore / 6; }

}  // namespace cw
