// Weekly game sales, the sales chart and the competitors' wages.
#pragma once

#include <vector>

#include "market/chart.h"
#include "market/sales_record.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// Sales by period of the year, period = (week - 1) div 4 + 1, applied as a
// fraction of 60: the weeks before Christmas sell best, the last four weeks
// of the year worst. Index 0 is unused.
inline constexpr i32 SeasonFactor[14] = {0, 30, 35, 45, 60, 65, 45, 50, 45, 60, 85, 95, 100, 30};
inline int salesPeriod(int week) { return (week - 1) / 4 + 1; }

// One region's revenue of a selling title this week, before the player's
// image boost and publisher capacity. Draws one random number. With `why`
// given it also keeps the value after each rule and what the rule read.
i32 regionRevenue(Game& g, const GameTitle& t, int region, bool preferred, RegionSalesSteps* why = nullptr);

// The week's revenue of every released game of the last four years, the
// charts, the player's income, fans and image, engine royalties and the
// decay of the sales scores. With `reference` given, every title is ranked
// by it at the moment the pass ranks it instead of by the pass's own chart.
// What it does to the player's titles is kept for lastSalesWeek.
void UpdateWeeklySales(Game& g, Player& p, ChartScan reference = nullptr);

// What the last sales pass of game g did to the player's titles, step by
// step; kept while the program runs, never saved. Empty until the first
// sales week of a new or loaded game.
const SalesWeekRecord& lastSalesWeek(const Game& g);
// Starts the record over: a new game or a load has no sales week yet.
void forgetSalesWeek(const Game& g);

// A catalogue entry of `year` that sells this week: on sale, with a sales
// score above 50 and its year inside the four-year window.
bool sellingThisWeek(const Game& g, int year, const GameTitle& t);

// For every Companies entry (index 1..500; [0] unused) the number of its
// titles selling this week.
std::vector<int> titlesOnSaleByCompany(const Game& g);

// The computer-run companies pay their staff (every fourth week).
void PayCompanyWages(Game& g);

}  // namespace cw
