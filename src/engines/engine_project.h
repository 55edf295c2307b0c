// The "New Engine" page of the development screen: platform and genre, the
// team manager and freelancers, the functions of the era, the extreme
// options, the work estimate and "Start development", which creates the
// engine task.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engines/engine_catalogue.h"
#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

class NewEngineScreen {
public:
    struct Item {
        int index;
        std::string text;  // the name, then ";" and the index
        std::string name;  // what a drop-down shows
    };

    explicit NewEngineScreen(Game& g);
    void open();

    // --- what the page shows ---
    const std::vector<Item>& platforms() const { return platforms_; }
    const std::vector<Item>& genres() const { return genres_; }
    int platform() const { return platform_; }
    int genre() const { return genre_; }
    const std::array<std::vector<OfferedFunction>, 3>& functions() const { return functions_; }
    bool ticked(int list, int item) const;
    bool option(EngineOption o) const { return options_[static_cast<std::size_t>(o)]; }
    bool optionAvailable(EngineOption o) const;
    bool optionsEnabled() const { return leader_ > 0; }
    int leader() const { return leader_; }
    int freelancers() const { return freelancers_; }
    int freelancersMax() const;
    std::string costText() const;  // "Cost 1500$ weekly"
    const std::string& name() const { return name_; }

    i32 work() const;  // engineWork() of the current choice
    int featureLevel() const;
    EngineEstimate estimate() const;
    // "Current Engine code level :" etc. for the chosen pair.
    std::vector<std::string> engineLines() const;
    std::string leadingCompetitor() const;

    bool wantsNameFocus() const { return focusName_; }
    int createdTask() const { return createdTask_; }

    // --- the player's changes ---
    // Platform and genre by table index; false when the list does not offer it.
    bool choosePlatform(int platform);
    bool chooseGenre(int genre);
    void setName(std::string name) { name_ = std::move(name); }
    bool findLeader(Player& p);
    ActionResult setLeader(int person);
    void setFreelancers(int n);
    void tick(int list, int item, bool on);
    // An option the manager cannot handle stays unticked.
    void setOption(EngineOption o, bool on);

    ActionResult startDevelopment(Player& p);

private:
    Game& g_;
    std::vector<Item> platforms_;
    std::vector<Item> genres_;
    int platform_ = 0;
    int genre_ = 0;
    std::array<std::vector<OfferedFunction>, 3> functions_;
    std::array<std::vector<bool>, 3> ticks_;
    EngineOptions options_{};
    int leader_ = 0;
    int freelancers_ = 0;
    std::string name_;
    bool focusName_ = false;
    int createdTask_ = 0;
};

// The three improvements of an existing engine on its product screen.
enum class EngineUpgrade { Code, Genre, Update };

// Whether an engine has gone as far as an improvement can take it (code
// level 10, genre level 5, experience 40), and the work the improvement's
// task needs otherwise.
bool engineUpgradeAtBest(const EngineSlot& e, EngineUpgrade kind);
i32 engineUpgradeWork(const EngineSlot& e, EngineUpgrade kind);

// "Upgrade Engine", "Upgrade Genre" and "Update Engine" for the player's
// engine of the pair. Returns the refusal, or nothing when the task was
// created (its index in *createdTask when given).
ActionResult upgradeEngine(Game& g, Player& p, int platform, int genre, EngineUpgrade kind, int* createdTask = nullptr);

// The pairs the player holds an engine for (or a bought engine's name),
// platform by platform: the numbering of the CLI's engine list.
std::vector<std::pair<int, int>> ownEngineCells(const Game& g);

// The best competitor engine of the pair as the page shows it.
std::string competitorEngineText(const Game& g, int platform, int genre);

// One row of "View Engines" for a platform: the genre, the best competitor
// engine and the player's, each as rating + "/150 - " + name or "No engine".
struct EngineViewRow {
    int genre;
    std::string genreName;
    std::string competitor;
    std::string own;
};
std::vector<EngineViewRow> viewEngineRows(const Game& g, int platform);

}  // namespace cw
