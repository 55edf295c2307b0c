// Language files: the exact lines the export writes, what the import reads
// back from continued lines and hint-only entries, and files that are
// damaged, empty, huge or hostile.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "refdata/language_file.h"

namespace cw {
namespace fs = std::filesystem;
namespace {

const std::string kSep(67, '-');

LanguageFile parsed(const std::string& text) {
    LanguageFile f;
    EXPECT_EQ(parseLanguageText(text, "x.lng", f), "");
    return f;
}

TEST(LanguageFileTest, WritesEveryKindWithContinuedLinesAndCrLf) {
    std::vector<LanguageEntry> entries = {
        {"Form_lng", "dxButton2", LanguageControlKind::Captioned, "Cancel",
         "If you cancel CW2 will run with the default text in English"},
        {"Form_main", "Image1", LanguageControlKind::HintOnly, "ignored", "The city\nat night"},
        {"Form_CW2Starter", "Edit1", LanguageControlKind::TextField, "Acme", "Your company's name"},
    };
    EXPECT_EQ(writeLanguageText(entries),
              kSep + "\r\n*OBJ=Form_lng.dxButton2\r\n**Caption=Cancel\r\n"
                     "**HINT=If you cancel CW2 will run with the default text in English\r\n" +
                  kSep + "\r\n" + kSep + "\r\n*OBJ=Form_main.Image1\r\n**HINT=The city\r\nat night\r\n" + kSep +
                  "\r\n" + kSep + "\r\n*OBJ=Form_CW2Starter.Edit1\r\n**TEXT=Acme\r\n**HINT=Your company's name\r\n" +
                  kSep + "\r\n");
}

TEST(LanguageFileTest, ReadsBackWhatItWrites) {
    const std::vector<LanguageEntry> entries = {
        {"Form_a", "Label1", LanguageControlKind::Captioned, "Zwei\nZeilen", "Ein Hinweis\nmit zwei Zeilen"},
        {"Form_a", "Grid1", LanguageControlKind::HintOnly, "", "Nur ein Hinweis"},
        {"Form_a", "Button1", LanguageControlKind::Captioned, "Preis = Kosten = Gewinn", ""},
        {"Form_a", "Edit1", LanguageControlKind::TextField, "Text", "Hinweis"},
    };
    const LanguageFile f = parsed(writeLanguageText(entries));
    LanguageTexts t = languageTexts(f, "Form_a", "Label1", LanguageControlKind::Captioned);
    EXPECT_EQ(t.caption, "Zwei\nZeilen");
    EXPECT_EQ(t.hint, "Ein Hinweis\nmit zwei Zeilen");
    t = languageTexts(f, "Form_a", "Grid1", LanguageControlKind::HintOnly);
    EXPECT_FALSE(t.caption);
    EXPECT_EQ(t.hint, "Nur ein Hinweis");
    // Everything after the first "=" comes back, further "=" included.
    t = languageTexts(f, "Form_a", "Button1", LanguageControlKind::Captioned);
    EXPECT_EQ(t.caption, "Preis = Kosten = Gewinn");
    EXPECT_EQ(t.hint, "");
    // A text field keeps its text; only its hint is taken.
    t = languageTexts(f, "Form_a", "Edit1", LanguageControlKind::TextField);
    EXPECT_FALSE(t.caption);
    EXPECT_EQ(t.hint, "Hinweis");
    // Keys compare without letter case; unknown keys give nothing.
    EXPECT_EQ(languageTexts(f, "FORM_A", "LABEL1", LanguageControlKind::Captioned).caption, "Zwei\nZeilen");
    EXPECT_FALSE(languageTexts(f, "Form_a", "Label2", LanguageControlKind::Captioned).caption);
}

TEST(LanguageFileTest, FirstEntryOfAKeyWinsAndLineEndsMayBeLf) {
    const LanguageFile f = parsed(kSep + "\n*OBJ=F.B\n**Caption=Erst\n**HINT=\n" + kSep + "\n" + kSep +
                                  "\n*obj=f.b\n**Caption=Zweit\n**HINT=\n" + kSep);
    EXPECT_EQ(languageTexts(f, "F", "B", LanguageControlKind::Captioned).caption, "Erst");
}

TEST(LanguageFileTest, DamagedEntriesNeverSwallowTheNextOne) {
    // No hint line and no closing separator: the caption stops at the next key.
    const LanguageFile f = parsed("*OBJ=F.A\n**Caption=Eins\nweiter\n*OBJ=F.B\n**Caption=Zwei\n**HINT=H\n");
    EXPECT_EQ(languageTexts(f, "F", "A", LanguageControlKind::Captioned).caption, "Eins\nweiter");
    EXPECT_FALSE(languageTexts(f, "F", "A", LanguageControlKind::Captioned).hint);
    // The file's last line is read too.
    EXPECT_EQ(languageTexts(f, "F", "B", LanguageControlKind::Captioned).hint, "H");
    // A key on the last line, or followed by a line without "=": nothing.
    const LanguageFile g = parsed("*OBJ=F.C\nKein Gleichheitszeichen\n*OBJ=F.D");
    EXPECT_FALSE(languageTexts(g, "F", "C", LanguageControlKind::Captioned).caption);
    EXPECT_FALSE(languageTexts(g, "F", "D", LanguageControlKind::Captioned).caption);
}

TEST(LanguageFileTest, RefusesHostileFilesWithAMessage) {
    LanguageFile f;
    EXPECT_EQ(parseLanguageText("", "Leer.lng", f), "The language file \"Leer.lng\" is empty.");
    EXPECT_EQ(parseLanguageText("\r\n\r\n", "Leer.lng", f), "The language file \"Leer.lng\" is empty.");
    EXPECT_EQ(parseLanguageText(std::string("*OBJ=A.B\0x", 10), "Bin.lng", f),
              "The language file \"Bin.lng\" is not a text file.");
    EXPECT_EQ(parseLanguageText("just words\r\n", "Wort.lng", f),
              "The language file \"Wort.lng\" holds no screen texts (no line starting with \"*OBJ=\").");
    EXPECT_EQ(parseLanguageText(std::string(kMaxLanguageFileBytes + 1, '-'), "Gross.lng", f),
              "The language file \"Gross.lng\" is larger than 4 MB and was not read.");
    EXPECT_TRUE(f.lines.empty() && f.keys.empty());

    // A caption of a whole megabyte is cut, and never inside a character.
    std::string huge = "*OBJ=F.A\n**Caption=";
    for (int i = 0; i < 300000; ++i) huge += "\xC3\xA4";  // "ä"
    huge += "\n**HINT=h\n";
    EXPECT_EQ(parseLanguageText(huge, "Lang.lng", f), "");
    const auto caption = languageTexts(f, "F", "A", LanguageControlKind::Captioned).caption;
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->size(), kMaxLanguageTextBytes);
    EXPECT_EQ(languageTexts(f, "F", "A", LanguageControlKind::Captioned).hint, "h");

