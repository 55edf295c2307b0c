#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/recording_player.h"
#include "refdata/disguise.h"
#include "refdata/import.h"
#include "refdata/zip_builder.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

const BonusLists kLists{"1\tSpace Hero\t9.50\t\n", "Grand Rally\t\n", "", "1\tSpace Hero II\t\n"};

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_import_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.seed = 1234;
    }
    void TearDown() override { fs::remove_all(dir); }

    void pack(const std::string& catalogue, const std::string& people = "Smith,Ann;4\nJones,Bob;8\nLee,Cy;12\n",
              std::vector<test::ZipMember> extra = {}) {
        std::vector<test::ZipMember> m = {{"cw2_test.txt", catalogue, true},
                                          {"cw2_test_people.txt", people, true},
                                          {"cw2_cpus.csv", "Name;Year;X;Bits;Speed;Price;Kind\nZ-Core 8;1978;0;8;10;200;1\n"},
                                          {"platform_release.csv", "Genesis;x;1995\nOrbit;x;1982\n"}};
        for (auto& e : extra) m.push_back(e);
        test::writeZip((dir / "data.zip").string(), m);
    }
    void import(ImportAction a) { importReferenceData(g, player, t, a, kLists); }

    fs::path dir;
    Game g;
    ReferenceTables t;
    test::RecordingPlayer player;
};

std::string line(const std::string& title, int year, const std::string& company, const std::string& genre,
                 const std::string& platforms) {
    return title + "\t" + std::to_string(year) + "\t" + company + "\t" + genre + "\t" + platforms + "\n";
}

}  // namespace

TEST_F(ImportTest, ConversionDerivesCompaniesGenresAndPlatforms) {
    pack(line("Space Hero", 1984, "Orbit Soft, Ltd", "Action, Strategy", "Orbit, Genesis,") +
         line("Grand Rally", 1985, "Orbit Soft", "Action,Strategy", "Orbit") +
         line("Quiet Puzzle", 1983, "", "", "Orbit") + line("   ", 1983, "Ghost", "Action", "Orbit") +
         line("Bad Year", 3000, "Orbit Soft", "Action", "Orbit"));
    import(ImportAction::StartNewGame);
    EXPECT_FALSE(t.tablesFromCache);
    EXPECT_TRUE(t.testEnabled);

    const StringTable& games = t.List_games;
    EXPECT_EQ(games.cell(0, 1), disguiseName("Space Hero"));
    EXPECT_EQ(games.cell(2, 1), "1");  // company row of "Orbit Soft"
    EXPECT_EQ(games.cell(3, 1), "1");  // genre row of code 1,8
    EXPECT_EQ(games.cell(4, 1), "1,2");
    EXPECT_EQ(games.cell(5, 1), "1");
    EXPECT_EQ(games.cell(6, 1), "");
    EXPECT_EQ(games.cell(8, 1), "1");  // part of a longer listed title counts
    EXPECT_EQ(games.cell(6, 2), "1");
    EXPECT_EQ(games.cell(3, 2), "1");  // "Action,Strategy" shares the row
    EXPECT_EQ(games.cell(3, 3), "2");

    const StringTable& genres = t.list_genre;
    EXPECT_EQ(genres.cell(0, 1), "1,8");
    EXPECT_EQ(genres.cell(1, 1), "2");
    EXPECT_EQ(genres.cell(2, 1), "Action,Strategy");
    EXPECT_EQ(genres.cell(0, 2), "9");
    EXPECT_EQ(genres.cell(2, 2), "Puzzle/solving");
    EXPECT_EQ(genres.cell(3, 1), "1984");

    const StringTable& comp = t.List_Company;
    EXPECT_EQ(comp.cell(0, 1), "Orbit Soft");
    EXPECT_EQ(comp.cell(1, 1), "2");
    EXPECT_EQ(comp.cell(2, 1), "1984");
    EXPECT_EQ(comp.cell(3, 1), "1985");
    EXPECT_EQ(comp.cell(0, 2), kHouseCompanyName);
    EXPECT_EQ(comp.rowCount(), 4);  // two companies and the blank last row
    // A company's first game is not counted by year; its second is.
    EXPECT_EQ(t.catalogueGamesPerYear[1984], 0);
    EXPECT_EQ(t.catalogueGamesPerYear[1985], 1);
    EXPECT_EQ(t.yearReleases, (std::vector<std::string>{"1985 : 1"}));

    const StringTable& plat = t.list_platforms;
    EXPECT_EQ(plat.cell(0, 1), "Orbit");
    EXPECT_EQ(plat.cell(1, 1), "3");
    EXPECT_EQ(plat.cell(3, 1), "1985");
    const int orbitYear = std::stoi(plat.cell(2, 1));
    EXPECT_GE(orbitYear, 1981);  // release file year 1982, +-1
    EXPECT_LE(orbitYear, 1983);
    const int genesisYear = std::stoi(plat.cell(2, 2));
    EXPECT_GE(genesisYear, 1988);  // the built-in 1989 wins over the file's 1995
    EXPECT_LE(genesisYear, 1990);

    // Everything unpacked went with the import's own folder: the game folder
    // holds the archive alone.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_EQ(t.List_cpus.cell(0, 2), "Z-Core 8");
    EXPECT_EQ(t.importProblem, "");
}

