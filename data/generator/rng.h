// The generator's own random numbers. std:: distributions are not used on
// purpose: their output may change from one library version to the next,
// and the archive must come out byte for byte the same from the same sources.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    // splitmix64.
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0..n-1; 0 when n <= 0.
    int below(int n) {
        if (n <= 0) return 0;
        return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }
    // lo..hi, both included.
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    // [0, 1) with 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    template <class T>
    const T& pick(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
    }
    // Index drawn in proportion to the weights; -1 when they sum to 0.
    int weighted(const std::vector<double>& weights) {
        double total = 0;
        for (double w : weights) total += w > 0 ? w : 0;
        if (total <= 0) return -1;
        double r = unit() * total;
        int last = -1;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (weights[i] <= 0) continue;
            last = static_cast<int>(i);
            if (r < weights[i]) return last;
            r -= weights[i];
        }
        return last;
    }
    // A separate stream, so that one table's changes leave the others alone.
    Rng fork(const std::string& salt) const {
        std::uint64_t h = 1469598103934665603ULL;
        for (unsigned char c : salt) h = (h ^ c) * 1099511628211ULL;
        return Rng(state_ ^ h);
    }

private:
    std::uint64_t state_;
};

}  // namespace datagen
