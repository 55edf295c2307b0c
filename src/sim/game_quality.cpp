#include "sim/game_quality.h"

#include <algorithm>
#include <string_view>

namespace cw {
int eraStep(int year) {
    if (year <= 1982) return 1;
    if (year <= 1985) return 2;
    if (year <= 1989) return 3;
    if (year <= 1994) return 4;
    if (year <= 1999) return 5;
    if (year <= 2005) return 6;
    return 7;
}

namespace {

// Sums a base-genre triple over the parts of the genre's name, then divides
// by the number of parts.
template <typename Pick>
Triple averaged(const Game& g, int genre, Pick pick) {
    Triple sum{};
    if (!decltype(SaveImage::genres)::inRange(genre)) return sum;
    const std::string_view name = g.tables().genres[genre].name.view();
    i32 parts = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = name.find(',', start);
        const std::string_view part = name.substr(start, end == std::string_view::npos ? end : end - start);
        ++parts;
        for (std::size_t b = 1; b < g.session.genreProfiles.size(); ++b) {
            const GenreProfile& profile = g.session.genreProfiles[b];
            if (!profile.name.empty() && profile.name == part) {
                const auto values = pick(profile);
                for (int i = 0; i < 3; ++i) sum[static_cast<std::size_t>(i)] += values[static_cast<std::size_t>(i)];
            }
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    for (auto& v : sum) v /= parts;
    return sum;
}

}  // namespace

Triple genreDemands(const Game& g, int genre) {
    if (genre == 0) return {};
    return averaged(g, genre, [](const GenreProfile& p) { return p.demands; });
}

Triple genreWeights(const Game& g, int genre) {
    if (genre == 0) return {};
    return averaged(g, genre, [](const GenreProfile& p) { return p.weights; });
}

Triple effectiveSkill(const Game& g, const Task& t) {
    const auto& people = g.tables().people;
    Triple s{};
    const i32 era = eraStep(g.currentYear);
    if (people.inRange(t.leader) && t.leader > 0) {
        const Person& l = people[t.leader];
        s[0] += 15 * l.programming;
        s[1] += 15 * l.design;
        s[2] += 15 * l.graphics;
    }
    const auto d = genreDemands(g, t.game.genre);
    const GameTitle& game = t.game;
    for (i32 who : t.staff) {
        if (who <= 0 || !people.inRange(who)) continue;
        const Person& p = people[who];
        const bool genreMatch = p.genreExperience == game.genre;
        const bool platformMatch = p.platformExperience == game.platform;
        i32 tA = era;
        if (era > 1) {
            if (genreMatch) tA -= 1;
            if (platformMatch) tA -= 1;
        }
        if (game.qualityGameplay * 125 / 100 >= 10 * d[0]) tA += 1;
        if (game.qualityGameplay >= 10 * d[0]) tA += 1;
        if (p.programming >= tA) s[0] += 20 * p.programming;
        auto threshold = [&](i32 quality, i32 demand) {
            i32 th = era;
            if (era > 1 && (genreMatch || platformMatch)) th -= 1;
            if (quality * 125 / 100 >= 10 * demand) th += 1;
            if (quality >= 10 * demand) th += 1;
            return th;
        };
        if (p.design >= threshold(game.qualityComplexity, d[1])) s[1] += 20 * p.design;
        if (p.graphics >= threshold(game.qualityReplayability, d[2])) s[2] += 20 * p.graphics;
    }
    return s;
}

int gameScore(const Game& g, const Task& t, int platformOverride) {
    const GameTitle& game = t.game;
    const World& w = g.world();
    int score = 0;
    if (game.extrasScore > 0) score += game.extrasScore / 3;
    score += (game.researchProgramming + game.researchDesign + game.researchGraphics) / 8;
    score += 4 * (game.hasCelebrity ? 1 : 0) + 4 * (game.hasCutsceneActor ? 1 : 0) + 4 * (game.hasVoiceActor ? 1 : 0);
    score += game.hype > 0 ? game.hype / 5 : 7;
    const int p = platformOverride != 0 ? platformOverride : game.platform;
    int r = 0;
    if (decltype(World::ownEngines)::inRange(p) && game.genre >= 1 && game.genre <= 150)
        r = w.ownEngines[p][game.genre].rating;
    if (r > 0) r /= platformOverride != 0 ? 3 : 4;
    score += r;
    const auto d = genreDemands(g, game.genre);
    const i32 q[3] = {game.qualityGameplay, game.qualityComplexity, game.qualityReplayability};
    int sum = 0;
    for (int i = 0; i < 3; ++i) {
        const i32 want = 10 * d[static_cast<std::size_t>(i)];
        if (q[i] > want) sum += std::min(10, std::max(1, (q[i] - want) / 30)) * std::max(1, d[static_cast<std::size_t>(i)] / 10);
        if (q[i] < want) sum -= (want - q[i]) / 10;
    }
    score += sum / 4;
    const auto wt = genreWeights(g, game.genre);
    int e = (game.expProgramming + 1) * wt[0] / 100 + (game.expDesign + 1) * wt[1] / 100 +
            (game.expGraphics + 1) * wt[2] / 100;
    score += std::min(e, 100) / 5;
    int sound = game.partnerShare > 0 ? 10 * game.partnerShare : 1;
    const int studio = w.soundStudioLevel & 0xff;
    if (studio > 0) sound += 8 * studio;
    score += sound / 8;
    if (w.gameLevel < 3 && w.gameLevel > 0)
        for (i32 y : {1982, 1984, 1986})
            if (g.currentYear <= y) score += 4 / w.gameLevel;
    return std::max(score, 55);
}

}  // namespace cw
