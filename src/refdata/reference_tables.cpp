#include "refdata/reference_tables.h"

#include <cctype>

namespace cw {

const char* const BaseGenreNames[10] = {"",           "Action",   "Adventure",          "Educational",
                                        "Racing / Driving", "Role-Playing (RPG)", "Simulation", "Sports",
                                        "Strategy",   "Puzzle/solving"};

const KnownPlatformYear KnownPlatformYears[41] = {
    {"WINDOWS", 1996},          {"windows 3.X", 1988},     {"NES", 1985},
    {"SNES", 1991},             {"TurboGrafx-16", 1989},   {"TurboGrafx CD", 1990},
    {"DOS", 1985},              {"AMSTRAD CPC", 1983},     {"COMMODORE 64", 1983},
    {"ZX SPECTRUM", 1983},      {"AMIGA", 1987},           {"AMIGA CD32", 1991},
    {"ATARI 5200", 1982},       {"ATARI 7800", 1985},      {"ATARI ST", 1987},
    {"LYNX", 1988},             {"JAGUAR", 1993},          {"SEGA MASTER SYSTEM", 1986},
    {"SEGA CD", 1992},          {"GAME GEAR", 1990},       {"SEGA 32X", 1992},
    {"SATURN", 1994},           {"GENESIS", 1989},         {"LINUX", 1998},
    {"GAME BOY", 1989},         {"GAME BOY COLOR", 1998},  {"GAME BOY ADVANCE", 2001},
    {"NINTENDO 64", 1996},      {"GAMECUBE", 2001},        {"PLAYSTATION", 1994},
    {"PLAYSTATION 2", 2000},    {"XBOX", 2001},            {"PSP", 2005},
    {"N-GAGE", 2003},           {"XBOX 360", 2006},        {"Playstaion 3", 2007},
    {"3DO", 1993},              {"WONDERSWAN COLOR", 2000}, {"WONDERSWAN", 1999},
    {"J2ME", 2003},             {"Neo Geo Pocket Color", 1999},
};

std::string genreFriendlyName(const std::string& code) {
    std::string out;
    bool first = true;
    for (const std::string& part : splitFields(code, ',')) {
        if (!first) out += ",";
        first = false;
        int index = -1;
        if (!part.empty() && part.size() <= 2 && std::isdigit(static_cast<unsigned char>(part[0])) &&
            (part.size() == 1 || std::isdigit(static_cast<unsigned char>(part[1]))))
            index = std::stoi(part);
        out += (index >= 0 && index <= 9) ? std::string(BaseGenreNames[index]) : part;
    }
    while (!out.empty() && out.back() == ',') out.pop_back();
    return out;
}

ReferenceTables::ReferenceTables() = default;

StringTable* ReferenceTables::byName(const std::string& name) {
    if (name == "List_games") return &List_games;
    if (name == "List_Company") return &List_Company;
    if (name == "List_LTDs") return &List_LTDs;
    if (name == "list_genre") return &list_genre;
    if (name == "list_platforms") return &list_platforms;
    if (name == "List_platforms_release") return &List_platforms_release;
    if (name == "list_people") return &list_people;
    if (name == "List_cpus") return &List_cpus;
    return nullptr;
}

const std::vector<std::string>& ReferenceTables::tableNames() {
    static const std::vector<std::string> names = {"List_games",     "List_Company",           "List_LTDs",
                                                   "list_genre",     "list_platforms",         "List_platforms_release",
                                                   "list_people",    "List_cpus"};
    return names;
}

}  // namespace cw
