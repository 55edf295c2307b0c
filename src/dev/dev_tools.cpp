#include "dev/dev_tools.h"

#include "dev/game_project.h"
#include "state/money.h"

namespace cw {
namespace {

constexpr const char* kNotEnoughMoney = "Not enough money";
constexpr const char* kMissingText = "You do not have enough money to buy this tool\r\nYou are missing :";

// Table 1 holds the graphics tools, 2 the code tools, 4 the design tools.
int toolTable(Tool t) {
    switch (t) {
        case Tool::Code: return 2;
        case Tool::Graphics: return 1;
        case Tool::Design: return 4;
    }
    return 2;
}

bool choosable(const Game& g, int platform) {
    if (!decltype(SaveImage::platforms)::inRange(platform)) return false;
    const Platform& pl = g.tables().platforms[platform];
    return !pl.name.empty() && platformOffered(g, pl.releaseYear, pl.releaseWeek);
}

Refusal refuse(Player& p, const char* caption, std::string text) {
    Refusal r{caption, std::move(text)};
    p.notify(r.caption, r.text, 2000);
    return r;
}

// The shortfall is told as the amount still missing, as the engine offer
// tells it, not as a negative balance.
Refusal refuseMoney(Player& p, const Game& g, i32 price) {
    return refuse(p, kNotEnoughMoney, kMissingText + std::to_string(subtractMoney(price, g.world().money)));
}

}  // namespace

ToolLevels toolLevels(const Game& g, int platform) {
    if (platform < 1 || platform > 500) return {};
    const auto& t = g.world().devToolTables;
    return {t[2][platform], t[4][platform], t[1][platform]};
}

const char* toolWord(Tool t) {
    switch (t) {
        case Tool::Code: return "code";
        case Tool::Graphics: return "graphics";
        case Tool::Design: return "design";
    }
    return "";
}

i32 toolBasePrice(Tool t) {
    switch (t) {
        case Tool::Code: return 40000;
        case Tool::Graphics: return 50000;
        case Tool::Design: return 25000;
    }
    return 0;
}

std::string toolLevelName(i32 level) {
    static const char* const kNames[5] = {"(0) No Software", "(1) Bundled Manufactor Tool", "(2) Single user Licence",
                                          "(3) Professional Licence", "(4) Enterprise licence"};
    return level >= 0 && level <= 4 ? kNames[level] : std::string();
}

i32 toolLevel(const Game& g, Tool t, int platform) {
    if (platform < 1 || platform > 500) return 0;
    return g.world().devToolTables[toolTable(t)][platform];
}

i32 toolPriceFactor(const Game& g, int platform) {
    if (!decltype(SaveImage::platforms)::inRange(platform)) return 230;
    const i32 a = g.currentYear + 3 - g.tables().platforms[platform].releaseYear;
    if (a <= 3) return 230;
    if (a <= 5) return 180;
    if (a <= 7) return 150;
    if (a <= 9) return 110;
    return 80;
}

i32 toolUpgradePrice(const Game& g, Tool t, int platform) {
    return toolLevel(g, t, platform) * toolBasePrice(t) / 100 * toolPriceFactor(g, platform);
}

std::vector<int> toolPlatforms(const Game& g) {
    std::vector<int> out;
    const auto& platforms = g.tables().platforms;
    for (int p = platforms.first; p <= platforms.last; ++p)
        if (choosable(g, p)) out.push_back(p);
    return out;
}

std::vector<DevPlatformItem> toolPlatformBox(const Game& g) {
    std::vector<DevPlatformItem> out{{0, "Choose Platform"}};
    for (int p : toolPlatforms(g)) out.push_back({p, g.tables().platforms[p].name.str() + ";" + std::to_string(p)});
    return out;
}

std::vector<ToolGridRow> toolGrid(const Game& g, Tool t) {
    std::vector<ToolGridRow> out;
    for (int p : toolPlatforms(g))
        out.push_back({p, g.tables().platforms[p].name.str(), toolLevelName(toolLevel(g, t, p))});
    return out;
}

ToolOffer toolOffer(const Game& g, Tool t, int platform) {
    ToolOffer o;
    if (!choosable(g, platform)) return o;
    o.level = toolLevel(g, t, platform);
    o.levelName = toolLevelName(o.level);
    if (o.level < kTopToolLevel) {
        o.price = toolUpgradePrice(g, t, platform);
        o.priceText = "Upgrade Price :" + std::to_string(o.price) + "$";
        o.upgradeEnabled = true;
    }
    return o;
}

ActionResult upgradeTool(Game& g, Player& p, Tool t, int platform) {
    if (!choosable(g, platform))
        return refuse(p, "Choose a valid platform", "You need to choose a valid platform");
    World& w = g.world();
    u8& level = w.devToolTables[toolTable(t)][platform];
    if (level >= kTopToolLevel) return refuse(p, "No better product", "Theres no better product available.");
    const i32 price = toolUpgradePrice(g, t, platform);
    if (w.money - static_cast<long long>(price) < 0) return refuseMoney(p, g, price);
    payCash(w.money, price);
    if (decltype(World::yearlyDevelopmentCost)::inRange(g.currentYear))
        w.yearlyDevelopmentCost[g.currentYear] = addMoney(w.yearlyDevelopmentCost[g.currentYear], price);
    level = static_cast<u8>(level + 1);
    p.refreshMainScreen();
    return std::nullopt;
}

std::string protectionText(i32 s) {
    if (s >= 1 && s <= 20)
        return "Roumors has it, that a cracker group has cracked your protection and is about to release it";
    if (s >= 21 && s <= 34)
        return "This platform piracy protection seems to work, no cracking group have cracked it yet, thought romuor "
               "has it that they are very close to crack it.";
    if (s >= 35 && s <= 60) return "Your protection seems to work very well, nobody have cracked it yet";
    if (s >= 61 && s <= 100)
        return "Your protection is working very well and is seen as one of the hardest to crack by different "
               "cracking groups world wide";
    return {};
}

ProtectionStatus protectionStatus(const Game& g, int platform) {
    if (!choosable(g, platform)) return {"NA", "NA", false, false};
    const ProtectionState& s = g.world().platformProtection[platform];
    if (s.strength == -1)
        return {"You have no Anti-Piracy protection for this Platform yet",
                "Its a good idea to have some kind of piracy protection for your games.", true, false};
    if (s.cracked)
        return {"Protection has been broken",
                "Your Protection on this platform has been broken by a cracker. To prevent illegal copies of you "
                "games, buy or develope a new protection method",
                true, false};
    return {"Piracy Protection is working and has not been broken yet", protectionText(s.strength), false, true};
}

std::vector<DevPlatformItem> protectionPlatformBox(const Game& g) {
    std::vector<DevPlatformItem> out{{0, "Choose Platform"}};
    for (int p : toolPlatforms(g)) {
        std::string name = g.tables().platforms[p].name.str();
        name.resize(62, ' ');
        out.push_back({p, name + ";" + std::to_string(p)});
    }
    return out;
}

ActionResult buyProtection(Game& g, Player& p, int platform, ProtectionKind kind) {
    if (!choosable(g, platform)) return std::nullopt;
    World& w = g.world();
    ProtectionState& s = w.platformProtection[platform];
    if (s.strength >= 1 && !s.cracked)
        return refuse(p, "Protection exists", "You Already have protection for this platfom");
    const bool advanced = kind == ProtectionKind::Advanced;
    const i32 draw = advanced ? g.rng.randomInt(250) + 550 : g.rng.randomInt(150) + 350;
    const i32 price = draw * toolPriceFactor(g, platform);
    const bool yes = p.askDialog("Buy Piracy Protection",
                                 "The Piracy protection will cost you :" + std::to_string(price) + "$" + "\r\n" +
                                     "Do you want to buy it ?",
                                 true, true);
    if (!yes) return std::nullopt;
    if (w.money - static_cast<long long>(price) < 0) return refuseMoney(p, g, price);
    payCash(w.money, price);
    s.strength = advanced ? g.rng.randomInt(10) + 89 : g.rng.randomInt(10) + 35;
    s.cracked = 0;
    p.refreshMainScreen();
    return std::nullopt;
}

ActionResult developProtectionInhouse(Player& p) {
    return refuse(p, "Not in this beta", "Not coded yet :-) wait for the the next release");
}

}  // namespace cw
