// What the three hardware screens list, sort and compute: the platforms
// screen, the processor screen and the platform market analysis. The Qt
// views and the headless driver show these models as they are.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "state/game.h"

namespace cw {

struct GridRow {
    int index = 0;  // the Platforms or Cpus slot the row shows
    std::vector<std::string> cells;
};

struct Grid {
    std::vector<std::string> headers;
    std::vector<GridRow> rows;
};

// A cell that sorts as a number: an integer with an optional sign.
bool cellIsNumber(const std::string& cell);

// Orders two cells as text, with runs of digits compared by their value, so
// that "90$" comes before "450$" and "2 Year(s)" before "10 Year(s)".
int compareCellText(const std::string& a, const std::string& b);

// Sorts the grid by a column, numerically when the first row's cell in it is
// a number and as text otherwise. Equal rows keep their order.
void sortGrid(Grid& grid, int column, bool descending);

struct PieSlice {
    std::string label;
    i32 value = 0;
};

// The platforms screen (TForm_platforms).
struct PlatformsScreen {
    enum { MarketGrid = 0, BaseGrid = 1, DiscontinuedGrid = 2 };

    // Rebuilds the grids and charts from the platforms and sorts the first
    // two by their second column, biggest first.
    void build(const Game& g);
    // A click on a column header; the direction alternates with each click
    // on any of the three grids.
    void headerClicked(int grid, int column);

    Grid grids[3];
    std::vector<PieSlice> regions;       // "America", "Europe", "Asia"
    std::vector<PieSlice> topPlatforms;  // the first five rows of the market grid
    bool nextDescending = false;         // the first click turns the initial order round
};

// The label of a platform in the pie chart: long names are shortened.
std::string pieLabel(const std::string& name);

// The processor screen (Tform_cpu).
struct CpuScreen {
    enum { NameColumn, SpeedColumn, PriceColumn, AgeColumn, BitsColumn, TypeColumn, IdColumn };

    struct Series {
        int cpu = 0;
        std::string name;
        std::vector<std::pair<int, i32>> points;  // (week, price)
    };

    // Lists the announced processors of the checked types, sorts them by
    // price, dearest first, and charts the first seven.
    void build(const Game& g);
    void headerClicked(int column);

    bool showCpus = true;
    bool showGpus = true;
    bool showSpus = true;
    Grid grid;
    std::vector<Series> chart;
    bool nextDescending = false;
};

// How a value looks to a buyer, by the same limits the words and the
// analysis use; the screens colour their cells with it.
enum class Mood { Neutral, Good, Bad };
Mood opinionMood(i32 opinion);  // "popular" and "HOT" good, "unpopular" and worse bad
Mood specMood(i32 cpuSpec);     // high specs good, low specs bad
Mood priceMood(i32 price);      // a low price good, a high price bad
Mood analysisMood(i32 score);   // "Good" and better good, "Bad" and worse bad
// A processor as fast as the best of its type is good; a main CPU at less
// than half the best main CPU's speed is dated.
Mood cpuSpeedMood(const World& w, const Cpu& cpu);
// The mood of a cell of the platforms screen's grids (grid 0..2, column).
Mood platformCellMood(const Platform& pf, int grid, int column);

// The platform market analysis (TForm_platform_analysis).
i32 platformAnalysisScore(const Platform& pf);
std::string positiveEffects(const Platform& pf);
std::string negativeEffects(const Platform& pf);

struct PlatformAnalysis {
    struct Row {
        int platform = 0;
        std::string name;
        std::string positive;
        std::string negative;
        std::string word;
        i32 score = 0;
    };

    // Every released platform, best score first.
    void build(const Game& g);

    std::string label;  // "Week 12, 1985"
    std::vector<std::string> headers;
    std::vector<Row> rows;
};

}  // namespace cw
