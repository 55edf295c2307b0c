// The driver's own commands: answers, status, the layout self-test, help.
#include <cstddef>
#include <iomanip>

#include "cli/commands.h"
#include "cli/driver.h"
#include "dev/release.h"
#include "finance/shares.h"
#include "market/expo.h"
#include "people/labour_market.h"
#include "sim/game_clock.h"

namespace cw::cli {
namespace {

std::string cmdAnswer(Session& s, const Command& cmd) {
    if (cmd.args.empty()) return "missing an answer";
    for (const Arg& a : cmd.args) {
        if (a.key == "publisher") {
            long long n = 0;
            if (!parseInt(a.value, n) || n < 1 || n > 500) return "publisher= takes a row number of the publisher list";
            s.answerPublisher = static_cast<int>(n);
            continue;
        }
        if (a.key == "advertising") {
            if (a.value != "yes" && a.value != "no") return "advertising= takes yes or no";
            s.answerAdvertising = a.value == "yes";
            continue;
        }
        if (a.key == "regions") {
            Regions r;
            if (!parseRegions(a.value, r)) return "regions= takes us, eu and asia, as in regions=us,eu";
            s.answerRegions = a.value;
            continue;
        }
        if (!a.key.empty()) return "unexpected option " + a.key;
        if (a.quoted) {
            s.player.queue({Answer::Text, a.value});
            continue;
        }
        if (a.value == "improve" || a.value == "finish" || a.value == "close") {
            s.answerProjectStatus = a.value;
            continue;
        }
        if (Booth b; a.value == "skip" || parseBooth(a.value, b)) {
            s.answerBooth = a.value;
            continue;
        }
        if (a.value == "yes") s.player.queue({Answer::Yes, {}});
        else if (a.value == "no") s.player.queue({Answer::No, {}});
        else if (a.value == "ok") s.player.queue({Answer::Ok, {}});
        else if (a.value == "cancel") s.player.queue({Answer::Cancel, {}});
        else return "\"" + a.value + "\" is not yes, no, ok, cancel or a quoted text";
    }
    return {};
}

std::string cmdStatus(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    const Game& g = *s.game;
    const World& w = g.world();
    s.out << "year: " << g.currentYear << '\n'
          << "week: " << g.currentWeek << '\n'
          << "money: " << w.money << '\n'
          << "loan: " << w.loan << '\n'
          << "debtWeeks: " << w.debtWeeks << '\n'
          << "unread: " << g.inbox.unread << '\n'
          << "weekCashChange: " << g.session.weekCashChange << '\n'
          << "monthCashChange: " << g.session.monthCashChange << '\n'
          << "yearChange: " << yearCashChange(g) << '\n'
          << "yearlyLoanCost: "
          << (decltype(World::yearlyLoanCost)::inRange(g.currentYear) ? w.yearlyLoanCost[g.currentYear] : 0) << '\n'
          << "sharePrice: " << sharePrice(g) << '\n'
          << "offices: " << employeeCount(g) << "/" << officeCapacity(g) << '\n';
    return {};
}

std::string cmdQuit(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    s.quitRequested = true;
    return {};
}

std::string cmdEcho(Session& s, const Command& cmd) {
    bool first = true;
    for (const auto& v : cmd.positional()) {
        s.out << (first ? "" : " ") << oneLine(v);
        first = false;
    }
    s.out << '\n';
    return {};
}

std::string cmdSelftest(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    struct Row {
        const char* name;
        std::size_t offset, size, element;
    };
    const Row rows[] = {
        {"Cpus", offsetof(SaveImage, cpus), sizeof(SaveImage::cpus), sizeof(Cpu)},
        {"GameTitles", offsetof(SaveImage, gameTitles), sizeof(SaveImage::gameTitles), sizeof(GameTitle)},
        {"Platforms", offsetof(SaveImage, platforms), sizeof(SaveImage::platforms), sizeof(Platform)},
        {"People", offsetof(SaveImage, people), sizeof(SaveImage::people), sizeof(Person)},
        {"catalogueGamesPerYear", offsetof(SaveImage, catalogueGamesPerYear), sizeof(SaveImage::catalogueGamesPerYear),
         sizeof(i32)},
        {"Companies", offsetof(SaveImage, companies), sizeof(SaveImage::companies), sizeof(Company)},
        {"World", offsetof(SaveImage, world), sizeof(SaveImage::world), sizeof(World)},
        {"titlesPerYear", offsetof(SaveImage, titlesPerYear), sizeof(SaveImage::titlesPerYear), sizeof(i32)},
        {"Genres", offsetof(SaveImage, genres), sizeof(SaveImage::genres), sizeof(Genre)},
        {"Tasks", offsetof(SaveImage, tasks), sizeof(SaveImage::tasks), sizeof(Task)},
    };
    s.out << std::left << std::setw(24) << "table" << std::right << std::setw(12) << "offset" << std::setw(12)
          << "size" << std::setw(10) << "element" << '\n';
    for (const Row& r : rows)
        s.out << std::left << std::setw(24) << r.name << std::right << std::setw(12) << r.offset << std::setw(12)
              << r.size << std::setw(10) << r.element << '\n';
    s.out << std::left << std::setw(24) << "total" << std::right << std::setw(12) << sizeof(SaveImage) << '\n';
    const bool ok = sizeof(SaveImage) == kSaveImageSize;
    s.out << "selftest: " << (ok ? "layout ok" : "LAYOUT MISMATCH") << '\n';
    return {};
}

std::string cmdHelp(Session& s, const Command&) {
    for (const auto& [name, info] : commandTable().all()) {
        // A long usage gets a line of its own so the descriptions stay in one column.
        if (info.usage.size() >= 30) s.out << info.usage << '\n' << std::string(30, ' ') << info.help << '\n';
        else s.out << std::left << std::setw(30) << info.usage << info.help << '\n';
    }
    return {};
}

}  // namespace

void registerBasicCommands(CommandTable& t) {
    t.add(
        {"answer",
         "answer yes|no|ok|cancel|\"TEXT\"|improve|finish|close|none|small|medium|large|giant|skip|publisher=N|advertising=yes|no|regions=us,eu,asia ...",
         "queue answers for the next dialogs and prompts", cmdAnswer});
    t.add({"status", "status", "print the game date and finances as key: value lines", cmdStatus});
    t.add({"quit", "quit", "end the script", cmdQuit});
    t.add({"echo", "echo TEXT ...", "print the text (for marking places in a transcript)", cmdEcho});
    t.add({"selftest", "selftest", "print the game tables' offsets and sizes", cmdSelftest});
    t.add({"help", "help", "list the commands", cmdHelp});
}

}  // namespace cw::cli
