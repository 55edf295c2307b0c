// The game's single random generator. Every random draw anywhere in the game
// goes through one instance, in a fixed order, so that a seed and a series
// of player actions replay a game exactly.
#pragma once

#include <cstdint>
#include <optional>

namespace cw {

class Random {
public:
    // One draw, uniform in 0..n-1. A range of 0 or less gives 0 (the state
    // still advances, so the sequence of later draws does not depend on it).
    std::int32_t randomInt(std::int32_t n);

    // Seeds from the local time of day in milliseconds, unless a fixed seed
    // was set for scripted and test runs.
    void randomizeSeed();

    std::uint32_t seed = 0;
    // When set, every randomizeSeed() uses this value instead of the clock.
    std::optional<std::uint32_t> fixedSeed;
};

// Milliseconds since local midnight, the value randomizeSeed() takes from the clock.
std::uint32_t timeOfDayMillis();

}  // namespace cw
