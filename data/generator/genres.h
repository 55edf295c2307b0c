// The nine base genres, how popular each is in each era and on each kind of
// machine, and the pairs a game may combine.
#pragma once

#include <string>

#include "platforms.h"

namespace datagen {

// Numbered as the game numbers its base genres.
enum Genre { Action = 1, Adventure, Educational, Racing, RolePlaying, Simulation, Sports, Strategy, Puzzle };
constexpr int kGenreCount = 9;

const char* genreName(int genre);
// Short key of the genre in the title patterns ("act", "adv", ...).
const char* genreKey(int genre);

// Share of new titles with this primary genre on a machine of the kind.
double genreWeight(int genre, int year, const PlatformInfo& platform);

struct GenrePair {
    int primary;
    int secondary;
    int from;  // no game combines them before this year
    double weight;
};
const GenrePair* pairsBegin();
const GenrePair* pairsEnd();

// Percent of new titles in the year that carry a second genre.
int secondGenrePercent(int year);

}  // namespace datagen
