#include "market/competitors.h"

#include <algorithm>
#include <climits>

#include "market/company_list.h"
#include "state/catalogue_slots.h"
#include "state/shared_ops.h"
#include "state/tasks.h"

namespace cw {

namespace {

using Years = decltype(SaveImage::titlesPerYear);

int draw(Game& g, int n) { return g.rng.randomInt(n); }

int titleCount(const SaveImage& t, int year) { return std::clamp<i32>(t.titlesPerYear[year], 0, 3500); }

// A company's staff can lift a score past what a byte holds; it stays at
// the top instead of wrapping round to a flop.
void raiseScore(GameTitle& t, int bonus) { t.salesScore = static_cast<u8>(std::min(t.salesScore + bonus, 255)); }

void chargeBudget(Game& g, i32 companyRow) {
    const i32 company = companyOfRow(g, companyRow);
    if (company <= 0) return;
    Company& c = g.tables().companies[company];
    const long long budget = (100LL + draw(g, 200)) * 1000;
    c.money = static_cast<i32>(std::max<long long>(static_cast<long long>(c.money) - budget, INT32_MIN));
}

std::string platformName(const Game& g, int platform) {
    const auto& platforms = g.tables().platforms;
    return platforms.inRange(platform) ? platforms[platform].name.str() : std::string();
}

std::string releaseLine(const Game& g, const GameTitle& t, int week, int year) {
    return t.title.str() + " Released " + std::to_string(week) + ", " + std::to_string(year) + " For " +
           platformName(g, t.platform);
}

void releaseNews(Game& g, const GameTitle& t, int score) {
    if (!g.session.inboxOptions.mailOnSoftwareNews || score <= 110) return;
    const char* verdict =
        score > 140 ? "The game offers a lot of new exciting and wonderful features and is a must have for all gamers "
        : score > 125 ? "The game has some new and exciting features and will be a must have for nearly most gamers "
                      : "The game features some new and exciting features and is must have for all gamers that like "
                        "the genre ";
    postNews(g, NewsSoftware, "Software News",
             "The game " + t.title.str() + " was released this week by " + companyRowName(g, t.companyRow) + "." +
                 "\r\nThe game is for the " + platformName(g, t.platform) + " platform.\r\n\r\n" + verdict);
}

}  // namespace

void PlatformTitles::build(Game& g) { fill(g, false); }

void PlatformTitles::buildForThisWeek(Game& g) { fill(g, true); }

void PlatformTitles::fill(Game& g, bool weakenableOnly) {
    for (auto& list : byPlatform_) list.clear();
    SaveImage& t = g.tables();
    const int first = std::max(g.currentYear - 3, Years::first);
    const int last = std::min(g.currentYear, Years::last);
    for (int y = first; y <= last; ++y) {
        const int count = titleCount(t, y);
        for (int n = 1; n <= count; ++n) {
            GameTitle& title = t.gameTitles[y][n];
            if (weakenableOnly &&
                (title.salesScore <= 50 ||
                 !(title.released || (y == g.currentYear && title.releaseWeek == g.currentWeek))))
                continue;
            byPlatform_[title.platform].push_back(&title);
        }
    }
}

int StaffBonus(Game& g, i32 companyRow) {
    SaveImage& t = g.tables();
    for (const Company& c : t.companies) {
        if (c.listRow != companyRow) continue;
        int bonus = 0;
        for (i32 index : c.staff) {
            if (index <= 0 || !t.people.inRange(index)) continue;
            const Person& person = t.people[index];
            if (person.workArea == 1 && person.overallRating > 40) bonus += draw(g, person.overallRating / 10) + 1;
        }
        return bonus;
    }
    return 0;
}

int CountPlatformGames(Game& g, int platform) {
    SaveImage& t = g.tables();
    int count = 0;
    const int last = std::min(g.currentYear, Years::last);
    for (int y = Years::first + 1; y <= last; ++y) {
        const int titles = titleCount(t, y);
        for (int n = 1; n <= titles; ++n) {
            const GameTitle& title = t.gameTitles[y][n];
            if (title.platform != platform) continue;
            if (y == g.currentYear && title.releaseWeek > g.currentWeek) continue;
            ++count;
        }
    }
    if (t.platforms.inRange(platform)) t.platforms[platform].gameCount = count;
    return count;
}

int PlatformGameCounts::count(Game& g, int platform) {
    SaveImage& t = g.tables();
    // The same titles CountPlatformGames takes, for all platforms at once;
    // a title names its platform in one byte.
    const bool thisYearCounted = Years::inRange(g.currentYear) && g.currentYear >= Years::first + 1;
    if (!pastKnown_) {
        past_.assign(256, 0);
        const int last = std::min(g.currentYear - 1, Years::last);
        for (int y = Years::first + 1; y <= last; ++y) {
            const int titles = titleCount(t, y);
            for (int n = 1; n <= titles; ++n) ++past_[t.gameTitles[y][n].platform];
        }
        pastKnown_ = true;
    }
    if (thisYearCounted && (!thisYearKnown_ || thisYearGrew_)) {
        const auto& year = t.gameTitles[g.currentYear];
        const int end = titleCount(t, g.currentYear);
        // The entry a count ends on is counted if out by this week; -1 when not.
        auto countedPlatform = [&](int n) { return year[n].releaseWeek > g.currentWeek ? -1 : year[n].platform; };
        int from = 1;
        if (!thisYearKnown_ || end < thisYearEnd_) {
            thisYear_.assign(256, 0);
        } else if (thisYearEnd_ >= 1) {
            // Entries below the old end are as they were; the entry at the
            // old end may have been a blank one a port has taken.
            if (endPlatform_ >= 0) --thisYear_[static_cast<std::size_t>(endPlatform_)];
            from = thisYearEnd_;
        }
        for (int n = from; n <= end; ++n) {
            const int p = countedPlatform(n);
            if (p >= 0) ++thisYear_[static_cast<std::size_t>(p)];
        }
        thisYearEnd_ = end;
        endPlatform_ = end >= 1 ? countedPlatform(end) : -1;
        thisYearKnown_ = true;
        thisYearGrew_ = false;
    }
    int count = 0;
    if (platform >= 0 && platform < 256) {
        const auto p = static_cast<std::size_t>(platform);
        count = past_[p] + (thisYearCounted ? thisYear_[p] : 0);
    }
    if (t.platforms.inRange(platform)) t.platforms[platform].gameCount = count;
    return count;
}

void ApplyPlatformEffect(Game& g, int score, int platform, PlatformGameCounts* counts) {
    auto& platforms = g.tables().platforms;
    if (!platforms.inRange(platform)) return;
    Platform& p = platforms[platform];
    i32 opinion = p.opinion;
    i32 share = p.marketShare;
    if (p.playerOwned) {
        const int n = counts ? counts->count(g, platform) : CountPlatformGames(g, platform);
        if (n > 0 && n < 5) {
            opinion += 2 + draw(g, 3);
            share += 2 + draw(g, 2);
        }
        if (n > 10 && n < 15) {
            opinion += 1 + draw(g, 2);
            share += 1 + draw(g, 2);
        }
        if (n > 20 && n < 25) {
            opinion += 1;
            share += 1;
        }
        if (score > 80) {
            opinion += draw(g, 2);
            share += (score - 80) / 10;
        }
        if (score > 95) {
            opinion += 1 + draw(g, 4);
            share += (score - 95) / 5;
        }
    } else if (score > 90) {
        opinion += 1 + draw(g, 4);
        share += (score - 95) / 5;
    }
    if (score > 50 && score < 65) share -= (score - 50) / 5;
    if (score < 60) opinion += 1 - draw(g, 2);
    p.marketShare = static_cast<u8>(std::clamp(share, 1, 100));
    p.opinion = std::clamp(opinion, 1, 100);
}

void ApplyGenreEffect(Game& g, int score, int genre) {
    auto& genres = g.tables().genres;
    if (!genres.inRange(genre)) return;
    if (score > 90) genres[genre].interest += (score - 95) / 5;
    if (score > 50 && score < 65) genres[genre].interest += (score - 50) / 5;
}

void ApplyCompetition(Game&, const PlatformTitles& window, int score, int platform, int genre) {
    if (platform < 0 || platform > 255) return;
    for (GameTitle* u : window.on(platform)) {
        if (!u->released || u->salesScore <= 50) continue;
        if (u->salesScore < score) u->salesScore = static_cast<u8>(u->salesScore - 1);
        if (u->genre == genre && u->salesScore < score)
            u->salesScore = static_cast<u8>(u->salesScore - (score - u->salesScore) / 5);
    }
}

void ApplyEngineEffect(Game& g, int score, int platform, int genre, i32 companyRow) {
    if (score <= 65 || draw(g, 10) + 1 > 6) return;
    World& w = g.world();
    using Engines = decltype(World::ownEngines);
    using Row = Arr<EngineSlot, 1, 150>;
    // The engine tables hold the first 150 platforms and genres only.
    if (!Engines::inRange(platform) || !Row::inRange(genre)) return;

    EngineSlot& own = w.ownEngines[platform][genre];
    if (own.rating <= score - 5) {
        if (own.rating >= 10 && own.experience > 10) {
            own.experience -= 2 + draw(g, 2);
            own.rating = engineRating(g, platform, genre);
        }
    } else if (draw(g, 10) > 5 && own.rating > 10 && own.experience > 30) {
        own.experience -= 1;
        own.rating = engineRating(g, platform, genre);
    }

    EngineSlot& market = w.marketEngines[platform][genre];
    if (market.rating <= score) {
        if (market.rating < 60) market.rating = 60;
        market.rating += score / 8;
        market.name = std::string_view(companyRowName(g, companyRow)).substr(0, 20);
    } else if (market.rating > 40) {
        market.rating -= 1 + draw(g, 3);
    }
}

int SpawnPorts(Game& g, int year, int index) {
    SaveImage& t = g.tables();
    int made = 0;
    for (int q = 1; q <= decltype(SaveImage::platforms)::last; ++q) {
        const Platform& p = t.platforms[q];
        if (!p.playerOwned) continue;
        if (!(p.soldUnits > 50000 + draw(g, 500000) && p.weeksOnMarket < 156)) continue;
        int b = 0;
        for (i32 threshold : {150000, 400000, 1000000})
            if (p.soldUnits > threshold) b += 2;
        if (draw(g, 20) >= b + 3) continue;

        int week = g.currentWeek + 3 + draw(g, 26);
        int portYear = g.currentYear;
        if (week > 52) {
            week -= 52;
            ++portYear;
        }
        const int reviewDrop = draw(g, 10);
        // A title names its platform in one byte, and a full or missing
        // catalogue year has no slot: such a port is not made.
        if (q > 255 || !Years::inRange(portYear)) continue;
        // The count may name an entry a release has just taken.
        const int slot = freeCatalogueSlot(t, portYear, t.titlesPerYear[portYear]);
        if (slot == 0) continue;
        const GameTitle& source = t.gameTitles[year][index];
        GameTitle port{};
        port.title = source.title.view();
        port.genre = source.genre;
        port.companyRow = source.companyRow;
        port.platform = static_cast<u8>(q);
        port.releaseYear = portYear;
        port.releaseWeek = static_cast<u8>(week);
        port.inUS = port.inEU = port.inAsia = 1;
        port.reviewScore = static_cast<u8>(std::max(source.reviewScore - reviewDrop, 0));
        port.salesScore = port.reviewScore;
        port.bestChartPos = port.chartPos = 255;
        // The free slot is filled and the count moved past it, as the
        // catalogue itself was placed.
        t.gameTitles[portYear][slot] = port;
        t.titlesPerYear[portYear] = slot + 1;
        ++made;
    }
    return made;
}

void ReleaseCompetitorTitles(Game& g, Player& p) {
    ProgressInfo status;
    status.statusText = " Populating Releases....";
    p.progressUpdate(status);

    ProgressInfo done;
    done.statusText = " Ready";
    SaveImage& t = g.tables();
    if (Years::inRange(g.currentYear)) {
        PlatformTitles window;
        bool windowBuilt = false;
        PlatformGameCounts gameCounts;
        const int count = titleCount(t, g.currentYear);
        for (int n = 1; n <= count; ++n) {
            GameTitle& title = t.gameTitles[g.currentYear][n];
            if (title.released || title.salesScore <= 50 || title.releaseWeek != g.currentWeek) continue;
            if (!windowBuilt) {
                window.buildForThisWeek(g);
                windowBuilt = true;
            }
            title.weeksOnSale = 0;
            title.totalSales = 0;
            title.released = 1;
            raiseScore(title, StaffBonus(g, title.companyRow));
            done.listing.push_back(releaseLine(g, title, g.currentWeek, g.currentYear));
            if (SpawnPorts(g, g.currentYear, n) > 0) gameCounts.thisYearGrew();
            const int score = title.salesScore;
            ApplyPlatformEffect(g, score, title.platform, &gameCounts);
            ApplyGenreEffect(g, score, title.genre);
            ApplyCompetition(g, window, score, title.platform, title.genre);
            ApplyEngineEffect(g, score, title.platform, title.genre, title.companyRow);
            releaseNews(g, title, score);
            chargeBudget(g, title.companyRow);
        }
    }
    p.progressUpdate(done);
}

void ReleasePastTitles(Game& g, Player& p) {
    SaveImage& t = g.tables();
    PlatformTitles window;
    window.build(g);
    ProgressInfo listing;
    listing.barPercent = 100;
    const int last = std::min(g.currentYear - 1, Years::last);
    for (int y = Years::first; y <= last; ++y) {
        ProgressInfo bar;
        bar.barPercent = std::clamp((y - Years::first) * 100 / std::max(last - Years::first, 1), 0, 100);
        p.progressUpdate(bar);
        const int count = titleCount(t, y);
        for (int n = 1; n <= count; ++n) {
            GameTitle& title = t.gameTitles[y][n];
            if (title.released || title.salesScore <= 50) continue;
            title.weeksOnSale = 1 + draw(g, 20);
            title.totalSales = 0;
            title.released = 1;
            raiseScore(title, StaffBonus(g, title.companyRow));
            listing.listing.push_back(releaseLine(g, title, title.releaseWeek, y));
            const int score = title.salesScore;
            ApplyPlatformEffect(g, score, title.platform);
            ApplyCompetition(g, window, score, title.platform, title.genre);
            chargeBudget(g, title.companyRow);
        }
    }
    p.progressUpdate(listing);
}

}  // namespace cw
