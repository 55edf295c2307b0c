// Review commands of the headless driver: a released or ready game's
// review read again, and the paid preview of a game in development.
#include "cli/commands.h"
#include "cli/driver.h"
#include "dev/project_screen.h"
#include "market/reviews.h"

namespace cw::cli {
namespace {

std::string cmdReview(Session& s, const Command& cmd) {
    long long k = 0;
    if (std::string err = needInt(cmd, 0, 1, 3500, k); !err.empty()) return err;
    if (cmd.args.size() > 1) return "takes one product number";
    Review review;
    if (!productReview(*s.game, static_cast<int>(k), review)) {
        s.out << "product " << k << ": no game product\n";
        return {};
    }
    s.out << "review of product " << k << ":\n";
    for (const std::string& line : reviewLines(review)) s.out << "  " << line << '\n';
    return {};
}

std::string cmdPreview(Session& s, const Command& cmd) {
    long long task = 0;
    if (std::string err = needInt(cmd, 0, 1, 500, task); !err.empty()) return err;
    if (cmd.args.size() > 1) return "takes one task number";
    const int n = static_cast<int>(task);
    if (!ProjectScreen(*s.game, n).valid()) {
        s.out << "preview " << n << ": not a game in development\n";
        return {};
    }
    switch (RequestPreview(*s.game, s.player, n)) {
        case PreviewResult::Refused: s.out << "preview " << n << ": refused, too early\n"; break;
        case PreviewResult::Declined: s.out << "preview " << n << ": not prepared\n"; break;
        case PreviewResult::Shown: {
            const GameTitle& game = s.game->tables().tasks[n].game;
            s.out << "preview " << n << ": work left now programming " << game.workLeftProgramming << ", design "
                  << game.workLeftDesign << ", graphics " << game.workLeftGraphics << '\n';
            break;
        }
    }
    return {};
}

}  // namespace

void registerReviewCommands(CommandTable& t) {
    t.add({"review", "review N", "the review of game product N (as products lists it): text, bars and byline",
           cmdReview, kNeedsGame});
    t.add({"preview", "preview TASK",
           "\"Preview game\" for game task TASK: the preview review; its dialog takes a queued answer yes|no",
           cmdPreview, kNeedsGame});
}

}  // namespace cw::cli
