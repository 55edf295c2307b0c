#include "finance/end_game.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "finance/high_score.h"
#include "state/files.h"
#include "state/log.h"

namespace cw {

i32 finalScore(const Game& g, FinalScoreParts* why) {
    const World& w = g.world();
    FinalScoreParts parts;
    i32 s = 1000 * w.headquartersLevel + 300 * w.warehouseLevel + 200 * w.extraOffices + 1000 * w.factoryLevel;
    parts.buildings = s;
    // Widened: cash near the cap less a negative loan must not wrap.
    const std::int64_t net = static_cast<std::int64_t>(w.money) - w.loan;
    if (net > 0) {
        i32 c = static_cast<i32>(std::min<std::int64_t>(5000, net / 10000));
        if (g.currentYear < 1990) c -= (1990 - g.currentYear) * 500;
        c = std::max(0, c);
        s += c;
        parts.cash = c;
    }
    // The start-up score is at least 10 in any game; a damaged one must not
    // divide by zero.
    parts.startup = 10000 / std::max<i32>(w.startupScore, 1);
    s += parts.startup;
    if (s > 0) {
        parts.multiplier = w.gameLevel * w.gameLevel;
        s = w.gameLevel * w.gameLevel * s;
    }
    if (why) *why = parts;
    return s;
}

bool writeHighScore(const std::string& folder, i32 score) {
    const std::string path = findFileNoCase(folder, "hs.tmp");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << encodeHighScore(score) << "\r\n";
    out.flush();
    return static_cast<bool>(out);
}

void showEndScreen(Game& g, Player& p) {
    // Every way out of a game comes here once; a second call (an ending
    // reached while the first one unwinds) must not score the game again.
    if (g.session.endScreenShown) {
        g.gameOver = true;
        return;
    }
    g.session.endScreenShown = true;
    Session& s = g.session;
    s.finalScore = finalScore(g);
    s.previousHighScore = readHighScore(g.writableFolder());
    if (s.finalScore > s.previousHighScore && !writeHighScore(g.writableFolder(), s.finalScore))
        writeLog("Could not write the high score to hs.tmp");
    p.playCue(SoundCue::GameEnd);
    p.showModal(ScreenId::EndScreen);
    g.gameOver = true;
}

EndScreen endScreen(const Game& g) {
    const World& w = g.world();
    EndScreen e;
    const i32 now = finalScore(g, &e.parts);
    e.score = g.session.endScreenShown ? g.session.finalScore : now;
    e.previousHighScore = g.session.previousHighScore;
    e.newHighScore = g.session.endScreenShown && e.score > e.previousHighScore;
    e.company = w.companyName.str();
    e.dateText = "Week " + std::to_string(g.currentWeek) + ", " + std::to_string(g.currentYear);
    e.money = w.money;
    e.loan = w.loan;
    return e;
}

}  // namespace cw
