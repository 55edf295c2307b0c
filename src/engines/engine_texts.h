// The words that describe an engine's levels on the screens and panels.
#pragma once

#include <string>

namespace cw {

// "None", "(1) Very Simple" .. "(10)Complex hi-Res" for code levels 0..10.
std::string codeLevelWord(int level);
// What a code level can do: "None", "Very simple AI. Very Simple functionality", ...
std::string codeLevelRemark(int level);
// "None", "Very simple. Outdated ideas" .. for genre integration levels 0..5.
std::string genreLevelWord(int level);

}  // namespace cw
