// The data archive comes from outside: it may name members like the game's
// own files, repeat names, lack table files or be damaged. None of that may
// touch the game folder or leave a world half built.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/recording_player.h"
#include "fakes/tiny_data.h"
#include "refdata/import.h"
#include "refdata/zip_extract.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

class ArchiveSafetyTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_archive_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.seed = 77;
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    void pack(std::vector<test::ZipMember> members) { test::writeZip((dir / "data.zip").string(), members); }
    // The tiny archive with `name` left out, or replaced by `replacement`.
    std::vector<test::ZipMember> tinyWithout(const std::string& name) {
        std::vector<test::ZipMember> m;
        for (auto& e : test::tinyDataMembers())
            if (e.name != name) m.push_back(e);
        return m;
    }
    std::string import(ImportAction a = ImportAction::StartNewGame) { return importReferenceData(g, player, t, a); }
    bool onlyArchiveLeft() {
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().filename() != "data.zip") return false;
        return true;
    }

    fs::path dir;
    Game g;
    ReferenceTables t;
    test::RecordingPlayer player;
};

}  // namespace

TEST_F(ArchiveSafetyTest, MembersNamedLikeGameFilesNeverReachThem) {
    write(dir / "crestwork-cli", "the program");
    write(dir / "savegame" / "mine.sav", "my game");
    write(dir / "Namstart.txt", "Ann\nAcme\n");
    auto members = test::tinyDataMembers();
    members.push_back({"crestwork-cli", "evil program"});
    members.push_back({"savegame/mine.sav", "evil save"});
    members.push_back({"SAVEGAME/MINE.SAV", "evil save"});
    members.push_back({"namstart.txt", "Evil\nEvil\n"});
    members.push_back({"data.zip", "not an archive"});
    members.push_back({"lng/English.lng", "evil"});
    pack(members);
    const std::string archive = read(dir / "data.zip");

    EXPECT_EQ(import(), "");
    EXPECT_EQ(read(dir / "crestwork-cli"), "the program");
    EXPECT_EQ(read(dir / "savegame" / "mine.sav"), "my game");
    EXPECT_EQ(read(dir / "Namstart.txt"), "Ann\nAcme\n");
    EXPECT_EQ(read(dir / "data.zip"), archive);
    EXPECT_FALSE(fs::exists(dir / "lng"));
    // Nothing else appeared, and the import's own folder is gone.
    int entries = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 4);  // data.zip, crestwork-cli, savegame, Namstart.txt
    EXPECT_EQ(t.List_cpus.cell(0, 2), "Z-Core 8");
}

