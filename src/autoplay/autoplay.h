// A computer player for whole games: it plays the running game week by week
// through the same actions the screens and the driver use (hiring, engines,
// game projects, publishers, release, the bank) and answers every dialog
// the week opens. It keeps no rules of its own; it only chooses.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"
#include "state/player.h"

namespace cw {

// How shrewdly the computer plays:
//  1 one game at a time on one platform, engines bought with the game;
//  2 also develops engines of its own for the pairs it plays, and pays for
//    expert help with bugs;
//  3 also makes games for up to two platforms and upgrades its engines.
// The habits a game can be played without, one bit each, so that the balance
// report can show what each is worth.
enum AutoplayHabit : unsigned {
    HabitBuildings = 1u << 0,  // offices when the team is full, test center, sound studio
    HabitEngines = 1u << 1,    // engines of its own, developed and upgraded
    HabitResearch = 1u << 2,   // research sliders, extras and music for score (off: 25, none)
    HabitSequels = 1u << 3,    // sequels of its hits
    HabitConsole = 1u << 4,    // a console of its own: factory, hardware team, publishers, assembly lines
    HabitStudy = 1u << 5,      // weak staff sent to study
    HabitExpo = 1u << 6,       // a booth at the show while a game is in development
    HabitTools = 1u << 7,      // development tools and copy protection for its platforms
    HabitLicences = 1u << 8,   // its engines licensed to the developers who ask
};
inline constexpr unsigned kAllHabits = (1u << 9) - 1;
// "buildings", "engines", ...; the bit for a name, 0 for an unknown one.
unsigned habitBit(std::string_view name);
const char* habitName(unsigned bit);

struct AutoplayOptions {
    int untilYear = 0;  // stop once this year has ended; 0 plays to the end
    int level = 2;      // 1..3
    unsigned habits = kAllHabits;
    // Every decision as one line ("1981 w12: hired #18 ..."), or nothing.
    std::ostream* log = nullptr;
    // Every question the computer answers, with its answer, as the transcript
    // prints a person's: "[dialog] Caption | text -> Yes".
    std::function<void(std::string_view line)> answered;
    // Called at the end of every played year (before the next one starts);
    // the soak run saves and loads there.
    std::function<void(Game&)> yearEnd;
};

// How a played game went, for the driver's summary and the balance report.
struct AutoplayYear {
    i32 year = 0;
    i32 cash = 0;  // at the end of the year
    i32 loan = 0;
    int employees = 0;
    int gamesReleased = 0;  // in that year
    i32 meanScore = 0;      // of the games released that year, 0 without any
    int platformsOnMarket = 0;
    i32 consoleUnits = 0;   // of its own consoles, sold that year
    i32 income = 0;         // from sales that year, its consoles' included
    i32 consoleIncome = 0;  // of that, from its own consoles
};

struct AutoplayReport {
    std::vector<AutoplayYear> years;
    int weeksPlayed = 0;
    int hires = 0;
    int fired = 0;  // to save wages when the money ran out
    int gamesStarted = 0;
    int gamesReleased = 0;
    int enginesStarted = 0;
    int enginesBought = 0;
    int buildings = 0;  // constructions started and facility levels set up
    int sequels = 0;
    int studies = 0;
    int booths = 0;
    int licences = 0;   // engine licence deals made
    int consoles = 0;          // consoles designed (platform projects started)
    int consolesReleased = 0;  // of those, put on the market
    int platformDeals = 0;     // platform publisher deals signed for them
    int bestChartPos = 255;  // of the player's titles, 255 = never charted
    int borrowed = 0;        // number of loans taken
    int unknownDialogs = 0;  // dialogs the computer had no rule for (first button taken)
    bool gameOver = false;
    // "end year", "bankrupt", "takeover", "retired", "cheating", "quit", or
    // "stopped" when it stopped at untilYear with the game still running.
    std::string ending;
    i32 finalScore = 0;
    i32 endYear = 0;
    i32 endWeek = 0;
};

// Plays the running game until the end of options.untilYear or the end of
// the game. `shown` sees what a watching person would: the notifications,
// letters and the end screen (the driver passes its transcript player, a
// test a silent one); the computer answers every question itself.
AutoplayReport autoplay(Game& g, Player& shown, const AutoplayOptions& options);

// "end year" and the like as one line for the driver.
std::string autoplaySummary(const AutoplayReport& r);

}  // namespace cw
