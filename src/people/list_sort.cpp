#include "people/list_sort.h"

#include <cctype>
#include <charconv>

namespace cw {

int compareListText(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int exact = a.compare(b);
    return exact < 0 ? -1 : (exact > 0 ? 1 : 0);
}

std::optional<long long> listNumber(const std::string& text) {
    if (text.empty()) return std::nullopt;
    long long v = 0;
    const char* b = text.data() + (text[0] == '+' ? 1 : 0);
    const auto r = std::from_chars(b, text.data() + text.size(), v);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

}  // namespace cw
