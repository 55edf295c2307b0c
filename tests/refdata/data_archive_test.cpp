// The generated reference data: the shapes the import and the world set-up
// rely on, and the promises about the world's size that make a good game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "refdata/bonus_lists.h"

namespace cw {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::vector<std::string> fields(const std::string& line, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : line) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

std::string trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool isInt(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> member(const std::string& name) {
    return linesOf(readAll(fs::path(CW_DATA_MEMBERS_DIR) / name));
}

// The machines of the three regional name lists, one by one.
const std::vector<std::string> kListedPlatforms = {"3DO",
                                                   "Amiga CD32",
                                                   "Atari 2600",
                                                   "Atari 5200",
                                                   "Atari 7800",
                                                   "ColecoVision",
                                                   "Dreamcast",
                                                   "GameCube",
                                                   "Genesis",
                                                   "Intellivision",
                                                   "Jaguar",
                                                   "Neo Geo",
                                                   "Neo Geo CD",
                                                   "NES",
                                                   "Nintendo 64",
                                                   "PC-FX",
                                                   "PlayStation",
                                                   "PlayStation 2",
                                                   "Saturn",
                                                   "Sega 32X",
                                                   "Sega CD",
                                                   "Sega Master System",
                                                   "SNES",
                                                   "TurboGrafx-16",
                                                   "TurboGrafx CD",
                                                   "Vectrex",
                                                   "V.Smile",
                                                   "Xbox",
                                                   "Game Boy",
                                                   "Game Boy Advance",
                                                   "Game Boy Color",
                                                   "Game.Com",
                                                   "Game Gear",
                                                   "Gizmondo",
                                                   "Lynx",
                                                   "Neo Geo Pocket",
                                                   "Neo Geo Pocket Color",
                                                   "N-Gage",
                                                   "Nintendo DS",
                                                   "PSP",
                                                   "Virtual Boy",
                                                   "WonderSwan",
                                                   "WonderSwan Color",
                                                   "Amiga",
                                                   "Amstrad CPC",
                                                   "Apple II",
                                                   "Atari ST",
                                                   "Commodore 128",
                                                   "Commodore 64",
                                                   "DOS",
                                                   "Linux",
                                                   "MSX",
                                                   "PC Booter",
                                                   "TI-99/4A",
                                                   "TRS-80",
                                                   "TRS-80 CoCo",
                                                   "VIC-20",
                                                   "Windows",
                                                   "Windows 3.x",
                                                   "ZX Spectrum"};

// The game's built-in release years, matched without regard to case. The
// misspelt "Playstaion 3" entry is left out: our catalogue spells the machine
// correctly, so the file's year applies to it.
const std::vector<std::string> kKnownYearNames = {"WINDOWS",
                                                  "windows 3.X",
                                                  "NES",
                                                  "SNES",
                                                  "TurboGrafx-16",
                                                  "TurboGrafx CD",
                                                  "DOS",
                                                  "AMSTRAD CPC",
                                                  "COMMODORE 64",
                                                  "ZX SPECTRUM",
                                                  "AMIGA",
                                                  "AMIGA CD32",
                                                  "ATARI 5200",
                                                  "ATARI 7800",
                                                  "ATARI ST",
                                                  "LYNX",
                                                  "JAGUAR",
                                                  "SEGA MASTER SYSTEM",
                                                  "SEGA CD",
                                                  "GAME GEAR",
                                                  "SEGA 32X",
                                                  "SATURN",
                                                  "GENESIS",
                                                  "LINUX",
                                                  "GAME BOY",
                                                  "GAME BOY COLOR",
                                                  "GAME BOY ADVANCE",
                                                  "NINTENDO 64",
                                                  "GAMECUBE",
                                                  "PLAYSTATION",
                                                  "PLAYSTATION 2",
                                                  "XBOX",
                                                  "PSP",
                                                  "N-GAGE",
                                                  "XBOX 360",
                                                  "3DO",
                                                  "WONDERSWAN COLOR",
                                                  "WONDERSWAN",
                                                  "J2ME",
                                                  "Neo Geo Pocket Color"};

const std::set<std::string> kBaseGenres = {"Action",           "Adventure",          "Educational",
                                           "Racing / Driving", "Role-Playing (RPG)", "Simulation",
                                           "Sports",           "Strategy",           "Puzzle/solving"};

struct Row {
    std::string title;
    int year;
    std::string company;
    std::string genre;
    std::vector<std::string> platforms;
};

class DataArchive : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        rows_ = new std::vector<Row>;
        for (const auto& line : member("cw2_test.txt")) {
            auto f = fields(line, '\t');
            if (f.size() != 5) {
                ++badLines_;
                continue;
            }
            Row r{f[0], isInt(f[1]) ? std::stoi(f[1]) : 0, trim(f[2].substr(0, f[2].find(','))), f[3], {}};
            for (const auto& p : fields(f[4], ',')) r.platforms.push_back(trim(p));
            rows_->push_back(r);
        }
        releases_ = new std::map<std::string, int>;
        for (const auto& line : member("platform_release.csv")) {
            auto f = fields(line, ';');
            if (f.size() == 3 && isInt(f[2]))
                (*releases_)[f[0]] = std::stoi(f[2]);
            else
                ++badLines_;
        }
    }
    static void TearDownTestSuite() {
        delete rows_;
        delete releases_;
    }

