// Language files: the screens' captions and hints in another language, one
// entry per control, and the template "Test.lng" written from the built-in
// English texts. A language file comes from outside the game, so the reader
// refuses damaged files with a message and never trusts what it reads.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cw {

enum class LanguageControlKind {
    TextField,  // edit fields: written with "**TEXT="; a file changes only their hint
    Captioned,  // labels, links, panels, buttons, check boxes
    HintOnly,   // pictures, sliders, grids, lists
};

// One control as a file holds it. Texts use "\n" for their line breaks.
struct LanguageEntry {
    std::string screen;
    std::string control;
    LanguageControlKind kind = LanguageControlKind::Captioned;
    std::string text;  // caption or edit text; unused for hint-only controls
    std::string hint;
};

// The line around every entry: 67 hyphens.
const std::string& languageSeparator();

// The file's text: every entry framed by separators, lines ended by CR LF,
// texts with line breaks continued on plain lines.
std::string writeLanguageText(const std::vector<LanguageEntry>& entries);

// Writes the file (under a temporary name, then renamed onto `path`, so a
// failed export never leaves half a file). An empty text on success,
// otherwise the reason.
std::string writeLanguageFile(const std::string& path, const std::vector<LanguageEntry>& entries);

// A read language file: its lines and where each key's first entry starts.
struct LanguageFile {
    std::vector<std::string> lines;
    // Lower-cased "screen.control" -> index of its first "*OBJ=" line.
    std::unordered_map<std::string, std::size_t> keys;
};

// Larger files are refused: the game's own translation is a small fraction
// of this, and a file this size holds no translation.
inline constexpr std::size_t kMaxLanguageFileBytes = 4u * 1024u * 1024u;
// A caption or hint is cut to this many bytes (at a character's start).
inline constexpr std::size_t kMaxLanguageTextBytes = 4000;

// Parses a file's bytes. An empty text when it was read, otherwise the
// message for the player (`name` names the file in it); `out` is then left
// empty. Bytes that are not UTF-8 are read as the Windows code page.
std::string parseLanguageText(std::string_view bytes, std::string_view name, LanguageFile& out);
std::string readLanguageFile(const std::string& path, LanguageFile& out);

// What a file gives one control: nothing for a control without an entry;
// otherwise the caption (absent in a hint-only entry, and never given to a
// text field or a hint-only control) and the hint (absent when the entry has
// no hint line).
struct LanguageTexts {
    std::optional<std::string> caption;
    std::optional<std::string> hint;
};
LanguageTexts languageTexts(const LanguageFile& file, std::string_view screen, std::string_view control,
                            LanguageControlKind kind);

// The language files of the folder "lng" of the program folder, whatever
// the letter case of the folder and the extension: the name shown (the file
// name up to its first ".") and the file, sorted by name. Empty when there
// is no such folder.
struct LanguageChoice {
    std::string name;
    std::string path;
};
std::vector<LanguageChoice> languageFiles(const std::string& programFolder);
// The same over the shipped folder and the player's own "lng", one entry a
// name: the player's file wins. An empty `userFolder` is the one folder.
std::vector<LanguageChoice> languageFiles(const std::string& programFolder, const std::string& userFolder);

// The language list's first entry, which reads no file.
inline constexpr const char* kDefaultLanguage = "English Default";
// The template the export writes into the program folder.
inline constexpr const char* kExportFileName = "Test.lng";

}  // namespace cw
