#include "market/chart.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace cw {

namespace {

constexpr i32 kNotCounted = INT32_MIN;  // never greater than any week sum

// Counts of values at compressed positions 1..n.
class Fenwick {
public:
    explicit Fenwick(std::size_t n) : tree_(n + 1, 0) {}
    void add(std::size_t i, int d) {
        for (; i < tree_.size(); i += i & (~i + 1)) tree_[i] += d;
    }
    int prefix(std::size_t i) const {
        int s = 0;
        for (; i > 0; i -= i & (~i + 1)) s += tree_[i];
        return s;
    }

private:
    std::vector<int> tree_;
};

// A value below which at most `topCount` - 1 of the counted values lie
// above it; INT32_MIN when there are not that many, so that every value is
// "high". The value is the topCount-th highest of the counted values. Most
// of the window sells nothing in a week and holds 0, so the positive values
// are sorted out alone when they reach that far, and the answer is 0 when
// the zeros do; only otherwise are all counted values searched.
i32 topThreshold(const std::vector<i32>& values, int topCount, std::vector<i32>& scratch) {
    const auto top = static_cast<std::size_t>(topCount);
    scratch.clear();
    std::size_t counted = 0, zeros = 0;
    for (i32 v : values) {
        if (v == kNotCounted) continue;
        ++counted;
        if (v > 0)
            scratch.push_back(v);
        else if (v == 0)
            ++zeros;
    }
    if (counted <= top) return INT32_MIN;
    if (scratch.size() < top) {
        if (scratch.size() + zeros >= top) return 0;
        scratch.clear();
        for (i32 v : values)
            if (v != kNotCounted) scratch.push_back(v);
    }
    auto nth = scratch.begin() + (topCount - 1);
    std::nth_element(scratch.begin(), nth, scratch.end(), std::greater<i32>());
    return *nth;
}

}  // namespace

void storeChartPos(GameTitle& t, int pos) {
    t.chartPos = static_cast<u8>(pos);
    if (t.bestChartPos > pos) t.bestChartPos = static_cast<u8>(pos);
}

void storePlayerChartPos(Game& g, int year, int index, int pos, i32 sum) {
    World& w = g.world();
    int entry = 0;
    for (int i = 1; i <= decltype(World::products)::last; ++i) {
        if (w.products[i].refA == year && w.products[i].refB == index) {
            entry = i;
            break;
        }
    }
    if (entry == 0) return;
    GameTitle& t = g.tables().gameTitles[year][index];
    storeChartPos(t, pos);
    // The curve keeps 200 weeks of the first 600 products; a longer run or a
    // later product is simply not drawn, rather than written over other data.
    using History = decltype(World::productHistory);
    using Weeks = decltype(ProductHistory::chartPos);
    if (!History::inRange(entry) || !Weeks::inRange(t.weeksOnSale)) return;
    w.productHistory[entry].chartPos[t.weeksOnSale] = static_cast<u8>(pos);
    w.productHistory[entry].weekRevenue[t.weeksOnSale] = sum;
}

void SalesChart::begin(const Game& g, int firstYear, int lastYear) {
    before_.clear();
    after_.clear();
    queries_.clear();
    const SaveImage& tables = g.tables();
    for (int y = firstYear; y <= lastYear; ++y) {
        const int count = std::clamp<i32>(tables.titlesPerYear[y], 0, 3500);
        for (int n = 1; n <= count; ++n) {
            const GameTitle& t = tables.gameTitles[y][n];
            before_.push_back(countsInChart(t) ? weekSalesSum(t) : kNotCounted);
        }
    }
    after_.assign(before_.size(), kNotCounted);
}

void SalesChart::passed(int k, const GameTitle& t) {
    after_[static_cast<std::size_t>(k)] = countsInChart(t) ? weekSalesSum(t) : kNotCounted;
}

int SalesChart::positionNow(int k, i32 sum) const {
    int above = 0;
    const std::size_t at = static_cast<std::size_t>(k);
    for (std::size_t j = 0; j < at; ++j) above += after_[j] > sum ? 1 : 0;
    for (std::size_t j = at + 1; j < before_.size(); ++j) above += before_[j] > sum ? 1 : 0;
    return std::min(1 + above, kChartBottom);
}

