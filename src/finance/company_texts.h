// Words the company screens and the product panels share.
#pragma once

#include <string>

#include "state/types.h"

namespace cw {

// How many devoted fans a title has, for a fan value 0..100 (higher values
// up to 200 read as the best; anything else is empty).
std::string fansText(i32 fans);

}  // namespace cw
