// Licence deals ("Try to Sell Engine"): the competitors' game projects that
// might use the player's engine, the developer's interest and price limit,
// the terms the player suggests and the support task a deal creates.
#pragma once

#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

struct DealCandidate {
    i32 year;
    int slot;
    std::string title;
    int previewScore;  // the game's salesScore
};

// The grid of the deal screen for the player's engine of the pair; draws
// once per listed game, so it is made once per opening of the screen.
std::vector<DealCandidate> engineDealCandidates(Game& g, int platform, int genre);

struct EngineDeal {
    bool interested = false;
    i32 maxPrice = 0;
    // The terms, opened at the developer's limit, the royalty proposal and 78 weeks.
    i32 price = 0;    // 10,000..1,000,000 in steps the screen makes of 5,000
    i32 royalty = 0;  // 0..10 per cent
    i32 weeks = 78;   // 26..104 support weeks
    bool accepted = false;  // "Make Deal" is enabled
};

// "Start Negotiation": the developer's answer for a candidate.
EngineDeal openEngineDeal(Game& g, int platform, int genre, const DealCandidate& c);
// "Suggest": true ("Great, lets make the deal.") when the demand stays below
// the developer's limit; terms out of range are brought into it first.
bool suggestTerms(EngineDeal& deal, int previewScore);
// "Make Deal": the support task; refusal or nothing, the task in *createdTask.
ActionResult makeEngineDeal(Game& g, Player& p, int platform, int genre, const DealCandidate& c, const EngineDeal& deal,
                            int* createdTask = nullptr);

}  // namespace cw
