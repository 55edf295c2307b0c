// The company's development tools: one level 0..4 per platform for code,
// design and graphics; levels above 1 shorten the work of a game. And the
// copy protection bought for the player's games on a platform, which the
// crackers wear down week by week.
#pragma once

#include <string>
#include <vector>

#include "state/action.h"
#include "state/game.h"
#include "state/player.h"

namespace cw {

struct ToolLevels {
    i32 code = 0;
    i32 design = 0;
    i32 graphics = 0;
};

// The three levels for a platform; all 0 for no platform.
ToolLevels toolLevels(const Game& g, int platform);

enum class Tool { Code, Graphics, Design };
inline constexpr Tool kTools[3] = {Tool::Code, Tool::Graphics, Tool::Design};

inline constexpr i32 kTopToolLevel = 4;

// "code", "graphics", "design".
const char* toolWord(Tool t);
// What a level upgrade costs before the platform's factor: 40,000, 50,000, 25,000.
i32 toolBasePrice(Tool t);
// The level's licence name, "(0) No Software" .. "(4) Enterprise licence";
// empty outside 0..4.
std::string toolLevelName(i32 level);
i32 toolLevel(const Game& g, Tool t, int platform);

// New platforms cost almost three times as much as old ones: 230 for a
// platform at most three years from its release (or not yet released),
// down to 80 from ten years on.
i32 toolPriceFactor(const Game& g, int platform);
// The price of the next level, as its label shows it.
i32 toolUpgradePrice(const Game& g, Tool t, int platform);

// A platform of the tools' and the protection's boxes and grids.
struct DevPlatformItem {
    int platform = 0;  // 0 for the first line, which chooses none
    std::string text;
};
// Every platform a game may be made for now, in table order.
std::vector<int> toolPlatforms(const Game& g);
// The "Buy Tools" platform box: a first line without an index, then
// name ";" index for each platform of toolPlatforms.
std::vector<DevPlatformItem> toolPlatformBox(const Game& g);

// One row of a tool grid ("Platform", "Tool Level").
struct ToolGridRow {
    int platform = 0;
    std::string platformName;
    std::string levelName;
};
std::vector<ToolGridRow> toolGrid(const Game& g, Tool t);

// What the panel shows for one tool of the chosen platform: the level name,
// "Upgrade Price :" price "$" (blank at the top level) and whether
// "Upgrade tool" is enabled. All blank and disabled with no platform.
struct ToolOffer {
    i32 level = 0;
    i32 price = 0;
    std::string levelName;
    std::string priceText;
    bool upgradeEnabled = false;
};
ToolOffer toolOffer(const Game& g, Tool t, int platform);

// "Upgrade tool": pays the shown price and raises the level by one; refuses
// with a timed notification when no platform is chosen, the tool is at the
// top or the money is short.
ActionResult upgradeTool(Game& g, Player& p, Tool t, int platform);

// The "Anti-Piracy" panel.
enum class ProtectionKind { Simple, Advanced };

struct ProtectionStatus {
    std::string headline;
    std::string text;
    bool buyAllowed = false;
    bool working = false;  // green marker; red otherwise (none for no platform)
};
// "NA"/"NA" and nothing to buy for platform 0.
ProtectionStatus protectionStatus(const Game& g, int platform);
// What the crackers are said to be up to, by the weeks of protection left.
std::string protectionText(i32 strength);
// "Choose Platform", then each platform of toolPlatforms as its name padded
// with blanks to 62 characters, ";" and the index.
std::vector<DevPlatformItem> protectionPlatformBox(const Game& g);

// "Buy simple solution" / "Buy Advanced solution": draws the price, asks,
// pays and installs a fresh protection. Nothing happens without a platform.
ActionResult buyProtection(Game& g, Player& p, int platform, ProtectionKind kind);
// "Develope Inhouse" is not built yet; it only says so.
ActionResult developProtectionInhouse(Player& p);

}  // namespace cw
