// Registration of the driver's commands, one function per subsystem.
#pragma once

#include <ostream>

#include <string>

#include "state/player.h"

namespace cw {
struct Regions;
}

namespace cw::cli {

class CommandTable;
struct Session;

void registerCommands(CommandTable& table);
void registerBasicCommands(CommandTable& table);    // answer, status, quit, echo, selftest, help
void registerInboxCommands(CommandTable& table);    // inbox, read, delete, delete-all, sort
void registerTurnCommands(CommandTable& table);     // new-game, next-week, fast-forward, news, history, ...
void registerRefdataCommands(CommandTable& table);  // import, dump-table
void registerPeopleCommands(CommandTable& table);   // people, person, interview, offer, hire
void registerHardwareCommands(CommandTable& table); // platforms, cpus, platform-analysis
void registerSaveCommands(CommandTable& table);     // save, saves, load
void registerDevCommands(CommandTable& table);      // genres, engines, develop, project
void registerEngineCommands(CommandTable& table);   // engine-functions, new-engine, upgrade-engine
void registerStaffCommands(CommandTable& table);    // staff, employee, assign, unassign, manager, study, fire, ...
void registerTaskCommands(CommandTable& table);     // tasks, task
void registerMarketCommands(CommandTable& table);   // titles, title, companies
void registerFinanceCommands(CommandTable& table);  // bank, borrow, repay, exchange, issue-shares, buy-shares, board
void registerPostMortemCommands(CommandTable& table);  // why-score, why-sales
void registerReleaseCommands(CommandTable& table);  // publishers, sign, products, release, distribute
void registerAutoplayCommands(CommandTable& table);  // autoplay
void registerProductCommands(CommandTable& table);  // product, price, budget-price
void registerReviewCommands(CommandTable& table);   // review, preview
void registerExpoCommands(CommandTable& table);     // expo
void registerPlanningCommands(CommandTable& table); // charts, calendar, analyse, genre-demand
void registerBuildingCommands(CommandTable& table); // buildings, build, setup, negotiation, speed-up, cancel
void registerWorldCommands(CommandTable& table);    // platform, market, economy
void registerToolsCommands(CommandTable& table);    // tools, buy-tool, protection, buy-protection
void registerBooksCommands(CommandTable& table);    // overview, graph, annual-report, milestones
void registerFactoryCommands(CommandTable& table);  // assembly, upgrade-lines, storage, cost-reduction
void registerConsoleDesignCommands(CommandTable& table);  // new-platform
void registerModCommands(CommandTable& table);      // mods, choose-mod, new-mod, mod-save, mod-load
void registerLanguageCommands(CommandTable& table); // languages
void registerPlatformPublisherCommands(CommandTable& table);  // platform-publishers, platform-deal
void registerSoundCommands(CommandTable& table);    // sound

// What a modal screen the game opens shows, as transcript lines.
void printModalScreen(Session& s, ScreenId screen, std::ostream& out);
// The publisher list and the distribution dialog: print them and act on the
// queued answer. False for other screens.
bool runReleaseScreen(Session& s, ScreenId screen, std::ostream& out);
// The yearly show: the booth offer and the award show. False for other screens.
bool runExpoScreen(Session& s, ScreenId screen, std::ostream& out);
// The platform publisher screen the week opens: printed, then closed. False
// for other screens.
bool runPlatformPublisherScreen(Session& s, ScreenId screen, std::ostream& out);
// The annual report as `annual-report` prints it (also the end screen's
// "View Final annual reports").
void printAnnualReport(Session& s, std::ostream& out);
// "us,eu": the regions named, false for anything else or none.
bool parseRegions(const std::string& text, Regions& r);

}  // namespace cw::cli
