// Record texts in the Windows-1252 code page: the way in from UTF-8, the way
// out, lengths and cuts in characters, and the checks of typed names.
#include "state/codepage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "fakes/recording_player.h"
#include "state/game.h"
#include "state/save_file.h"

namespace cw {
namespace {

TEST(CodePage, EveryRecordByteSurvivesTheWayOutAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string text = fromRecordText(all);
    EXPECT_EQ(toRecordText(text), all);
    EXPECT_EQ(validUtf8(text), text);  // well-formed UTF-8
    EXPECT_EQ(textLength(text), 256);
}

TEST(CodePage, LettersAndSignsMapAsTheCodePageHasThem) {
    EXPECT_EQ(toRecordText("Société Jeux"), "Soci\xe9t\xe9 Jeux");
    EXPECT_EQ(toRecordText("€ „Œ“ Ÿ ÿ"), "\x80 \x84\x8c\x93 \x9f \xff");
    EXPECT_EQ(fromRecordText("\x80\x99\xc5"), "€™Å");
    EXPECT_EQ(toRecordText("Łódź 東京"), "?\xf3" "d? ??");
    EXPECT_EQ(unicodeToRecordChar(U'Ł'), -1);
    EXPECT_EQ(unicodeToRecordChar(0x81), 0x81);  // undefined bytes stand for themselves
}

TEST(CodePage, BytesThatAreNotUtf8ReadAsTheCodePage) {
    // A names file written by a program that used the code page.
    EXPECT_EQ(validUtf8("Soci\xe9t\xe9"), "Société");
    EXPECT_EQ(toRecordText("Soci\xe9t\xe9"), "Soci\xe9t\xe9");
    EXPECT_EQ(validUtf8("\xc3"), "Ã");            // a sequence cut short
    EXPECT_EQ(validUtf8("\xc0\xaf"), "À¯");       // an overlong form
    EXPECT_EQ(validUtf8("\xed\xa0\x80"), "í\xc2\xa0\xe2\x82\xac");  // a surrogate: three code-page letters
}

TEST(CodePage, LengthsAndCutsCountCharacters) {
    EXPECT_EQ(textLength("Société Jeux"), 12);
    EXPECT_EQ(cutText("Société Jeux", 5), "Socié");
    EXPECT_EQ(cutText("Société", 40), "Société");
    EXPECT_EQ(cutText("ab", 0), "");
    EXPECT_EQ(trimEnd("Alpha Beta  "), "Alpha Beta");
}

TEST(CodePage, RecordStringsTakeUtf8AndCutInCharacters) {
    pstr<30> name{};
    name = "Société Jeux";
    EXPECT_EQ(name.size(), 12);
    EXPECT_EQ(name.view(), "Soci\xe9t\xe9 Jeux");
    EXPECT_EQ(name.str(), "Société Jeux");
    EXPECT_TRUE(name == "Société Jeux");

    std::string accents;
    for (int i = 0; i < 25; ++i) accents += "é";
    pstr<20> cut{};
    cut = accents;
    EXPECT_EQ(cut.size(), 20);
    EXPECT_EQ(cut.str(), accents.substr(0, 40));  // 20 letters of two UTF-8 bytes each
}

TEST(CodePage, TypedNamesAreCheckedInCharacters) {
    EXPECT_EQ(checkTypedName("Åsa Öberg Ærø Ïñçé", "The player name", 20), "");
    EXPECT_EQ(checkTypedName("ÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉ", "The company name", 20), "");  // 20 letters, 40 bytes
    EXPECT_EQ(checkTypedName("ÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉ", "The company name", 20),
              "The company name can have at most 20 characters");
    EXPECT_EQ(checkTypedName("Łódź Games", "The company name", 20),
              "The company name cannot contain \"Ł\" (the game keeps only Western European letters and signs)");
    EXPECT_EQ(checkTypedName("Acme\x1b[31m", "The company name", 20),
              "The company name cannot contain control characters");
    EXPECT_EQ(checkTypedName(std::string_view("A\0B", 3), "The file name", 0),
              "The file name cannot contain control characters");
    EXPECT_EQ(checkTypedName("Tab\there", "The file name", 0), "The file name cannot contain control characters");
    EXPECT_EQ(checkTypedName("\xc2\x81", "The file name", 0), "The file name cannot contain control characters");
    EXPECT_EQ(checkTypedName("a very long file name that has no limit at all", "The file name", 0), "");
    // Bytes that are not UTF-8 are refused, not written raw: stray, cut
    // short, overlong, a surrogate, beyond the last character.
    EXPECT_EQ(checkTypedName("\xff\xfe\xc3", "The file name", 0),
              "The file name cannot contain the byte FF (it is not UTF-8 text)");
    EXPECT_EQ(checkTypedName("ab\xc3", "The file name", 0),
              "The file name cannot contain the byte C3 (it is not UTF-8 text)");
    for (const char* bad : {"\xc0\xaf", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe2\x82"})
        EXPECT_NE(checkTypedName(bad, "The file name", 0).find("(it is not UTF-8 text)"), std::string::npos) << bad;
    EXPECT_EQ(checkTypedName("\xf0\x9f\x8e\xae", "The file name", 0).find("not UTF-8"), std::string::npos);
}

TEST(CodePage, ANameWithAccentsIsOneByteALetterInTheSaveAndComesBack) {
    namespace fs = std::filesystem;
    std::random_device rd;
    const fs::path dir = fs::temp_directory_path() / ("cw_codepage_" + std::to_string(rd()));
    fs::create_directories(dir);
    Game g;
    g.programFolder = dir.string();
    g.world().companyName = "Société Jeux";
    g.world().playerName = "Zoë Ångström";
    g.tables().people[7].name = "Müller,Jürgen";
    ASSERT_EQ(writeSaveFiles(g, "accents.sav"), "");

    std::ifstream in(dir / "savegame" / "accents.sav", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), kSaveImageSize);
    const std::size_t at = offsetof(SaveImage, world) + offsetof(World, companyName);
    EXPECT_EQ(bytes.substr(at, 13), "\x0cSoci\xe9t\xe9 Jeux");
    EXPECT_EQ(bytes.substr(at + 31, 13), "\x0cZo\xeb \xc5ngstr\xf6m");

    std::unique_ptr<SaveImage> image;
    ASSERT_EQ(readSaveImage(g, "accents.sav", image), "");
    EXPECT_EQ(image->world.companyName.str(), "Société Jeux");
    EXPECT_EQ(image->world.playerName.str(), "Zoë Ångström");
    EXPECT_EQ(image->people[7].name.str(), "Müller,Jürgen");
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
}  // namespace cw
