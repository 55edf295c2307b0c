#include "engines/engine_deal.h"

#include <algorithm>

#include "engines/engine_catalogue.h"
#include "people/staff_management.h"
#include "state/tasks.h"

namespace cw {

std::vector<DealCandidate> engineDealCandidates(Game& g, int platform, int genre) {
    std::vector<DealCandidate> out;
    if (!engineCellInRange(platform, genre)) return out;
    auto& titles = g.tables().gameTitles;
    const i32 now = g.currentYear * 52 + g.currentWeek;
    for (i32 y = g.currentYear; y <= g.currentYear + 2; ++y) {
        if (!titles.inRange(y)) continue;
        for (int s = 1; s <= 3500; ++s) {
            const GameTitle& t = titles[y][s];
            if (t.title.empty() || t.isPlayers || t.usesPlayerEngine) continue;
            if (t.platform != platform || t.genre != genre) continue;
            const i32 when = t.releaseYear * 52 + t.releaseWeek;
            if (when < now || when > now + 104) continue;
            if (t.salesScore < 26) continue;
            if (g.rng.randomInt(10) < 6) continue;
            out.push_back({y, s, t.title.str(), t.salesScore});
        }
    }
    return out;
}

EngineDeal openEngineDeal(Game& g, int platform, int genre, const DealCandidate& c) {
    EngineDeal d;
    if (!engineCellInRange(platform, genre)) return d;
    const i32 e = g.world().ownEngines[platform][genre].rating;
    const i32 b = std::max<i32>(30, g.world().marketEngines[platform][genre].rating);
    const i32 v = c.previewScore;
    if (v > e + 20) return d;
    if (v >= 76 && e + g.rng.randomInt(5) - 3 < v) return d;
    i32 r = 0;
    if (e > 100) r = std::min(6, (e - 90) / 5);
    if (v > 100) r -= 1;
    if (v > 110) r -= 1;
    if (v > 120) r -= 1;
    r = std::max(0, r);  // a royalty is never paid by the engine's owner
    i32 x = e * 1000;
    if (b < e) x += (e - b) * 100;
    if (b > e) x -= (b - e) * (b - e) * 100;
    if (x < 0) return d;
    i32 m = 4 * x + g.rng.randomInt(10000);
    m -= (m / 100) * 10 * g.world().gameLevel;
    m += r * 10000;
    i32 u = 1;
    const auto& platforms = g.tables().platforms;
    if (platforms.inRange(platform)) {
        const Platform& pl = platforms[platform];
        u = (pl.soldUnits / 100) * pl.stillInUsePercent;
        u = u <= 0 ? 1 : std::min(3000, u / 1000);
    }
    m += 200 * u;
    if (v <= 60) m /= 4;
    else if (v < 76) m /= 3;
    else if (v < 86) m /= 2;
    else if (v < 111) m = m * 2 / 3;
    d.interested = true;
    d.maxPrice = m;
    d.price = std::clamp(m, 10000, 1000000);
    d.royalty = r;
    d.weeks = 78;
    return d;
}

bool suggestTerms(EngineDeal& d, int previewScore) {
    d.price = std::clamp(d.price, 10000, 1000000);
    d.royalty = std::clamp(d.royalty, 0, 10);
    d.weeks = std::clamp(d.weeks, 26, 104);
    const i32 w = d.weeks;
    const i32 days = w == 78 ? 1 : 78 - w;
    const i32 demand = previewScore * 100 * d.royalty + days * 1000 + d.price;
    d.accepted = d.interested && demand < d.maxPrice;
    return d.accepted;
}

ActionResult makeEngineDeal(Game& g, Player& p, int platform, int genre, const DealCandidate& c, const EngineDeal& deal,
                            int* createdTask) {
    if (createdTask) *createdTask = 0;
    if (!deal.accepted) return Refusal{"Make Deal", "Not on these terms"};
    const std::string text = "Choose the team leader for this support project.\r\nThe choosen employee will be "
                             "assigned for this project for " +
                             std::to_string(deal.weeks) + " Weeks.";
    if (!p.askDialog("Choose a Team Leader", text, false, true)) {
        p.messageBox("Project canceled", "You canceled the project", false);
        return Refusal{"Project canceled", "You canceled the project"};
    }
    const int leader = chooseTeamLeader(g, p, 0, true);
    if (leader <= 0) {
        p.messageBox("Project canceled", "You did not choose a team leader", false);
        return Refusal{"Project canceled", "You did not choose a team leader"};
    }
    const int ti = createTask(g, "Support Engine " + c.title, kTaskEngine, kWorkEngineSupport, leader, 0, deal.weeks);
    if (ti == 0) return Refusal{"No free project slot", "Your company already runs 500 projects. Finish one first."};
    Task& t = g.tables().tasks[ti];
    t.engine.platform = static_cast<u8>(platform);
    t.engine.genre = static_cast<u8>(genre);
    t.engine.licenceIncome = deal.price;
    GameTitle& game = g.tables().gameTitles[c.year][c.slot];
    game.usesPlayerEngine = 1;
    game.engineRoyalty = deal.royalty;
    if (createdTask) *createdTask = ti;
    if (const int team = offerAutoTeam(g, p, leader); team > 0) autoAssignIdle(g, team, ti);
    p.refreshMainScreen();
    return std::nullopt;
}

}  // namespace cw
