// The world around the company: one platform in full, the hardware market
// and the regions' economy, printed as the screens show them.
#include <array>

#include "cli/commands.h"
#include "cli/driver.h"
#include "events/tips.h"
#include "events/tutor.h"
#include "hardware/hardware_texts.h"
#include "setup/main_screen_model.h"
#include "state/calendar.h"
#include "state/shared_ops.h"
#include "state/text_format.h"

namespace cw::cli {
namespace {

std::string arrowText(int angle) {
    switch (angle) {
        case 315: return "new";
        case 90: return "same";
        case 180: return "down";
        case 1: return "up";
        default: return "-";
    }
}

std::string cmdPlatform(Session& s, const Command& cmd) {
    if (cmd.positional().size() != 1 || cmd.args.size() != 1) return "usage: platform N";
    long long n = 0;
    if (auto err = needInt(cmd, 0, 1, decltype(SaveImage::platforms)::last, n); !err.empty()) return err;
    const Game& g = *s.game;
    const Platform& pf = g.tables().platforms[static_cast<int>(n)];
    if (pf.name.empty()) return "platform " + std::to_string(n) + " is an empty slot";
    const auto& w = pf.weekSalesByRegion;
    s.out << "Platform " << n << ": " << platformNameText(g, static_cast<int>(n)) << '\n';
    s.out << "  State: "
          << (pf.discontinued ? "discontinued" : pf.released ? "on the market" : "not yet released") << '\n';
    s.out << "  Release: week " << int{pf.releaseWeek} << ", " << pf.releaseYear << '\n';
    s.out << "  Weeks on the market: " << pf.weeksOnMarket << '\n';
    s.out << "  Sold units: " << thousands(pf.soldUnits) << '\n';
    s.out << "  This week: US " << thousands(w[1]) << " | Europe " << thousands(w[2]) << " | Asia " << thousands(w[3])
          << " | total " << thousands(static_cast<long long>(w[1]) + w[2] + w[3]) << '\n';
    if (pf.playerOwned)
        s.out << "  Delivered: US " << thousands(pf.soldByRegion[1]) << " | Europe " << thousands(pf.soldByRegion[2])
              << " | Asia " << thousands(pf.soldByRegion[3]) << '\n';
    s.out << "  % Still in use: " << int{pf.stillInUsePercent} << '\n';
    s.out << "  % Piracy: " << int{pf.piracyPercent} << '\n';
    s.out << "  Public opinion: " << pf.opinion << " (" << opinionWord(pf.opinion) << ")\n";
    s.out << "  Market share: " << int{pf.marketShare} << '\n';
    s.out << "  CPU Spec: " << pf.cpuSpec << '\n';
    s.out << "  Production Cost: " << thousands(pf.productionCost) << "$\n";
    s.out << "  Price: " << thousands(pf.price) << "$\n";
    s.out << "  " << (pf.playerOwned ? "Revenue" : "Maker earnings") << ": " << thousands(pf.makerEarnings) << "$\n";
    s.out << "  Overall Index: " << pf.overallIndex << '\n';
    s.out << "  Market rank: " << pf.marketRank << " (last week " << int{pf.previousMarketRank}
          << "), standing " << int{pf.standingRank} << '\n';
    s.out << "  Trouble weeks: " << int{pf.troubleWeeks} << ", low-sales weeks: " << int{pf.lowSalesWeeks} << '\n';
    return {};
}

std::string cmdMarket(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const Game& g = *s.game;
    const World& w = g.world();
    const MainScreenModel m = buildMainScreenModel(g);
    s.out << "Hardware market: week " << g.currentWeek << ", " << g.currentYear << '\n';
    s.out << "Hardware consumers: " << thousands(w.hardwareConsumers) << " (" << m.consumerLabel << ")\n";
    s.out << "Hardware interest this week: " << thousands(w.hardwareInterestNow) << '\n';
    s.out << "Demand forecast (next 104 weeks):";
    for (int k = 1; k <= 104; ++k) s.out << (k % 26 == 1 ? "\n  " : " ") << w.hardwareDemandForecast[k];
    s.out << "\nTop platforms:\n";
    for (std::size_t i = 0; i < 5; ++i)
        s.out << "  " << (i + 1) << ". " << m.topPlatforms.names[i] << " [" << arrowText(m.topPlatforms.arrows[i])
              << "]\n";
    return {};
}

std::string cmdEconomy(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const Game& g = *s.game;
    const World& w = g.world();
    const MainScreenModel m = buildMainScreenModel(g);
    s.out << "Economy: week " << g.currentWeek << ", " << g.currentYear << '\n';
    for (int r = 1; r <= 3; ++r) {
        const RegionEconomyDial& d = m.economy[static_cast<std::size_t>(r - 1)];
        s.out << "  " << d.region << ": level " << int{w.economyLevel[r]} << ", needle " << d.needleAngle
              << ", demand " << int{w.regionDemand[r]} << " (" << d.demandWord << ")\n";
    }
    s.out << "Oil crises: " << w.oilCrisisCount << ", last in " << w.lastOilCrisisYear << '\n';
    return {};
}

// The tips screen shows its first tip when it opens; "Next" draws another.
std::string cmdTips(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != cmd.args.size() || pos.size() > 1 || (pos.size() == 1 && pos[0] != "next"))
        return "usage: tips [next]";
    if (!s.tips) {
        s.tips = std::make_shared<TipsScreen>();
        s.tips->open(*s.game);
    }
    if (!pos.empty()) s.tips->next(*s.game);
    s.out << "Tform_didyouknow: Did you know that.....\n";
    if (s.tips->lines.empty()) {
        s.out << "  (no tips file: " << tipsFilePath(*s.game) << ")\n";
        return {};
    }
    s.out << "  line " << s.tips->topLine << " of " << s.tips->lines.size() << '\n';
    for (const std::string& line : tipsLines(s.tips->text())) s.out << "  " << line << '\n';
    return {};
}

std::string cmdTutor(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    s.out << "Tform_Secatary: step " << tutorialStep << (tutorialStep >= 21 ? " (done)" : "") << '\n';
    if (const std::string wait = tutorWaitText(tutorialStep); !wait.empty()) s.out << "  waiting for " << wait << '\n';
    for (const std::string& line : tipsLines(tutorShownText(tutorialStep))) s.out << "  " << line << '\n';
    return {};
}

}  // namespace

void registerWorldCommands(CommandTable& t) {
    t.add({"platform", "platform N", "print one platform in full: dates, sales, piracy, opinion, prices, index",
           cmdPlatform, kNeedsGame});
    t.add({"market", "market", "print the hardware market: consumers, the demand forecast and the top five platforms",
           cmdMarket, kNeedsGame});
    t.add({"tips", "tips [next]", "the tip the \"Did you know ?\" screen shows; \"next\" shows another (one draw)",
           cmdTips, kNeedsGame});
    t.add({"tutor", "tutor", "the secretary tutorial's current step, what it waits for and its text", cmdTutor});
    t.add({"economy", "economy", "print each region's economy level, demand and the oil-crisis counters", cmdEconomy,
           kNeedsGame});
}

}  // namespace cw::cli
