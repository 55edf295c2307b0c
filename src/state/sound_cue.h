// The sounds the rules ask for. The core only names a cue; what it sounds
// like (a file, a synthesised effect, nothing at all) is the player's
// business, so the rules never depend on an audio device.
#pragma once

#include <optional>
#include <string_view>

#include "state/types.h"

namespace cw {

class Player;

enum class SoundCue {
    Letter,         // a letter arrived in the inbox
    GameFinished,   // one of the player's game projects is done
    CodeBug,        // a code bug was found in a project
    Hire,           // a new employee signed
    Release,        // a product went on sale
    CashNegative,   // the cash fell below zero
    AwardShow,      // the yearly award show opens
    GameEnd,        // the end screen of a game
    Click,          // a button was pressed (the screens' own, never the rules')
    Music1980s,     // the music of the game's era from now on
    Music1990s,
    Music2000s,
};

inline constexpr int kSoundCueCount = 12;

// The cue's name as the headless driver prints it ("letter", "music-1980s").
const char* soundCueName(SoundCue cue);
// The cue of a printed name; nothing for an unknown one.
std::optional<SoundCue> soundCueFromName(std::string_view name);
bool isMusicCue(SoundCue cue);

// The era's music for a game year: the 1980s up to 1989, the 1990s up to
// 1999, the 2000s after.
SoundCue musicCueForYear(int year);

// The cues a week asks for once its steps are done: the era's music when the
// year crossed into another decade, and the alarm when the cash went from
// zero or more to below zero.
void weekEndCues(Player& p, int yearBefore, int yearAfter, i32 cashBefore, i32 cashAfter);

}  // namespace cw
