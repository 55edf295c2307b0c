// Driver commands against a small running game: each line of the input is
// parsed and run as the script driver runs it, on a game started from a
// tiny data archive with a fixed seed. Whatever the commands, nothing
// crashes, the cash stays within its bound and the date stays a date.
// Commands that only take time (many weeks, a computer player) are kept
// short, and the one that writes to a path of the script's choosing is left
// out: the fuzzer must not write files outside its folder.
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/driver.h"
#include "cli/script.h"
#include "fakes/tiny_data.h"
#include "state/game.h"
#include "state/money.h"
#include "support.h"

namespace {

using cw::fuzz::check;

// True when the line may run; a long run of weeks is cut to a few.
bool allowed(std::string& line) {
    const cw::cli::ParseResult r = cw::cli::parseLine(line);
    if (!r.command) return true;  // blank, comment or an error the driver reports
    const std::string& name = r.command->name;
    if (name == "autoplay" || name == "dump-table" || name == "quit") return false;
    if (name == "next-week" || name == "fast-forward") {
        long long n = 1;
        const auto pos = r.command->positional();
        if (!pos.empty() && cw::cli::parseInt(pos[0], n) && n > 4) line = name + " 4";
    }
    return true;
}

void checkGame(const cw::cli::Session& s, const std::string& line) {
    const cw::Game& g = *s.game;
    check(g.currentWeek >= 1 && g.currentWeek <= 52, "the week is no week after: " + line);
    check(g.currentYear >= 1980 && g.currentYear <= 2100, "the year is out of the game after: " + line);
    if (!s.gameRunning) return;
    const std::int32_t cash = g.world().money;
    check(cash >= -cw::kCashLimit && cash <= cw::kCashLimit, "the cash passed its bound after: " + line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string folder = cw::fuzz::freshFolder("commands");
    cw::test::writeTinyDataArchive(folder);
    std::ostringstream out;
    cw::cli::Session s(out, folder);
    s.game->rng.fixedSeed = 1980;
    {
        std::istringstream start("new-game company=\"Fuzz Soft\" player=Ann\n");
        check(cw::cli::runScript(s, start, "start") == 0 && s.gameRunning, "the small game does not start");
    }

    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t begin = 0;
    int lines = 0;
    while (begin < text.size() && lines++ < 64 && !s.game->gameOver) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (!allowed(line)) continue;
        // The transcript is not read; only the game's state counts.
        out.str("");
        std::istringstream one(line + "\n");
        const int code = cw::cli::runScript(s, one, "fuzz");
        check(code == 0 || code == 2, "the driver ended with an unknown code after: " + line);
        checkGame(s, line);
    }
    return 0;
}
