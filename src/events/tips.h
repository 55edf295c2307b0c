// The "Did you know ?" tips: the tips file, the choice of a tip and its text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace cw {

// The tips file "dykt.his" below the program folder's "gfx".
std::string tipsFilePath(const Game& g);

// The lines of a tips file's text (CR LF or LF); tips are separated by
// empty lines. Any bytes give some lines, never an error.
std::vector<std::string> tipsLines(std::string_view text);

// Reads the tips file; an empty list when it is missing or unreadable.
std::vector<std::string> readTipsFile(const std::string& path);

// The line a tip starts on: the first line after an empty one, found from a
// random line near the top. A list without such a line, or of so few lines
// that the search could never end, gives line 0 after the first draw.
int chooseTipLine(Random& rng, const std::vector<std::string>& lines);

// The tip that starts at `line`: its lines up to the next empty one, joined
// with "\r\n".
std::string tipText(const std::vector<std::string>& lines, int line);

// What the tips screen shows: the file's lines and the line at its top.
struct TipsScreen {
    std::vector<std::string> lines;
    int topLine = 0;
    bool shown = false;

    // Loads the file and chooses the first tip (the screen being shown).
    void open(Game& g);
    // "Next": another tip.
    void next(Game& g);
    std::string text() const { return tipText(lines, topLine); }
};

}  // namespace cw
