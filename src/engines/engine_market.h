// The market analysis panel of the "New Engine" page: how many titles of the
// chosen genre and platform the catalogue plans for the next two years, the
// nearest of them and the release chart of the next 156 weeks.
#pragma once

#include <array>
#include <string>

#include "state/game.h"

namespace cw {

struct EngineMarketAnalysis {
    int planned = 0;           // "Number of game releases planned "
    int approxOneYear = 0;     // "Approx. releases (1 year) :"
    std::string nextRelease;   // "Possible next release :": "Week 12/1981" or "NA"
    std::array<int, 156> chart{};  // column height per week from now
    int referenceLine = 50;    // the best competitor engine's rating, at least 50
};

EngineMarketAnalysis engineMarketAnalysis(const Game& g, int platform, int genre);

}  // namespace cw
