// Market commands of the headless driver: the game catalogue with its week
// sales and chart positions, one title in full, and the computer-run
// companies with their cash, staff and titles on sale.
#include <algorithm>
#include <cctype>

#include "cli/commands.h"
#include "cli/driver.h"
#include "market/company_list.h"
#include "market/sales.h"

namespace cw::cli {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string platformText(const Game& g, int platform) {
    const auto& platforms = g.tables().platforms;
    return platform >= 1 && platforms.inRange(platform) ? platforms[platform].name.str() : std::string("-");
}

std::string genreText(const Game& g, int genre) {
    const auto& genres = g.tables().genres;
    return genre >= 1 && genres.inRange(genre) ? genres[genre].name.str() : std::string("-");
}

// The player's titles name their publisher's Companies entry, the others a
// row of the reference company list.
std::string companyText(const Game& g, const GameTitle& t) {
    if (t.isPlayers) {
        const auto& companies = g.tables().companies;
        return t.companyRow >= 1 && companies.inRange(t.companyRow) ? companies[t.companyRow].name.str()
                                                                    : std::string("(no publisher)");
    }
    const std::string& name = companyRowName(g, t.companyRow);
    return name.empty() ? std::string("-") : name;
}

std::string stateText(const Game& g, int year, const GameTitle& t) {
    if (sellingThisWeek(g, year, t)) return "on sale";
    return t.released ? "released" : "coming";
}

struct Entry {
    int year;
    int index;
    const GameTitle* title;
};

std::string cmdTitles(Session& s, const Command& cmd) {
    const Game& g = *s.game;
    long long year = 0, limit = 1000000;
    std::string company, platform, sort = "catalogue";
    bool onSale = false;
    for (const Arg& a : cmd.args) {
        if (a.key.empty() && a.value == "onsale") {
            onSale = true;
        } else if (a.key == "year") {
            if (!parseInt(a.value, year) || year < 1977 || year > 2015) return "year must be 1977..2015";
        } else if (a.key == "company") {
            company = lower(a.value);
        } else if (a.key == "platform") {
            platform = a.value;
        } else if (a.key == "limit") {
            if (!parseInt(a.value, limit) || limit < 0) return "limit must be a whole number";
        } else if (a.key == "sort") {
            if (a.value != "catalogue" && a.value != "chart" && a.value != "total" && a.value != "week")
                return "sort must be catalogue, chart, total or week";
            sort = a.value;
        } else {
            return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
        }
    }
    long long platformIndex = 0;
    const bool platformByIndex = !platform.empty() && parseInt(platform, platformIndex);

    const SaveImage& t = g.tables();
    std::vector<Entry> entries;
    for (int y = year ? static_cast<int>(year) : 1977; y <= (year ? year : 2015); ++y) {
        const int count = std::clamp<i32>(t.titlesPerYear[y], 0, 3500);
        for (int n = 1; n <= count; ++n) {
            const GameTitle& title = t.gameTitles[y][n];
            if (title.title.empty()) continue;
            if (onSale && !sellingThisWeek(g, y, title)) continue;
            if (!company.empty() && lower(companyText(g, title)).find(company) == std::string::npos) continue;
            if (!platform.empty()) {
                if (platformByIndex ? title.platform != platformIndex
                                    : lower(platformText(g, title.platform)) != lower(platform))
                    continue;
            }
            entries.push_back({y, n, &title});
        }
    }
    if (sort == "chart")
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.title->chartPos < b.title->chartPos; });
    else if (sort == "total")
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.title->totalSales > b.title->totalSales; });
    else if (sort == "week")
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return weekSalesSum(*a.title) > weekSalesSum(*b.title);
        });

    const std::size_t shown = std::min<std::size_t>(entries.size(), static_cast<std::size_t>(limit));
    s.out << "titles: " << shown << " of " << entries.size() << " (week " << g.currentWeek << ", " << g.currentYear
          << ")\n";
    s.out << "  year/index | title | released | company | platform | genre | score | review | US | EU | Asia | "
             "total | chart | best | state\n";
    for (std::size_t i = 0; i < shown; ++i) {
        const Entry& e = entries[i];
        const GameTitle& x = *e.title;
        s.out << "  " << e.year << '/' << e.index << " | " << x.title.view() << " | w" << int(x.releaseWeek) << ' '
              << x.releaseYear << " | " << companyText(g, x) << " | " << platformText(g, x.platform) << " | "
              << genreText(g, x.genre) << " | " << int(x.salesScore) << " | " << int(x.reviewScore) << " | "
              << x.weekSalesUS << " | " << x.weekSalesEU << " | " << x.weekSalesAsia << " | " << x.totalSales << " | "
              << int(x.chartPos) << " | " << int(x.bestChartPos) << " | " << stateText(g, e.year, x) << '\n';
    }
    return {};
}

