#include "engines/product_status.h"

#include <algorithm>

#include "dev/release.h"
#include "engines/engine_texts.h"
#include "state/shared_ops.h"

namespace cw {

void countDownEngineSaleWait(Game& g) {
    if (g.session.engineSaleWait > 0) --g.session.engineSaleWait;
}

std::string engineSaleWaitText(const Game& g) {
    if (g.gameOver) return "The game is over";
    if (g.session.engineSaleWait <= 0) return {};
    return "The developers take up licence talks again in " + std::to_string(g.session.engineSaleWait) + " week(s)";
}

ActionResult tryEngineSale(Game& g, int platform, int genre) {
    const World& w = g.world();
    if (!w.ownEngines.inRange(platform) || !w.ownEngines[platform].inRange(genre) ||
        w.ownEngines[platform][genre].codeLevel == 0)
        return Refusal{"Try to Sell Engine", "You have no engine for this platform and genre"};
    if (const std::string wait = engineSaleWaitText(g); !wait.empty()) return Refusal{"Try to Sell Engine", wait};
    g.session.engineSaleWait = kEngineSaleWaitWeeks;
    return std::nullopt;
}

int engineProductSlot(const Game& g, int platform, int genre) {
    const auto& products = g.world().products;
    for (int k = products.first; k <= products.last; ++k) {
        const ProductEntry& e = products[k];
        if (!productFree(e) && e.kind == ProductEngine && e.refA == platform && e.refB == genre) return k;
    }
    return 0;
}

bool ProductStatusScreen::open(int k) {
    slot_ = k;
    priceField_ = "700";
    refresh();
    return panel_.slot != 0;
}

void ProductStatusScreen::refresh() {
    if (!productPanel(g_, slot_, panel_)) {
        panel_ = ProductPanel{};
        platform_ = genre_ = 0;
        return;
    }
    // A release moves a game's entry to its new catalogue place; the panel
    // follows the entry.
    const ProductEntry& e = g_.world().products[slot_];
    platform_ = isEngine() ? e.refA : 0;
    genre_ = isEngine() ? e.refB : 0;
}

std::string ProductStatusScreen::caption() const {
    if (panel_.slot == 0) return "No product";
    return panel_.name + " - " + panel_.kindText + (panel_.stateText.empty() ? "" : " (" + panel_.stateText + ")");
}

std::vector<std::string> ProductStatusScreen::engineLines() const {
    std::vector<std::string> lines;
    if (!isEngine()) return lines;
    const EngineSlot& e = g_.world().ownEngines[platform_][genre_];
    lines.push_back("Code level  : " + codeLevelWord(e.codeLevel));
    lines.push_back("              " + codeLevelRemark(e.codeLevel));
    lines.push_back("Genre level : " + genreLevelWord(e.featureLevel));
    lines.push_back("Experience  : " + std::to_string(e.experience) + "/40");
    lines.push_back("Engine score: " + std::to_string(e.rating) + "/150");
    lines.push_back("Leading competitor : " + competitorEngineText(g_, platform_, genre_));
    return lines;
}

std::vector<EngineUpgradeOffer> ProductStatusScreen::upgradeOffers() const {
    std::vector<EngineUpgradeOffer> offers;
    if (!isEngine()) return offers;
    const EngineSlot& e = g_.world().ownEngines[platform_][genre_];
    auto offer = [&e](EngineUpgrade kind, const char* caption) {
        const bool atBest = engineUpgradeAtBest(e, kind);
        return EngineUpgradeOffer{kind, caption, {}, atBest ? 0 : engineUpgradeWork(e, kind), atBest};
    };
    EngineUpgradeOffer code = offer(EngineUpgrade::Code, "Upgrade Engine");
    code.description = code.atBest ? "The core engine is at the highest level"
                                   : "Core code level " + std::to_string(e.codeLevel) + " to " +
                                         std::to_string(e.codeLevel + 1) + "; the leader needs programming " +
                                         std::to_string(e.codeLevel + 1);
    EngineUpgradeOffer genre = offer(EngineUpgrade::Genre, "Upgrade Genre");
    genre.description = genre.atBest ? "The genre integration is at the highest level"
                                     : "Genre level " + std::to_string(e.featureLevel) + " to " +
                                           std::to_string(e.featureLevel + 1) + "; the leader needs design " +
                                           std::to_string(e.featureLevel + 1);
    EngineUpgradeOffer update = offer(EngineUpgrade::Update, "Update Engine");
    update.description = update.atBest ? "The engine is updated to the maximum at its level"
                                       : "Experience " + std::to_string(e.experience) + " to 40; any leader";
    offers.push_back(code);
    offers.push_back(genre);
    offers.push_back(update);
    return offers;
}

ActionResult ProductStatusScreen::upgrade(Player& p, EngineUpgrade kind, int* createdTask) {
    if (!isEngine()) return Refusal{"No engine", "You have no engine for this platform and genre"};
    ActionResult r = upgradeEngine(g_, p, platform_, genre_, kind, createdTask);
    refresh();
    return r;
}

bool ProductStatusScreen::canTrySale() const { return isEngine() && engineSaleWaitText(g_).empty(); }

std::string ProductStatusScreen::saleWaitText() const { return isEngine() ? engineSaleWaitText(g_) : std::string(); }

ActionResult ProductStatusScreen::trySellEngine() {
    if (!isEngine()) return Refusal{"Try to Sell Engine", "Only an engine can be licensed"};
    return tryEngineSale(g_, platform_, genre_);
}

bool ProductStatusScreen::analysisSubject(std::string& title, int& platform, int& genre) const {
    const GameTitle* t = isGame() ? productTitle(g_, slot_) : nullptr;
    if (!t) return false;
    title = t->title.str();
    platform = t->platform;
    genre = t->genre;
    return true;
}

bool ProductStatusScreen::showsCurves() const {
    return isGame() && g_.world().products.inRange(slot_) && g_.world().products[slot_].released;
}

std::string ProductStatusScreen::release(Player& p) {
    std::string refusal = releaseProduct(g_, p, slot_);
    refresh();
    return refusal;
}

bool ProductStatusScreen::canBudgetPrice() const {
    const GameTitle* t = productTitle(g_, slot_);
    return showsCurves() && t && t->price > kBudgetPrice && !g_.gameOver;
}

bool ProductStatusScreen::budgetPrice(Player& p) {
    if (!canBudgetPrice()) return false;
    if (!p.messageBox("Switch to budget pricing", "Do you want to switch to budget pricing on this game", true))
        return false;
    GameTitle& t = *productTitle(g_, slot_);
    t.price = kBudgetPrice;
    // The score is a byte; a high review must not wrap it round to a low one.
    t.salesScore = static_cast<u8>(std::min(255, t.salesScore + budgetPriceBonus(t)));
    refresh();
    return true;
}

std::string ProductStatusScreen::priceLabel() const {
    if (!isConsole()) return {};
    return "Price : " + panel_.priceText + "$";
}

bool ProductStatusScreen::setNewPrice() {
    std::string field = priceField_;
    const bool changed = setConsolePrice(g_, slot_, priceField_, field);
    priceField_ = field;
    refresh();
    return changed;
}

}  // namespace cw
