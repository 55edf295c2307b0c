#include "dev/product_panel.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "dev/release.h"
#include "hardware/platform_design.h"
#include "hardware/warehouse.h"
#include "state/shared_ops.h"

namespace cw {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string line(const std::string& label, const std::string& value) { return label + value + kCrLf; }
std::string line(const std::string& label, long long value) { return line(label, std::to_string(value)); }

std::string platformName(const Game& g, int platform) {
    const auto& platforms = g.tables().platforms;
    return platform >= 1 && platforms.inRange(platform) ? platforms[platform].name.str() : std::string();
}

std::string genreName(const Game& g, int genre) {
    const auto& genres = g.tables().genres;
    return genre >= 1 && genres.inRange(genre) ? genres[genre].name.str() : std::string();
}

std::string cpuName(const Game& g, i32 slot) {
    const auto& cpus = g.tables().cpus;
    return cpus.inRange(slot) ? cpus[slot].name.str() : std::string();
}

// A chart position of 255 (or 0) means the title never charted.
std::string chartText(int pos) { return pos <= 0 || pos >= 255 ? std::string("-") : std::to_string(pos); }

void gamePanel(const Game& g, int k, ProductPanel& out) {
    GameProductPanel game;
    gameProductPanel(g, k, game);
    const GameTitle& t = *productTitle(g, k);
    out.kindText = "Game";
    out.name = game.title;
    out.money = {MoneyFigure{"Paid to partners", game.paidToPartners}, MoneyFigure{"Total sales", game.totalSales},
                 MoneyFigure{"Result", game.net}};
    out.priceText = std::to_string(game.price);
    out.priceMarked = game.priceMarked;
    out.info = game.info;
    out.figures =
        line("Current week sales  : ", static_cast<long long>(t.weekSalesUS) + t.weekSalesEU + t.weekSalesAsia) +
        line("In US               : ", t.weekSalesUS) + line("In Europe           : ", t.weekSalesEU) +
        line("In Asia             : ", t.weekSalesAsia) + line("Released for weeks : ", t.weeksOnSale) +
        line("Chart position     : ", chartText(t.chartPos)) +
        line("Overall Best chart position : ", chartText(t.bestChartPos)) + line("Game Fans : ", t.fans);
}

void enginePanel(const Game& g, const ProductEntry& e, ProductPanel& out) {
    const EngineSlot& own = g.world().ownEngines[e.refA][e.refB];
    const EngineSlot& best = g.world().marketEngines[e.refA][e.refB];
    out.kindText = "Engine";
    out.name = own.name.str();
    out.money = {MoneyFigure{"Support cost", own.supportCost}, MoneyFigure{"Licence income", own.licenceIncome},
                 MoneyFigure{"Result", own.licenceIncome - own.supportCost}};
    // Price, partners and the like belong to games only.
    out.priceText = "NA";
    out.info = std::string("Product Info") + kCrLf + line("Engine score       : ", own.rating) +
               (best.rating > 0 ? "Leading competitor : " + std::to_string(best.rating) + kCrLf + kCrLf
                                : std::string("Leading competitor : None") + kCrLf + kCrLf) +
               line("Genre              : ", genreName(g, e.refB)) +
               line("Platform           : ", platformName(g, e.refA));
    out.figures = line("Code level         : ", std::to_string(own.codeLevel) + "/10") +
                  line("Genre level        : ", std::to_string(own.featureLevel) + "/5") +
                  line("Experience         : ", std::to_string(own.experience) + "/40");
}

void consolePanel(const Game& g, const ProductEntry& e, ProductPanel& out) {
    const Platform& p = g.tables().platforms[e.refA];
    out.kindText = "Platform";
    out.name = p.name.str();
    out.money = {MoneyFigure{"Production spending", p.productionSpending}, MoneyFigure{"Earnings", p.makerEarnings},
                 MoneyFigure{"Result", p.makerEarnings - p.productionSpending}};
    out.priceText = std::to_string(p.price);
    out.costText = std::to_string(p.productionCost);
    int deals = 0;
    long long gamesLeft = 0;
    for (const DealSlot& d : p.deals) {
        if (d.dealCompany == 0) continue;
        ++deals;
        gamesLeft += d.dealGamesLeft;
    }
    std::string info = std::string("Product Info") + kCrLf + "Publisher Deals  " + kCrLf +
                       line("Number of deals      :", deals) + line("Total game releases  :", gamesLeft) + kCrLf +
                       "Configuration :" + kCrLf + line("Main CPU :", cpuName(g, p.mainCpu));
    if (p.secondCpu > 0) info += line("Sec. CPU :", cpuName(g, p.secondCpu));
    if (p.gpu > 0) info += line("Main GPU :", cpuName(g, p.gpu));
    if (p.spu > 0) info += line("Main SPU :", cpuName(g, p.spu));
    // The memory belongs to every configuration, with or without a sound chip.
    if (p.ramChoice >= 0) info += line("Ram      :", memorySizeText(g, p.ramChoice));
    out.info = info;
    out.figures =
        line("Current week sales         : ",
             static_cast<long long>(p.weekSalesByRegion[1]) + p.weekSalesByRegion[2] + p.weekSalesByRegion[3]) +
        line("Total number of units sold : ", p.soldUnits) + line("In US                      : ", p.soldByRegion[1]) +
        line("In Europe                  : ", p.soldByRegion[2]) +
        line("In Asia                    : ", p.soldByRegion[3]) + line("Units in storage           : ", stockOf(g, e.refA, 0, ProductPlatform));
    out.gauge = consoleGauge(p);
}

}  // namespace

