#include "refdata/convert.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>

#include "refdata/disguise.h"
#include "state/log.h"

namespace cw {
namespace fs = std::filesystem;

const ConversionFile kConversionFiles[5] = {
    {"cw2_text_conv.txt", &ReferenceTables::List_games},
    {"CW2_Comp_conv.txt", &ReferenceTables::List_Company},
    {"CW2_ltds_conv.txt", &ReferenceTables::List_LTDs},
    {"CW2_Genre_conv.txt", &ReferenceTables::list_genre},
    {"CW2_platforms_conv.txt", &ReferenceTables::list_platforms},
};

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool parseYear(const std::string& text, int& year) {
    const std::string s = trimmed(text);
    if (s.empty() || s.size() > 4) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    year = std::stoi(s);
    return year >= 1970 && year <= 2099;
}

int cellInt(const StringTable& t, int col, int row) {
    const std::string s = trimmed(t.cell(col, row));
    if (s.empty()) return 0;
    try {
        return std::stoi(s);
    } catch (...) {
        return 0;
    }
}

// A list's text, lower-cased, with an index of its three-letter pieces so
// that the many titles it does not hold are rejected quickly.
class ListText {
public:
    explicit ListText(const std::string& text) : text_(lower(text)) {
        for (std::size_t i = 0; i + 3 <= text_.size(); ++i) grams_.insert(text_.substr(i, 3));
    }
    bool holds(const std::string& lowerTitle) const {
        if (lowerTitle.size() >= 3 && !grams_.count(lowerTitle.substr(0, 3))) return false;
        return text_.find(lowerTitle) != std::string::npos;
    }

private:
    std::string text_;
    std::unordered_set<std::string> grams_;
};

// A table that grows by writing into its blank last row, so that entries
// are numbered from 1 in order of first appearance.
struct GrowingTable {
    StringTable& t;
    std::unordered_map<std::string, int> index;

    int add(std::vector<std::string> cells) {
        const int row = t.rowCount() - 1;
        for (std::size_t c = 0; c < cells.size(); ++c) t.setCell(static_cast<int>(c), row, std::move(cells[c]));
        t.setRowCount(t.rowCount() + 1);
        return row;
    }
    void widen(int row, int year, int firstCol, int lastCol) {
        if (year < cellInt(t, firstCol, row)) t.setCell(firstCol, row, std::to_string(year));
        if (lastCol >= 0 && year > cellInt(t, lastCol, row)) t.setCell(lastCol, row, std::to_string(year));
    }
    void bump(int col, int row) { t.setCell(col, row, std::to_string(cellInt(t, col, row) + 1)); }
};

void resetTable(StringTable& t, int columns, std::vector<std::string> titles) {
    t.rows.clear();
    t.setColCount(columns);
    t.setRowCount(2);
    for (std::size_t c = 0; c < titles.size(); ++c) t.setCell(static_cast<int>(c), 0, titles[c]);
}

int baseGenreIndex(const std::string& name) {
    const std::string n = trimmed(name);
    for (int i = 0; i <= 9; ++i)
        if (n == BaseGenreNames[i]) return i;
    return -1;
}

// The genre cell as a code: "5" or "5,8". A name outside the nine genres is
// left out of the code (and logged) rather than kept as text, which could
// never become a genre.
std::string genreCode(const std::string& cell, const std::string& title) {
    const std::vector<std::string> f = splitFields(cell, ',');
    if (f.size() == 1) {
        if (trimmed(f[0]).empty()) return "9";
        const int i = baseGenreIndex(f[0]);
        if (i < 0) writeLog("WARNING: unknown genre \"" + f[0] + "\" of \"" + title + "\"");
        return i >= 0 ? std::to_string(i) : std::string();
    }
    std::string code;
    const int a = baseGenreIndex(f[0]);
    if (a >= 0) code = std::to_string(a) + ",";
    const int b = baseGenreIndex(f[1]);
    if (b >= 0) code += std::to_string(b);
    if (a < 0 || b < 0) writeLog("WARNING: unknown genre in \"" + cell + "\" of \"" + title + "\"");
    return code;
}

}  // namespace

