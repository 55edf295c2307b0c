// Console design in the headless driver: the "Create New Platform" screen
// filled from options, with its estimate and "Start project".
#include <optional>

#include "cli/commands.h"
#include "cli/driver.h"
#include "hardware/platform_design.h"

namespace cw::cli {
namespace {

std::string parseYesNo(const std::string& key, const std::string& text, bool& value) {
    if (text == "yes" || text == "on")
        value = true;
    else if (text == "no" || text == "off")
        value = false;
    else
        return key + " must be yes or no, not \"" + text + "\"";
    return {};
}

std::string itemName(const std::vector<NewPlatformScreen::Item>& items, int slot) {
    for (const auto& i : items)
        if (i.index == slot) return i.name;
    return "None";
}

std::string cmdNewPlatform(Session& s, const Command& cmd) {
    Game& g = *s.game;
    // The screen opens from the factory's panel, which only a factory has.
    if (g.world().factoryLevel < 1) return "the company has no factory: \"Create new platform\" is on its panel";
    NewPlatformScreen screen(g);
    screen.open();
    std::optional<std::string> name;
    long long n = 0;
    struct Part {
        const char* key;
        bool (NewPlatformScreen::*choose)(int);
        const char* list;
    };
    static const Part kParts[] = {{"cpu", &NewPlatformScreen::chooseMainCpu, "main CPU"},
                                  {"cpu2", &NewPlatformScreen::chooseSecondCpu, "second CPU"},
                                  {"gpu", &NewPlatformScreen::chooseGpu, "graphics chip"},
                                  {"sound", &NewPlatformScreen::chooseSpu, "sound chip"}};
    // The second CPU box opens only once a main CPU is chosen, so the main
    // CPU goes first whatever order the options come in.
    std::vector<const Arg*> args;
    for (const Arg& a : cmd.args)
        if (a.key == "cpu") args.insert(args.begin(), &a);
        else args.push_back(&a);
    for (const Arg* a : args) {
        const Part* part = nullptr;
        for (const Part& p : kParts)
            if (a->key == p.key) part = &p;
        if (part) {
            if (!parseInt(a->value, n)) return std::string(part->key) + " must be a processor number (see cpus) or 0";
            if (!(screen.*part->choose)(static_cast<int>(n)))
                return std::string(part->list) + " " + a->value + " is not offered (see cpus)";
        } else if (a->key == "memory") {
            if (!parseInt(a->value, n) || !screen.chooseMemory(static_cast<int>(n))) return "memory must be 0, 1 or 2";
        } else if (a->key == "controller" || a->key == "game") {
            bool on = false;
            if (auto err = parseYesNo(a->key, a->value, on); !err.empty()) return err;
            a->key == "controller" ? screen.setBundleController(on) : screen.setBundleGame(on);
        } else if (a->key == "name") {
            name = a->value;
        } else if (a->key == "manager") {
            if (!parseInt(a->value, n)) return "manager must be a person number";
            if (const ActionResult refused = screen.setLeader(static_cast<int>(n)))
                s.out << "[refused] " << refused->caption << " | " << oneLine(refused->text) << '\n';
        } else if (a->key.empty()) {
            return "unexpected \"" + a->value + "\"; options are key=value";
        } else {
            return "unknown option " + a->key;
        }
    }
    if (name) screen.setName(*name);

    const PlatformDesign& d = screen.design();
    s.out << NewPlatformScreen::kCaption << ": \"" << screen.name() << "\", manager " << screen.leaderText() << '\n';
    s.out << "Main CPU : " << itemName(screen.cpus(), d.mainCpu) << ", Sec. CPU : "
          << itemName(screen.cpus(), d.secondCpu) << ", Main GPU : " << itemName(screen.gpus(), d.gpu)
          << ", Main SPU : " << itemName(screen.spus(), d.spu) << ", Ram : "
          << (d.ramChoice >= 0 ? screen.memory()[static_cast<std::size_t>(d.ramChoice)] : std::string("None"))
          << '\n';
    s.out << "Bundle Controller : " << (d.bundleController ? "yes" : "no")
          << ", Bundle Game : " << (d.bundleGame ? "yes" : "no") << '\n';
    s.out << screen.costText() << '\n';
    s.out << "Hardware score : " << screen.ratingText() << '\n';

    if (const ActionResult refused = screen.startProject(s.player)) {
        s.out << "new-platform: refused: " << refused->caption << " | " << oneLine(refused->text) << '\n';
        return {};
    }
    const Task& t = g.tables().tasks[screen.createdTask()];
    s.out << "created: task " << screen.createdTask() << " \"" << t.name.str() << "\" for \""
          << t.platform.name.str() << "\", work " << t.workTotal << ", unit cost " << t.platform.productionCost
          << ", price " << t.platform.price << ", cpu spec " << t.platform.cpuSpec << ", hype " << t.hype << '\n';
    return {};
}

}  // namespace

void registerConsoleDesignCommands(CommandTable& t) {
    t.add({"new-platform",
           "new-platform name=\"..\" cpu=N [cpu2=N] gpu=N sound=N memory=0..2 [controller=yes|no] [game=yes|no] "
           "manager=N",
           "fill \"Create New Platform\" (processors by their cpus number, 0 = None) and press \"Start project\"; "
           "prints the estimate, its dialogs take queued answers",
           cmdNewPlatform, kNeedsGame});
}

}  // namespace cw::cli
