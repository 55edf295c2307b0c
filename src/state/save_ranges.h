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
// Counts the weekly steps add to, multiply or sum over the staff: far above
// anything a game reaches, far enough below the int32 limit that a week's
// arithmetic on them cannot overflow.
inline constexpr int kLargestSalary = 100'000'000;      // per 4 weeks
inline constexpr int kLargestFreelancers = 1'000;
inline constexpr int kLargestWork = 100'000'000;        // a task's work and progress, either sign
inline constexpr int kLargestWeeksOnSale = 100'000;
inline constexpr int kLargestWeeklyOutput = 1'000'000'000;
inline constexpr int kLargestBoardOpinion = 1'000'000;  // either sign

// What is out of range in the image, the first such value in table order
// ("processor 3 has the release year 2147420105"); empty when all are in range.
std::string saveImageRangeProblem(const SaveImage& image);

// Frees the people whose task index names a slot that holds no task (a
// stale index from a damaged save): left, they would join whatever task is
// created in that slot next. Returns how many were freed. A load runs it
// on the loaded tables.
int detachStaleTasks(SaveImage& image);

}  // namespace cw
