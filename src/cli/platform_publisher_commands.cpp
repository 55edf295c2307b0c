// The platform publisher commands of the headless driver: the companies a
// console in development can sign, and the talks with one of them.
#include <memory>

#include "cli/commands.h"
#include "cli/driver.h"
#include "hardware/platform_publisher_screen.h"
#include "hardware/platform_publishers.h"

namespace cw::cli {
namespace {

const char* colourWord(TalkColour c) {
    switch (c) {
        case TalkColour::Green: return "green";
        case TalkColour::Yellow: return "yellow";
        case TalkColour::Red: return "red";
        case TalkColour::Normal: break;
    }
    return "plain";
}

void printDeals(std::ostream& out, const PlatformPublisherScreen& screen) {
    out << "  Deals " << screen.dealCountText() << '\n';
    for (const std::string& line : screen.dealLines()) out << "    " << line << '\n';
}

void printTalks(std::ostream& out, const Game& g, const PlatformPublisherScreen& screen) {
    if (!screen.negotiating()) return;
    out << "  Talks with " << g.tables().companies[screen.company()].name.str() << " (company " << screen.company()
        << "): price per game " << screen.pricePerGame() << "$, games 1.." << screen.maxGames() << ", "
        << screen.moodText() << " (patience " << screen.mood() << ")\n";
    out << "    " << oneLine(screen.comment()) << " (" << colourWord(screen.commentColour()) << ")\n";
    out << "    offer field " << screen.offerField << ", games field " << screen.gamesField
        << (screen.offerEnabled() ? "" : ", Suggest disabled") << (screen.canMakeDeal() ? ", Make Deal enabled" : "")
        << '\n';
}

void printScreen(std::ostream& out, const Game& g, const PlatformPublisherScreen& screen) {
    out << "Tform_platformPublisher: " << screen.platformName() << " (task " << screen.task() << ")\n";
    printDeals(out, screen);
    out << "  Id | Publisher | Planned Games | Released | HG | Busy weeks\n";
    for (const PlatformPublisherRow& r : screen.rows())
        out << "  " << r.id << " | " << r.name << " | " << r.planned << " | " << r.released << " | " << r.hitGames
            << " | " << int(g.tables().companies[r.id].busyWeeks) << '\n';
    printTalks(out, g, screen);
}

// The screen of `task` for this week's talks: kept while the same task is
// asked about in the same week, opened afresh otherwise.
PlatformPublisherScreen* screenFor(Session& s, int task) {
    Game& g = *s.game;
    const int week = g.currentYear * 52 + g.currentWeek;
    if (!s.platformPublishers || s.platformPublishers->task() != task || s.platformPublishersWeek != week) {
        s.platformPublishers = std::make_shared<PlatformPublisherScreen>(g, task);
        s.platformPublishersWeek = week;
    }
    return s.platformPublishers.get();
}

std::string cmdPlatformPublishers(Session& s, const Command& cmd) {
    long long task = 0;
    if (std::string err = needInt(cmd, 0, 1, 500, task); !err.empty()) return err;
    if (cmd.args.size() != 1) return "takes one task number (see tasks)";
    if (!isNewPlatformTask(*s.game, static_cast<int>(task))) {
        s.out << "platform-publishers: task " << task << " designs no new console\n";
        return {};
    }
    printScreen(s.out, *s.game, *screenFor(s, static_cast<int>(task)));
    return {};
}

std::string cmdPlatformDeal(Session& s, const Command& cmd) {
    const auto pos = cmd.positional();
    if (pos.size() != 2) return "takes a task and a company number: platform-deal TASK COMPANY games=N price=P";
    long long task = 0;
    long long company = 0;
    if (!parseInt(pos[0], task) || task < 1 || task > 500) return "the task must be a task number 1..500 (see tasks)";
    if (!parseInt(pos[1], company) || company < 1 || company > 500)
        return "the company must be a company number 1..500 (see platform-publishers)";
    std::optional<std::string> games;
    std::optional<std::string> price;
    for (const Arg& a : cmd.args) {
        if (a.key.empty()) continue;
        if (a.key == "games") games = a.value;
        else if (a.key == "price") price = a.value;
        else return "unknown option " + a.key;
    }
    Game& g = *s.game;
    if (!isNewPlatformTask(g, static_cast<int>(task))) {
        s.out << "platform-deal: task " << task << " designs no new console\n";
        return {};
    }
    PlatformPublisherScreen& screen = *screenFor(s, static_cast<int>(task));
    if (!screen.negotiating() || screen.company() != company) {
        const int row = screen.rowOf(static_cast<int>(company));
        if (row < 0) {
            s.out << "platform-deal: company " << company << " is not in the list (see platform-publishers " << task
                  << ")\n";
            return {};
        }
        s.out << "[click] " << screen.rows()[static_cast<std::size_t>(row)].name << '\n';
        if (!screen.choose(s.player, row)) {
            s.out << "platform-deal: no talks\n";
            return {};
        }
    }
    printTalks(s.out, g, screen);
    if (!screen.offerEnabled()) {
        s.out << "platform-deal: the company does not negotiate\n";
        return {};
    }
    if (games) screen.gamesField = *games;
    if (price) screen.offerField = *price;
    s.out << "[Suggest] games " << screen.gamesField << ", offer " << screen.offerField << '\n';
    const bool accepted = screen.suggest(s.player);
    s.out << "  asked " << screen.askedPrice() << "$: " << oneLine(screen.comment()) << " ("
          << colourWord(screen.commentColour()) << ") | " << screen.moodText() << '\n';
    if (!accepted) return {};
    if (const ActionResult refused = screen.makeDeal(s.player)) {
        s.out << "[Make Deal] refused: " << refused->caption << " | " << oneLine(refused->text) << '\n';
        return {};
    }
    s.out << "[Make Deal] signed company " << company << "\n";
    printDeals(s.out, screen);
    return {};
}

}  // namespace

bool runPlatformPublisherScreen(Session& s, ScreenId screen, std::ostream& out) {
    if (screen != ScreenId::PlatformPublishers) return false;
    const int task = openPlatformPublisherTask();
    if (!isNewPlatformTask(*s.game, task)) return true;
    // The week's screen lists the companies and closes; talks are held with
    // platform-deal between the weeks.
    printScreen(out, *s.game, *screenFor(s, task));
    return true;
}

void registerPlatformPublisherCommands(CommandTable& t) {
    t.add({"platform-publishers", "platform-publishers TASK",
           "the platform publisher screen of console task TASK: the companies, the deals signed and the talks "
           "under way with their price and patience",
           cmdPlatformPublishers, kNeedsGame});
    t.add({"platform-deal", "platform-deal TASK COMPANY [games=N] [price=P]",
           "one counter-offer to company COMPANY for console task TASK (the first one opens the talks; its dialog "
           "takes a queued answer); an accepted offer is signed and paid at once",
           cmdPlatformDeal, kNeedsGame});
}

}  // namespace cw::cli
