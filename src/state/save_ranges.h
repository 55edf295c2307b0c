// The ranges a loaded save must keep for the game's arithmetic to stay in
// 32 bits: dates that are multiplied by 52, processor speeds that are
// subtracted from each other and scaled, the cash and the loan that weekly
// costs are taken from. A crafted or damaged file is refused on
// loading instead of overflowing later in a week.
#pragma once

#include <string>

#include "state/world.h"

namespace cw {

inline constexpr int kLatestRecordYear = 9999;      // 2999 marks a genre that never comes
inline constexpr int kLargestSpeed = 1'000'000;     // far above any processor of the game
inline constexpr int kLargestCash = 2'000'000'000;  // the cash cap, also as a debt

// What is out of range in the image, the first such value in table order
// ("processor 3 has the release year 2147420105"); empty when all are in range.
std::string saveImageRangeProblem(const SaveImage& image);

}  // namespace cw