    static std::vector<Row>* rows_;
    static std::map<std::string, int>* releases_;
    static int badLines_;
};

std::vector<Row>* DataArchive::rows_ = nullptr;
std::map<std::string, int>* DataArchive::releases_ = nullptr;
int DataArchive::badLines_ = 0;

TEST_F(DataArchive, CatalogueRowsHaveFiveFieldsAndYearsOfTheWorld) {
    EXPECT_EQ(badLines_, 0);
    ASSERT_GE(rows_->size(), 15000u);
    std::map<int, int> titlesPerYear, entriesPerYear;
    std::set<std::string> titles;
    for (const auto& r : *rows_) {
        EXPECT_GE(r.year, 1977) << r.title;
        EXPECT_LE(r.year, 2005) << r.title;
        EXPECT_FALSE(trim(r.title).empty());
        EXPECT_LE(r.title.size(), 30u) << r.title;
        EXPECT_TRUE(titles.insert(lower(r.title)).second) << "twice: " << r.title;
        titlesPerYear[r.year]++;
        entriesPerYear[r.year] += static_cast<int>(r.platforms.size());
    }
    // The world keeps at most 3500 titles a year, one per title and machine.
    for (const auto& [year, n] : entriesPerYear) EXPECT_LE(n, 3500) << year;
    // A market that grows: a trickle in 1977, thousands of games around 2000.
    EXPECT_LT(titlesPerYear[1977], 100);
    EXPECT_GT(titlesPerYear[1990], 3 * titlesPerYear[1980]);
    EXPECT_GT(entriesPerYear[2000], 1000);
}

TEST_F(DataArchive, GenresAreOneOrTwoBaseNamesOrEmpty) {
    std::set<std::string> combinations, alone;
    for (const auto& r : *rows_) {
        if (r.genre.empty()) continue;
        auto g = fields(r.genre, ',');
        ASSERT_LE(g.size(), 2u) << r.title;
        for (const auto& name : g) EXPECT_TRUE(kBaseGenres.count(trim(name))) << r.title << ": " << r.genre;
        combinations.insert(g.size() == 1 ? trim(g[0]) : trim(g[0]) + "," + trim(g[1]));
        if (g.size() == 1) alone.insert(trim(g[0]));
    }
    EXPECT_EQ(alone, kBaseGenres);
    EXPECT_GE(combinations.size(), 30u);
    EXPECT_LE(combinations.size(), 45u);
}

