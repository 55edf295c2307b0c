// The player's shares and the stock market.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// A computer-run company is on the market: founded, and not a blank slot.
bool companyActive(const Company& c, i32 year);

// The computer-run companies' own share prices (week 1 and every twelfth week).
void updateSharePrices(Game& g);

// The player's share price, at least 1.
i32 sharePrice(const Game& g);

// What a 5% packet brings when issued, or costs a competitor that buys it.
i32 packetValue(const Game& g);
// What a 5% packet costs the player who buys it back.
i32 buyBackPrice(const Game& g);

// "Sell 5%": asks, then finds a buyer among the competitors.
ActionResult issueShares(Game& g, Player& p);
// "Buy back 5%": competitors holding packets offer them in turn.
ActionResult buyBackShares(Game& g, Player& p);

// Competitors buying 5% packets of the player's company (every 25th week).
void competitorShareBuying(Game& g, Player& p);

// A computer-run company holds as much of the player's shares as the player.
bool takeoverComplete(const Game& g);

// A computer-run company is one packet away from taking the company over.
bool takeoverThreatening(const Game& g);

// The exchange, "CW2 - The Exchange" (Tform_stock).
struct ExchangeRow {
    std::string company;
    std::string price;  // "NA" for a company in its first year
    i32 sharesInYours = 0;
    i32 yoursOwn = 0;
    bool players = false;
};
struct ExchangeScreen {
    std::array<std::string, 4> headers{"Company", "Share price", "Shares in your company %", "Your company own %"};
    std::vector<ExchangeRow> rows;
    std::string chartTitle = "Player Company Share Value \r\n \r\npast 2 years";
    std::array<i32, 105> history{};  // oldest first, the newest last
    i32 scale = 2;                   // the chart's 100 steps are `scale` dollars each
    i32 lowMark = 66;                // the axis labels 33 × scale and 66 × scale
    i32 highMark = 132;
    std::string previousYear;
    std::string currentWeek;  // "Current week 1985"
};
ExchangeScreen exchangeScreen(const Game& g);

}  // namespace cw
