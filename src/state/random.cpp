#include "state/random.h"

#include <chrono>
#include <ctime>

namespace cw {

std::int32_t Random::randomInt(std::int32_t n) {
    seed = seed * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >> 32);
}

void Random::randomizeSeed() { seed = fixedSeed ? *fixedSeed : timeOfDayMillis(); }

std::uint32_t timeOfDayMillis() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return static_cast<std::uint32_t>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + ms);
}

}  // namespace cw