TEST_F(DataArchive, EveryListedMachineHasGamesAndAReleaseYear) {
    std::set<std::string> used;
    for (const auto& r : *rows_)
        for (const auto& p : r.platforms) used.insert(p);
    for (const auto& name : kListedPlatforms) {
        EXPECT_TRUE(used.count(name)) << "no games on " << name;
        EXPECT_TRUE(releases_->count(name)) << "no release year for " << name;
    }
    std::set<std::string> usedLower;
    for (const auto& p : used) usedLower.insert(lower(p));
    for (const auto& name : kKnownYearNames) EXPECT_TRUE(usedLower.count(lower(name))) << name;
    // Every machine of the catalogue is in the release file, spelt the same.
    for (const auto& p : used) EXPECT_TRUE(releases_->count(p)) << p;
    EXPECT_GE(used.size(), 55u);
    EXPECT_LE(used.size(), 70u);
}

TEST_F(DataArchive, GamesComeOutOnlyWhileTheirMachineLives) {
    for (const auto& r : *rows_) {
        for (const auto& p : r.platforms) {
            auto it = releases_->find(p);
            ASSERT_NE(it, releases_->end()) << p;
            // Machines launched after the catalogue's last year carry their
            // announced games in 2005.
            if (it->second > 2005) continue;
            EXPECT_GE(r.year, it->second) << r.title << " on " << p;
        }
    }
    for (const auto& [name, year] : *releases_) {
        EXPECT_GE(year, 1977) << name;
        EXPECT_LE(year, 2007) << name;
    }
}

TEST_F(DataArchive, CompaniesPassTheLargeCompanyTestInTheRightNumbers) {
    struct Span {
        int games = 0, first = 9999, last = 0;
    };
    std::map<std::string, Span> companies;
    for (const auto& r : *rows_) {
        if (r.company.empty()) continue;
        Span& s = companies[r.company];
        s.games++;
        s.first = std::min(s.first, r.year);
        s.last = std::max(s.last, r.year);
    }
    int large = 0;
    for (const auto& [name, s] : companies)
        if (s.games > 75 && s.last - s.first > 5) ++large;
    EXPECT_GE(large, 150);
    EXPECT_LE(large, 400);
    EXPECT_LE(companies.size(), 500u);

    std::set<std::string> names;
    for (const auto& [name, s] : companies) names.insert(lower(name));
    for (const auto& [name, year] : *releases_) names.insert(lower(name));
    for (const auto& r : *rows_) EXPECT_FALSE(names.count(lower(r.title))) << r.title;
}

TEST(DataArchivePeople, NamesAndRanks) {
    auto lines = member("cw2_test_people.txt");
    EXPECT_GE(lines.size(), 3000u);
    EXPECT_LE(lines.size(), 3400u);
    std::set<std::string> seen;
    std::map<int, int> ranks;
    for (const auto& line : lines) {
        auto f = fields(line, ';');
        ASSERT_EQ(f.size(), 2u) << line;
        // The import builds new people from the parts around the one comma.
        EXPECT_EQ(std::count(f[0].begin(), f[0].end(), ','), 1) << line;
        EXPECT_NE(f[0].front(), ',');
        EXPECT_NE(f[0].back(), ',');
        EXPECT_TRUE(seen.insert(f[0]).second) << "twice: " << f[0];
        ASSERT_TRUE(isInt(f[1])) << line;
        ranks[std::stoi(f[1])]++;
    }
    EXPECT_EQ(ranks.size(), 3u);
    EXPECT_GT(ranks[4], ranks[8]);
    EXPECT_GT(ranks[8], ranks[12]);
    EXPECT_GT(ranks[12], 0);
}

