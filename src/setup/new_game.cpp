#include "setup/new_game.h"

#include <filesystem>
#include <fstream>

#include "setup/game_clock.h"

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

std::string checkNewGameOptions(const NewGameOptions& o) {
    if (o.companyName.size() > kMaxNewGameName)
        return "The company name can have at most " + std::to_string(kMaxNewGameName) + " characters";
    if (o.playerName.size() > kMaxNewGameName)
        return "The player name can have at most " + std::to_string(kMaxNewGameName) + " characters";
    if (o.companyValue < 2 || o.companyValue > 6) return "The company value is 2..6";
    if (o.gameLevel < 1 || o.gameLevel > 3) return "The game level is 1..3";
    return {};
}

std::string applyNewGameOptions(Game& g, const NewGameOptions& o) {
    if (std::string why = checkNewGameOptions(o); !why.empty()) return why;

    World& w = g.world();
    w.gameLevel = static_cast<u8>(o.gameLevel);
    w.startupScore = static_cast<u8>(startupScore(o));
    w.startCompanyValue = o.companyValue * 1500000;
    w.playerName = o.playerName;
    w.companyName = o.companyName;
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
    s.weekCashChange = 0;
    s.monthCashChange = 0;
    // The first week's change then shows what was spent since the start.
    s.lastCash = w.money;
    return {};
}

void writeNamesFile(const Game& g, const NewGameOptions& o) {
    std::string path = existingFileNoCase(g.programFolder, "Namstart.txt");
    if (path.empty()) path = (std::filesystem::path(g.programFolder) / "Namstart.txt").string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out << o.playerName << '\n' << o.companyName << '\n';
}

}  // namespace cw