    // Windows code page bytes are read as their letters.
    EXPECT_EQ(parseLanguageText("*OBJ=F.A\r\n**Caption=Gr\xFC\xDF" "e\r\n", "Alt.lng", f), "");
    EXPECT_EQ(languageTexts(f, "F", "A", LanguageControlKind::Captioned).caption, "Gr\xC3\xBC\xC3\x9F" "e");
}

TEST(LanguageFileTest, ListsTheLngFolderAndReadsOnlyRegularFiles) {
    const fs::path dir = fs::temp_directory_path() / "cw_language_list";
    fs::remove_all(dir);
    EXPECT_TRUE(languageFiles(dir.string()).empty());
    fs::create_directories(dir / "Lng" / "Folder.lng");
    std::ofstream(dir / "Lng" / "Deutsch.lng") << "x";
    std::ofstream(dir / "Lng" / "espanol.v2.LNG") << "x";
    std::ofstream(dir / "Lng" / "notes.txt") << "x";
    std::ofstream(dir / "Lng" / ".lng") << "x";
    const auto files = languageFiles(dir.string());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].name, "Deutsch");
    EXPECT_EQ(files[1].name, "espanol");
    EXPECT_EQ(fs::path(files[1].path).filename(), "espanol.v2.LNG");
    LanguageFile f;
    EXPECT_NE(readLanguageFile((dir / "Lng" / "Folder.lng").string(), f), "");
    EXPECT_NE(readLanguageFile((dir / "Lng" / "missing.lng").string(), f), "");
    // The export replaces the file whole.
    const std::string out = (dir / "Test.lng").string();
    EXPECT_EQ(writeLanguageFile(out, {{"F", "A", LanguageControlKind::Captioned, "x", "y"}}), "");
    EXPECT_EQ(readLanguageFile(out, f), "");
    EXPECT_EQ(languageTexts(f, "F", "A", LanguageControlKind::Captioned).caption, "x");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace cw