TEST_F(ArchiveSafetyTest, OnlyTheWantedMembersAreUnpackedUnderTheirOwnSpelling) {
    const std::string zip = (dir / "x.zip").string();
    test::writeZip(zip, {{"CW2_CPUS.CSV", "a;b\n"}, {"sub/cw2_test.txt", "x"}, {"readme.txt", "x"}});
    fs::create_directories(dir / "out");
    const ZipExtractResult r = extractMembers(zip, (dir / "out").string(), importedMemberNames());
    EXPECT_EQ(r.written, (std::vector<std::string>{"cw2_cpus.csv"}));
    EXPECT_EQ(read(dir / "out" / "cw2_cpus.csv"), "a;b\n");
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_NE(r.warnings[0].find("\"sub/cw2_test.txt\" is not a file the import reads"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out" / "sub"));
}

TEST_F(ArchiveSafetyTest, TwoMembersOfExactlyTheSameNameFirstWins) {
    auto members = tinyWithout("cw2_cpus.csv");
    members.insert(members.begin(), {"cw2_cpus.csv", "Name;Year;X;Bits;Speed;Price;Kind\nFirst;1978;0;8;10;200;1\n"});
    members.push_back({"cw2_cpus.csv", "Name;Year;X;Bits;Speed;Price;Kind\nSecond;1978;0;8;10;200;1\n"});
    pack(members);
    EXPECT_EQ(import(), "");
    EXPECT_EQ(t.List_cpus.cell(0, 2), "First");
    EXPECT_GT(t.list_platforms.rowCount(), 2);
}

TEST_F(ArchiveSafetyTest, IncompleteOrBrokenArchivesNameTheFile) {
    EXPECT_EQ(import(), "data.zip is missing from the game folder");
    // A start's refusal says it; the people message is for the database screen.
    EXPECT_TRUE(player.only("message").empty());
    EXPECT_EQ(referenceDataRefusal(t), "The reference data is incomplete: data.zip is missing from the game folder.");

    write(dir / "data.zip", "PK but not really");
    EXPECT_EQ(import().rfind("data.zip cannot be read (", 0), 0u);

    pack(tinyWithout("cw2_cpus.csv"));
    EXPECT_EQ(import(), "cw2_cpus.csv is missing from data.zip");
    pack(tinyWithout("cw2_test_people.txt"));
    EXPECT_EQ(import(), "cw2_test_people.txt is missing from data.zip");
    pack(tinyWithout("cw2_test.txt"));
    EXPECT_EQ(import(), "cw2_test.txt is missing from data.zip");

    auto titleOnly = tinyWithout("cw2_cpus.csv");
    titleOnly.push_back({"cw2_cpus.csv", "Name;Year;X;Bits;Speed;Price;Kind\n"});
    pack(titleOnly);
    EXPECT_EQ(import(), "cw2_cpus.csv in data.zip holds no data");

    // A stored member whose bytes no longer match its checksum.
    auto damaged = tinyWithout("cw2_test_people.txt");
    damaged.push_back({"cw2_test_people.txt", "Smith,Ann;4\nJones,Bob;8\n"});
    pack(damaged);
    std::string bytes = read(dir / "data.zip");
    bytes[bytes.find("Jones")] = 'X';
    write(dir / "data.zip", bytes);
    EXPECT_EQ(import().rfind("cw2_test_people.txt in data.zip is damaged (", 0), 0u);

    // Ready-made tables must come complete.
    auto cached = test::tinyDataMembers();
    cached.push_back({"cw2_text_conv.txt", "Tiny\t1980\t1\t1\t1\n"});
    pack(cached);
    EXPECT_EQ(import(), "CW2_Comp_conv.txt is missing from data.zip");
    EXPECT_TRUE(onlyArchiveLeft());

    pack(test::tinyDataMembers());
    EXPECT_EQ(import(), "");
    EXPECT_EQ(referenceDataRefusal(t), "");
}

TEST_F(ArchiveSafetyTest, ASecondImportWithoutTheRawCatalogueKeepsTheConvertedTables) {
    pack(test::tinyDataMembers());
    ASSERT_EQ(import(ImportAction::ConvertData), "");
    const auto games = t.List_games.rows;
    const auto genres = t.list_genre.rows;
    const auto companies = t.List_Company.rows;
    pack(tinyWithout("cw2_test.txt"));
    EXPECT_EQ(import(ImportAction::ConvertData), "cw2_test.txt is missing from data.zip");
    EXPECT_EQ(t.List_games.rows, games);
    EXPECT_EQ(t.list_genre.rows, genres);
    EXPECT_EQ(t.List_Company.rows, companies);
}

TEST_F(ArchiveSafetyTest, AnArchiveThatIsAPipeIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((dir / "data.zip").c_str(), 0600), 0);
    EXPECT_EQ(import(), "data.zip cannot be read (not a regular file)");
}

TEST_F(ArchiveSafetyTest, LeftoversOfKilledRunsAreClearedAndLiveOnesKept) {
    // No process has the highest pid; this one is alive.
    const fs::path dead = dir / "~import.2147483646.1";
    const fs::path live = dir / ("~import." + std::to_string(::getpid()) + ".1");
    write(dead / "cw2_test.txt", "old");
    write(live / "cw2_test.txt", "busy");
    pack(test::tinyDataMembers());
    EXPECT_EQ(import(), "");
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_EQ(read(live / "cw2_test.txt"), "busy");
}

#ifdef CW_CLI_EXE
// Two runs importing in one game folder at the same moment each get the
// whole archive.
TEST_F(ArchiveSafetyTest, TwoImportsAtOnceInOneFolderBothComplete) {
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    write(dir / "s.cws", "import\nimport\nimport\n");
    const std::string cli =
        std::string("'") + CW_CLI_EXE + "' --dir '" + dir.string() + "' '" + (dir / "s.cws").string();
    const std::string cmd = "(" + cli + "' > '" + (dir / "a.out").string() + "' & " + cli + "' > '" +
                            (dir / "b.out").string() + "' & wait)";
    for (int round = 0; round < 4; ++round) {
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        for (const char* out : {"a.out", "b.out"}) {
            const std::string text = read(dir / out);
            EXPECT_EQ(text.find("incomplete"), std::string::npos) << text;
            std::size_t complete = 0;
            for (std::size_t at = 0; (at = text.find("import: read the conversion files", at)) != std::string::npos;
                 ++at)
                ++complete;
            EXPECT_EQ(complete, 3u) << text;
        }
    }
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_NE(e.path().filename().string().rfind("~import.", 0), 0u) << e.path();
}
#endif

}  // namespace cw
