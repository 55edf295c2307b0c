#include "finance/bank.h"

#include <algorithm>
#include <cstdint>

#include "state/inbox.h"
#include "state/money.h"

namespace cw {
namespace {

constexpr i32 kCashCap = 2000000000;
const char* const kBankCaption = "The Bank";

using Years = decltype(World::yearlyLoanCost);

// The interest product wraps like the rest of the game's 32-bit sums
// instead of being undefined on an absurd loan.
i32 wrapMul(i32 a, i32 b) { return static_cast<i32>(static_cast<u32>(a) * static_cast<u32>(b)); }

// The bank's answer when it will not do what was asked, shown as it is given.
Refusal refuse(Player& p, const char* text) {
    Refusal r{kBankCaption, text};
    p.messageBox(r.caption, r.text, false);
    return r;
}

}  // namespace

i32 buildingScore(const Game& g) {
    const World& w = g.world();
    return 3 * w.headquartersLevel + 2 * w.factoryLevel + 2 * w.publisherLevel + w.warehouseLevel + w.extraOffices;
}

i32 creditStanding(const Game& g) {
    const World& w = g.world();
    i32 s = buildingScore(g);
    if (w.money > 1000000) s += w.money / 1000000;
    if (w.loan > 1000000) s -= w.loan / 1000000;
    return std::clamp(s, 0, 250);
}

i32 maxCredit(const Game& g) { return (buildingScore(g) / 2) * 1000000; }

i32 availableCredit(const Game& g) { return buildingScore(g) / 2 > 0 ? maxCredit(g) - g.world().loan : 0; }

i32 interestRate(const Game& g) {
    const i32 loan = g.world().loan;
    return loan == 0 ? 0 : 7 + loan / 800000;
}

void weeklyInterest(Game& g) {
    World& w = g.world();
    const i32 rate = interestRate(g);
    if (rate > 0 && Years::inRange(g.currentYear)) addToMoney(w.yearlyLoanCost[g.currentYear], wrapMul(rate, w.loan / 100) / 52);
}

void yearEndInterest(Game& g, Player& p) {
    World& w = g.world();
    const i32 interest = Years::inRange(g.currentYear) ? w.yearlyLoanCost[g.currentYear] : 0;
    payCash(w.money, interest);
    if (interest > 0)
        postLetter(g, p, "Financial, Bank",
                   "Dear " + w.playerName.str() + "\r\n" + "We have credited your account, " +
                       std::to_string(interest) + " to pay the interest rate of your loan");
}

std::string financialSituationText(const Game& g) {
    const World& w = g.world();
    const std::string suffix =
        w.sharesOwnedPercent <= 20 ? "." : " or we can sell out some of our shares on the stock market.";
    if (w.money >= 100000) {
        std::string text = "ok";
        if (w.money > 1000000) text = "is still good. But we might have to get a new loan" + suffix;
        if (w.money > 2000000) text = "is good";
        if (w.money > 4000000) text = "is very good";
        if (w.money > 6000000) text = "is fantastic";
        if (maxCredit(g) < 2 * static_cast<std::int64_t>(w.loan))
            text += "We should focus on bring down our loan in the bank";
        return text;
    }
    if (w.loan > 0) {
        if (w.loan < maxCredit(g))
            return "is not good, but we can obtain a loan of maximum " + std::to_string(availableCredit(g)) + suffix;
        return "is very bad and we cannot obtain a new loan. But mayby you have an good idea" + suffix;
    }
    return "is not good, but we can obtain a loan" + suffix;
}

BankScreen bankScreen(const Game& g) {
    const World& w = g.world();
    BankScreen b;
    const i32 available = availableCredit(g);
    b.borrowEnabled = available > 50000;
    b.borrowMax = std::max(available, 0);
    b.repayEnabled = w.loan > 49999 && w.money > 49999;
    b.repayMax = std::max(w.loan, 0);
    b.account = w.money;
    b.loan = w.loan;
    b.maxCredit = maxCredit(g);
    b.rate = interestRate(g);
    b.maxNewLoan = b.maxCredit - w.loan;
    b.comment = "Welcome to the bank Sir.\r\n";
    const i32 d = w.debtWeeks;
    if (d <= 0)
        b.comment += "What can we do for you ?";
    else if (d <= 5)
        b.comment += "You will not be able to extend your loan amount. Would you like to bring down the loan ? ";
    else if (d <= 10)
        b.comment +=
            "You will not be able to extend your loan amount. You will have to bring down the loan in the next few "
            "months ? ";
    else if (d <= 16)
        b.comment +=
            "You will not be able to extend your loan amount. Please make sure you bring down your bank loan very "
            "soon ? ";
    else
        b.comment += "You will not be able to extend your loan amount. Make sure you bring down your bank loan now ? ";
    return b;
}

ActionResult borrow(Game& g, Player& p, i32 amount, i32* done) {
    if (done) *done = 0;
    const BankScreen b = bankScreen(g);
    if (!b.borrowEnabled) return refuse(p, "The bank will not lend you any more money.");
    if (amount < 1) return refuse(p, "Enter the amount you want to borrow.");
    World& w = g.world();
    amount = std::min(amount, b.borrowMax);
    // Cash is capped; money borrowed beyond the cap would vanish while
    // still being owed, so the bank pays out no more than fits.
    if (w.money > 0) amount = std::min(amount, kCashCap - w.money);
    if (amount < 1) return refuse(p, "Your bank account cannot hold any more money.");
    receiveCash(w.money, amount);
    w.loan += amount;
    if (done) *done = amount;
    p.refreshMainScreen();
    return std::nullopt;
}

ActionResult repay(Game& g, Player& p, i32 amount, i32* done) {
    if (done) *done = 0;
    const World& cw = g.world();
    if (cw.loan <= 49999) return refuse(p, "The bank takes repayments only on a loan of 50,000 or more.");
    if (cw.money <= 49999) return refuse(p, "You need at least 50,000 in your account to repay the loan.");
    if (amount < 1) return refuse(p, "Enter the amount you want to repay.");
    World& w = g.world();
    amount = std::min(amount, w.loan);
    payCash(w.money, amount);
    w.loan -= amount;
    if (done) *done = amount;
    p.refreshMainScreen();
    return std::nullopt;
}

}  // namespace cw
