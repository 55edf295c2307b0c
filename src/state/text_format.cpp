#include "state/text_format.h"

namespace cw {

std::string thousands(long long value) {
    const bool negative = value < 0;
    // Magnitude as unsigned so that the most negative value has one too.
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    const std::string digits = std::to_string(magnitude);
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[static_cast<std::size_t>(i)];
    }
    return negative ? "-" + out : out;
}

}  // namespace cw
