// The computer-run companies' releases and the genre trends.
#pragma once

#include <string>
#include <vector>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// The public interest in each genre (week 1 and every tenth week).
void UpdateGenreTrends(Game& g);

// Releases every catalogue title whose week has come.
void ReleaseCompetitorTitles(Game& g, Player& p);

// At world set-up: puts on the market the catalogue titles of the years
// before the start.
void ReleasePastTitles(Game& g, Player& p);

// The titles of the four-year sales window grouped by platform, in catalogue
// order, so that a release looks only at the titles of its own platform.
class PlatformTitles {
public:
    void build(Game& g);
    // Only the entries this week's releases can weaken: those on sale above
    // 50 and those coming out this week. Scores only fall while the week's
    // releases are worked, and no other title comes out, so no entry left
    // out could be touched.
    void buildForThisWeek(Game& g);
    // The window's entries on `platform` (1..255), any state.
    const std::vector<GameTitle*>& on(int platform) const { return byPlatform_[static_cast<std::size_t>(platform)]; }

private:
    void fill(Game& g, bool weakenableOnly);
    std::vector<GameTitle*> byPlatform_[256];
};

// The games of every platform as CountPlatformGames counts them, from one
// walk of the catalogue at the first question: a week's releases ask for
// the player's consoles again and again, and each count walked every year
// of the catalogue. While the week's releases are worked only ports change
// the catalogue: they go into this year or a later one, at or after this
// year's count, and the entries below the count stay as they were. So
// after a port only the entries from the old count on are counted again.
class PlatformGameCounts {
public:
    // The count CountPlatformGames would return (and store) just now.
    int count(Game& g, int platform);
    // Entries were added to this year or a later one as ports are placed.
    void thisYearGrew() { thisYearGrew_ = true; }

private:
    bool pastKnown_ = false;
    bool thisYearKnown_ = false;
    bool thisYearGrew_ = false;
    int thisYearEnd_ = 0;     // this year's entries 1..thisYearEnd_ are counted
    int endPlatform_ = -1;    // what the entry at thisYearEnd_ added, -1 nothing
    std::vector<int> past_;      // the years before this one
    std::vector<int> thisYear_;  // the titles of this year out by this week
};

// What a release does, in the order a release does it. `score` is the
// released title's sales score.
int StaffBonus(Game& g, i32 companyRow);
int CountPlatformGames(Game& g, int platform);
// `counts`, when given, answers the count of the platform's games.
void ApplyPlatformEffect(Game& g, int score, int platform, PlatformGameCounts* counts = nullptr);
void ApplyGenreEffect(Game& g, int score, int genre);
void ApplyCompetition(Game& g, const PlatformTitles& window, int score, int platform, int genre);
void ApplyEngineEffect(Game& g, int score, int platform, int genre, i32 companyRow);
// Returns how many ports it put in the catalogue.
int SpawnPorts(Game& g, int year, int index);

// The market's columns of a genre's line: its public interest and its
// trend, signed ("+2", "0", "-1").
struct GenreMarketColumns {
    std::string interest;
    std::string trend;
};
GenreMarketColumns genreMarketColumns(const Game& g, int genre);

}  // namespace cw
