// What the main screen's product panel and the product screen show for one
// of the player's products: a game, an engine or a console. Every figure and
// text comes from the state; nothing here changes it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/game.h"

namespace cw {

struct MoneyFigure {
    std::string caption;
    i32 value = 0;
};

struct ProductPanel {
    int slot = 0;
    int kind = 0;          // ProductGame, ProductEngine, ProductPlatform
    std::string kindText;  // "Game", "Engine", "Platform"
    std::string name;
    std::string stateText;  // "ready for release", "released"
    // The costs, the income and their difference.
    std::array<MoneyFigure, 3> money;
    // The price as the panel shows it: a number, or "NA" for an engine.
    std::string priceText;
    bool priceMarked = false;  // a game priced above 30 or below 1
    std::string costText;      // a console's production cost per unit; empty otherwise
    std::string info;          // "Product Info\r\n" ... with the game's line ends
    std::string figures;       // the week's sales and the like, one "label : value\r\n" each
    int gauge = -1;            // a console's standing 0..100; -1 for no gauge
    bool canRelease = false;   // "Release Product" applies
};

// The panel of products entry k; false when the entry holds no product the
// panel can show.
bool productPanel(const Game& g, int k, ProductPanel& out);

// The gauge of a console: (market share + opinion) div 2, within 0..100.
int consoleGauge(const Platform& p);

// One week of a released game's curves: its chart position (0 when none was
// recorded) and its revenue in that week on sale.
struct HistoryPoint {
    int week = 0;  // week on sale, 1..
    int chartPos = 0;
    i32 revenue = 0;
};
// The product's weeks on sale, at most the first 100, from its history.
std::vector<HistoryPoint> productHistoryPoints(const Game& g, int k);

// "Set new price" of a console product. A text that is not a whole number
// changes nothing and returns false; a number is kept within 50..3000, the
// field shows it (`field`) and the console takes it as its price.
bool setConsolePrice(Game& g, int k, const std::string& text, std::string& field);

}  // namespace cw
