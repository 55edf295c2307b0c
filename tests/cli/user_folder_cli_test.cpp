// An installed game: the shipped files in one folder, everything the game
// writes in the player's own. Nothing is written beside the shipped files,
// and the player's mods and languages are listed with the shipped ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "fakes/cli_session.h"
#include "fakes/tiny_data.h"
#include "refdata/language_file.h"
#include "refdata/mods.h"
#include "state/game.h"

namespace cw::cli {
namespace {
namespace fs = std::filesystem;

class UserFolderCliTest : public test::CliSessionTest {
protected:
    fs::path user = dir / "user";
    void SetUp() override {
        test::writeTinyDataArchive(dir);
        fs::create_directories(user);
        s.game->userFolder = user.string();
    }
    std::set<std::string> namesIn(const fs::path& folder) const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
        return names;
    }
    static void write(const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
};

TEST_F(UserFolderCliTest, SavesPlayTimeNamesAndModsGoToTheUserFolder) {
    ASSERT_EQ(run("new-game company=\"Acme\" player=\"Ann\"\nnext-week 10\nsave acme\n"
                  "mod-save Mine platforms=orbit\n"),
              0)
        << out.str();
    EXPECT_TRUE(fs::exists(user / "savegame" / "acme.sav"));
    EXPECT_TRUE(fs::exists(user / "savegame" / "acme.sav.tem"));
    EXPECT_TRUE(fs::exists(user / "INbox.txt"));
    EXPECT_TRUE(fs::exists(user / "Namstart.txt"));
    EXPECT_TRUE(fs::exists(user / "Cw2.tid"));
    EXPECT_TRUE(fs::exists(user / "MODS" / "Mine.CWM"));
    // The program folder holds what it held before: the archive and the user folder.
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"data.zip", "user"}));

    // The save loads back from the user folder.
    ASSERT_EQ(run("load acme.sav\n"), 0) << out.str();
    EXPECT_TRUE(printed("loaded: acme.sav, week 12, 1980")) << out.str();
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"data.zip", "user"}));
}

TEST_F(UserFolderCliTest, ModsAndLanguagesOfBothFoldersAreListedThePlayersFirst) {
    write(dir / "MODS" / "Shipped.cwm", ";\r\n;\r\nShipped one\r\n");
    write(dir / "MODS" / "Same.cwm", ";\r\n;\r\nShipped same\r\n");
    write(user / "MODS" / "Own.cwm", ";\r\n;\r\nMy own\r\n");
    write(user / "MODS" / "SAME.CWM", ";\r\n;\r\nMy same\r\n");
    EXPECT_EQ(modChooserEntries(dir.string(), user.string()),
              (std::vector<std::string>{"Default CW2", "Own.cwm", "SAME.CWM", "Shipped.cwm"}));
    EXPECT_EQ(modEntryDescription(dir.string(), "same", user.string()), "My same");
    EXPECT_EQ(modEntryDescription(dir.string(), "Shipped.cwm", user.string()), "Shipped one");
    // Without a user folder only the shipped ones.
    EXPECT_EQ(modChooserEntries(dir.string()),
              (std::vector<std::string>{"Default CW2", "Same.cwm", "Shipped.cwm"}));

    write(dir / "lng" / "Deutsch.lng", "*OBJ=a.b\r\n");
    write(dir / "lng" / "Dansk.lng", "*OBJ=a.b\r\n");
    write(user / "lng" / "deutsch.lng", "*OBJ=a.b\r\n");
    write(user / "lng" / "Eesti.lng", "*OBJ=a.b\r\n");
    const auto langs = languageFiles(dir.string(), user.string());
    ASSERT_EQ(langs.size(), 3u);
    EXPECT_EQ(langs[0].name, "Dansk");
    EXPECT_EQ(langs[1].path, (user / "lng" / "deutsch.lng").string());
    EXPECT_EQ(langs[2].name, "Eesti");

    ASSERT_EQ(run("languages\n"), 0);
    EXPECT_TRUE(printed("Eesti (lng/Eesti.lng)")) << out.str();
}

}  // namespace
}  // namespace cw::cli
