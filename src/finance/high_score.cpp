#include "finance/high_score.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "state/files.h"

namespace cw {

namespace {

std::string trimControl(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace

int decodeHighScore(std::string_view firstLine) {
    std::string digits;
    for (char c : trimControl(firstLine)) {
        const int code = (static_cast<unsigned char>(c) + 10) % 256;
        const char first = std::to_string(code)[0];
        if (first != '#') digits += first;
    }
    int value = 0;
    const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (r.ec != std::errc() || r.ptr != digits.data() + digits.size()) return 0;
    return value;
}

std::string encodeHighScore(int score) {
    std::string out;
    for (char d : std::to_string(std::max(score, 0))) out += static_cast<char>((d - '0' - 10 + 256) % 256);
    return out;
}

int readHighScore(const std::string& folder) {
    const std::string path = existingFileNoCase(folder, "hs.tmp");
    std::vector<std::string> lines;
    if (path.empty() || !readFirstLines(path, lines, 1) || lines.empty()) return 0;
    return decodeHighScore(lines[0]);
}

}  // namespace cw
