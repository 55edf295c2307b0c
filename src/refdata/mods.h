// Mods: small text files in "MODS" that keep some platforms and genre
// combinations of the reference data out of a new game, and the builder
// that writes them from the reference tables.
//
// A mod file is three or more lines ended by CR LF: the excluded platforms
// between semicolons (";A;B;", ";" alone for none), the excluded genre
// combinations by their friendly names the same way, then the description.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "refdata/reference_tables.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

inline constexpr const char* kModFolderName = "MODS";
inline constexpr const char* kDefaultModName = "Default CW2";
inline constexpr const char* kModCaption = "MOD";
// The default world's description on the new-game screen's mod label.
inline constexpr const char* kDefaultModLines = "Default FULL CW2 MOD\nPlatforms : All (61)\nGenres : All (37)";
// The description field's limit.
inline constexpr int kMaxModDescription = 80;
// Far above any mod the builder writes (a few hundred names), far below
// what would make a new game wait on reading one.
inline constexpr std::size_t kMaxModFileBytes = 64 * 1024;
// The builder's item texts end with the catalogue count after this.
inline constexpr const char* kModItemCountTag = "(game releases:";

struct ModFile {
    std::string platformLine = ";";
    std::string genreLine = ";";
    std::vector<std::string> description;  // lines 3 and following
};

// "MODS" of a folder, whatever the letter case it has on disk. The player's
// own mods are written to "MODS" of the game's writable folder.
std::string modFolder(const std::string& programFolder);

// The mod files of "MODS" (names with extension, without folder), sorted
// by name without regard to letter case; empty without the folder. Every
// function here that takes a `userFolder` looks at "MODS" of both folders,
// the player's own first, so a mod he saves under a shipped mod's name is
// the one used; an empty `userFolder` (or the program folder) is one folder.
std::vector<std::string> modFileNames(const std::string& programFolder, const std::string& userFolder = {});

// Reads and checks a mod file. Returns why it cannot be used ("The MOD
// file "x.cwm" is empty." ...), empty when `out` holds it. A missing or
// unreadable file, one larger than kMaxModFileBytes, binary bytes, fewer
// than two lines or a first or second line that is no list between
// semicolons are refused; nothing of the file is taken then.
std::string readModFile(const std::string& path, ModFile& out);

// The same for a mod of "MODS" named with or without its extension,
// letter case aside.
std::string readModByName(const std::string& programFolder, const std::string& name, ModFile& out,
                          const std::string& userFolder = {});

// The file in "MODS" that `name` stands for ("consoles" finds
// "Consoles.cwm"); empty when there is none.
std::string findModFile(const std::string& programFolder, const std::string& name,
                        const std::string& userFolder = {});

// What the chooser lists: "Default CW2", then the mod files.
std::vector<std::string> modChooserEntries(const std::string& programFolder, const std::string& userFolder = {});

// The description the chooser shows for an entry (index into
// modChooserEntries): the three default lines for entry 0, a file's
// description lines, or the reason a file cannot be used.
std::string modEntryDescription(const std::string& programFolder, const std::string& entry,
                                const std::string& userFolder = {});

// "Choose" in the chooser: sets the session's mod lines from the entry
// (cleared for "Default CW2" or no entry) and `label` to the text of the
// new-game screen's mod label. A file that cannot be used is refused with
// its reason, shown to the player, and nothing changes.
std::string chooseMod(Game& g, Player& p, const std::string& entry, std::string& label);

// Why the session's mod would leave no platform or no genre combination
// in a world built from `ref`; empty when something of both stays.
std::string modWorldRefusal(const ReferenceTables& ref, const std::string& platformLine,
                            const std::string& genreLine);

// The name of a builder item: its text before kModItemCountTag.
std::string modItemName(const std::string& itemText);

// Fills the builder's lists from the tables (every item checked, sorted),
// and the description with its starting text.
void fillModLists(ReferenceTables& ref);

// The mod the builder's lists describe: the unchecked items in list order.
ModFile modFromLists(const ModLists& lists);
// "Load Mod": checks every item, then unchecks those the file names
// (letter case counts); the description becomes the file's.
void applyModToLists(ModLists& lists, const ModFile& mod);

// Writes a mod file (replacing it), creating its folder. Returns why it
// could not be written, empty when it was.
std::string writeModFile(const std::string& path, const ModFile& mod);

// The save dialog's proposed name: the description's first 8 characters.
std::string proposedModFileName(const std::string& description);

// Why `name` cannot be the file name of a mod in "MODS" (a folder part,
// an empty name, characters a file name may not hold); empty when it can.
std::string checkModFileName(const std::string& name);
// `name` with the dialog's default extension ".CWM" unless it has one.
std::string withModExtension(const std::string& name);

// The access code of "New MOD".
bool modAccessCodeAccepted(const std::string& typed);

// "New MOD" once the access-code dialog has closed with `typed`: on a match
// the import runs with its "New MOD" action, which fills the builder's
// lists, and true says that the builder shows next. Anything else does
// nothing and says nothing.
bool newMod(Game& g, Player& p, ReferenceTables& ref, const std::string& typed);

}  // namespace cw
