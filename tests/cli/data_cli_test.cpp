// The headless driver's start, import and load commands with good and bad
// data archives, as a script sees them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/driver.h"
#include "fakes/tiny_data.h"

namespace cw::cli {
namespace {
namespace fs = std::filesystem;

class DataCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_datacli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        s = std::make_unique<Session>(out, dir.string());
        s->game->rng.fixedSeed = 3;
    }
    void TearDown() override { fs::remove_all(dir); }
    int run(const std::string& script) {
        out.str("");
        std::istringstream in(script);
        return runScript(*s, in, "t");
    }
    bool printed(const std::string& text) const { return out.str().find(text) != std::string::npos; }
    std::string read(const std::string& name) {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
    std::ostringstream out;
    std::unique_ptr<Session> s;
};

TEST_F(DataCliTest, ABrokenArchiveRefusesNewGameAndTestWorldAndTheGameGoesOn) {
    EXPECT_EQ(run("new-game\n"), 0);
    EXPECT_TRUE(
        printed("[message] UnZip failure | The reference data is incomplete: data.zip is missing from the "
                "game folder. -> Ok\nnew-game: refused\n"))
        << out.str();
    EXPECT_FALSE(fs::exists(dir / "Namstart.txt"));

    test::writeTinyDataArchive(dir);
    ASSERT_EQ(run("new-game company=\"Acme\"\nnext-week 2\n"), 0);
    ASSERT_TRUE(printed("world: 3 platforms")) << out.str();
    std::ofstream(dir / "data.zip", std::ios::binary) << "broken";
    EXPECT_EQ(run("new-game company=\"Other\"\nimport\ntest-world\nstatus\n"), 0);
    EXPECT_TRUE(printed("new-game: refused\n"));
    EXPECT_TRUE(printed("import: incomplete: data.zip cannot be read ("));
    EXPECT_TRUE(printed("The reference data is incomplete: data.zip cannot be read ("));
    EXPECT_TRUE(printed("test-world: refused\n"));
    EXPECT_TRUE(printed("week: 3\n")) << out.str();
    EXPECT_EQ(s->game->world().companyName.str(), "Acme");
}

TEST_F(DataCliTest, NewGameWithoutNamesTakesThemFromTheNamesFileAndWritesIt) {
    test::writeTinyDataArchive(dir);
    std::ofstream(dir / "Namstart.txt", std::ios::binary) << "Ann\nAcme Games\n";
    ASSERT_EQ(run("new-game\n"), 0);
    EXPECT_TRUE(printed("new game: company \"Acme Games\", player \"Ann\""));
    EXPECT_EQ(s->game->world().companyName.str(), "Acme Games");
    ASSERT_EQ(run("new-game player=\"Bob\"\n"), 0);
    EXPECT_EQ(read("Namstart.txt"), "Bob\nAcme Games\n");
}

TEST_F(DataCliTest, RebuildDatabaseNeedsTheAccessCode) {
    test::writeTinyDataArchive(dir);
    ASSERT_EQ(run("rebuild-database qvjjq\n"), 0);
    EXPECT_EQ(out.str(), "rebuild-database: nothing happens\n");
    EXPECT_FALSE(s->ref.rebuildRequested);
    ASSERT_EQ(run("rebuild-database qvjjQ\ntest-world\n"), 0);
    EXPECT_TRUE(s->ref.rebuildRequested);
    EXPECT_TRUE(printed("import: converted the catalogue\n"));
    EXPECT_TRUE(printed("[screen] TDBForm -> shown\n"));
    EXPECT_TRUE(printed("test world: 3 platforms"));
    EXPECT_EQ(run("rebuild-database\n"), 2);
}

TEST_F(DataCliTest, SavesShowsCompanyDateAndCashAndSelectsTheNewest) {
    test::writeTinyDataArchive(dir);
    ASSERT_EQ(run("new-game company=\"Acme\"\nsave alpha\nnext-week 3\nsave beta\nsaves\n"), 0);
    const std::string text = out.str();
    const std::size_t alpha = text.find("1  alpha.sav >>> ");
    const std::size_t beta = text.find("2  beta.sav >>> ");
    ASSERT_NE(alpha, std::string::npos) << text;
    ASSERT_NE(beta, std::string::npos) << text;
    EXPECT_NE(text.find(" | Acme | 31. December, 1979 | $ 4,000,000\n", alpha), std::string::npos) << text;
    EXPECT_NE(text.find(" | Acme | 21. January, 1980 | $ ", beta), std::string::npos) << text;
    EXPECT_NE(text.find("  (selected)\n", beta), std::string::npos);
    EXPECT_EQ(text.find("(selected)"), text.rfind("(selected)"));
}

}  // namespace
}  // namespace cw::cli
