// The game quality model: era tables, genre profiles, the team's effective
// skill, the weekly quality step and the score.
#include "quality/game_quality.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sim/task_world.h"

namespace cw {
namespace {

using test::TaskWorld;

TEST(EraTables, ChangeAtTheirYears) {
    const std::pair<int, int> levels[] = {{1980, 2}, {1983, 2}, {1984, 3}, {1987, 3}, {1988, 4}, {1991, 4},
                                          {1992, 5}, {1996, 5}, {1997, 6}, {2001, 6}, {2002, 7}, {2006, 7},
                                          {2007, 8}};
    for (auto [year, level] : levels) EXPECT_EQ(eraLevel(year), level) << year;
    const std::pair<int, int> steps[] = {{1980, 1}, {1982, 1}, {1983, 2}, {1985, 2}, {1986, 3}, {1989, 3},
                                         {1990, 4}, {1994, 4}, {1995, 5}, {1999, 5}, {2000, 6}, {2005, 6},
                                         {2006, 7}};
    for (auto [year, step] : steps) EXPECT_EQ(eraStep(year), step) << year;
}

TEST(GenreProfiles, AverageOverTheNamesParts) {
    TaskWorld w;
    EXPECT_EQ(genreDemands(w.g, 1), (Triple{40, 10, 50}));
    EXPECT_EQ(genreWeights(w.g, 1), (Triple{40, 20, 40}));
    // Action with Adventure (50, 45, 5): the sums halved, truncated.
    EXPECT_EQ(genreDemands(w.g, 2), (Triple{45, 27, 27}));
    EXPECT_EQ(genreWeights(w.g, 2), (Triple{30, 25, 45}));
    // A part that is no base genre adds nothing but still counts.
    EXPECT_EQ(genreDemands(w.g, 3), (Triple{20, 5, 25}));
    EXPECT_EQ(genreDemands(w.g, 4), (Triple{0, 0, 0}));
    EXPECT_EQ(genreWeights(w.g, 0), (Triple{0, 0, 0}));
    // The names compare exactly.
    w.g.tables().genres[5].name = "action";
    EXPECT_EQ(genreDemands(w.g, 5), (Triple{0, 0, 0}));
}

TEST(EffectiveSkill, LeaderAlwaysCountsMembersOnlyFromTheirThreshold) {
    TaskWorld w;  // 1985: era step 2
    const int t = w.gameTask("Space Duel", w.hire(1, "Ann", 3, 2, 1), 1000, 100);
    w.assign(t, 1, w.hire(2, "Bob", 2, 2, 2));
    w.assign(t, 2, w.hire(3, "Cy", 1, 1, 1));  // below the threshold of 2 everywhere
    EXPECT_EQ(effectiveSkill(w.g, w.task(t)), (Triple{45 + 40, 30 + 40, 15 + 40}));

    // Knowing the genre and the platform lowers programming twice, the
    // other areas once.
    w.person(3).genreExperience = 1;
    w.person(3).platformExperience = 1;
    w.person(3).programming = 0;
    EXPECT_EQ(effectiveSkill(w.g, w.task(t)), (Triple{45 + 40 + 0, 30 + 40 + 20, 15 + 40 + 20}));

    // Quality near the genre's demand (gameplay 400): 320 * 125 / 100
    // reaches it and raises the threshold by one, 400 by two.
    w.person(3).programming = 1;
    w.task(t).game.qualityGameplay = 319;
    EXPECT_EQ(effectiveSkill(w.g, w.task(t))[0], 45 + 40 + 20);
    w.task(t).game.qualityGameplay = 320;
    EXPECT_EQ(effectiveSkill(w.g, w.task(t))[0], 45 + 20);  // Bob needs 3 now, Cy 1
    w.task(t).game.qualityGameplay = 400;
    EXPECT_EQ(effectiveSkill(w.g, w.task(t))[0], 45);

    // In the first era step experience lowers nothing.
    w.g.currentYear = 1982;
    w.task(t).game.qualityGameplay = 320;
    EXPECT_EQ(effectiveSkill(w.g, w.task(t))[0], 45 + 40);  // threshold 2 for both
}

TEST(UpdateGameQuality, MovesEachValueTowardsWhatTheTeamDelivers) {
    TaskWorld w;  // 1985, game level 1: base 20 + 8 * 8 = 84; Action asks 400, 100, 500
    const int t = w.gameTask("Space Duel", w.hire(1, "Ann", 5, 1, 8), 1000, 100);
    GameTitle& game = w.task(t).game;
    // Sums 90, 90, 135.
    game.qualityGameplay = 390;  // 5 short: target 84 * 95 / 100 = 79; v = 90 * 99 / 100 = 89
    game.focusGameplay = 99;
    game.qualityComplexity = 5;  // v = 0: loses 10 and stops at 0
    game.focusComplexity = 1;
    game.qualityReplayability = 600;  // target 126; v = 121 is short of it yet above 100
    game.focusReplayability = 90;
    updateGameQuality(w.g, w.task(t));
    EXPECT_EQ(game.qualityGameplay, 391);  // (89 - 79) / 10; taking 5 % off 84 first would give 0
    EXPECT_EQ(game.qualityComplexity, 0);
    EXPECT_EQ(game.qualityReplayability, 602);  // -(100 - 121) / 10

    // A skill far above the target.
    game.qualityGameplay = 0;  // target 42
    game.focusGameplay = 100;
    updateGameQuality(w.g, w.task(t));
    EXPECT_EQ(game.qualityGameplay, (90 - 42) / 10);
}

TEST(UpdateGameQuality, ExperienceDrawsInOrderAndTheByteStopsAt255) {
    TaskWorld w;  // era level 3 in 1985
    const int t = w.gameTask("Space Duel", w.hire(1, "Ann", 5, 1, 13), 1000, 100);
    w.assign(t, 1, w.hire(2, "Bob", 4, 6, 3));
    w.assign(t, 3, w.hire(3, "Cy", 9, 0, 4));
    GameTitle& game = w.task(t).game;
    game.expGraphics = 250;
    w.g.rng.seed = test::seedWhere([](Random& r) { return r.randomInt(10) >= 5 && r.randomInt(10) >= 5; }, 7);

    // Expected: leader programming, leader graphics, Bob programming, Bob
    // design, Cy programming, Cy graphics; a draw of 5 or more gains.
    Random replica = w.g.rng;
    u8 exp[3] = {0, 0, 250};
    auto draw = [&](int area, int gain) {
        if (replica.randomInt(10) + 1 > 5) exp[area] = static_cast<u8>(std::min(exp[area] + gain, 255));
    };
    draw(0, 2), draw(2, 10), draw(0, 1), draw(1, 3), draw(0, 6), draw(2, 1);
    updateGameQuality(w.g, w.task(t));
    EXPECT_EQ(w.g.rng.seed, replica.seed);
    EXPECT_EQ(game.expProgramming, exp[0]);
    EXPECT_EQ(game.expDesign, exp[1]);
    EXPECT_EQ(game.expGraphics, exp[2]);
    EXPECT_EQ(game.expGraphics, 255);  // 250 + 10 stops at the byte's top
}

TEST(GameScore, AddsTheNinePartsInOrder) {
    TaskWorld w;
    w.g.currentYear = 1983;
    w.world().gameLevel = 2;
    w.world().soundStudioLevel = 2;
    w.world().ownEngines[1][1].rating = 90;
    w.world().ownEngines[2][1].rating = 61;
    const int t = w.gameTask("Space Duel", 0, 1000, 0);
    GameTitle& game = w.task(t).game;
    game.extrasScore = 23;
    game.researchProgramming = game.researchDesign = game.researchGraphics = 100;
    game.hasCelebrity = 1;
    game.hasVoiceActor = 1;
    game.hype = 42;
    game.qualityGameplay = 460;   // 60 above 400: 2 * (40 / 10)
    game.qualityComplexity = 160;  // 60 above 100: 2 * 1
    game.qualityReplayability = 500;
    game.expProgramming = 99;
    game.expDesign = 49;
    game.expGraphics = 200;  // 40 + 10 + 80, capped at 100
    game.partnerShare = 3;

    ScoreBreakdown why;
    EXPECT_EQ(gameScore(w.g, w.task(t), 0, &why), 113);
    EXPECT_EQ(why.extras, 7);
    EXPECT_EQ(why.production, 37 + 8);
    EXPECT_EQ(why.hype, 8);
    EXPECT_EQ(why.engine, 22);  // 90 / 4
    EXPECT_EQ(why.demands, 10 / 4);
    EXPECT_EQ(why.experience, 20);
    EXPECT_EQ(why.sound, (30 + 16) / 8);
    EXPECT_EQ(why.earlyYears, 2 + 2);  // 1983 is after 1982
    EXPECT_EQ(why.floor, 0);
    EXPECT_EQ(why.total(), 113);

    // Another platform's version: that platform's engine, divided by 3.
    EXPECT_EQ(gameScore(w.g, w.task(t), 2, &why), 113 - 22 + 20);
    w.world().ownEngines[2][1].rating = 0;
    EXPECT_EQ(gameScore(w.g, w.task(t), 2, &why), 113 - 22);

    // Far above the demand counts at most 10 steps.
    game.qualityGameplay = 10000;
    gameScore(w.g, w.task(t), 0, &why);
    EXPECT_EQ(why.demands, (40 + 2) / 4);
}

TEST(GameScore, NeverBelowTheFloorAndEarlyYearsByLevel) {
    TaskWorld w;
    w.g.currentYear = 1987;
    const int t = w.gameTask("Plain", 0, 1000, 0);
    ScoreBreakdown why;
    // Research 75 / 8 = 9, hype 7, quality 100 short: -25.
    EXPECT_EQ(gameScore(w.g, w.task(t), 0, &why), kMinimumScore);
    EXPECT_EQ(why.hype, 7);
    EXPECT_EQ(why.engine, 0);
    EXPECT_EQ(why.sound, 0);
    EXPECT_EQ(why.demands, -25);
    EXPECT_EQ(why.floor, 55 - (9 + 7 - 25));

    auto early = [&](int level, int year) {
        w.world().gameLevel = static_cast<u8>(level);
        w.g.currentYear = year;
        gameScore(w.g, w.task(t), 0, &why);
        return why.earlyYears;
    };
    EXPECT_EQ(early(1, 1982), 12);
    EXPECT_EQ(early(1, 1986), 4);
    EXPECT_EQ(early(1, 1987), 0);
    EXPECT_EQ(early(2, 1982), 6);
    EXPECT_EQ(early(3, 1982), 0);
}

}  // namespace
}  // namespace cw
