#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fakes/recording_player.h"
#include "state/inbox.h"
#include "state/save_file.h"
#include "state/save_slot.h"

namespace cw {
namespace fs = std::filesystem;

namespace {

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("cw_save_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        g.programFolder = dir.string();
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path save(const std::string& name) { return dir / "savegame" / name; }
    std::string bytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void flipByte(const fs::path& p, std::streamoff at) {
        std::fstream f(p, std::ios::binary | std::ios::in | std::ios::out);
        f.seekg(at);
        char c = 0;
        f.read(&c, 1);
        c = static_cast<char>(c ^ 0x5A);
        f.seekp(at);
        f.write(&c, 1);
    }

    fs::path dir;
    Game g;
    test::RecordingPlayer player;
};

}  // namespace

TEST(SaveFormat, LengthPatternAndSafeNames) {
    EXPECT_EQ(formatSaveLength(32744712), "13427494712");
    EXPECT_EQ(formatSaveLength(0), "1490");
    EXPECT_EQ(formatSaveLength(5), "1495");
    EXPECT_EQ(formatSaveLength(1234), "1491234");
    EXPECT_EQ(formatSaveLength(123456789012LL), "121345467899012");
    EXPECT_EQ(formatSaveLength(9876543210987LL), "9871654432190987");
    EXPECT_EQ(safeFileName("a:b?"), "a b ");
    EXPECT_EQ(safeFileName("\"*+/:;<=>?\\|ok-_.x"), "            ok-_.x");
}

TEST_F(SaveFileTest, ChecksumIsStandardCrc32) {
    std::ofstream(dir / "check.txt", std::ios::binary) << "123456789";
    const FileChecksum sum = fileChecksum((dir / "check.txt").string());
    EXPECT_EQ(sum.crc, 0xCBF43926u);
    EXPECT_EQ(sum.length, 9);
    EXPECT_EQ(sum.errorCode, 0);
    EXPECT_NE(fileChecksum((dir / "missing").string()).errorCode, 0);
}

TEST_F(SaveFileTest, RoundTripIsByteIdenticalAndKeepsTheDate) {
    g.currentYear = 1999;
    g.currentWeek = 52;
    g.world().money = 123456;
    g.tables().people[17].name = "Smith,Ann";
    ASSERT_EQ(writeSaveFiles(g, "mygame.sav"), "");
    EXPECT_EQ(fs::file_size(save("mygame.sav")), kSaveImageSize);
    const std::vector<std::string> tem = [&] {
        std::ifstream in(save("mygame.sav.tem"));
        std::vector<std::string> lines;
        for (std::string l; std::getline(in, l);) lines.push_back(l.substr(0, l.find('\r')));
        return lines;
    }();
    ASSERT_EQ(tem.size(), 3u);
    EXPECT_EQ(tem[0], "0");
    EXPECT_EQ(tem[1], std::to_string(fileChecksum(save("mygame.sav").string()).crc));
    EXPECT_EQ(tem[2], "13427494712");
    EXPECT_FALSE(checkSaveFile(g, "mygame.sav"));

    const std::string first = bytes(save("mygame.sav"));
    Game loaded;
    loaded.programFolder = dir.string();
    ASSERT_EQ(loadSaveImage(loaded, "mygame.sav", player), "");
    EXPECT_EQ(loaded.currentYear, 1999);
    EXPECT_EQ(loaded.currentWeek, 52);
    EXPECT_EQ(loaded.world().money, 123456);
    EXPECT_EQ(loaded.tables().people[17].name.str(), "Smith,Ann");
    ASSERT_EQ(writeSaveFiles(loaded, "again.sav"), "");
    EXPECT_EQ(bytes(save("again.sav")), first);
    // seven groups, each shown on the bar and followed by a short pause
    EXPECT_EQ(player.progress.size(), 7u);
    EXPECT_EQ(player.progress.back().barPercent, 100);
    EXPECT_EQ(player.only("pause").size(), 7u);
}

TEST_F(SaveFileTest, LoadScreenRefusalsInTheirOrder) {
    ASSERT_EQ(writeSaveFiles(g, "a.sav"), "");
    flipByte(save("a.sav"), 1000);
    EXPECT_EQ(checkSaveFile(g, "a.sav"),
              (Refusal{"Load Error", "Error. File is not valid. Dont change the files outside the game"}));

    ASSERT_EQ(writeSaveFiles(g, "b.sav"), "");
    fs::remove(save("b.sav.tem"));
    EXPECT_EQ(checkSaveFile(g, "b.sav"),
              (Refusal{"Load Error", "Error. File is not valid, mayby from an old build of the game"}));

    ASSERT_EQ(writeSaveFiles(g, "c.sav"), "");
    fs::resize_file(save("c.sav"), 1000);
    EXPECT_EQ(checkSaveFile(g, "c.sav")->text, "Error. File is not valid. Dont change the files outside the game");

    ASSERT_EQ(writeSaveFiles(g, "d.sav"), "");
    fs::remove(save("d.sav"));
    EXPECT_EQ(checkSaveFile(g, "d.sav")->text, "Error. File is not a valid cw2 savegame, error:2");
}

TEST_F(SaveFileTest, NamesMatchWithoutRegardToCase) {
    fs::create_directories(dir / "SaveGame");
    ASSERT_EQ(writeSaveFiles(g, "Mixed.sav"), "");
    EXPECT_TRUE(fs::exists(dir / "SaveGame" / "Mixed.sav"));
    EXPECT_FALSE(checkSaveFile(g, "MIXED.SAV"));
    EXPECT_EQ(listSaveFiles(g), (std::vector<std::string>{"Mixed.sav"}));
    EXPECT_EQ(annotateSaveEntry(g, "Mixed.sav").rfind("Mixed.sav >>> ", 0), 0u);
}

TEST_F(SaveFileTest, AFailedWriteLeavesTheOldSaveLoadable) {
    g.world().money = 111;
    ASSERT_EQ(writeSaveFiles(g, "slot.sav"), "");
    const std::string old = bytes(save("slot.sav"));
    // A disk that keeps only half of what was written, as a full disk
    // behind a lying driver does: the read-back catches it.
    setSaveDiskHooks({[](const std::string& temp) {
                          if (temp.find(".tem.") == std::string::npos) fs::resize_file(temp, kSaveImageSize / 2);
                      },
                      {}});
    g.world().money = 222;
    EXPECT_EQ(writeSaveFiles(g, "slot.sav"),
              "slot.sav: the written file is 16372356 bytes long, not 32744712\r\n"
              "Your previous save of this name is unchanged.");
    setSaveDiskHooks({});
    EXPECT_EQ(bytes(save("slot.sav")), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "savegame"), fs::directory_iterator()), 2);
    EXPECT_FALSE(checkSaveFile(g, "slot.sav"));
}

