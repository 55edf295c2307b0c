// A finished game on its way to the shops: the regions it is distributed in
// and its release from the product list.
#pragma once

#include <string>

#include "state/game.h"
#include "state/player.h"
#include "state/shared_ops.h"

namespace cw {

struct Regions {
    bool us = false;
    bool eu = false;
    bool asia = false;
    bool any() const { return us || eu || asia; }
};

// The publisher's share once the chosen regions are added, and what the
// distribution costs the company.
int distributionShare(const Game& g, int task, Regions r);
i32 distributionCost(const Game& g, Regions r);

// Every region the company can pay for, USA first; USA alone when it can pay
// for none, because a game must reach some shop.
Regions defaultRegions(const Game& g);

// "OK" of the distribution dialog; refuses (returns the reason) while no
// region is chosen or the task holds no game.
std::string chooseDistribution(Game& g, int task, Regions r);

// The week after this one: week + 1, or week 1 of next year after week 52.
void nextWeekDate(const Game& g, int& year, int& week);

// "Release Product" on entry k of the product list: a game goes into next
// week's releases, a console (after its questions) on the market next week.
// Returns the refusal, or an empty text when nothing was refused (a console
// stays ready for release when the player answers No).
std::string releaseProduct(Game& g, Player& p, int k);

}  // namespace cw

namespace cw {

// The product panel of a game product: the money figures and the
// "Product Info" text.
struct GameProductPanel {
    std::string title;
    i32 paidToPartners = 0;
    i32 totalSales = 0;
    i32 net = 0;  // totalSales - paidToPartners
    i32 price = 0;
    bool priceMarked = false;  // above 30 or below 1
    std::string info;
};
bool gameProductPanel(const Game& g, int k, GameProductPanel& out);
// The engine lines of a game's "Product Info": the player's engine of the
// game's platform and genre with its score, or "None".
std::string gameEngineLines(const Game& g, int platform, int genre);

// The opinion a console of the player starts with: 30 when it matches the
// best released console (at least 600), less by one for each 20 it lags,
// never below 15.
int launchOpinion(const Game& g, int platform);

// "ready for release" or "released" for entry k.
std::string productStateText(const Game& g, int k);

// "Switch to budget pricing": the price it sets and what it adds to the
// sales score once.
inline constexpr i32 kBudgetPrice = 25;
i32 budgetPriceBonus(const GameTitle& t);

}  // namespace cw
