// The planning views in the headless driver: the sales charts, the release
// calendar, the paid release analysis and the genre demand.
#include <cctype>
#include <sstream>

#include "cli/commands.h"
#include "cli/driver.h"
#include "market/release_analysis.h"
#include "market/sales_charts.h"

namespace cw::cli {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A platform or genre by its table index or its name (any case), among the
// entries a list offers; "all" or 0 is no filter.
std::string pickEntry(const std::vector<FilterEntry>& list, const std::string& text, const char* what, int& index) {
    long long n = 0;
    const bool byIndex = parseInt(text, n);
    for (const FilterEntry& e : list) {
        if (byIndex ? e.index == n : lower(e.name) == lower(text)) {
            index = e.index;
            return {};
        }
    }
    return std::string(what) + " \"" + text + "\" is not in the list (see the list printed by the screen)";
}

const char* colourTag(ViewColour c) {
    switch (c) {
        case ViewColour::Red: return " [red]";
        case ViewColour::Aqua: return " [aqua]";
        case ViewColour::Maroon: return " [maroon]";
        case ViewColour::Blue: return " [blue]";
        case ViewColour::Black: break;
    }
    return "";
}

std::string entryName(const std::vector<FilterEntry>& list, int index) {
    for (const FilterEntry& e : list)
        if (e.index == index) return e.name;
    return "All";
}

std::string cmdCharts(Session& s, const Command& cmd) {
    const Game& g = *s.game;
    int region = 1, platform = 0, genre = 0;
    const auto platforms = chartPlatformList(g);
    const auto genres = chartGenreList(g);
    for (const Arg& a : cmd.args) {
        if (a.key == "region") {
            if (a.value == "us") region = 1;
            else if (a.value == "eu") region = 2;
            else if (a.value == "asia") region = 3;
            else return "region= takes us, eu or asia";
        } else if (a.key == "platform") {
            if (std::string e = pickEntry(platforms, a.value, "platform", platform); !e.empty()) return e;
        } else if (a.key == "genre") {
            if (std::string e = pickEntry(genres, a.value, "genre", genre); !e.empty()) return e;
        } else {
            return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
        }
    }
    const SalesChartView chart = buildSalesChart(g, region, platform, genre);
    s.out << "TForm_salesCharts: Sales Charts, week " << g.currentWeek << ", " << g.currentYear << '\n';
    s.out << "  Continent: " << continentName(region) << " | Platform: " << entryName(platforms, platform)
          << " | Genre: " << entryName(genres, genre) << '\n';
    s.out << "  Pos | Publisher | Platform | Genre | Game Name | LW | NW\n";
    int shown = 0;
    for (const ChartRow& r : chart.rows) {
        if (r.empty) continue;
        ++shown;
        s.out << "  " << r.pos << " | " << r.publisher << colourTag(r.publisherColour) << " | " << r.platform << " | "
              << r.genre << " | " << r.name << colourTag(r.nameColour) << " | " << r.lw << " | " << r.nw << '\n';
    }
    s.out << "  (" << shown << " of " << chart.candidates << " selling titles; row 100 stays empty)\n";
    return {};
}

std::string yesNo(const Arg& a, bool& flag) {
    if (a.value != "yes" && a.value != "no") return a.key + "= takes yes or no";
    flag = a.value == "yes";
    return {};
}

std::string cmdCalendar(Session& s, const Command& cmd) {
    const Game& g = *s.game;
    CalendarOptions o;
    o.year = g.currentYear;
    const auto platforms = calendarPlatformList(g);
    const auto genres = chartGenreList(g);
    for (const Arg& a : cmd.args) {
        std::string e;
        if (a.key == "half") {
            if (a.value != "1" && a.value != "2") return "half= takes 1 or 2";
            o.offset = a.value == "2" ? 26 : 0;
        } else if (a.key == "year") {
            long long y = 0;
            if (!parseInt(a.value, y) || y < g.currentYear || y > g.currentYear + 2)
                return "year= takes this year or one of the next two";
            o.year = static_cast<int>(y);
        } else if (a.key == "platform") {
            e = pickEntry(platforms, a.value, "platform", o.platform);
        } else if (a.key == "genre") {
            e = pickEntry(genres, a.value, "genre", o.genre);
        } else if (a.key == "consoles") {
            e = yesNo(a, o.consoles);
        } else if (a.key == "games") {
            e = yesNo(a, o.games);
        } else if (a.key == "mediocre") {
            e = yesNo(a, o.mediocre);
        } else if (a.key == "average") {
            e = yesNo(a, o.average);
        } else {
            return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
        }
        if (!e.empty()) return e;
    }
    s.out << "Tform_Calendar: Release Calendar, " << o.year << ", " << (o.offset ? "Week 27 - 52" : "Week 1 - 26")
          << '\n';
    const auto legend = calendarLegend();
    s.out << "  " << legend[0] << " | " << legend[1] << " | " << legend[2] << " | " << legend[3] << '\n';
    for (int k = 1; k <= 26; ++k) {
        const CalendarBox box = fillCalendarWeek(g, o, k);
        if (box.lines.empty() && !box.current) continue;
        s.out << "  " << box.title << (box.current ? " [this week]" : "") << '\n';
        for (const CalendarLine& l : box.lines) {
            if (l.console)
                s.out << "    " << l.text << " [platform]\n";
            else
                s.out << "    " << l.text << '/' << l.platform
                      << (l.colour == ViewColour::Red      ? " [good]"
                          : l.colour == ViewColour::Maroon ? " [average]"
                                                           : " [mediocre]")
                      << '\n';
        }
    }
    return {};
}

void printBox(std::ostream& out, const char* caption, const AnalysisBox& box) {
    out << "  " << caption << "  (from week " << box.firstWeek << ", " << box.firstYear << "; rivals " << box.threat
        << ", after the season " << box.corrected << ")\n";
    std::string text = box.text();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        out << "    " << text.substr(start, end - start) << '\n';
        start = end + 2;
    }
}

