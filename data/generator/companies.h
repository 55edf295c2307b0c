// The companies of the world: their names, sizes, lives and tastes.
#pragma once

#include <string>
#include <vector>

#include "names.h"
#include "rng.h"
#include "words.h"

namespace datagen {

enum class Tier { Giant, Major, Mid, Small };

struct Company {
    std::string name;
    Tier tier = Tier::Small;
    int first = 0;
    int last = 0;
    int target = 0;               // games it puts into the catalogue
    double kind[3] = {1, 1, 1};   // taste for computers, consoles, handhelds
    double genre[10] = {};        // taste for each base genre (index 1..9)
    int quality = 0;              // how good its games tend to be
    std::vector<int> perYear;     // games in year first + i, after allocation
    std::vector<int> franchises;  // indexes of its series
};

// Every company gets a unique name that is none of the `avoid` names.
std::vector<Company> makeCompanies(const WordBank& words, const NameSource& names, Rng rng,
                                   const std::vector<std::string>& avoid);

// Spreads each company's games over its years so that the whole catalogue
// follows the market's growth; `marketShape` is indexed by year - 1977 and
// only its proportions matter.
void allocateGames(std::vector<Company>& companies, const std::vector<double>& marketShape);

bool passesLargeTest(int games, int first, int last);

}  // namespace datagen
