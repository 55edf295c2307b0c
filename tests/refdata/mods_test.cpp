// Mod files: the builder's lists and file format, the chooser, a world built
// with a mod, and files that are damaged, empty, huge or hostile.
#include "refdata/mods.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/recording_player.h"
#include "fakes/tiny_data.h"
#include "refdata/import.h"
#include "setup/new_game.h"

namespace cw {
namespace {
namespace fs = std::filesystem;

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

class ModsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_mods_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
        g.rng.fixedSeed = 7;
        test::writeTinyDataArchive(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    ModItem* item(std::vector<ModItem>& items, const std::string& name) {
        for (ModItem& i : items)
            if (modItemName(i.text) == name) return &i;
        return nullptr;
    }
    int platformIndex(const std::string& name) {
        for (int i = 1; i <= 500; ++i)
            if (g.tables().platforms[i].name.str() == name) return i;
        return 0;
    }
    int genreIndex(const std::string& name) {
        for (int i = 1; i <= 500; ++i)
            if (g.tables().genres[i].name.str() == name) return i;
        return 0;
    }
    std::string lastMessage() const {
        const auto m = p.only("message");
        return m.empty() ? std::string() : m.back().b;
    }

    fs::path dir;
    Game g;
    test::RecordingPlayer p;
    ReferenceTables ref;
};

TEST_F(ModsTest, TheNewModImportFillsSortedCheckedListsWithTheirCounts) {
    EXPECT_FALSE(newMod(g, p, ref, "qvjjQ"));  // the rebuild's code is not this one
    EXPECT_TRUE(ref.modLists.platforms.empty());
    ASSERT_TRUE(newMod(g, p, ref, "QvjjQ"));
    ASSERT_EQ(ref.importProblem, "");
    const ModLists& l = ref.modLists;
    ASSERT_EQ(l.platforms.size(), 3u);
    int dosRow = 0;
    for (int r = 1; r < ref.list_platforms.rowCount(); ++r)
        if (ref.list_platforms.cell(0, r) == "DOS") dosRow = r;
    ASSERT_GT(dosRow, 0);
    EXPECT_EQ(l.platforms[0].text, "DOS(game releases:" + ref.list_platforms.cell(1, dosRow) + ")");
    EXPECT_EQ(modItemName(l.platforms[1].text), "Genesis");
    EXPECT_EQ(modItemName(l.platforms[2].text), "Orbit");
    for (const ModItem& i : l.platforms) EXPECT_TRUE(i.checked);
    ASSERT_FALSE(l.genres.empty());
    for (std::size_t i = 1; i < l.genres.size(); ++i) EXPECT_LT(l.genres[i - 1].text, l.genres[i].text);
    EXPECT_EQ(l.description, "Here you Write a breif description of \nMODfication");
}

TEST_F(ModsTest, RoundTripSaveLoadAndAWorldWithoutTheExcludedPlatformAndGenre) {
    ASSERT_TRUE(newMod(g, p, ref, "QvjjQ"));
    ModLists& l = ref.modLists;
    item(l.platforms, "Orbit")->checked = false;
    item(l.genres, "Strategy,Puzzle/solving")->checked = false;
    l.description = "No Orbit\nno puzzles";
    const fs::path file = dir / "MODS" / "Test.CWM";
    ASSERT_EQ(writeModFile(file.string(), modFromLists(l)), "");
    EXPECT_EQ(readBytes(file), ";Orbit;\r\n;Strategy,Puzzle/solving;\r\nNo Orbit\r\nno puzzles\r\n");

    // "Load Mod" into fresh lists gives the same checks and description.
    const ModLists saved = l;
    fillModLists(ref);
    ModFile m;
    ASSERT_EQ(readModFile(file.string(), m), "");
    applyModToLists(l, m);
    for (std::size_t i = 0; i < l.platforms.size(); ++i) EXPECT_EQ(l.platforms[i].checked, saved.platforms[i].checked);
    for (std::size_t i = 0; i < l.genres.size(); ++i) EXPECT_EQ(l.genres[i].checked, saved.genres[i].checked);
    EXPECT_EQ(l.description, "No Orbit\nno puzzles");

    // The chooser lists it and "Choose" sets the lines and the label.
    EXPECT_EQ(modChooserEntries(g.programFolder), (std::vector<std::string>{"Default CW2", "Test.CWM"}));
    std::string label;
    ASSERT_EQ(chooseMod(g, p, "test", label), "");
    EXPECT_EQ(label, "No Orbit\nno puzzles");
    EXPECT_EQ(g.session.modPlatformLine, ";Orbit;");
    EXPECT_EQ(g.session.modGenreLine, ";Strategy,Puzzle/solving;");

    NewGameOptions o;
    ASSERT_EQ(startNewGame(g, p, ref, o), "");
    const int orbit = platformIndex("Orbit"), dos = platformIndex("DOS");
    ASSERT_GT(orbit, 0);
    ASSERT_GT(dos, 0);
    EXPECT_EQ(g.tables().platforms[orbit].releaseYear, 2999);
    EXPECT_LT(g.tables().platforms[dos].releaseYear, 2999);
    const int combo = genreIndex("Strategy,Puzzle/solving"), action = genreIndex("Action");
    ASSERT_GT(combo, 0);
    EXPECT_EQ(g.tables().genres[combo].yearAvailable, 2999);
    EXPECT_LT(g.tables().genres[action].yearAvailable, 2999);

    // "Default CW2" afterwards clears both lines.
    ASSERT_EQ(chooseMod(g, p, "Default CW2", label), "");
    EXPECT_EQ(label, kDefaultModLines);
    EXPECT_EQ(g.session.modPlatformLine, "");
    EXPECT_EQ(g.session.modGenreLine, "");
}

TEST_F(ModsTest, EveryItemCheckedWritesBareSemicolonsAndUnknownNamesStayChecked) {
    ASSERT_TRUE(newMod(g, p, ref, "QvjjQ"));
    const ModFile all = modFromLists(ref.modLists);
    EXPECT_EQ(all.platformLine, ";");
    EXPECT_EQ(all.genreLine, ";");
    ModFile m;
    m.platformLine = ";Saturn;Genesis;orbit;";  // another world's platform; letter case counts
    m.genreLine = ";";
    applyModToLists(ref.modLists, m);
    EXPECT_FALSE(item(ref.modLists.platforms, "Genesis")->checked);
    EXPECT_TRUE(item(ref.modLists.platforms, "Orbit")->checked);
    EXPECT_TRUE(item(ref.modLists.platforms, "DOS")->checked);
}

TEST_F(ModsTest, FileNamesAndTheChoosersDefaultEntry) {
    EXPECT_EQ(proposedModFileName("Consoles only\nsecond line"), "Consoles");
    EXPECT_EQ(proposedModFileName("Short"), "Short");
    EXPECT_EQ(withModExtension("Consoles"), "Consoles.CWM");
    EXPECT_EQ(withModExtension("mine.cwm"), "mine.cwm");
    EXPECT_NE(checkModFileName("../escape"), "");
    EXPECT_NE(checkModFileName("a/b"), "");
    EXPECT_NE(checkModFileName(""), "");
    EXPECT_NE(checkModFileName("bad\x01name"), "");
    EXPECT_NE(checkModFileName("\xff\xfe"), "");
    EXPECT_EQ(checkModFileName("Computers of the eighties"), "");

    EXPECT_EQ(modChooserEntries(g.programFolder), (std::vector<std::string>{"Default CW2"}));
    writeBytes(dir / "mods" / "b.cwm", ";\r\n;\r\nB\r\n");
    writeBytes(dir / "mods" / "A.CWM", ";\r\n;\r\nA\r\n");
    writeBytes(dir / "mods" / "notes.txt", "x");
    EXPECT_EQ(modChooserEntries(g.programFolder), (std::vector<std::string>{"Default CW2", "A.CWM", "b.cwm"}));
    EXPECT_EQ(modEntryDescription(g.programFolder, "Default CW2"),
              "Default FULL CW2 MOD\nPlatforms : All (61)\nGenres : All (37)");
    EXPECT_EQ(modEntryDescription(g.programFolder, "b.cwm"), "B");
}

TEST_F(ModsTest, DamagedEmptyHugeAndHostileFilesAreRefusedWithAMessage) {
    g.session.modPlatformLine = ";DOS;";
    const struct {
        const char* name;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"empty.cwm", "", "is empty"},
        {"blank.cwm", "  \r\n\r\n", "is empty"},
        {"one.cwm", ";Orbit;\r\n", "is damaged"},
        {"words.cwm", "Orbit\r\nAction\r\nmine\r\n", "is damaged"},
        {"open.cwm", ";Orbit\r\n;\r\n", "is damaged"},
        {"binary.cwm", std::string(";\r\n;\r\n\0\x01\x02", 7), "binary data"},
        {"huge.cwm", ";\r\n;\r\n" + std::string(kMaxModFileBytes, 'x'), "too large"},
    };
    for (const auto& c : cases) {
        writeBytes(dir / "MODS" / c.name, c.bytes);
        std::string label = "unchanged";
        const std::string why = chooseMod(g, p, c.name, label);
        EXPECT_NE(why.find(c.says), std::string::npos) << c.name << ": " << why;
        EXPECT_EQ(lastMessage(), why) << c.name;
        EXPECT_EQ(label, "unchanged");
        EXPECT_EQ(g.session.modPlatformLine, ";DOS;") << c.name;
        EXPECT_EQ(modEntryDescription(g.programFolder, c.name), why);
    }
    // A folder or a pipe with a mod's name, and a name that is not there.
    fs::create_directories(dir / "MODS" / "folder.cwm");
    ::mkfifo((dir / "MODS" / "pipe.cwm").string().c_str(), 0600);
    std::string label;
    EXPECT_NE(chooseMod(g, p, "folder.cwm", label).find("cannot be read"), std::string::npos);
    EXPECT_NE(chooseMod(g, p, "pipe.cwm", label).find("cannot be read"), std::string::npos);
    EXPECT_NE(chooseMod(g, p, "missing", label).find("no MOD named"), std::string::npos);
    EXPECT_NE(chooseMod(g, p, "../data.zip", label), "");
    EXPECT_EQ(g.session.modPlatformLine, ";DOS;");
    // A file just at the limit is read.
    writeBytes(dir / "MODS" / "limit.cwm", ";\r\n;\r\n" + std::string(kMaxModFileBytes - 6, 'x'));
    EXPECT_EQ(chooseMod(g, p, "limit.cwm", label), "");
}

TEST_F(ModsTest, AModThatLeavesNothingToPlayRefusesTheStartAndChangesNothing) {
    writeBytes(dir / "MODS" / "nothing.cwm", ";DOS;GENESIS;orbit;\r\n;\r\nno platforms\r\n");
    std::string label;
    ASSERT_EQ(chooseMod(g, p, "nothing.cwm", label), "");
    g.currentYear = 1234;
    NewGameOptions o;
    const std::string why = startNewGame(g, p, ref, o);
    EXPECT_EQ(why, "The chosen MOD excludes every platform: there would be nothing to make games for.");
    EXPECT_EQ(lastMessage(), why);
    EXPECT_EQ(g.currentYear, 1234);  // the running game is left alone
    EXPECT_EQ(ref.list_platforms.rowCount(), ReferenceTables().list_platforms.rowCount());

    importReferenceData(g, p, ref, ImportAction::ConvertData);
    std::string genres = ";";
    for (int r = 1; r < ref.list_genre.rowCount(); ++r)
        if (!ref.list_genre.cell(2, r).empty()) genres += ref.list_genre.cell(2, r) + ";";
    EXPECT_EQ(modWorldRefusal(ref, ";", genres), "The chosen MOD excludes every genre: there would be no game to make.");
    EXPECT_EQ(modWorldRefusal(ref, ";DOS;Genesis;", genres.substr(0, genres.find(';', 1) + 1)), "");
}

}  // namespace
}  // namespace cw

