// The development screen's "Buy Tools" and "Anti-Piracy" panels in the
// headless driver. A platform is given by its table index or its name, and
// only a platform the panels would list is taken.
#include <algorithm>
#include <cctype>

#include "cli/commands.h"
#include "cli/driver.h"
#include "dev/dev_tools.h"

namespace cw::cli {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The platform the first word names, among those the panels list.
std::string platformArg(Session& s, const Command& cmd, int& platform) {
    const auto pos = cmd.positional();
    if (pos.empty()) return "takes a platform (index or name)";
    const Game& g = *s.game;
    const std::vector<int> offered = toolPlatforms(g);
    long long n = 0;
    platform = 0;
    if (parseInt(pos[0], n)) {
        if (std::find(offered.begin(), offered.end(), n) != offered.end()) platform = static_cast<int>(n);
    } else {
        for (int p : offered)
            if (lower(g.tables().platforms[p].name.str()) == lower(pos[0])) {
                platform = p;
                break;
            }
    }
    if (platform == 0) return "no platform " + pos[0] + " is offered now (see tools)";
    return {};
}

void printTools(Session& s, int platform) {
    const Game& g = *s.game;
    s.out << "Buy Tools: " << g.tables().platforms[platform].name.str() << " (" << platform << "), price factor "
          << toolPriceFactor(g, platform) << '\n';
    for (Tool t : kTools) {
        const ToolOffer o = toolOffer(g, t, platform);
        s.out << "  " << toolWord(t) << ": " << o.levelName << " | "
              << (o.priceText.empty() ? std::string("(no better product)") : o.priceText) << '\n';
    }
}

std::string cmdTools(Session& s, const Command& cmd) {
    if (cmd.positional().empty()) {
        // Without a platform: the three grids as the panel lists them.
        for (Tool t : kTools) {
            s.out << toolWord(t) << " tools: Platform | Tool Level\n";
            for (const ToolGridRow& r : toolGrid(*s.game, t))
                s.out << "  " << r.platform << ' ' << r.platformName << " | " << r.levelName << '\n';
        }
        return {};
    }
    if (cmd.args.size() != 1) return "takes one platform";
    int platform = 0;
    if (auto e = platformArg(s, cmd, platform); !e.empty()) return e;
    printTools(s, platform);
    return {};
}

std::string cmdBuyTool(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 2 || cmd.args.size() != 2) return "takes a platform and code|graphics|design";
    int platform = 0;
    if (auto e = platformArg(s, cmd, platform); !e.empty()) return e;
    const Tool* tool = nullptr;
    for (const Tool& t : kTools)
        if (pos[1] == toolWord(t)) tool = &t;
    if (!tool) return "the tool is code, graphics or design, not " + pos[1];
    const i32 price = toolUpgradePrice(*s.game, *tool, platform);
    if (!upgradeTool(*s.game, s.player, *tool, platform))
        s.out << "bought: " << toolWord(*tool) << " tool for " << price << "$\n";
    printTools(s, platform);
    return {};
}

void printProtection(Session& s, int platform) {
    const ProtectionStatus st = protectionStatus(*s.game, platform);
    s.out << "Anti-Piracy: " << s.game->tables().platforms[platform].name.str() << " (" << platform << ")\n"
          << "  " << st.headline << '\n'
          << "  " << oneLine(st.text) << '\n'
          << "  marker: " << (st.working ? "green" : "red") << ", buying: " << (st.buyAllowed ? "allowed" : "not allowed")
          << '\n';
}

std::string cmdProtection(Session& s, const Command& cmd) {
    if (cmd.args.size() != 1) return "takes one platform";
    int platform = 0;
    if (auto e = platformArg(s, cmd, platform); !e.empty()) return e;
    printProtection(s, platform);
    return {};
}

std::string cmdBuyProtection(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 2 || cmd.args.size() != 2) return "takes a platform and simple|advanced";
    int platform = 0;
    if (auto e = platformArg(s, cmd, platform); !e.empty()) return e;
    ProtectionKind kind;
    if (pos[1] == "simple")
        kind = ProtectionKind::Simple;
    else if (pos[1] == "advanced")
        kind = ProtectionKind::Advanced;
    else
        return "the solution is simple or advanced, not " + pos[1];
    const i32 before = s.game->world().money;
    if (!buyProtection(*s.game, s.player, platform, kind) && s.game->world().money != before)
        s.out << "bought: " << pos[1] << " protection for " << (before - s.game->world().money) << "$\n";
    printProtection(s, platform);
    return {};
}

}  // namespace

void registerToolsCommands(CommandTable& t) {
    t.add({"tools", "tools [P]",
           "\"Buy Tools\": the three tool levels of platform P (index or name) and the next level's price; without "
           "P the three grids",
           cmdTools, kNeedsGame});
    t.add({"buy-tool", "buy-tool P code|graphics|design", "\"Upgrade tool\": the next level of one tool for platform P",
           cmdBuyTool, kNeedsGame});
    t.add({"protection", "protection P",
           "\"Anti-Piracy\": the protection headline, text and whether buying is allowed for platform P", cmdProtection,
           kNeedsGame});
    t.add({"buy-protection", "buy-protection P simple|advanced",
           "\"Buy simple solution\" or \"Buy Advanced solution\" for platform P (asks first: answer yes|no)",
           cmdBuyProtection, kNeedsGame});
}

}  // namespace cw::cli
