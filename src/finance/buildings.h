// What the company's buildings give it.
#pragma once

#include "state/game.h"

namespace cw {

// Units of products the company can store: the factory, the headquarters,
// the warehouse and the publishing department each give room by level.
i32 storageCapacity(const Game& g);

}  // namespace cw
