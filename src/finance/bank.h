// The bank: the loan's ceiling and its interest, the bank screen and the
// sentence on the company's finances that the board's letters quote.
#pragma once

#include <string>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// What the buildings are worth to the bank.
i32 buildingScore(const Game& g);

// The company's standing with the bank in millions (0..250): the buildings,
// plus the cash and minus the loan in whole millions beyond the first.
i32 creditStanding(const Game& g);

// The most the bank lends ("Maximum credit").
i32 maxCredit(const Game& g);

// What may still be borrowed; 0 when the bank lends nothing at all.
i32 availableCredit(const Game& g);

// The loan's yearly interest in percent; 0 without a loan.
i32 interestRate(const Game& g);

// This week's share of the year's interest, collected in the year's
// statistic; paid by yearEndInterest.
void weeklyInterest(Game& g);

// Pays the year's collected interest, with the bank's letter when any was
// due. Runs in the tick that leaves week 52, before the year number moves.
void yearEndInterest(Game& g, Player& p);

// How the board's letters describe the company's money.
std::string financialSituationText(const Game& g);

// "The Bank" (Tform_bank) as it stands now.
struct BankScreen {
    bool borrowEnabled = false;
    i32 borrowMax = 0;  // the borrow box's ceiling
    bool repayEnabled = false;
    i32 repayMax = 0;     // the repay box's ceiling: the whole loan
    i32 account = 0;      // "Your Bank Account :"
    i32 loan = 0;         // "Current Bank Loan :"
    i32 maxCredit = 0;    // "Maximum credit :"
    i32 rate = 0;         // "Interest rate :"
    i32 maxNewLoan = 0;   // "Maximum new loan :"
    std::string comment;  // the banker's words
};
BankScreen bankScreen(const Game& g);

// The arrows beside the amount boxes move them by this much.
inline constexpr i32 kBankStep = 50000;

// "Borrow now" and "Repay now". An amount beyond the box's ceiling is cut to
// it, as the box does; `done` (when given) receives the amount moved.
ActionResult borrow(Game& g, Player& p, i32 amount, i32* done = nullptr);
ActionResult repay(Game& g, Player& p, i32 amount, i32* done = nullptr);

}  // namespace cw
