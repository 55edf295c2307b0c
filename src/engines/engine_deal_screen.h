// The licence deal screen (`TForm_EngineDeal`) of one of the player's
// engines: the competitors' game projects that might use it, the talks with
// one developer, the engine's support tasks and licensed games, and the
// release chart of the next 156 weeks. The Qt screen and the headless
// driver show this model and press its actions.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engines/engine_deal.h"
#include "engines/engine_market.h"
#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

// A support task of the engine: the work promised to a licensee.
struct EngineSupportRow {
    int task = 0;
    std::string name;
    i32 weeksLeft = 0;
    i32 price = 0;  // paid when the support weeks are done
};

// A competitor's game built on the engine, and what it pays.
struct EngineLicenceRow {
    std::string title;
    std::string developer;
    i32 royalty = 0;       // per cent of its weekly revenue
    std::string released;  // "12/1982"
};

class EngineDealScreen {
public:
    // Opening the screen lists the candidates; their draws happen here, once.
    EngineDealScreen(Game& g, int platform, int genre);

    int platform() const { return platform_; }
    int genre() const { return genre_; }
    std::string engineName() const;
    std::string engineSummary() const;  // rating and income so far
    const std::vector<DealCandidate>& candidates() const { return candidates_; }
    std::string scoreText(const DealCandidate& c) const;  // the grid's "Game preview score"

    // "Start Negotiation" on grid row `row` (0-based). The developer's
    // answer is in answer(); the terms box shows only while interested.
    // A developer makes up his mind once per opening of the screen: talking
    // to him again starts from the same answer and limit.
    bool startNegotiation(int row);
    bool negotiating() const { return row_ >= 0; }
    bool interested() const { return negotiating() && deal_.interested; }
    const DealCandidate* current() const;
    std::vector<std::string> dealLines() const;  // "Deveolper : ", "Game      : ", ...
    const std::string& answer() const { return answer_; }

    // The terms; every change disables "Make Deal" until the next "Suggest".
    i32 price() const { return deal_.price; }
    i32 royalty() const { return deal_.royalty; }
    i32 weeks() const { return deal_.weeks; }
    void setPrice(i32 price);         // 10,000..1,000,000 in steps of 5,000
    void setRoyalty(i32 percent);     // 0..10
    void setWeeks(i32 weeks);         // 26..104 in steps of 4
    std::string royaltyText() const;  // "You get 3% of the sales "
    std::string weeksText() const;    // "Assign one of your employees for 78 Weeks ..."
    bool suggest();
    bool canMakeDeal() const { return interested() && deal_.accepted; }
    ActionResult makeDeal(Player& p, int* createdTask = nullptr);
    void cancelNegotiation();

    std::vector<EngineSupportRow> supportTasks() const;
    std::vector<EngineLicenceRow> licensedGames() const;
    const EngineMarketAnalysis& chart() const { return chart_; }

private:
    Game& g_;
    int platform_;
    int genre_;
    std::vector<DealCandidate> candidates_;
    EngineMarketAnalysis chart_;
    int row_ = -1;
    EngineDeal deal_;
    std::string answer_;
    // The developers' answers drawn so far, by their game's catalogue place
    // (a row number moves when a deal takes a game off the grid).
    std::map<std::pair<i32, int>, EngineDeal> drawn_;
};

}  // namespace cw
