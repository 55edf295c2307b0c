// The reference tables: the world's raw material (historic catalogue,
// companies, genre combinations, platforms, people, processors) as text
// tables, imported from the data archive before a world is built.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "refdata/mod_lists.h"
#include "state/table_file.h"
#include "state/types.h"

namespace cw {

struct ReferenceTables {
    ReferenceTables();

    StringTable List_games{'\t', 9};
    StringTable List_Company{';', 5};
    StringTable List_LTDs{';', 2};
    StringTable list_genre{';', 4};
    StringTable list_platforms{';', 4};
    StringTable List_platforms_release{';', 3};
    StringTable list_people{';', 6};
    StringTable List_cpus{';', 7};

    std::vector<std::string> namesNotConverted;
    std::vector<std::string> yearReleases;  // "1984 : 312"

    bool rebuildRequested = false;  // once asked for, every later import of the run converts again
    bool tablesFromCache = false;   // the last import read the conversion files
    bool testEnabled = false;       // "Test" on the database screen
    // Catalogue games per year, counted by the last conversion; a new game
    // takes them into its tables (they travel with its saves).
    Arr<std::int32_t, 1970, 2099> catalogueGamesPerYear{};
    // What kept the last import from filling every table a world needs
    // ("cw2_cpus.csv is missing from data.zip"); empty when it did.
    std::string importProblem;
    // The mod builder's lists, filled by a "New MOD" import.
    ModLists modLists;

    // The tables by their names, for the database screen and the CLI.
    StringTable* byName(const std::string& name);
    static const std::vector<std::string>& tableNames();
};

// The nine base genres; index 0 is the empty name.
extern const char* const BaseGenreNames[10];
// Friendly name of a genre code ("5,8" -> "Role-Playing (RPG),Strategy").
std::string genreFriendlyName(const std::string& code);

// Built-in platform release years, searched in order, first match wins.
struct KnownPlatformYear {
    const char* name;
    int year;
};
extern const KnownPlatformYear KnownPlatformYears[41];

// The fixed company name given to catalogue rows without a company.
inline constexpr const char* kHouseCompanyName = "Independent Developers";

}  // namespace cw