TEST(DataArchiveProcessors, TitleLineThenPlausibleChips) {
    auto lines = member("cw2_cpus.csv");
    ASSERT_FALSE(lines.empty());
    EXPECT_FALSE(isInt(fields(lines[0], ';')[1])) << "the first line is the title line";
    EXPECT_GE(lines.size(), 101u);
    std::map<int, int> kinds;
    std::map<int, int> fastestCpuBy;  // five-year block -> best speed
    std::set<std::string> names;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        auto f = fields(lines[i], ';');
        ASSERT_EQ(f.size(), 7u) << lines[i];
        EXPECT_LE(f[0].size(), 25u) << f[0];
        EXPECT_TRUE(names.insert(f[0]).second) << "twice: " << f[0];
        ASSERT_TRUE(isInt(f[1]) && isInt(f[2]) && isInt(f[4]) && isInt(f[5]) && isInt(f[6])) << lines[i];
        int year = std::stoi(f[1]), speed = std::stoi(f[4]), price = std::stoi(f[5]), kind = std::stoi(f[6]);
        EXPECT_GE(year, 1975);
        EXPECT_LE(year, 2005);
        EXPECT_LE(f[3].size(), 3u) << f[3];
        EXPECT_GE(kind, 1);
        EXPECT_LE(kind, 4);
        EXPECT_GT(speed, 0);
        kinds[kind]++;
        // A chip on sale before a game starts in 1980 loses 20 a year from
        // its launch price (one and a half times this price, less up to 5 %);
        // it must still cost something.
        if (year <= 1980) {
            EXPECT_GT(price * 3 / 2 * 95 / 100 - (1981 - year) * 20, 0) << f[0];
        }
        if (kind == 1) fastestCpuBy[(year - 1975) / 5] = std::max(fastestCpuBy[(year - 1975) / 5], speed);
    }
    EXPECT_EQ(kinds.size(), 4u);
    for (auto it = std::next(fastestCpuBy.begin()); it != fastestCpuBy.end(); ++it)
        EXPECT_GT(it->second, std::prev(it)->second) << "CPUs of block " << it->first << " are no faster";
}

TEST_F(DataArchive, BestTitleListsHaveTheirFormsAndNameCatalogueTitles) {
    std::set<std::string> titles;
    for (const auto& r : *rows_) titles.insert(r.title);

    auto top25 = linesOf(Top25Memo);
    ASSERT_EQ(top25.size(), 25u);
    for (std::size_t i = 0; i < top25.size(); ++i) {
        auto f = fields(top25[i], '\t');
        ASSERT_EQ(f.size(), 4u) << top25[i];
        EXPECT_EQ(f[0], std::to_string(i + 1));
        EXPECT_TRUE(titles.count(f[1])) << f[1];
        ASSERT_GE(f[2].size(), 4u);
        EXPECT_EQ(f[2][f[2].size() - 3], '.') << "two decimals: " << f[2];
        EXPECT_TRUE(f[3].empty());
    }

    for (auto [text, count] : {std::pair{Top10All_memo, 63u}, std::pair{GenreBest_memo, 80u}}) {
        auto lines = linesOf(text);
        ASSERT_EQ(lines.size(), count);
        for (const auto& line : lines) {
            ASSERT_FALSE(line.empty());
            EXPECT_EQ(line.back(), '\t');
            EXPECT_TRUE(titles.count(line.substr(0, line.size() - 1))) << line;
        }
    }

    auto years = linesOf(Yearbest_memo);
    ASSERT_EQ(years.size(), 252u);
    int expected = 1, restarts = 0;
    for (const auto& line : years) {
        auto f = fields(line, '\t');
        ASSERT_EQ(f.size(), 3u) << line;
        if (f[0] == "1" && expected != 1) {
            expected = 1;
            ++restarts;
        }
        EXPECT_EQ(f[0], std::to_string(expected++)) << line;
        EXPECT_TRUE(titles.count(f[1])) << f[1];
        EXPECT_TRUE(f[2].empty());
    }
    EXPECT_EQ(restarts, 2005 - 1977);
}

// The archive must come out the same from the same sources: a second run of
// the generator writes the very same bytes.
TEST(DataArchiveGenerator, RepeatsItself) {
    fs::path dir = fs::temp_directory_path() / "cw_datagen_again";
    fs::remove_all(dir);
    std::string command =
        std::string("\"") + CW_DATAGEN_EXE + "\" --words \"" + CW_DATA_WORDS_DIR + "\" --out \"" + dir.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"cw2_test.txt", "cw2_test_people.txt", "cw2_cpus.csv", "platform_release.csv"})
        EXPECT_TRUE(readAll(dir / name) == readAll(fs::path(CW_DATA_MEMBERS_DIR) / name)) << name;
    fs::remove_all(dir);
}

}  // namespace
}  // namespace cw
