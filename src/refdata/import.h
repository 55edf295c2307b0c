// Importing the reference tables from the data archive "data.zip".
#pragma once

#include <string>
#include <vector>

#include "refdata/convert.h"
#include "refdata/reference_tables.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// Which control started the import.
enum class ImportAction {
    ConvertData,      // "Convert Data" on the database screen
    StartNewGame,     // "Start new game"
    RebuildData,      // "Rebuild data" on the database screen
    RebuildDatabase,  // "Rebuild Database" on the new-game screen
    NewMod,           // "New MOD"
};

inline bool isRebuild(ImportAction a) { return a == ImportAction::RebuildData || a == ImportAction::RebuildDatabase; }

inline constexpr const char* kDataArchiveName = "data.zip";
inline constexpr const char* kRawCatalogueFile = "cw2_test.txt";
inline constexpr const char* kPeopleFile = "cw2_test_people.txt";
inline constexpr const char* kProcessorFile = "cw2_cpus.csv";
inline constexpr const char* kReleaseYearFile = "platform_release.csv";

// The archive members the import reads; nothing else is ever unpacked.
const std::vector<std::string>& importedMemberNames();

// Runs the import in its fixed order. The archive in the program folder
// (g.programFolder) is unpacked into a folder of this import's own inside
// the folder the game writes to (g.writableFolder()), removed afterwards. `status` receives the conversion's row numbers
// ("game num:"). Returns, and keeps in t.importProblem, the first thing that
// keeps the tables from building a world (a missing archive, a missing,
// damaged or empty table file); empty when they are complete.
std::string importReferenceData(Game& g, Player& p, ReferenceTables& t, ImportAction action,
                                const BonusLists& lists = builtinBonusLists(),
                                const std::function<void(int)>& status = {});

// The message that refuses a world while the last import was incomplete;
// empty when the tables can build one.
std::string referenceDataRefusal(const ReferenceTables& t);

// The access code of "Rebuild Database".
bool rebuildPasswordAccepted(const std::string& typed);

// "Rebuild Database" once its access-code dialog has closed, with the text
// typed into it: on a match the import runs as a rebuild and true says that
// the database screen shows next; anything else does nothing and says
// nothing.
bool rebuildDatabase(Game& g, Player& p, ReferenceTables& t, const std::string& typed,
                     const std::function<void(int)>& status = {});

}  // namespace cw
