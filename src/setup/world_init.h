// Building a playable world from the reference tables and the new-game
// screen's choices: every table a new game starts from, in a fixed order of
// steps and random draws. A load runs only the steps every start needs; the
// saved tables replace the rest afterwards.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "refdata/reference_tables.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// What the world set-up asks of the windowing side; every hook may be left
// empty.
struct WorldScreenHooks {
    std::function<void()> startPlayTimer;
    // The company's buildings and headquarters on the main map; the upgrade
    // panel goes behind the map and the icon timer starts.
    std::function<void()> showMapBuildings;
    // The main screen's pictures of the current era.
    std::function<void()> chooseEraPictures;
};

// Runs the world set-up. With g.session.loadingSavedGame set only the steps
// every start needs run. Status texts and the bar go to the progress window.
void initWorld(Game& g, Player& p, const ReferenceTables& ref, const WorldScreenHooks& hooks = {});

// The play time of earlier runs from "Cw2.tid" in the program folder into
// g.session (0 without a readable file); the time of this run starts at 0.
void readStoredPlayTime(Game& g);

// The nine base genres' built-in profiles, filled on every set-up.
void fillGenreProfiles(Session& s);

// True when `line` (a mod's list of excluded names, ";A;B;") names `name`,
// compared in upper case.
bool excludedByMod(std::string_view line, std::string_view name);

// Base rating of a catalogue row: 60 + random(40), plus 20 for an all-time
// best title and 10 for each of the other three best lists it is on.
int catalogueRating(Game& g, const ReferenceTables& ref, int row);

// How many people a computer-run company with `gameCount` catalogue games
// employs at the start: one per 25 games, at least 1 and at most 7.
int companyStaffSlots(i32 gameCount);

// The computer-run companies take on their first software people, who
// then enter the labour market with their company's first year.
void hireCompanyStaff(Game& g, Player& p, const ReferenceTables& ref);

// What a freshly built world holds, for the transcript and the tests.
struct WorldSummary {
    int platforms = 0;
    int releasedPlatforms = 0;
    int processors = 0;
    int announcedProcessors = 0;
    int genres = 0;
    int companies = 0;
    int companyStaff = 0;
    int people = 0;
    int catalogueTitles = 0;
    int releasedTitles = 0;
};
WorldSummary summarizeWorld(const Game& g);
// "63 platforms (4 released), 144 processors (17 on the market), ..."
std::string worldSummaryText(const WorldSummary& w);

// What the game level decides outside the saved tables (the price unit of
// all construction), from the level of the world as it stands: a new game's
// choice, or a loaded game's own.
void deriveFromGameLevel(Game& g);

// "Test" on the database screen: a fresh seed and a world built with the
// new-game screen's defaults from the reference tables as they stand now;
// `summary` then describes it. While the last import was incomplete the
// test is refused with a message naming the table file, and nothing changes.
bool testWorld(Game& g, Player& p, const ReferenceTables& ref, std::string& summary);

}  // namespace cw
