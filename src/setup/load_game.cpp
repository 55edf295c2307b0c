#include "setup/load_game.h"

#include <cstddef>
#include <filesystem>
#include <fstream>

#include "dev/post_mortem.h"
#include "market/sales.h"
#include "setup/world_init.h"
#include "sim/week_tick.h"
#include "state/calendar.h"
#include "state/inbox.h"
#include "state/log.h"
#include "state/save_file.h"
#include "state/save_ranges.h"
#include "state/text_format.h"

namespace cw {
namespace fs = std::filesystem;

bool loadChosenGame(Game& g, Player& p, const std::function<std::string()>& begin,
                    const std::function<void()>& finish) {
    Session& s = g.session;
    const std::string previousName = s.currentGameName;
    s.currentGameName = s.chosenSaveFile;
    std::error_code ec;
    const std::string path = findFileNoCase(saveFolderPath(g), s.currentGameName);
    if (s.currentGameName.empty() || !fs::is_regular_file(path, ec)) {
        p.notify("No file selected", "No file was selected", 2000);
        return false;
    }
    std::unique_ptr<SaveImage> image;
    if (const std::string why = readSaveImage(g, s.currentGameName, image); !why.empty()) {
        writeLog("ERROR: load failed: " + why);
        p.messageBox("Load Error", why, false);
        return false;
    }
    s.loadingSavedGame = true;
    ProgressInfo caption;
    caption.caption = "Loading Game...";
    p.progressShow();
    p.progressUpdate(caption);
    if (begin) {
        if (const std::string refused = begin(); !refused.empty()) {
            // The start sequence refused before it changed anything (the
            // reference data is incomplete): no half-loaded game is left.
            writeLog("ERROR: load refused: " + refused);
            p.progressHide();
            s.loadingSavedGame = false;
            s.currentGameName = previousName;
            return false;
        }
    }
    forgetSalesWeek(g);  // the loaded game's own weeks are not in the save
    forgetFinishedScores(g);
    applySaveImage(g, *image, p);
    if (const int freed = detachStaleTasks(g.tables()))
        writeLog("WARNING: " + std::to_string(freed) + " people of the save named a task that is not there; they are free now");
    deriveFromGameLevel(g);
    if (finish) finish();

    removeInboxLeftovers(g);
    const std::string inboxPath = findFileNoCase(g.writableFolder(), kInboxFileName);
    if (fs::exists(inboxPath, ec)) readInboxFile(g, inboxPath);
    g.inbox.unread = countUnread(g.inbox);

    weekTick(g, p);
    // The week's and month's cash changes count from the cash the player
    // finds: left from the start sequence's world, the first week after a
    // load showed the difference to that world as this week's change.
    s.lastCash = g.world().money;
    s.weekCashChange = 0;
    s.monthCashChange = 0;
    s.monthCashShown = 0;
    p.progressHide();
    p.refreshMainScreen();
    s.loadingSavedGame = false;
    return true;
}

SaveSummary readSaveSummary(const Game& g, const std::string& fileName) {
    SaveSummary sum;
    const std::string path = findFileNoCase(saveFolderPath(g), fileName);
    std::error_code ec;
    // A pipe or a device named like a save would never finish reading.
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) != kSaveImageSize || ec) return sum;
    std::ifstream in(path, std::ios::binary);
    constexpr std::size_t world = offsetof(SaveImage, world);
    pstr<30> company{};
    i32 money = 0;
    i32 year = 0;
    u8 week = 0;
    auto field = [&](std::size_t offset, void* into, std::size_t size) {
        in.seekg(static_cast<std::streamoff>(world + offset));
        in.read(static_cast<char*>(into), static_cast<std::streamsize>(size));
        return static_cast<bool>(in);
    };
    if (!field(offsetof(World, companyName), &company, sizeof company) ||
        !field(offsetof(World, money), &money, sizeof money) ||
        !field(offsetof(World, savedYear), &year, sizeof year) ||
        !field(offsetof(World, savedWeek), &week, sizeof week))
        return sum;
    sum.readable = true;
    sum.company = company.str();
    sum.money = money;
    sum.year = year;
    sum.week = week;
    return sum;
}

std::string saveSummaryText(const SaveSummary& s) {
    if (!s.readable) return "not a complete save";
    // A file changed outside the game may hold any date; only a real one is
    // turned into a calendar date.
    const bool dated = s.year >= 1970 && s.year <= 2100 && s.week >= 1 && s.week <= 52;
    const std::string date =
        dated ? progressDateText(s.year, s.week) : "week " + std::to_string(s.week) + ", " + std::to_string(s.year);
    return s.company + " | " + date + " | $ " + thousands(s.money);
}

int newestSaveEntry(const Game& g, const LoadScreen& screen) {
    int newest = -1;
    fs::file_time_type newestTime{};
    const std::string folder = saveFolderPath(g);
    for (std::size_t i = 0; i < screen.entries.size(); ++i) {
        const std::string& entry = screen.entries[i];
        std::error_code ec;
        const auto when = fs::last_write_time(findFileNoCase(folder, entry.substr(0, entry.find(" >>> "))), ec);
        if (ec) continue;
        if (newest < 0 || when > newestTime) {
            newest = static_cast<int>(i);
            newestTime = when;
        }
    }
    return newest;
}

}  // namespace cw