TEST_F(SaveFileTest, ASaveKilledAtAnyStepLoadsAsOldOrNew) {
    g.world().money = 1;
    ASSERT_EQ(writeSaveFiles(g, "s.sav"), "");
    const std::string oldImage = bytes(save("s.sav"));
    const std::string oldTem = bytes(save("s.sav.tem"));
    g.world().money = 2;
    ASSERT_EQ(writeSaveFiles(g, "s.sav"), "");
    const std::string newImage = bytes(save("s.sav"));
    const std::string newTem = bytes(save("s.sav.tem"));

    auto lay = [&](const std::string& img, const std::string& tem, const std::string* imgNew,
                   const std::string* temNew) {
        for (const char* n : {"s.sav", "s.sav.tem", "s.sav.new", "s.sav.tem.new"}) fs::remove(save(n));
        std::ofstream(save("s.sav"), std::ios::binary) << img;
        std::ofstream(save("s.sav.tem"), std::ios::binary) << tem;
        if (imgNew) std::ofstream(save("s.sav.new"), std::ios::binary) << *imgNew;
        if (temNew) std::ofstream(save("s.sav.tem.new"), std::ios::binary) << *temNew;
    };
    auto loadsAs = [&](int money) {
        EXPECT_FALSE(checkSaveFile(g, "s.sav"));
        Game other;
        other.programFolder = dir.string();
        ASSERT_EQ(loadSaveImage(other, "s.sav", player), "");
        EXPECT_EQ(other.world().money, money);
    };
    const std::string half = newImage.substr(0, 5000);
    lay(oldImage, oldTem, &half, nullptr);  // killed while writing the image
    loadsAs(1);
    lay(oldImage, oldTem, &newImage, &newTem);  // both written, none renamed
    loadsAs(1);
    lay(newImage, oldTem, nullptr, &newTem);  // between the two renames
    loadsAs(2);
    EXPECT_FALSE(fs::exists(save("s.sav.tem.new")));
}

TEST_F(SaveFileTest, ShortOrDamagedFileIsRefusedBeforeAnyTableChanges) {
    g.world().money = 5;
    ASSERT_EQ(writeSaveFiles(g, "x.sav"), "");
    fs::resize_file(save("x.sav"), 4000);
    Game running;
    running.programFolder = dir.string();
    running.world().money = 77;
    running.currentYear = 1990;
    EXPECT_NE(loadSaveImage(running, "x.sav", player), "");
    EXPECT_EQ(running.world().money, 77);
    EXPECT_EQ(running.currentYear, 1990);

    g.currentWeek = 0;  // no game week: refused rather than indexing outside a year
    // The save itself refuses to write it, so the file is made by hand.
    EXPECT_NE(writeSaveFiles(g, "y.sav"), "");
    EXPECT_FALSE(fs::exists(save("y.sav")));
    {
        std::ofstream out(save("y.sav"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(g.imageBytes()), static_cast<std::streamsize>(kSaveImageSize));
    }
    std::ofstream(save("y.sav.tem"), std::ios::binary) << checkFileText(fileChecksum(save("y.sav").string()));
    EXPECT_NE(loadSaveImage(running, "y.sav", player), "");
    EXPECT_EQ(running.world().money, 77);
}

TEST_F(SaveFileTest, InboxFileKeepsEveryLetterWhole) {
    test::RecordingPlayer p;
    postLetter(g, p, "Financial, Bank", "Dear you\r\nPay 5; or else");
    postLetter(g, p, "Good Luck", "Welcome");
    const std::string path = (dir / "INbox.txt").string();
    ASSERT_TRUE(writeInboxFile(g, path));
    EXPECT_EQ(bytes(path), "1979, 12 - 31;NO;Financial, Bank;Dear you##Pay 5; or else\r\n"
                           "1979, 12 - 31;NO;Good Luck;Welcome\r\n;;;\r\n");
    Game other;
    ASSERT_TRUE(readInboxFile(other, path));
    ASSERT_EQ(other.inbox.rows.size(), 4u);
    EXPECT_EQ(other.inbox.rows[1].cells[3], "Dear you##Pay 5; or else");
    EXPECT_EQ(other.inbox.rows[2].cells[2], "Good Luck");
    EXPECT_TRUE(other.inbox.rows[3].blank());
    EXPECT_EQ(other.inbox.rows[0].cells[0], "Recived");
    EXPECT_FALSE(readInboxFile(other, (dir / "none.txt").string()));
}

}  // namespace cw