int consoleGauge(const Platform& p) { return std::clamp((static_cast<int>(p.marketShare) + p.opinion) / 2, 0, 100); }

bool productPanel(const Game& g, int k, ProductPanel& out) {
    out = ProductPanel{};
    const auto& products = g.world().products;
    if (!products.inRange(k) || productFree(products[k])) return false;
    const ProductEntry& e = products[k];
    out.slot = k;
    out.kind = e.kind;
    if (e.kind == ProductGame) {
        if (!productTitle(g, k)) return false;
        gamePanel(g, k, out);
    } else if (e.kind == ProductEngine) {
        if (!g.world().ownEngines.inRange(e.refA) || !g.world().ownEngines[e.refA].inRange(e.refB)) return false;
        enginePanel(g, e, out);
    } else if (e.kind == ProductPlatform) {
        if (!g.tables().platforms.inRange(e.refA) || g.tables().platforms[e.refA].name.blank()) return false;
        consolePanel(g, e, out);
    } else {
        return false;
    }
    // An engine is in use from the week it is finished; games and consoles
    // wait for "Release Product".
    if (e.kind != ProductEngine) {
        out.stateText = productStateText(g, k);
        out.canRelease = !e.released;
    } else {
        out.stateText = "in use";
    }
    return true;
}

std::vector<HistoryPoint> productHistoryPoints(const Game& g, int k) {
    std::vector<HistoryPoint> points;
    const World& w = g.world();
    const GameTitle* t = productTitle(g, k);
    if (!t || !w.products[k].released || !w.productHistory.inRange(k)) return points;
    const ProductHistory& h = w.productHistory[k];
    const int weeks = std::min<i32>(t->weeksOnSale, 100);
    for (int week = 1; week <= weeks; ++week) points.push_back({week, h.chartPos[week], h.weekRevenue[week]});
    return points;
}

bool setConsolePrice(Game& g, int k, const std::string& text, std::string& field) {
    std::size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
    if (b == e) return false;
    std::size_t digits = b;
    if (text[digits] == '-' || text[digits] == '+') ++digits;
    if (digits == e) return false;
    for (std::size_t i = digits; i < e; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    // Any number of digits is a number; one too long for an int is above 3000.
    long long value = 0;
    const char* first = text.data() + digits;
    const auto [ptr, ec] = std::from_chars(first, text.data() + e, value);
    if (ec == std::errc::result_out_of_range || ptr != text.data() + e) value = 3001;
    if (text[b] == '-') value = -value;
    const i32 price = static_cast<i32>(std::clamp<long long>(value, 50, 3000));
    field = std::to_string(price);
    const auto& products = g.world().products;
    if (!products.inRange(k) || productFree(products[k])) return true;
    const ProductEntry& entry = products[k];
    // A game's price is set by its budget pricing, not here.
    if (entry.kind == ProductPlatform && entry.refB <= 0 && g.tables().platforms.inRange(entry.refA))
        g.tables().platforms[entry.refA].price = price;
    return true;
}

}  // namespace cw