TEST_F(ImportTest, LargeCompanyThresholds) {
    std::string cat;
    auto games = [&](const std::string& company, int count, int first, int last) {
        for (int i = 0; i < count; ++i) cat += line("Game " + std::to_string(i), i == 0 ? first : last, company, "Action", "Orbit");
    };
    games("Big One", 76, 1990, 1996);
    games("Just Short", 75, 1990, 1996);
    games("Five Years", 80, 1990, 1995);
    pack(cat);
    import(ImportAction::ConvertData);
    ASSERT_EQ(t.List_LTDs.rowCount(), 3);
    EXPECT_EQ(t.List_LTDs.cell(0, 1), "Big One");
    EXPECT_EQ(t.List_LTDs.cell(1, 1), "1");
    EXPECT_EQ(t.List_Company.cell(4, 1), "1");
    EXPECT_EQ(t.List_Company.cell(4, 2), "");
    EXPECT_EQ(t.List_Company.cell(4, 3), "");
}

TEST_F(ImportTest, PeopleGetGeneratedCompanions) {
    pack(line("A", 1980, "C", "Action", "Orbit"));
    import(ImportAction::StartNewGame);
    const StringTable& people = t.list_people;
    EXPECT_EQ(people.colCount(), 6);
    EXPECT_EQ(people.cell(0, 0), "Name");
    EXPECT_EQ(people.cell(1, 0), "Rank");
    EXPECT_EQ(people.cell(0, 1), "Smith,Ann");
    // Four rows (title + three people): k = 4 - (1 + random 0..3) ... until k <= 0.
    Random r;
    r.seed = 1234;
    int k = 4, row = 4;
    std::vector<std::string> names = {"", "Smith,Ann", "Jones,Bob", "Lee,Cy"};
    while ((k -= 1 + r.randomInt(4)) > 0) {
        const std::string given = k + 1 < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(k + 1)].substr(names[static_cast<std::size_t>(k + 1)].find(',') + 1) : "";
        const std::string expected = names[static_cast<std::size_t>(k)].substr(0, names[static_cast<std::size_t>(k)].find(',')) + "," + given;
        names.push_back(expected);
        EXPECT_EQ(people.cell(0, row), expected);
        const int rank = std::stoi(people.cell(1, row));
        EXPECT_EQ(rank, 4 * (1 + r.randomInt(3)));
        ++row;
    }
    EXPECT_EQ(people.rowCount(), row);
}

TEST_F(ImportTest, MissingPeopleFileIsSaidAndTheImportGoesOn) {
    test::writeZip((dir / "data.zip").string(), {{"cw2_test.txt", line("A", 1980, "C", "Action", "Orbit")}});
    import(ImportAction::ConvertData);
    ASSERT_EQ(player.only("message").size(), 1u);
    EXPECT_EQ(player.only("message")[0].a, "UnZip failure");
    EXPECT_EQ(player.only("message")[0].b, "cw2_test_people.txt is missing");
    EXPECT_EQ(t.List_Company.cell(0, 1), "C");
}

TEST_F(ImportTest, CachedPathAndRebuildsInOneRun) {
    pack(line("Space Hero", 1984, "Orbit Soft", "Action", "Orbit") + line("Grand Rally", 1985, "Orbit Soft", "Action", "Orbit"));
    import(ImportAction::RebuildData);
    EXPECT_TRUE(t.rebuildRequested);
    const auto firstCompanies = t.List_Company.rows;
    // A second rebuild in the same run gives the same tables, not doubled counts.
    import(ImportAction::RebuildData);
    EXPECT_EQ(t.List_Company.rows, firstCompanies);
    EXPECT_EQ(t.List_Company.cell(1, 1), "2");

    // Ship the conversion files in the archive: a plain import in a new run reads them ready-made.
    ReferenceTables made;
    Game other;
    other.programFolder = (dir / "other").string();
    fs::create_directories(other.programFolder);
    fs::copy_file(dir / "data.zip", fs::path(other.programFolder) / "data.zip");
    convertCatalogue(made, other, kLists, "");
    std::vector<test::ZipMember> conv;
    for (const ConversionFile& f : kConversionFiles) {
        (made.*f.table).save((dir / f.fileName).string());
        std::ifstream in(dir / f.fileName, std::ios::binary);
        conv.push_back({f.fileName, std::string(std::istreambuf_iterator<char>(in), {})});
    }
    pack(line("Space Hero", 1984, "Orbit Soft", "Action", "Orbit"), "Smith,Ann;4\n", conv);
    ReferenceTables fresh;
    importReferenceData(g, player, fresh, ImportAction::StartNewGame, kLists);
    EXPECT_TRUE(fresh.tablesFromCache);
    EXPECT_TRUE(fresh.testEnabled);
    EXPECT_EQ(fresh.List_games.rowCount(), made.List_games.rowCount());

    // Once a rebuild was asked for, even a plain import converts again.
    importReferenceData(g, player, t, ImportAction::StartNewGame, kLists);
    EXPECT_FALSE(t.tablesFromCache);
}

TEST(Import, AccessCodeIsExact) {
    EXPECT_TRUE(rebuildPasswordAccepted("qvjjQ"));
    EXPECT_FALSE(rebuildPasswordAccepted("qvjjq"));
    EXPECT_FALSE(rebuildPasswordAccepted(" qvjjQ"));
}

TEST(Import, GenreFriendlyNames) {
    EXPECT_EQ(genreFriendlyName("5,8"), "Role-Playing (RPG),Strategy");
    EXPECT_EQ(genreFriendlyName("9"), "Puzzle/solving");
    EXPECT_EQ(genreFriendlyName("1,"), "Action");
}

}  // namespace cw
