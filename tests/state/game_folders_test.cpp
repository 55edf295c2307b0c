// Which folder the game reads its shipped files from and which it writes
// to: the build's game folder, an installed prefix, a read-only folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "state/game_folders.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

class GameFoldersTest : public ::testing::Test {
protected:
    fs::path dir = [] {
        std::random_device rd;
        fs::path d = fs::temp_directory_path() / ("cw_folders_" + std::to_string(rd()));
        fs::create_directories(d);
        return fs::weakly_canonical(d);
    }();
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir / "ro", fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    static void touch(const fs::path& p) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "x";
    }
    FolderEnvironment env() const { return {(dir / "xdg").string(), (dir / "home").string()}; }
};

TEST_F(GameFoldersTest, UserFolderFollowsXdgDataHomeElseHome) {
    EXPECT_EQ(userDataFolder({"/x/data", "/home/p"}), "/x/data/crestwork");
    // A relative or empty XDG_DATA_HOME is ignored, as the XDG rules say.
    EXPECT_EQ(userDataFolder({"rel/data", "/home/p"}), "/home/p/.local/share/crestwork");
    EXPECT_EQ(userDataFolder({"", "/home/p/"}), "/home/p/.local/share/crestwork");
    EXPECT_EQ(userDataFolder({"", ""}), "");
}

TEST_F(GameFoldersTest, TheBuildsGameFolderKeepsEverything) {
    touch(dir / "game" / kGameFolderMark);
    const GameFolders f = gameFoldersFor((dir / "game").string(), env());
    EXPECT_EQ(f.program, (dir / "game").string());
    EXPECT_EQ(f.user, f.program);
    EXPECT_FALSE(f.installed);
    EXPECT_EQ(prepareUserFolder(f), "");
    EXPECT_FALSE(fs::exists(dir / "xdg"));
}

TEST_F(GameFoldersTest, AnInstalledGameReadsShareAndWritesTheUserFolder) {
    fs::create_directories(dir / "prefix" / "bin");
    touch(dir / "prefix" / "share" / "crestwork" / kGameFolderMark);
    const GameFolders f = gameFoldersFor((dir / "prefix" / "bin").string(), env());
    EXPECT_TRUE(f.installed);
    EXPECT_EQ(f.program, (dir / "prefix" / "share" / "crestwork").string());
    // Even a prefix the player may write to (his own ~/.local) is not written.
    EXPECT_EQ(f.user, (dir / "xdg" / "crestwork").string());
    EXPECT_EQ(prepareUserFolder(f), "");
    EXPECT_TRUE(fs::is_directory(dir / "xdg" / "crestwork"));
}

TEST_F(GameFoldersTest, AFolderWithoutDataBesideNoInstallStaysTheGameFolder) {
    // A bare folder (a test's, or a game folder whose data.zip is missing)
    // is not mistaken for an install, and the import reports the archive.
    fs::create_directories(dir / "bare");
    const GameFolders f = gameFoldersFor((dir / "bare").string(), env());
    EXPECT_FALSE(f.installed);
    EXPECT_EQ(f.user, (dir / "bare").string());
}

TEST_F(GameFoldersTest, AReadOnlyGameFolderWritesTheUserFolder) {
    touch(dir / "ro" / kGameFolderMark);
    fs::permissions(dir / "ro", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (::geteuid() == 0) GTEST_SKIP() << "root writes to any folder";
    EXPECT_FALSE(folderWritable((dir / "ro").string()));
    const GameFolders f = gameFoldersOfFolder((dir / "ro").string(), env());
    EXPECT_EQ(f.program, (dir / "ro").string());
    EXPECT_EQ(f.user, (dir / "xdg" / "crestwork").string());
}

TEST_F(GameFoldersTest, AUserFolderThatCannotBeMadeIsReported) {
    touch(dir / "file");
    GameFolders f{(dir / "game").string(), (dir / "file" / "crestwork").string(), true};
    EXPECT_NE(prepareUserFolder(f).find("cannot create"), std::string::npos);
    f.user.clear();
    EXPECT_EQ(prepareUserFolder(f), "there is no home folder to keep the game's files in");
}

}  // namespace
}  // namespace cw
