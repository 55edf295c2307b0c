// Factory commands of the headless driver: the assembly screen and its
// lines, the lines' output upgrade, the storage screen, and the project
// that lowers a console's production cost.
#include "cli/commands.h"
#include "cli/driver.h"
#include "hardware/manufacturing.h"

namespace cw::cli {
namespace {

void printResult(Session& s, const char* what, const ActionResult& r) {
    if (r)
        s.out << what << ": not done: " << r->caption << " | " << oneLine(r->text) << '\n';
    else
        s.out << what << ": done, cash " << s.game->world().money << '\n';
}

void printAssembly(Session& s) {
    const AssemblyScreen a = openAssemblyScreen(*s.game);
    s.out << "TForm_factory_assembly: Factory Assembly\n"
          << "  capacity: " << a.totalOutput << " units a week, " << a.lineOutput << " a line, line load "
          << a.lineLoad << '\n'
          << "  storage: " << a.storageText << '\n'
          << "  output level " << a.outputLevel << ", Upgrade Assembly Lines: "
          << (a.upgradeEnabled ? "enabled ($" + std::to_string(a.upgradePrice) + ")" : std::string("disabled"))
          << '\n';
    if (a.lines.empty()) s.out << "  (no assembly lines: the company has no factory)\n";
    for (const AssemblyLineRow& l : a.lines)
        s.out << "  line " << l.line << ": " << l.label << (l.platform > 0 ? " (running)" : "") << '\n';
    for (const AssemblyItem& item : a.products) s.out << "  product " << item.product << ": " << item.text << '\n';
}

// The first console product, for "assembly lines=N" without product=.
int firstConsoleProduct(Session& s) {
    const AssemblyScreen a = assemblyScreen(*s.game);
    return a.products.empty() ? 0 : a.products.front().product;
}

std::string cmdAssembly(Session& s, const Command& cmd) {
    std::optional<std::string> lines, line, product;
    for (const Arg& a : cmd.args) {
        if (a.key == "lines") lines = a.value;
        else if (a.key == "line") line = a.value;
        else if (a.key == "product") product = a.value;
        else if (a.key.empty()) return "unexpected \"" + a.value + "\"; options are key=value";
        else return "unknown option " + a.key;
    }
    if (lines && line) return "give lines=N or line=I, not both";
    long long k = 0;
    if (product && (!parseInt(*product, k) || k < 0)) return "product must be a product number (0 stops a line)";
    long long n = 0;
    if (lines) {
        if (!parseInt(*lines, n) || n < 0) return "lines must be a whole number";
        if (!product) k = firstConsoleProduct(s);
        printResult(s, "assembly", setAssemblyLines(*s.game, static_cast<int>(n), static_cast<int>(k)));
    } else if (line) {
        if (!parseInt(*line, n)) return "line must be a line number";
        if (!product) return "line=I needs product=K (product=0 presses \"Stop\")";
        const int i = static_cast<int>(n);
        printResult(s, "assembly", k == 0 ? stopLine(*s.game, i) : assignLine(*s.game, i, static_cast<int>(k)));
    } else if (product) {
        return "product=K goes with lines=N or line=I";
    }
    printAssembly(s);
    return {};
}

std::string cmdUpgradeLines(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    printResult(s, "upgrade-lines", upgradeAssemblyLines(*s.game, s.player));
    s.out << "output level " << static_cast<int>(s.game->world().lineOutputLevel) << ", " << lineOutput(*s.game)
          << " units a line a week\n";
    return {};
}

std::string cmdStorage(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const StorageScreen st = storageScreen(*s.game);
    s.out << "TForm_storage: Storage\n  free " << st.freeSpace << " of " << st.capacity << '\n';
    if (st.rows.empty()) s.out << "  (the warehouse is empty)\n";
    for (const StorageRow& r : st.rows) {
        if (r.item.empty())
            s.out << "  " << r.entry << ": (blank row)\n";
        else
            s.out << "  " << r.entry << ": " << r.item << " | " << r.stock << " units\n";
    }
    return {};
}

std::string cmdCostReduction(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1) return "takes a product number and manager=N [weeks=W]";
    long long k = 0;
    if (!parseInt(pos[0], k)) return "the product must be a product number (see products)";
    long long manager = 0;
    long long weeks = NewTaskDialog::kLowest;
    bool haveManager = false;
    for (const Arg& a : cmd.args) {
        if (a.key.empty()) continue;
        if (a.key == "manager") {
            if (!parseInt(a.value, manager) || manager < 1) return "manager must be a person number";
            haveManager = true;
        } else if (a.key == "weeks") {
            if (!parseInt(a.value, weeks)) return "weeks must be a whole number (4..250)";
        } else {
            return "unknown option " + a.key;
        }
    }
    if (!haveManager) return "needs manager=N";
    s.player.setNewTaskFill(static_cast<int>(manager), static_cast<int>(weeks));
    int task = 0;
    const ActionResult r = startCostReduction(*s.game, s.player, static_cast<int>(k), &task);
    // A fill the dialog never took must not answer a later one.
    s.player.clearNewTaskFill();
    if (r)
        s.out << "cost-reduction: not done: " << r->caption << " | " << oneLine(r->text) << '\n';
    else
        s.out << "created: task " << task << " \"" << s.game->tables().tasks[task].name.str() << "\", "
              << s.game->tables().tasks[task].workTotal << " weeks\n";
    return {};
}

}  // namespace

void registerFactoryCommands(CommandTable& t) {
    t.add({"assembly", "assembly [lines=N [product=K]] [line=I product=K|0]",
           "the factory assembly screen; lines=N puts console product K (the first console when not given) on lines "
           "1..N and stops the others; line=I product=K assigns one line, product=0 presses its \"Stop\"",
           cmdAssembly, kNeedsGame});
    t.add({"upgrade-lines", "upgrade-lines",
           "\"Upgrade Assembly Lines\" (asks \"Upgrade Factory lines\"; Yes unless an answer is queued)",
           cmdUpgradeLines, kNeedsGame});
    t.add({"storage", "storage", "the storage screen: each stored product, its units and the room left", cmdStorage,
           kNeedsGame});
    t.add({"cost-reduction", "cost-reduction PRODUCT manager=N [weeks=W]",
           "\"Lower production cost\" of console product PRODUCT: asks, then fills \"New project\" with team manager "
           "N (his staff screen question takes the next answer) and W weeks (4..250, default 4)",
           cmdCostReduction, kNeedsGame});
}

}  // namespace cw::cli
