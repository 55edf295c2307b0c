// Game companies that port their titles to the player's consoles: the deal
// slots of a console, the weekly ports a signed company makes, and the way
// into the platform publisher screen.
#pragma once

#include <string>
#include <vector>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The deals that count against one console: three, although its record
// holds ten slots.
inline constexpr int kMaxPlatformDeals = 3;

// A live platform task designing a new console (type 1, subtype 0).
bool isNewPlatformTask(const Game& g, int task);

// The signed publisher deals of the console a platform task designs.
int dealCount(const Game& g, int task);
bool hasDeal(const Game& g, int company, int task);
// Stores the deal in the first free of the ten slots; false when all are used.
bool signDeal(Game& g, int company, int task, int games);

// The weekly deals of one released console of the player (a `Platforms` index).
void weeklyPlatformDeals(Game& g, Player& p, int platform);

// The first catalogue slot of `year` whose title is blank, from the year's
// next free index on (then the holes below it); 0 when the year is full or
// outside the catalogue. Never a slot that holds a title.
int freeCatalogueSlot(const Game& g, int year);

// The publisher screen for a platform task in new development.
void openPlatformPublishers(Game& g, Player& p, int task);
// The task whose platform publisher screen is open; 0 when none is.
int openPlatformPublisherTask();

// A console's signed companies as the product screen lists them: name,
// games still to come and the titles of that company on the console so far.
struct PlatformDealLine {
    int company = 0;
    std::string name;
    int gamesLeft = 0;
    int ported = 0;
};
std::vector<PlatformDealLine> platformDealLines(const Game& g, int platform);

}  // namespace cw