std::string cmdTitle(Session& s, const Command& cmd) {
    if (cmd.positional().size() != 2 || cmd.args.size() != 2) return "usage: title YEAR INDEX";
    long long year = 0, index = 0;
    if (auto err = needInt(cmd, 0, 1977, 2015, year); !err.empty()) return err;
    if (auto err = needInt(cmd, 1, 1, 3500, index); !err.empty()) return err;
    const Game& g = *s.game;
    const GameTitle& x = g.tables().gameTitles[static_cast<int>(year)][static_cast<int>(index)];
    if (x.title.empty()) {
        s.out << "title " << year << '/' << index << ": (free slot)\n";
        return {};
    }
    auto line = [&s](const char* key, const auto& value) { s.out << "  " << key << ": " << value << '\n'; };
    s.out << "title " << year << '/' << index << ": " << x.title.view() << '\n';
    line("state", stateText(g, static_cast<int>(year), x));
    line("company", companyText(g, x));
    line("companyRow", x.companyRow);
    line("platform", std::to_string(x.platform) + " " + platformText(g, x.platform));
    line("genre", std::to_string(x.genre) + " " + genreText(g, x.genre));
    line("releaseYear", x.releaseYear);
    line("releaseWeek", int(x.releaseWeek));
    line("isPlayers", x.isPlayers ? "yes" : "no");
    line("salesScore", int(x.salesScore));
    line("reviewScore", int(x.reviewScore));
    line("weeksOnSale", x.weeksOnSale);
    line("regions", std::string(x.inUS ? "US " : "") + (x.inEU ? "Europe " : "") + (x.inAsia ? "Asia" : ""));
    line("weekSalesUS", x.weekSalesUS);
    line("weekSalesEU", x.weekSalesEU);
    line("weekSalesAsia", x.weekSalesAsia);
    line("totalSales", x.totalSales);
    line("chartPos", int(x.chartPos));
    line("bestChartPos", int(x.bestChartPos));
    line("price", x.price);
    line("hype", x.hype);
    line("fans", x.fans);
    line("publisherShare", int(x.publisherShare));
    line("partnerShare", int(x.partnerShare));
    line("paidToPartners", x.paidToPartners);
    line("weeklyOutput", x.weeklyOutput);
    line("usesPlayerEngine", x.usesPlayerEngine ? "yes" : "no");
    line("engineRoyalty", x.engineRoyalty);
    return {};
}

std::string cmdCompanies(Session& s, const Command& cmd) {
    long long limit = 1000000;
    for (const Arg& a : cmd.args) {
        if (a.key != "limit") return "unexpected argument \"" + (a.key.empty() ? a.value : a.key) + "\"";
        if (!parseInt(a.value, limit) || limit < 0) return "limit must be a whole number";
    }
    const Game& g = *s.game;
    const auto onSale = titlesOnSaleByCompany(g);
    const auto& companies = g.tables().companies;
    int listed = 0;
    for (const Company& c : companies)
        if (!c.name.empty()) ++listed;
    s.out << "companies: " << std::min<long long>(listed, limit) << " of " << listed << '\n';
    s.out << "  index | name | money | staff | titles on sale | first year\n";
    long long shown = 0;
    for (int i = 1; i <= decltype(SaveImage::companies)::last && shown < limit; ++i) {
        const Company& c = companies[i];
        if (c.name.empty()) continue;
        int staff = 0;
        for (i32 person : c.staff)
            if (person > 0) ++staff;
        s.out << "  " << i << " | " << c.name.view() << " | " << c.money << " | " << staff << " | "
              << onSale[static_cast<std::size_t>(i)] << " | " << c.firstYear << '\n';
        ++shown;
    }
    return {};
}

}  // namespace

void registerMarketCommands(CommandTable& t) {
    t.add({"titles", "titles [year=Y] [company=NAME] [platform=P] [onsale] [sort=catalogue|chart|total|week] [limit=N]",
           "print catalogue entries: release, company, platform, genre, scores, week sales, total and chart",
           cmdTitles});
    t.add({"title", "title YEAR INDEX", "print one catalogue entry in full", cmdTitle});
    t.add({"companies", "companies [limit=N]", "print the computer-run companies: cash, staff and titles on sale",
           cmdCompanies});
}

}  // namespace cw::cli
