// Hardware commands of the headless driver: the platforms screen, the
// processor screen and the platform market analysis, printed as they show.
#include <algorithm>

#include "cli/commands.h"
#include "cli/driver.h"
#include "hardware/platform_screens.h"

namespace cw::cli {
namespace {

// Columns padded to their widest cell and parted by " | ", so an empty cell
// still shows. With `indexColumn` (a caption) each row starts with the slot
// it shows, the number other commands take.
void printGrid(std::ostream& out, const Grid& original, const char* indexColumn = nullptr) {
    Grid grid = original;
    if (indexColumn) {
        grid.headers.insert(grid.headers.begin(), indexColumn);
        for (GridRow& r : grid.rows) r.cells.insert(r.cells.begin(), std::to_string(r.index));
    }
    std::vector<std::size_t> width(grid.headers.size(), 0);
    auto widen = [&width](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size() && c < width.size(); ++c)
            width[c] = std::max(width[c], cellWidth(cells[c]));
    };
    widen(grid.headers);
    for (const GridRow& r : grid.rows) widen(r.cells);
    auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t c = 0; c < width.size(); ++c) {
            const std::string cell = c < cells.size() ? oneLine(cells[c]) : std::string();
            if (c > 0) text += " | ";
            text += cell;
            if (c + 1 < width.size()) text.append(width[c] - cellWidth(cell), ' ');
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << "  " << text << '\n';
    };
    line(grid.headers);
    for (const GridRow& r : grid.rows) line(r.cells);
}

void printSlices(std::ostream& out, const char* caption, const std::vector<PieSlice>& slices) {
    out << caption << ':';
    if (slices.empty()) out << " (none)";
    for (std::size_t i = 0; i < slices.size(); ++i)
        out << (i == 0 ? " " : " | ") << slices[i].label << ' ' << slices[i].value;
    out << '\n';
}

// "click=G,C" (platforms) or "click=C" (processors): 1-based grid and column.
std::string parseClick(const std::string& text, bool withGrid, int columns, int& grid, int& column) {
    long long g = 1, c = 0;
    const auto comma = text.find(',');
    if (withGrid) {
        if (comma == std::string::npos || !parseInt(text.substr(0, comma), g) || !parseInt(text.substr(comma + 1), c))
            return "click must be GRID,COLUMN, not \"" + text + "\"";
        if (g < 1 || g > 3) return "the grid must be 1..3";
    } else if (!parseInt(text, c)) {
        return "click must be a column number, not \"" + text + "\"";
    }
    if (c < 1 || c > columns) return "the column must be 1.." + std::to_string(columns);
    grid = static_cast<int>(g) - 1;
    column = static_cast<int>(c) - 1;
    return {};
}

std::string cmdPlatforms(Session& s, const Command& cmd) {
    PlatformsScreen screen;
    screen.build(*s.game);
    std::vector<std::pair<int, int>> clicks;
    for (const Arg& a : cmd.args) {
        if (a.key != "click") return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
        int grid = 0, column = 0;
        if (auto err = parseClick(a.value, true, 9, grid, column); !err.empty()) return err;
        if (column >= static_cast<int>(screen.grids[grid].headers.size()))
            return "grid " + std::to_string(grid + 1) + " has " + std::to_string(screen.grids[grid].headers.size()) +
                   " columns";
        clicks.emplace_back(grid, column);
    }
    for (const auto& [grid, column] : clicks) screen.headerClicked(grid, column);
    const char* captions[3] = {"Platforms on the market", "Sold platforms", "Discontinued platforms"};
    s.out << "TForm_platforms: week " << s.game->currentWeek << ", " << s.game->currentYear << '\n';
    for (int i = 0; i < 3; ++i) {
        s.out << "Grid " << (i + 1) << ": " << captions[i] << " (" << screen.grids[i].rows.size() << ")\n";
        printGrid(s.out, screen.grids[i], "N");
    }
    printSlices(s.out, "Regions", screen.regions);
    printSlices(s.out, "Top platforms", screen.topPlatforms);
    return {};
}

std::string cmdCpus(Session& s, const Command& cmd) {
    CpuScreen screen;
    std::vector<int> clicks;
    for (const Arg& a : cmd.args) {
        bool* box = a.key == "cpus"   ? &screen.showCpus
                    : a.key == "gpus" ? &screen.showGpus
                    : a.key == "spus" ? &screen.showSpus
                                      : nullptr;
        if (box) {
            if (a.value == "on" || a.value == "yes")
                *box = true;
            else if (a.value == "off" || a.value == "no")
                *box = false;
            else
                return a.key + " must be on or off, not \"" + a.value + "\"";
        } else if (a.key == "click") {
            int grid = 0, column = 0;
            if (auto err = parseClick(a.value, false, 7, grid, column); !err.empty()) return err;
            clicks.push_back(column);
        } else {
            return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
        }
    }
    screen.build(*s.game);
    for (int column : clicks) screen.headerClicked(column);
    s.out << "Tform_cpu: week " << s.game->currentWeek << ", " << s.game->currentYear << " (CPUs "
          << (screen.showCpus ? "on" : "off") << ", GPUs " << (screen.showGpus ? "on" : "off") << ", SPUs "
          << (screen.showSpus ? "on" : "off") << ")\n";
    s.out << "Processors (" << screen.grid.rows.size() << ")\n";
    printGrid(s.out, screen.grid);
    s.out << "Price chart (" << screen.chart.size() << " series)\n";
    for (const CpuScreen::Series& series : screen.chart) {
        s.out << "  " << series.name << ':';
        if (series.points.empty()) s.out << " (no weeks yet)";
        for (const auto& [week, price] : series.points) s.out << ' ' << week << '=' << price;
        s.out << '\n';
    }
    return {};
}

std::string cmdPlatformAnalysis(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    PlatformAnalysis screen;
    screen.build(*s.game);
    Grid grid{screen.headers, {}};
    grid.headers.push_back("Score");
    for (const PlatformAnalysis::Row& r : screen.rows)
        grid.rows.push_back({r.platform, {r.name, r.positive, r.negative, r.word, std::to_string(r.score)}});
    s.out << "TForm_platform_analysis: " << screen.label << '\n';
    s.out << "Platforms (" << screen.rows.size() << ")\n";
    printGrid(s.out, grid);
    return {};
}

}  // namespace

void registerHardwareCommands(CommandTable& t) {
    t.add({"platforms", "platforms [click=GRID,COLUMN ...]",
           "print the platforms screen: its three grids and two charts (clicks sort by a header)", cmdPlatforms, kNeedsGame});
    t.add({"cpus", "cpus [cpus=on|off] [gpus=on|off] [spus=on|off] [click=COLUMN ...]",
           "print the processor screen: the processors on the market and the price chart", cmdCpus, kNeedsGame});
    t.add({"platform-analysis", "platform-analysis", "print the platform market analysis, best score first",
           cmdPlatformAnalysis, kNeedsGame});
}

}  // namespace cw::cli
