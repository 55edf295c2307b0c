#include "hardware/platform_screens.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "hardware/hardware_texts.h"

namespace cw {
namespace {

constexpr int kPlatformSlots = decltype(SaveImage::platforms)::last;
constexpr int kCpuSlots = decltype(SaveImage::cpus)::last;

long long cellNumber(const std::string& cell) {
    return cellIsNumber(cell) ? std::strtoll(cell.c_str(), nullptr, 10) : 0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string joinEffects(const std::vector<const char*>& effects) {
    std::string s;
    for (const char* e : effects) s += e;
    while (!s.empty() && s.back() == ',') s.pop_back();
    return s;
}

// Grid 2 and grid 3 share their cells; grid 3 only leaves the price out.
std::vector<std::string> baseCells(const Game& g, int p, bool withPrice) {
    const Platform& pf = g.tables().platforms[p];
    return {platformNameText(g, p),
            std::to_string(pf.soldUnits),
            std::to_string(pf.productionCost) + "$",
            withPrice ? std::to_string(pf.price) + "$" : std::string(),
            std::to_string(pf.stillInUsePercent) + "%",
            std::to_string(pf.piracyPercent) + "%",
            platformAgeText(g, pf.releaseYear, pf.releaseWeek)};
}

}  // namespace

bool cellIsNumber(const std::string& cell) {
    std::size_t i = 0;
    if (i < cell.size() && (cell[i] == '-' || cell[i] == '+')) ++i;
    if (i == cell.size() || cell.size() - i > 18) return false;
    for (; i < cell.size(); ++i)
        if (!isDigit(cell[i])) return false;
    return true;
}

int compareCellText(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t ie = i, je = j;
            while (ie < a.size() && isDigit(a[ie])) ++ie;
            while (je < b.size() && isDigit(b[je])) ++je;
            // Compare the runs without their leading zeros: the longer is larger.
            std::size_t is = i, js = j;
            while (is + 1 < ie && a[is] == '0') ++is;
            while (js + 1 < je && b[js] == '0') ++js;
            if (ie - is != je - js) return ie - is < je - js ? -1 : 1;
            const int c = a.compare(is, ie - is, b, js, je - js);
            if (c != 0) return c < 0 ? -1 : 1;
            i = ie;
            j = je;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

void sortGrid(Grid& grid, int column, bool descending) {
    if (grid.rows.empty() || column < 0) return;
    const auto col = static_cast<std::size_t>(column);
    auto cell = [col](const GridRow& r) -> const std::string& {
        static const std::string empty;
        return col < r.cells.size() ? r.cells[col] : empty;
    };
    const bool numeric = cellIsNumber(cell(grid.rows.front()));
    std::stable_sort(grid.rows.begin(), grid.rows.end(), [&](const GridRow& x, const GridRow& y) {
        int c;
        if (numeric) {
            const long long a = cellNumber(cell(x)), b = cellNumber(cell(y));
            c = a < b ? -1 : (a > b ? 1 : 0);
        } else {
            c = compareCellText(cell(x), cell(y));
        }
        return descending ? c > 0 : c < 0;
    });
}

std::string pieLabel(const std::string& name) { return name.size() >= 13 ? name.substr(0, 11) + ".." : name; }

void PlatformsScreen::build(const Game& g) {
    grids[MarketGrid] = {{"Platform", "Week total", "Week US", "Week EU", "Week ASIA", "Public opinion",
                          "Overall Index", "CPU Spec", "Price"},
                         {}};
    grids[BaseGrid] = {{"Platform", "Sold number", "Production Cost", "Price", "% Still in use ", "% Piracy", "Age"},
                       {}};
    grids[DiscontinuedGrid] = {{"Platform", "Sold number", "Production Cost", "", "% Still in use ", "% Piracy", "Age"},
                               {}};
    regions = {{"America", 0}, {"Europe", 0}, {"Asia", 0}};
    topPlatforms.clear();

    const auto& pfs = g.tables().platforms;
    for (int p = 1; p <= kPlatformSlots; ++p) {
        const Platform& pf = pfs[p];
        if (!pf.released) continue;
        if (pf.discontinued) {
            grids[DiscontinuedGrid].rows.push_back({p, baseCells(g, p, false)});
            continue;
        }
        const auto& w = pf.weekSalesByRegion;
        const i32 total = w[1] + w[2] + w[3];
        grids[MarketGrid].rows.push_back(
            {p,
             {platformNameText(g, p), std::to_string(total), std::to_string(w[1]), std::to_string(w[2]),
              std::to_string(w[3]), opinionWord(pf.opinion), std::to_string(pf.overallIndex),
              std::to_string(pf.cpuSpec), std::to_string(pf.price) + "$"}});
        grids[BaseGrid].rows.push_back({p, baseCells(g, p, true)});
        for (int r = 0; r < 3; ++r) regions[static_cast<std::size_t>(r)].value += w[r + 1];
    }
    sortGrid(grids[MarketGrid], 1, true);
    sortGrid(grids[BaseGrid], 1, true);
    for (std::size_t i = 0; i < grids[MarketGrid].rows.size() && i < 5; ++i) {
        const GridRow& row = grids[MarketGrid].rows[i];
        topPlatforms.push_back(
            {pieLabel(row.cells[0]), static_cast<i32>(std::strtol(row.cells[1].c_str(), nullptr, 10))});
    }
}

void PlatformsScreen::headerClicked(int grid, int column) {
    if (grid < 0 || grid > 2) return;
    sortGrid(grids[grid], column, nextDescending);
    nextDescending = !nextDescending;
}

void CpuScreen::build(const Game& g) {
    grid = {{"CPU name", "Speed Index", "Price", "Age", "Bits", "Type", "ID"}, {}};
    chart.clear();
    const auto& cpus = g.tables().cpus;
    for (int i = 1; i <= kCpuSlots; ++i) {
        const Cpu& c = cpus[i];
        if (!c.announced) continue;
        const bool shown = (c.cpuType == 1 && showCpus) || (c.cpuType == 2 && showGpus) ||
                           (c.cpuType == 4 && showSpus) || c.cpuType == 3;
        if (!shown) continue;
        grid.rows.push_back({i,
                             {c.name.str(), std::to_string(c.speed), std::to_string(c.price),
                              platformAgeText(g, c.releaseYear, c.releaseWeek), c.bits.str(), cpuTypeText(c.cpuType),
                              std::to_string(i)}});
    }
    sortGrid(grid, PriceColumn, true);
    for (std::size_t r = 0; r < grid.rows.size() && r < 7; ++r) {
        const Cpu& c = cpus[grid.rows[r].index];
        Series s{grid.rows[r].index, c.name.str(), {}};
        for (int w = 1; w < g.currentWeek && w <= 52; ++w)
            if (c.priceHistory[w] != 0) s.points.emplace_back(w, c.priceHistory[w]);
        chart.push_back(std::move(s));
    }
}

void CpuScreen::headerClicked(int column) {
    sortGrid(grid, column, nextDescending);
    nextDescending = !nextDescending;
}

Mood opinionMood(i32 opinion) { return opinion >= 55 ? Mood::Good : (opinion < 30 ? Mood::Bad : Mood::Neutral); }
Mood specMood(i32 cpuSpec) { return cpuSpec >= 1000 ? Mood::Good : (cpuSpec < 750 ? Mood::Bad : Mood::Neutral); }
Mood priceMood(i32 price) { return price < 300 ? Mood::Good : (price > 500 ? Mood::Bad : Mood::Neutral); }
Mood analysisMood(i32 score) { return score >= 142 ? Mood::Good : (score < 97 ? Mood::Bad : Mood::Neutral); }

Mood cpuSpeedMood(const World& w, const Cpu& cpu) {
    const i32 best = cpu.cpuType == 1   ? w.bestCpuSpeed
                     : cpu.cpuType == 2 ? w.bestGpuSpeed
                     : cpu.cpuType == 4 ? w.bestSpuSpeed
                                        : 0;
    if (best > 0 && cpu.speed >= best) return Mood::Good;
    if (cpu.cpuType == 1 && cpu.speed < w.bestCpuSpeed / 2) return Mood::Bad;
    return Mood::Neutral;
}

Mood platformCellMood(const Platform& pf, int grid, int column) {
    if (grid == PlatformsScreen::MarketGrid) {
        switch (column) {
            case 5:
                return opinionMood(pf.opinion);
            case 7:
                return specMood(pf.cpuSpec);
            case 8:
                return priceMood(pf.price);
            default:
                return Mood::Neutral;
        }
    }
    switch (column) {
        case 3:
            return grid == PlatformsScreen::BaseGrid ? priceMood(pf.price) : Mood::Neutral;
        // Still in use below 100% counts for a platform, piracy against it.
        case 4:
            return pf.stillInUsePercent < 99 ? Mood::Good : Mood::Neutral;
        case 5:
            return pf.piracyPercent >= 10 ? Mood::Bad : Mood::Neutral;
        default:
            return Mood::Neutral;
    }
}

i32 platformAnalysisScore(const Platform& pf) {
    i32 s = pf.cpuSpec / 10;
    i32 ageClass = pf.weeksOnMarket / 5 + 10;
    // Only a corrupt negative week count can make this 0; it must not stop the screen.
    if (ageClass == 0) ageClass = 1;
    s += pf.soldUnits / ageClass / 250;
    s -= static_cast<i32>(std::int64_t{pf.piracyPercent} * s / 100);  // s may be large in a damaged save
    s -= (s / 100) * (pf.stillInUsePercent - 99);
    if (pf.soldUnits < 200000) s -= s * 5 / 100;
    if (pf.soldUnits < 100000) s -= s * 10 / 100;
    if (s <= 0) s = 1;
    return s;
}

std::string positiveEffects(const Platform& pf) {
    std::vector<const char*> e;
    if (pf.cpuSpec >= 1000) e.push_back("High specs,");
    if (pf.opinion > 50) e.push_back("Public opinion,");
    if (pf.price < 300) e.push_back("Low Price,");
    if (pf.weeksOnMarket < 20) e.push_back("New,");
    return joinEffects(e);
}

std::string negativeEffects(const Platform& pf) {
    std::vector<const char*> e;
    if (pf.cpuSpec < 750) e.push_back("Low specs,");
    if (pf.opinion < 35) e.push_back("Public opinion,");
    if (pf.price > 500) e.push_back("High Price,");
    if (pf.weeksOnMarket > 208) e.push_back("Old,");
    return joinEffects(e);
}

void PlatformAnalysis::build(const Game& g) {
    label = "Week " + std::to_string(g.currentWeek) + ", " + std::to_string(g.currentYear);
    headers = {"Platform", "Positive effects", "Negative effects", "Analysis Score"};
    rows.clear();
    const auto& pfs = g.tables().platforms;
    for (int p = 1; p <= kPlatformSlots; ++p) {
        const Platform& pf = pfs[p];
        if (!pf.released) continue;
        const i32 s = platformAnalysisScore(pf);
        rows.push_back({p, platformNameText(g, p), positiveEffects(pf), negativeEffects(pf), analysisScoreWord(s), s});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.score > b.score; });
}

}  // namespace cw
