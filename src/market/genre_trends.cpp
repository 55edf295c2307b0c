#include <algorithm>
#include <array>
#include <cstdint>

#include "market/competitors.h"
#include "state/shared_ops.h"

namespace cw {

namespace {

// How strong the titles about to come out are, for every genre at once: one
// walk over the catalogue instead of one per genre.
std::array<i32, 256> upcomingHits(const Game& g) {
    std::array<i32, 256> hits{};
    const SaveImage& t = g.tables();
    for (int k = 0; k <= 2; ++k) {
        const int year = g.currentYear + k;
        // The catalogue ends; a world that runs past it sees no titles there.
        if (!decltype(SaveImage::titlesPerYear)::inRange(year)) continue;
        for (int n = 1; n <= 2015; ++n) {
            const GameTitle& title = t.gameTitles[year][n];
            if (title.title.empty()) continue;
            if (k == 0 && title.releaseWeek + 5 < g.currentWeek) continue;
            if (title.reviewScore > 80) hits[title.genre] += (title.reviewScore - 70) / 10;
        }
    }
    return hits;
}

// The trend follows the interest: a genre out of favour tends to recover, a
// popular one to tire. Above 200 it stays as it is.
void walkTrend(Game& g, Genre& genre) {
    const i32 interest = genre.interest;
    int limit = -1;
    if (interest < 40)
        limit = 8;
    else if (interest <= 50)
        limit = 7;
    else if (interest <= 64)
        limit = 4;
    else if (interest <= 89)
        limit = 2;
    else if (interest <= 200)
        limit = 1;
    if (limit < 0) return;
    genre.trend += g.rng.randomInt(10) <= limit ? 1 : -1;
}

}  // namespace

void UpdateGenreTrends(Game& g) {
    const std::array<i32, 256> hits = upcomingHits(g);
    auto& genres = g.tables().genres;
    for (int i = 1; i <= decltype(SaveImage::genres)::last; ++i) {
        Genre& genre = genres[i];
        if (genre.name.empty()) continue;
        const i32 s = i < 256 ? hits[static_cast<std::size_t>(i)] : 0;
        genre.interest = std::min(s / 5 + 50, 110);
        genre.upcomingHits = s;
        // A damaged trend must not overflow the interest before it is clamped.
        genre.interest += 8 * std::clamp(genre.trend, -1000, 1000);
        walkTrend(g, genre);

        const i32 r = g.rng.randomInt(1000);
        if (r > 980) {
            if (genre.trend > 0) {
                genre.trend -= 3;
                postNews(
                    g, NewsSoftware, "Software_news",
                    "Public interrest of games in the genre " + genre.name.str() + " seems to be dropping rapidly");
            }
        } else if (g.rng.randomInt(1000) < 20 && genre.trend < 0) {
            genre.trend += 3;
            postNews(g, NewsSoftware, "Software_news",
                     "Interrest of games in the genre " + genre.name.str() + " seems to be increasing at the moment");
        }
        genre.trend = std::clamp(genre.trend, -4, 4);
        genre.interest = std::clamp(genre.interest, 50, 100);
    }
}

GenreMarketColumns genreMarketColumns(const Game& g, int genre) {
    const auto& genres = g.tables().genres;
    if (!genres.inRange(genre)) return {};
    const Genre& gn = genres[genre];
    return {std::to_string(gn.interest), (gn.trend > 0 ? "+" : "") + std::to_string(gn.trend)};
}

}  // namespace cw
