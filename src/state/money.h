// Sums of money. Money is whole dollars in int32; a sum the player can push
// (a typed payment, a loan's interest) stops at the ends of the range
// instead of wrapping round to the other sign.
#pragma once

#include <cstdint>
#include <limits>

namespace cw {

constexpr std::int32_t saturatedMoney(long long value) {
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

constexpr std::int32_t addMoney(std::int32_t a, std::int32_t b) {
    return saturatedMoney(static_cast<long long>(a) + b);
}

constexpr std::int32_t subtractMoney(std::int32_t a, std::int32_t b) {
    return saturatedMoney(static_cast<long long>(a) - b);
}

// The player's cash stops at the cash cap, in credit and in debt alike: a
// game never holds a sum its own load would refuse (save_ranges.h checks the
// same limit), and a week's costs taken from it never wrap round.
inline constexpr std::int32_t kCashLimit = 2'000'000'000;

constexpr std::int32_t boundedCash(long long value) {
    if (value > kCashLimit) return kCashLimit;
    if (value < -kCashLimit) return -kCashLimit;
    return static_cast<std::int32_t>(value);
}

// Money into and out of the player's cash (`World::money`).
constexpr void receiveCash(std::int32_t& cash, long long amount) { cash = boundedCash(cash + amount); }
constexpr void payCash(std::int32_t& cash, long long amount) { cash = boundedCash(cash - amount); }

// A running total of money (a week's wages, a project's costs): saturates.
constexpr void addToMoney(std::int32_t& total, long long amount) { total = saturatedMoney(total + amount); }

}  // namespace cw
