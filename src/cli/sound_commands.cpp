// The sound cues of the headless driver: the driver has no speakers, so it
// keeps the cues the rules asked for and `sound` prints them, for scripts
// that check the sound choices without a sound device.
#include "cli/cli_player.h"
#include "cli/commands.h"
#include "cli/driver.h"

namespace cw::cli {

namespace {

// A long autoplay run asks for cues without a week command clearing them;
// only the newest are worth keeping.
constexpr std::size_t kMaxKeptCues = 1000;

std::string cmdSound(Session& s, const Command& cmd) {
    if (!cmd.args.empty()) return "takes no arguments";
    for (SoundCue cue : s.player.lastCues()) s.out << soundCueName(cue) << '\n';
    return {};
}

}  // namespace

void CliPlayer::playCue(SoundCue cue) {
    if (cues_.size() >= kMaxKeptCues) cues_.erase(cues_.begin());
    cues_.push_back(cue);
}

void registerSoundCommands(CommandTable& t) {
    t.add({"sound", "sound",
           "the sound cues the last week asked for (and the actions after it), one per line: letter, "
           "game-finished, code-bug, hire, release, cash-negative, awards, game-end, music-1980s|1990s|2000s",
           cmdSound, kNeedsGame});
}

}  // namespace cw::cli
