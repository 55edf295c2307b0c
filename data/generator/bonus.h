// The four lists of the best-remembered games, chosen from the catalogue
// and built into the program as C++ source.
#pragma once

#include <string>

#include "catalogue.h"
#include "rng.h"

namespace datagen {

struct BonusLists {
    std::string top25;      // "rank\ttitle\tscore\t" lines, all-time best
    std::string topAll;     // "title\t" lines, best per machine
    std::string genreBest;  // "title\t" lines, best per genre
    std::string yearBest;   // "rank\ttitle\t" lines, best per year
};

BonusLists chooseBonusLists(const Catalogue& catalogue, Rng rng);

// The text of src/refdata/bonus_lists.cpp.
std::string bonusListsSource(const BonusLists& lists);

}  // namespace datagen
