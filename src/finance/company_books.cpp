#include "finance/company_books.h"

#include <algorithm>

#include "finance/buildings.h"
#include "finance/company_texts.h"
#include "state/money.h"

namespace cw {
namespace {

using Yearly = Arr<i32, 1980, 2015>;
using Weekly = Arr<i32, 1, 52>;

i32 yearValue(const Yearly& a, i32 year) { return Yearly::inRange(year) ? a[year] : 0; }

struct GraphDef {
    int kind;
    const char* button;
    const char* title;
    Yearly World::* yearly;
    Weekly World::* weekly;
};

const GraphDef kGraphs[] = {
    {1, "Buildings cost", "Company Construction and buildings cost", &World::yearlyBuildingCost, nullptr},
    {2, "Moneys", "Company cash", &World::yearlyCash, nullptr},
    {3, "Cost", "Company development Costs", &World::yearlyDevelopmentCost, nullptr},
    {4, "# of employees", "Number of employees hired", &World::yearlyEmployees, nullptr},
    {5, "Loan cost", "Loan Cost", &World::yearlyLoanCost, nullptr},
    {6, "Income", "Company Income", &World::yearlyIncome, nullptr},
    {10, "Moneys", "Company cash", nullptr, &World::weeklyCash},
    {11, "Loan Size", "Company Bankloan", nullptr, &World::weeklyLoan},
    {12, "Employee cost", "Total Employee wages", nullptr, &World::weeklyWages},
    {13, "Free phone etc.", "Cost of Free employee phone,Car and computers", nullptr, &World::weeklyPerkCost},
};

}  // namespace

std::string buildingSizeText(i32 level) {
    switch (level) {
        case 0: return "None";
        case 1: return "Small";
        case 2: return "Medium";
        case 3: return "Large";
        default: return {};
    }
}

CompanyOverview companyOverview(const Game& g, i32 officeSpace, OverviewTab tab) {
    const World& w = g.world();
    CompanyOverview o;
    o.company = "Company :" + w.companyName.str();
    o.ceo = "CEO :" + w.playerName.str();
    o.cash = "Cash :" + std::to_string(w.money) + "$";
    o.loan = "Loan Size :" + std::to_string(w.loan) + "$";
    o.shares = "Shares ownede :" + std::to_string(w.sharesOwnedPercent) + "%";
    o.gamesImage = "Games :" + std::to_string(w.gamesImage) + "%";
    o.platformsImage = "Platforms :" + std::to_string(w.platformsImage) + "%";
    o.headquarters = "Headquater :" + buildingSizeText(w.headquartersLevel);
    o.extraOffices = "Extra Offices :" + std::to_string(w.extraOffices);
    o.factory = "Factory :" + buildingSizeText(w.factoryLevel);
    o.warehouse = "Warehouse :" + buildingSizeText(w.warehouseLevel);
    o.officeSpace = "Office space:" + std::to_string(officeSpace);
    o.warehouseSpace = "Warehouse space :" + std::to_string(storageCapacity(g));
    o.goal = w.companyGoalText.str();
    o.opinionCaption = "Board members opinion about you :";
    o.opinion = std::clamp(w.boardOpinion, 0, 100);
    if (tab == OverviewTab::Games) {
        o.titles = {"", "Income", "Public image"};
        const SaveImage& t = g.tables();
        for (i32 year = 1980; year <= g.currentYear && decltype(SaveImage::titlesPerYear)::inRange(year); ++year) {
            const i32 count = std::min(t.titlesPerYear[year], 3500);
            for (i32 i = 1; i <= count; ++i) {
                const GameTitle& x = t.gameTitles[year][i];
                if (x.isPlayers && x.released) o.rows.push_back({x.title.str(), x.totalSales, fansText(x.fans)});
            }
        }
    } else {
        o.titles = {"", "Income", "Expenses"};
        const auto& platforms = g.tables().platforms;
        for (int p = platforms.first; p <= platforms.last; ++p) {
            const Platform& pl = platforms[p];
            if (pl.playerOwned && pl.released)
                o.rows.push_back({pl.name.str(), pl.makerEarnings, std::to_string(pl.productionSpending)});
        }
    }
    return o;
}

bool financeGraphKind(int kind) {
    return std::any_of(std::begin(kGraphs), std::end(kGraphs), [kind](const GraphDef& d) { return d.kind == kind; });
}

FinanceGraph showFinanceGraph(const Game& g, int kind) {
    FinanceGraph f;
    f.kind = kind;
    const GraphDef* def = nullptr;
    for (const GraphDef& d : kGraphs)
        if (d.kind == kind) def = &d;
    if (!def) return f;
    const World& w = g.world();
    f.button = def->button;
    f.title = def->title;
    f.yearly = def->yearly != nullptr;
    f.xAxis = f.yearly ? "Year" : "Week";
    if (f.yearly) {
        f.points.push_back({1979, 0});
        for (i32 y = 1980; y <= g.currentYear; ++y) f.points.push_back({y, yearValue(w.*(def->yearly), y)});
    } else {
        for (i32 wk = 1; wk < g.currentWeek && wk <= 52; ++wk) f.points.push_back({wk, (w.*(def->weekly))[wk]});
    }
    return f;
}

AnnualReport showAnnualReport(const Game& g) {
    AnnualReport r;
    r.captions = {"Income",
                  "",
                  "Misc cost",
                  "Running Buildings -",
                  "Employee wages -",
                  "Free phone,car etc. -",
                  "",
                  "--------------------------------------------",
                  "",
                  "Bank Loan cost",
                  "-------------------------------------------",
                  "Result Year",
                  "=====================",
                  "",
                  "",
                  "Start of year :",
                  "",
                  "Num of employees"};
    const World& w = g.world();
    for (int c = 0; c < 3; ++c) {
        AnnualReportColumn& col = r.columns[static_cast<std::size_t>(c)];
        col.year = g.currentYear - c;
        col.available = col.year >= 1980;
        if (!col.available) {
            col.lines.push_back({"Not available", ReportColour::None});
            continue;
        }
        const i32 y = col.year;
        auto put = [&col](i32 v, ReportColour colour) { col.lines.push_back({std::to_string(v), colour}); };
        auto blank = [&col](int n) {
            for (int i = 0; i < n; ++i) col.lines.push_back({});
        };
        const i32 income = yearValue(w.yearlyIncome, y);
        const i32 dev = yearValue(w.yearlyDevelopmentCost, y);
        const i32 buildings = yearValue(w.yearlyBuildingCost, y);
        const i32 wages = yearValue(w.yearlyWages, y);
        const i32 perks = yearValue(w.yearlyPerkCost, y);
        const i32 loan = yearValue(w.yearlyLoanCost, y);
        put(income, ReportColour::Green);
        blank(1);
        for (i32 v : {dev, buildings, wages, perks}) put(v, ReportColour::Red);
        blank(3);
        put(loan, ReportColour::Red);
        blank(1);
        // Each statistic is saturated on its own, so their sum may leave the
        // int range; the result stops at its ends instead of wrapping.
        col.result = saturatedMoney(static_cast<long long>(income) -
                                    (static_cast<long long>(dev) + buildings + wages + perks + loan));
        const ReportColour colour = col.result >= 0 ? ReportColour::Green : ReportColour::Red;
        put(col.result, colour);
        blank(3);
        put(yearValue(w.yearlyCash, y), colour);
        blank(1);
        put(yearValue(w.yearlyEmployees, y), colour);
    }
    return r;
}

std::vector<i32> recentCash(const Game& g) {
    std::vector<i32> out;
    const World& w = g.world();
    // Last year's weeks first, from the one a year ago, so the curve always
    // spans up to 52 weeks, also in January.
    const std::vector<i32>& last = g.session.lastYearCash;
    if (last.size() == 52)
        for (i32 wk = std::max<i32>(g.currentWeek, 1); wk <= 52; ++wk) out.push_back(last[static_cast<std::size_t>(wk - 1)]);
    for (i32 wk = 1; wk < g.currentWeek && wk <= 52; ++wk) out.push_back(w.weeklyCash[wk]);
    out.push_back(w.money);
    return out;
}

std::vector<std::string> showMilestones(const Game& g, bool world) {
    const World& w = g.world();
    const HistoryLines& h = world ? w.worldHistory : w.companyHistory;
    std::vector<std::string> out;
    for (i32 year = 1980; year <= g.currentYear && HistoryLines::inRange(year); ++year) {
        out.push_back("Year : " + std::to_string(year));
        for (int i = 1; i <= 100; ++i)
            if (!h[year][i].empty()) out.push_back(h[year][i].str());
    }
    return out;
}

}  // namespace cw
