#include "finance/bank.h"

namespace cw {

i32 maxCredit(const Game&) { return 0; }
i32 interestRate(const Game&) { return 0; }

}  // namespace cw
