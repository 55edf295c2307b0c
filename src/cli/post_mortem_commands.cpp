// Post-mortem commands of the headless driver: why a game got its score and
// why it sold what it sold last week.
#include "cli/commands.h"
#include "cli/driver.h"
#include "dev/post_mortem.h"

namespace cw::cli {
namespace {

// Reads the one option `key`=N of a command that takes nothing else but
// the options in `allowed`.
std::string intOption(const Command& cmd, const std::string& key, long long max, long long& value) {
    const auto text = cmd.option(key);
    if (!text) return {};
    if (!parseInt(*text, value) || value < 1 || value > max)
        return key + "= takes a number from 1 to " + std::to_string(max);
    return {};
}

void printLines(std::ostream& out, const std::vector<WhyLine>& lines, std::int64_t total) {
    for (const WhyLine& l : lines) out << l.key << ": " << l.value << '\n';
    out << "total: " << total << '\n';
    for (const WhyLine& l : lines) out << l.sentence << '\n';
}

std::string cmdWhyScore(Session& s, const Command& cmd) {
    for (const Arg& a : cmd.args)
        if (a.key != "task" && a.key != "product") return "takes task=N or product=N";
    long long task = 0, product = 0;
    if (std::string err = intOption(cmd, "task", 500, task); !err.empty()) return err;
    if (std::string err = intOption(cmd, "product", 3500, product); !err.empty()) return err;
    if ((task == 0) == (product == 0)) return "takes task=N (a game in development) or product=N (a finished game)";
    const Game& g = *s.game;
    const WhyScore w = task ? whyScoreOfTask(g, static_cast<int>(task)) : whyScoreOfProduct(g, static_cast<int>(product));
    if (!w.unavailable.empty()) {
        s.out << w.unavailable << '\n';
        return {};
    }
    s.out << "why-score " << (task ? "task " + std::to_string(task) : "product " + std::to_string(product)) << ": "
          << w.title << '\n';
    if (w.versions.size() > 1) s.out << "version " << w.versions.front().platformName << ":\n";
    printLines(s.out, w.lines, w.total);
    // The other platforms' versions differ in their engine, so each is told
    // by its total and its engine line.
    for (std::size_t k = 1; k < w.versions.size(); ++k) {
        const WhyVersion& v = w.versions[k];
        s.out << "version " << v.platformName << ": total " << v.total;
        for (const WhyLine& l : v.lines)
            if (l.key == "engine") s.out << " (engine " << l.value << ". " << l.sentence << ")";
        s.out << '\n';
    }
    if (!w.publisher.empty()) s.out << w.publisher << '\n';
    for (const WhyBar& b : w.qualities) s.out << b.sentence << '\n';
    for (const WhyBar& b : w.team) s.out << b.sentence << '\n';
    if (w.changes.empty()) s.out << noChangeText(w) << '\n';
    for (const WhyLine& c : w.changes) s.out << c.sentence << '\n';
    if (!w.note.empty()) s.out << w.note << '\n';
    return {};
}

std::string cmdWhySales(Session& s, const Command& cmd) {
    for (const Arg& a : cmd.args)
        if (a.key != "product" && a.key != "region") return "takes product=N [region=us|eu|asia]";
    long long product = 0;
    if (std::string err = intOption(cmd, "product", 3500, product); !err.empty()) return err;
    if (product == 0) return "takes product=N [region=us|eu|asia]";
    std::vector<int> regions{1, 2, 3};
    if (auto r = cmd.option("region")) {
        const int region = regionFromKey(*r);
        if (region == 0) return "region= takes us, eu or asia";
        regions = {region};
    }
    const Game& g = *s.game;
    for (int region : regions) {
        const WhySales w = whySales(g, static_cast<int>(product), region);
        if (!w.unavailable.empty()) {
            s.out << w.unavailable << '\n';
            return {};
        }
        s.out << "why-sales product " << product << ": " << w.title << ", " << w.regionName << ", week " << w.week
              << ' ' << w.year << '\n';
        printLines(s.out, w.lines, w.total);
        if (!w.note.empty()) s.out << w.note << '\n';
    }
    const WhySales all = whySales(g, static_cast<int>(product), regions.front());
    for (const WhyLine& l : all.shares) s.out << "  " << l.key << ": " << l.value << ". " << l.sentence << '\n';
    return {};
}

}  // namespace

void registerPostMortemCommands(CommandTable& t) {
    t.add({"why-score", "why-score task=N|product=N",
           "why a game scores what it scores: each addition, the qualities, the best changes", cmdWhyScore,
           kNeedsGame});
    t.add({"why-sales", "why-sales product=N [region=us|eu|asia]",
           "last week's revenue of a released game taken apart rule by rule", cmdWhySales, kNeedsGame});
}

}  // namespace cw::cli
