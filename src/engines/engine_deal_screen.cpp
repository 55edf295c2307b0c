#include "engines/engine_deal_screen.h"

#include <algorithm>

#include "engines/engine_catalogue.h"
#include "hardware/hardware_texts.h"
#include "market/company_list.h"
#include "state/tasks.h"
#include "state/text_format.h"

namespace cw {

EngineDealScreen::EngineDealScreen(Game& g, int platform, int genre)
    : g_(g),
      platform_(platform),
      genre_(genre),
      candidates_(engineDealCandidates(g, platform, genre)),
      chart_(engineMarketAnalysis(g, platform, genre)) {}

std::string EngineDealScreen::engineName() const {
    if (!engineCellInRange(platform_, genre_)) return {};
    return g_.world().ownEngines[platform_][genre_].name.str();
}

std::string EngineDealScreen::engineSummary() const {
    if (!engineCellInRange(platform_, genre_)) return {};
    const EngineSlot& e = g_.world().ownEngines[platform_][genre_];
    return "Engine score : " + std::to_string(e.rating) + "/150   Licence income : " + thousands(e.licenceIncome) +
           " $";
}

std::string EngineDealScreen::scoreText(const DealCandidate& c) const { return ratingWord(c.previewScore, true); }

bool EngineDealScreen::startNegotiation(int row) {
    if (row < 0 || row >= static_cast<int>(candidates_.size())) return false;
    row_ = row;
    const DealCandidate& c = candidates_[static_cast<std::size_t>(row)];
    const std::pair<i32, int> key{c.year, c.slot};
    auto known = drawn_.find(key);
    if (known == drawn_.end()) known = drawn_.emplace(key, openEngineDeal(g_, platform_, genre_, c)).first;
    deal_ = known->second;
    answer_ = deal_.interested ? "What is you offer ?" : "We are not interrested";
    return deal_.interested;
}

const DealCandidate* EngineDealScreen::current() const {
    return negotiating() ? &candidates_[static_cast<std::size_t>(row_)] : nullptr;
}

std::vector<std::string> EngineDealScreen::dealLines() const {
    const DealCandidate* c = current();
    if (!c) return {};
    const GameTitle& t = g_.tables().gameTitles[c->year][c->slot];
    return {"Deveolper : " + companyRowName(g_, t.companyRow), "Game      : " + c->title,
            "Game Preview score : " + ratingWord(c->previewScore, true),
            "Game release date  : " + std::to_string(t.releaseWeek) + "/" + std::to_string(t.releaseYear)};
}

void EngineDealScreen::setPrice(i32 price) {
    deal_.price = std::clamp(price, 10000, 1000000);
    deal_.accepted = false;
}

void EngineDealScreen::setRoyalty(i32 percent) {
    deal_.royalty = std::clamp(percent, 0, 10);
    deal_.accepted = false;
}

void EngineDealScreen::setWeeks(i32 weeks) {
    deal_.weeks = std::clamp(weeks, 26, 104);
    deal_.accepted = false;
}

std::string EngineDealScreen::royaltyText() const {
    return "You get " + std::to_string(deal_.royalty) + "% of the sales ";
}

std::string EngineDealScreen::weeksText() const {
    return "Assign one of your employees for " + std::to_string(deal_.weeks) +
           " Weeks supporting the company while they develope the game";
}

bool EngineDealScreen::suggest() {
    const DealCandidate* c = current();
    if (!c || !deal_.interested) return false;
    const bool ok = suggestTerms(deal_, c->previewScore);
    answer_ = ok ? "Great, lets make the deal." : "Not on these terms";
    return ok;
}

ActionResult EngineDealScreen::makeDeal(Player& p, int* createdTask) {
    const DealCandidate* c = current();
    if (!c) return Refusal{"Make Deal", "Choose a game and start the negotiation first"};
    ActionResult r = makeEngineDeal(g_, p, platform_, genre_, *c, deal_, createdTask);
    if (!r) {
        // The game now uses the engine; it is no longer a candidate.
        candidates_.erase(candidates_.begin() + row_);
        cancelNegotiation();
        answer_ = "Deal made";
    }
    return r;
}

void EngineDealScreen::cancelNegotiation() {
    row_ = -1;
    deal_ = EngineDeal{};
    answer_.clear();
}

std::vector<EngineSupportRow> EngineDealScreen::supportTasks() const {
    std::vector<EngineSupportRow> rows;
    const auto& tasks = g_.tables().tasks;
    for (int i = tasks.first; i <= tasks.last; ++i) {
        const Task& t = tasks[i];
        if (t.name.blank() || t.taskType != kTaskEngine || t.taskSubtype != kWorkEngineSupport) continue;
        if (t.engine.platform != platform_ || t.engine.genre != genre_) continue;
        rows.push_back({i, t.name.str(), std::max<i32>(0, t.workTotal - t.progress), t.engine.licenceIncome});
    }
    return rows;
}

std::vector<EngineLicenceRow> EngineDealScreen::licensedGames() const {
    std::vector<EngineLicenceRow> rows;
    const auto& titles = g_.tables().gameTitles;
    // A licensed game sells for four years after its release.
    for (i32 y = g_.currentYear - 4; y <= g_.currentYear + 2; ++y) {
        if (!titles.inRange(y)) continue;
        for (int s = 1; s <= 3500; ++s) {
            const GameTitle& t = titles[y][s];
            if (t.title.empty() || !t.usesPlayerEngine || t.isPlayers) continue;
            if (t.platform != platform_ || t.genre != genre_) continue;
            rows.push_back({t.title.str(), companyRowName(g_, t.companyRow), t.engineRoyalty,
                            std::to_string(t.releaseWeek) + "/" + std::to_string(t.releaseYear)});
        }
    }
    return rows;
}

}  // namespace cw