void convertCatalogue(ReferenceTables& t, Game& g, const BonusLists& lists, const std::string& folder,
                      const std::function<void(int)>& status) {
    auto& perYear = t.catalogueGamesPerYear;
    for (auto& n : perYear) n = 0;

    StringTable& games = t.List_games;
    games.setColCount(std::max(games.colCount(), 9));
    const char* gameTitles[] = {"Title", "Year", "Company", "Genre", "Platforms",
                                "All Bonus", "Platf.Bonus", "Genre bonus", "Year bonus"};
    for (int c = 0; c < 9; ++c) games.setCell(c, 0, gameTitles[c]);
    // Every conversion starts the derived tables afresh, so that a second
    // rebuild in one run does not count every game twice.
    resetTable(t.List_Company, 5, {"company Name", "Num of games", "First Year", "Last year", ""});
    resetTable(t.List_LTDs, 2, {"company Name", "company Num"});
    resetTable(t.list_genre, 4, {"Genre Pri/sec", "Numbers", "Friendlyname", "Year discovered"});
    resetTable(t.list_platforms, 4, {"Name", "Release Numbers", "First year", "Last year"});
    t.namesNotConverted.clear();
    t.yearReleases.clear();

    GrowingTable companies{t.List_Company, {}};
    GrowingTable genres{t.list_genre, {}};
    GrowingTable platforms{t.list_platforms, {}};
    GrowingTable ltds{t.List_LTDs, {}};
    const ListText top25(lists.top25), top10(lists.top10All), genreBest(lists.genreBest), yearBest(lists.yearBest);

    for (int r = 1; r < games.rowCount(); ++r) {
        if (status && r % 25 == 0) status(r);
        if (games.cell(2, r).empty()) games.setCell(2, r, kHouseCompanyName);
        const std::string title = games.cell(0, r);
        if (trimmed(title).empty()) continue;
        int year = 0;
        if (!parseYear(games.cell(1, r), year)) {
            // A year the tables cannot hold would count outside them.
            writeLog("WARNING: catalogue row " + std::to_string(r) + " has no year in 1970..2099; skipped");
            continue;
        }
        const std::string company = splitFields(games.cell(2, r), ',')[0];
        games.setCell(2, r, company);

        const std::string lowerTitle = lower(title);
        games.setCell(5, r, top25.holds(lowerTitle) ? "1" : "");
        games.setCell(6, r, top10.holds(lowerTitle) ? "1" : "");
        games.setCell(7, r, genreBest.holds(lowerTitle) ? "1" : "");
        games.setCell(8, r, yearBest.holds(lowerTitle) ? "1" : "");

        bool changed = false;
        games.setCell(0, r, disguiseName(title, &changed));
        if (!changed) t.namesNotConverted.push_back(title);

        if (!trimmed(games.cell(4, r)).empty()) {
            std::string rowsText;
            for (const std::string& field : splitFields(games.cell(4, r), ',')) {
                const std::string name = trimmed(field);
                if (name.empty()) continue;
                int p = 0;
                if (auto it = platforms.index.find(name); it != platforms.index.end()) {
                    p = it->second;
                    platforms.bump(1, p);
                    platforms.widen(p, year, 2, 3);
                } else {
                    p = platforms.add({name, "1", std::to_string(year), std::to_string(year)});
                    platforms.index.emplace(name, p);
                }
                rowsText += std::to_string(p) + ",";
            }
            if (!rowsText.empty()) rowsText.pop_back();
            games.setCell(4, r, rowsText);
        }

        const std::string code = genreCode(games.cell(3, r), title);
        games.setCell(3, r, code);
        if (!code.empty()) {
            int row = 0;
            if (auto it = genres.index.find(code); it != genres.index.end()) {
                row = it->second;
                genres.bump(1, row);
                genres.widen(row, year, 3, -1);
            } else {
                row = genres.add({code, "1", genreFriendlyName(code), std::to_string(year)});
                genres.index.emplace(code, row);
            }
            games.setCell(3, r, std::to_string(row));
        }

        if (!company.empty()) {
            if (auto it = companies.index.find(company); it != companies.index.end()) {
                const int c = it->second;
                companies.bump(1, c);
                games.setCell(2, r, std::to_string(c));
                perYear[year] += 1;
                companies.widen(c, year, 2, 3);
            } else {
                const int c = companies.add({company, "1", std::to_string(year), std::to_string(year)});
                companies.index.emplace(company, c);
                games.setCell(2, r, std::to_string(c));
            }
        }
    }

    StringTable& comp = t.List_Company;
    for (int c = 1; c < comp.rowCount(); ++c) {
        if (comp.cell(0, c).empty()) continue;
        if (cellInt(comp, 1, c) > 75 && cellInt(comp, 3, c) - cellInt(comp, 2, c) > 5) {
            const int row = ltds.add({comp.cell(0, c), std::to_string(c)});
            comp.setCell(4, c, std::to_string(row));
        }
    }

    StringTable& plat = t.list_platforms;
    const StringTable& release = t.List_platforms_release;
    for (int p = 1; p < plat.rowCount(); ++p) {
        const std::string name = plat.cell(0, p);
        if (name.empty()) continue;
        for (int r = 1; r < release.rowCount(); ++r) {
            if (release.cell(0, r) == name) {
                plat.setCell(2, p, std::to_string(cellInt(release, 2, r) + g.rng.randomInt(3) - 1));
                break;
            }
        }
        const std::string lowerName = lower(name);
        for (const KnownPlatformYear& k : KnownPlatformYears) {
            if (lower(k.name) == lowerName) {
                plat.setCell(2, p, std::to_string(k.year + g.rng.randomInt(3) - 1));
                break;
            }
        }
    }

    for (int y = 1970; y <= 2099; ++y)
        if (perYear[y] != 0) t.yearReleases.push_back(std::to_string(y) + " : " + std::to_string(perYear[y]));

    if (!folder.empty()) {
        for (const ConversionFile& f : kConversionFiles) {
            const std::string path = (fs::path(folder) / f.fileName).string();
            if (!(t.*f.table).save(path)) writeLog("ERROR: cannot write " + path);
        }
    }
    t.testEnabled = true;
}

}  // namespace cw
