// The product screen (`TForm_product_status`) of one of the player's
// products: for an engine its three improvements and the licence talks, for
// a game its chart and revenue curves and its release, for a console its
// price. The Qt screen, the headless driver and the tests drive this model.
#pragma once

#include <string>
#include <vector>

#include "dev/product_panel.h"
#include "engines/engine_project.h"
#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {


// Weeks the developers need before they talk about a licence again.
inline constexpr int kEngineSaleWaitWeeks = 4;

// Step 4 of "Next Week" (once after a fast forward): the wait for the next
// licence talks goes down by a week.
void countDownEngineSaleWait(Game& g);

// "Try to Sell Engine" for the player's engine of the pair: refused while
// the wait runs (or without an engine); otherwise the wait begins and the
// deal screen may open.
ActionResult tryEngineSale(Game& g, int platform, int genre);
// Why the sale is not possible now; empty when it is.
std::string engineSaleWaitText(const Game& g);

// The products entry of the player's engine of the pair, 0 when none.
int engineProductSlot(const Game& g, int platform, int genre);

// "Upgrade Engine", "Upgrade Genre" or "Update Engine" as the product screen
// offers it: the caption, what it leads to and the work it takes.
struct EngineUpgradeOffer {
    EngineUpgrade kind;
    std::string caption;
    std::string description;
    i32 work = 0;  // 0 when the engine is already at its best there
    bool atBest = false;
};

class ProductStatusScreen {
public:
    explicit ProductStatusScreen(Game& g) : g_(g) {}

    // Shows products entry k; false when it holds no product.
    bool open(int k);
    // Recomputes what the screen shows after a change (a week, an action).
    void refresh();

    int slot() const { return slot_; }
    const ProductPanel& panel() const { return panel_; }
    bool isGame() const { return panel_.kind == 1; }
    bool isEngine() const { return panel_.kind == 2; }
    bool isConsole() const { return panel_.kind == 4; }
    std::string caption() const;  // the window's heading: the product's name and kind

    // --- an engine ---
    int enginePlatform() const { return platform_; }
    int engineGenre() const { return genre_; }
    // "Code level :" and the other lines describing the engine.
    std::vector<std::string> engineLines() const;
    std::vector<EngineUpgradeOffer> upgradeOffers() const;
    ActionResult upgrade(Player& p, EngineUpgrade kind, int* createdTask = nullptr);
    // "Try to Sell Engine" is enabled only while no wait is running: one
    // attempt, then kEngineSaleWaitWeeks weeks before the next.
    bool canTrySale() const;
    // Why the button is disabled, for its hint and the screen's line; empty
    // while it is enabled.
    std::string saleWaitText() const;
    // Starts the licence talks: refuses while the button is disabled,
    // otherwise the attempt is used and the wait begins.
    ActionResult trySellEngine();

    // --- a game ---
    bool showsCurves() const;  // a released game
    // The title, platform and genre a game product's release analysis looks
    // at; false for engines and consoles.
    bool analysisSubject(std::string& title, int& platform, int& genre) const;
    std::vector<HistoryPoint> history() const { return productHistoryPoints(g_, slot_); }
    // "Release Game" for a ready game (and "Release Product" for any ready
    // product): the refusal, or an empty text when it was released.
    bool canRelease() const { return panel_.canRelease; }
    std::string release(Player& p);

    // "Switch to Budget game price" and "Budget pricing" (the same action):
    // enabled for a released game priced above 25.
    bool canBudgetPrice() const;
    // Asks "Switch to budget pricing"; on Yes the price drops to 25 and the
    // sales score gains a sixth of the review score. True when it changed.
    bool budgetPrice(Player& p);

    // --- a console ---
    const std::string& priceField() const { return priceField_; }
    void setPriceField(std::string text) { priceField_ = std::move(text); }
    std::string priceLabel() const;
    // "Set new price": the field's text, checked and kept within 50..3000.
    bool setNewPrice();

private:
    Game& g_;
    int slot_ = 0;
    ProductPanel panel_;
    int platform_ = 0;
    int genre_ = 0;
    std::string priceField_ = "700";
};

}  // namespace cw
