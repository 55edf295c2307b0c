// The game quality model: how a project's people move its gameplay,
// complexity and replayability week by week against what its genre asks,
// and the score a finished game gets. Every calculator here reads the
// tables only, so the development screen, the project screen, the reviews
// and the post-mortem all see the numbers the week itself uses.
#pragma once

#include <array>

#include "state/game.h"
#include "state/tasks.h"

namespace cw {

// The skill level the era expects of a person (2 up to 1983 .. 8 from 2007).
int eraLevel(int year);
// How much harder it gets to contribute as the years pass (1 up to 1982 .. 7 from 2006).
int eraStep(int year);

// What players of genre g (a Genres index) ask for in gameplay, complexity
// and replayability, and how its work splits over programming, design and
// graphics: the average of the base genres its name is made of.
Triple genreDemands(const Game& g, int genre);
Triple genreWeights(const Game& g, int genre);

// The programming, design and graphics the team of a game task brings this
// week: the leader always counts, a member only in the areas where his
// skill reaches the threshold of the era and the game's present quality.
Triple effectiveSkill(const Game& g, const Task& t);

// What moves one quality this week: the team's skill weighted by the
// project's focus against the bar the era, the game level and the quality
// already reached set. The quality rises when `weighted` beats `target`.
struct QualityPull {
    i32 weighted = 0;
    i32 target = 0;
};
std::array<QualityPull, 3> qualityPull(const Game& g, const Task& t);

// The weekly quality and experience step of a game task in its core phase.
void updateGameQuality(Game& g, Task& t);

// The nine additions that make a game's score, in the order they are added.
struct ScoreBreakdown {
    i32 extras = 0;      // technical extras
    i32 production = 0;  // research sliders, celebrity and actors
    i32 hype = 0;
    i32 engine = 0;
    i32 demands = 0;     // quality against the genre's demands
    i32 experience = 0;  // the team's experience, weighted by the genre
    i32 sound = 0;       // music choice and sound studio
    i32 earlyYears = 0;  // the first years on the lower game levels
    i32 floor = 0;       // what lifts a weak game to the minimum score
    i32 total() const {
        return extras + production + hype + engine + demands + experience + sound + earlyYears + floor;
    }
};

inline constexpr i32 kMinimumScore = 55;

// What a score takes from the world besides the game record: the date, the
// game level, the sound studio and the engine the version is built on.
struct ScoreSetting {
    i32 year = 0;
    i32 gameLevel = 0;
    i32 soundStudioLevel = 0;
    i32 engineRating = 0;       // the player's engine for the platform and genre, 0 for none
    bool otherPlatform = false; // a version for a platform other than the project's own
};

// The setting the world gives the game record `game` right now.
ScoreSetting scoreSetting(const Game& g, const GameTitle& game, int platformOverride);

// The score of the game of task t, for its own platform or, when
// `platformOverride` is not 0, for that platform's version. The sound studio
// level it counts is the world's, which the caller records in the game's
// soundStudioAtFinish when the score is final.
int gameScore(const Game& g, const Task& t, int platformOverride, ScoreBreakdown* why = nullptr);

// The same score for a game record in a given setting; the post-mortem asks
// it about finished games and about changed copies ("what if").
int gameScoreIn(const Game& g, const GameTitle& game, const ScoreSetting& setting, ScoreBreakdown* why = nullptr);

}  // namespace cw
