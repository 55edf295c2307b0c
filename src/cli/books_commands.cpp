// The company's books in the headless driver: the overview, the finance
// graphs, the annual report and the milestones.
#include <algorithm>

#include "cli/commands.h"
#include "cli/driver.h"
#include "finance/board.h"
#include "finance/company_books.h"
#include "people/labour_market.h"

namespace cw::cli {
namespace {

const char* colourWord(ReportColour c) {
    switch (c) {
        case ReportColour::Green: return " (green)";
        case ReportColour::Red: return " (red)";
        case ReportColour::None: break;
    }
    return "";
}

std::string cmdOverview(Session& s, const Command& cmd) {
    OverviewTab tab = OverviewTab::Games;
    for (const auto& a : cmd.args) {
        if (a.key != "tab") return "takes tab=games|platforms";
        if (a.value == "games")
            tab = OverviewTab::Games;
        else if (a.value == "platforms")
            tab = OverviewTab::Platforms;
        else
            return "tab is games or platforms, not " + a.value;
    }
    const Game& g = *s.game;
    const CompanyOverview o = companyOverview(g, officeCapacity(g), tab);
    auto& out = s.out;
    out << "TForm_company_overview: Company Overview\n"
        << "  " << o.company << '\n'
        << "  " << o.ceo << '\n'
        << "Financial\n  " << o.cash << "\n  " << o.loan << "\n  " << o.shares << '\n'
        << "Public image\n  " << o.gamesImage << "\n  " << o.platformsImage << '\n'
        << "Buildings\n  " << o.headquarters << "\n  " << o.extraOffices << "\n  " << o.factory << "\n  "
        << o.warehouse << "\n  " << o.officeSpace << "\n  " << o.warehouseSpace << '\n'
        << "Company Goal\n  " << oneLine(o.goal) << "\n  " << o.opinionCaption << ' ' << o.opinion << " ("
        << opinionBarWord(o.opinion) << ")\n";
    out << (tab == OverviewTab::Games ? "Games" : "Platforms") << ": " << o.titles[0] << " | " << o.titles[1] << " | "
        << o.titles[2] << '\n';
    for (const OverviewRow& r : o.rows) out << "  " << oneLine(r.name) << " | " << r.income << " | " << r.third << '\n';
    if (o.rows.empty()) out << "  (none)\n";
    return {};
}

std::string cmdGraph(Session& s, const Command& cmd) {
    long long kind = 0;
    if (cmd.args.size() != 1 || !cmd.args[0].key.empty() || !parseInt(cmd.args[0].value, kind) ||
        !financeGraphKind(static_cast<int>(kind)))
        return "takes one kind: 1..6 (yearly) or 10..13 (weekly)";
    const FinanceGraph f = showFinanceGraph(*s.game, static_cast<int>(kind));
    s.out << "graph " << f.kind << " \"" << f.button << "\": " << f.title << " (x axis " << f.xAxis << ")\n";
    for (const auto& [x, y] : f.points) s.out << "  " << f.xAxis << ' ' << x << ": " << y << '\n';
    if (f.points.empty()) s.out << "  (no point yet)\n";
    return {};
}

std::string cmdAnnualReport(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    printAnnualReport(s, s.out);
    return {};
}

std::string cmdMilestones(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1 || (pos[0] != "company" && pos[0] != "world"))
        return "takes company or world";
    s.out << (pos[0] == "world" ? "World Milestones\n" : "Company Milestones\n");
    for (const std::string& line : showMilestones(*s.game, pos[0] == "world")) s.out << "  " << oneLine(line) << '\n';
    return {};
}

}  // namespace

void printAnnualReport(Session& s, std::ostream& out) {
    const AnnualReport r = showAnnualReport(*s.game);
    std::size_t width = 0;
    for (const auto& c : r.captions) width = std::max(width, c.size());
    std::vector<std::string> cells[3];
    std::size_t colWidth = 14;
    for (int c = 0; c < 3; ++c)
        for (const ReportCell& cell : r.columns[static_cast<std::size_t>(c)].lines) {
            cells[c].push_back(cell.text + colourWord(cell.colour));
            colWidth = std::max(colWidth, cells[c].back().size());
        }
    auto pad = [](std::string t, std::size_t n) {
        t.resize(std::max(n, t.size()), ' ');
        return t;
    };
    out << "Annual report\n  " << pad("", width);
    for (const auto& col : r.columns) out << " | " << pad(std::to_string(col.year), colWidth);
    out << '\n';
    for (std::size_t i = 0; i < r.captions.size(); ++i) {
        out << "  " << pad(r.captions[i], width);
        for (int c = 0; c < 3; ++c) out << " | " << pad(i < cells[c].size() ? cells[c][i] : std::string(), colWidth);
        out << '\n';
    }
}

void registerBooksCommands(CommandTable& t) {
    t.add({"overview", "overview [tab=games|platforms]",
           "\"Company Overview\": finances, public image, buildings, the company goal and the product grid", cmdOverview,
           kNeedsGame});
    t.add({"graph", "graph KIND",
           "one curve of \"Company Graphs and Reports\": kinds 1..6 a line per year, 10..13 a line per week", cmdGraph,
           kNeedsGame});
    t.add({"annual-report", "annual-report", "the annual report: this year and the two before, side by side",
           cmdAnnualReport, kNeedsGame});
    t.add({"milestones", "milestones company|world", "the company's or the world's history, year by year",
           cmdMilestones, kNeedsGame});
}

}  // namespace cw::cli
