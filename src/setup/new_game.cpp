#include "setup/new_game.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <vector>

#include "dev/post_mortem.h"
#include "market/sales.h"
#include "refdata/import.h"
#include "setup/main_screen_model.h"
#include "sim/game_clock.h"
#include "state/codepage.h"
#include "state/log.h"

namespace cw {

int startupScore(const NewGameOptions& o) {
    int score = o.companyValue * 5;
    if (!o.boardMeetings) score += 5;
    if (o.startWithFactory) score += 10;
    if (o.startWithWarehouse) score += 4;
    if (o.startWithPublisher) score += 6;
    return score;
}

std::string startupLevelText(int score) {
    if (score <= 10) return "Extreme";
    if (score <= 14) return "Very Hard";
    if (score <= 19) return "Hard";
    if (score <= 24) return "Medium";
    if (score <= 29) return "Easy";
    return "Easiest";
}

std::string gameLevelName(int level) {
    switch (level) {
        case 1:
            return "Beginner";
        case 2:
            return "Normal";
        case 3:
            return "Experinced";
        default:
            return "";
    }
}

std::string gameLevelEffectsText(int level) {
    switch (level) {
        case 1:
            return "Cheap Buildings\r\nEmployees stay\r\nEasy compertition";
        case 2:
            return "Standard building prices\r\nEmployees Switch\r\nFair compertition";
        case 3:
            return "Expensive Buildings\r\nEmployees Switch\r\nCut-throat compertition";
        default:
            return "";
    }
}

std::string startMoneyText(int companyValue) {
    return "$ " + thousands(companyValue * 1500000) + "(Start cash:" + thousands(companyValue * 1000000) + ")";
}

std::string checkNewGameOptions(const NewGameOptions& o) {
    if (std::string why = checkTypedName(o.companyName, "The company name", kMaxNewGameName); !why.empty())
        return why;
    if (std::string why = checkTypedName(o.playerName, "The player name", kMaxNewGameName); !why.empty())
        return why;
    if (o.companyValue < 2 || o.companyValue > 6) return "The company value is 2..6";
    if (o.gameLevel < 1 || o.gameLevel > 3) return "The game level is 1..3";
    return {};
}

namespace {

void writeChoices(Game& g, const NewGameOptions& o) {
    World& w = g.world();
    w.gameLevel = static_cast<u8>(o.gameLevel);
    w.startupScore = static_cast<u8>(startupScore(o));
    w.startCompanyValue = o.companyValue * 1500000;
    w.playerName = o.playerName;
    // A blank at the end of the company name is never meant (it is what is
    // left where a longer name was cut) and would show in every text.
    w.companyName = trimEnd(cutText(o.companyName, decltype(w.companyName)::capacity));
    w.money = o.companyValue * 1000000;
    w.headquartersLevel = 1;
    w.extraOffices = 0;
    w.factoryLevel = 0;
    w.publisherLevel = 0;
    w.warehouseLevel = 0;
    if (o.startWithPublisher) w.publisherLevel = 1;
    w.boardMeetingsEnabled = o.boardMeetings ? 1 : 0;
    if (o.startWithWarehouse) w.warehouseLevel = 1;
    if (o.startWithFactory) w.factoryLevel = 1;

    g.currentYear = 1980;
    g.currentWeek = 1;
    g.gameOver = false;
    g.inbox.reset();
    Session& s = g.session;
    s.fastForward = false;
    s.stopRequested = false;
    s.fastForwardWeeksLeft = 0;
    s.endScreenShown = false;
    s.boardMeetingText.clear();
    s.weekCashChange = 0;
    s.monthCashChange = 0;
    // The first week's change then shows what was spent since the start.
    s.lastCash = w.money;
}

}  // namespace

std::string applyNewGameOptions(Game& g, const NewGameOptions& o) {
    if (std::string why = checkNewGameOptions(o); !why.empty()) return why;
    writeChoices(g, o);
    return {};
}

void writeNamesFile(const Game& g, const NewGameOptions& o) {
    std::string path = existingFileNoCase(g.writableFolder(), "Namstart.txt");
    if (path.empty()) path = (std::filesystem::path(g.writableFolder()) / "Namstart.txt").string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out << o.playerName << '\n' << o.companyName << '\n';
}

namespace {

}  // namespace

void readNamesFile(const std::string& folder, NewGameOptions& o) {
    o.tutor = false;
    const std::string path = existingFileNoCase(folder, "Namstart.txt");
    std::vector<std::string> lines;
    if (path.empty() || !readFirstLines(path, lines, 2)) {
        o.tutor = true;
        return;
    }
    // Cut in characters, so an accented letter is never split.
    if (lines.size() >= 1) o.playerName = cutText(validUtf8(lines[0]), kMaxNewGameName);
    if (lines.size() >= 2) o.companyName = trimEnd(cutText(validUtf8(lines[1]), kMaxNewGameName));
}

StarterDefaults loadStarterDefaults(const std::string& folder) {
    StarterDefaults d;
    d.highScore = readHighScore(folder);
    readNamesFile(folder, d.options);
    return d;
}

std::string beginNewGame(Game& g, Player& p, ReferenceTables& ref, const NewGameOptions& o, const PlayerBonus& bonus,
                         const NewGameHooks& hooks) {
    // The sales week and the finished scores kept in memory belonged to
    // the game before.
    forgetSalesWeek(g);
    forgetFinishedScores(g);
    const bool loading = g.session.loadingSavedGame;
    // A load takes the names and every choice from its save file, so what
    // the screen holds can neither refuse nor change it.
    if (!loading) {
        if (std::string why = checkNewGameOptions(o); !why.empty()) return why;
        if (std::string why = checkPlayerBonus(bonus); !why.empty()) return why;
    }

    // The archive is read before anything is written or asked: without a
    // complete one no world can be built, and the player stays where he
    // was. The running tables are replaced only by complete ones.
    ReferenceTables imported = ref;
    importReferenceData(g, p, imported, ImportAction::StartNewGame);
    if (std::string refusal = referenceDataRefusal(imported); !refusal.empty()) {
        p.messageBox(kReferenceDataCaption, refusal, false);
        return refusal;
    }
    // A mod that would leave nothing to play is refused before anything changes.
    if (!loading) {
        if (std::string why = modWorldRefusal(imported, g.session.modPlatformLine, g.session.modGenreLine);
            !why.empty()) {
            p.messageBox(kModCaption, why, false);
            return why;
        }
    }
    ref = std::move(imported);

    if (!loading) {
        // Every new game starts from empty tables, a script's second one too.
        g.reset();
        g.tables().catalogueGamesPerYear = ref.catalogueGamesPerYear;
        writeNamesFile(g, o);
        resetPlayerSetup(g);
        const PlayerBonus chosen = hooks.playerSetup ? hooks.playerSetup() : bonus;
        // The screen's own limits keep its choice in range; a choice off them
        // keeps the defaults rather than stopping the start.
        applyPlayerBonus(g, chosen);
    }

    p.progressShow();
    if (hooks.closeStarter) hooks.closeStarter();
    g.rng.randomizeSeed();
    writeChoices(g, o);
    initWorld(g, p, ref, hooks.world);
    return {};
}

void finishNewGame(Game& g, Player& p, const NewGameOptions& o, const NewGameHooks& hooks) {
    if (g.session.loadingSavedGame) {
        if (hooks.loadSavedGame) hooks.loadSavedGame();
        ProgressInfo info;
        info.caption = "Game Loaded";
        p.progressUpdate(info);
    }

    p.progressHide();
    if (hooks.showMainScreen) hooks.showMainScreen();
    if (hooks.showTips) hooks.showTips();
    p.refreshMainScreen();
    if (o.tutor && hooks.openTutor) hooks.openTutor();
    if (hooks.switchToGameSound) hooks.switchToGameSound();
    p.playCue(musicCueForYear(g.currentYear));
    if (o.music && hooks.startMusic) hooks.startMusic();
    if (hooks.startMapTraffic) hooks.startMapTraffic();
}

std::string startNewGame(Game& g, Player& p, ReferenceTables& ref, const NewGameOptions& o, const PlayerBonus& bonus,
                         const NewGameHooks& hooks) {
    if (std::string why = beginNewGame(g, p, ref, o, bonus, hooks); !why.empty()) return why;
    finishNewGame(g, p, o, hooks);
    return {};
}

}  // namespace cw
