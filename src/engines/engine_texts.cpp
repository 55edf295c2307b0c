#include "engines/engine_texts.h"

#include <array>

namespace cw {
namespace {

// A level outside the table (a damaged record) reads as the nearest end.
template <std::size_t N>
std::string pick(const std::array<const char*, N>& words, int level) {
    if (level < 0) level = 0;
    if (level >= static_cast<int>(N)) level = static_cast<int>(N) - 1;
    return words[static_cast<std::size_t>(level)];
}

}  // namespace

std::string codeLevelWord(int level) {
    static constexpr std::array<const char*, 11> kWords = {
        "None",         "(1) Very Simple", "(2) Simple ",         "(3) Simple ",          "(4) Standard LOW-resolution",
        "(5) Standard HIGH-esolution",     "(6) Advanced",        "(7) Advanced",         "(8) Advanced hi-res",
        "(9) Complex  Low-res",            "(10)Complex hi-Res",
    };
    return pick(kWords, level);
}

std::string codeLevelRemark(int level) {
    static constexpr std::array<const char*, 11> kRemarks = {
        "None",
        "Very simple AI. Very Simple functionality",
        "Very simple AI. Very Simple functionality",
        "Simple AI. Multiple functionality, TurnBased",
        "Simple AI. Multiple functionality, TurnBased",
        "Advanced AI. Multiple functionality, Realtime",
        "Advanced AI. Multiple functionality, Realtime",
        "Advanced AI. RealTime, Multi func/threaded",
        "Advanced AI. RealTime, Multi func/threaded",
        "Extreme AI. Multiple Adv. functionality, Realtime",
        "Extreme AI. Multiple Adv. functionality, Realtime",
    };
    return pick(kRemarks, level);
}

std::string genreLevelWord(int level) {
    static constexpr std::array<const char*, 6> kWords = {
        "None",
        "Very simple. Outdated ideas",
        "Simple. Outdated ideas",
        "Standard. Up.to-date ideas",
        "Advanced. state-of-the-art ideas",
        "Extremely advanced. visionary ideas",
    };
    return pick(kWords, level);
}

}  // namespace cw
