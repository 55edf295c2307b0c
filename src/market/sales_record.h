// What the sales step did to the player's titles in the last computed week,
// step by step, kept while the program runs so the post-mortem can take a
// week's revenue apart without drawing the random numbers again. Never saved:
// a new game or a load starts it empty (see lastSalesWeek in market/sales.h).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "state/types.h"

namespace cw {

// One region's revenue of one title: the value after each rule, in the
// order the rules apply, and what each rule looked at.
struct RegionSalesSteps {
    enum Step {
        Score,          // (60 + draw) x (score - 48) x 5
        InstalledBase,  // the platform's installed base, rounded to even
        GameLevel,
        Piracy,
        StillInUse,
        Price,
        GenreInterest,
        RegionalDemand,
        PreferredPlatform,
        LowScore,
        Season,
        LaunchWeeks,
        PublicImage,        // the player's image boost
        PublisherCapacity,  // copies the publisher could make
        StepCount
    };
    bool distributed = false;
    std::array<std::int64_t, StepCount> after{};  // value after each step
    // Inputs as the rules saw them.
    i32 draw = 0;  // the one random draw of the region, 0..9
    i32 salesScore = 0;
    i32 soldUnits = 0;
    i32 gameLevel = 0;
    bool piracyApplies = false;
    i32 piracyPercent = 0;
    i32 stillInUsePercent = 0;
    i32 price = 0;
    i32 genreInterest = 0;
    i32 regionDemand = 0;
    bool preferred = false;
    i32 seasonFactor = 0;
    i32 weeksOnSale = 0;
};

// One player's title as the pass met it.
struct TitleSalesRecord {
    i32 year = 0;   // catalogue entry of the title during the pass
    i32 index = 0;
    bool sold = false;  // released with a sales score above 50
    bool earnsPlayer = false;  // released after 1979: image, capacity and shares apply
    i32 salesScore = 0;        // before this week's decay
    i32 weeksOnSale = 0;
    i32 gamesImage = 0;
    i32 weeklyOutput = 0;
    bool capacityUsedUp = false;
    std::array<RegionSalesSteps, 4> region{};  // 1 US, 2 Europe, 3 Asia; [0] unused
    // The week's revenue of all regions and the shares taken from it.
    std::int64_t revenue = 0;
    i32 publisherPercent = 0;
    std::int64_t publisherShare = 0;
    i32 partnerPercent = 0;  // deducted twice
    std::int64_t partnerShare = 0;
    std::int64_t toPlayer = 0;
};

struct SalesWeekRecord {
    bool computed = false;  // a sales week has run since the game started or was loaded
    i32 year = 0;
    i32 week = 0;
    std::vector<TitleSalesRecord> titles;

    const TitleSalesRecord* find(i32 y, i32 n) const {
        for (const TitleSalesRecord& r : titles)
            if (r.year == y && r.index == n) return &r;
        return nullptr;
    }
    void clear() { *this = SalesWeekRecord{}; }
};

}  // namespace cw
