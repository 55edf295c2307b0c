// The bank: credit limits and rates at their edges, the interest of a week
// and a year, the banker's words, borrowing and repaying, and the debt
// countdown against a real credit limit.
#include "finance/bank.h"

#include <gtest/gtest.h>

#include "finance/finance_world.h"
#include "sim/week_tick.h"

namespace cw {
namespace {

using test::FinanceWorld;

TEST(BankLimits, CreditFollowsTheBuildings) {
    FinanceWorld f;
    EXPECT_EQ(buildingScore(f.g), 3);
    EXPECT_EQ(maxCredit(f.g), 1000000);
    EXPECT_EQ(availableCredit(f.g), 1000000);
    f.w().factoryLevel = 1;
    f.w().publisherLevel = 1;
    f.w().warehouseLevel = 1;
    f.w().extraOffices = 2;
    EXPECT_EQ(buildingScore(f.g), 3 + 2 + 2 + 1 + 2);
    EXPECT_EQ(maxCredit(f.g), 5000000);
    f.w().loan = 4000000;
    EXPECT_EQ(availableCredit(f.g), 1000000);

    FinanceWorld small;
    small.w().headquartersLevel = 0;
    small.w().warehouseLevel = 1;
    EXPECT_EQ(maxCredit(small.g), 0);
    EXPECT_EQ(availableCredit(small.g), 0);
    EXPECT_FALSE(bankScreen(small.g).borrowEnabled);
    // The borrow controls need more than 50,000 of room.
    small.w().headquartersLevel = 1;
    small.w().warehouseLevel = 0;
    small.w().loan = 950000;
    EXPECT_FALSE(bankScreen(small.g).borrowEnabled);
    small.w().loan = 949999;
    EXPECT_TRUE(bankScreen(small.g).borrowEnabled);
}

TEST(BankLimits, CreditStandingCountsWholeMillionsAndIsClamped) {
    FinanceWorld f;
    f.w().money = 1000000;
    EXPECT_EQ(creditStanding(f.g), 3);
    f.w().money = 4500000;
    f.w().loan = 2900000;
    EXPECT_EQ(creditStanding(f.g), 3 + 4 - 2);
    f.w().loan = 30000000;
    EXPECT_EQ(creditStanding(f.g), 0);
    f.w().loan = 0;
    f.w().money = 2000000000;
    EXPECT_EQ(creditStanding(f.g), 250);
}

TEST(BankInterest, RateStepsEvery800000) {
    FinanceWorld f;
    const std::pair<i32, i32> cases[] = {{0, 0}, {1, 7}, {799999, 7}, {800000, 8}, {1599999, 8}, {1600000, 9}};
    for (const auto& [loan, rate] : cases) {
        f.w().loan = loan;
        EXPECT_EQ(interestRate(f.g), rate) << loan;
    }
}

TEST(BankInterest, AWeekAccruesAndTheYearEndPaysWithALetter) {
    FinanceWorld f;
    f.w().loan = 1000000;
    weeklyInterest(f.g);
    EXPECT_EQ(f.w().yearlyLoanCost[1985], 1538);  // 8 × 10,000 div 52
    weeklyInterest(f.g);
    EXPECT_EQ(f.w().yearlyLoanCost[1985], 3076);
    yearEndInterest(f.g, f.p);
    EXPECT_EQ(f.w().money, 500000 - 3076);
    const auto letters = f.p.only("letter");
    ASSERT_EQ(letters.size(), 1u);
    EXPECT_EQ(letters[0].a, "Financial, Bank");
    EXPECT_EQ(letters[0].b, "Dear Ann\r\nWe have credited your account, 3076 to pay the interest rate of your loan");

    FinanceWorld none;
    weeklyInterest(none.g);
    yearEndInterest(none.g, none.p);
    EXPECT_EQ(none.w().money, 500000);
    EXPECT_TRUE(none.p.only("letter").empty());
}

TEST(BankInterest, TheWeekTickPaysTheYearInTheTickThatLeavesWeek52) {
    FinanceWorld f;
    f.w().loan = 1000000;
    f.g.currentWeek = 51;
    weekTick(f.g, f.p);  // moves to week 52 and accrues for it
    const i32 before = f.w().money;
    weekTick(f.g, f.p);  // leaves week 52: pays 1985's one week, then accrues for 1986
    EXPECT_EQ(f.g.currentYear, 1986);
    EXPECT_EQ(f.w().yearlyLoanCost[1985], 1538);
    EXPECT_EQ(f.w().yearlyLoanCost[1986], 1538);
    EXPECT_LE(f.w().money, before - 1538);
    EXPECT_EQ(f.p.only("letter").back().b,
              "Dear Ann\r\nWe have credited your account, 1538 to pay the interest rate of your loan");
}

TEST(BankScreenModel, FiguresAndTheBankersWordsByWeeksInDebt) {
    FinanceWorld f;
    f.w().loan = 300000;
    const BankScreen b = bankScreen(f.g);
    EXPECT_EQ(b.account, 500000);
    EXPECT_EQ(b.maxCredit, 1000000);
    EXPECT_EQ(b.rate, 7);
    EXPECT_EQ(b.maxNewLoan, 700000);
    EXPECT_EQ(b.borrowMax, 700000);
    EXPECT_TRUE(b.repayEnabled);
    EXPECT_EQ(b.repayMax, 300000);
    EXPECT_EQ(b.comment, "Welcome to the bank Sir.\r\nWhat can we do for you ?");
    const std::pair<int, const char*> words[] = {{1, "Would you like to bring down the loan ? "},
                                                 {5, "Would you like to bring down the loan ? "},
                                                 {6, "You will have to bring down the loan in the next few months ? "},
                                                 {10, "You will have to bring down the loan in the next few months ? "},
                                                 {11, "Please make sure you bring down your bank loan very soon ? "},
                                                 {16, "Please make sure you bring down your bank loan very soon ? "},
                                                 {17, "Make sure you bring down your bank loan now ? "}};
    for (const auto& [weeks, tail] : words) {
        f.w().debtWeeks = weeks;
        EXPECT_EQ(bankScreen(f.g).comment,
                  std::string("Welcome to the bank Sir.\r\nYou will not be able to extend your loan amount. ") + tail)
            << weeks;
    }
}

TEST(BankActions, BorrowIsCutToTheLimitAndRefusedInOrder) {
    FinanceWorld f;
    i32 done = 0;
    EXPECT_FALSE(borrow(f.g, f.p, 5000000, &done));
    EXPECT_EQ(done, 1000000);
    EXPECT_EQ(f.w().loan, 1000000);
    EXPECT_EQ(f.w().money, 1500000);
    const ActionResult full = borrow(f.g, f.p, 100000);
    ASSERT_TRUE(full);
    EXPECT_EQ(*full, (Refusal{"The Bank", "The bank will not lend you any more money."}));
    EXPECT_EQ(f.p.only("message").back().b, "The bank will not lend you any more money.");

    FinanceWorld empty;
    const ActionResult zero = borrow(empty.g, empty.p, 0);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->text, "Enter the amount you want to borrow.");
}

TEST(BankActions, RepayTakesTheWholeLoanEvenBeyondTheCash) {
    FinanceWorld f;
    // Refused in order: the loan, then the cash, then the amount.
    EXPECT_EQ(repay(f.g, f.p, 10000)->text, "The bank takes repayments only on a loan of 50,000 or more.");
    f.w().loan = 900000;
    f.w().money = 49999;
    EXPECT_EQ(repay(f.g, f.p, 10000)->text, "You need at least 50,000 in your account to repay the loan.");
    f.w().money = 50000;
    EXPECT_EQ(repay(f.g, f.p, 0)->text, "Enter the amount you want to repay.");
    i32 done = 0;
    EXPECT_FALSE(repay(f.g, f.p, 2000000, &done));
    EXPECT_EQ(done, 900000);
    EXPECT_EQ(f.w().loan, 0);
    EXPECT_EQ(f.w().money, -850000);
}

TEST(FinancialSituation, EveryBranchOfTheBoardsSentence) {
    FinanceWorld f;
    auto at = [&f](i32 money, i32 loan, i32 shares) {
        f.w().money = money;
        f.w().loan = loan;
        f.w().sharesOwnedPercent = shares;
        return financialSituationText(f.g);
    };
    EXPECT_EQ(at(100000, 0, 40), "ok");
    EXPECT_EQ(at(1000001, 0, 40),
              "is still good. But we might have to get a new loan or we can sell out some of our shares on the stock "
              "market.");
    EXPECT_EQ(at(1000001, 0, 20), "is still good. But we might have to get a new loan.");
    EXPECT_EQ(at(2000001, 0, 40), "is good");
    EXPECT_EQ(at(4000001, 0, 40), "is very good");
    EXPECT_EQ(at(6000001, 0, 40), "is fantastic");
    EXPECT_EQ(at(6000001, 500001, 40), "is fantasticWe should focus on bring down our loan in the bank");
    EXPECT_EQ(at(99999, 400000, 20), "is not good, but we can obtain a loan of maximum 600000.");
    EXPECT_EQ(at(99999, 1000000, 20), "is very bad and we cannot obtain a new loan. But mayby you have an good idea.");
    EXPECT_EQ(at(99999, 0, 40),
              "is not good, but we can obtain a loan or we can sell out some of our shares on the "
              "stock market.");
}

// A company at its credit limit cannot borrow its way out.
TEST(BankDebt, AtTheCreditLimitTheCountdownEndsInBankruptcy) {
    FinanceWorld f;
    f.w().loan = 1000000;
    f.w().money = -2000000;
    int ticks = 0;
    while (!f.g.gameOver && ticks < 40) {
        weekTick(f.g, f.p);
        ++ticks;
    }
    EXPECT_EQ(ticks, 21);
    const auto d = f.p.only("dialog");
    ASSERT_FALSE(d.empty());
    EXPECT_EQ(d.back().a, "Bankrupt");
    EXPECT_EQ(f.p.only("screen").back().a, "Tform_end_screen");
    int warnings = 0;
    for (const auto& c : d) warnings += c.b.rfind("Your Bank : You are in debt", 0) == 0 ? 1 : 0;
    EXPECT_EQ(warnings, 9);  // 15, 10, 5, 4, 3, 2, 1, 0, -1 weeks left
}

// With room left, the warning sends the player to the bank; one who borrows
// there and ends the week in credit has the counter reset.
TEST(BankDebt, BorrowingAtTheBankDuringTheWarningResetsTheCount) {
    struct BorrowsAtTheBank : test::RecordingPlayer {
        Game* g = nullptr;
        void showModal(ScreenId screen) override {
            RecordingPlayer::showModal(screen);
            if (screen == ScreenId::Bank) borrow(*g, *this, 3000000);
        }
    };
    FinanceWorld f;
    f.w().headquartersLevel = 3;  // 4,000,000 of credit
    f.w().money = -100000;
    f.w().debtWeeks = 4;
    BorrowsAtTheBank p;
    p.g = &f.g;
    weekTick(f.g, p);
    const auto d = p.only("dialog");
    ASSERT_FALSE(d.empty());
    EXPECT_EQ(d[0].b.substr(d[0].b.size() - 55), "You have 16 Weeks to sort out your financial sitiuation");
    EXPECT_EQ(p.only("screen").at(0).a, "Tform_bank");
    EXPECT_EQ(f.w().loan, 3000000);
    EXPECT_EQ(f.w().debtWeeks, 0);
}

TEST(BankDebt, TheCounterKeepsCountingAcrossSpellsOfDebt) {
    FinanceWorld f;
    f.w().loan = 1000000;
    f.w().money = -2000000;
    for (int i = 0; i < 10; ++i) weekTick(f.g, f.p);
    EXPECT_EQ(f.w().debtWeeks, 10);
    f.w().money = 5000000;  // out of debt for a while: nothing resets the count
    for (int i = 0; i < 5; ++i) weekTick(f.g, f.p);
    EXPECT_EQ(f.w().debtWeeks, 10);
    f.w().money = -2000000;
    int ticks = 0;
    while (!f.g.gameOver && ticks < 40) {
        weekTick(f.g, f.p);
        ++ticks;
    }
    EXPECT_EQ(ticks, 11);
}

}  // namespace
}  // namespace cw
