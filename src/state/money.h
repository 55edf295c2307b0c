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

}  // namespace cw
