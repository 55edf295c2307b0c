// The mod commands of the headless driver: the builder's save and load, the
// chooser's list, and a new game with a mod.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"
#include "state/game.h"

namespace cw::cli {
namespace {
namespace fs = std::filesystem;

class ModCliTest : public test::CliSessionTest {
protected:
    void SetUp() override { test::writeTinyDataArchive(dir); }
    std::string fileText(const fs::path& p) const {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(ModCliTest, SaveListLoadAndPlayAMod) {
    ASSERT_EQ(run("mod-save \"No Orbit\" platforms=orbit genres=Strategy+Puzzle/solving "
                  "description=\"Nothing round\"\n"),
              0)
        << out.str();
    EXPECT_TRUE(printed("mod-save: No Orbit.CWM written to MODS"));
    EXPECT_EQ(fileText(dir / "MODS" / "No Orbit.CWM"), ";Orbit;\r\n;Strategy,Puzzle/solving;\r\nNothing round\r\n");

    ASSERT_EQ(run("mods\n"), 0);
    EXPECT_EQ(out.str(),
              "Available MODs: 2\nDefault CW2\n  Default FULL CW2 MOD\n  Platforms : All (61)\n  Genres : All (37)\n"
              "No Orbit.CWM\n  Nothing round\n");

    ASSERT_EQ(run("mod-load \"no orbit\"\n"), 0) << out.str();
    EXPECT_TRUE(printed("  [ ] Orbit(game releases:"));
    EXPECT_TRUE(printed("  [ ] Strategy,Puzzle/solving(game releases:"));
    EXPECT_FALSE(printed("[ ] DOS"));

    ASSERT_EQ(run("new-game mod=\"No Orbit\"\ngenres\n"), 0) << out.str();
    EXPECT_FALSE(printed("Strategy,Puzzle/solving"));
    ASSERT_TRUE(s.gameRunning);
    for (int i = 1; i <= 500; ++i) {
        if (s.game->tables().platforms[i].name.str() == "Orbit") {
            EXPECT_EQ(s.game->tables().platforms[i].releaseYear, 2999);
        }
        if (s.game->tables().genres[i].name.str() == "Strategy,Puzzle/solving") {
            EXPECT_EQ(s.game->tables().genres[i].yearAvailable, 2999);
        }
    }
}

TEST_F(ModCliTest, BadNamesAreScriptErrorsAndBadFilesRefuseWithAMessage) {
    EXPECT_EQ(run("mod-save ../escape\n"), 2);
    EXPECT_EQ(run("mod-save mine platforms=Saturn\n"), 2);
    EXPECT_TRUE(printed("no platform named \"Saturn\""));
    EXPECT_FALSE(fs::exists(dir / "MODS" / "mine.CWM"));
    EXPECT_EQ(run("new-mod wrong\n"), 0);
    EXPECT_EQ(out.str(), "new-mod: nothing happens\n");

    fs::create_directories(dir / "MODS");
    std::ofstream(dir / "MODS" / "broken.cwm", std::ios::binary) << "garbage";
    ASSERT_EQ(run("new-game mod=broken\nmod-load broken\nnew-game mod=missing\n"), 0);
    EXPECT_TRUE(printed("[message] MOD | The MOD file \"broken.cwm\" is damaged"));
    EXPECT_TRUE(printed("new-game: refused"));
    EXPECT_TRUE(printed("mod-load: refused"));
    EXPECT_TRUE(printed("There is no MOD named \"missing\" in MODS."));
    EXPECT_FALSE(s.gameRunning);
}

}  // namespace
}  // namespace cw::cli
