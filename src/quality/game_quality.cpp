#include "quality/game_quality.h"

#include <algorithm>
#include <string_view>

#include "quality/task_calculators.h"

namespace cw {
namespace {

using EngineRow = Arr<EngineSlot, 1, 150>;

// Sums a base-genre column over the parts of a genre's name, then averages
// over the parts. A part that names no base genre still counts, which
// waters the genre down.
template <typename Column>
Triple profileAverage(const Game& g, int genre, Column column) {
    Triple sum{0, 0, 0};
    const auto& genres = g.tables().genres;
    if (genre <= 0 || !genres.inRange(genre)) return sum;
    const std::string_view name = genres[genre].name.view();
    i32 parts = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = name.find(',', start);
        const std::string_view part = name.substr(start, comma == std::string_view::npos ? name.size() - start
                                                                                         : comma - start);
        ++parts;
        for (std::size_t k = 1; k < g.session.genreProfiles.size(); ++k) {
            const GenreProfile& profile = g.session.genreProfiles[k];
            if (!profile.name.empty() && part == profile.name) {
                const auto& values = column(profile);
                for (std::size_t a = 0; a < 3; ++a) sum[a] += values[a];
                break;
            }
        }
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    for (i32& v : sum) v /= parts;
    return sum;
}

// A member's threshold in one area: one step lower for a person who knows
// the genre or the platform, higher again once the quality is already
// close to (one step) or at (two steps) the genre's demand.
i32 threshold(i32 era, i32 experienceSteps, i32 quality, i32 demand) {
    i32 t = era;
    if (era > 1) t -= experienceSteps;
    if (quality * 125 / 100 >= 10 * demand) t += 1;
    if (quality >= 10 * demand) t += 1;
    return t;
}

}  // namespace

int eraLevel(int year) {
    if (year <= 1983) return 2;
    if (year <= 1987) return 3;
    if (year <= 1991) return 4;
    if (year <= 1996) return 5;
    if (year <= 2001) return 6;
    if (year <= 2006) return 7;
    return 8;
}

int eraStep(int year) {
    if (year <= 1982) return 1;
    if (year <= 1985) return 2;
    if (year <= 1989) return 3;
    if (year <= 1994) return 4;
    if (year <= 1999) return 5;
    if (year <= 2005) return 6;
    return 7;
}

Triple genreDemands(const Game& g, int genre) {
    return profileAverage(g, genre, [](const GenreProfile& p) -> const auto& { return p.demands; });
}

Triple genreWeights(const Game& g, int genre) {
    return profileAverage(g, genre, [](const GenreProfile& p) -> const auto& { return p.weights; });
}

Triple effectiveSkill(const Game& g, const Task& t) {
    const GameTitle& game = t.game;
    const i32 era = eraStep(g.currentYear);
    Triple skill{0, 0, 0};
    if (const Person* leader = personOf(g, t.leader)) {
        skill[0] += 15 * leader->programming;
        skill[1] += 15 * leader->design;
        skill[2] += 15 * leader->graphics;
    }
    const Triple demand = genreDemands(g, game.genre);
    for (i32 member : t.staff) {
        const Person* p = personOf(g, member);
        if (!p) continue;
        const bool genreKnown = p->genreExperience == game.genre;
        const bool platformKnown = p->platformExperience == game.platform;
        // Programming draws on both kinds of experience, the other two
        // areas on either one, once.
        const i32 codeSteps = (genreKnown ? 1 : 0) + (platformKnown ? 1 : 0);
        const i32 otherSteps = genreKnown || platformKnown ? 1 : 0;
        if (p->programming >= threshold(era, codeSteps, game.qualityGameplay, demand[0]))
            skill[0] += 20 * p->programming;
        if (p->design >= threshold(era, otherSteps, game.qualityComplexity, demand[1])) skill[1] += 20 * p->design;
        if (p->graphics >= threshold(era, otherSteps, game.qualityReplayability, demand[2]))
            skill[2] += 20 * p->graphics;
    }
    return skill;
}

std::array<QualityPull, 3> qualityPull(const Game& g, const Task& t) {
    const GameTitle& game = t.game;
    const Triple skill = effectiveSkill(g, t);
    // Complexity is fed by the same programming and design as gameplay, not
    // by design and graphics; the game has always balanced it that way.
    const Triple sums{skill[0] + skill[1], skill[0] + skill[1], skill[2] + skill[1]};
    const i32 base = g.world().gameLevel * 20 + (g.currentYear - 1977) * 8;
    const Triple demand = genreDemands(g, game.genre);
    const i32 quality[3] = {game.qualityGameplay, game.qualityComplexity, game.qualityReplayability};
    const u8 focus[3] = {game.focusGameplay, game.focusComplexity, game.focusReplayability};
    std::array<QualityPull, 3> pull;
    for (std::size_t a = 0; a < 3; ++a) {
        const i32 q = quality[a];
        // The bar is lower while the game is short of the genre's demand and
        // higher once it has passed it.
        i32 target = base;
        if (q < 10 * demand[a]) {
            const i32 d = std::min(50, (10 * demand[a] - q) / 2);
            target = target * (100 - d) / 100;
        } else {
            const i32 d = std::min(50, (q - 10 * demand[a]) / 2);
            target = target * (100 + d) / 100;
        }
        pull[a] = {sums[a] * focus[a] / 100, target};
    }
    return pull;
}

void updateGameQuality(Game& g, Task& t) {
    GameTitle& game = t.game;
    const i32 level = eraLevel(g.currentYear);
    const std::array<QualityPull, 3> pull = qualityPull(g, t);
    i32* quality[3] = {&game.qualityGameplay, &game.qualityComplexity, &game.qualityReplayability};
    for (std::size_t a = 0; a < 3; ++a) {
        i32& q = *quality[a];
        const i32 v = pull[a].weighted;
        // A weighted skill above 100 that still misses the target raises
        // the quality a little: the loss formula turns into a gain there.
        if (v > pull[a].target)
            q += (v - pull[a].target) / 10;
        else
            q -= (100 - v) / 10;
        q = std::max(q, 0);
    }

    u8* experience[3] = {&game.expProgramming, &game.expDesign, &game.expGraphics};
    auto gather = [&](i32 index) {
        const Person* p = personOf(g, index);
        if (!p) return;
        const i32 skills[3] = {p->programming, p->design, p->graphics};
        for (std::size_t a = 0; a < 3; ++a) {
            if (skills[a] > level && g.rng.randomInt(10) + 1 > 5)
                // Held at 255: a byte that wrapped would score a better team lower.
                *experience[a] = static_cast<u8>(std::min(*experience[a] + (skills[a] - level), 255));
        }
    };
    gather(t.leader);
    for (i32 member : t.staff) gather(member);
}

ScoreSetting scoreSetting(const Game& g, const GameTitle& game, int platformOverride) {
    const World& w = g.world();
    ScoreSetting s;
    s.year = g.currentYear;
    s.gameLevel = w.gameLevel;
    s.soundStudioLevel = w.soundStudioLevel;
    s.otherPlatform = platformOverride != 0;
    const int platform = platformOverride != 0 ? platformOverride : game.platform;
    if (decltype(World::ownEngines)::inRange(platform) && EngineRow::inRange(game.genre))
        s.engineRating = w.ownEngines[platform][game.genre].rating;
    return s;
}

int gameScore(const Game& g, const Task& t, int platformOverride, ScoreBreakdown* why) {
    return gameScoreIn(g, t.game, scoreSetting(g, t.game, platformOverride), why);
}

int gameScoreIn(const Game& g, const GameTitle& game, const ScoreSetting& setting, ScoreBreakdown* why) {
    ScoreBreakdown s;

    if (game.extrasScore > 0) s.extras = game.extrasScore / 3;

    s.production = (game.researchProgramming + game.researchDesign + game.researchGraphics) / 8;
    if (game.hasCelebrity) s.production += 4;
    if (game.hasCutsceneActor) s.production += 4;
    if (game.hasVoiceActor) s.production += 4;

    s.hype = game.hype > 0 ? game.hype / 5 : 7;

    i32 r = setting.engineRating;
    if (r > 0) r = setting.otherPlatform ? r / 3 : r / 4;
    s.engine = r;

    const Triple demand = genreDemands(g, game.genre);
    const i32 quality[3] = {game.qualityGameplay, game.qualityComplexity, game.qualityReplayability};
    i32 fit = 0;
    for (std::size_t a = 0; a < 3; ++a) {
        const i32 want = 10 * demand[a];
        if (quality[a] > want) fit += std::min(10, std::max(1, (quality[a] - want) / 30)) * std::max(1, demand[a] / 10);
        if (quality[a] < want) fit -= (want - quality[a]) / 10;
    }
    s.demands = fit / 4;

    const Triple weight = genreWeights(g, game.genre);
    i32 exp = (game.expProgramming + 1) * weight[0] / 100 + (game.expDesign + 1) * weight[1] / 100 +
              (game.expGraphics + 1) * weight[2] / 100;
    exp = std::min(exp, 100);
    s.experience = exp / 5;

    i32 sound = game.partnerShare > 0 ? 10 * game.partnerShare : 1;
    const u8 studio = static_cast<u8>(setting.soundStudioLevel);
    if (studio > 0) sound += 8 * studio;
    s.sound = sound / 8;

    if (setting.gameLevel < 3) {
        // A level of 0 only comes from a damaged world; it counts as 1
        // rather than dividing by zero.
        const i32 bonus = 4 / std::max<i32>(setting.gameLevel, 1);
        for (int year : {1982, 1984, 1986})
            if (setting.year <= year) s.earlyYears += bonus;
    }

    const i32 before = s.total();
    if (before < kMinimumScore) s.floor = kMinimumScore - before;
    if (why) *why = s;
    return s.total();
}

}  // namespace cw