std::string cmdAnalyse(Session& s, const Command& cmd) {
    Game& g = *s.game;
    std::string title;
    int platform = 0, genre = 0;
    bool hasPlatform = false, hasGenre = false;
    std::vector<FilterEntry> platforms, genres;
    for (int p = 1; p <= 500; ++p)
        if (!g.tables().platforms[p].name.empty()) platforms.push_back({g.tables().platforms[p].name.str(), p});
    for (int k = 1; k <= 50; ++k)
        if (!g.tables().genres[k].name.empty()) genres.push_back({g.tables().genres[k].name.str(), k});
    for (const Arg& a : cmd.args) {
        std::string e;
        if (a.key == "title") {
            title = a.value;
        } else if (a.key == "platform") {
            e = pickEntry(platforms, a.value, "platform", platform);
            hasPlatform = true;
        } else if (a.key == "genre") {
            e = pickEntry(genres, a.value, "genre", genre);
            hasGenre = true;
        } else {
            return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
        }
        if (!e.empty()) return e;
    }
    if (!hasPlatform || !hasGenre) return "analyse needs platform= and genre=";
    if (!buyReleaseAnalysis(g, s.player)) return {};
    const ReleaseAnalysis a = releaseAnalysis(g, title, platform, genre);
    s.out << "Tform_Analyse: Release Analysis (paid " << kAnalysisPrice << ", money now " << g.world().money << ")\n";
    s.out << "  Title : " << a.title << "\n  Platform : " << a.platform << "\n  Genre : " << a.genre << '\n';
    printBox(s.out, "Release now :", a.now);
    printBox(s.out, "Release in 3 months :", a.later);
    return {};
}

std::string cmdGenreDemand(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    s.out << "TForm_genredemands: Genre Demand\n  Genre Demands\n  Genre | Prognosis | Current Demand\n";
    for (const GenreDemandRow& r : genreDemandRows(*s.game))
        s.out << "  " << r.name << " | " << r.prognosis << " | " << r.interestCaption << " (bar " << r.bar << ")\n";
    return {};
}

}  // namespace

void registerPlanningCommands(CommandTable& t) {
    t.add({"charts", "charts [region=us|eu|asia] [platform=P] [genre=G]",
           "the sales charts of a continent (TForm_salesCharts): position, publisher, platform, genre, name, LW, NW",
           cmdCharts, kNeedsGame});
    t.add({"calendar",
           "calendar [half=1|2] [year=Y] [platform=P] [genre=G] [consoles=yes|no] [games=yes|no] [mediocre=yes|no] "
           "[average=yes|no]",
           "the release calendar (Tform_Calendar): the weeks of a half year with their platform and game releases",
           cmdCalendar, kNeedsGame});
    t.add({"analyse", "analyse title=\"..\" platform=P genre=G",
           "pay 5,000 for the release analysis (Tform_Analyse): releasing now against in 3 months", cmdAnalyse,
           kNeedsGame});
    t.add({"genre-demand", "genre-demand", "the genre demand screen (TForm_genredemands): prognosis and demand per genre",
           cmdGenreDemand, kNeedsGame});
}

}  // namespace cw::cli
