#include "state/save_game.h"

#include <cctype>
#include <string_view>

#include "state/codepage.h"
#include "state/log.h"
#include "state/save_file.h"

namespace cw {
namespace {

// A name of blanks alone would write the file ".sav", which no load screen
// offers; the rest goes by the rules of every typed name.
std::string checkSaveName(const std::string& name) {
    if (name.find_first_not_of(' ') == std::string::npos) return "The file name is empty";
    return checkTypedName(name, "The file name", 0);
}

// After a load the offered name is the file's own ("mygame.sav"); saving it
// as typed would write "mygame.sav.sav" beside the slot it came from.
std::string withoutSavEnding(std::string name) {
    static constexpr std::string_view kEnding = ".sav";
    if (name.size() >= kEnding.size()) {
        bool same = true;
        for (std::size_t i = 0; i < kEnding.size(); ++i)
            same = same && std::tolower(static_cast<unsigned char>(name[name.size() - kEnding.size() + i])) ==
                               kEnding[i];
        if (same) name.resize(name.size() - kEnding.size());
    }
    return name;
}

}  // namespace

bool saveGame(Game& g, Player& p) {
    Session& s = g.session;
    std::string fileName;
    if (s.autosaveInProgress) {
        fileName = kAutosaveFileName;
    } else {
        const std::string typed = p.inputBox("Filename", "Write a filename for the savefile", s.currentGameName);
        const std::string name = withoutSavEnding(safeFileName(typed));
        if (const std::string why = checkSaveName(name); !why.empty()) {
            p.messageBox("Save Game", "The game was not saved.\r\n" + why, false);
            return false;
        }
        s.currentGameName = name;
        fileName = s.currentGameName + ".sav";
    }
    const SaveOutcome saved = saveToSlot(g, fileName);
    if (saved.problem.empty()) return true;
    if (!saved.saved) {
        writeLog("ERROR: the game could not be saved: " + saved.problem);
        p.messageBox("Save Game", "The game could not be saved.\r\n" + saved.problem, false);
        return false;
    }
    writeLog("WARNING: the game was saved, but not every file: " + saved.problem);
    p.messageBox("Save Game", "The game has been saved, but not every file could be written.\r\n" + saved.problem,
                 false);
    return true;
}

bool saveGameFromMenu(Game& g, Player& p) {
    p.notify("Saving Game", "Saving game...", 2000);
    p.processEvents();
    const bool saved = saveGame(g, p);
    if (saved) p.notify("Game saved", "Game has been saved", 2000);
    return saved;
}

LoadScreen openLoadScreen(Game& g) {
    g.session.chosenSaveFile.clear();
    LoadScreen screen;
    screen.entries = listSaveFiles(g);
    return screen;
}

bool annotateNextEntry(const Game& g, LoadScreen& screen) {
    if (screen.annotated >= screen.entries.size()) return false;
    std::string& entry = screen.entries[screen.annotated];
    entry = annotateSaveEntry(g, entry);
    ++screen.annotated;
    return screen.annotated < screen.entries.size();
}

bool loadGameClicked(Game& g, Player& p, const LoadScreen& screen, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= screen.entries.size()) return false;
    const std::string& entry = screen.entries[static_cast<std::size_t>(index)];
    std::string& chosen = g.session.chosenSaveFile;
    chosen = entry.substr(0, entry.find(" >>> "));
    if (screen.hiddenText == "vtrqsb") return true;
    if (const ActionResult refused = checkSaveFile(g, chosen)) {
        chosen.clear();
        p.messageBox(refused->caption, refused->text, false);
        return false;
    }
    return true;
}

void cancelLoadScreen(Game& g) { g.session.chosenSaveFile.clear(); }

}  // namespace cw
