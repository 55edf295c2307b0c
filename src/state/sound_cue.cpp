#include "state/sound_cue.h"

#include <array>

#include "state/player.h"

namespace cw {

namespace {

constexpr std::array<const char*, kSoundCueCount> kNames = {
    "letter",  "game-finished", "code-bug", "hire",        "release",     "cash-negative",
    "awards",  "game-end",      "click",    "music-1980s", "music-1990s", "music-2000s",
};

}  // namespace

const char* soundCueName(SoundCue cue) {
    const auto i = static_cast<std::size_t>(cue);
    return i < kNames.size() ? kNames[i] : "unknown";
}

std::optional<SoundCue> soundCueFromName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (name == kNames[i]) return static_cast<SoundCue>(i);
    return std::nullopt;
}

bool isMusicCue(SoundCue cue) {
    return cue == SoundCue::Music1980s || cue == SoundCue::Music1990s || cue == SoundCue::Music2000s;
}

SoundCue musicCueForYear(int year) {
    if (year <= 1989) return SoundCue::Music1980s;
    if (year <= 1999) return SoundCue::Music1990s;
    return SoundCue::Music2000s;
}

void weekEndCues(Player& p, int yearBefore, int yearAfter, i32 cashBefore, i32 cashAfter) {
    if (musicCueForYear(yearBefore) != musicCueForYear(yearAfter)) p.playCue(musicCueForYear(yearAfter));
    if (cashBefore >= 0 && cashAfter < 0) p.playCue(SoundCue::CashNegative);
}

}  // namespace cw
