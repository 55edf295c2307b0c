// The headless driver: runs a script of commands against one game, printing
// a transcript. Each subsystem adds its player actions as commands here.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_player.h"
#include "cli/script.h"
#include "refdata/reference_tables.h"
#include "state/game.h"

namespace cw::cli {

struct HiringCliState;  // the hiring screen between the people commands
}  // namespace cw::cli
namespace cw {
class EngineDealScreen;  // engines/engine_deal_screen.h
class PlatformPublisherScreen;  // hardware/platform_publisher_screen.h
struct TipsScreen;       // events/tips.h
}
namespace cw::cli {

struct Session {
    Session(std::ostream& out, std::string gameFolder);

    std::ostream& out;
    std::string gameFolder;
    std::unique_ptr<Game> game;
    CliPlayer player;
    // The reference tables of the last import; they live for the run.
    ReferenceTables ref;
    bool quitRequested = false;
    // Set once new-game or load has built a game; commands that read or
    // change the game refuse before that.
    bool gameRunning = false;
    std::shared_ptr<HiringCliState> hiring;
    // The "Did you know ?" screen, opened by the first "tips".
    std::shared_ptr<TipsScreen> tips;
    // Queued choices for the publisher list and the distribution dialog the
    // week opens ("answer publisher=3 advertising=no", "answer regions=us,eu").
    int answerPublisher = 0;
    bool answerAdvertising = true;
    std::string answerRegions;
    // The queued button of the next project status dialog: "improve",
    // "finish" or "close" (empty: Close).
    std::string answerProjectStatus;
    // The queued booth of the next yearly show: "none" .. "giant", or
    // "skip" (empty: none).
    std::string answerBooth;
    // The game task of the last "publishers task=N".
    int publisherTask = 0;
    // The licence deal screen "sell-engine" opened: for engine number
    // engineDealNumber in the week engineDealWeek (year * 52 + week); a new
    // week closes it.
    std::shared_ptr<EngineDealScreen> engineDeal;
    int engineDealNumber = 0;
    int engineDealWeek = 0;
    // The platform publisher screen of a console task, kept for the talks of
    // the week it was opened in (year * 52 + week).
    std::shared_ptr<PlatformPublisherScreen> platformPublishers;
    int platformPublishersWeek = 0;
};

// A command returns an empty text when it worked, otherwise the reason it
// could not run (a bad argument); refusals of the game itself are printed
// by the command and are not errors.
using Handler = std::function<std::string(Session&, const Command&)>;

struct CommandInfo {
    std::string name;
    std::string usage;  // "next-week [N]"
    std::string help;   // one line
    Handler run;
    bool needsGame = false;  // refused before new-game or load
};

// The last field of a CommandInfo for commands that need a game.
inline constexpr bool kNeedsGame = true;

class CommandTable {
public:
    void add(CommandInfo info);
    const CommandInfo* find(const std::string& name) const;
    const std::map<std::string, CommandInfo>& all() const { return commands_; }

private:
    std::map<std::string, CommandInfo> commands_;
};

// Every command the driver knows.
const CommandTable& commandTable();

// Runs the script; returns the process exit code (0 at "quit", at the end of
// input or when the game ended; 2 at the first bad line).
int runScript(Session& session, std::istream& in, const std::string& sourceName);

// Helpers for command handlers.
// A whole number of the int32 range (the range of every game value).
bool parseInt(const std::string& text, long long& value);
std::string needInt(const Command& cmd, std::size_t position, long long min, long long max, long long& value);
// A platform or a genre as a command names it: its table index, or its name
// in any case (the first row of that name). 0 when neither matches.
int platformByIndexOrName(const Game& g, const std::string& text);
int genreByIndexOrName(const Game& g, const std::string& text);

}  // namespace cw::cli
