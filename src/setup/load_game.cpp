#include "setup/load_game.h"

#include <filesystem>

#include "sim/week_tick.h"
#include "state/inbox.h"
#include "state/log.h"
#include "state/save_file.h"

namespace cw {
namespace fs = std::filesystem;

bool loadChosenGame(Game& g, Player& p, const std::function<void()>& begin, const std::function<void()>& finish) {
    Session& s = g.session;
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
    if (begin) begin();
    applySaveImage(g, *image, p);
    if (finish) finish();

    const std::string inboxPath = findFileNoCase(g.programFolder, kInboxFileName);
    if (fs::exists(inboxPath, ec)) readInboxFile(g, inboxPath);
    g.inbox.unread = countUnread(g.inbox);

    weekTick(g, p);
    p.progressHide();
    p.refreshMainScreen();
    s.loadingSavedGame = false;
    return true;
}

}  // namespace cw
