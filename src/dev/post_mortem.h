// The post-mortem of the player's games: why a game got its score and why
// it sold what it sold last week. Every number comes from the functions that
// made it (the score from gameScoreIn, the week from what the sales step kept
// as it ran); reading a post-mortem changes nothing and draws nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "quality/game_quality.h"
#include "state/game.h"

namespace cw {

// One component: what it is, the points or dollars it adds, and a sentence
// a player understands.
struct WhyLine {
    std::string key;
    std::int64_t value = 0;
    std::string sentence;
};

// A value against what is asked of it, for the screens' bars.
struct WhyBar {
    std::string name;
    i32 value = 0;
    i32 asked = 0;
    std::string sentence;
};

// One platform version of a game in development as the finish scores it.
struct WhyVersion {
    int platform = 0;
    std::string platformName;
    i32 total = 0;
    std::vector<WhyLine> lines;  // they sum to `total`
};

struct WhyScore {
    std::string unavailable;  // set when there is nothing to take apart, saying why
    std::string title;
    bool finished = false;    // a finished game's stored score, not one in development
    std::vector<WhyLine> lines;  // the additions in the order they are made; they sum to `total`
    i32 total = 0;
    // A game in development: every version the finish stores (the first is
    // `lines` and `total`), and the publisher deal the prediction counts.
    std::vector<WhyVersion> versions;
    std::string publisher;
    std::vector<WhyBar> qualities;  // gameplay, complexity, replayability against the genre's demands
    std::vector<WhyBar> team;       // the team's weighted skills against the era's bar (games in development)
    std::vector<WhyLine> changes;   // the one or two changes that would have raised the score most
    std::string note;
};

// The record and setting a game was scored with when it was finished, kept
// in memory for its product entry (never saved; a new game or a load starts
// over), so its post-mortem is the very score it got.
void rememberFinishedScore(const Game& g, int product, const GameTitle& game, const ScoreSetting& setting);
void forgetFinishedScores(const Game& g);

// The score each version of the game of task `task` would get if it were
// finished now: scored the way the finish scores it, with the hype of the
// publisher deal it would sign by default when it has none yet (the deal's
// draw taken at its middle, so the hype may come out 2 higher or lower).
WhyScore whyScoreOfTask(const Game& g, int task);
// The stored sales score of game product `product` (1..3500).
WhyScore whyScoreOfProduct(const Game& g, int product);

struct WhySalesWeek {
    int week = 0;  // week on sale
    int chartPos = 0;
    i32 revenue = 0;
};

struct WhySales {
    std::string unavailable;
    std::string title;
    int region = 1;  // 1 US, 2 Europe, 3 Asia
    std::string regionKey;   // "us", "eu", "asia"
    std::string regionName;  // "USA", "Europe", "Asia"
    i32 year = 0, week = 0;  // the computed week
    std::vector<WhyLine> lines;  // the rules in order; they sum to `total`
    std::int64_t total = 0;      // the region's stored week revenue
    std::string note;            // set when the region sold nothing for a plain reason
    // The week's revenue of all regions and the shares taken from it.
    std::vector<WhyLine> shares;
    std::vector<WhySalesWeek> history;  // chart position and revenue per week on sale
};

// The last computed week of game product `product` in `region` (1..3).
WhySales whySales(const Game& g, int product, int region);

// What to say when no single change would have raised the score.
std::string noChangeText(const WhyScore& w);

// "us", "eu", "asia" to 1..3; 0 for anything else.
int regionFromKey(const std::string& key);

}  // namespace cw
