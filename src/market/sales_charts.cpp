#include "market/sales_charts.h"

#include <algorithm>

#include "hardware/hardware_texts.h"
#include "market/chart.h"
#include "market/company_list.h"

namespace cw {
namespace {

std::string genreName(const Game& g, int genre) {
    const auto& genres = g.tables().genres;
    return genres.inRange(genre) ? genres[genre].name.str() : std::string();
}

i32 regionSales(const GameTitle& t, int region) {
    return region == 1 ? t.weekSalesUS : region == 2 ? t.weekSalesEU : t.weekSalesAsia;
}

bool inRegion(const GameTitle& t, int region) {
    return region == 1 ? t.inUS != 0 : region == 2 ? t.inEU != 0 : t.inAsia != 0;
}

int clampedCount(const Game& g, int year) {
    const auto& t = g.tables();
    return t.titlesPerYear.inRange(year) ? std::clamp<i32>(t.titlesPerYear[year], 0, 3500) : 0;
}

}  // namespace

std::string titleCompanyName(const Game& g, const GameTitle& t) {
    if (t.isPlayers) {
        const auto& companies = g.tables().companies;
        return companies.inRange(t.companyRow) ? companies[t.companyRow].name.str() : std::string();
    }
    return companyRowName(g, t.companyRow);
}

std::vector<FilterEntry> chartPlatformList(const Game& g) {
    std::vector<FilterEntry> out{{"All", 0}};
    const auto& platforms = g.tables().platforms;
    const i32 now = g.currentYear * 52 + g.currentWeek;
    for (int p = platforms.first; p <= platforms.last; ++p) {
        const Platform& x = platforms[p];
        if (!x.name.empty() && x.releaseYear * 52 + x.releaseWeek <= now) out.push_back({x.name.str(), p});
    }
    return out;
}

std::vector<FilterEntry> chartGenreList(const Game& g) {
    std::vector<FilterEntry> out{{"All", 0}};
    const auto& genres = g.tables().genres;
    for (int k = genres.first; k <= genres.last; ++k)
        if (!genres[k].name.empty() && genres[k].yearAvailable <= g.currentYear) out.push_back({genres[k].name.str(), k});
    return out;
}

const char* continentName(int region) {
    switch (region) {
        case 2: return "Europe";
        case 3: return "Asia";
        default: return "America";
    }
}

SalesChartView buildSalesChart(const Game& g, int region, int platform, int genre) {
    SalesChartView view;
    view.region = region;
    view.rows.resize(kChartRows);
    for (int k = 0; k < kChartRows; ++k) view.rows[static_cast<std::size_t>(k)].pos = k + 1;
    struct Candidate {
        int year, index;
        i32 value;
    };
    std::vector<Candidate> c;
    for (int y = g.currentYear - 3; y <= g.currentYear && static_cast<int>(c.size()) < kChartCandidates; ++y) {
        const int count = clampedCount(g, y);
        for (int n = 1; n <= count && static_cast<int>(c.size()) < kChartCandidates; ++n) {
            const GameTitle& t = g.tables().gameTitles[y][n];
            if (!t.released || t.totalSales <= 0 || weekSalesSum(t) <= 0) continue;
            if ((platform != 0 && t.platform != platform) || (genre != 0 && t.genre != genre)) continue;
            if (!inRegion(t, region) || regionSales(t, region) == 0) continue;
            c.push_back({y, n, regionSales(t, region)});
        }
    }
    view.candidates = static_cast<int>(c.size());
    // Rank = 1 + those selling more + those selling as much collected later:
    // among equal sales the later title comes first.
    std::vector<int> order(c.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(), [&c](int a, int b) {
        const i32 va = c[static_cast<std::size_t>(a)].value, vb = c[static_cast<std::size_t>(b)].value;
        return va != vb ? va > vb : a > b;
    });
    for (std::size_t r = 0; r < order.size() && r < kChartRows - 1; ++r) {
        const Candidate& x = c[static_cast<std::size_t>(order[r])];
        const GameTitle& t = g.tables().gameTitles[x.year][x.index];
        ChartRow& row = view.rows[r];
        row.empty = false;
        row.year = x.year;
        row.index = x.index;
        row.value = x.value;
        row.publisher = titleCompanyName(g, t);
        row.platform = platformNameText(g, t.platform);
        row.genre = genreName(g, t.genre);
        row.name = t.title.str();
        row.lw = t.chartPos == 0 || t.chartPos == 255 ? std::string("-") : std::to_string(t.chartPos);
        row.nw = t.weeksOnSale;
        if (t.usesPlayerEngine) {
            row.name += " (Your engine)";
            row.nameColour = ViewColour::Aqua;
        }
        if (t.isPlayers) row.nameColour = ViewColour::Red;
        if (t.engineRoyalty > 0) {
            row.publisher += " (You get " + std::to_string(t.engineRoyalty) + "%)";
            row.publisherColour = ViewColour::Aqua;
        }
    }
    return view;
}

std::vector<FilterEntry> calendarPlatformList(const Game& g) {
    std::vector<FilterEntry> out{{"All", 0}};
    const auto& platforms = g.tables().platforms;
    const i32 lastYear = g.currentYear + 2;
    for (int p = platforms.first; p <= platforms.last; ++p) {
        const Platform& x = platforms[p];
        const std::string name = platformNameText(g, p);
        if (name.empty() || x.releaseYear > lastYear) continue;
        if (x.releaseYear == lastYear && x.releaseWeek > g.currentWeek) continue;
        out.push_back({name, p});
    }
    return out;
}

CalendarBox fillCalendarWeek(const Game& g, const CalendarOptions& o, int k) {
    CalendarBox box;
    const int w = o.offset + k;
    box.week = w;
    box.title = "Week " + std::to_string(w) + ", " + std::to_string(o.year);
    box.current = o.year == g.currentYear && w == g.currentWeek;
    if (o.consoles) {
        const auto& platforms = g.tables().platforms;
        for (int p = platforms.first; p <= platforms.last; ++p) {
            const Platform& x = platforms[p];
            if (platformNameText(g, p).empty() || x.releaseYear != o.year || x.releaseWeek != w) continue;
            box.lines.push_back({x.name.str() + " (" + std::to_string(x.cpuSpec) + ")", {}, ViewColour::Blue, true});
        }
    }
    if (o.games) {
        const int count = clampedCount(g, o.year);
        for (int n = 1; n <= count; ++n) {
            const GameTitle& t = g.tables().gameTitles[o.year][n];
            if ((o.genre != 0 && t.genre != o.genre) || (o.platform != 0 && t.platform != o.platform)) continue;
            if (t.releaseWeek != w) continue;
            ViewColour colour;
            if (t.reviewScore > 105) colour = ViewColour::Red;
            else if (t.reviewScore >= 81 && o.average) colour = ViewColour::Maroon;
            else if (t.reviewScore >= 55 && t.reviewScore <= 80 && o.mediocre) colour = ViewColour::Black;
            else continue;
            std::string name = t.title.str();
            if (name.size() >= 20) name = name.substr(0, 18) + "..";
            box.lines.push_back({name, platformNameText(g, t.platform), colour, false});
        }
    }
    return box;
}

std::array<const char*, 4> calendarLegend() {
    return {"Black = Mediocre Rating", "Moroon = Average Rating", "Red = Good Rating", "Blue = PLatfom"};
}

}  // namespace cw