void SalesChart::rankLater(int k, i32 sum, GameTitle& t) { queries_.push_back({k, sum, &t}); }

// Below the chart's bottom every position is the same, so only the top of
// the chart needs exact counting. The values above a threshold (one for the
// values before the pass, one for those after it, since at a change of
// season all of them move together) are counted exactly while the pass is
// replayed; a title whose sum lies below a threshold is known to be at the
// bottom when the counted values above it already fill the chart. When they
// do not, the look at the top is widened and the replay repeated; at the
// widest every value is counted.
bool SalesChart::resolve(int topCount, std::vector<int>& positions) const {
    std::vector<i32> scratch;
    const i32 highBefore = topThreshold(before_, topCount, scratch);
    const i32 highAfter = topThreshold(after_, topCount, scratch);
    const i32 lowest = std::min(highBefore, highAfter);
    const i32 highest = std::max(highBefore, highAfter);

    // Only the entries whose value is counted before or after the pass, and
    // those asked about, do anything in the replay; the rest of the window
    // (most of it sells nothing) is passed over.
    std::vector<i32> coords;
    std::vector<std::size_t> moving;
    for (std::size_t j = 0; j < before_.size(); ++j) {
        const bool high = before_[j] > highBefore, highNow = after_[j] > highAfter;
        if (high) coords.push_back(before_[j]);
        if (highNow) coords.push_back(after_[j]);
        if (high || highNow) moving.push_back(j);
    }
    std::vector<std::size_t> steps;  // both in ascending order, each entry once
    steps.reserve(moving.size() + queries_.size());
    auto step = [&steps](std::size_t k) {
        if (steps.empty() || steps.back() < k) steps.push_back(k);
    };
    std::size_t m = 0;
    for (const Query& query : queries_) {
        const auto k = static_cast<std::size_t>(query.k);
        for (; m < moving.size() && moving[m] <= k; ++m) step(moving[m]);
        if (k < before_.size()) step(k);
    }
    for (; m < moving.size(); ++m) step(moving[m]);
    std::sort(coords.begin(), coords.end());
    coords.erase(std::unique(coords.begin(), coords.end()), coords.end());
    auto slot = [&coords](i32 v) {
        return static_cast<std::size_t>(std::lower_bound(coords.begin(), coords.end(), v) - coords.begin()) + 1;
    };

    Fenwick counted(coords.size());
    int inTree = 0;
    for (std::size_t j : moving) {
        if (before_[j] > highBefore) {
            counted.add(slot(before_[j]), 1);
            ++inTree;
        }
    }
    positions.assign(queries_.size(), kChartBottom);
    std::size_t q = 0;
    for (std::size_t k : steps) {
        if (q >= queries_.size()) break;
        if (before_[k] > highBefore) {
            counted.add(slot(before_[k]), -1);
            --inTree;
        }
        for (; q < queries_.size() && static_cast<std::size_t>(queries_[q].k) == k; ++q) {
            const i32 sum = queries_[q].sum;
            int above = inTree;
            if (sum >= lowest) {
                const auto le =
                    static_cast<std::size_t>(std::upper_bound(coords.begin(), coords.end(), sum) - coords.begin());
                above = inTree - counted.prefix(le);
            }
            if (sum >= highest)
                positions[q] = std::min(1 + above, kChartBottom);
            else if (above + 1 >= kChartBottom)
                positions[q] = kChartBottom;
            else
                return false;
        }
        if (after_[k] > highAfter) {
            counted.add(slot(after_[k]), 1);
            ++inTree;
        }
    }
    return true;
}

void SalesChart::finish() {
    std::vector<int> positions;
    int topCount = 512;
    while (!resolve(topCount, positions)) {
        topCount *= 2;
        ++widenings_;
    }
    for (std::size_t q = 0; q < queries_.size(); ++q) storeChartPos(*queries_[q].title, positions[q]);
    queries_.clear();
}

}  // namespace cw
