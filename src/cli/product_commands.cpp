// The product commands of the headless driver: the panel and product screen
// of any of the player's products, and a console's price.
#include "cli/commands.h"
#include "cli/driver.h"
#include "engines/product_status.h"
#include "hardware/platform_publishers.h"
#include "hardware/warehouse.h"
#include "state/shared_ops.h"

namespace cw::cli {
namespace {

// Each of the game's CR LF lines as a line of the transcript.
void printLines(std::ostream& out, const std::string& text, const char* indent) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        out << indent << text.substr(start, end - start) << '\n';
        start = end + 2;
    }
}

std::string cmdProduct(Session& s, const Command& cmd) {
    long long k = 0;
    if (std::string err = needInt(cmd, 0, 1, 3500, k); !err.empty()) return err;
    if (cmd.args.size() > 1) return "takes one product number (see products)";
    ProductStatusScreen screen(*s.game);
    if (!screen.open(static_cast<int>(k))) {
        s.out << "product " << k << ": no product\n";
        return {};
    }
    const ProductPanel& panel = screen.panel();
    s.out << "product " << k << ": " << screen.caption() << '\n';
    for (const MoneyFigure& m : panel.money) s.out << "  " << m.caption << ": " << m.value << '\n';
    s.out << "  price: " << panel.priceText << (panel.priceMarked ? " (!)" : "") << '\n';
    if (!panel.costText.empty()) s.out << "  production cost: " << panel.costText << '\n';
    printLines(s.out, panel.info, "  ");
    printLines(s.out, panel.figures, "  ");
    if (panel.gauge >= 0) s.out << "  gauge: " << panel.gauge << "/100\n";
    if (screen.isConsole()) {
        const i32 pf = s.game->world().products[static_cast<int>(k)].refA;
        const Platform& c = s.game->tables().platforms[pf];
        s.out << "  units in stock: " << stockOf(*s.game, pf, 0, ProductPlatform) << "\n  units sold: US "
              << c.soldByRegion[1] << ", Europe " << c.soldByRegion[2] << ", Asia " << c.soldByRegion[3]
              << "\n  unit cost: " << c.productionCost << '\n';
    }
    if (screen.isEngine()) {
        s.out << "TForm_product_status: engine\n";
        for (const std::string& line : screen.engineLines()) s.out << "  " << line << '\n';
        for (const EngineUpgradeOffer& o : screen.upgradeOffers())
            s.out << "  " << o.caption << ": " << o.description << (o.atBest ? "" : ", work " + std::to_string(o.work))
                  << '\n';
        s.out << "  Try to Sell Engine: "
              << (screen.canTrySale() ? std::string("enabled") : "disabled (" + screen.saleWaitText() + ")") << '\n';
    }
    if (screen.isConsole())
        for (const PlatformDealLine& d : platformDealLines(*s.game, s.game->world().products[static_cast<int>(k)].refA))
            s.out << "  publisher deal: " << d.name << " (company " << d.company << "), " << d.gamesLeft
                  << " game(s) to come, " << d.ported << " title(s) on the console so far\n";
    if (screen.showsCurves()) {
        const auto points = screen.history();
        s.out << "history: " << points.size() << " week(s) on sale\n  week | chart | revenue\n";
        for (const HistoryPoint& h : points)
            s.out << "  " << h.week << " | " << (h.chartPos > 0 && h.chartPos < 255 ? std::to_string(h.chartPos) : "-")
                  << " | " << h.revenue << '\n';
    }
    if (screen.canRelease()) s.out << "  ready: release " << k << " puts it on sale next week\n";
    return {};
}

std::string cmdPrice(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 2 || cmd.args.size() != 2) return "takes a product number and a price (price N VALUE)";
    long long k = 0;
    if (!parseInt(pos[0], k) || k < 1 || k > 3500) return "the product number must be 1..3500 (see products)";
    ProductStatusScreen screen(*s.game);
    if (!screen.open(static_cast<int>(k))) {
        s.out << "product " << k << ": no product\n";
        return {};
    }
    if (!screen.isConsole()) {
        s.out << "product " << k << ": the price of this " << screen.panel().kindText
              << " is not set here; \"Set new price\" changes nothing\n";
        return {};
    }
    screen.setPriceField(pos[1]);
    if (!screen.setNewPrice()) {
        s.out << "price: \"" << pos[1] << "\" is not a number; nothing changed\n";
        return {};
    }
    s.out << "price field: " << screen.priceField() << "\n" << screen.priceLabel() << '\n';
    return {};
}

std::string cmdBudgetPrice(Session& s, const Command& cmd) {
    long long k = 0;
    if (std::string err = needInt(cmd, 0, 1, 3500, k); !err.empty()) return err;
    if (cmd.args.size() > 1) return "takes one product number (see products)";
    ProductStatusScreen screen(*s.game);
    if (!screen.open(static_cast<int>(k)) || !screen.isGame()) {
        s.out << "product " << k << ": no game\n";
        return {};
    }
    if (!screen.canBudgetPrice()) {
        s.out << "budget-price: the buttons are disabled (only a released game priced above 25)\n";
        return {};
    }
    const bool changed = screen.budgetPrice(s.player);
    s.out << (changed ? "budget price: " : "unchanged: ") << screen.panel().name << " at " << screen.panel().priceText
          << "\n";
    return {};
}

}  // namespace

void registerProductCommands(CommandTable& t) {
    t.add({"product", "product N",
           "the panel of product N (game, engine or console); an engine's product screen, a game's weekly history",
           cmdProduct, kNeedsGame});
    t.add({"budget-price", "budget-price N",
           "\"Switch to Budget game price\" for released game N (the Yes/No question takes a queued answer)",
           cmdBudgetPrice, kNeedsGame});
    t.add({"price", "price N VALUE", "\"Set new price\" for console product N (kept within 50..3000)", cmdPrice,
           kNeedsGame});
}

}  // namespace cw::cli
