// Importing the reference tables from the data archive "data.zip".
#pragma once

#include <string>

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

// Runs the import in its fixed order. Files are unpacked into and removed
// from the program folder (g.programFolder). `status` receives the
// conversion's row numbers ("game num:").
void importReferenceData(Game& g, Player& p, ReferenceTables& t, ImportAction action,
                         const BonusLists& lists = builtinBonusLists(), const std::function<void(int)>& status = {});

// The access code of "Rebuild Database".
bool rebuildPasswordAccepted(const std::string& typed);

}  // namespace cw
