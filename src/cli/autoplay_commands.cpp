// The computer player as a driver command: it plays the running game to a
// year or to its end, printing a line per year and the end screen.
#include "autoplay/autoplay.h"
#include "cli/commands.h"
#include "cli/driver.h"

namespace cw::cli {
namespace {

// What a person watching an autoplay sees without the whole transcript: the
// end screen alone.
class EndScreenOnly : public SilentPlayer {
public:
    explicit EndScreenOnly(Player& transcript) : transcript_(transcript) {}
    void showModal(ScreenId screen) override {
        if (screen == ScreenId::EndScreen) transcript_.showModal(screen);
    }

private:
    Player& transcript_;
};

std::string cmdAutoplay(Session& s, const Command& cmd) {
    AutoplayOptions o;
    bool transcript = false;
    bool log = false;
    for (const Arg& a : cmd.args) {
        long long n = 0;
        if (a.key == "until") {
            if (!parseInt(a.value, n) || n < 1980 || n > 2015) return "until must be a year 1980..2015";
            o.untilYear = static_cast<int>(n);
        } else if (a.key == "level") {
            if (!parseInt(a.value, n) || n < 1 || n > 3) return "level must be 1..3";
            o.level = static_cast<int>(n);
        } else if (a.key == "no") {
            // "no=buildings|sequels" (or with commas): the habits left out.
            std::string word;
            for (std::size_t i = 0; i <= a.value.size(); ++i) {
                if (i < a.value.size() && a.value[i] != '|' && a.value[i] != ',') {
                    word += a.value[i];
                    continue;
                }
                const unsigned bit = habitBit(word);
                if (bit == 0)
                    return "no takes habits buildings|engines|research|sequels|console|study|expo|tools|licences, not \"" +
                           word + "\"";
                o.habits &= ~bit;
                word.clear();
            }
        } else if (a.key == "log" || a.key == "transcript") {
            if (a.value != "yes" && a.value != "no") return a.key + " takes yes or no";
            (a.key == "log" ? log : transcript) = a.value == "yes";
        } else {
            return a.key.empty() ? "unexpected \"" + a.value + "\"; options are key=value" : "unknown option " + a.key;
        }
    }
    if (log) o.log = &s.out;
    if (transcript) o.answered = [&s](std::string_view line) { s.out << line << '\n'; };
    EndScreenOnly quiet(s.player);
    Player& shown = transcript ? static_cast<Player&>(s.player) : quiet;
    const AutoplayReport r = autoplay(*s.game, shown, o);
    for (const AutoplayYear& y : r.years)
        s.out << "  " << y.year << ": cash " << y.cash << ", loan " << y.loan << ", staff " << y.employees
              << ", games released " << y.gamesReleased << ", mean score " << y.meanScore << ", platforms "
              << y.platformsOnMarket << ", console units " << y.consoleUnits << ", income " << y.income
              << ", console income " << y.consoleIncome << '\n';
    s.out << autoplaySummary(r) << '\n';
    s.out << "autoplay habits: " << r.buildings << " buildings, " << r.studies << " studies, " << r.sequels
          << " sequels, " << r.booths << " booths, " << r.licences << " engine licences, " << r.consoles
          << " consoles designed, " << r.consolesReleased << " released\n";
    return {};
}

}  // namespace

void registerAutoplayCommands(CommandTable& t) {
    t.add({"autoplay",
           "autoplay [until=YEAR] [level=1..3] [no=HABIT|HABIT...] [log=yes|no] [transcript=yes|no]",
           "a computer player plays the game week by week until the end of YEAR or the end of the game", cmdAutoplay,
           kNeedsGame});
}

}  // namespace cw::cli
