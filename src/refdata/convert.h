// Deriving the companies, genre combinations and platforms from the raw
// catalogue, and disguising its titles.
#pragma once

#include <functional>
#include <string>

#include "refdata/reference_tables.h"
#include "state/game.h"

namespace cw {

// The four best-title lists; a catalogue title counts as listed when it
// occurs anywhere in a list's text, without regard to case.
struct BonusLists {
    std::string top25;      // sets "All Bonus"
    std::string top10All;   // sets "Platf.Bonus"
    std::string genreBest;  // sets "Genre bonus"
    std::string yearBest;   // sets "Year bonus"
};

// The lists built into the program.
const BonusLists& builtinBonusLists();

// The conversion files, in the order of the tables they hold.
struct ConversionFile {
    const char* fileName;
    StringTable ReferenceTables::*table;
};
extern const ConversionFile kConversionFiles[5];

// Converts List_games in place and fills the derived tables and the
// catalogue's games per year. `status` is
// called every 25 catalogue rows with the row number (the screen's
// "game num:" and a chance to process events). Writes the five conversion
// files into `folder` unless it is empty.
void convertCatalogue(ReferenceTables& t, Game& g, const BonusLists& lists, const std::string& folder,
                      const std::function<void(int)>& status = {});

}  // namespace cw
