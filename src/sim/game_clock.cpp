#include "sim/game_clock.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>

#include "engines/product_status.h"
#include "finance/board.h"
#include "sim/week_tick.h"
#include "state/money.h"

namespace cw {
namespace fs = std::filesystem;

Tone toneOf(i32 value) {
    if (value < 0) return Tone::Bad;
    if (value > 0) return Tone::Good;
    return Tone::Neutral;
}

i32 yearCashChange(const Game& g) {
    const World& w = g.world();
    const i32 start = decltype(World::yearlyCash)::inRange(g.currentYear) ? w.yearlyCash[g.currentYear] : 0;
    return subtractMoney(w.money, start);
}

void updateFinanceLabels(Game& g) {
    Session& s = g.session;
    const i32 money = g.world().money;
    s.weekCashChange = subtractMoney(money, s.lastCash);
    s.monthCashChange = addMoney(s.monthCashChange, s.weekCashChange);
    // The label is drawn with the period's sum first; only then does the
    // period start over, so a finished period's sum is what the player sees.
    s.monthCashShown = s.monthCashChange;
    if (g.currentWeek % 4 == 0 || g.currentWeek == 1) s.monthCashChange = 0;
    s.lastCash = money;
}

void nextWeek(Game& g, Player& p) {
    // A stop asked for outside a fast forward (the takeover warning of an
    // earlier week) has nothing left to stop.
    g.session.stopRequested = false;
    p.progressShow();
    weekTick(g, p);
    if (g.gameOver) return;
    countDownEngineSaleWait(g);
    p.pause(250);
    p.progressHide();
    p.refreshMainScreen();
}

void startFastForward(Game& g, Player& p, int maxWeeks) {
    g.session.fastForward = true;
    g.session.stopRequested = false;
    g.session.fastForwardWeeksLeft = std::max(maxWeeks, 0);
    p.progressShow();
    const i32 started = g.currentYear * 52 + g.currentWeek;
    weekTick(g, p);
    g.session.fastForwardWeeksLeft = 0;
    if (g.gameOver) return;
    // The licence wait is counted in weeks, so every week the fast forward
    // played counts, not only the turn.
    for (i32 w = started; w < g.currentYear * 52 + g.currentWeek; ++w) countDownEngineSaleWait(g);
    p.pause(250);
}

void requestStop(Game& g) { g.session.stopRequested = true; }

bool endGameFromMenu(Game& g, Player& p) {
    if (!p.askDialog("Quit Current Game", "Are you sure you will quit current game ?", true, true)) return false;
    showEndScreen(g, p);
    g.gameOver = true;
    storePlayTime(g);
    return true;
}

void addPlayTime(Game& g, int seconds) { g.session.sessionPlaySeconds += seconds; }

void storePlayTime(Game& g) {
    const Session& s = g.session;
    std::string path = existingFileNoCase(g.writableFolder(), "Cw2.tid");
    // The stored time comes from a file anyone can edit; a sum beyond the
    // largest count stays at that count rather than wrapping.
    std::int64_t total = s.sessionPlaySeconds;
    if (!path.empty())
        total = std::clamp<std::int64_t>(std::int64_t{s.sessionPlaySeconds} + s.storedPlaySeconds,
                                         std::numeric_limits<i32>::min(), std::numeric_limits<i32>::max());
    else
        path = (fs::path(g.writableFolder()) / "Cw2.tid").string();
    // A play-time file that cannot be written must never stop the week.
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out << total << '\n';
}

}  // namespace cw
