#include "genres.h"

#include <cstring>

namespace datagen {

namespace {

const char* const kNames[] = {
    "",           "Action", "Adventure", "Educational",   "Racing / Driving", "Role-Playing (RPG)",
    "Simulation", "Sports", "Strategy",  "Puzzle/solving"};
const char* const kKeys[] = {"", "act", "adv", "edu", "rac", "rpg", "sim", "spo", "str", "puz"};

// Weight of each primary genre in 1977, 1985, 1995 and 2005; years between
// are interpolated.
const double kEra[10][4] = {
    {0, 0, 0, 0}, {40, 34, 30, 30}, {14, 12, 9, 7},   {8, 7, 5, 4},  {6, 6, 8, 8},
    {2, 7, 8, 9}, {7, 8, 8, 8},     {10, 12, 14, 13}, {6, 8, 10, 9}, {6, 6, 7, 10},
};

// By kind: computer, console, handheld.
const double kKind[10][3] = {
    {0, 0, 0},       {0.8, 1.4, 1.2}, {1.6, 0.5, 0.5}, {1.6, 0.15, 0.4}, {0.7, 1.3, 1.0},
    {1.3, 1.0, 0.9}, {1.8, 0.4, 0.3}, {0.8, 1.4, 0.9}, {2.2, 0.3, 0.4},  {1.0, 0.7, 2.2},
};

const GenrePair kPairs[] = {
    {Action, Adventure, 1980, 5},      {Action, Racing, 1983, 2},          {Action, RolePlaying, 1986, 4},
    {Action, Simulation, 1985, 2},     {Action, Sports, 1984, 1.5},        {Action, Strategy, 1988, 2},
    {Action, Puzzle, 1982, 2},         {Adventure, Action, 1986, 2},       {Adventure, Puzzle, 1979, 3},
    {Adventure, RolePlaying, 1985, 2}, {Adventure, Educational, 1982, 1},  {Educational, Puzzle, 1980, 3},
    {Educational, Adventure, 1984, 2}, {Educational, Simulation, 1988, 1}, {Racing, Action, 1985, 3},
    {Racing, Simulation, 1989, 3},     {Racing, Sports, 1987, 1},          {RolePlaying, Action, 1988, 3},
    {RolePlaying, Adventure, 1983, 3}, {RolePlaying, Strategy, 1989, 3},   {Simulation, Strategy, 1985, 4},
    {Simulation, Action, 1987, 2},     {Simulation, Sports, 1990, 1},      {Sports, Action, 1986, 2},
    {Sports, Simulation, 1988, 3},     {Sports, Strategy, 1991, 2},        {Strategy, Simulation, 1986, 3},
    {Strategy, RolePlaying, 1990, 2},
};

}  // namespace

const char* genreName(int genre) { return genre >= 1 && genre <= kGenreCount ? kNames[genre] : ""; }
const char* genreKey(int genre) { return genre >= 1 && genre <= kGenreCount ? kKeys[genre] : ""; }

double genreWeight(int genre, int year, const PlatformInfo& platform) {
    if (genre < 1 || genre > kGenreCount) return 0;
    if (genre == RolePlaying && year < 1978) return 0;
    static const int anchors[4] = {1977, 1985, 1995, 2005};
    double era = kEra[genre][3];
    for (int i = 0; i < 3; ++i) {
        if (year <= anchors[i + 1]) {
            double t = static_cast<double>(year - anchors[i]) / (anchors[i + 1] - anchors[i]);
            era = kEra[genre][i] + (kEra[genre][i + 1] - kEra[genre][i]) * t;
            break;
        }
    }
    double w = era * kKind[genre][static_cast<int>(platform.kind)];
    // A few machines had a character of their own.
    if (std::strcmp(platform.name, "V.Smile") == 0) w *= genre == Educational ? 60 : 0;
    if (std::strcmp(platform.name, "J2ME") == 0 || std::strcmp(platform.name, "N-Gage") == 0)
        w *= (genre == Puzzle || genre == Sports) ? 1.8 : (genre == Educational ? 0.2 : 1.0);
    if (std::strncmp(platform.name, "Neo Geo", 7) == 0 && platform.kind == Kind::Console)
        w *= (genre == Action || genre == Sports) ? 1.8 : 0.05;
    if (std::strcmp(platform.name, "Vectrex") == 0) w *= genre == Action ? 2.0 : 0.3;
    if (std::strcmp(platform.name, "PC-FX") == 0) w *= (genre == Adventure || genre == RolePlaying) ? 4.0 : 0.3;
    return w;
}

const GenrePair* pairsBegin() { return kPairs; }
const GenrePair* pairsEnd() { return kPairs + sizeof(kPairs) / sizeof(kPairs[0]); }

int secondGenrePercent(int year) {
    if (year < 1985) return 12;
    if (year < 1995) return 25;
    return 38;
}

}  // namespace datagen
