#include "engines/engine_market.h"

#include <algorithm>

#include "engines/engine_catalogue.h"

namespace cw {

EngineMarketAnalysis engineMarketAnalysis(const Game& g, int platform, int genre) {
    EngineMarketAnalysis a;
    a.nextRelease = "NA";
    if (platform <= 0 || genre <= 0) return a;
    if (engineCellInRange(platform, genre))
        a.referenceLine = std::max<i32>(50, g.world().marketEngines[platform][genre].rating);
    const auto& titles = g.tables().gameTitles;
    const i32 y0 = g.currentYear;
    const i32 w0 = g.currentWeek;
    int n = 0;
    int best = 210;
    for (i32 y = y0; y <= y0 + 2; ++y) {
        if (!titles.inRange(y)) continue;
        for (int s = 1; s <= 3500; ++s) {
            const GameTitle& t = titles[y][s];
            if (t.genre != genre || t.platform != platform) continue;
            if (t.releaseYear > y0 + 2) continue;
            if (t.releaseYear == y0 && t.releaseWeek < w0) continue;
            if (t.releaseYear == y0 + 2 && t.releaseWeek > w0) continue;
            ++a.planned;
            const int until = (t.releaseYear - y0) * 52 + t.releaseWeek - w0;
            if (until <= 52) ++n;
            if (t.releaseYear <= y0 + 1 && until <= 209 && until <= best) {
                best = until;
                a.nextRelease = "Week " + std::to_string(t.releaseWeek) + "/" + std::to_string(t.releaseYear);
            }
        }
        // The chart walks each year's list up to its first free slot.
        for (int s = 1; s <= 3500 && !titles[y][s].title.empty(); ++s) {
            const GameTitle& t = titles[y][s];
            if (t.genre != genre || t.platform != platform) continue;
            const int until = (t.releaseYear - y0) * 52 + t.releaseWeek - w0;
            if (until >= 0 && until < 156) a.chart[static_cast<std::size_t>(until)] += 5;
        }
    }
    a.approxOneYear = n > 3 ? n * 6 / 10 : n;
    return a;
}

}  // namespace cw
