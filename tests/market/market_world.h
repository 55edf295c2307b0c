// Small markets for tests: platforms, genres, companies and catalogue
// titles filled in directly, with the straightforward chart scan that the
// sales pass's own chart must agree with.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "market/chart.h"
#include "state/game.h"

namespace cw::test {

// The definition of a chart position, scanned over the whole window as the
// tables stand at the moment of the call.
inline int referenceChartScan(const Game& g, int year, int index) {
    const SaveImage& t = g.tables();
    const i32 sum = weekSalesSum(t.gameTitles[year][index]);
    int above = 0;
    for (int y = std::max(g.currentYear - 3, 1977); y <= std::min(g.currentYear, 2015); ++y) {
        const int count = std::clamp<i32>(t.titlesPerYear[y], 0, 3500);
        for (int n = 1; n <= count; ++n) {
            if (y == year && n == index) continue;
            const GameTitle& u = t.gameTitles[y][n];
            if (u.released && u.totalSales > 0 && weekSalesSum(u) > sum) ++above;
        }
    }
    return std::min(1 + above, 255);
}

// A seed whose next randomInt(n) gives `value`.
inline std::uint32_t seedDrawing(int n, int value) {
    for (std::uint32_t s = 1;; ++s) {
        Random r;
        r.seed = s;
        if (r.randomInt(n) == value) return s;
    }
}

// Copies everything a week changes from one game into another.
inline void copyGame(const Game& from, Game& to) {
    std::memcpy(static_cast<void*>(to.image.get()), from.image.get(), sizeof(SaveImage));
    to.currentYear = from.currentYear;
    to.currentWeek = from.currentWeek;
    to.rng = from.rng;
    to.session = from.session;
    to.inbox = from.inbox;
}

struct MarketWorld {
    Game g;

    // 1980 week 45, level 1, demand 80 everywhere; platform 1 "Zed" is
    // preferred nowhere, platform 2 "Apple II" in the US and Europe; genre 1
    // has interest 70; list row 5 is company 3, row 6 has no company.
    MarketWorld() {
        g.currentYear = 1980;
        g.currentWeek = 45;
        World& w = g.world();
        w.gameLevel = 1;
        for (int r = 1; r <= 3; ++r) w.regionDemand[r] = 80;
        w.gamesImage = 10;
        for (int i = 1; i <= 500; ++i) w.platformProtection[i].strength = -1;
        for (i32& n : g.tables().titlesPerYear) n = 1;
        platform(1, "Zed");
        platform(2, "Apple II");
        Genre& genre = g.tables().genres[1];
        genre.name = "Action";
        genre.interest = 70;
        g.tables().companies[3].name = "Three Soft";
        g.tables().companies[3].listRow = 5;
        g.session.companyList.assign(8, CompanyListRow{});
        g.session.companyList[5] = {"Three Soft", 3};
        g.session.companyList[6] = {"Lone Coder", 0};
    }

    Platform& platform(int slot, const std::string& name) {
        Platform& p = g.tables().platforms[slot];
        p.name = name;
        p.stillInUsePercent = 100;
        p.marketShare = 50;
        p.opinion = 50;
        return p;
    }

    // A released catalogue title of `year` in the next free slot.
    GameTitle& title(int year, int score, int platform = 1, int weeksOnSale = 10) {
        SaveImage& t = g.tables();
        const i32 slot = t.titlesPerYear[year]++;
        GameTitle& x = t.gameTitles[year][slot];
        x.title = "Title " + std::to_string(year) + "/" + std::to_string(slot);
        x.genre = 1;
        x.platform = static_cast<u8>(platform);
        x.companyRow = 6;
        x.releaseYear = year;
        x.releaseWeek = 1;
        x.released = 1;
        x.salesScore = static_cast<u8>(score);
        x.reviewScore = static_cast<u8>(score);
        x.weeksOnSale = weeksOnSale - 1;  // the pass counts this week
        x.inUS = 1;
        x.price = 50;
        x.chartPos = x.bestChartPos = 255;
        return x;
    }

    // A title of the player's, listed among the products.
    GameTitle& playersTitle(int year, int score, int product) {
        GameTitle& x = title(year, score);
        x.isPlayers = 1;
        x.companyRow = 0;
        x.weeklyOutput = 1000000;
        ProductEntry& e = g.world().products[product];
        e.refA = year;
        e.refB = g.tables().titlesPerYear[year] - 1;
        e.kind = 1;
        return x;
    }
};

}  // namespace cw::test
