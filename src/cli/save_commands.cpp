// Saving and loading from the headless driver.
#include "cli/commands.h"
#include "cli/driver.h"
#include "setup/load_game.h"
#include "setup/new_game.h"
#include "state/save_game.h"

namespace cw::cli {
namespace {

std::string cmdSave(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() > 1 || pos.size() != cmd.args.size()) return "takes at most one file name";
    // A name given here is typed into the input box, so the transcript shows
    // the same exchange a player has.
    if (!pos.empty()) s.player.queueFront({Answer::Text, pos[0]});
    // A refused name leaves the current game name as it was, so only a
    // written file is named here; the message above says why not.
    if (saveGameFromMenu(*s.game, s.player))
        s.out << "saved: " << oneLine(s.game->session.currentGameName) << ".sav\n";
    else
        s.out << "not saved\n";
    return {};
}

std::string cmdSaves(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    LoadScreen screen = openLoadScreen(*s.game);
    while (annotateNextEntry(*s.game, screen)) {
    }
    if (screen.entries.empty()) s.out << "(no saved games)\n";
    const int newest = newestSaveEntry(*s.game, screen);
    for (std::size_t i = 0; i < screen.entries.size(); ++i) {
        const std::string& entry = screen.entries[i];
        s.out << (i + 1) << "  " << entry << " | "
              << saveSummaryText(readSaveSummary(*s.game, entry.substr(0, entry.find(" >>> "))))
              << (static_cast<int>(i) == newest ? "  (selected)" : "") << '\n';
    }
    return {};
}

std::string cmdLoad(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 1 || cmd.args.size() != 1) return "needs the file name as the load screen lists it";
    Game& g = *s.game;
    LoadScreen screen = openLoadScreen(g);
    int index = -1;
    for (std::size_t i = 0; i < screen.entries.size(); ++i)
        if (screen.entries[i] == pos[0]) index = static_cast<int>(i);
    if (index < 0) {
        // Nothing of that name to select: the load screen closes with no choice.
        cancelLoadScreen(g);
    } else if (!loadGameClicked(g, s.player, screen, index)) {
        s.out << "load: refused\n";
        return {};
    }
    NewGameOptions options = loadStarterDefaults(g.writableFolder()).options;
    const bool loaded = loadChosenGame(
        g, s.player, [&] { return beginNewGame(g, s.player, s.ref, options); },
        [&] { finishNewGame(g, s.player, options); });
    if (loaded) s.gameRunning = true;
    s.out << (loaded ? "loaded: " + g.session.currentGameName + ", week " + std::to_string(g.currentWeek) + ", " +
                           std::to_string(g.currentYear)
                     : std::string("load: nothing loaded"))
          << '\n';
    return {};
}

}  // namespace

void registerSaveCommands(CommandTable& t) {
    t.add({"save", "save [NAME]", "save the game (no NAME: the input box takes the next queued answer)", cmdSave, kNeedsGame});
    t.add({"saves", "saves", "list the saved games as the load screen shows them", cmdSaves});
    t.add({"load", "load FILE", "load a saved game (FILE as 'saves' lists it, e.g. mygame.sav)", cmdLoad});
}

}  // namespace cw::cli

