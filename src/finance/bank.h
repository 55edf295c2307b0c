// The bank: the loan's ceiling and its interest.
#pragma once

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The most the bank lends. Until the buildings are modelled the bank lends
// nothing, so a company in debt has always passed its credit maximum.
i32 maxCredit(const Game& g);

// The loan's yearly interest in percent; 0 without a loan.
i32 interestRate(const Game& g);

}  // namespace cw
