// The weekly sales chart: every selling title's position by the revenue of
// the week, worked out inside the sales pass.
#pragma once

#include <algorithm>
#include <limits>
#include <vector>

#include "state/game.h"

namespace cw {

inline constexpr int kChartBottom = 255;

// The three week fields added up.
inline i32 weekSalesSum(const GameTitle& t) {
    // Summed wide and held at the ends of the range, like every other sum of
    // sales: three large regions must not wrap round to a small or negative week.
    const long long sum = static_cast<long long>(t.weekSalesUS) + t.weekSalesEU + t.weekSalesAsia;
    return static_cast<i32>(std::clamp<long long>(sum, std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max()));
}

// Only titles on sale that have sold something push others down the chart.
inline bool countsInChart(const GameTitle& t) { return t.released && t.totalSales > 0; }

// chartPos, and bestChartPos when the new position is better.
void storeChartPos(GameTitle& t, int pos);

// The player's titles also draw their sales curve: the position and the
// week's revenue go into the product's history. A title that is not among
// the player's products is left as it is.
void storePlayerChartPos(Game& g, int year, int index, int pos, i32 sum);

// A chart position worked out by other means at the moment the pass ranks a
// title (the tests' and benchmarks' straightforward scan of the window).
using ChartScan = int (*)(const Game& g, int year, int index);

// The chart of one sales pass. A title is ranked among the titles of the
// window as they stand at that moment: those before it in the pass already
// hold this week's sales, those after it still hold last week's. Scanning
// the window for every title would cost the square of the window, so the
// pass records each entry's value before and after it was sold and the
// positions are resolved once the pass is over, in about linear time, with
// exactly the positions the scan would give. Only the player's titles are
// ranked at once, since their position moves the public image and so the
// sales of the player's titles after them.
class SalesChart {
public:
    // Every entry of the window in pass order, with its value before the pass.
    void begin(const Game& g, int firstYear, int lastYear);
    // Entry k (0-based, pass order) has been sold.
    void passed(int k, const GameTitle& t);
    // The position of entry k with week sum `sum` among the entries as they stand now.
    int positionNow(int k, i32 sum) const;
    // Entry k with week sum `sum` is stored when the pass is over.
    void rankLater(int k, i32 sum, GameTitle& t);
    // Works out and stores the positions asked for with rankLater.
    void finish();

    // How often finish() had to widen its look at the top of the chart
    // (for the benchmarks and tests).
    int widenings() const { return widenings_; }

private:
    struct Query {
        int k;
        i32 sum;
        GameTitle* title;
    };
    bool resolve(int topCount, std::vector<int>& positions) const;

    std::vector<i32> before_;  // value before the pass; kNotCounted when not on the chart
    std::vector<i32> after_;
    std::vector<Query> queries_;
    int widenings_ = 0;
};

}  // namespace cw
