// The yearly show in the headless driver: the booth offer takes a queued
// booth word, then the award show is printed one category after another.
#include <memory>
#include <sstream>
#include <utility>

#include "cli/commands.h"
#include "cli/driver.h"
#include "market/expo.h"
#include "state/text_format.h"

namespace cw::cli {
namespace {

// The last show of this run, for the `expo` command.
std::shared_ptr<ExpoShow> g_lastShow;
std::string g_lastTranscript;

void printCategory(std::ostream& out, const AwardCategory& c) {
    out << "  " << c.heading << '\n';
    out << "    " << kExpoEntriesCaption << (c.playerEntries.empty() ? " (none)" : "") << '\n';
    for (const std::string& e : c.playerEntries) out << "      " << e << '\n';
    // The places are revealed from the fifth to the first.
    for (int k = 4; k >= 0; --k) {
        const AwardPlace& place = c.places[static_cast<std::size_t>(k)];
        if (place.title == 0)
            out << "    " << (k + 1) << ". -\n";
        else
            out << "    " << oneLine(place.line) << (place.players ? "  <- yours" : "") << '\n';
    }
}

void printImpression(std::ostream& out, const ExpoShow& show) {
    out << "  " << kExpoImpressionCaption << '\n';
    out << "    " << (show.impression.empty() ? "(nothing)" : oneLine(show.impression)) << '\n';
}

}  // namespace

bool runExpoScreen(Session& s, ScreenId screen, std::ostream& out) {
    if (screen != ScreenId::Expo || !s.game) return false;
    ExpoShow* show = openExpo();
    if (!show) return true;
    Game& g = *s.game;
    std::ostringstream text;
    text << "TForm_E3: Yearly Computer and games show\n";
    text << "  " << oneLine(kExpoOfferText) << '\n';
    const std::string answer = std::exchange(s.answerBooth, std::string());
    Booth booth = Booth::None;
    const bool skip = answer == "skip";
    if (!skip && !answer.empty()) parseBooth(answer, booth);
    for (int b = 0; b < kBoothCount; ++b)
        text << "  [" << (!skip && static_cast<int>(booth) == b ? 'x' : ' ') << "] " << boothCaption(static_cast<Booth>(b))
             << '\n';
    if (skip) {
        SkipExpo(*show);
        text << "  -> " << kExpoSkipButton << '\n';
    } else {
        const World& w = g.world();
        const int games = w.gamesImage, platforms = w.platformsImage;
        EnterExpo(g, *show, booth);
        text << "  -> " << kExpoEnterButton << " (" << boothWord(booth) << ", $" << thousands(boothCost(booth))
             << "): money " << thousands(w.money) << ", games image " << games << " -> " << int(w.gamesImage)
             << ", platforms image " << platforms << " -> " << int(w.platformsImage) << '\n';
        printCategory(text, show->shown.back());
        while (NextCategory(g, *show)) {
            text << "  -> " << kExpoNextButton << '\n';
            printCategory(text, show->shown.back());
        }
        printImpression(text, *show);
    }
    g_lastShow = std::make_shared<ExpoShow>(*show);
    g_lastTranscript = text.str();
    out << g_lastTranscript;
    return true;
}

namespace {

std::string cmdExpo(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    if (!g_lastShow) {
        s.out << "expo: no show yet in this run (it opens in week 4 of every year after 1980)\n";
        return {};
    }
    s.out << "expo: the show of " << (g_lastShow->year + 1) << '\n' << g_lastTranscript;
    return {};
}

}  // namespace

void registerExpoCommands(CommandTable& t) {
    t.add({"expo", "expo",
           "the last yearly show of this run: the booth offer and the award show, one category after another "
           "(the show in week 4 takes a queued answer none|small|medium|large|giant|skip, none by default)",
           cmdExpo, kNeedsGame});
}

}  // namespace cw::cli
