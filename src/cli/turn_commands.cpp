// Turn commands of the headless driver: new game, next week, fast forward,
// the news and histories, ending a game and the main screen's options.
#include <algorithm>
#include <array>
#include <optional>

#include "cli/commands.h"
#include "cli/driver.h"
#include "finance/player_bonus.h"
#include "setup/new_game.h"
#include "setup/world_init.h"
#include "sim/game_clock.h"
#include "state/shared_ops.h"

namespace cw::cli {
namespace {

constexpr long long kMaxWeeksPerCommand = 100000;

// "yes"/"on" and "no"/"off"; anything else is a bad argument.
std::string parseSwitch(const std::string& key, const std::string& text, bool& value) {
    if (text == "yes" || text == "on")
        value = true;
    else if (text == "no" || text == "off")
        value = false;
    else
        return key + " must be yes/on or no/off, not \"" + text + "\"";
    return {};
}

std::string onOff(bool v) { return v ? "on" : "off"; }

void printDate(Session& s) { s.out << "now: week " << s.game->currentWeek << ", " << s.game->currentYear << '\n'; }

std::string cmdNewGame(Session& s, const Command& cmd) {
    if (!cmd.positional().empty()) return "takes only key=value options";
    // The names of the last game, and the tutor for a newcomer, as the screen shows them.
    NewGameOptions o = loadStarterDefaults(s.game->writableFolder()).options;
    PlayerBonus bonus;
    std::optional<std::string> mod;
    for (const Arg& a : cmd.args) {
        long long n = 0;
        if (a.key == "company") {
            o.companyName = a.value;
        } else if (a.key == "player") {
            o.playerName = a.value;
        } else if (a.key == "value" || a.key == "level" || a.key == "age") {
            if (!parseInt(a.value, n) || n < -1000 || n > 1000) return a.key + " must be a whole number";
            (a.key == "value" ? o.companyValue : a.key == "level" ? o.gameLevel : bonus.age) = static_cast<int>(n);
        } else if (a.key == "specialty") {
            bonus.specialty = specialtyFromText(a.value);
            if (bonus.specialty < 0)
                return "specialty must be Leadership, Programming, Designing, Graphics, Hardware or 0..4";
        } else if (a.key == "board") {
            if (auto err = parseSwitch(a.key, a.value, o.boardMeetings); !err.empty()) return err;
        } else if (a.key == "tutor") {
            if (auto err = parseSwitch(a.key, a.value, o.tutor); !err.empty()) return err;
        } else if (a.key == "music") {
            if (auto err = parseSwitch(a.key, a.value, o.music); !err.empty()) return err;
        } else if (a.key == "factory") {
            if (auto err = parseSwitch(a.key, a.value, o.startWithFactory); !err.empty()) return err;
        } else if (a.key == "warehouse") {
            if (auto err = parseSwitch(a.key, a.value, o.startWithWarehouse); !err.empty()) return err;
        } else if (a.key == "publisher") {
            if (auto err = parseSwitch(a.key, a.value, o.startWithPublisher); !err.empty()) return err;
        } else if (a.key == "mod") {
            mod = a.value;
        } else {
            return "unknown option " + a.key;
        }
    }
    // The screens never let such values through, so they are faults of the
    // script, not refusals it could run past.
    if (std::string why = checkNewGameOptions(o); !why.empty()) return why;
    if (std::string why = checkPlayerBonus(bonus); !why.empty()) return why;
    const int score = startupScore(o);
    s.out << "new game: company \"" << o.companyName << "\", player \"" << o.playerName << "\", level " << o.gameLevel
          << " (" << gameLevelName(o.gameLevel) << "), start-up " << score << " (" << startupLevelText(score)
          << "), money " << o.companyValue * 1000000 << '\n';
    s.out << "player setup: age " << bonus.age << ", " << specialtyNames()[static_cast<std::size_t>(bonus.specialty)]
          << '\n';
    Game& g = *s.game;
    // "Choose MOD" before the start; a MOD that cannot be used has said why.
    if (std::string label; mod && !chooseMod(g, s.player, *mod, label).empty()) {
        s.out << "new-game: refused\n";
        return {};
    }
    g.session.loadingSavedGame = false;
    // A refused start has shown its message and left the running game alone.
    if (!startNewGame(g, s.player, s.ref, o, bonus).empty()) {
        s.out << "new-game: refused\n";
        return {};
    }
    s.out << "world: " << worldSummaryText(summarizeWorld(g)) << '\n';
    s.gameRunning = true;
    return {};
}

std::string cmdNextWeek(Session& s, const Command& cmd) {
    long long weeks = 1;
    if (cmd.args.size() > 1) return "takes at most one number";
    if (!cmd.args.empty()) {
        if (auto err = needInt(cmd, 0, 1, kMaxWeeksPerCommand, weeks); !err.empty()) return err;
    }
    long long played = 0;
    while (played < weeks && !s.game->gameOver) {
        s.player.beginWeekCues();
        nextWeek(*s.game, s.player);
        ++played;
    }
    if (!s.game->gameOver) printDate(s);
    return {};
}

std::string cmdFastForward(Session& s, const Command& cmd) {
    long long weeks = 0;
    if (cmd.args.size() != 1) return "takes one number";
    if (auto err = needInt(cmd, 0, 1, kMaxWeeksPerCommand, weeks); !err.empty()) return err;
    s.player.beginWeekCues();
    startFastForward(*s.game, s.player, static_cast<int>(weeks));
    if (!s.game->gameOver) printDate(s);
    return {};
}

std::string cmdNews(Session& s, const Command& cmd) {
    static const std::array<const char*, 3> kHeadings = {"financial", "software", "hardware"};
    const auto pos = cmd.positional();
    if (pos.size() != cmd.args.size() || pos.size() > 1) return "usage: news [financial|software|hardware]";
    int first = NewsFinancial, last = NewsHardware;
    if (pos.size() == 1) {
        const auto found = std::find(kHeadings.begin(), kHeadings.end(), pos[0]);
        if (found == kHeadings.end()) return "the category must be financial, software or hardware";
        first = last = static_cast<int>(found - kHeadings.begin()) + 1;
    }
    const World& w = s.game->world();
    for (int cat = first; cat <= last; ++cat) {
        s.out << kHeadings[static_cast<std::size_t>(cat - 1)] << " news:\n";
        for (const NewsItem& item : w.newsItems[cat]) {
            if (item.title.empty()) continue;
            s.out << "  " << oneLine(item.dateText.str()) << " | " << oneLine(item.title.str()) << " | "
                  << oneLine(item.text.str()) << '\n';
        }
    }
    return {};
}

std::string cmdHistory(Session& s, const Command& cmd) {
    bool world = false;
    long long year = s.game->currentYear;
    const auto pos = cmd.positional();
    if (pos.size() != cmd.args.size()) return "takes no options";
    std::size_t next = 0;
    if (next < pos.size() && (pos[next] == "company" || pos[next] == "world")) world = pos[next++] == "world";
    if (next < pos.size()) {
        if (auto err = needInt(cmd, next, 1980, 2015, year); !err.empty()) return err;
        ++next;
    }
    if (next < pos.size()) return "unexpected \"" + pos[next] + "\"";
    const World& w = s.game->world();
    const HistoryLines& lines = world ? w.worldHistory : w.companyHistory;
    s.out << (world ? "world" : "company") << " history " << year << ":\n";
    for (const auto& line : lines[static_cast<int>(year)])
        if (!line.empty()) s.out << "  " << oneLine(line.str()) << '\n';
    return {};
}

std::string cmdEndGame(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    if (!endGameFromMenu(*s.game, s.player)) s.out << "the game goes on\n";
    return {};
}

std::string cmdAutosave(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() > 1 || pos.size() != cmd.args.size()) return "takes on or off";
    if (pos.size() == 1) {
        if (auto err = parseSwitch("autosave", pos[0], s.game->session.autosave); !err.empty()) return err;
    }
    s.out << "autosave: " << onOff(s.game->session.autosave) << '\n';
    return {};
}

struct NamedOption {
    const char* key;
    const char* text;  // the check box as the screen shows it
    bool* value;
};

// Sets the key=on|off options given, then prints every option.
std::string setOptions(Session& s, const Command& cmd, const std::vector<NamedOption>& options) {
    if (!cmd.positional().empty()) return "takes only key=on|off options";
    for (const Arg& a : cmd.args) {
        const NamedOption* found = nullptr;
        for (const auto& o : options)
            if (a.key == o.key) found = &o;
        if (!found) return "unknown option " + a.key;
        if (auto err = parseSwitch(a.key, a.value, *found->value); !err.empty()) return err;
    }
    for (const auto& o : options) s.out << o.key << ": " << onOff(*o.value) << "  (" << o.text << ")\n";
    return {};
}

std::string cmdEventStops(Session& s, const Command& cmd) {
    EventStopOptions& e = s.game->session.eventStops;
    return setOptions(s, cmd,
                      {{"hardware", "New Hardware Finished", &e.newHardwareFinished},
                       {"game", "New Game development Finished", &e.newGameFinished},
                       {"engine", "Engine development/support Finished", &e.engineFinished},
                       {"research", "Hardware research finished", &e.hardwareResearchFinished},
                       {"warehouse", "WareHouse Full", &e.warehouseFull},
                       {"employees", "Employee changes", &e.employeeChanges}});
}

std::string cmdInboxOptions(Session& s, const Command& cmd) {
    InboxOptions& o = s.game->session.inboxOptions;
    return setOptions(s, cmd,
                      {{"productionStop", "Mail on production stop", &o.mailOnProductionStop},
                       {"softwareNews", "Mail on software news", &o.mailOnSoftwareNews},
                       {"hardwareNews", "Mail on Hardware news", &o.mailOnHardwareNews},
                       {"wageChange", "Mail on Employee  wage change", &o.mailOnWageChange},
                       {"deleteOld", "DELETE mail older than One year", &o.deleteOldMail}});
}

}  // namespace

