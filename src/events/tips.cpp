#include "events/tips.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "state/text_format.h"

namespace cw {

std::string tipsFilePath(const Game& g) { return g.programFolder + "/gfx/dykt.his"; }

std::vector<std::string> tipsLines(std::string_view text) { return textLines(text); }

std::vector<std::string> readTipsFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream all;
    all << in.rdbuf();
    return tipsLines(all.str());
}

namespace {

bool startsTip(const std::vector<std::string>& lines, int l) {
    return l >= 1 && l < static_cast<int>(lines.size()) && lines[static_cast<std::size_t>(l - 1)].empty() &&
           !lines[static_cast<std::size_t>(l)].empty();
}

}  // namespace

int chooseTipLine(Random& rng, const std::vector<std::string>& lines) {
    const int n = static_cast<int>(lines.size());
    int l = rng.randomInt(n - 15);
    // The search below only visits lines 1..n-1 and runs until it finds a
    // tip's first line; without one it would never end.
    int first = 0;
    for (int k = 1; k < n && first == 0; ++k)
        if (startsTip(lines, k)) first = k;
    if (first == 0) return 0;
    // A long file whose only tip starts near the top is found only after a
    // lucky draw; the search is cut off long before anyone would notice.
    const long long limit = 64LL * n + 64;
    for (long long steps = 0; steps < limit; ++steps) {
        if (l >= n - 1) l = rng.randomInt(n - 15);
        ++l;
        if (startsTip(lines, l)) return l;
    }
    return first;
}

std::string tipText(const std::vector<std::string>& lines, int line) {
    std::string text;
    for (int l = std::max(line, 0); l < static_cast<int>(lines.size()); ++l) {
        const std::string& s = lines[static_cast<std::size_t>(l)];
        if (s.empty()) {
            if (text.empty()) continue;
            break;
        }
        if (!text.empty()) text += "\r\n";
        text += s;
    }
    return text;
}

void TipsScreen::open(Game& g) {
    lines = readTipsFile(tipsFilePath(g));
    topLine = chooseTipLine(g.rng, lines);
    shown = true;
}

void TipsScreen::next(Game& g) { topLine = chooseTipLine(g.rng, lines); }

}  // namespace cw
