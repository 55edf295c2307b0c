// The company's books: the "Company Overview" screen, the finance graphs of
// "Company Graphs and Reports", the annual report and the milestones. All of
// them only read the statistics the week keeps.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "state/game.h"

namespace cw {

// "None", "Small", "Medium", "Large" for levels 0..3; empty otherwise.
std::string buildingSizeText(i32 level);

enum class OverviewTab { Games, Platforms };

struct OverviewRow {
    std::string name;
    i32 income = 0;
    std::string third;  // the fans' word for a game, the expenses for a platform
};

struct CompanyOverview {
    std::string company;  // "Company :" ...
    std::string ceo;      // "CEO :" ...
    // "Financial"
    std::string cash, loan, shares;
    // "Public image"
    std::string gamesImage, platformsImage;
    // "Buildings"
    std::string headquarters, extraOffices, factory, warehouse, officeSpace, warehouseSpace;
    // "Company Goal"
    std::string goal;
    std::string opinionCaption;  // "Board members opinion about you :"
    int opinion = 0;             // the bar, 0..100 ("Good" left, "Bad" right)
    // The product grid of the chosen tab.
    std::array<std::string, 3> titles;
    std::vector<OverviewRow> rows;
};

// The office space is the people's business; the caller passes
// officeCapacity so that the books need not reach up to it.
CompanyOverview companyOverview(const Game& g, i32 officeSpace, OverviewTab tab);

// One curve of the graph panel.
struct FinanceGraph {
    int kind = 0;
    std::string button;  // the button that draws it
    std::string title;   // the title label
    std::string xAxis;   // "Year" or "Week"
    bool yearly = true;
    std::vector<std::pair<i32, i32>> points;  // (year or week, value)
};
// The kinds the panel draws: 1..6 yearly, 10..13 weekly.
inline constexpr int kFinanceGraphKinds[10] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13};
bool financeGraphKind(int kind);
// An unknown kind gives an empty curve with no title.
FinanceGraph showFinanceGraph(const Game& g, int kind);

// The annual report: a caption column and three year columns.
enum class ReportColour { None, Green, Red };
struct ReportCell {
    std::string text;
    ReportColour colour = ReportColour::None;
};
struct AnnualReportColumn {
    i32 year = 0;
    bool available = false;  // "Not available" before 1980
    i32 result = 0;
    std::vector<ReportCell> lines;
};
struct AnnualReport {
    std::vector<std::string> captions;
    std::array<AnnualReportColumn, 3> columns;  // this year, the year before, the one before that
};
AnnualReport showAnnualReport(const Game& g);

// The cash at the end of each week played this year, then the cash now:
// the small curve beside the main screen's finances. The weekly figures
// start again every year.
std::vector<i32> recentCash(const Game& g);

// "Year : " year and that year's history lines, 1980 to this year.
std::vector<std::string> showMilestones(const Game& g, bool world);

}  // namespace cw
