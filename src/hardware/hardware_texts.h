// Texts about platforms and processors that many screens share.
#pragma once

#include "state/text_format.h"

#include <string>

#include "state/game.h"

namespace cw {

// The platform's name without leading and trailing blanks; empty for an
// index outside the table.
std::string platformNameText(const Game& g, int platform);

// How long ago year/week lies: "3 Year(s),  12 Weeks".
std::string platformAgeText(const Game& g, i32 year, i32 week);

// The public's opinion of a platform as one word ("scrap" .. "HOT").
std::string opinionWord(i32 opinion);

// The news text of a processor of speed `speed` coming on the market,
// measured against the best main CPU so far.
std::string cpuReleaseText(const Game& g, i32 speed);

// "CPU", "GPU", "All", "SPU" for the processor types 1..4; empty otherwise.
std::string cpuTypeText(int cpuType);

// The word of a platform analysis score ("Very Bad" .. "Very good", "NA").
std::string analysisScoreWord(i32 score);

// The rating text of a platform's cpuSpec: "scrap (" .. "Revolutionary
// design (", then the value and ")".
std::string cpuSpecRatingText(i32 cpuSpec);
// A review score as a word, "Poor" .. "Superb"; with the number, " (7/10)"
// follows on a scale where 150 is 10 and every 10 points less is one less.
std::string ratingWord(i32 score, bool withNumber);


}  // namespace cw
