// Number texts shared by every screen.
#pragma once

#include <string>

namespace cw {

// A whole number with "," between groups of three digits: 4,000,000.
std::string thousands(long long value);

}  // namespace cw