namespace cw {
namespace {

// The mods the game ships name only platforms and genres of the shipped
// data, and are exactly what the builder writes for them.
TEST(ShippedMods, NameTheShippedDataAndAreTheBuildersOwnFiles) {
    const fs::path dir = fs::temp_directory_path() / "cw_mods_shipped";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(CW_GAME_DIR_FOR_TESTS) / "data.zip", dir / "data.zip");
    Game g;
    g.programFolder = dir.string();
    test::RecordingPlayer p;
    ReferenceTables ref;
    ASSERT_TRUE(newMod(g, p, ref, "QvjjQ"));
    ASSERT_EQ(ref.importProblem, "");
    int shipped = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(CW_DATA_WORDS_DIR).parent_path() / "mods")) {
        if (entry.path().extension() != ".cwm") continue;
        ++shipped;
        ModFile m;
        ASSERT_EQ(readModFile(entry.path().string(), m), "") << entry.path();
        fillModLists(ref);
        applyModToLists(ref.modLists, m);
        const ModFile back = modFromLists(ref.modLists);
        EXPECT_EQ(back.platformLine, m.platformLine) << entry.path();  // every name found, in the builder's order
        EXPECT_EQ(back.genreLine, m.genreLine) << entry.path();
        EXPECT_EQ(back.description, m.description) << entry.path();
        EXPECT_EQ(modWorldRefusal(ref, m.platformLine, m.genreLine), "") << entry.path();
        EXPECT_NE(m.platformLine, ";");
    }
    EXPECT_EQ(shipped, 2);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace cw