void registerTurnCommands(CommandTable& t) {
    t.add({"new-game",
           "new-game [company=\"..\"] [player=\"..\"] [value=2..6] [level=1..3] [board=yes|no] [tutor=yes|no] "
           "[music=yes|no] [factory=yes|no] [warehouse=yes|no] [publisher=yes|no] [age=16..40] [specialty=Leadership|Programming|Designing|Graphics|Hardware] [mod=NAME]",
           "\"Start new game\": the player setup, the reference import and the world set-up; prints what was built",
           cmdNewGame});
    t.add({"next-week", "next-week [N]", "end the turn N times (default 1); stops when the game ends", cmdNextWeek, kNeedsGame});
    t.add({"fast-forward", "fast-forward N", "fast forward, stopping after N weeks or at an important event",
           cmdFastForward, kNeedsGame});
    t.add({"news", "news [financial|software|hardware]", "print the news panel: one category, or all three", cmdNews, kNeedsGame});
    t.add({"history", "history [company|world] [YEAR]", "print a year's history lines (default: company, this year)",
           cmdHistory, kNeedsGame});
    t.add({"end-game", "end-game", "\"End Game\": asks, then shows the end screen", cmdEndGame, kNeedsGame});
    t.add({"autosave", "autosave [on|off]", "show or set \"Autosave Each 10 weeks\"", cmdAutosave});
    t.add({"event-stops", "event-stops [hardware|game|engine|research|warehouse|employees=on|off ...]",
           "show or set which events stop a fast forward", cmdEventStops});
    t.add({"inbox-options", "inbox-options [productionStop|softwareNews|hardwareNews|wageChange|deleteOld=on|off ...]",
           "show or set the inbox options", cmdInboxOptions});
}

}  // namespace cw::cli
