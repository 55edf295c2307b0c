// The catalogue of released games, 1977 to 2005.
#pragma once

#include <string>
#include <vector>

#include "companies.h"
#include "names.h"
#include "rng.h"
#include "titles.h"
#include "words.h"

namespace datagen {

struct CatalogueRow {
    std::string title;
    int year = 0;
    int company = -1;    // index in companies; -1: no company named
    int publisher = -1;  // named after the developer, behind a comma
    int genre = 0;
    int secondary = 0;
    bool genreBlank = false;       // the genre cell left empty
    bool blankAfterComma = false;  // "Action, Strategy" rather than "Action,Strategy"
    std::vector<int> platforms;    // indexes in platformTable()
    bool platformBlanks = false;   // "DOS, Amiga" rather than "DOS,Amiga"
    int quality = 0;               // how well remembered the game is
    int franchise = -1;
};

struct Catalogue {
    std::vector<Company> companies;
    std::vector<Franchise> franchises;
    std::vector<CatalogueRow> rows;  // by year, then title
};

Catalogue buildCatalogue(const WordBank& words, const NameSource& names, Rng rng);

// The raw catalogue file: title, year, company, genre, platforms, tab-separated.
std::string catalogueText(const Catalogue& catalogue);
// platform_release.csv: name;kind;release year.
std::string platformReleaseText();

}  // namespace datagen
