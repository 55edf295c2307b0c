// The headless driver's guards: empty words, commands before a game, bad
// option values, save names and names with letters outside plain ASCII.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "cli/driver.h"
#include "fakes/cli_session.h"
#include "cli/script.h"
#include "setup/new_game.h"
#include "state/save_file.h"

namespace cw::cli {
namespace {
namespace fs = std::filesystem;
using namespace std::string_literals;

class NamesCliTest : public test::CliSessionTest {
protected:
    bool anySave() const { return fs::exists(dir / "savegame") && !fs::is_empty(dir / "savegame"); }
};

TEST_F(NamesCliTest, AnEmptyQuotedValueIsAnEmptyWord) {
    const auto r = parseLine(R"(answer "" "x" "")");
    ASSERT_TRUE(r.command) << r.error;
    EXPECT_EQ(r.command->positional(), (std::vector<std::string>{"", "x", ""}));
    EXPECT_EQ(parseLine(R"(x key="")").command->option("key"), "");
    EXPECT_EQ(run("echo \"\" after\nanswer \"\"\n"), 0);
    EXPECT_EQ(out.str(), " after\n");
    EXPECT_EQ(s.player.queued(), 1u);
    EXPECT_EQ(s.player.inputBox("Filename", "Write a filename", "old"), "");  // not the default
}

TEST_F(NamesCliTest, CommandsThatNeedAGameRefuseBeforeOne) {
    for (const char* line : {"save mygame", "save", "next-week", "fast-forward 3", "end-game", "news", "history",
                             "inbox", "read 1", "delete 1", "delete-all", "sort 0", "people", "person 3",
                             "interview 3", "offer", "hire", "platforms", "cpus", "platform-analysis"}) {
        EXPECT_EQ(run(std::string(line) + "\necho not reached\n"), 2) << line;
        const std::string name = std::string(line).substr(0, std::string(line).find(' '));
        EXPECT_EQ(out.str(), "error: t:1: " + name + ": there is no game yet (start one with new-game or load)\n")
            << line;
    }
    EXPECT_FALSE(anySave());
    EXPECT_EQ(s.game->currentWeek, 1);
    // The driver's own commands and the options work at any time.
    EXPECT_EQ(run("status\nautosave on\nhelp\nselftest\necho done\n"), 0);
}

TEST_F(NamesCliTest, BadOptionValuesOfANewGameAreScriptErrors) {
    for (const char* line : {"new-game age=5", "new-game level=7", "new-game value=99", "new-game value=1",
                             "new-game company=\"Twenty-one characters\""}) {
        EXPECT_EQ(run(std::string(line) + "\necho not reached\n"), 2) << line;
        EXPECT_EQ(out.str().rfind("error: t:1: new-game: ", 0), 0u) << out.str();
        EXPECT_FALSE(printed("not reached"));
    }
    EXPECT_FALSE(s.gameRunning);
    EXPECT_FALSE(fs::exists(dir / "Namstart.txt"));
    EXPECT_EQ(run("new-game age=5\n"), 2);
    EXPECT_TRUE(printed("new-game: The player's age is 16..40 (usage: new-game "));
    EXPECT_EQ(run("new-game value=99\n"), 2);
    EXPECT_TRUE(printed("new-game: The company value is 2..6 (usage: "));
}

TEST_F(NamesCliTest, NamesOutsideTheCodePageOrWithControlCharactersAreRefused) {
    EXPECT_EQ(run("new-game company=\"Łódź Soft\"\n"), 2);
    EXPECT_TRUE(printed("error: t:1: new-game: The company name cannot contain \"Ł\" (the game keeps only Western "
                        "European letters and signs) (usage: "));
    EXPECT_EQ(run("new-game player=\"Ann\x1b[2J\"\n"), 2);
    EXPECT_TRUE(printed("error: t:1: new-game: The player name cannot contain control characters (usage: "));
    EXPECT_EQ(run("new-game company=\"A\0B\"\n"s), 2);
    EXPECT_TRUE(printed("The company name cannot contain control characters"));
    EXPECT_FALSE(s.gameRunning);
    // The transcript never carries a raw control character.
    EXPECT_EQ(run("echo \"a\x1b[31mb\" \"c\0d\"\n"s), 0);
    EXPECT_EQ(out.str(), "a\\x1b[31mb c\\x00d\n");
    EXPECT_EQ(oneLine("tab\there\x7f"), "tab\\x09here\\x7f");
}

TEST_F(NamesCliTest, ASaveNameOfBlanksOrControlsWritesNothing) {
    s.gameRunning = true;  // a world standing for a game in progress
    s.game->world().companyName = "Acme";
    EXPECT_EQ(run("save \"   \"\nsave \"???\"\nanswer cancel\nsave\n"), 0);
    EXPECT_EQ(out.str(),
              "[notify] Saving Game | Saving game...\n"
              "[input] Filename | Write a filename for the savefile ->    \n"
              "[message] Save Game | The game was not saved.\\nThe file name is empty -> Ok\n"
              "not saved\n"
              "[notify] Saving Game | Saving game...\n"
              "[input] Filename | Write a filename for the savefile -> ???\n"
              "[message] Save Game | The game was not saved.\\nThe file name is empty -> Ok\n"
              "not saved\n"
              "[notify] Saving Game | Saving game...\n"
              "[input] Filename | Write a filename for the savefile -> \n"
              "[message] Save Game | The game was not saved.\\nThe file name is empty -> Ok\n"
              "not saved\n");
    EXPECT_EQ(run("save \"bad\x1bname\"\nsave \"Łódź\"\n"), 0);
    EXPECT_TRUE(printed("-> bad\\x1bname\n[message] Save Game | The game was not saved.\\nThe file name cannot "
                        "contain control characters -> Ok\nnot saved\n"));
    EXPECT_TRUE(printed("The file name cannot contain \"Ł\""));
    EXPECT_FALSE(anySave());
    EXPECT_EQ(s.game->session.currentGameName, "");
    EXPECT_EQ(run("save \"Société\"\n"), 0);
    EXPECT_TRUE(printed("saved: Société.sav\n"));
    EXPECT_TRUE(fs::exists(dir / "savegame" / "Société.sav"));
}

TEST_F(NamesCliTest, ListsLineUpAccentedNamesByCharacters) {
    s.gameRunning = true;  // a world standing for a game in progress
    s.game->world().headquartersLevel = 3;
    auto add = [&](int i, const char* name, int salary) {
        Person& p = s.game->tables().people[i];
        p.name = name;
        p.workArea = 1;
        p.salary = salary;
        p.labourMarketYear = 1980;
    };
    add(2, "Åström,Åsa", 2000);
    add(3, "Li,Bo", 3000);
    add(4, "Bad\x1bName", 4000);
    ASSERT_EQ(run("people\n"), 0);
    EXPECT_TRUE(printed("  Name        | Monthly Salary | Hired by | overall Rating | ID\n"
                        "  Åström,Åsa  | 2000           |          | 0              | 2\n"
                        "  Li,Bo       | 3000           |          | 0              | 3\n"
                        "  Bad\\x1bName | 4000           |          | 0              | 4\n"))
        << out.str();
    EXPECT_EQ(cellWidth("Müller"), 6u);
}

TEST(CliExecutableDebug, TheDebugSwitchTurnsOnTheVerboseLog) {
    const fs::path dir = fs::temp_directory_path() / ("cw_debug_" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    for (const char* flag : {"/debug", "-DEBUG", "debug"}) {
        const std::string cmd =
            std::string(CW_CLI_EXE) + " --dir " + dir.string() + " " + flag + " </dev/null >/dev/null 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << flag;
        std::ifstream in(dir / "crestwork-cli.log");
        const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(log.find("DUBUG mode ON, Verbose logging in this session"), std::string::npos) << flag;
    }
    const std::string plain = std::string(CW_CLI_EXE) + " --dir " + dir.string() + " </dev/null >/dev/null 2>&1";
    EXPECT_EQ(std::system(plain.c_str()), 0);
    std::ifstream in(dir / "crestwork-cli.log");
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(log.find("DUBUG mode ON"), std::string::npos);
    std::error_code ec;
    fs::remove_all(dir, ec);
}

TEST_F(NamesCliTest, ACompanyNameCutFromTheNamesFileKeepsNoTrailingBlank) {
    {
        std::ofstream names(dir / "Namstart.txt", std::ios::binary);
        // 19 letters and a blank at the cut; the names file of an older run in the code page.
        names << "Ren\xe9\r\nAlpha Beta Gamma De Extra\r\n";
    }
    NewGameOptions o = loadStarterDefaults(dir.string()).options;
    EXPECT_EQ(o.playerName, "René");
    EXPECT_EQ(o.companyName, "Alpha Beta Gamma De");
    o.companyName = "Trailing Co  ";
    ASSERT_EQ(applyNewGameOptions(*s.game, o), "");
    EXPECT_EQ(s.game->world().companyName.str(), "Trailing Co");
}
#ifdef CW_GAME_DIR_FOR_TESTS
// Accented names through a whole new game, a save and a load.
TEST_F(NamesCliTest, AccentedNamesGoThroughASaveOneByteALetter) {
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    s.game->rng.fixedSeed = 5;
    ASSERT_EQ(run("new-game company=\"ÉÉÉÉÉÉÉÉÉÉÉÉ Société\" player=\"Zoë Ångström\"\nsave jeux\n"), 0) << out.str();
    EXPECT_TRUE(printed("new game: company \"ÉÉÉÉÉÉÉÉÉÉÉÉ Société\", player \"Zoë Ångström\""));
    EXPECT_TRUE(printed("saved: jeux.sav\n"));
    std::ifstream in(dir / "savegame" / "jeux.sav", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), kSaveImageSize);
    const std::size_t at = offsetof(SaveImage, world) + offsetof(World, companyName);
    // 20 letters, the most the screen takes, in 20 bytes.
    EXPECT_EQ(bytes.substr(at, 21), "\x14\xc9\xc9\xc9\xc9\xc9\xc9\xc9\xc9\xc9\xc9\xc9\xc9 Soci\xe9t\xe9");
    // The player's own person carries the name too, cut in characters.
    std::string ownName;
    for (const Person& p : s.game->tables().people)
        if (p.name.str().rfind("*You* (", 0) == 0) ownName = p.name.str();
    EXPECT_EQ(ownName, "*You* (Zoë Ångström)");

    s.game->world().companyName = "Other";
    ASSERT_EQ(run("load jeux.sav\n"), 0) << out.str();
    EXPECT_TRUE(printed("loaded: jeux.sav"));
    EXPECT_EQ(s.game->world().companyName.str(), "ÉÉÉÉÉÉÉÉÉÉÉÉ Société");
    EXPECT_EQ(s.game->world().playerName.str(), "Zoë Ångström");
}

#endif

}  // namespace
}  // namespace cw::cli
