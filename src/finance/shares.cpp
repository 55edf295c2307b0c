#include "finance/shares.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "finance/bank.h"
#include "state/inbox.h"
#include "state/money.h"

namespace cw {
namespace {

using Years = decltype(World::yearlyIncome);

void bookIncome(Game& g, i32 amount) {
    if (Years::inRange(g.currentYear)) addToMoney(g.world().yearlyIncome[g.currentYear], amount);
}

// One packet changes hands from the player to a competitor.
void sellPacket(Game& g, Player& p, Company& c, i32 value) {
    World& w = g.world();
    c.money = subtractMoney(c.money, value);
    c.playerSharesHeld += 5;
    w.sharesOwnedPercent -= 5;
    receiveCash(w.money, value);
    bookIncome(g, value);
    p.notify("Shares sold",
             c.name.str() + " just bought 5% of your company" + "\r\n" + "They now have " +
                 std::to_string(c.playerSharesHeld) + "%",
             4000);
}

// Offers of packets from the competitors at `price`; true when one was taken.
bool buyBackRound(Game& g, Player& p, i32 cashBelow, i32 price, bool threeTimes) {
    World& w = g.world();
    for (Company& c : g.tables().companies) {
        if (!companyActive(c, g.currentYear) || c.playerSharesHeld <= 0) continue;
        if (!(g.rng.randomInt(10) + 1 > 4)) continue;
        if (c.money >= cashBelow) continue;
        const std::string text =
            threeTimes
                ? c.name.str() +
                      " is offering you 5% of you shares for three times the current value. You will "
                      "have to pay " +
                      std::to_string(price) + "\r\n" +
                      "Are you sure you want to buy back the 5% of your shares at that price ?"
                : c.name.str() + " is offering you 5% of you shares. You will have to pay " + std::to_string(price) +
                      "\r\n" + "Are you sure you want to buy back the 5% of your shares at that price ?";
        if (!p.askDialog("Are you sure", text, true, true)) continue;
        c.money = addMoney(c.money, price);
        c.playerSharesHeld -= 5;
        w.sharesOwnedPercent += 5;
        payCash(w.money, price);
        bookIncome(g, -price);
        p.refreshMainScreen();
        return true;
    }
    return false;
}

}  // namespace

bool companyActive(const Company& c, i32 year) { return c.firstYear <= year && c.firstYear > 1970; }

void updateSharePrices(Game& g) {
    for (Company& c : g.tables().companies) {
        if (!companyActive(c, g.currentYear)) continue;
        // Widened: a company deep in debt must not overflow its own price.
        std::int64_t q = (static_cast<std::int64_t>(c.money) - c.companyLoan) / 100000;
        if (q < 1) q = 10;
        if (c.money > 0)
            q += c.money / 100000;
        else
            q = q - (c.money / 25000);
        if (q < 10) q = 8 + g.rng.randomInt(3);
        c.sharePrice = static_cast<i32>(std::min<std::int64_t>(q, INT32_MAX));
    }
}

i32 sharePrice(const Game& g) {
    const World& w = g.world();
    // A damaged start value below a million must not divide by zero.
    const i32 v = std::max(w.startCompanyValue / 1000000, 1);
    const i32 s = creditStanding(g) * 1000000;
    std::int64_t p = s / 10000;
    // Cash and loan are widened: near the cash cap their sums pass 32 bits.
    const std::int64_t net = static_cast<std::int64_t>(w.money) - w.loan;
    if (net < 0)
        p -= std::llabs(net / 10000);
    else
        p += (net + s) / 100000;
    if (p > 0) p = p / v;
    return static_cast<i32>(std::clamp<std::int64_t>(p, 1, INT32_MAX));
}

i32 packetValue(const Game& g) { return (g.world().startCompanyValue / 100 * 5) / 105 * sharePrice(g); }
i32 buyBackPrice(const Game& g) { return (g.world().startCompanyValue / 100 * 5) / 95 * sharePrice(g); }

ActionResult issueShares(Game& g, Player& p) {
    World& w = g.world();
    // Selling what the player no longer holds would leave a negative holding.
    if (w.sharesOwnedPercent < 5) {
        Refusal r{"Shares not sold", "You have no shares left to sell"};
        p.notify(r.caption, r.text, 2000);
        return r;
    }
    const i32 value = packetValue(g);
    if (!p.askDialog("Are you sure",
                     "You will get " + std::to_string(value) + "\r\n" +
                         "Are you sure you want to issue 5% of your shares" + "\r\n" +
                         "Remember to keep an eye out for possible hostile takeovers from competing companys",
                     true, true))
        return std::nullopt;
    auto& companies = g.tables().companies;
    for (Company& c : companies) {
        if (!companyActive(c, g.currentYear) || c.playerSharesHeld < 0) continue;
        if (!(g.rng.randomInt(10) + 1 > 2)) continue;
        if (c.money / 2 < value) continue;
        sellPacket(g, p, c, value);
        p.refreshMainScreen();
        return std::nullopt;
    }
    for (Company& c : companies) {
        if (!companyActive(c, g.currentYear) || c.playerSharesHeld != 0 || c.money < 4000000) continue;
        sellPacket(g, p, c, value);
        p.refreshMainScreen();
        return std::nullopt;
    }
    p.notify("Shares not sold", "No one was interrested in buying shares in your company", 2000);
    return std::nullopt;
}

ActionResult buyBackShares(Game& g, Player& p) {
    if (g.world().sharesOwnedPercent >= 45) {
        p.notify("No Shares available", "Theres no shares for sale at the moment", 2000);
        return std::nullopt;
    }
    const i32 price = buyBackPrice(g);
    if (buyBackRound(g, p, 1500000, price, false)) return std::nullopt;
    if (buyBackRound(g, p, 15000000, 3 * price, true)) return std::nullopt;
    p.notify("No Shares available", "Nobody was interrested in selling you some shares at the moment", 2000);
    return std::nullopt;
}

void competitorShareBuying(Game& g, Player& p) {
    const World& w = g.world();
    const i32 limit = w.gameLevel >= 3 ? 40 : w.gameLevel == 2 ? 25 : 15;
    i32 total = w.sharesOwnedPercent;
    for (const Company& c : g.tables().companies)
        if (companyActive(c, g.currentYear) && c.playerSharesHeld >= 0) total += c.playerSharesHeld;
    if (total > 95) return;
    const i32 value = packetValue(g);
    for (Company& c : g.tables().companies) {
        if (!companyActive(c, g.currentYear) || c.playerSharesHeld >= limit) continue;
        if (!(g.rng.randomInt(10) + 1 > 5)) continue;
        if (c.money / 3 < value) continue;
        c.money = subtractMoney(c.money, value);
        c.playerSharesHeld += 5;
        const std::string text = c.name.str() + " just bought 5% of your company" + "\r\n" + "They now have " +
                                 std::to_string(c.playerSharesHeld) + "%";
        p.notify("Shares bought", text, 3000);
        postLetter(g, p, "Financial : shares", text);
        return;
    }
}

// Every slot is compared, founded or not, as the takeover rule is written.
bool takeoverComplete(const Game& g) {
    const i32 own = g.world().sharesOwnedPercent;
    for (const Company& c : g.tables().companies)
        if (c.playerSharesHeld >= own) return true;
    return false;
}

bool takeoverThreatening(const Game& g) {
    const i32 own = g.world().sharesOwnedPercent;
    for (const Company& c : g.tables().companies)
        if (c.playerSharesHeld + 5 >= own) return true;
    return false;
}

ExchangeScreen exchangeScreen(const Game& g) {
    const World& w = g.world();
    ExchangeScreen e;
    e.rows.push_back(
        {w.companyName.str(), std::to_string(sharePrice(g)), w.sharesOwnedPercent, w.sharesOwnedPercent, true});
    for (const Company& c : g.tables().companies) {
        if (c.name.empty() || c.firstYear > g.currentYear) continue;
        e.rows.push_back({c.name.str(), g.currentYear - c.firstYear < 1 ? "NA" : std::to_string(c.sharePrice),
                          c.playerSharesHeld, c.playerOwnsPercent, false});
    }
    for (int i = 1; i <= 105; ++i) e.history[static_cast<std::size_t>(i - 1)] = w.sharePriceHistory[i];
    const i32 newest = w.sharePriceHistory[104];
    e.scale = newest > 1000 ? 20 : newest > 500 ? 8 : newest > 300 ? 4 : newest > 150 ? 3 : 2;
    e.lowMark = 33 * e.scale;
    e.highMark = 66 * e.scale;
    e.previousYear = std::to_string(g.currentYear - 1);
    e.currentWeek = "Current week " + std::to_string(g.currentYear);
    return e;
}

}  // namespace cw
