// Values that live only while the program runs: the clock's state, the
// main screen's options and the play time. None of them is saved.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace cw {

// Check boxes of the main screen's "Inbox setup" panel.
struct InboxOptions {
    bool mailOnProductionStop = false;  // "Mail on production stop"
    bool mailOnSoftwareNews = true;     // "Mail on software news"
    bool mailOnHardwareNews = true;     // "Mail on Hardware news"
    bool mailOnWageChange = false;      // "Mail on Employee  wage change"
    bool deleteOldMail = true;          // "DELETE mail older than One year"
};

// Check boxes of the "Event setup" panel: which events stop a fast forward.
struct EventStopOptions {
    bool newHardwareFinished = true;       // "New Hardware Finished"
    bool newGameFinished = true;           // "New Game development Finished"
    bool engineFinished = true;            // "Engine development/support Finished"
    bool hardwareResearchFinished = true;  // "Hardware research finished"
    bool warehouseFull = true;             // "WareHouse Full"
    bool employeeChanges = true;           // "Employee changes"
};

// A base genre's built-in profile: its base project size, how its work
// splits over programming, design and graphics, and what its players ask
// for in gameplay, complexity and replayability (each triple sums to 100).
struct GenreProfile {
    std::string name;
    std::int32_t baseSize = 0;
    std::array<std::uint8_t, 3> weights{};
    std::array<std::uint8_t, 3> demands{};
};

// One row of the reference company list as the market reads it every week:
// the name in column 0 and the `Companies` entry named in column 4, which
// pays and earns for the row's titles (0 when there is none).
struct CompanyListRow {
    std::string name;
    std::int32_t company = 0;
};

// The main screen's list of the five best-ranked platforms, as the week's
// hardware sales leave it: a name (or "#") and an arrow angle per line.
struct PlatformTopFive {
    std::array<std::string, 5> names{"#", "#", "#", "#", "#"};
    // 315 new, 90 unchanged, 180 fell back, 1 moved up; 0 = no arrow yet.
    std::array<std::int32_t, 5> arrows{};
};

struct Session {
    static constexpr std::int32_t endYear = 2005;  // last playable year

    // The closing year's weekly cash, kept when the year's figures are
    // cleared so the main screen's cash curve can reach back 52 weeks. Not
    // saved: after a load the curve starts with the loaded year.
    std::vector<std::int32_t> lastYearCash;

    bool fastForward = false;
    bool stopRequested = false;
    // Weeks a fast forward may still run before it stops by itself; 0 = no
    // limit. Headless runs, which cannot click "Stop", set it.
    std::int32_t fastForwardWeeksLeft = 0;
    bool autosaveInProgress = false;
    bool autosave = false;  // "Autosave Each 10 weeks"
    std::uint8_t cheatCount = 0;
    // Weeks until the product screen's "Try to Sell Engine" works again.
    std::int32_t engineSaleWait = 0;

    std::int32_t sessionPlaySeconds = 0;
    std::int32_t storedPlaySeconds = 0;
    // Set once "Cw2.tid" has been read: before that, storing the play time
    // would write over the earlier runs' time with this run's alone.
    bool playTimeRead = false;

    // Finance labels under the cash display.
    std::int32_t lastCash = 0;
    std::int32_t weekCashChange = 0;
    std::int32_t monthCashChange = 0;
    // The "This month" figure as last drawn: the sum of a finished period
    // stays on show until the next turn, while monthCashChange starts over.
    std::int32_t monthCashShown = 0;

    InboxOptions inboxOptions;
    EventStopOptions eventStops;

    // Saving and loading.
    std::string currentGameName;  // file name of the last save or load; offered when saving
    bool loadingSavedGame = false;
    std::string chosenSaveFile;  // chosen on the load screen; empty when nothing valid was chosen

    // Set up by every world set-up, never saved.
    std::array<GenreProfile, 10> genreProfiles{};  // base genres 1..9; [0] unused
    std::int32_t buildingBasePrice = 0;            // price unit of all construction
    // The chosen mod's excluded platforms and genres; empty for the full world.
    std::string modPlatformLine;
    std::string modGenreLine;
    // The reference company list, read once per world set-up or load (index = row).
    std::vector<CompanyListRow> companyList;
    // Rows of the reference game list the world was made from: a big
    // catalogue makes the player's own console start weaker.
    std::int32_t referenceGameRows = 0;

    // The player setup screen's choices, read when the player's own person is made.
    std::int32_t chosenPlayerAge = 30;       // 16..40
    std::int32_t chosenPlayerSpecialty = 0;  // 0 Leadership, 1 Programming, 2 Designing, 3 Graphics, 4 Hardware

    // The main screen's hardware labels, as the week's market steps leave them.
    std::string consumerLabel;  // hardware consumers: "12%"
    PlatformTopFive topPlatforms;

    // The last board meeting's text, for its screen.
    std::string boardMeetingText;
    // The end screen's score and the best score before it, set when it is shown.
    std::int32_t finalScore = 0;
    std::int32_t previousHighScore = 0;
    bool endScreenShown = false;
};

}  // namespace cw
