// The planning views that read the catalogue: the weekly sales charts by
// continent and the release calendar of the coming games and platforms.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/game.h"

namespace cw {

// An entry of a platform or genre list; index 0 is "All" (no filter).
struct FilterEntry {
    std::string name;
    int index = 0;
};

// The company a title is shown with: the player's titles name their
// publisher, the others their row of the company list.
std::string titleCompanyName(const Game& g, const GameTitle& t);

enum class ViewColour { Black, Red, Aqua, Maroon, Blue };

// ---- Sales charts (TForm_salesCharts) -----------------------------------

inline constexpr int kChartRows = 100;
inline constexpr int kChartCandidates = 5000;

// "All", then every platform on the market by now, in slot order.
std::vector<FilterEntry> chartPlatformList(const Game& g);
// "All", then every genre available this year.
std::vector<FilterEntry> chartGenreList(const Game& g);
const char* continentName(int region);  // "America", "Europe", "Asia"

struct ChartRow {
    int pos = 0;
    bool empty = true;
    std::string publisher, platform, genre, name;
    std::string lw;  // last week's overall place, or "-"
    i32 nw = 0;      // weeks on the chart
    ViewColour nameColour = ViewColour::Black;
    ViewColour publisherColour = ViewColour::Black;
    int year = 0, index = 0;  // the catalogue entry
    i32 value = 0;            // the week's sales in the continent
};

struct SalesChartView {
    int region = 1;
    std::vector<ChartRow> rows;  // kChartRows rows, row k-1 holds position k
    int candidates = 0;
};

// The chart of one continent (1 America, 2 Europe, 3 Asia) under the
// platform and genre filters (table indices, 0 = all).
SalesChartView buildSalesChart(const Game& g, int region, int platform, int genre);

// ---- Release calendar (Tform_Calendar) ----------------------------------

struct CalendarOptions {
    int year = 0;        // current year .. current year + 2
    int offset = 0;      // 0 for weeks 1-26, 26 for weeks 27-52
    int platform = 0;    // table index, 0 = all
    int genre = 0;
    bool consoles = true;   // "Show Console Releases"
    bool games = true;      // "Show Game Releases"
    bool mediocre = false;  // "Show Mediocre rated games"
    bool average = true;    // "Show Avarge rated games"
};

// "All", then every platform out by two years from now.
std::vector<FilterEntry> calendarPlatformList(const Game& g);

struct CalendarLine {
    std::string text;      // a platform's name and CPU, or a game's title
    std::string platform;  // a game's platform, after "/"
    ViewColour colour = ViewColour::Black;
    bool console = false;
};

struct CalendarBox {
    int week = 0;
    std::string title;  // "Week 5, 1986"
    bool current = false;  // red border
    std::vector<CalendarLine> lines;
};

// Week box k (1..26).
CalendarBox fillCalendarWeek(const Game& g, const CalendarOptions& o, int k);
// "Black = Mediocre Rating" and the other three legend lines.
std::array<const char*, 4> calendarLegend();

}  // namespace cw
